#pragma once
// The words of a whole book text of the data folder, scanned into letter lists, for tests
// and benchmarks that run the analysis over real text. Verse and chapter marks ("~...")
// are skipped; paragraph marks are scanned like words (they have no accents).

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "text/word_scanner.h"

namespace lyrasta {

struct BookWord {
    std::string text;
    LetterList letters;
};

inline std::vector<BookWord> ScanBook(const std::string& book) {
    std::ifstream in(std::string(LYRASTA_DATA_DIR) + "/bhs/" + book + ".txt", std::ios::binary);
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
