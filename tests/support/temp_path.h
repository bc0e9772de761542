#pragma once
// A path in the temporary folder that belongs to this test process alone: several suites (of
// other checkouts, or run twice at once) may share one temporary folder, and a fixed name there
// lets one run read a file that another is writing.

#include <unistd.h>

#include <filesystem>
#include <string>

namespace lyrasta {

inline std::filesystem::path ProcessTempPath(const std::string& name) {
    return std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()));
}

}  // namespace lyrasta
