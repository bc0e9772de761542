#pragma once
// A small reading for the view's tests: a heading, Genesis 1:1-3 with verse numbers,
// a ketiv/qere pair, trope groups, translation lines and a closing paragraph mark.

#include <memory>
#include <string>
#include <vector>

#include "text/word_table.h"

namespace lyrasta::ui::testing {

struct FixtureWord {
    const char* text;
    int group;
    bool verseEnd;
};

inline const std::vector<std::vector<FixtureWord>> kGenesis = {
    {{"בְּרֵאשִׁ֖ית", 2, false}, {"בָּרָ֣א", 2, false}, {"אֱלֹהִ֑ים", 2, false}, {"אֵ֥ת", 1, false},
     {"הַשָּׁמַ֖יִם", 1, false}, {"וְאֵ֥ת", 1, false}, {"הָאָֽרֶץ׃", 1, true}},
    {{"וְהָאָ֗רֶץ", 7, false}, {"הָיְתָ֥ה", 3, false}, {"תֹ֙הוּ֙", 3, false}, {"וָבֹ֔הוּ", 3, false},
     {"וְחֹ֖שֶׁךְ", 2, false}, {"עַל־פְּנֵ֣י", 2, false}, {"תְה֑וֹם", 2, false},
     {"וְר֣וּחַ", 3, false}, {"אֱלֹהִ֔ים", 3, false}, {"מְרַחֶ֖פֶת", 1, false},
     {"עַל־פְּנֵ֥י", 1, false}, {"הַמָּֽיִם׃", 1, true}},
    {{"וַיֹּ֥אמֶר", 2, false}, {"אֱלֹהִ֖ים", 2, false}, {"יְהִ֣י", 2, false}, {"א֑וֹר", 2, false},
     {"וַֽיְהִי־א֑וֹר", 4, false}, {"אֽוֹר׃", 4, true}},
};

// One letter record carrying the word's notes, syllable, tip and translation line.
inline std::unique_ptr<LetterList> FixtureLetters(int verse, bool verseEnd, int k) {
    auto letters = std::make_unique<LetterList>(1);
    strucHebChar& c = letters->front();
    c.letter = "B";
    c.syllable = "ba";
    c.sylStart = c.sylEnd = true;
    c.AddNote(20 + k % 5, 4);
    c.AddNote(19, 8);
    c.synth = "~b<20,5131>~ah<60,5131>";  // a short sung syllable
    c.comment = "<tip " + std::to_string(verse) + "." + std::to_string(k) + ">";
    c.verseEnd = verseEnd;
    c.book = "GEN";
    c.chapter = 1;
    c.verse = verse;
    c.translation = verse;
    return letters;
}

// Fills a table: the heading, then each verse's number and words. The last verse's
// fifth and sixth words form a ketiv/qere pair; a closed paragraph mark follows.
inline void FillGenesis(TWordTable& t) {
    t.AddWord({.text = "Genesis 1:1-3", .font = "Arial", .size = 14, .lineEnd = true});
    for (size_t v = 0; v < kGenesis.size(); ++v) {
        t.AddWord({.text = std::to_string(v + 1), .font = "TGBI", .size = 10, .colour = {0, 0, 128}});
        for (size_t k = 0; k < kGenesis[v].size(); ++k) {
            const FixtureWord& w = kGenesis[v][k];
            const bool last = v + 1 == kGenesis.size();
            const int pairing = last && k == 4 ? kPairOpen : last && k == 5 ? kPairClose : kPairNone;
            t.AddWord({.text = w.text, .font = "TGBT", .size = 20, .hebrew = true, .scroll = true,
                       .sung = true, .pairing = pairing, .verseEnd = w.verseEnd && last ? 2 : 0,
                       .letters = FixtureLetters(static_cast<int>(v + 1), w.verseEnd, static_cast<int>(k))});
            t.SetTropeGroupOf(t.WordCount() - 1, w.group);
        }
    }
    t.AddWord({.text = " \u05E1", .font = "TGBT", .size = 20, .scroll = true});
}

}  // namespace lyrasta::ui::testing
