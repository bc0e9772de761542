// lyrasta-cli commands: the synthesizer command text of a range of a reading's song,
// one JSON line per piece in the order it would be submitted.

#include <iostream>

#include "cli_commands.h"
#include "cli_song.h"
#include "json_line.h"
#include "player/command_text.h"

namespace lyrasta::cli {

int RunCommandText(const Args& argv) {
    const CliArgs args(argv, SongValuedOptions({"word", "range", "volume"}), SongSwitches({"speak"}));
    const std::string range = args.ValueOr("range", "word");
    const SingRangeMode mode = range == "word"      ? kRangeWord
                               : range == "verse"   ? kRangeVerse
                               : range == "section" ? kRangeSection
                               : range == "group"   ? kRangeGroup
                                                    : throw UsageError("--range is word, verse, section or group");
    TSungReading reading(args);
    reading.table.SetSelectedWord(static_cast<int>(args.Number("word").value_or(0)));
    strucSingOptions options;
    options.speak = args.Has("speak");
    options.speed = reading.settings.speed;
    options.volume = static_cast<int>(args.Number("volume").value_or(reading.settings.volume));
    options.voice = reading.settings.voice;
    for (const TCommandPiece& piece : SingRange(reading.table, mode, options, nullptr)) {
        JsonObject o;
        o.Add("text", piece.text).Add("final", piece.final ? 1 : 0);
        Emit(std::cout, o);
    }
    std::cout.flush();
    return reading.clean ? 0 : 1;
}

}  // namespace lyrasta::cli
