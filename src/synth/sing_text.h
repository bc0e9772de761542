#pragma once
// Sings one command text from a fresh start straight into memory, without threads: for
// export, measurement and benchmarks.

#include <cstdint>
#include <string_view>
#include <vector>

#include "score.h"

namespace lyrasta::synth {

// Appends the sung samples to `samples`; the score tells where every segment, mark and
// note fell (sample 0 is the first sample appended).
Score SingText(std::string_view text, std::vector<int16_t>& samples);

}  // namespace lyrasta::synth
