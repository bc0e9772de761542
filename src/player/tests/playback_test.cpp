// Playback control against a stand-in synthesizer that queues the index and end
// notifications of each submitted range the way the real one posts them.

#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "player/playback.h"

namespace lyrasta {
namespace {

// Two verses: 0 and 5 are verse-number labels; 1..4 and 6..9 are words. Words 4 and 9
// end their verses. Trope groups: 1-2 and 6-7 etnachta (2), 3-4 and 8-9 sof pasuq (1).
struct Word {
    bool hebrew;
    bool verseEnd;
    int group;
};
const std::vector<Word> kReading = {
    {false, false, 0}, {true, false, 2}, {true, false, 2}, {true, false, 1}, {true, true, 1},
    {false, false, 0}, {true, false, 2}, {true, false, 2}, {true, false, 1}, {true, true, 1},
};

struct Note {
    bool end;
    int value;
};

class FakeHost : public TPlaybackHost {
public:
    TPlayback player{*this};
    int selected = 1;
    bool reentrant = false;     // ShowWord lets waiting notifications run, as the window's does
    bool lateResetEnd = false;  // the end of a reset is posted after the caller has gone on
    std::deque<Note> queue;     // notifications posted and not yet handled
    std::deque<Note> late;      // reset ends not yet posted
    std::vector<int> path;      // every word the highlight moved to
    std::vector<int> submittedFrom;
    int resets = 0, songBuilds = 0, shown = 0;

