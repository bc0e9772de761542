#include "song_steps.h"

#include <algorithm>

#include "chant/song_builder.h"
#include "player/voices.h"

namespace lyrasta {

strucSongSettings ReadSongSettings(const TSettingsStore& store) {
    strucSongSettings s;
    const int pronunciation = store.Int("Pronunciation");
    if (pronunciation >= 0 && pronunciation < static_cast<int>(kPronunciations.size()))
        s.pronunciation = std::string(kPronunciations[pronunciation]);
    // The store keeps every number within its range.
    s.voice = store.Int("Voice");
    s.pitch = store.Int("Pitch");
    s.speed = SpeedFromSetting(store.Int("Speed"));
    s.volume = store.Int("Volume");
    s.enableElisions = store.Bool("EnableElisions");
    s.notLegarmehBeforeRevia = store.Bool("NotLegarmehBeforeRevia");
    s.upbeatFactor = store.Real("UpbeatFactor");
    for (const char* type : kReadingTypes)
        if (std::string name = store.Text(type); !name.empty()) s.styles[type] = name;
    return s;
}

TSongSteps::TSongSteps(const TPhonemeSet& phonemes, TMelodyStyles& styles, strucSongSettings settings,
                       MessageFunc message)
    : TAnalysisSteps(phonemes, settings.notLegarmehBeforeRevia),
      styles_(styles),
      settings_(std::move(settings)),
      message_(std::move(message)) {}

bool SingReading(TWordTable& table, TMelodyStyles& styles, const strucSongSettings& settings,
                 const std::string& title, const MessageFunc& message, const std::string& forceBook,
                 int forceChapter, int forceVerse) {
    const strucStyleOptions style = ReadStyleOptions(styles.CurrentStyle());
    strucSongParams params;
    params.pitchOffset = GetPitchOpt(settings.voice) + style.pitchBend + settings.pitch;
    params.tempo = settings.speed * 12 + 20;
    params.assimilateRhythm = style.assimilateRhythm;
    params.assimilatePitch = style.assimilatePitch;
    params.adjustHighMileil = style.adjustHighMileil;
    params.truncateExtraUpbeats = style.truncateExtraUpbeats;
    params.enableElisions = settings.enableElisions;
    params.notLegarmehBeforeRevia = settings.notLegarmehBeforeRevia;
    params.upbeatFactor = settings.upbeatFactor;
    params.title = title;
    params.forceBook = forceBook;
    params.forceChapter = forceChapter;
    params.forceVerse = forceVerse;
    return BuildSong(table, styles, params, message);
}

void TSongSteps::FinishReading(TWordTable& table) {
    TAnalysisSteps::FinishReading(table);
    SingReading(table, styles_, settings_, title, message_, forceBook, forceChapter, forceVerse);
}

}  // namespace lyrasta
