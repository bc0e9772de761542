#include "playback.h"

namespace lyrasta {

void TPlayback::Submit(int kind) {
    if (host_.WordCount() == 0) return;
    if (songStale_) {
        host_.ResetSong();
        songStale_ = false;
    }
    stoppedByUser_ = false;
    if (developerControls_) spacePlaying_ = true;
    playing_ = true;
    host_.SingRange(kind);
}

void TPlayback::PlayWord() {
    mode_ = kPlayWord;
    Submit(0);
}

void TPlayback::PlayVerse() {
    mode_ = kPlayVerse;
    Submit(1);
}

void TPlayback::PlaySection() {
    mode_ = kPlaySection;
    Submit(2);
}

void TPlayback::PlayGroup() {
    mode_ = kPlayGroup;
    rangeStart_ = host_.SelectedWord();
    Submit(3);
}

void TPlayback::ReplayUntilStopped() {
    const int selected = host_.SelectedWord();
    if (replaying_) {  // only move the end of the running loop
        replayEnd_ = selected;
        return;
    }
    replayStart_ = selected;
    replayEnd_ = host_.WordCount() - 1;
    for (int i = host_.WordCount() - 1; i >= selected && i >= 0; --i)
        if (host_.IsSung(i)) {
            // A pair is sung at its first item: the loop ends there, or it would wait
            // for an index mark that never comes.
            replayEnd_ = host_.IndexedItemOf(i);
            break;
        }
    rangeStart_ = selected;
    mode_ = kPlayReplay;
    Submit(2);
    replaying_ = true;
}

void TPlayback::Stop() {
    host_.ResetSynthesizer();
    spacePlaying_ = false;
    replaying_ = false;
    stoppedByUser_ = !restarting_;
    host_.ProcessPendingEvents();
}

void TPlayback::ToggleSpace() {
    if (spacePlaying_) {
        Stop();
    } else {
        PlaySection();
        spacePlaying_ = true;
    }
}

void TPlayback::OnIndex(int word) {
    if (restarting_) return;  // the rest of a text being replaced
    afterRestart_ = false;
    if (mode_ != kPlayWord) host_.ShowWord(word, true);
    if (songStale_) {
        // Sing on from this word with the new settings; a replay keeps looping.
        const bool wasReplaying = replaying_;
        restarting_ = afterRestart_ = true;
        Stop();
        restarting_ = false;
        replaying_ = wasReplaying;
        host_.ShowWord(word, false);
        Submit(mode_ == kPlayReplay ? 2 : mode_);
    }
    if (mode_ == kPlayReplay && word > replayEnd_ && !cutting_) {
        host_.ResetSynthesizer();
        spacePlaying_ = false;
        cutting_ = true;  // the end notification that follows restarts the loop
    }
    host_.ShowCurrentWord();
}

void TPlayback::OnEnd(int code) {
    // The end of a reset that stopped nothing, or that made way for the text sung on
    // from the word being sung (it comes before that text's first word, however late),
    // changes nothing.
    if (code != kEndOfText || !playing_ || restarting_ || afterRestart_) return;
    playing_ = false;
    cutting_ = false;
    const int selected = host_.SelectedWord();
    switch (mode_) {
    case kPlayVerse: {
        if (stoppedByUser_) break;  // a verse cut short leaves the highlight where it stopped
        for (int i = selected + 1; i < host_.WordCount(); ++i)
            if (host_.IsHebrewWord(i)) {
                host_.ShowWord(i, true);
                break;
            }
        host_.ShowCurrentWord();
        break;
    }
    case kPlayGroup:
        host_.ShowWord(rangeStart_, true);
        host_.ShowCurrentWord();
        break;
    case kPlayReplay:
        if (replayEnd_ > selected) {
            host_.ShowWord(rangeStart_, true);
            host_.ShowCurrentWord();
        } else {
            host_.ShowWord(replayStart_, true);
            host_.ShowCurrentWord();
            if (replaying_) Submit(2);
        }
        break;
    default:
        break;
    }
}

}  // namespace lyrasta
