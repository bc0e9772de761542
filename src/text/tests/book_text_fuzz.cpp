// Fuzz target: the first line is a reading reference, the rest a book text; the text is
// indexed, the reference parsed against it and its range scanned into a word table.
#include <cstddef>
#include <cstdint>
#include <string>

#include "text/book_index.h"
#include "text/reading_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t lf = input.find('\n');
    const std::string reference = input.substr(0, lf);
    std::string text = lf == std::string::npos ? std::string() : input.substr(lf + 1);

    lyrasta::TWordTable table;
    lyrasta::TReadingLoader loader("/nonexistent", table);
    loader.wrapped = size % 2 == 0;
    loader.SetBookText("GEN", std::move(text));
    const lyrasta::ReferenceRange r = lyrasta::ParseReadingReference(reference, loader.Index());
    loader.ScanRange(r.firstSeg, r.LastSeg(), true, true, false);
    for (int i = 0; i < table.WordCount(); ++i) table.SungLetters(i);
    return 0;
}
