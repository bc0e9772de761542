// The tunes as a teacher sings them, heard on real verses: where Esther closes and where it
// stays open, its passages in the melody of Lamentations, the first word of Lamentations
// and the repeat of Hashivenu, telisha gedola on the stressed syllable, the Haftarah's
// closing clause in major, and no phrase opening far below the word before it.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "chant/melody.h"
#include "chant/melody_styles.h"
#include "chant/word_tropes.h"
#include "player/song_steps.h"
#include "text/data_files.h"
#include "text/random.h"
#include "text/reading_loader.h"

namespace lyrasta {
namespace {

struct Note {
    int pitch = 0;
    int length = 0;  // the duration divisor: 1 a whole beat, 6 an ornament note
};

struct SungWord {
    std::string verse;  // "EST4:1"
    std::string text;   // the word's letters, without vowels and accents
    std::string trope;  // the main trope's name
    std::string comment;
    std::vector<std::vector<Note>> syllables;

    std::vector<Note> Notes() const {
        std::vector<Note> all;
        for (const auto& s : syllables) all.insert(all.end(), s.begin(), s.end());
        return all;
    }
    double Beats() const {
        double beats = 0;
        for (const Note& n : Notes()) beats += 1.0 / n.length;
        return beats;
    }
};

// The letters of a word without its vowels and accents, as the tables below write it.
std::string Letters(const std::string& text) {
    std::string letters;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]), next = static_cast<unsigned char>(text[i + 1]);
        if (lead == 0xD7 && next >= 0x90 && next <= 0xAA) letters += text.substr(i++, 2);
    }
    return letters;
}

// The reading sung in the named style of its type, word by word.
std::vector<SungWord> Sing(const std::string& type, const std::string& style, const std::string& reference) {
    const std::filesystem::path data = LYRASTA_DATA_DIR;
    TTropeDefinitions docs;
    docs.LoadTropeDefinitions(data, nullptr);
    const TPhonemeSet phonemes = LoadPhonemeSet(ReadDataFile(data, "encodings/phonemes.ini"), "");
    SeedRandom(1);
    TMelodyStyles styles(docs, nullptr);
    styles.BuildStyleCatalogue({});
    const auto& names = styles.StyleNames(type);
    const auto chosen = std::find(names.begin(), names.end(), style);
    EXPECT_NE(chosen, names.end()) << type << " has no style " << style;
    styles.SetChosenStyle(type, static_cast<int>(chosen - names.begin()));
    styles.SetReadingTypes(type, "");
    EXPECT_TRUE(styles.ChooseReadingStyles());
    TWordTable table;
    TReadingLoader loader(data, table);
    TSongSteps steps(phonemes, styles, {}, nullptr);
    loader.SetSteps(&steps);
    TReadingSections sections;
    sections.Set("R1", reference);
    loader.LoadReading(reference, "", sections);
    EXPECT_TRUE(loader.Problems().empty()) << reference;

    std::vector<SungWord> words;
    for (int i = 0; i < table.WordCount(); ++i) {
        const LetterList letters = table.SungLetters(i);
        if (letters.empty() || !letters.front().note.empty()) continue;
        SungWord w;
        w.verse = letters.front().book + std::to_string(letters.front().chapter) + ":" +
                  std::to_string(letters.front().verse);
        w.text = Letters(table.ItemText(i));
        w.trope = WordTropes(letters).main.name;
        for (const strucHebChar& c : letters) {
            if (c.sylStart || w.syllables.empty()) w.syllables.emplace_back();
            for (const strucNote& n : c.notes) w.syllables.back().push_back({n.pitch, n.length});
            w.comment += c.comment;
        }
        words.push_back(std::move(w));
    }
    return words;
}

int LastPitch(const SungWord& w) {
    const auto notes = w.Notes();
    return notes.empty() ? 0 : notes.back().pitch;
}

