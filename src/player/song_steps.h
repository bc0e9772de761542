#pragma once
// The steps of loading a reading that make it singable: each word's pronunciation
// analysis as it is scanned and, once the reading is placed, its trope groups and the
// song built in the current melody style with the user's singing settings.

#include <map>
#include <string>

#include "chant/melody_styles.h"
#include "chant/phoneme_set.h"
#include "player/reading_steps.h"
#include "player/settings_store.h"

namespace lyrasta {

// The settings that shape the song.
struct strucSongSettings {
    std::string pronunciation = std::string(kDefaultPronunciation);
    int voice = 4;                 // voice list index: Baritone
    int pitch = 0;                 // the user's half tones, -12..12
    int speed = 10;                // 1..15
    int volume = 5;                // 1..10
    bool enableElisions = false;
    bool notLegarmehBeforeRevia = false;
    double upbeatFactor = 10;
    std::map<std::string, std::string> styles;  // the chosen style per reading type
};

strucSongSettings ReadSongSettings(const TSettingsStore& settings);

// Builds the song of a loaded reading in the current style of `styles` with the singing
// settings: the melody options of the style, the pitch of the voice and the user, the
// tempo of the speed. `title` is the reading's title. False when the build stopped.
// `forceBook`, `forceChapter` and `forceVerse` name the verse an exercise is sung as if it
// stood in (chapter or verse 0: none).
bool SingReading(TWordTable& table, TMelodyStyles& styles, const strucSongSettings& settings,
                 const std::string& title, const MessageFunc& message, const std::string& forceBook = {},
                 int forceChapter = 0, int forceVerse = 0);

class TSongSteps : public TAnalysisSteps {
public:
    // The phoneme set and styles stay owned by the caller; `styles` has the reading's
    // styles chosen (ChooseReadingStyles) before the reading is loaded.
    TSongSteps(const TPhonemeSet& phonemes, TMelodyStyles& styles, strucSongSettings settings, MessageFunc message);

    void FinishReading(TWordTable& table) override;

    std::string title;  // the reading's title (the creation days of Simchas Torah)
    // The verse exercise lines are sung as if they stood in (chapter or verse 0: none).
    std::string forceBook;
    int forceChapter = 0, forceVerse = 0;

private:
    TMelodyStyles& styles_;
    strucSongSettings settings_;
    MessageFunc message_;
};

}  // namespace lyrasta
