#pragma once
// Measures sung audio with Praat, an independent pitch and formant tracker, so the tests
// judge the singer by what it sounds like rather than by its own numbers.

#include <cstdint>
#include <string>
#include <vector>

namespace lyrasta::measure {

struct PitchFrame {
    double t = 0, hz = 0;  // hz 0: unvoiced
};
struct FormantFrame {
    double t = 0, f1 = 0, f2 = 0;
};

// True when the praat program can be run; otherwise `why` says what to do.
bool PraatAvailable(std::string& why);

// Praat's autocorrelation pitch track (5 ms frames) between floor and ceiling Hz.
std::vector<PitchFrame> PraatPitch(const std::string& wav, double floor, double ceiling);

// Praat's Burg formant track (10 ms frames) of [start, end] seconds, with the formant
// ceiling of the voice (5000 Hz for men, 5500 Hz for women).
std::vector<FormantFrame> PraatFormants(const std::string& wav, double ceiling, double start, double end);

// The pitch of one held note as the tracker hears it, from 80 ms into the note until 30 ms
// before its end (the tracker's half window), unvoiced frames counted as an octave off.
struct NotePitch {
    double centre = 0;           // median, cents from the target
    std::vector<double> plain;   // |cents| of the frames before the vibrato sets in (150 ms)
    // Notes of 300 ms or more, from 300 ms in (the vibrato grown) on: the extent (half the
    // 5th-95th percentile span, cents) and the rate (Hz, from crossings of the centre).
    bool vibrato = false;
    double extent = 0, rate = 0;
    size_t frames = 0;
};
NotePitch MeasureNote(const std::vector<PitchFrame>& track, double startMs, double lengthMs, double hz);

// The interval from target to measured in cents.
double Cents(double measured, double target);
// The p-th percentile (0..100) of the values, by linear interpolation; 0 when empty.
double Percentile(std::vector<double> values, double p);
double Median(std::vector<double> values);

// The samples of a 16-bit mono wave file.
std::vector<int16_t> ReadWave(const std::string& path);

}  // namespace lyrasta::measure
