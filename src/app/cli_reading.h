#pragma once
// The reading options shared by the headless tool's commands that load a reading:
// --data DIR, --title TEXT, --subtitle TEXT, --wrapped and --section NAME=VALUE (repeated;
// NAME is Kohen .. Maftir, ChatanHaTorah, ChatanBereishisBara, R1..R5, R1Note..R5Note or
// SecondMaftir; VALUE a reading reference such as NUM28:9-28:15, or a note's text).

#include <filesystem>
#include <string>
#include <vector>

#include "cli_args.h"
#include "text/reading_loader.h"

namespace lyrasta::cli {

struct ReadingOptions {
    std::filesystem::path dataDir;
    std::string title, subtitle;
    bool wrapped = false;
    TReadingSections sections;
};

// Options that take a value, and switches, for CliArgs.
const std::vector<std::string>& ReadingValuedOptions();
const std::vector<std::string>& ReadingSwitches();

// The data folder: --data, else the bundled one. A folder that does not exist or cannot be
// read is a UsageError naming it and the reason.
std::filesystem::path DataFolderOption(const CliArgs& args);

// Reads the reading options. A section name that is unknown, a value without "=", a
// reference that is not a reading reference or names verses its book does not have, or no
// section at all: UsageError.
ReadingOptions ParseReadingOptions(const CliArgs& args);

// Loads the reading into `table`; reports the loader's problems (a book missing, ...) on
// standard error. Returns false when there were any.
bool LoadReadingFromOptions(const ReadingOptions& options, TReadingLoader& loader);

}  // namespace lyrasta::cli
