#pragma once
// Playback control: turns play commands into sung ranges, follows the synthesizer's index
// and end notifications to move the highlight through the text, repeats a passage until
// stopped, and rebuilds the song when a setting that shapes it has changed. The window,
// the word table, the song and the synthesizer are reached through TPlaybackHost, so the
// rules here run the same in the program and in tests.

namespace lyrasta {

// What playback needs from the window around it.
class TPlaybackHost {
public:
    virtual ~TPlaybackHost() = default;
    virtual int WordCount() const = 0;
    virtual int SelectedWord() const = 0;
    virtual bool IsHebrewWord(int i) const = 0;
    virtual bool IsSung(int i) const = 0;
    // The item whose index mark sings item i: the first item of a joined pair, else i.
    virtual int IndexedItemOf(int i) const { return i; }
    // Select word i and, with `scroll`, bring it into view; may let pending events run.
    virtual void ShowWord(int i, bool scroll) = 0;
    // Build the command text of a range from the selected word (0 word, 1 rest of verse,
    // 2 rest of section, 3 trope group) and submit it to the synthesizer.
    virtual void SingRange(int kind) = 0;
    // Stop the synthesizer at once and drop the text queued.
    virtual void ResetSynthesizer() = 0;
    // Rebuild the song of the whole reading with the current settings.
    virtual void ResetSong() = 0;
    // Update the tip line, the translation line and the note staff for the selection.
    virtual void ShowCurrentWord() = 0;
    // Let the notifications already waiting run before the caller continues.
    virtual void ProcessPendingEvents() = 0;
};

enum PlayMode { kPlayWord = 0, kPlayVerse = 1, kPlaySection = 2, kPlayGroup = 3, kPlayReplay = 4 };

// The code of the end-of-text notification; other codes are ignored.
constexpr int kEndOfText = 13;

class TPlayback {
public:
    explicit TPlayback(TPlaybackHost& host) : host_(host) {}

    // Play commands.
    void PlayWord();
    void PlayVerse();
    void PlaySection();
    void PlayGroup();  // also "Sing phrase" of the tutorials
    void ReplayUntilStopped();
    void Stop();
    // The space bar of the developer controls: play the rest of the section, or stop.
    void ToggleSpace();

    // Notifications from the synthesizer.
    void OnIndex(int word);
    void OnEnd(int code);

    // A setting that shapes the song changed; the song is rebuilt before the next
    // submission or at the next index notification.
    void MarkSongStale() { songStale_ = true; }
    void SongRebuilt() { songStale_ = false; }
    bool SongStale() const { return songStale_; }

    int Mode() const { return mode_; }
    int ReplayEndWord() const { return replayEnd_; }
    bool Replaying() const { return replaying_; }
    bool SpacePlaying() const { return spacePlaying_; }
    // With the developer controls shown every submission sets the space-playing flag.
    void SetDeveloperControls(bool on) { developerControls_ = on; }

private:
    void Submit(int kind);

    TPlaybackHost& host_;
    int mode_ = kPlayWord;
    int rangeStart_ = 0;
    int replayStart_ = 0;
    int replayEnd_ = 0;
    bool replaying_ = false;
    bool songStale_ = false;
    bool spacePlaying_ = false;
    bool developerControls_ = false;
    bool stoppedByUser_ = false;  // the text now ending was cut short by Stop
    bool cutting_ = false;        // the replay loop was cut at its moved end
    bool restarting_ = false;     // a range is being restarted with a rebuilt song
    bool playing_ = false;        // a text was submitted and its end has not come
    bool afterRestart_ = false;   // sung on after a setting changed: no word heard yet
};

}  // namespace lyrasta
