#include "note_placement.h"

#include "text/text_helpers.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "chant/sung_text.h"

namespace lyrasta {

namespace {

const MelodyNote* NoteAt(const Melody* m, int i) {
    if (!m || i < 0 || i >= static_cast<int>(m->size())) return nullptr;
    return &(*m)[i];
}

int Size(const Melody* m) { return m ? static_cast<int>(m->size()) : 0; }

// A vocal shva and the hurried (chataf) vowels are sung as a fraction of a full vowel,
// so that a student does not learn to drag them.
constexpr int kReducedVowelShare = 3;

// The sung text of most letters with a vowel (a consonant onset and one note) fits in this.
constexpr size_t kSungLetterRoom = 64;

bool ReducedVowel(const strucHebChar& c) {
    const std::string_view v = c.vowel;
    return (v == ":" && c.variant) || v == ":A" || v == ":F" || v == ":E";
}

// One pass over the letters singing one melody.
struct Pass {
    const Melody* melody = nullptr;   // R
    int tropeSyllable = 0;            // K
    int pretonic = 0;                 // U
    bool onLast = false;              // V
    const Melody* before = nullptr;   // P
    bool rhythmLink = false;
    bool pitchLink = false;
    int number = 0;                   // 0 the only pass, 1 or 2 of two
};

class Placer {
public:
    Placer(LetterList& letters, strucPlacement& in) : letters_(letters), in_(in) {
        beat_ = BeatLength(in.tempo);
        for (const strucHebChar& c : letters) syllables_ += c.sylStart ? 1 : 0;
        factor_ = in.upbeatFactor > 0 ? in.upbeatFactor : 10;
        sameSyllable_ = in.twoTropes && in.firstSyllable == in.mainSyllable;
        const Melody* opening = in.twoTropes ? in.first : in.main;
        current_ = in.pitchOffset + (Size(opening) > 0 ? (*opening)[0].pitch : 0);
    }

    void Run() {
        const bool mainOnLast = in_.mainSyllable == syllables_;
        const bool hasPrevious = in_.previous != nullptr;
        if (!in_.twoTropes) {
            RunPass({in_.main, in_.mainSyllable, mainOnLast ? syllables_ - 1 : syllables_ - 2, mainOnLast,
                     in_.previous, in_.rhythmFromPrevious && hasPrevious, in_.pitchFromPrevious && hasPrevious,
                     0},
                    0);
        } else {
            const size_t second =
                RunPass({in_.first, in_.firstSyllable, in_.firstSyllable - 1, true, in_.previous,
                         in_.rhythmFromPrevious && hasPrevious, in_.pitchFromPrevious && hasPrevious, 1},
                        0);
            const int rest = syllables_ - in_.firstSyllable;
            if (second < letters_.size())
                RunPass({in_.main, in_.mainSyllable, mainOnLast ? rest - 1 : rest - 2, mainOnLast, in_.first,
                         in_.rhythmFromFirst, in_.pitchFromFirst, 2},
                        second);
        }
        // The verse ends on this word: its last sung vowel falls, though the mark stands on
        // a last letter that is seldom voiced.
        if (EndsVerse(letters_) && lastNote_)
            lastNote_->synth.insert(lastNoteEnd_, VerseFall(SplitVowel(lastNote_->vowelSound).second, HzOfPitch(current_)));
        strucHebChar& last = letters_.back();
        const double pause = in_.pauseDivisor > 0 ? beat_ / in_.pauseDivisor / 2 : beat_ / 100.0 / 2;
        last.synth.append("_<").append(std::to_string(RoundEven(pause))).append(",>");
    }

private:
    // Walks the letters from `start`; returns where the next pass starts (the end of the
    // word when this pass ran to the last letter).
    size_t RunPass(const Pass& pass, size_t start) {
        pass_ = &pass;
        counts_ = MelodyCounts(pass.melody);
        tieShift_ = 0;
        // The second pass keeps the first pass's notes: its own letters are cleared as
        // it reaches them.
        if (pass.number != 2)
            for (strucHebChar& c : letters_) c.noteCount = 0;
        if (in_.elision != 0 && Size(in_.next) > 0 && Size(pass.melody) > 0 &&
            in_.next->front().pitch == pass.melody->back().pitch)
            in_.elision = 0;

        for (size_t i = start; i < letters_.size(); ++i) {
            strucHebChar& c = letters_[i];
            if (i != start && c.sylStart) ++syllable_;
            if (pass.number != 2 || !sameSyllable_) {
                c.noteCount = 0;
                // Room for the onset and a note, made once: growing the text piece by piece
                // moved it to new memory two or three times for most sung letters.
                if (!c.vowelSound.empty()) c.synth.reserve(kSungLetterRoom);
                c.synth += c.consonant;
                if (!c.consonant.empty()) pending_ = true;
            }
            const int K = pass.tropeSyllable;
            if (syllable_ < K) {
                Pretonic(c);
            } else if (syllable_ == K) {
                TropeSyllable(c);
                if (pass.number == 1 && sameSyllable_) {
                    if (!c.vowelSound.empty()) return i;  // the main melody goes on this letter too
                } else if (pass.number == 1) {
                    if (c.sylEnd) {
                        CloseSyllable(c);
                        if (i + 1 < letters_.size() && letters_[i + 1].sylStart) ++syllable_;
                        return i + 1;
                    }
                    RenderPendingAfterVowel(c);
                } else {
                    RenderPendingAfterVowel(c);
                }
            } else if (pass.onLast) {
                if (in_.message)
                    in_.message("Contact manufacturer.",
                                std::to_string(in_.wordNumber) + ": invalid syllable cases: ");
            } else {
                AfterTrope(c);
            }
            if (!c.extra.empty()) {
                c.synth += c.extra;
                AppendConsonant(c.synth, c.extra, c.letter, c.dagesh, HzOfPitch(current_));
            }
        }
        return letters_.size();
    }

