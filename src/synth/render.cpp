#include "render.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace lyrasta::synth {

struct Renderer::Params {
    Formants f;
    float b1 = 60, b2 = 90, b3 = 150;
    float av = 0;      // voicing amplitude, linear
    float asp = 0;     // aspiration, linear
    float a2 = 0, a3 = 0, aHigh = 0, aBypass = 0;  // frication, linear
    float fricHz = 4500, fricBw = 1500;
    float nasal = 0;
    float gain = 1;
};

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
    p.gain = seg.gain;
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
        break;
    case PhonemeClass::Sonorant:
        p.av = ph->nasal ? 0.5f : 0.7f;
        if (ph->name == "r") p.av *= static_cast<float>(1 - 0.75 * std::sin(std::numbers::pi * x));  // the tap
        p.nasal = ph->nasal ? 1 : 0;
        p.a2 = Amp(ph->a2);
        p.asp = Amp(ph->aspiration);
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
        const double burstMs = affricate ? 5 : 8;
        if (ms < release) {
            p.av = ph->voiced ? 0.1f : 0;  // the voice bar of a voiced closure
            p.f.f1 = std::min(p.f.f1, 250.0f);
        } else if (ms < release + burstMs || affricate) {
            const float rise = static_cast<float>(std::min(1.0, (ms - release) / 1.5));
            const float burst = affricate ? 1.0f : 1.4f * rise;
            p.a2 = Amp(ph->a2) * burst;
            p.a3 = Amp(ph->a3) * burst;
            p.aHigh = Amp(ph->aHigh) * burst;
            p.aBypass = Amp(ph->aBypass) * burst;
            p.av = ph->voiced ? (affricate ? 0.3f : 0.1f) : 0;
        } else {
            p.asp = Amp(ph->aspiration);
            p.b1 *= 2;
            p.av = ph->voiced ? 0.8f : 0;
        }
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
        // Vibrato sets in after 150 ms of the note and grows over a quarter second, so short
        // notes stay plain; flutter is a slow drift of a few cents.
        if (note > 0.15) {
            const double depth = seg.voice->vibratoCents * std::min(1.0, (note - 0.15) / 0.25);
            cents += depth * std::sin(kTwoPi * seg.voice->vibratoHz * (note - 0.15));
        }
        const double s = static_cast<double>(t) / kSampleRate;
        cents += 1.0 * (std::sin(kTwoPi * 12.7 * s) + std::sin(kTwoPi * 7.1 * s) + std::sin(kTwoPi * 4.7 * s));
        hz *= std::exp2(cents / 1200);
    }
    return hz;
}

double Renderer::Sample(const Params& p, double hz) {
    phase_ += hz / kSampleRate;
    if (phase_ >= 1) {
        phase_ -= std::floor(phase_);
        av_ = p.av;  // the voicing amplitude changes only as a new glottal pulse begins
    }
    double source = 0;
    if (phase_ < oq_) {
        const double x = phase_ / oq_;
        source = 2 * x - 3 * x * x;  // KLGLOTT88 flow derivative; closes with a step to zero
    }
    tilt_ = (1 - tiltCoef_) * source * av_ + tiltCoef_ * tilt_;
    noise_ ^= noise_ << 13;
    noise_ ^= noise_ >> 17;
    noise_ ^= noise_ << 5;
    const double noise = static_cast<double>(noise_) / 2147483648.0 - 1.0;
    const bool open = phase_ < oq_;
    // Aspiration and frication are stronger while the glottis is open.
    const double voicedNoise = av_ > 0.05 ? (open ? 1.0 : 0.5) : 1.0;
    const double cascadeIn = tilt_ + noise * (p.asp + breath_ * av_ * (open ? 1.0 : 0.3)) * voicedNoise;
    double y = nasalPole_.Run(nasalZero_.Run(cascadeIn));
    y = r1_.Run(r2_.Run(r3_.Run(r4_.Run(r5_.Run(y)))));
    const double fric = noise * voicedNoise;
    const double parallel = p2_.Run(fric) * p.a2 - p3_.Run(fric) * p.a3 + pHigh_.Run(fric) * p.aHigh + fric * p.aBypass;
    return (y + parallel) * p.gain;
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
        if (tiltForDb_ != v.tiltDb) {
            tiltForDb_ = v.tiltDb;
            tiltCoef_ = TiltCoefficient(v.tiltDb);
        }
        oq_ = v.openQuotient;
        breath_ = Amp(v.breathDb);
        const double level = kMasterGain * std::pow(10.0, v.gainDb / 20);
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
        r4_.Set(std::max<double>(v.f4 * v.formantScale, f.f3 + 300), 250);
        r5_.Set(std::max<double>(v.f5 * v.formantScale, f.f3 + 600), 200);
        nasalPole_.Set(270, 100);
        nasalZero_.Set(270 + 180 * p.nasal, 100);
        p2_.SetPeak(f.f2, 200);
        p3_.SetPeak(f.f3, 300);
        pHigh_.SetPeak(p.fricHz, p.fricBw);
        for (int64_t s = t; s < frameEnd; ++s) {
            const double hz = hz0 + (hz1 - hz0) * static_cast<double>(s - t + 1) / static_cast<double>(frameEnd - t);
            double y = Sample(p, hz) * level;
            // A soft knee above 0.85 keeps every sample inside full scale without a corner.
            const double a = std::abs(y);
            if (a > 0.85) y = std::copysign(0.85 + 0.15 * std::tanh((a - 0.85) / 0.15), y);
            block.push_back(static_cast<int16_t>(std::lround(y * 32767)));
        }
        lastHz_ = hz1;
        if (block.size() >= static_cast<size_t>(kFrame * kBlockFrames)) {
            if (!sink(block.data(), block.size())) return false;
            block.clear();
        }
    }
    if (!block.empty() && !sink(block.data(), block.size())) return false;
    return true;
}

}  // namespace lyrasta::synth
