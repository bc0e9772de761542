#include "song_steps.h"

#include <algorithm>
#include <cctype>

#include "chant/song_builder.h"
#include "player/voices.h"

namespace lyrasta {

namespace {

bool IsTrue(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s == "TRUE";
}

int WholeNumber(const std::string& text, int fallback) {
    try {
        return std::stoi(text);
    } catch (const std::exception&) {
        return fallback;
    }
}

}  // namespace

strucSongSettings ReadSongSettings(const TIniFile& ini) {
    strucSongSettings s;
    const auto read = [&](const char* key, const char* fallback) { return ini.ReadString("Options", key, fallback); };
    const int pronunciation = WholeNumber(read("Pronunciation", "0"), 0);
    if (pronunciation >= 0 && pronunciation < static_cast<int>(kPronunciations.size()))
        s.pronunciation = std::string(kPronunciations[pronunciation]);
    s.voice = std::max(0, WholeNumber(read("Voice", "4"), 4));
    s.pitch = std::clamp(WholeNumber(read("Pitch", "0"), 0), -12, 12);
    // The speed is stored as its tempo value, speed x 12 + 20.
    s.speed = std::clamp((WholeNumber(read("Speed", "140"), 140) - 20) / 12, 1, 25);
    s.volume = std::clamp(WholeNumber(read("Volume", "5"), 5), 1, 10);
    s.enableElisions = IsTrue(read("EnableElisions", "False"));
    s.notLegarmehBeforeRevia = IsTrue(read("NotLegarmehBeforeRevia", "False"));
    try {
        s.upbeatFactor = std::stod(read("UpbeatFactor", "10"));
    } catch (const std::exception&) {
        s.upbeatFactor = 10;
    }
    for (const char* type : kReadingTypes)
        if (std::string name = read(type, ""); !name.empty()) s.styles[type] = name;
    return s;
}

TSongSteps::TSongSteps(const TPhonemeSet& phonemes, TMelodyStyles& styles, strucSongSettings settings,
                       MessageFunc message)
    : TAnalysisSteps(phonemes, settings.notLegarmehBeforeRevia),
      styles_(styles),
      settings_(std::move(settings)),
      message_(std::move(message)) {}

void TSongSteps::FinishReading(TWordTable& table) {
    TAnalysisSteps::FinishReading(table);
    const strucStyleOptions style = ReadStyleOptions(styles_.CurrentStyle());
    strucSongParams params;
    params.pitchOffset = GetPitchOpt(settings_.voice) + style.pitchBend + settings_.pitch;
    params.tempo = settings_.speed * 12 + 20;
    params.assimilateRhythm = style.assimilateRhythm;
    params.assimilatePitch = style.assimilatePitch;
    params.adjustHighMileil = style.adjustHighMileil;
    params.truncateExtraUpbeats = style.truncateExtraUpbeats;
    params.enableElisions = settings_.enableElisions;
    params.notLegarmehBeforeRevia = settings_.notLegarmehBeforeRevia;
    params.upbeatFactor = settings_.upbeatFactor;
    params.title = title;
    BuildSong(table, styles_, params, message_);
}

}  // namespace lyrasta
