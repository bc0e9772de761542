#include "cli_pronunciation.h"

#include "text/data_files.h"

namespace lyrasta::cli {

TPhonemeSet PhonemeSetFromOption(const CliArgs& args, const std::filesystem::path& dataDir) {
    const std::string name =
        args.ValueOr(kPronunciationOption, std::string(kDefaultPronunciation));
    if (PronunciationCodeOf(name) == kPronUnknown) {
        std::string known;
        for (std::string_view p : kPronunciations) known += " \"" + std::string(p) + "\"";
        throw UsageError("--pronunciation: unknown pronunciation \"" + name + "\"; one of" + known);
    }
    return LoadPhonemeSet(ReadDataFile(dataDir, "encodings\\phonemes.ini"), name);
}

}  // namespace lyrasta::cli
