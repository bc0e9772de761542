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
    // The synthesizer's parameters for one frame.
    struct Params {
        Formants f;
        float b1 = 60, b2 = 90, b3 = 150;
        float av = 0;      // voicing amplitude, linear
        float asp = 0;     // aspiration, linear
        float a2 = 0, a3 = 0, aHigh = 0, aBypass = 0;  // frication, linear
        float fricHz = 4500, fricBw = 1500;
        float nasal = 0;
        float gain = 1;
    };
    Params SegmentParams(const Score& score, size_t i, int64_t t) const;
    Params ParamsAt(const Score& score, size_t i, int64_t t) const;
    static double PitchAt(const Segment& seg, int64_t t);
    // One sample at pitch hz; u (0..1] is the position in the frame, across which the noise
    // levels and the gain glide from the previous frame's.
    double Sample(const Params& p, double hz, double u);

    double phase_ = 0;
    double av_ = 0, oq_ = 0.6;  // latched at each glottal pulse
    double tilt_ = 0, tilt1_ = 0, tilt2_ = 0, tiltCoef_ = 0.5;
    double lastHz_ = 100;
    uint32_t noise_ = 0x2545F491u;
    AntiResonator nasalZero_;
    Resonator nasalPole_, r1_, r2_, r3_, r4_, r5_, ring_;
    Resonator p2_, p3_, pHigh_;
    float tiltForDb_ = -1;
    std::shared_ptr<const Voice> voice_;  // the voice the source settings below belong to
    double level_ = 0;
    double breath_ = 0, ringGain_ = 0;
    Params from_;  // the previous frame's parameters
};

}  // namespace lyrasta::synth
