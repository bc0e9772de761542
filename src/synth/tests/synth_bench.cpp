// Speed of the singer: how many times faster than real time it sings a minute of chant on
// one core, and how soon the first sound reaches the output after a speak call.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <string>
#include <vector>

#include "synth/sing_text.h"
#include "synth/synthesizer.h"

namespace {

using namespace lyrasta::synth;

// Chant the way the song builder writes it: per word an index mark, consonant onsets,
// vowel notes in attack and hold, an ornament at some word ends, the word-end pause and,
// every eight words, the verse-end fall.
std::string ChantText(double seconds) {
    const char* consonants[] = {"b", "r", "sh", "t", "l", "m", "kh", "v", "ts", "n"};
    const char* vowels[] = {"ah", "eh", "iy", "oh", "uw", "ey", "ax"};
    const int scale[] = {131, 147, 165, 175, 196, 220};
    std::string text = "[:volume att 80] [:mode email on] [:comma -40] [:name Paul   ] [:rate 95] "
                       "[:phoneme arpabet speak on] ";
    double ms = 0;
    for (int word = 0; ms < seconds * 1000; ++word) {
        text += " [:index mark " + std::to_string(word) + "] [";
        for (int syl = 0; syl < 3; ++syl) {
            const int k = word * 3 + syl;
            const std::string hz = std::to_string(scale[(k * 5) % 6]);
            const std::string c = consonants[k % 10], v = vowels[k % 7];
            const int hold = 150 + (k % 4) * 100;
            text += "~" + c + "<20,5" + hz + ">~" + c + "<,5" + hz + ">~" + v + "<50,5" + hz + ">~" + v + "<" +
                    std::to_string(hold) + ",5" + hz + ">";
            ms += 20 + 90 + 50 + hold;
        }
        text += "~ah<30,3127>~ah<30,1125>~ah<3,1131>_<107,>] ";
        ms += 170;
        if (word % 8 == 7) {
            text += "[~ah<10,3131>~ah<10,1131>_<400,>]\tMessage-ID:GEN01:01Kohen|\t";
            ms += 420;
        }
    }
    return text;
}

void BM_SingAMinuteOfChant(benchmark::State& state) {
    const std::string text = ChantText(60);
    double audioSeconds = 0;
    for (auto _ : state) {
        std::vector<int16_t> samples;
        const Score score = SingText(text, samples);
        audioSeconds += static_cast<double>(samples.size()) / kSampleRate;
        benchmark::DoNotOptimize(samples.data());
    }
    // Seconds of audio per second of rendering: the real-time factor.
    state.counters["x_realtime"] = benchmark::Counter(audioSeconds, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SingAMinuteOfChant)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// An output that notes when the first samples arrive.
class FirstSamples : public FastOutput {
public:
    std::atomic<bool> arrived{false};
    std::chrono::steady_clock::time_point at;
    void Write(const int16_t* samples, size_t count) override {
        if (!arrived) {
            at = std::chrono::steady_clock::now();
            arrived = true;
        }
        FastOutput::Write(samples, count);
    }
};

void BM_FirstAudioAfterSpeak(benchmark::State& state) {
    const std::string text = ChantText(30);  // a long verse range in one piece
    for (auto _ : state) {
        auto output = std::make_unique<FirstSamples>();
        FirstSamples* first = output.get();
        TSynthesizer synth(std::move(output));
        synth.L1([](const SynthEvent&) {});
        const auto start = std::chrono::steady_clock::now();
        synth.L4(text, 1);
        while (!first->arrived) std::this_thread::yield();
        state.SetIterationTime(std::chrono::duration<double>(first->at - start).count());
        synth.L7();
    }
}
BENCHMARK(BM_FirstAudioAfterSpeak)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
