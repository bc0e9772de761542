#pragma once
// A path in the temporary folder that belongs to this test process alone: several suites (of
// other checkouts, or run twice at once) may share one temporary folder, and a fixed name there
// lets one run read a file that another is writing.

#include <unistd.h>

#include <filesystem>
#include <string>

namespace lyrasta {

// The process number goes before the name's extension: "export.wav" becomes "export-1234.wav".
inline std::filesystem::path ProcessTempPath(const std::string& name) {
    const std::filesystem::path p(name);
    return std::filesystem::temp_directory_path() /
           (p.stem().string() + "-" + std::to_string(::getpid()) + p.extension().string());
}

}  // namespace lyrasta
