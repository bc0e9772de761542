// lyrasta-cli sing: builds the command pieces of a range of a reading's song, as the play
// commands do, and sings them into a wave file.

#include <iostream>

#include "cli_commands.h"
#include "cli_song.h"
#include "sing_to_wave.h"

namespace lyrasta::cli {

int RunSing(const Args& argv) {
    std::vector<std::string> valued = kRangeOptions, switches = kRangeSwitches;
    valued.push_back("wav");
    switches.push_back("notes");
    const CliArgs args(argv, SongValuedOptions(valued), SongSwitches(switches));
    const std::string wav = args.Require("wav");
    TSungReading reading(args);
    std::vector<std::pair<std::string, bool>> pieces;
    for (const TCommandPiece& piece : RangePieces(args, reading)) pieces.emplace_back(piece.text, piece.final);
    if (pieces.empty()) {
        std::cerr << "lyrasta-cli sing: the range holds no words to sing; " << wav << " is not written\n";
        return 1;
    }
    const int rc = SingToWave(pieces, wav, args.Has("notes"), std::cout, std::cerr);
    std::cout.flush();
    return rc != 0 ? rc : reading.clean && reading.hasMelody ? 0 : 1;
}

}  // namespace lyrasta::cli
