// lyrasta-cli commands: the synthesizer command text of a range of a reading's song,
// one JSON line per piece in the order it would be submitted.

#include <iostream>

#include "cli_commands.h"
#include "cli_song.h"
#include "json_line.h"
#include "player/command_text.h"

namespace lyrasta::cli {

int RunCommandText(const Args& argv) {
    const CliArgs args(argv, SongValuedOptions(kRangeOptions), SongSwitches(kRangeSwitches));
    TSungReading reading(args);
    for (const TCommandPiece& piece : RangePieces(args, reading)) {
        JsonObject o;
        o.Add("text", piece.text).Add("final", piece.final ? 1 : 0);
        Emit(std::cout, o);
    }
    std::cout.flush();
    return reading.clean && reading.hasMelody ? 0 : 1;
}

}  // namespace lyrasta::cli
