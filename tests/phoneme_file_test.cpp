#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "chant/phoneme_set.h"
#include "synth/phonemes.h"
#include "text/data_files.h"
#include "text/ini_file.h"

namespace lyrasta {
namespace {

// The phoneme-set file shipped with the program: every pronunciation has every key, each
// phoneme text is made of "~" phonemes that the singer knows, and the traditions differ
// where they should.
TEST(PhonemesFile, EveryPronunciationHasEveryKeyInTheSingersInventory) {
    const std::string text = ReadDataFile(LYRASTA_DATA_DIR, "encodings/phonemes.ini");
    ASSERT_FALSE(text.empty());
    const TIniFile ini = TIniFile::Parse(text);
    for (std::string_view name : kPronunciations) {
        for (int i = 0; i < kPhonemeEntries; ++i) {
            const std::string key(PhonemeKey(static_cast<Ph>(i)));
            const std::string value = ini.ReadString(name, key, "<missing>");
            ASSERT_NE(value, "<missing>") << name << " " << key;
            ASSERT_NE(value.find('|'), std::string::npos) << name << " " << key;
            const std::string left = SplitEntry(value).left;
            if (left.empty()) continue;
            ASSERT_EQ(left[0], '~') << name << " " << key;
            std::istringstream parts(left.substr(1));
            for (std::string ph; std::getline(parts, ph, '~');)
                EXPECT_NE(synth::FindPhoneme(ph), nullptr) << name << " " << key << ": ~" << ph;
        }
    }
    struct Row {
        const char* pronunciation;
        Ph entry;
        const char* spelling;
    } rows[] = {
        {"U.S. Sephardi", Ph::Sav, "t"},       {"U.S. Ashkenazi", Ph::Sav, "s"},
        {"Sephardi", Ph::QamatzGadol, "a"},    {"Galician", Ph::QamatzGadol, "u"},
        {"Lithuanian", Ph::QamatzGadol, "o"},  {"U.S. Ashkenazi", Ph::Holam, "o"},
        {"Galician", Ph::Holam, "oy"},         {"Lithuanian", Ph::Holam, "ey"},
        {"U.S. Sephardi", Ph::Tsere, "e"},     {"German", Ph::Tsere, "ey"},
        {"U.S. Sephardi", Ph::Chet, "ch"},     {"Sephardi", Ph::Ayin, "'"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(LoadPhonemeSet(text, r.pronunciation).Right(r.entry), r.spelling)
            << r.pronunciation << " " << PhonemeKey(r.entry);
}

}  // namespace
}  // namespace lyrasta
