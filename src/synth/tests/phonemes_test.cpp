#include "synth/phonemes.h"

#include <gtest/gtest.h>

namespace lyrasta::synth {
namespace {

// The names agreed with the phoneme-set file, and those the chant writes itself.
TEST(PhonemeInventory, HasEveryAgreedName) {
    for (const char* name :
         {"ah", "aa", "eh", "ih", "iy", "ao", "oh", "uh", "uw", "ax", "ey", "ay", "oy", "ow", "aw", "gr_a", "gr_o",
          "gr_az", "gr_au", "gr_eu", "gr_j", "yx", "w", "b", "v", "g", "d", "z", "t", "k", "l", "m", "n", "p", "f", "s",
          "hx", "kh", "hh", "ain", "q", "ts", "r", "gr_r", "sh", "zh", "ch", "jh", "th", "dh", "y"})
        EXPECT_NE(FindPhoneme(name), nullptr) << name;
    EXPECT_EQ(FindPhoneme("AH"), nullptr);  // names are lower case
    EXPECT_EQ(FindPhoneme(""), nullptr);
}

TEST(PhonemeInventory, NamesAreUniqueAndVowelsVoiced) {
    const auto all = PhonemeInventory();
    for (size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(FindPhoneme(all[i].name), &all[i]) << all[i].name << " defined twice";
        if (all[i].isVowel()) {
            EXPECT_TRUE(all[i].voiced) << all[i].name;
        }
    }
}

}  // namespace
}  // namespace lyrasta::synth