    int WordCount() const override { return static_cast<int>(kReading.size()); }
    int SelectedWord() const override { return selected; }
    bool IsHebrewWord(int i) const override { return i >= 0 && i < WordCount() && kReading[i].hebrew; }
    bool IsSung(int i) const override { return IsHebrewWord(i); }
    void ShowWord(int i, bool) override {
        selected = i;
        path.push_back(i);
        if (reentrant) ProcessPendingEvents();
    }
    void SingRange(int kind) override {
        const int s = selected, n = WordCount();
        int last = n - 1;
        if (kind == 0) last = s;
        if (kind == 1)
            for (int w = s; w < n; ++w)
                if (kReading[w].verseEnd) { last = w; break; }
        if (kind == 2 && player.Mode() == kPlayReplay) last = player.ReplayEndWord();
        if (kind == 3)
            for (int w = s; w <= n - 2; ++w)
                if (kReading[w + 1].group != kReading[s].group) { last = w; break; }
        submittedFrom.push_back(s);
        Post();
        for (int w = s; w <= last; ++w)
            if (kReading[w].hebrew) queue.push_back({false, w});
        queue.push_back({true, kEndOfText});
    }
    void ResetSynthesizer() override {
        ++resets;
        queue.clear();
        // The end of a text cut short is reported too, also when nothing was playing.
        (lateResetEnd ? late : queue).push_back({true, kEndOfText});
    }
    void Post() {
        queue.insert(queue.end(), late.begin(), late.end());
        late.clear();
    }
    void ResetSong() override { ++songBuilds; }
    void ShowCurrentWord() override { ++shown; }
    void ProcessPendingEvents() override {
        while (!queue.empty()) Deliver();
    }
    void Deliver() {
        const Note n = queue.front();
        queue.pop_front();
        if (n.end) player.OnEnd(n.value);
        else player.OnIndex(n.value);
    }
    // Runs the synthesizer for a number of notifications, or until it falls silent.
    void Run(int count = 1000) {
        Post();
        for (int k = 0; k < count && !queue.empty(); ++k) Deliver();
    }
};

TEST(Playback, PlayCommandsMoveTheHighlightAndLeaveTheSelection) {
    struct Case {
        const char* name;
        int start;
        void (TPlayback::*command)();
        std::vector<int> path;
        int finalSelection;
    };
    const std::vector<Case> cases = {
        {"word does not move the highlight", 2, &TPlayback::PlayWord, {}, 2},
        {"verse ends on the next verse's first word", 1, &TPlayback::PlayVerse, {1, 2, 3, 4, 6}, 6},
        {"last verse keeps the selection on its last word", 6, &TPlayback::PlayVerse,
         {6, 7, 8, 9}, 9},
        {"verse from its last word sings that word only", 4, &TPlayback::PlayVerse, {4, 6}, 6},
        {"group returns to its first word", 1, &TPlayback::PlayGroup, {1, 2, 1}, 1},
        {"section sings to the end", 3, &TPlayback::PlaySection, {3, 4, 6, 7, 8, 9}, 9},
    };
    for (const Case& c : cases) {
        for (bool reentrant : {false, true}) {
            FakeHost host;
            host.reentrant = reentrant;
            host.selected = c.start;
            (host.player.*c.command)();
            host.Run();
            EXPECT_EQ(host.path, c.path) << c.name << (reentrant ? " (re-entrant)" : "");
            EXPECT_EQ(host.selected, c.finalSelection) << c.name;
        }
    }
}

TEST(Playback, ReplayLoopsAndItsEndMovesFromTheNextPass) {
    FakeHost host;
    host.selected = 1;
    host.player.ReplayUntilStopped();
    EXPECT_EQ(host.player.ReplayEndWord(), 9);  // the last sung word
    host.Run(9);  // words 1..4 and 6..9, then the end: the loop starts again at 1
    EXPECT_EQ(host.submittedFrom, (std::vector<int>{1, 1}));
    EXPECT_EQ(host.selected, 1);

    host.Run(2);  // words 1 and 2 of the second pass
    host.path.clear();
    host.player.ReplayUntilStopped();  // pressed again on word 2: the loop now ends there
    EXPECT_EQ(host.player.ReplayEndWord(), 2);
    EXPECT_EQ(host.submittedFrom.size(), 2u) << "moving the end submits nothing";
    host.Run(2);  // word 3 passes the end: cut, and the loop restarts at 1
    EXPECT_EQ(host.resets, 1);
    EXPECT_EQ(host.path, (std::vector<int>{3, 1}));
    host.path.clear();
    host.Run(3);
    EXPECT_EQ(host.path, (std::vector<int>{1, 2, 1})) << "the next pass runs 1..2";

    host.player.Stop();
    host.Run();
    EXPECT_FALSE(host.player.Replaying());
    EXPECT_TRUE(host.queue.empty()) << "nothing is submitted after Stop";
}

TEST(Playback, StaleSongIsRebuiltAndTheRangeRestartsFromTheSungWord) {
    struct Case {
        const char* name;
        void (TPlayback::*command)();
        int start;
        int heard;               // notifications heard before the setting changes
        std::vector<int> after;  // the highlight from the restart on
        int finalSelection;
        int events;              // notifications of the restarted text
    };
    const std::vector<Case> cases = {
        {"section", &TPlayback::PlaySection, 1, 2, {3, 4, 6, 7, 8, 9}, 9, 7},
        {"replay keeps looping", &TPlayback::ReplayUntilStopped, 1, 2, {3, 4, 6, 7, 8, 9, 1}, 1, 7},
        {"verse sings on to its end", &TPlayback::PlayVerse, 1, 2, {3, 4, 6}, 6, 3},
        {"group sings on and returns to its start", &TPlayback::PlayGroup, 6, 1, {7, 6}, 6, 2},
    };
    for (const Case& c : cases) {
        for (bool late : {false, true}) {
            FakeHost host;
            host.lateResetEnd = late;
            host.selected = c.start;
            (host.player.*c.command)();
            host.Run(c.heard);
            host.player.MarkSongStale();  // the speed box changed
            host.Run(1);                  // the next word arrives: rebuild and sing on from it
            EXPECT_EQ(host.songBuilds, 1) << c.name;
            EXPECT_EQ(host.submittedFrom.back(), c.after.front()) << c.name;
            EXPECT_FALSE(host.player.SongStale()) << c.name;
            host.path.clear();
            // The new text's words and its end (and first the reset's end, when late).
            host.Run(c.events + (late ? 1 : 0));
            EXPECT_EQ(host.path, c.after) << c.name << (late ? " (late reset end)" : "")
                                          << ": the old text and the reset are not heard";
            EXPECT_EQ(host.selected, c.finalSelection) << c.name;
            EXPECT_EQ(host.player.Replaying(), c.command == &TPlayback::ReplayUntilStopped) << c.name;
        }
    }
}

TEST(Playback, StopCutsPlayingAndDoesNothingElseWhenSilent) {
    FakeHost silent;
    silent.selected = 3;
    silent.player.Stop();
    EXPECT_EQ(silent.resets, 1);
    EXPECT_EQ(silent.selected, 3);
    EXPECT_TRUE(silent.submittedFrom.empty());
    EXPECT_TRUE(silent.path.empty());

    FakeHost host;
    host.selected = 1;
    host.player.PlayVerse();
    host.Run(2);
    host.player.Stop();
    EXPECT_EQ(host.selected, 2) << "the highlight stays on the word being sung";
    EXPECT_TRUE(host.queue.empty());

    // After a trope group or a replay has ended, the student selects another word; Stop
    // then leaves it selected, however late the reset's end arrives.
    for (bool late : {false, true}) {
        for (bool replay : {false, true}) {
            FakeHost after;
            after.lateResetEnd = late;
            after.selected = 1;
            if (replay) {
                after.player.ReplayUntilStopped();
                after.Run(3);
                after.player.Stop();
            } else {
                after.player.PlayGroup();
            }
            after.Run();
            after.selected = 7;
            after.path.clear();
            after.player.Stop();
            after.Run();
            EXPECT_EQ(after.selected, 7) << (replay ? "replay" : "group") << (late ? " (late reset end)" : "");
            EXPECT_TRUE(after.path.empty());
            after.player.PlayWord();
            after.Run();
            EXPECT_EQ(after.selected, 7) << "the next play sings from the selection";
        }
    }
}

}  // namespace
}  // namespace lyrasta