    // A syllable before the stressed one sings upbeats, shortened by their number.
    void Pretonic(strucHebChar& c) {
        const Pass& pass = *pass_;
        const int K = pass.tropeSyllable;
        const int U = pass.pretonic;
        const int free = counts_.upbeats - counts_.continues;
        int z = std::max(0, syllable_ - K + free + tieShift_);
        int e = 0;
        if (!in_.truncateExtraUpbeats && free > 1 && free > U && syllable_ <= K - 1) {
            // More upbeats than syllables: one each, the last pretonic syllable takes the rest.
            z = std::max(0, (pass.number == 2 ? syllable_ - in_.firstSyllable - 1 : syllable_ - 1) +
                                tieShift_);
            if (syllable_ == K - 1) e = std::max(0, counts_.upbeats - U);
        }
        if (c.vowelSound.empty()) {
            RenderPendingAfterVowel(c);
            return;
        }
        const auto [first, second] = SplitVowel(c.vowelSound);
        int p = 0;
        if (e == 0) {
            int i = z;
            const MelodyNote* n = NoteAt(pass.melody, i);
            if (n) SingUpbeat(c, i, *n, first, second, p);
            while (n && n->tied && NoteAt(pass.melody, i + 1)) {
                ++i;
                ++tieShift_;
                n = NoteAt(pass.melody, i);
                SingUpbeat(c, i, *n, first, second, p);
            }
        } else {
            for (int i = z; i <= z + e; ++i)
                if (const MelodyNote* n = NoteAt(pass.melody, i)) SingUpbeat(c, i, *n, first, second, p);
        }
        c.noteCount = p;
    }

    void SingUpbeat(strucHebChar& c, int i, const MelodyNote& n, std::string_view first, std::string_view second,
                    int& p) {
        const Pass& pass = *pass_;
        int length = NoteDivisor(n);
        int ms = RoundEven(static_cast<double>(beat_) / length);
        double f = (pass.rhythmLink ? pass.pretonic : pass.pretonic - 1) / factor_ + 1;
        if (f <= 0) f = 1;
        ms = RoundEven(ms / f);
        length = RoundEven(f * length);
        if (ReducedVowel(c)) {
            ms = RoundEven(static_cast<double>(ms) / kReducedVowelShare);
            length *= kReducedVowelShare;
        }
        double pitch = n.pitch;
        if (pass.pitchLink && i == 0 && Size(pass.before) > 0) pitch = pass.before->back().pitch;
        // The consonant's onset and the vowel are sung at one frequency, worked out once.
        const int hz = HzOfPitch(pitch + in_.pitchOffset);
        RenderPending(c, hz);
        AppendVowelNote(c.synth, first, n.tied ? first : second, std::max(20, ms), false, hz);
        Store(c, pitch, length, p);
    }

    // The stressed syllable: the main notes (and, on the last syllable, the extras).
    void TropeSyllable(strucHebChar& c) {
        if (c.vowelSound.empty()) return;
        const Pass& pass = *pass_;
        const int total = Size(pass.melody);
        const int X = counts_.extras;
        int last;
        if (pass.onLast || in_.elision == 2) last = total - 1;
        else if ((in_.adjustHighMileil && counts_.highLast) || counts_.main == 1) last = total - X - 1;
        else last = total - X - 2;

        int p = (pass.number == 2 && sameSyllable_) ? c.noteCount : 0;
        const auto [first, second] = SplitVowel(c.vowelSound);
        const bool ornament = c.final && c.sylEnd;
        const bool elideHere = pass.onLast && in_.elision == 1;
        for (int i = std::max(0, counts_.upbeats); i <= last; ++i) {
            const MelodyNote* n = NoteAt(pass.melody, i);
            if (!n) break;
            const bool ending = !(i < last || elideHere);
            SingNote(c, *n, first, ending ? second : first, ending && ornament, 1, p);
        }
        if (elideHere && Size(in_.next) > 0) SingNote(c, in_.next->front(), first, second, ornament, 1, p);
        c.noteCount = p;
    }