TEST(Tunes, EstherStaysOpenOnReAndClosesOnDoOnlyAtTheEndOfAChapter) {
    const int re = PitchValue("d"), doh = PitchValue("c");
    const struct { const char* reference; int last; } cases[] = {
        {"EST1:1-1:1", re},    // an ordinary verse
        {"EST1:1-1:2", re},    // and the next
        {"EST4:17-4:17", doh}, // chapter ends
        {"EST5:14-5:14", doh},
        {"EST9:32-9:32", doh},
        {"EST10:3-10:3", doh}, // the end of the book
    };
    for (const auto& c : cases) {
        const auto words = Sing("Esther", "Ashkenazi", c.reference);
        ASSERT_FALSE(words.empty()) << c.reference;
        EXPECT_EQ(LastPitch(words.back()), c.last) << c.reference << " ends on " << PitchName(LastPitch(words.back()));
    }
}

TEST(Tunes, EstherSingsItsMournfulWordsToTheMelodyOfLamentations) {
    // The words that take the melody of Lamentations, from the first to the last.
    const struct { const char* verse; const char* first; const char* last; } cases[] = {
        {"EST4:1", "ויזעק", "ומרה"},    // "a loud and bitter cry"
        {"EST4:3", "אבל", "לרבים"},       // great mourning in every province
        {"EST4:16", "וכאשר", "אבדתי"},  // "if I perish, I perish"
        {"EST7:4", "כי", "ולאבד"},         // "we are sold, I and my people"
        {"EST8:6", "כי", "מולדתי"},       // "how can I bear to see"
    };
    for (const auto& c : cases) {
        const std::string reference = std::string(c.verse) + "-" + (std::string(c.verse).substr(3));
        const auto words = Sing("Esther", "Ashkenazi", reference);
        std::vector<std::string> mournful;
        for (const SungWord& w : words)
            if (w.comment.find("[Use Eichah melody for this word.]") != std::string::npos) mournful.push_back(w.text);
        ASSERT_FALSE(mournful.empty()) << c.verse;
        EXPECT_EQ(mournful.front(), c.first) << c.verse;
        EXPECT_EQ(mournful.back(), c.last) << c.verse;
        // One unbroken passage: every word between the first and the last.
        const auto from = std::find_if(words.begin(), words.end(), [&](const SungWord& w) { return w.text == c.first; });
        const auto to = std::find_if(words.rbegin(), words.rend(), [&](const SungWord& w) { return w.text == c.last; });
        ASSERT_TRUE(from != words.end() && to != words.rend()) << c.verse;
        EXPECT_EQ(static_cast<long>(mournful.size()), (to.base() - 1) - from + 1) << c.verse;
    }
}

TEST(Tunes, LamentationsDrawsOutItsFirstWordAndClosesWithHashivenuAgain) {
    const auto words = Sing("Eichah", "Ashkenazi", "LAM1:1-5:22");
    ASSERT_GT(words.size(), 2u);
    // "Eichah" is drawn out: far longer than the plain munach after it.
    EXPECT_GE(words[0].Beats(), 3 * words[1].Beats()) << words[0].Beats() << " beats";
    EXPECT_GE(words[0].Notes().size(), 6u);

    // The book's last verse is followed by 5:21 once more, ending on the major's do.
    const auto firstRepeated = std::find_if(words.begin(), words.end(), [](const SungWord& w) { return w.verse == "LAM5:22"; });
    ASSERT_NE(firstRepeated, words.end());
    const auto after = std::find_if(firstRepeated, words.end(), [](const SungWord& w) { return w.verse != "LAM5:22"; });
    ASSERT_NE(after, words.end()) << "nothing is sung after 5:22";
    for (auto w = after; w != words.end(); ++w) EXPECT_EQ(w->verse, "LAM5:21");
    EXPECT_EQ(words.back().text, "כקדם");
    EXPECT_EQ(LastPitch(words.back()), PitchValue("C"));
    EXPECT_LE(words.back().Notes().back().length, 1) << "the closing cadence ends on a long note";
    // 5:22 itself is an ordinary verse end, not the close of the book.
    const auto last22 = std::prev(after);
    EXPECT_GT(last22->Notes().back().length, 1);
}

