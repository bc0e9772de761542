#include "render.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace lyrasta::synth {

namespace {

constexpr double kMs = kSampleRate / 1000.0;
constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kMasterGain = 0.30;

float Amp(float db) { return db <= 0 ? 0.0f : static_cast<float>(std::pow(10.0, (db - 60) / 20)); }

double Smooth(double x) {
    x = std::clamp(x, 0.0, 1.0);
    return x * x * (3 - 2 * x);
}

Formants Mix(const Formants& a, const Formants& b, double m) {
    auto lerp = [m](float x, float y) { return static_cast<float>(x + (y - x) * m); };
    return {lerp(a.f1, b.f1), lerp(a.f2, b.f2), lerp(a.f3, b.f3)};
}

// The sound before (direction -1) or after (+1) the sound of segment i, when it has a phoneme.
const Segment* Neighbour(const Score& score, size_t i, int direction) {
    const Segment& seg = score.segments[i];
    if (direction < 0 ? seg.soundFirst == 0 : seg.soundLast + 1 >= score.segments.size()) return nullptr;
    const Segment& n = score.segments[direction < 0 ? seg.soundFirst - 1 : seg.soundLast + 1];
    return n.phoneme ? &n : nullptr;
}

// One-pole low-pass coefficient that lowers 3 kHz by the given number of decibels.
double TiltCoefficient(double db) {
    const double target = std::pow(10.0, -db / 20);
    const double w = kTwoPi * 3000 / kSampleRate;
    double lo = 0, hi = 0.99;
    for (int k = 0; k < 40; ++k) {
        const double a = (lo + hi) / 2;
        const double gain = (1 - a) / std::sqrt(1 - 2 * a * std::cos(w) + a * a);
        (gain > target ? lo : hi) = a;
    }
    return (lo + hi) / 2;
}

}  // namespace

Renderer::Params Renderer::SegmentParams(const Score& score, size_t i, int64_t t) const {
    const Segment& seg = score.segments[i];
    const Voice& v = *seg.voice;
    Params p;
    p.gain = seg.gain * seg.accent;
    // Closures, bursts, taps and glides are timed over the whole sound.
    const double x = seg.soundLength > 0
                         ? std::clamp(static_cast<double>(t - seg.soundStart) / static_cast<double>(seg.soundLength), 0.0, 1.0)
                         : 0;
    const double ms = static_cast<double>(t - seg.soundStart) / kMs;
    const Phoneme* ph = seg.phoneme;
    // Sounds without a place of their own borrow the formants of their neighbours.
    const Segment* borrow = nullptr;
    if (!ph || ph->kind == PhonemeClass::Glottal) {
        borrow = Neighbour(score, i, -1);
        if (!borrow || borrow->phoneme->kind == PhonemeClass::Glottal) borrow = Neighbour(score, i, +1);
        if (borrow && borrow->phoneme->kind == PhonemeClass::Glottal) borrow = nullptr;
    } else if (ph->kind == PhonemeClass::Aspirate) {
        borrow = Neighbour(score, i, +1);
        if (!borrow) borrow = Neighbour(score, i, -1);
    }
    const Phoneme* shape = borrow ? borrow->phoneme : ph;
    if (ph && ph->aHigh > 0) {
        p.fricHz = ph->fricHz;
        p.fricBw = ph->fricBw;
    }
    if (shape) {
        const bool fromBefore = borrow && borrow->start < seg.start;
        if (shape->kind == PhonemeClass::Diphthong) {
            const double m = borrow ? (fromBefore ? 1.0 : 0.0) : Smooth((x - 0.25) / 0.6);
            p.f = Mix(v.Target(*shape), v.Target(*shape, true), m);
        } else {
            p.f = v.Target(*shape);
        }
        p.b1 = shape->b1 * v.bandwidthScale;
        p.b2 = shape->b2 * v.bandwidthScale;
        p.b3 = shape->b3 * v.bandwidthScale;
    }
    if (!ph) {
        // Silence; after a closing glide the voice falls away in it.
        const double tail = std::min<double>(60 * kMs, static_cast<double>(seg.soundLength));
        const double age = static_cast<double>(t - seg.soundStart);
        if (seg.releaseTail && age < tail) p.av = static_cast<float>(std::pow(1 - age / tail, 2));
        return p;
    }
    switch (ph->kind) {
    case PhonemeClass::Vowel:
    case PhonemeClass::Diphthong:
        p.av = 1;
        // The last vowel of a phrase dies away over the second half of its sound.
        if (seg.phraseEnd) p.gain *= static_cast<float>(1 - 0.45 * Smooth((x - 0.45) / 0.55));
        break;
    case PhonemeClass::Sonorant:
        p.av = ph->nasal ? 0.5f : ph->a2 > 0 ? 0.45f : 0.7f;
        p.nasal = ph->nasal ? 1 : 0;
        p.a2 = Amp(ph->a2);
        p.a3 = Amp(ph->a3);
        p.asp = Amp(ph->aspiration);
        if (ph->name == "r") {
            // The tap: the tongue closes briefly in the middle and lets go with a little noise.
            p.av *= static_cast<float>(1 - 0.92 * std::sin(std::numbers::pi * x));
            p.a3 *= static_cast<float>(x > 0.5 && x < 0.8 ? std::sin(std::numbers::pi * (x - 0.5) / 0.3) : 0);
        }
        break;
    case PhonemeClass::Fricative:
        p.av = ph->voiced ? 0.3f : 0;
        p.a2 = Amp(ph->a2);
        p.a3 = Amp(ph->a3);
        p.aHigh = Amp(ph->aHigh);
        p.aBypass = Amp(ph->aBypass);
        p.asp = Amp(ph->aspiration);
        break;
    case PhonemeClass::Aspirate:
        p.asp = Amp(ph->aspiration);
        p.b1 *= 2;
        break;
    case PhonemeClass::Glottal:
        break;
    case PhonemeClass::Stop:
    case PhonemeClass::Affricate: {
        const bool affricate = ph->kind == PhonemeClass::Affricate;
        const double release = (affricate ? 0.4 : 0.65) * static_cast<double>(seg.soundLength) / kMs;  // ms
        if (ms < release) {
            p.av = ph->voiced ? 0.1f : 0;  // the voice bar of a voiced closure
            p.f.f1 = std::min(p.f.f1, 250.0f);
            break;
        }
        // The release: the burst swells over 1.5 ms and dies away over a few milliseconds
        // into the aspiration (an affricate's into its fricative), so it never starts or ends
        // with a step.
        const double after = ms - release;
        const double swell = Smooth(after / 1.5);
        const auto burst = static_cast<float>(affricate ? swell : 1.4 * swell * std::exp(-std::max(0.0, after - 1.5) / 4));
        p.a2 = Amp(ph->a2) * burst;
        p.a3 = Amp(ph->a3) * burst;
        p.aHigh = Amp(ph->aHigh) * burst;
        p.aBypass = Amp(ph->aBypass) * burst;
        if (affricate) {
            p.av = ph->voiced ? 0.3f : 0;
            break;
        }
        const auto open = static_cast<float>(Smooth((after - 1.5) / 8));
        p.asp = Amp(ph->aspiration) * open;
        p.b1 *= 1 + open;
        p.av = ph->voiced ? 0.1f + 0.7f * open : 0;
        break;
    }
    }
    return p;
}

