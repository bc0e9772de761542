#include "sing_text.h"

#include "command_text.h"
#include "render.h"

namespace lyrasta::synth {

Score SingText(std::string_view text, std::vector<int16_t>& samples) {
    ScoreBuilder builder;
    Renderer renderer;
    Score score = builder.Build(ParseCommandText(text));
    samples.reserve(samples.size() + static_cast<size_t>(score.end - score.start));
    renderer.Render(score, [&](const int16_t* s, size_t n) {
        samples.insert(samples.end(), s, s + n);
        return true;
    });
    return score;
}

}  // namespace lyrasta::synth
