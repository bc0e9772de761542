#include "sing_to_wave.h"

#include <algorithm>
#include <cmath>
#include <mutex>

#include "app/json_line.h"
#include "synth/synthesizer.h"

namespace lyrasta::cli {

int SingToWave(const std::vector<std::pair<std::string, bool>>& pieces, const std::string& wavPath, bool notes,
               std::ostream& out, std::ostream& err) {
    using namespace lyrasta::synth;
    struct Line {
        double ms;
        int order;  // notifications before notes at the same position
        JsonObject json;
    };
    std::mutex mutex;
    std::vector<Line> lines;
    bool sung = false;  // once the text is sung, the shutdown's own end notification is not part of it
    TSynthesizer synth;
    synth.L1([&](const SynthEvent& e) {
        std::lock_guard lock(mutex);
        if (sung) return;
        JsonObject o;
        if (e.kind == SynthEvent::Kind::Index)
            o.Add("event", "index").Add("mark", static_cast<long long>(e.value));
        else
            o.Add("event", "end").Add("code", static_cast<long long>(e.value));
        o.Add("ms", static_cast<long long>(std::llround(e.ms)));
        lines.push_back({e.ms, 0, o});
    }, -1, kFastMode);
    if (notes) {
        synth.SetNoteObserver([&](const SungNote& n) {
            std::lock_guard lock(mutex);
            const double ms = static_cast<double>(n.start) * 1000.0 / kSampleRate;
            JsonObject o;
            o.Add("event", "note")
                .Add("ms", static_cast<long long>(std::llround(ms)))
                .Add("dur", static_cast<long long>(std::llround(static_cast<double>(n.length) * 1000.0 / kSampleRate)))
                .Add("hz", static_cast<long long>(std::llround(n.hz)));
            lines.push_back({ms, 1, o});
        });
    }
    synth.L8(wavPath, 4);
    for (const auto& [text, final] : pieces) synth.L4(text, final ? 1 : 0);
    synth.L9();
    synth.WaitUntilIdle();
    {
        std::lock_guard lock(mutex);
        sung = true;
    }
    synth.L3();
    std::stable_sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) {
        return std::llround(a.ms) != std::llround(b.ms) ? a.ms < b.ms : a.order < b.order;
    });
    for (const Line& l : lines) Emit(out, l.json);
    if (const std::string error = synth.LastError(); !error.empty()) {
        err << error << "\n";
        return 1;
    }
    return 0;
}

}  // namespace lyrasta::cli