Renderer::Params Renderer::ParamsAt(const Score& score, size_t i, int64_t t) const {
    Params p = SegmentParams(score, i, t);
    const Segment& seg = score.segments[i];
    // Across the boundary between two sounds the targets meet halfway: formants over up to
    // 35 ms on each side, amplitudes over up to 6 ms.
    auto blend = [&](size_t other, int64_t boundary, int64_t distance) {
        const Segment& o = score.segments[other];
        const double room = 0.5 * static_cast<double>(std::min(seg.soundLength, o.soundLength));
        const double wf = std::min(35 * kMs, room), wa = std::min(6 * kMs, room);
        const double d = static_cast<double>(distance);
        if (d >= wf && d >= wa) return;
        const Params q = SegmentParams(score, other, boundary);
        if (d < wf) {
            const double m = 0.5 - 0.5 * d / wf;
            p.f = Mix(p.f, q.f, m);
            p.b1 += static_cast<float>((q.b1 - p.b1) * m);
            p.b2 += static_cast<float>((q.b2 - p.b2) * m);
            p.b3 += static_cast<float>((q.b3 - p.b3) * m);
            p.nasal += static_cast<float>((q.nasal - p.nasal) * m);
        }
        if (d < wa) {
            const float m = static_cast<float>(0.5 - 0.5 * d / wa);
            auto mix = [m](float& a, float b) { a += (b - a) * m; };
            // A sound without a frication peak takes its neighbour's as that fades in.
            if (p.aHigh == 0 && q.aHigh > 0) {
                p.fricHz = q.fricHz;
                p.fricBw = q.fricBw;
            }
            mix(p.av, q.av);
            mix(p.asp, q.asp);
            mix(p.a2, q.a2);
            mix(p.a3, q.a3);
            mix(p.aHigh, q.aHigh);
            mix(p.aBypass, q.aBypass);
            mix(p.gain, q.gain);
        }
    };
    const int64_t soundEnd = seg.soundStart + seg.soundLength;
    if (seg.soundFirst > 0) blend(seg.soundFirst - 1, seg.soundStart - 1, t - seg.soundStart);
    if (seg.soundLast + 1 < score.segments.size()) blend(seg.soundLast + 1, soundEnd, soundEnd - 1 - t);
    // The text's first and last sounds fade in and out over a few milliseconds.
    const double edge = std::min({1.0, static_cast<double>(t - score.start) / (4 * kMs),
                                  static_cast<double>(score.end - t) / (8 * kMs)});
    p.gain *= static_cast<float>(std::max(0.0, edge));
    return p;
}

