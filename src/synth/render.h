#pragma once
// The formant singer: renders a score into 16-bit samples at kSampleRate. A cascade/parallel
// formant synthesizer in the Klatt tradition: a glottal flow source with open quotient and
// spectral tilt, aspiration, a nasal pole/zero pair and five cascade formants for voicing,
// and a parallel branch (F2, F3, a high frication peak and a bypass) for frication and
// bursts. Parameters are set every frame of 32 samples from the segments' targets, blended
// across segment boundaries; the voicing amplitude changes only at glottal-pulse onsets, so
// notes and phonemes start and end without clicks.

#include <cstdint>
#include <functional>

#include "resonator.h"
#include "score.h"

namespace lyrasta::synth {

class Renderer {
public:
    // Receives each block of samples; returns false to stop rendering at once.
    using Sink = std::function<bool(const int16_t* samples, size_t count)>;

    // Renders the whole score, continuing the sound of the score rendered before;
    // returns false when the sink stopped it.
    bool Render(const Score& score, const Sink& sink);

    static constexpr int kFrame = 32;
    static constexpr int kBlockFrames = 16;

private:
    struct Params;
    Params SegmentParams(const Score& score, size_t i, int64_t t) const;
    Params ParamsAt(const Score& score, size_t i, int64_t t) const;
    static double PitchAt(const Segment& seg, int64_t t);
    double Sample(const Params& p, double hz);

    double phase_ = 0;
    double av_ = 0, oq_ = 0.6;  // latched at each glottal pulse
    double tilt_ = 0, tiltCoef_ = 0.5;
    double lastHz_ = 100;
    uint32_t noise_ = 0x2545F491u;
    AntiResonator nasalZero_;
    Resonator nasalPole_, r1_, r2_, r3_, r4_, r5_;
    Resonator p2_, p3_, pHigh_;
    float tiltForDb_ = -1;
    double breath_ = 0;
};

}  // namespace lyrasta::synth
