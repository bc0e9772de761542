// Fuzz target: a reading of several sections with its translation. The lines of the bytes up
// to the first empty line are sections ("Kohen=NUM1:1-1:3", "R2Note=text", ...), the rest is
// the translation file of Numbers. The book texts are the test books; the translation is
// written into a data folder of its own whose book folder links to them.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "text/reading_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace fs = std::filesystem;
    static const fs::path dir = [] {
        const fs::path d = fs::temp_directory_path() / ("lyrasta-reading-fuzz-" + std::to_string(getpid()));
        fs::create_directories(d / "hnv");
        std::error_code ec;
        fs::create_directory_symlink(fs::path(LYRASTA_TEST_DATA) / "books" / "bhs", d / "bhs", ec);
        return d;
    }();
    std::string rest(reinterpret_cast<const char*>(data), size);
    lyrasta::TReadingSections sections;
    while (!rest.empty()) {
        const size_t lf = rest.find('\n');
        const std::string line = rest.substr(0, lf);
        rest.erase(0, lf == std::string::npos ? rest.size() : lf + 1);
        if (line.empty()) break;
        const size_t eq = line.find('=');
        if (eq != std::string::npos) sections.Set(line.substr(0, eq), line.substr(eq + 1));
    }
    std::ofstream(dir / "hnv" / "NUM.eng", std::ios::binary | std::ios::trunc) << rest;
    lyrasta::TWordTable table;
    lyrasta::TReadingLoader loader(dir, table);
    loader.wrapped = size % 2 == 0;
    loader.LoadReading("T", "", sections);
    for (int i = 0; i < table.WordCount(); ++i) table.SungLetters(i);
    for (int n = 0; n < 50; ++n) (void)loader.TranslationLine(n);
    return 0;
}
