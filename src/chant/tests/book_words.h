#pragma once
// Real text for tests and benchmarks of the analysis: the phoneme sets shipped in the
// data folder, and the words of a whole book text scanned into letter lists (verse and
// chapter marks "~..." are skipped; paragraph marks are scanned like words, they have no
// accents).

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "chant/phoneme_set.h"
#include "text/data_files.h"
#include "text/word_scanner.h"

namespace lyrasta {

struct BookWord {
    std::string text;
    LetterList letters;
};

inline TPhonemeSet ShippedPhonemeSet(std::string_view pronunciation) {
    return LoadPhonemeSet(ReadDataFile(LYRASTA_DATA_DIR, "encodings/phonemes.ini"), pronunciation);
}

inline std::vector<BookWord> ScanBook(const std::string& book) {
    std::istringstream in(ReadDataFile(LYRASTA_DATA_DIR, "bhs/" + book + ".txt"));
    std::vector<BookWord> words;
    bool smallPrint = false;
    for (std::string token; in >> token;) {
        if (token[0] == '~') continue;
        LetterList letters = ScanWord(token, 0, token.size() - 1, smallPrint);
        if (!letters.empty()) words.push_back({token, std::move(letters)});
    }
    return words;
}

}  // namespace lyrasta
