#pragma once
// Second-order digital resonators of the formant singer (Klatt 1980): a resonator
// y[n] = a x[n] + b y[n-1] + c y[n-2] tuned to a frequency and bandwidth, and its inverse,
// the antiresonator, for the nasal zero.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "score.h"

namespace lyrasta::synth {

class Resonator {
public:
    // Unity gain at 0 Hz, as in the cascade branch.
    void Set(double hz, double bw) {
        Tune(hz, bw);
        a_ = 1 - b_ - c_;
    }
    // Unity gain at the centre frequency, as in the parallel branch.
    void SetPeak(double hz, double bw) {
        Tune(hz, bw);
        const double w = 2 * std::numbers::pi * hz / kSampleRate;
        const double re = 1 - b_ * std::cos(w) - c_ * std::cos(2 * w);
        const double im = b_ * std::sin(w) + c_ * std::sin(2 * w);
        a_ = std::sqrt(re * re + im * im);
    }
    double Run(double x) {
        const double y = a_ * x + b_ * y1_ + c_ * y2_;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    void Tune(double hz, double bw) {
        hz = std::clamp(hz, 0.0, 0.47 * kSampleRate);
        const double t = 1.0 / kSampleRate;
        c_ = -std::exp(-2 * std::numbers::pi * bw * t);
        b_ = 2 * std::exp(-std::numbers::pi * bw * t) * std::cos(2 * std::numbers::pi * hz * t);
    }
    double a_ = 1, b_ = 0, c_ = 0, y1_ = 0, y2_ = 0;
};

class AntiResonator {
public:
    void Set(double hz, double bw) {
        const double t = 1.0 / kSampleRate;
        const double c = -std::exp(-2 * std::numbers::pi * bw * t);
        const double b = 2 * std::exp(-std::numbers::pi * bw * t) * std::cos(2 * std::numbers::pi * hz * t);
        const double a = 1 - b - c;
        a_ = 1 / a;
        b_ = -b / a;
        c_ = -c / a;
    }
    double Run(double x) {
        const double y = a_ * x + b_ * x1_ + c_ * x2_;
        x2_ = x1_;
        x1_ = x;
        return y;
    }

private:
    double a_ = 1, b_ = 0, c_ = 0, x1_ = 0, x2_ = 0;
};

}  // namespace lyrasta::synth
