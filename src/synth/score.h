#pragma once
// The score: command text turned into timed segments on one running sample clock, with
// the pitch each segment sings, the index marks where they fall and the held notes sung.
//
// Pitch-code modes (the digit in front of the frequency):
//   5  a held note: the pitch is reached within 40 ms from the pitch before and then held,
//      with vibrato setting in after 150 ms of a note long enough to carry it, and a little
//      flutter;
//   7, 9  consonant onsets: the consonant is set at the note's pitch at once;
//   3  a quick glide: the pitch moves evenly (in cents) from the pitch before to this one
//      across the segment, without vibrato (ornaments, the approach of the verse-end fall);
//   1  a glide like 3 that closes a phrase: when silence follows, the voice falls away in it,
//      sinking by a whole tone while it fades over up to 60 ms (the verse-end fall and the
//      close of an ornament);
//   no digit (a code of one to three digits): the frequency in Hz, held like mode 5.
// Phonemes without a pitch keep the pitch sung before them; in text that has given no pitch
// yet (speak mode) they follow a speech intonation: a declining line around the voice's
// speaking pitch, stressed vowels raised and lengthened, a fall before each pause.
//
// Each text is sung in the voice's own register: the whole tune is moved by the whole
// octaves that bring most of its notes inside the voice's range (women and children sing
// the men's written line an octave up), and a note still outside is folded by an octave.
// Sung vowels are shaded as a singer does: a syllable held longer than the text's usual
// one (a stressed or cadential syllable) a little louder, a shorter one a little softer,
// and the last syllable before a pause dies away.

#include <cstdint>
#include <memory>
#include <vector>

#include "command_text.h"
#include "voice.h"

namespace lyrasta::synth {

constexpr int kSampleRate = 22050;

struct Segment {
    const Phoneme* phoneme = nullptr;  // nullptr: silence
    std::shared_ptr<const Voice> voice;
    int64_t start = 0, length = 0;     // samples on the running clock
    // The sound this segment is part of: consecutive segments of one phoneme are one sound
    // (the chant writes a consonant twice for its onset, a vowel twice for attack and hold).
    int64_t soundStart = 0, soundLength = 0;
    size_t soundFirst = 0, soundLast = 0;  // its first and last segment
    double startHz = 0, targetHz = 0;  // pitch at the segment's start and its target
    int mode = 5;
    int64_t noteStart = 0;  // where the held note this segment belongs to began (vibrato)
    int64_t noteLength = 0; // the whole length of that note
    bool held = false;      // a held note (vibrato and flutter)
    Stress stress = Stress::None;
    bool releaseTail = false;  // silence in which a mode-1 glide falls away
    float gain = 1;         // volume
    float accent = 1;       // the syllable's shading against the text's usual loudness
    bool phraseEnd = false; // the last vowel before a pause: it dies away
};

struct IndexMark {
    int64_t sample = 0;
    long mark = 0;
};

// A held vowel note: consecutive vowel segments of one held pitch.
struct SungNote {
    int64_t start = 0, length = 0;
    double hz = 0;
};

struct Score {
    int64_t start = 0, end = 0;
    std::vector<Segment> segments;
    std::vector<IndexMark> marks;
    std::vector<SungNote> notes;
};

// Turns command text into scores; keeps voice, rate, volume, pitch and clock from one
// piece of text to the next, as the singer does between speak calls.
class ScoreBuilder {
public:
    ScoreBuilder();
    Score Build(const std::vector<CommandItem>& items);
    int64_t Clock() const { return clock_; }
    // The phoneme's own length at the current rate, in milliseconds.
    double DefaultMs(const Phoneme& p, bool sung, Stress stress) const;

private:
    std::shared_ptr<const Voice> voice_;
    // The octave factor that brings most of the text's written notes into the voice's range.
    double RegisterOf(const std::vector<CommandItem>& items) const;

    long rate_ = 180;
    float gain_ = 1;
    double lastHz_ = 0;      // the pitch sung last
    double lastWrittenHz_ = 0;  // the pitch written last (reads the next ambiguous code)
    bool sung_ = false;
    // The clock runs in milliseconds as written and is rounded to samples at each boundary,
    // so rounding never adds up over a long text.
    double clockMs_ = 0;
    int64_t clock_ = 0;
};

}  // namespace lyrasta::synth
