#include "voices.h"

#include <algorithm>

namespace lyrasta {

namespace {

struct Voice {
    const char* name;
    const char* definition;  // trailing blanks are part of the definition
    int pitch;
};

constexpr Voice kVoices[] = {
    {"Child", ":name Kit :dv sm 0 :dv f4 4000", 6},
    {"Soprano", ":name Rita :dv sm 30 :dv aguo 3000", 6},
    {"Alto", ":name Betty :dv sm 20 :dv aguo 3000", 0},
    {"Tenor", ":name Dennis :dv sm 40 ", 0},
    {"Baritone", ":name Paul ", -6},
    {"Bass", ":name Harry ", -12},
};

const Voice* VoiceAt(int index) {
    return index >= 0 && index < static_cast<int>(std::size(kVoices)) ? &kVoices[index] : nullptr;
}

}  // namespace

const std::vector<std::string>& VoiceNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> v;
        for (const Voice& voice : kVoices) v.emplace_back(voice.name);
        return v;
    }();
    return names;
}

int VoiceIndex(const std::string& name) {
    const auto& names = VoiceNames();
    const auto it = std::find(names.begin(), names.end(), name);
    return it == names.end() ? -1 : static_cast<int>(it - names.begin());
}

std::string GetVoiceOpt(int index) {
    const Voice* v = VoiceAt(index);
    return v ? v->definition : "";
}

int GetPitchOpt(int index) {
    const Voice* v = VoiceAt(index);
    return v ? v->pitch : 0;
}

}  // namespace lyrasta
