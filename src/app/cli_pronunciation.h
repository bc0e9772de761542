#pragma once
// The --pronunciation option of the commands that analyse a reading's words: the name
// of a pronunciation ("U.S. Sephardi" when not given) whose phoneme set is read from the
// data folder's "encodings/phonemes.ini".

#include <filesystem>

#include "chant/phoneme_set.h"
#include "cli_args.h"

namespace lyrasta::cli {

inline constexpr const char* kPronunciationOption = "pronunciation";

// The phoneme set the option names. An unknown name is a UsageError.
TPhonemeSet PhonemeSetFromOption(const CliArgs& args, const std::filesystem::path& dataDir);

}  // namespace lyrasta::cli
