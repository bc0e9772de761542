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
    Voice v;  // Paul, the baritone: the plain male voice, G2-G4
    if (SameName(name, "Harry")) {  // bass: longer tract, darker; C2-E4
        v.formantScale = 0.94f;
        v.f4 = 2800;
        v.f5 = 3300;
        v.ringHz = 3300;
        v.tiltDb = 2;
        v.speechHz = 95;
        v.lowestHz = 65;
        v.highestHz = 330;
    } else if (SameName(name, "Dennis")) {  // tenor: C3-A4
        v.formantScale = 1.05f;
        v.f4 = 3100;
        v.f5 = 3600;
        v.ringHz = 3800;
        v.speechHz = 135;
        v.lowestHz = 131;
        v.highestHz = 440;
    } else if (SameName(name, "Betty") || SameName(name, "Rita") || SameName(name, "Kit")) {
        // Women and children: no singer's formant cluster, a shorter tract, a slightly
        // longer open phase; the alto sings F3-D5.
        v.femaleTract = true;
        v.f4 = 4300;
        v.f5 = 5000;
        v.b4 = 250;
        v.b5 = 250;
        v.ringHz = 6000;
        v.ringDb = -6;
        v.bandwidthScale = 1.15f;
        v.openQuotient = 0.6f;
        v.breathDb = 28;
        v.tiltDb = 2;
        v.vibratoCents = 45;
        v.speechHz = 200;
        v.gainDb = 2;
        v.lowestHz = 175;
        v.highestHz = 587;
        if (SameName(name, "Rita")) {  // soprano: C4-A5
            v.formantScale = 1.04f;
            v.speechHz = 220;
            v.lowestHz = 262;
            v.highestHz = 880;
        } else if (SameName(name, "Kit")) {  // child: the shortest tract, B3-G5
            v.formantScale = 1.14f;
            v.f4 = 4600;
            v.f5 = 5300;
            v.ringHz = 6500;
            v.speechHz = 260;
            v.vibratoCents = 35;
            v.lowestHz = 247;
            v.highestHz = 784;
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
