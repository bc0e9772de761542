#include "player/trope_groups.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace lyrasta {
namespace {

// One Hebrew word per blank-separated item: its letters' accents joined by ",", a
// trailing "]x" for the last letter's bracket mark (e.g. "74,05]+"); "#" stands for a
// verse number, which has no letters.
void AddWords(TWordTable& t, const std::string& words, int lastVerseEnd = 0) {
    std::istringstream in(words);
    std::vector<std::string> items;
    for (std::string w; in >> w;) items.push_back(w);
    for (size_t k = 0; k < items.size(); ++k) {
        std::string w = items[k];
        const int verseEnd = k + 1 == items.size() ? lastVerseEnd : 0;
        if (w == "#") {
            t.AddWord({.text = "1", .font = "Arial", .size = 10});
            continue;
        }
        auto letters = std::make_unique<LetterList>();
        std::string bracket;
        if (const size_t b = w.find(']'); b != std::string::npos) {
            bracket = w.substr(b + 1);
            w.resize(b);
        }
        std::istringstream parts(w);
        for (std::string a; std::getline(parts, a, ',');) {
            strucHebChar c;
            c.letter = "B";
            if (a != "-") c.accents = a;
            letters->push_back(c);
        }
        letters->back().bracket = bracket;
        t.AddWord({.text = "w", .font = "TGBT", .size = 20, .hebrew = true, .sung = true, .rtl = true,
                   .verseEnd = verseEnd, .letters = std::move(letters)});
    }
}

std::vector<int> Groups(const TWordTable& t) {
    std::vector<int> g;
    for (int i = 0; i < t.WordCount(); ++i) g.push_back(t.TropeGroupOf(i));
    return g;
}

TEST(AssignTropeGroups, ServantsJoinTheGroupOfTheDisjunctiveAfterThem) {
    struct Row {
        const char* what;
        const char* words;
        int verseEnd;
        std::vector<int> groups;
    } rows[] = {
        {"munach etnachta tipcha sof pasuq", "74 92 73 -,75,00", 0, {2, 2, 1, 1}},
        {"sof pasuq at the end of an aliyah", "73 -,00", 2, {4, 4}},
        {"sof pasuq at the end of a chapter and of a book", "71 00", 3, {15, 15}},
        {"end of book", "71 00", 4, {16, 16}},
        {"a servant that the next group does not admit ends it", "74 85 73 00", 0,
         {0, 13, 1, 1}},
        {"verse numbers get no group and do not break one", "74 # 92 # 73 00", 0,
         {2, 0, 2, 0, 1, 1}},
        {"a word without accents (before a maqaf) keeps the group", "- 80 73 00", 0,
         {3, 3, 1, 1}},
        {"the last accent of a word other than paseq decides", "71,81,05 00", 0, {7, 1}},
        {"doubled segol", "74 31,01 92 00", 0, {5, 5, 2, 1}},
        {"telisha gedola prepositive", "14,- 74 61 00", 0, {11, 8, 8, 1}},
    };
    for (const Row& r : rows) {
        TWordTable t;
        AddWords(t, r.words, r.verseEnd);
        AssignTropeGroups(t, false);
        EXPECT_EQ(Groups(t), r.groups) << r.what;
    }
}

TEST(AssignTropeGroups, MunachBeforePaseqIsReadAsLegarmeh) {
    struct Row {
        const char* what;
        const char* words;
        bool notBeforeRevia;
        bool legarmeh;
    } rows[] = {
        {"before revia", "74,05 81 00", false, true},
        {"before revia, setting reads it plain", "74,05 81 00", true, false},
        {"setting, but the next word has munach too", "74,05 74 81 00", true, true},
        {"setting, but the text marks it", "74,05]+ 81 00", true, true},
        {"before revia, the text marks it plain", "74,05]- 81 00", false, false},
        {"before zakef only when the text marks it", "74,05 80 00", false, false},
        {"before zakef, marked", "74,05]+ 80 00", false, true},
        {"before geresh, marked", "74,05]+ 61 00", false, true},
        {"no paseq", "74 81 00", false, false},
    };
    for (const Row& r : rows) {
        TWordTable t;
        AddWords(t, r.words);
        AssignTropeGroups(t, r.notBeforeRevia);
        EXPECT_EQ(t.Item(0)->legarmeh, r.legarmeh) << r.what;
        EXPECT_EQ(t.TropeGroupOf(0), t.TropeGroupOf(1)) << r.what;
    }
}

TEST(TropeGroupTable, ColoursAndSettingsKeys) {
    EXPECT_EQ(TropeGroupInfoOf(kGroupSofPasuk).colourKey, "clSofPasuk");
    EXPECT_EQ(TropeGroupInfoOf(kGroupSofPasuk).defaultColour, 0x02FFFF70u);
    EXPECT_EQ(TropeGroupInfoOf(kGroupEndOfChapter).colourKey, TropeGroupInfoOf(kGroupEndOfBook).colourKey);
    EXPECT_EQ(TropeGroupInfoOf(99).colourKey, "");

    EXPECT_EQ(ParseSettingColour("$00ff70FF"), 0x00FF70FFu);
    for (const char* bad : {"", "00FF70FF", "$00FF70F", "$00FF70FG", "$00FF70FF0"})
        EXPECT_EQ(ParseSettingColour(bad), std::nullopt) << bad;
    EXPECT_EQ(ToRgb(0x02FFFF70), (Rgb{0x70, 0xFF, 0xFF}));
}

TEST(TropeSymbols, CategoriesAndColoursByAccent) {
    LetterList pashtaTwice(2), pashtaOnce(2);
    pashtaTwice[0].accents = "33";
    pashtaTwice[1].accents = "03";
    pashtaOnce[1].accents = "03";
    struct Row {
        const char* what;
        const char* code;
        const LetterList* word;
        bool legarmeh;
        TropeSymbolCategory category;
    } rows[] = {
        {"munach", "74", &pashtaOnce, false, kSymbolConjunctive},
        {"munach legarmeh", "74", &pashtaOnce, true, kSymbolMinor},
        {"pashta alone", "03", &pashtaOnce, false, kSymbolMinor},
        {"pashta's position copy", "03", &pashtaTwice, false, kSymbolPositionCopy},
        {"pashta on the stressed syllable", "33", &pashtaTwice, false, kSymbolMinor},
        {"etnachta", "92", &pashtaOnce, false, kSymbolMajor},
        {"silluq", "75", &pashtaOnce, false, kSymbolMajor},
        {"paseq", "05", &pashtaOnce, false, kSymbolPlain},
        {"V-mark", "V:", &pashtaOnce, false, kSymbolPlain},
    };
    for (const Row& r : rows)
        EXPECT_EQ(SymbolCategory(r.code, *r.word, r.legarmeh), r.category) << r.what;

    EXPECT_EQ(SymbolColour(kSymbolMinor, 0x0070A0FF), 0x0070FFFFu);
    EXPECT_EQ(SymbolColour(kSymbolMinor, 0x00FF70FF), 0x00C0E0FFu);
    EXPECT_EQ(SymbolColour(kSymbolMinor, 0x00FFFFFF), 0x0070A0FFu);
    EXPECT_EQ(SymbolColour(kSymbolMajor, 0x00FF70FF), 0x000000FFu);
    EXPECT_EQ(SymbolColour(kSymbolMajor, 0x00FFFFFF), 0x00A040FFu);
    EXPECT_EQ(SymbolColour(kSymbolPositionCopy, 0x00FF70FF), 0x00C0C0C0u);
}

}  // namespace
}  // namespace lyrasta
