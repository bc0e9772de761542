// Every book of the Bible opened whole and sung: no word with letters is passed over in
// silence, in any melody style of the reading types that book is read with.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "chant/melody_styles.h"
#include "player/song_steps.h"
#include "text/data_files.h"
#include "text/random.h"
#include "text/reading_loader.h"

namespace lyrasta {
namespace {

// The words of the reading that are shown to be sung but have no note, by their verse.
std::string SilentWords(const TWordTable& table) {
    std::ostringstream out;
    int count = 0;
    for (int i = 0; i < table.WordCount(); ++i) {
        const HxWord* w = table.Item(i);
        if (!w->sung || !w->letters || w->letters->empty() || !w->letters->front().note.empty()) continue;
        bool sung = false;
        for (const strucHebChar& c : *w->letters) {
            if (c.kq == 2) break;
            sung = sung || !c.notes.empty();
        }
        if (sung) continue;
        if (count++ < 8) {
            // The verse is on the first letter of the word that begins it.
            int head = i;
            while (head > 0 && (!table.Item(head)->letters || table.Item(head)->letters->front().book.empty())) --head;
            const strucHebChar& h = table.Item(head)->letters->front();
            out << "\n  " << h.book << h.chapter << ":" << h.verse << " word " << i << w->text;
        }
    }
    return count == 0 ? std::string() : std::to_string(count) + " silent:" + out.str();
}

struct Book {
    const char* code;
    std::vector<const char*> types;  // the reading types it is sung in
};

const std::vector<const char*> kTorah = {"Torah", "HiHoliday", "TorahBlessing"};
const std::vector<const char*> kProphets = {"Haftarah", "HaftarahBlessing"};
const std::vector<const char*> kPoetry = {"Tehillim"};
const std::vector<const char*> kMegillot = {"Ruth-Koheles-ShirHashirim"};
const Book kBooks[] = {
    {"GEN", kTorah},    {"EXO", kTorah},    {"LEV", kTorah},    {"NUM", kTorah},    {"DEU", kTorah},
    {"JOS", kProphets}, {"JUD", kProphets}, {"1SA", kProphets}, {"2SA", kProphets}, {"1KI", kProphets},
    {"2KI", kProphets}, {"ISA", kProphets}, {"JER", kProphets}, {"EZE", kProphets}, {"HOS", kProphets},
    {"JOE", kProphets}, {"AMO", kProphets}, {"OBA", kProphets}, {"JON", kProphets}, {"MIC", kProphets},
    {"NAH", kProphets}, {"HAB", kProphets}, {"ZEP", kProphets}, {"HAG", kProphets}, {"ZEC", kProphets},
    {"MAL", kProphets}, {"PSA", kPoetry},   {"PRO", kPoetry},   {"JOB", kPoetry},   {"SOS", kMegillot},
    {"RUT", kMegillot}, {"LAM", {"Eichah"}}, {"QOH", kMegillot}, {"EST", {"Esther"}}, {"DAN", kProphets},
    {"EZR", kProphets}, {"NEH", kProphets}, {"1CH", kProphets}, {"2CH", kProphets},
};
// The books are shared out over a few tests that the test runner can run side by side.
constexpr int kParts = 4;

class SongCoverage : public ::testing::TestWithParam<int> {};

// Each book is loaded once and sung in one style of its reading types, the styles taken
// in turn over the books of a kind, so that every style sings (a whole Bible per style
// would take too long for every test run).
TEST_P(SongCoverage, EveryWordWithLettersIsSungInEveryStyle) {
    const std::filesystem::path data = LYRASTA_DATA_DIR;
    TTropeDefinitions docs;
    docs.LoadTropeDefinitions(data, nullptr);
    const TPhonemeSet phonemes = LoadPhonemeSet(ReadDataFile(data, "encodings/phonemes.ini"), "");
    SeedRandom(1);
    for (size_t b = GetParam(); b < std::size(kBooks); b += kParts) {
        const Book& book = kBooks[b];
        TMelodyStyles styles(docs, nullptr);
        styles.BuildStyleCatalogue({});
        std::vector<std::pair<const char*, int>> choices;
        for (const char* type : book.types)
            for (size_t s = 0; s < styles.StyleNames(type).size(); ++s) choices.emplace_back(type, static_cast<int>(s));
        ASSERT_FALSE(choices.empty()) << book.code;
        const auto turn = std::count_if(kBooks, kBooks + b, [&](const Book& o) { return o.types == book.types; });
        const auto [type, style] = choices[static_cast<size_t>(turn) % choices.size()];
        styles.SetReadingTypes(type, "");
        styles.SetChosenStyle(type, style);
        ASSERT_TRUE(styles.ChooseReadingStyles()) << type;

        TWordTable table;
        TReadingLoader loader(data, table);
        TSongSteps steps(phonemes, styles, {}, nullptr);
        loader.SetSteps(&steps);
        const std::string reference = std::string(book.code) + "1:1-999:999";
        TReadingSections sections;
        sections.Set("R1", reference);
        loader.LoadReading(reference, "", sections);
        ASSERT_TRUE(loader.Problems().empty()) << reference;
        EXPECT_EQ(SilentWords(table), "") << book.code << " in " << type << " style " << styles.StyleNames(type)[style];
    }
}

INSTANTIATE_TEST_SUITE_P(Bible, SongCoverage, ::testing::Range(0, kParts));

}  // namespace
}  // namespace lyrasta
