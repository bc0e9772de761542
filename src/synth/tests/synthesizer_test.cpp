#include "synth/synthesizer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>
#include "support/temp_path.h"

namespace lyrasta::synth {
namespace {

using Clock = std::chrono::steady_clock;

// Collects notifications in the order they arrive.
struct Listener {
    std::mutex mutex;
    std::condition_variable arrived;
    std::vector<SynthEvent> heard;

    NotificationTarget Target() {
        return [this](const SynthEvent& e) {
            std::lock_guard lock(mutex);
            heard.push_back(e);
            arrived.notify_all();
        };
    }
    bool WaitFor(size_t n, std::chrono::milliseconds timeout) {
        std::unique_lock lock(mutex);
        return arrived.wait_for(lock, timeout, [&] { return heard.size() >= n; });
    }
    std::string Summary() {
        std::lock_guard lock(mutex);
        std::string s;
        for (const SynthEvent& e : heard)
            s += (e.kind == SynthEvent::Kind::Index ? "index " : "end ") + std::to_string(e.value) + "@" +
                 std::to_string(static_cast<long>(e.ms + 0.5)) + " ";
        return s;
    }
};

// An output whose audio clock the test moves: a sample counts as heard only when the test
// says so, however busy the machine is. Writing never waits.
class SteppedOutput : public AudioOutput {
public:
    void Write(const int16_t*, size_t count) override { written_ += static_cast<int64_t>(count); }
    int64_t Written() override { return written_; }
    int64_t Played() override { return std::min<int64_t>(heard_, written_); }
    void Drop() override { written_ = Played(); }
    void Pause(bool) override {}
    void HearUntilMs(double ms) { heard_ = static_cast<int64_t>(std::ceil(ms * kSampleRate / 1000)); }

private:
    std::atomic<int64_t> written_{0}, heard_{0};
};

// A synthesizer singing into a stepped output, and that output.
struct SteppedSynth {
    SteppedOutput* clock = nullptr;
    TSynthesizer synth{[this] {
        auto output = std::make_unique<SteppedOutput>();
        clock = output.get();
        return output;
    }()};
};

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

const std::string kWord1 = "[:index mark 1] [~m<20,5131>~ah<80,5131>_<100,>]";
const std::string kWord2 = "[:index mark 2] [~l<20,5147>~eh<180,5147>]";

TEST(Synthesizer, FastModeReportsMarksAndTheEndOfTheFinalPiece) {
    Listener listener;
    TSynthesizer synth;
    ASSERT_EQ(synth.L1(listener.Target(), -1, kFastMode), 0);
    synth.L4("[:name Paul ] [:rate 95] " + kWord1 + "\tMessage-ID:GEN01:01Kohen|", 0);
    synth.L4(kWord2 + "\t", 1);
    synth.WaitUntilIdle();
    EXPECT_EQ(listener.Summary(), "index 1@0 index 2@200 end 13@400 ");
    EXPECT_EQ(synth.L3(), 0);
}

TEST(Synthesizer, BadTextIsSkippedAndStillEnds) {
    Listener listener;
    TSynthesizer synth;
    synth.L1(listener.Target(), -1, kFastMode);
    synth.L4("[~ah<99999999999,5131>]] [[:index mark x] ~~~<<,>> [~ah<20,0>~zz<20,5131>] \xff\x00", 1);
    synth.L4("", 1);
    synth.WaitUntilIdle();
    EXPECT_EQ(listener.Summary(), "end 13@150 end 13@150 ");
}

// Each mark arrives once the sound after it is heard on the output's audio clock: not
// before, and without waiting for more sound.
TEST(Synthesizer, MarksArriveWhenTheirSoundIsHeard) {
    Listener listener;
    SteppedSynth s;
    s.synth.L1(listener.Target());
    s.synth.L4(kWord1 + " " + kWord2, 1);
    const struct {
        double heardMs;  // the audio clock
        size_t arrived;  // notifications due by then
    } steps[] = {{0, 1}, {199, 1}, {200, 2}, {399, 2}, {400, 3}};
    for (const auto& step : steps) {
        s.clock->HearUntilMs(step.heardMs);
        ASSERT_TRUE(listener.WaitFor(step.arrived, std::chrono::seconds(5))) << "heard until " << step.heardMs;
        std::this_thread::sleep_for(std::chrono::milliseconds(30));  // time to deliver one too early
        std::lock_guard lock(listener.mutex);
        EXPECT_EQ(listener.heard.size(), step.arrived) << "heard until " << step.heardMs;
    }
    EXPECT_EQ(listener.Summary(), "index 1@0 index 2@200 end 13@400 ");
}

// Without a sound card the engine keeps time on the steady clock: what it has heard lies
// between the time since writing ended and the time since it began, and writing returns
// only when at most a fifth of a second is ahead of the listener.
TEST(ClockOutput, HearsInRealTime) {
    ClockOutput output;
    const std::vector<int16_t> halfSecond(kSampleRate / 2);
    const auto before = Clock::now();
    output.Write(halfSecond.data(), halfSecond.size());
    const auto written = Clock::now();
    EXPECT_GE(Seconds(written - before), 0.3 - 1e-3);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const auto asked = Clock::now();
    const double heard = static_cast<double>(output.Played()) / kSampleRate;
    const auto answered = Clock::now();
    EXPECT_LE(heard, Seconds(answered - before));
    EXPECT_GE(heard, std::min(0.5, Seconds(asked - written)));
}

TEST(Synthesizer, PauseHoldsTheSoundAndItsNotificationsUntilResumed) {
    Listener listener;
    TSynthesizer synth;
    synth.L1(listener.Target());
    // The first word lasts a second, so that the pause comes before its end however slowly
    // this thread is scheduled.
    synth.L4("[:index mark 1] [~ah<1000,5131>] " + kWord2, 1);
    ASSERT_TRUE(listener.WaitFor(1, std::chrono::seconds(5)));
    synth.L5();
    EXPECT_FALSE(listener.WaitFor(2, std::chrono::milliseconds(1500)));  // the second word is due after 1000 ms
    synth.L6();
    EXPECT_TRUE(listener.WaitFor(3, std::chrono::seconds(10)));
    EXPECT_EQ(listener.Summary(), "index 1@0 index 2@1000 end 13@1200 ");
}

TEST(Synthesizer, WaveFileTakesTheOutputBetweenOpenAndClose) {
    namespace fs = std::filesystem;
    const fs::path path = ProcessTempPath("synthesizer_test.wav");
    fs::remove(path);
    Listener listener;
    SteppedSynth s;
    TSynthesizer& synth = s.synth;
    synth.L1(listener.Target());  // an output that hears nothing: the file must not wait for it
    synth.L8(path.string(), 4);
    synth.L4(kWord1 + " " + kWord2 + " [~ah<2000,5131>]", 1);
    synth.L9();
    ASSERT_TRUE(listener.WaitFor(3, std::chrono::seconds(10)));
    synth.WaitUntilIdle();
    EXPECT_EQ(s.clock->Written(), 0);
    ASSERT_TRUE(fs::exists(path));
    EXPECT_EQ(fs::file_size(path), 44u + 2u * (2400u * kSampleRate / 1000u));
    EXPECT_EQ(synth.LastError(), "");
    // A file that cannot be made leaves the sound to the output, which now hears it.
    s.clock->HearUntilMs(1000);
    synth.L8("/nonexistent-folder/x.wav", 4);
    synth.L4(kWord2, 1);
    synth.L9();
    synth.WaitUntilIdle();
    EXPECT_NE(synth.LastError(), "");
}

TEST(Synthesizer, OperationsBeforeStartUpFail) {
    TSynthesizer synth;
    EXPECT_EQ(synth.L4("[~ah<100,5131>]", 1), 1);
    EXPECT_EQ(synth.L7(false), 1);
    EXPECT_EQ(synth.L3(), 1);
}

}  // namespace
}  // namespace lyrasta::synth
