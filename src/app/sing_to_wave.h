#pragma once
// Sings command-text pieces into a wave file with the synthesizer in fast mode and prints
// each notification as one JSON line (index marks, end of text, and with notes every sung
// note), ordered by their position in the audio.

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace lyrasta::cli {

// pieces: the command texts with their final flags, in the order they are spoken.
// Returns 0, or 1 when the wave file could not be written (message on err).
int SingToWave(const std::vector<std::pair<std::string, bool>>& pieces, const std::string& wavPath, bool notes,
               std::ostream& out, std::ostream& err);

}  // namespace lyrasta::cli
