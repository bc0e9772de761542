#include "cli_song.h"

#include <algorithm>
#include <filesystem>
#include <iostream>

#include "cli_pronunciation.h"
#include "player/settings_store.h"
#include "player/voices.h"
#include "text/data_files.h"
#include "text/random.h"

namespace lyrasta::cli {

namespace {

void CheckType(const std::string& option, const std::string& type) {
    if (!type.empty() && ReadingTypeIndex(type) < 0) {
        std::string known;
        for (const char* t : kReadingTypes) known += std::string(" ") + t;
        throw UsageError("--" + option + ": unknown reading type \"" + type + "\"; one of" + known);
    }
}

}  // namespace

std::vector<std::string> SongValuedOptions(std::vector<std::string> more) {
    std::vector<std::string> names = ReadingValuedOptions();
    for (const char* n : {"type", "type-aux", "melody", "voice", "pitch", "speed", "settings", "seed", kPronunciationOption})
        names.push_back(n);
    names.insert(names.end(), more.begin(), more.end());
    return names;
}

std::vector<std::string> SongSwitches(std::vector<std::string> more) {
    std::vector<std::string> names = ReadingSwitches();
    names.insert(names.end(), more.begin(), more.end());
    return names;
}

TSungReading::TSungReading(const CliArgs& args) {
    const ReadingOptions reading = ParseReadingOptions(args);
    const std::string type = args.ValueOr("type", "Torah");
    const std::string aux = args.ValueOr("type-aux", "");
    CheckType("type", type);
    CheckType("type-aux", aux);

    if (auto file = args.Value("settings"); file && !std::filesystem::exists(*file))
        throw UsageError("--settings: the settings file " + *file + " does not exist");
    TSettingsStore store(args.ValueOr("settings", DefaultSettingsPath()));
    store.Load();
    for (const std::string& problem : store.Problems()) std::cerr << "lyrasta-cli: " << problem << "\n";
    settings = ReadSongSettings(store);
    if (auto voice = args.Value("voice")) {
        settings.voice = VoiceIndex(*voice);
        if (settings.voice < 0) throw UsageError("--voice: unknown voice \"" + *voice + "\"");
    }
    if (auto pitch = args.Number("pitch")) settings.pitch = static_cast<int>(*pitch);
    if (auto speed = args.Number("speed")) settings.speed = static_cast<int>(*speed);
    if (auto seed = args.Number("seed")) SeedRandom(static_cast<std::uint32_t>(*seed));

    // The data's messages are shown; only a reading that could not be read makes the
    // command fail.
    auto report = [](const std::string& caption, const std::string& text) {
        std::cerr << "lyrasta-cli: " << caption << ": " << text << "\n";
    };
    docs_.LoadTropeDefinitions(reading.dataDir, report);
    styles_ = std::make_unique<TMelodyStyles>(docs_, report);
    if (auto melody = args.Value("melody")) settings.styles[type] = *melody;
    styles_->BuildStyleCatalogue(settings.styles);
    if (auto melody = args.Value("melody")) {
        const auto& names = styles_->StyleNames(type);
        if (std::find(names.begin(), names.end(), *melody) == names.end()) {
            std::string known;
            for (const std::string& n : names) known += " \"" + n + "\"";
            throw UsageError("--melody: no style \"" + *melody + "\" for " + type + "; one of" + known);
        }
    }
    styles_->SetReadingTypes(type, aux);
    hasMelody = styles_->ChooseReadingStyles();

    if (args.Has(kPronunciationOption)) {
        phonemes_ = PhonemeSetFromOption(args, reading.dataDir);
        settings.pronunciation = phonemes_.Pronunciation();
    } else {
        phonemes_ = LoadPhonemeSet(ReadDataFile(reading.dataDir, "encodings/phonemes.ini"), settings.pronunciation);
    }
    TSongSteps steps(phonemes_, *styles_, settings, report);
    steps.title = reading.title;
    loader_ = std::make_unique<TReadingLoader>(reading.dataDir, table);
    loader_->SetSteps(&steps);
    if (!LoadReadingFromOptions(reading, *loader_)) clean = false;
    loader_->SetSteps(nullptr);
}

std::vector<TCommandPiece> RangePieces(const CliArgs& args, TSungReading& reading) {
    const std::string range = args.ValueOr("range", "word");
    const SingRangeMode mode = range == "word"      ? kRangeWord
                               : range == "verse"   ? kRangeVerse
                               : range == "section" ? kRangeSection
                               : range == "group"   ? kRangeGroup
                                                    : throw UsageError("--range is word, verse, section or group");
    const long word = args.Number("word").value_or(0);
    if (word >= reading.table.WordCount() && reading.table.WordCount() > 0)
        throw UsageError("--word: the reading has items 0 to " + std::to_string(reading.table.WordCount() - 1) +
                         ", not " + std::to_string(word));
    reading.table.SetSelectedWord(static_cast<int>(word));
    strucSingOptions options;
    options.speak = args.Has("speak");
    options.speed = reading.settings.speed;
    options.volume = static_cast<int>(args.Number("volume").value_or(reading.settings.volume));
    options.voice = reading.settings.voice;
    return SingRange(reading.table, mode, options, nullptr);
}

}  // namespace lyrasta::cli