TEST(Tunes, TelishaGedolaSingsItsFigureOnTheStressedSyllable) {
    // (reference, word, the stressed syllable (1-based) that carries the figure)
    const struct { const char* type; const char* style; const char* reference; const char* word; size_t stressed; } cases[] = {
        {"Torah", "Ashkenazi", "DEU1:8-1:8", "יהוה", 3},  // a-do-NAY
        {"Torah", "Sephardi (Jerusalem)", "DEU1:8-1:8", "יהוה", 3},
        {"Esther", "Ashkenazi", "EST4:16-4:16", "עלי", 2},   // a-LAI
        {"Torah", "Ashkenazi", "EXO2:14-2:14", "ויאמר", 2}, // va-YO-mer
    };
    for (const auto& c : cases) {
        const auto words = Sing(c.type, c.style, c.reference);
        const auto w = std::find_if(words.begin(), words.end(), [&](const SungWord& x) { return x.text == c.word; });
        ASSERT_NE(w, words.end()) << c.reference << " " << c.word;
        ASSERT_GE(w->syllables.size(), c.stressed) << c.word;
        for (size_t s = 0; s < w->syllables.size(); ++s) {
            const size_t count = w->syllables[s].size();
            if (s + 1 == c.stressed) EXPECT_GE(count, 4u) << c.style << " " << c.word << " syllable " << s + 1;
            else EXPECT_LE(count, 1u) << c.style << " " << c.word << " syllable " << s + 1;
        }
    }
}

TEST(Tunes, TheHaftarahsLastClauseIsSungInMajorFromItsTipcha) {
    const auto words = Sing("Haftarah", "Ashkenazi", "ISA40:25-40:26");
    const auto tipcha = std::find_if(words.rbegin(), words.rend(), [](const SungWord& w) { return w.trope == "TIPCHA"; });
    ASSERT_NE(tipcha, words.rend());
    // The relative major keeps above its do; the minor's la and ti lie below it.
    const int doh = PitchValue("C");
    for (auto w = tipcha.base() - 1; w != words.end(); ++w)
        for (const Note& n : w->Notes()) EXPECT_GE(n.pitch, doh) << w->text << " sings " << PitchName(n.pitch);
    EXPECT_EQ(LastPitch(words.back()), doh);
}

TEST(Tunes, NoMerchaOpensOnTheLowTiAfterAWordEndingAFifthOrMoreAbove) {
    // (type, style, passage, the ti below the style's final)
    const struct { const char* type; const char* style; const char* reference; const char* lowTi; } cases[] = {
        {"Torah", "Ashkenazi", "GEN1:1-6:8", "2"},
        {"Esther", "Ashkenazi", "EST1:1-10:3", "2"},
        {"Haftarah", "Ashkenazi", "ISA40:1-40:26", "g"},
        {"Haftarah", "Ashkenazi", "ISA54:1-55:5", "g"},
    };
    for (const auto& c : cases) {
        const auto words = Sing(c.type, c.style, c.reference);
        std::ostringstream drops;
        int count = 0;
        for (size_t i = 1; i < words.size(); ++i) {
            const auto notes = words[i].Notes();
            if (words[i].trope != "MERCHA" || notes.empty() || notes.front().pitch != PitchValue(c.lowTi)) continue;
            if (LastPitch(words[i - 1]) - notes.front().pitch < 7) continue;
            if (count++ < 3) drops << " " << words[i].verse << " " << words[i].text;
        }
        EXPECT_EQ(count, 0) << c.reference << ":" << drops.str();
    }
}

}  // namespace
}  // namespace lyrasta
