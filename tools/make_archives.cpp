// make-archives: packs data files into the archives that can stand in for them.
//
//   make-archives OUTDIR [--data DIR] [FILE...]
//
// FILEs are relative paths under the data folder (default: the bundled one); without
// them, every book text (bhs/*.txt), translation (hnv/*.eng) and exercise file
// (exercises/*) is packed. Files under "exercises" go into OUTDIR/Tex.ett, the others
// into OUTDIR/Tan.ett; an archive with no file is not written.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "text/data_archives.h"
#include "text/data_files.h"

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<std::string> args(argv + 1, argv + argc);
    fs::path dataDir = lyrasta::DefaultDataDir(), outDir;
    std::vector<std::string> files;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--data" && i + 1 < args.size())
            dataDir = args[++i];
        else if (outDir.empty())
            outDir = args[i];
        else
            files.push_back(args[i]);
    }
    if (outDir.empty()) {
        std::cerr << "usage: make-archives OUTDIR [--data DIR] [FILE...]\n";
        return 2;
    }
    if (files.empty())
        for (const char* pattern : {"bhs/*.txt", "hnv/*.eng", "exercises/*"})
            for (const std::string& f : lyrasta::ListDataFiles(dataDir, pattern)) files.push_back(f);
    std::map<std::string, std::vector<std::string>> byArchive;
    for (const std::string& f : files) byArchive[lyrasta::ArchiveFor(f)].push_back(f);
    try {
        fs::create_directories(outDir);
        for (const auto& [archive, members] : byArchive) {
            std::vector<std::pair<std::string, std::string>> entries;
            for (const std::string& f : members) {
                std::ifstream in(dataDir / f, std::ios::binary);
                if (!in) throw std::runtime_error((dataDir / f).string() + ": cannot be read");
                entries.emplace_back(f, lyrasta::PackDataFile(f, std::string(std::istreambuf_iterator<char>(in), {})));
            }
            lyrasta::WriteZip(outDir / archive, entries);
            std::cout << (outDir / archive).string() << ": " << members.size() << " files\n";
        }
    } catch (const std::exception& e) {
        std::cerr << "make-archives: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
