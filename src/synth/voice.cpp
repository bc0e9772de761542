#include "voice.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace lyrasta::synth {
namespace {

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

Voice Preset(std::string_view name) {
    Voice v;  // Paul, the baritone: the plain male voice
    if (SameName(name, "Harry")) {  // bass: longer tract, darker
        v.formantScale = 0.94f;
        v.f4 = 3300;
        v.f5 = 4300;
        v.tiltDb = 5;
        v.speechHz = 95;
    } else if (SameName(name, "Dennis")) {  // tenor
        v.formantScale = 1.05f;
        v.f4 = 3600;
        v.f5 = 4600;
        v.tiltDb = 3;
        v.speechHz = 135;
    } else if (SameName(name, "Betty") || SameName(name, "Rita") || SameName(name, "Kit")) {
        v.femaleTract = true;
        v.f4 = 4300;
        v.f5 = 5000;
        v.bandwidthScale = 1.15f;
        v.openQuotient = 0.7f;
        v.breathDb = 36;
        v.tiltDb = 6;
        v.speechHz = 200;
        v.gainDb = 2;
        if (SameName(name, "Rita")) {  // soprano
            v.formantScale = 1.04f;
            v.speechHz = 220;
        } else if (SameName(name, "Kit")) {  // child: the shortest tract
            v.formantScale = 1.14f;
            v.f4 = 4600;
            v.f5 = 5300;
            v.speechHz = 260;
            v.vibratoCents = 10;
        }
    } else {
        return v;
    }
    v.name = std::string(name);
    return v;
}

}  // namespace

Formants Voice::Target(const Phoneme& p, bool second) const {
    const Formants& f = femaleTract ? (second ? p.female2 : p.female) : (second ? p.male2 : p.male);
    return {f.f1 * formantScale, f.f2 * formantScale, f.f3 * formantScale};
}

Voice VoiceFor(std::string_view name, const std::vector<std::pair<std::string, std::string>>& params) {
    Voice v = Preset(name);
    if (!name.empty()) v.name = std::string(name);
    for (const auto& [key, text] : params) {
        long value = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (ec != std::errc() || end != text.data() + text.size()) continue;
        if (key == "sm") v.tiltDb += std::clamp(value, 0L, 100L) * 0.1f;
        else if (key == "f4") v.f4 = static_cast<float>(std::clamp(value, 2500L, 5500L));
        else if (key == "f5") v.f5 = static_cast<float>(std::clamp(value, 3000L, 6500L));
        else if (key == "br") v.breathDb = static_cast<float>(std::clamp(value, 0L, 72L));
    }
    v.f5 = std::max(v.f5, v.f4 + 300);
    return v;
}

}  // namespace lyrasta::synth
