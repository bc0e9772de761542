#pragma once
// The singing options shared by the headless tool's commands that build the song of a
// reading: --type TYPE, --type-aux TYPE (the reading types of the melody styles),
// --melody NAME (the main type's style), --voice NAME, --pitch N, --speed N,
// --pronunciation NAME (instead of the settings' pronunciation),
// --settings FILE (a config.ini read instead of the user's) and --seed N (fixes the small
// random variations of the sung notes).

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "chant/melody_styles.h"
#include "chant/phoneme_set.h"
#include "cli_args.h"
#include "cli_reading.h"
#include "player/command_text.h"
#include "player/song_steps.h"
#include "text/reading_loader.h"
#include "text/trope_definitions.h"
#include "text/word_table.h"

namespace lyrasta::cli {

// The reading options and the singing options, for CliArgs.
std::vector<std::string> SongValuedOptions(std::vector<std::string> more = {});
std::vector<std::string> SongSwitches(std::vector<std::string> more = {});

// A reading loaded with its song built, and everything the song was built from.
class TSungReading {
public:
    // Reads the options (usage errors are thrown), loads the reading and builds its song.
    explicit TSungReading(const CliArgs& args);

    TWordTable table;
    strucSongSettings settings;
    // False when the loader reported a problem with the reading. Every message (also of
    // data files that do not parse and styles that cannot be activated) goes to standard
    // error.
    bool clean = true;
    bool hasMelody = false;  // a melody style to sing the reading in was found
    std::string TranslationLine(int n) const { return loader_ ? loader_->TranslationLine(n) : ""; }

private:
    TTropeDefinitions docs_;
    std::unique_ptr<TMelodyStyles> styles_;
    TPhonemeSet phonemes_;
    std::unique_ptr<TReadingLoader> loader_;
};

// The command pieces of the range that --word N --range word|verse|section|group [--speak]
// [--volume N] choose in the sung reading (options listed in kRangeOptions/kRangeSwitches).
std::vector<TCommandPiece> RangePieces(const CliArgs& args, TSungReading& reading);
inline const std::vector<std::string> kRangeOptions = {"word", "range", "volume"};
inline const std::vector<std::string> kRangeSwitches = {"speak"};

}  // namespace lyrasta::cli