    // The syllable after the stress of a word stressed on its next-to-last syllable.
    void AfterTrope(strucHebChar& c) {
        if (c.vowelSound.empty()) {
            RenderPendingAfterVowel(c);
            return;
        }
        const Pass& pass = *pass_;
        const auto [first, second] = SplitVowel(c.vowelSound);
        const bool ornament = c.final && c.sylEnd;
        const int slow = syllable_ < syllables_ ? 3 : 1;
        int p = 0;
        if (in_.elision == 2) {
            if (Size(in_.next) > 0) SingNote(c, in_.next->front(), first, second, ornament, slow, p);
        } else {
            const int total = Size(pass.melody);
            for (int i = std::max(0, total - counts_.extras - 1); i < total; ++i) {
                const bool ending = i == total - 1;
                SingNote(c, (*pass.melody)[i], first, ending ? second : first, ending && ornament, slow, p);
            }
        }
        c.noteCount = p;
    }

    // A note of the stressed syllable or after it; `slow` lengthens the beat divisor
    // (a syllable after the stress that is not the word's last is sung three times faster).
    void SingNote(strucHebChar& c, const MelodyNote& n, std::string_view first, std::string_view ending,
                  bool ornament, int slow, int& p) {
        if (ReducedVowel(c)) slow *= kReducedVowelShare;
        const int length = NoteDivisor(n);
        int ms = RoundEven(static_cast<double>(beat_) / length);
        if (slow != 1) ms = RoundEven(static_cast<double>(ms) / slow);
        const int hz = HzOfPitch(n.pitch + in_.pitchOffset);
        RenderPending(c, hz);
        AppendVowelNote(c.synth, first, ending, std::max(20, ms), ornament, hz);
        Store(c, n.pitch, length * slow, p);
    }

    void Store(strucHebChar& c, double pitch, int length, int& p) {
        current_ = pitch + in_.pitchOffset;
        lastNote_ = &c;
        lastNoteEnd_ = c.synth.size();
        if (p < strucHebChar::kMaxNotes && length != 0) {
            c.SetNote(p, pitch, length);
            ++p;
        }
    }

    // The end of the first of two tropes sung on different syllables: the closing
    // consonant takes the pitch of the last note.
    void CloseSyllable(strucHebChar& c) {
        c.synth += c.extra;
        if (!c.synth.empty() && c.synth.back() != '>') c.synth += "<," + HzText(current_) + ">";
        pending_ = false;
    }

    void RenderPending(strucHebChar& c, int hz) {
        if (!pending_) return;
        // A copy (a phoneme is short): the onset is appended to the text it is read from.
        const std::string consonant(LastToken(c.synth));
        AppendConsonant(c.synth, consonant, c.letter, c.dagesh, hz);
        pending_ = false;
    }

    // A consonant after the vowel of its syllable, or one without a vowel of its own,
    // takes the pitch last sung; a word-initial one waits for a note.
    void RenderPendingAfterVowel(strucHebChar& c) {
        if (!c.initial && pending_) RenderPending(c, HzOfPitch(current_));
    }

    LetterList& letters_;
    strucPlacement& in_;
    int beat_ = 0;
    int syllables_ = 0;
    double factor_ = 10;
    bool sameSyllable_ = false;
    double current_ = 0;
    bool pending_ = false;
    int syllable_ = 1;
    int tieShift_ = 0;
    strucHebChar* lastNote_ = nullptr;  // the letter of the last note sung, and where it ends
    size_t lastNoteEnd_ = 0;
    const Pass* pass_ = nullptr;
    strucMelodyCounts counts_;
};

}  // namespace

bool EndsVerse(const LetterList& letters) {
    return std::any_of(letters.begin(), letters.end(), [](const strucHebChar& c) {
        const std::string_view accents = c.accents;
        return accents == "00" || accents.find("V:") != std::string_view::npos;
    });
}

int BeatLength(int tempo) { return RoundEven(120000.0 / std::max(1, tempo)); }

void PlaceNotes(LetterList& letters, strucPlacement& placement) {
    if (letters.empty() || letters.front().letter == "%") return;
    Placer(letters, placement).Run();
}

}  // namespace lyrasta
