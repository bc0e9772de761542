// Whole books opened with their reading type: every word that carries a trope is sung.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "chant/melody_styles.h"
#include "chant/word_tropes.h"
#include "player/song_steps.h"
#include "text/data_files.h"
#include "text/random.h"
#include "text/reading_loader.h"

namespace lyrasta {
namespace {

struct Reading {
    const char* type;
    const char* reference;
};

// The tropes of the words left silent, "MAIN/SECOND" with a count and one example.
std::string Silent(const TWordTable& table) {
    std::map<std::string, std::pair<int, std::string>> silent;
    for (int i = 0; i < table.WordCount(); ++i) {
        const LetterList letters = table.SungLetters(i);
        if (letters.empty() || !letters.front().note.empty()) continue;
        const strucWordTropes t = WordTropes(letters);
        if (t.main.name.empty()) continue;
        bool sung = false;
        for (const strucHebChar& c : letters) sung = sung || c.noteCount > 0;
        if (sung) continue;
        auto& [count, example] = silent[t.main.name + "/" + t.second.name];
        if (count++ == 0)
            example = letters.front().book + std::to_string(letters.front().chapter) + ":" +
                      std::to_string(letters.front().verse) + " word " + std::to_string(i);
    }
    std::ostringstream out;
    for (const auto& [tropes, found] : silent) out << "\n  " << tropes << " x" << found.first << " e.g. " << found.second;
    return out.str();
}

TEST(SongCoverage, EveryWordWithATropeIsSungInItsReadingType) {
    const std::filesystem::path data = LYRASTA_DATA_DIR;
    TTropeDefinitions docs;
    docs.LoadTropeDefinitions(data, nullptr);
    const TPhonemeSet phonemes = LoadPhonemeSet(ReadDataFile(data, "encodings/phonemes.ini"), "");
    SeedRandom(1);
    const Reading readings[] = {
        {"Torah", "GEN1:1-50:26"}, {"Torah", "EXO1:1-40:38"}, {"Torah", "LEV1:1-27:34"},
        {"Torah", "NUM1:1-36:13"}, {"Torah", "DEU1:1-34:12"}, {"Esther", "EST1:1-10:3"},
        {"Eichah", "LAM1:1-5:22"}, {"Ruth-Koheles-ShirHashirim", "RUT1:1-4:22"},
        {"Ruth-Koheles-ShirHashirim", "SOS1:1-8:14"}, {"Ruth-Koheles-ShirHashirim", "QOH1:1-12:14"},
        {"Haftarah", "ISA40:1-66:24"}, {"Haftarah", "1KI1:1-2:12"}, {"Haftarah", "JER1:1-2:28"},
    };
    for (const Reading& r : readings) {
        TMelodyStyles styles(docs, nullptr);
        styles.BuildStyleCatalogue({});
        styles.SetReadingTypes(r.type, "");
        ASSERT_TRUE(styles.ChooseReadingStyles()) << r.type;
        TWordTable table;
        TReadingLoader loader(data, table);
        TSongSteps steps(phonemes, styles, {}, nullptr);
        loader.SetSteps(&steps);
        TReadingSections sections;
        sections.Set("R1", r.reference);
        loader.LoadReading(r.reference, "", sections);
        ASSERT_TRUE(loader.Problems().empty()) << r.reference;
        // Every style of the type, each sung afresh over the same words.
        for (size_t s = 0; s < styles.StyleNames(r.type).size(); ++s) {
            if (s > 0) {
                styles.SetChosenStyle(r.type, static_cast<int>(s));
                ASSERT_TRUE(styles.ChooseReadingStyles()) << r.type;
                for (int i = 0; i < table.WordCount(); ++i)
                    if (LetterList* letters = table.OwnLetters(i))
                        for (strucHebChar& c : *letters) c.synth.clear(), c.comment.clear(), c.noteCount = 0;
                ASSERT_TRUE(SingReading(table, styles, {}, r.reference, nullptr));
            }
            const std::string silent = Silent(table);
            EXPECT_TRUE(silent.empty()) << r.reference << " in " << r.type << " style "
                                        << styles.StyleNames(r.type)[s] << ":" << silent;
        }
    }
}

}  // namespace
}  // namespace lyrasta