// Vibrato: it sets in 150 ms into a held note, once the voice has settled on the pitch, and
// grows to its full extent over the next 150 ms; notes shorter than 300 ms carry none.
constexpr double kVibratoOnset = 0.15, kVibratoGrowth = 0.15, kVibratoNote = 0.3;

double Renderer::PitchAt(const Segment& seg, int64_t t) {
    const double age = static_cast<double>(t - seg.start);
    const double len = static_cast<double>(std::max<int64_t>(1, seg.length));
    const double start = seg.startHz > 0 ? seg.startHz : seg.targetHz;
    const double ratio = seg.targetHz / start;
    double hz = seg.targetHz;
    if (!seg.phoneme) {
        if (seg.releaseTail) hz = seg.targetHz * std::exp2(-2.0 / 12 * std::min(1.0, age / (60 * kMs)));
        return hz;
    }
    switch (seg.mode) {
    case 1:
    case 3:
        hz = start * std::pow(ratio, std::clamp(age / len, 0.0, 1.0));
        break;
    case 7:
    case 9:
        break;
    default: {
        const double glide = std::min(40 * kMs, 0.8 * len);
        if (age < glide) hz = start * std::pow(ratio, Smooth(age / glide));
    }
    }
    if (seg.held) {
        const double note = static_cast<double>(t - seg.noteStart) / kSampleRate;
        double cents = 0;
        // The short notes of a phrase stay plain and only long ones waver; flutter is a slow
        // drift of a few cents throughout.
        if (note > kVibratoOnset && static_cast<double>(seg.noteLength) >= kVibratoNote * kSampleRate) {
            const double depth = seg.voice->vibratoCents * Smooth((note - kVibratoOnset) / kVibratoGrowth);
            cents += depth * std::sin(kTwoPi * seg.voice->vibratoHz * (note - kVibratoOnset));
        }
        const double s = static_cast<double>(t) / kSampleRate;
        cents += 1.0 * (std::sin(kTwoPi * 12.7 * s) + std::sin(kTwoPi * 7.1 * s) + std::sin(kTwoPi * 4.7 * s));
        hz *= std::exp2(cents / 1200);
    }
    return hz;
}

// The correction of a band-limited step (polyBLEP) for a sample u periods after (u < dt) or
// before (u > 1 - dt) a unit step, dt the phase advance per sample.
double StepCorrection(double u, double dt) {
    if (u < dt) {
        u /= dt;
        return u + u - u * u - 1;
    }
    if (u > 1 - dt) {
        u = (u - 1) / dt;
        return u * u + u + u + 1;
    }
    return 0;
}

double Renderer::Sample(const Params& p, double hz, double u) {
    const double dt = hz / kSampleRate;
    phase_ += dt;
    if (phase_ >= 1) {
        phase_ -= std::floor(phase_);
        av_ = p.av;  // the voicing amplitude changes only as a new glottal pulse begins
    }
    double source = 0;
    if (phase_ < oq_) {
        const double x = phase_ / oq_;
        source = 2 * x - 3 * x * x;  // KLGLOTT88 flow derivative; closes with a step to zero
    }
    // The closure falls between two samples: smoothing the step there keeps its instant exact
    // (no jitter from the sample grid) and its harmonics from folding back into the band.
    double sinceClosure = phase_ - oq_;
    if (sinceClosure < 0) sinceClosure += 1;
    source += 0.5 * StepCorrection(sinceClosure, dt);
    tilt_ = (1 - tiltCoef_) * source * av_ + tiltCoef_ * tilt_;
    noise_ ^= noise_ << 13;
    noise_ ^= noise_ >> 17;
    noise_ ^= noise_ << 5;
    const double noise = static_cast<double>(noise_) / 2147483648.0 - 1.0;
    const bool open = phase_ < oq_;
    // Noise levels glide from the last frame's to this frame's across the frame, so no noise
    // switches on or off with a step.
    auto at = [u](float from, float to) { return from + (to - from) * u; };
    const double asp = at(from_.asp, p.asp), a2 = at(from_.a2, p.a2), a3 = at(from_.a3, p.a3);
    const double aHigh = at(from_.aHigh, p.aHigh), aBypass = at(from_.aBypass, p.aBypass);
    // Aspiration and frication are stronger while the glottis is open.
    const double voicedNoise = av_ > 0.05 ? (open ? 1.0 : 0.5) : 1.0;
    const double cascadeIn = tilt_ + noise * (asp + breath_ * av_ * (open ? 1.0 : 0.3)) * voicedNoise;
    double y = nasalPole_.Run(nasalZero_.Run(cascadeIn));
    // The ring: the voicing's second difference (which keeps the low frequencies out, so F1
    // is left alone) through a broad peak above F3.
    const double edge = tilt_ - 2 * tilt1_ + tilt2_;
    tilt2_ = tilt1_;
    tilt1_ = tilt_;
    y = r1_.Run(r2_.Run(r3_.Run(r4_.Run(r5_.Run(y))))) - ring_.Run(edge) * ringGain_;
    const double fric = noise * voicedNoise;
    const double parallel = p2_.Run(fric) * a2 - p3_.Run(fric) * a3 + pHigh_.Run(fric) * aHigh + fric * aBypass;
    return (y + parallel) * at(from_.gain, p.gain);
}

