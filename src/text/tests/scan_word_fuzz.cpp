// Fuzz target: any bytes as one word of a book text, scanned and shown.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "text/word_display.h"
#include "text/word_scanner.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    bool smallPrint = size > 0 && data[0] & 1;
    const lyrasta::LetterList letters = lyrasta::ScanWord(text, 0, size ? size - 1 : 0, smallPrint);
    lyrasta::WordDisplayForm(letters);
    if (letters.size() > 1) lyrasta::WordDisplayForm(letters, 1, letters.size() - 1);
    return 0;
}
