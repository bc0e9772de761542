// Analyses arbitrary words under the pronunciation the first byte chooses. With its high
// bit set the rest of the input is book text read by the word scanner; otherwise every
// four bytes make one letter record of any letter, vowel, dagesh, meteg, maqaf, accents,
// bracket and ketiv/qere mark, in combinations the scanner never gives.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "chant/phoneme_set.h"
#include "chant/syllables.h"
#include "chant/word_analysis.h"
#include "text/word_scanner.h"

namespace {

constexpr std::array<const char*, 24> kLetters = {
    ")", "B", "G", "D", "H", "W", "Z", "X", "+", "Y", "K", "L",
    "M", "N", "S", "(", "P", "C", "Q", "R", "$", "&", "T", ""};
constexpr std::array<const char*, 16> kVowels = {
    "", "A", "F", "E", "\"", "I", "O", "U", ":", ":A", ":F", ":E", "OW", "-", "Q", ""};
constexpr std::array<const char*, 16> kAccents = {
    "", "00", "92", "01", "31", "03", "33", "74", "05", "V:", "14", "44", "75", "0063", "02", "82"};
constexpr std::array<const char*, 4> kBrackets = {"", "+", "-", "S"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto sets = [] {
        std::string file;
        for (std::string_view name : lyrasta::kPronunciations) {
            file += "[" + std::string(name) + "]\n";
            for (int i = 0; i < lyrasta::kPhonemeEntries; ++i)
                file += std::string(lyrasta::PhonemeKey(static_cast<lyrasta::Ph>(i))) + "=~ah|a\n";
        }
        std::array<lyrasta::TPhonemeSet, lyrasta::kPronunciations.size()> out;
        for (size_t i = 0; i < out.size(); ++i)
            out[i] = lyrasta::LoadPhonemeSet(file, lyrasta::kPronunciations[i]);
        return out;
    }();
    if (size == 0) return 0;
    const lyrasta::TPhonemeSet& set = sets[(data[0] & 0x7F) % sets.size()];
    const bool scanned = data[0] & 0x80;
    ++data;
    --size;
    lyrasta::LetterList word;
    if (scanned && size > 0) {
        bool smallPrint = false;
        word = lyrasta::ScanWord(std::string_view(reinterpret_cast<const char*>(data), size), 0,
                                 size - 1, smallPrint);
    }
    for (std::size_t i = 0; !scanned && i + 3 < size && word.size() < 40; i += 4) {
        lyrasta::strucHebChar c;
        c.letter = kLetters[data[i] % kLetters.size()];
        c.vowel = kVowels[data[i + 1] & 15];
        c.accents = kAccents[data[i + 1] >> 4];
        c.dagesh = data[i + 2] & 1;
        c.meteg = data[i + 2] & 2;
        c.maqaf = data[i + 2] & 4;
        c.kq = (data[i + 2] >> 3) % 3;
        c.bracket = kBrackets[(data[i + 2] >> 5) & 3];
        word.push_back(c);
    }
    lyrasta::AnalyzeWord(word, set);
    (void)lyrasta::SyllableSpelling(word);
    return 0;
}
