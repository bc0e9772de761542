// The analysis over every word of the five books of the Torah, and of Genesis in every
// pronunciation.
#include <gtest/gtest.h>

#include "book_words.h"
#include "chant/syllables.h"
#include "chant/word_analysis.h"

namespace lyrasta {
namespace {

bool IsKetiv(const LetterList& w) { return !w.empty() && w[0].kq == 2; }

bool HasAccent(const LetterList& w) {
    for (const strucHebChar& c : w)
        if (!c.accents.empty()) return true;
    return false;
}

TEST(TorahAnalysis, EveryAccentedWordHasSyllablesAndOneStress) {
    for (const char* book : {"GEN", "EXO", "LEV", "NUM", "DEU"}) {
        const std::vector<BookWord> words = ScanBook(book);
        ASSERT_GT(words.size(), 10000u) << book;
        for (std::string_view pronunciation : kPronunciations) {
            if (std::string_view(book) != "GEN" && pronunciation != kDefaultPronunciation)
                continue;
            const TPhonemeSet set = ShippedPhonemeSet(pronunciation);
            int failures = 0;
            for (const BookWord& bw : words) {
                if (IsKetiv(bw.letters) || !HasAccent(bw.letters)) continue;
                LetterList w = bw.letters;
                AnalyzeWord(w, set);
                int stresses = 0;
                for (const strucHebChar& c : w) stresses += c.stress;
                const std::string spelling = SyllableSpelling(w);
                const bool ok = stresses == 1 && !spelling.empty() &&
                                spelling.find("--") == std::string::npos;
                if (!ok && ++failures <= 5)
                    ADD_FAILURE() << book << " " << pronunciation << ": " << bw.text << " -> "
                                  << spelling << " with " << stresses << " stresses";
            }
        }
    }
}

}  // namespace
}  // namespace lyrasta
