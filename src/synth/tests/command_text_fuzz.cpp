// Feeds arbitrary bytes to the command-text reader and sings what it read (at most a
// second, so each input stays quick).
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "synth/command_text.h"
#include "synth/render.h"
#include "synth/score.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lyrasta::synth;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ScoreBuilder builder;
    const Score score = builder.Build(ParseCommandText(text));
    if (score.end - score.start > kSampleRate) return 0;
    Renderer renderer;
    renderer.Render(score, [](const int16_t*, size_t) { return true; });
    return 0;
}
