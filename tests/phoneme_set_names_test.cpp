// The phoneme-set file and the singer agree: every phoneme the pronunciations write is one
// the singer can sing.

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "synth/phonemes.h"

namespace lyrasta {
namespace {

TEST(PhonemeSetFile, UsesOnlyPhonemesTheSingerKnows) {
    const std::string path = std::string(LYRASTA_DATA_DIR) + "/encodings/phonemes.ini";
    std::ifstream in(path);
    ASSERT_TRUE(in) << path;
    std::string line, section;
    int checked = 0;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            section = line;
            continue;
        }
        const size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        const std::string value = line.substr(eq + 1, line.find('|', eq) - eq - 1);
        for (size_t i = value.find('~'); i != std::string::npos; i = value.find('~', i + 1)) {
            size_t j = i + 1;
            while (j < value.size() && value[j] != '~' && value[j] != ' ') ++j;
            const std::string name = value.substr(i + 1, j - i - 1);
            EXPECT_NE(synth::FindPhoneme(name), nullptr) << section << " line " << number << ": ~" << name;
            ++checked;
        }
    }
    EXPECT_GT(checked, 0) << "no phonemes found in " << path;
}

}  // namespace
}  // namespace lyrasta
