#include "score.h"

#include <algorithm>
#include <cmath>

namespace lyrasta::synth {
namespace {

constexpr double kLowestHz = 20, kHighestHz = 2000;  // written pitches outside are ignored
// A pause of this length or more after a syllable ends a phrase.
constexpr double kPhrasePauseMs = 60;
constexpr double kSilenceMs = 100;

double Semitones(double hz, double st) { return hz * std::exp2(st / 12); }

bool SameHz(double a, double b) { return std::abs(a - b) <= 0.003 * std::max(a, b); }

bool Voiced(const Segment& s) { return s.phoneme && s.phoneme->voiced; }

// Speech intonation for the segments that were given no pitch: a line declining by a
// semitone a second from the voice's speaking pitch, restarting after each pause; stressed
// vowels a minor third above it; the last vowel before a pause or phrase end falls a major
// third. Each segment glides to its pitch.
void Intone(std::vector<Segment>& segs, const std::vector<bool>& speech, const std::vector<bool>& phraseEnd) {
    int64_t phraseStart = -1;
    double hz = 0;
    for (size_t i = 0; i < segs.size(); ++i) {
        Segment& s = segs[i];
        if (!s.phoneme) {
            if (s.length >= kSampleRate / 10) phraseStart = -1;
            continue;
        }
        if (!speech[i]) {
            hz = s.targetHz;
            continue;
        }
        if (phraseStart < 0) phraseStart = s.start;
        const double seconds = static_cast<double>(s.start - phraseStart) / kSampleRate;
        double target = Semitones(s.voice->speechHz, -std::min(4.0, seconds));
        if (s.phoneme->isVowel()) {
            bool last = true;
            for (size_t j = i + 1; j < segs.size() && last; ++j) {
                if (phraseEnd[j - 1] || (!segs[j].phoneme && segs[j].length >= kSampleRate / 10)) break;
                if (segs[j].phoneme && segs[j].phoneme->isVowel()) last = false;
            }
            if (phraseEnd[i]) last = true;
            if (last) target = Semitones(target, -4);
            else if (s.stress == Stress::Primary) target = Semitones(target, 3);
            else if (s.stress == Stress::Secondary) target = Semitones(target, 1.5);
        }
        s.mode = 3;
        s.startHz = hz > 0 ? hz : target;
        s.targetHz = target;
        hz = target;
    }
}

// The frequency moved by octaves into the voice's range.
double Fold(double hz, const Voice& v) {
    for (int n = 0; n < 8 && hz < v.lowestHz; ++n) hz *= 2;
    for (int n = 0; n < 8 && hz > v.highestHz && hz / 2 >= v.lowestHz; ++n) hz /= 2;
    return hz;
}

// Shades each sung vowel sound (a syllable's vowel with its ornaments) by its length against
// the text's median: +4 dB for each doubling, between -2 and +3 dB. A vowel followed, past
// its consonants, by a pause or the end of the text closes a phrase and dies away.
void Shade(std::vector<Segment>& segs, const std::vector<bool>& speech) {
    std::vector<size_t> vowels;  // first segment of each sung vowel sound
    std::vector<double> lengths;
    for (size_t i = 0; i < segs.size(); i = segs[i].soundLast + 1) {
        if (segs[i].phoneme && segs[i].phoneme->isVowel() && !speech[i]) {
            vowels.push_back(i);
            lengths.push_back(static_cast<double>(segs[i].soundLength));
        }
    }
    if (vowels.empty()) return;
    std::vector<double> sorted = lengths;
    std::nth_element(sorted.begin(), sorted.begin() + static_cast<long>(sorted.size() / 2), sorted.end());
    const double usual = sorted[sorted.size() / 2];
    for (size_t n = 0; n < vowels.size(); ++n) {
        const Segment& first = segs[vowels[n]];
        const double db = std::clamp(4 * std::log2(lengths[n] / usual), -2.0, 3.0);
        size_t j = first.soundLast + 1;
        while (j < segs.size() && segs[j].phoneme && !segs[j].phoneme->isVowel()) ++j;
        const bool closes = j == segs.size() ||
                            (!segs[j].phoneme && static_cast<double>(segs[j].length) >= kPhrasePauseMs * kSampleRate / 1000);
        for (size_t k = vowels[n]; k <= first.soundLast; ++k) {
            segs[k].accent = static_cast<float>(std::pow(10.0, db / 20));
            segs[k].phraseEnd = closes;
        }
    }
}

}  // namespace

double ScoreBuilder::RegisterOf(const std::vector<CommandItem>& items) const {
    const Voice* voice = voice_.get();
    Voice named;
    double previous = lastWrittenHz_;
    std::vector<double> written;
    for (const CommandItem& item : items) {
        if (const auto* v = std::get_if<VoiceItem>(&item); v && written.empty()) {
            named = VoiceFor(v->name.empty() ? voice->name : v->name, v->params);
            voice = &named;
        } else if (const auto* ph = std::get_if<PhonemeItem>(&item); ph && ph->pitch) {
            const double hz = ph->pitch->Resolve(previous).second;
            if (hz < kLowestHz || hz > kHighestHz) continue;
            written.push_back(hz);
            previous = hz;
        }
    }
    double best = 1;
    long bestInside = -1;
    for (const double factor : {1.0, 2.0, 0.5, 4.0, 0.25}) {
        const long inside = std::count_if(written.begin(), written.end(), [&](double hz) {
            return hz * factor >= voice->lowestHz && hz * factor <= voice->highestHz;
        });
        if (inside > bestInside) {
            best = factor;
            bestInside = inside;
        }
    }
    return best;
}

ScoreBuilder::ScoreBuilder() : voice_(std::make_shared<Voice>()) {}

double ScoreBuilder::DefaultMs(const Phoneme& p, bool sung, Stress stress) const {
    const double ratio = 180.0 / static_cast<double>(rate_);
    // Sung consonants keep their shape at slow tempos; speech stretches with the rate.
    const double factor = sung ? std::clamp(std::sqrt(ratio), 0.7, 1.6) : std::clamp(ratio, 0.5, 2.5);
    double ms = p.defaultMs * factor;
    if (!sung && p.isVowel()) ms *= stress == Stress::Primary ? 1.3 : stress == Stress::Secondary ? 1.1 : 0.85;
    return ms;
}

Score ScoreBuilder::Build(const std::vector<CommandItem>& items) {
    Score score;
    score.start = clock_;
    const double octaves = RegisterOf(items);
    std::vector<bool> speech, phraseEnd;
    // Samples of a sound of `ms` milliseconds starting now.
    auto samplesFor = [&](double ms) {
        return std::llround((clockMs_ + ms) * kSampleRate / 1000.0) - clock_;
    };
    auto push = [&](Segment seg, double ms, bool isSpeech) {
        seg.start = clock_;
        seg.voice = voice_;
        seg.gain = gain_;
        clockMs_ += ms;
        clock_ += seg.length;
        score.segments.push_back(std::move(seg));
        speech.push_back(isSpeech);
        phraseEnd.push_back(false);
    };
    for (const CommandItem& item : items) {
        if (const auto* mark = std::get_if<IndexMarkItem>(&item)) {
            score.marks.push_back({clock_, mark->mark});
        } else if (const auto* v = std::get_if<VoiceItem>(&item)) {
            voice_ = std::make_shared<Voice>(VoiceFor(v->name.empty() ? voice_->name : v->name, v->params));
        } else if (const auto* r = std::get_if<RateItem>(&item)) {
            rate_ = std::clamp(r->rate, 75L, 600L);
        } else if (const auto* vol = std::get_if<VolumeItem>(&item)) {
            // Attenuation 100 is full level; each step below it is a third of a decibel.
            gain_ = static_cast<float>(std::pow(10.0, (std::clamp(vol->attenuation, 0L, 100L) - 100) / 60.0));
        } else if (std::holds_alternative<PhonemeModeItem>(item)) {
            sung_ = false;
        } else if (std::holds_alternative<PhraseEndItem>(item)) {
            if (!phraseEnd.empty()) phraseEnd.back() = true;
        } else if (const auto* sil = std::get_if<SilenceItem>(&item)) {
            Segment seg;
            const double ms = sil->ms ? *sil->ms : kSilenceMs * std::clamp(180.0 / rate_, 0.5, 2.5);
            seg.length = samplesFor(ms);
            seg.startHz = seg.targetHz = lastHz_;
            const Segment* before = score.segments.empty() ? nullptr : &score.segments.back();
            seg.releaseTail = before && Voiced(*before) && before->mode == 1;
            if (seg.length > 0) push(std::move(seg), ms, false);
        } else if (const auto* ph = std::get_if<PhonemeItem>(&item)) {
            Segment seg;
            seg.phoneme = ph->phoneme;
            seg.stress = ph->stress;
            bool isSpeech = false;
            double target = lastHz_;
            seg.mode = 5;
            if (ph->pitch) {
                const auto [mode, hz] = ph->pitch->Resolve(lastWrittenHz_);
                if (hz >= kLowestHz && hz <= kHighestHz) {
                    sung_ = true;
                    lastWrittenHz_ = hz;
                    target = Fold(hz * octaves, *voice_);
                    seg.mode = mode;
                }
            }
            if (!sung_ || target <= 0) {
                isSpeech = true;
                seg.mode = 0;
                target = voice_->speechHz;
            }
            const double ms = ph->ms ? *ph->ms : DefaultMs(*ph->phoneme, !isSpeech, ph->stress);
            seg.length = samplesFor(ms);
            seg.startHz = lastHz_ > 0 ? lastHz_ : target;
            seg.targetHz = target;
            lastHz_ = target;
            seg.held = !isSpeech && (seg.mode == 0 || seg.mode == 5);
            seg.noteStart = clock_;
            const Segment* before = score.segments.empty() ? nullptr : &score.segments.back();
            // A note is held over consecutive vowel segments of one pitch (its vibrato counts
            // from the vowel, not from the consonant before it).
            if (seg.held && before && before->held && before->phoneme->isVowel() && SameHz(before->targetHz, target))
                seg.noteStart = before->noteStart;
            if (seg.length > 0) push(std::move(seg), ms, isSpeech);
        }
    }
    Intone(score.segments, speech, phraseEnd);
    for (size_t i = 0; i < score.segments.size();) {
        size_t j = i + 1;
        while (j < score.segments.size() && score.segments[j].phoneme == score.segments[i].phoneme) ++j;
        const int64_t end = score.segments[j - 1].start + score.segments[j - 1].length;
        for (size_t k = i; k < j; ++k) {
            score.segments[k].soundStart = score.segments[i].start;
            score.segments[k].soundLength = end - score.segments[i].start;
            score.segments[k].soundFirst = i;
            score.segments[k].soundLast = j - 1;
        }
        i = j;
    }
    Shade(score.segments, speech);
    // Every segment of a held note knows the note's whole length (vibrato needs it).
    for (size_t i = 0; i < score.segments.size();) {
        auto& segs = score.segments;
        size_t j = i + 1;
        if (!segs[i].held) {
            i = j;
            continue;
        }
        while (j < segs.size() && segs[j].held && segs[j].noteStart == segs[i].noteStart) ++j;
        for (size_t k = i; k < j; ++k) segs[k].noteLength = segs[j - 1].start + segs[j - 1].length - segs[i].noteStart;
        i = j;
    }
    for (const Segment& s : score.segments) {
        if (!s.held || !s.phoneme->isVowel()) continue;
        if (!score.notes.empty() && score.notes.back().start + score.notes.back().length == s.start &&
            SameHz(score.notes.back().hz, s.targetHz))
            score.notes.back().length += s.length;
        else
            score.notes.push_back({s.start, s.length, s.targetHz});
    }
    score.end = clock_;
    return score;
}

}  // namespace lyrasta::synth
