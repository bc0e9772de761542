#pragma once
// Test helper: the whole of a file the test made or the program wrote, byte for byte
// (empty when it cannot be read).

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace lyrasta {

inline std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace lyrasta