bool Renderer::Render(const Score& score, const Sink& sink) {
    std::vector<int16_t> block;
    block.reserve(kFrame * kBlockFrames);
    size_t i = 0;
    const auto& segs = score.segments;
    for (int64_t t = score.start; t < score.end; t += kFrame) {
        const int64_t frameEnd = std::min(score.end, t + kFrame);
        while (i + 1 < segs.size() && t >= segs[i].start + segs[i].length) ++i;
        if (segs.empty()) break;
        const Segment& seg = segs[i];
        const Params p = ParamsAt(score, i, t);
        const Voice& v = *seg.voice;
        const double ringHz = v.ringHz * v.formantScale;
        if (voice_ != seg.voice) {  // the source settings of a new voice
            voice_ = seg.voice;
            if (tiltForDb_ != v.tiltDb) {
                tiltForDb_ = v.tiltDb;
                tiltCoef_ = TiltCoefficient(v.tiltDb);
            }
            oq_ = v.openQuotient;
            breath_ = Amp(v.breathDb);
            // The second difference gains (2 sin(pi f / rate))^2 at f; the ring's level is set
            // at its peak.
            ringGain_ = std::pow(10.0, v.ringDb / 20) / std::pow(2 * std::sin(std::numbers::pi * ringHz / kSampleRate), 2);
            level_ = kMasterGain * std::pow(10.0, v.gainDb / 20);
        }
        const double level = level_;
        const double hz0 = lastHz_;
        const double hz1 = PitchAt(seg, std::min(frameEnd, seg.start + seg.length) - 1);
        // High notes: keep F1 and F2 above the voice's harmonics.
        Formants f = p.f;
        f.f1 = std::max(f.f1, static_cast<float>(hz1 + 50));
        f.f2 = std::max(f.f2, static_cast<float>(2 * hz1 + 50));
        f.f3 = std::max(f.f3, f.f2 + 200);
        const double widen = std::max(1.0, hz1 / 200);  // bandwidths widen with f0
        r1_.Set(f.f1, p.b1 * widen);
        r2_.Set(f.f2, p.b2 * widen);
        r3_.Set(f.f3, p.b3);
        const double f4 = std::max<double>(v.f4 * v.formantScale, f.f3 + 300);
        const double f5 = std::max<double>(v.f5 * v.formantScale, f4 + 400);
        r4_.Set(f4, v.b4);
        r5_.Set(f5, v.b5);
        ring_.SetPeak(ringHz, 1500);
        nasalPole_.Set(270, 100);
        nasalZero_.Set(270 + 180 * p.nasal, 100);
        p2_.SetPeak(f.f2, 200);
        p3_.SetPeak(f.f3, 300);
        pHigh_.SetPeak(p.fricHz, p.fricBw);
        for (int64_t s = t; s < frameEnd; ++s) {
            const double hz = hz0 + (hz1 - hz0) * static_cast<double>(s - t + 1) / static_cast<double>(frameEnd - t);
            const double u = static_cast<double>(s - t + 1) / static_cast<double>(frameEnd - t);
            double y = Sample(p, hz, u) * level;
            // A soft knee above 0.85 keeps every sample inside full scale without a corner.
            const double a = std::abs(y);
            if (a > 0.85) y = std::copysign(0.85 + 0.15 * std::tanh((a - 0.85) / 0.15), y);
            block.push_back(static_cast<int16_t>(std::lround(y * 32767)));
        }
        lastHz_ = hz1;
        from_ = p;
        if (block.size() >= static_cast<size_t>(kFrame * kBlockFrames)) {
            if (!sink(block.data(), block.size())) return false;
            block.clear();
        }
    }
    if (!block.empty() && !sink(block.data(), block.size())) return false;
    return true;
}

}  // namespace lyrasta::synth
