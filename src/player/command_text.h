#pragma once
// The synthesizer command text of a range of the song: a header of volume, voice and
// rate, then for each word an index mark with its word number and the sung text of its
// letters (or, when texts are spoken, plain phonemes with stress marks), cut into
// pieces at verse ends. The pieces go to the synthesizer in order; the index marks let
// the player follow the word being sung.

#include <functional>
#include <string>
#include <vector>

#include "text/word_table.h"

namespace lyrasta {

// The kinds of range sung from the selected word.
enum SingRangeMode { kRangeWord = 0, kRangeVerse = 1, kRangeSection = 2, kRangeGroup = 3 };

struct TCommandPiece {
    std::string text;
    bool final = false;  // the last piece of the submission
};

// Where the pieces go: the synthesizer's speak operation and its wave file.
class TSynthOutput {
public:
    virtual ~TSynthOutput() = default;
    virtual void OpenWave(const std::string& fileName) = 0;
    virtual void Speak(const std::string& text, bool final) = 0;
    virtual void CloseWave() = 0;
};

struct strucSingOptions {
    bool speak = false;          // speak texts: no melodies, stress marks and pauses
    int speed = 5;               // 1..15 (25 with developer controls)
    int volume = 5;              // 1..10
    int voice = 4;               // voice list index (4 Baritone), -1 none
    std::string wavFileName;     // record the output to this file when not empty
    bool replay = false;         // the player's replay loop: the section range ends at replayEnd
    int replayEnd = 0;
    bool songStale = false;      // rebuild the song first, with resetSong
    std::function<void()> resetSong;
};

// Builds and submits the command text of a range starting at the table's selected word.
// Returns the pieces in the order submitted (the debug window shows them); `out` may be
// null to build them only. Nothing is built or submitted for an empty table.
std::vector<TCommandPiece> SingRange(const TWordTable& table, SingRangeMode mode,
                                     const strucSingOptions& options, TSynthOutput* out);

}  // namespace lyrasta
