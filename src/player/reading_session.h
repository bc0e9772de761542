#pragma once
// The reading open in the main window and everything its song is built from: the trope
// definitions, the melody styles of each reading type, the phoneme set of the chosen
// pronunciation and the reading loader. Opening loads the reading into the view's word
// table with its song; ResetSong rebuilds the song after a setting that shapes it changed.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chant/melody_styles.h"
#include "chant/phoneme_set.h"
#include "player/song_steps.h"
#include "text/reading_loader.h"
#include "text/trope_definitions.h"
#include "text/word_table.h"

namespace lyrasta {

class TReadingSession {
public:
    // Loads the trope definitions of the data folder; parse errors go to `message`.
    TReadingSession(std::filesystem::path dataDir, MessageFunc message);

    // Loads a reading into `table` and builds its song with `settings` (the chosen style
    // of each type among them). Returns the loader's problems; the reading shows what
    // could be loaded.
    std::vector<std::string> Open(TWordTable& table, const std::string& title,
                                  const std::string& subtitle, bool wrapped,
                                  const TReadingSections& sections, const std::string& type,
                                  const std::string& typeAux, const strucSongSettings& settings);
    // Fills `table` with a text that is not a reading (a tutorial page, exercise lines, a
    // phrase of a drill): `fill` gets a loader on the table whose steps analyse every word
    // it scans, and calls steps.FinishReading(table) (or the loader's LoadReading) to build
    // the song. The styles of `type` and `typeAux` sing it; the song builder takes the
    // words as standing at the forced place when one is set (SetForcedPlace).
    void Fill(TWordTable& table, const std::string& title, const std::string& type, const std::string& typeAux,
              const strucSongSettings& settings,
              const std::function<void(TReadingLoader& loader, TReadingSteps& steps)>& fill);
    // The verse that exercise lines are sung as if they stood in (chapter or verse 0: none);
    // kept for ResetSong until the next Open or Fill sets it again.
    void SetForcedPlace(std::string book, int chapter, int verse);
    // Reads the trope definitions again; the melody styles are rebuilt at the next Open.
    void ReloadDefinitions();
    // Analyses every word again with the settings' pronunciation and rebuilds the song.
    void ResetSong(TWordTable& table, const strucSongSettings& settings);

    // The translation line n (1-based) of the open reading, "" for none.
    std::string TranslationLine(int n) const;
    TMelodyStyles& Styles() { return *styles_; }
    const std::string& Title() const { return title_; }

private:
    void LoadPhonemes(const std::string& pronunciation);

    std::filesystem::path dataDir_;
    MessageFunc message_;
    TTropeDefinitions docs_;
    std::unique_ptr<TMelodyStyles> styles_;
    TPhonemeSet phonemes_;
    std::string phonemeText_;
    std::unique_ptr<TReadingLoader> loader_;
    std::string title_;
    bool catalogueBuilt_ = false;
    std::string forceBook_;
    int forceChapter_ = 0, forceVerse_ = 0;
    // The steps of a song in the chosen styles, with the forced place.
    TSongSteps Steps(const strucSongSettings& settings);
    void ChooseStyles(const std::string& type, const std::string& typeAux, const strucSongSettings& settings);
};

}  // namespace lyrasta
