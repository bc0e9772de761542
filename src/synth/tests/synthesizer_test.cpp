#include "synth/synthesizer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

namespace lyrasta::synth {
namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Collects notifications with the wall-clock time they arrived.
struct Listener {
    struct Heard {
        SynthEvent event;
        Clock::time_point at;
    };
    std::mutex mutex;
    std::condition_variable arrived;
    std::vector<Heard> heard;

    NotificationTarget Target() {
        return [this](const SynthEvent& e) {
            std::lock_guard lock(mutex);
            heard.push_back({e, Clock::now()});
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
        for (const Heard& h : heard)
            s += (h.event.kind == SynthEvent::Kind::Index ? "index " : "end ") + std::to_string(h.event.value) + "@" +
                 std::to_string(static_cast<long>(h.event.ms + 0.5)) + " ";
        return s;
    }
};

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

// Without a sound card the engine keeps time: each mark arrives when the sound after it
// would be heard.
TEST(Synthesizer, MarksArriveWhenTheirSoundIsHeard) {
    Listener listener;
    TSynthesizer synth;
    synth.L1(listener.Target());
    const auto start = Clock::now();
    synth.L4(kWord1 + " " + kWord2, 1);
    ASSERT_TRUE(listener.WaitFor(3, std::chrono::seconds(5)));
    std::lock_guard lock(listener.mutex);
    const double expectedMs[] = {0, 200, 400};
    for (size_t i = 0; i < 3; ++i) {
        const double ms = Ms(listener.heard[i].at - start);
        EXPECT_NEAR(ms, expectedMs[i], 40) << "notification " << i;
    }
}

TEST(Synthesizer, ResetStopsAtOnceDropsQueuedTextAndReportsTheEnd) {
    Listener listener;
    TSynthesizer synth;
    synth.L1(listener.Target());
    synth.L4("[:index mark 1] [~ah<5000,5131>] [:index mark 2] [~ah<100,5131>]", 0);
    synth.L4("[:index mark 3] [~ah<100,5131>]", 1);
    ASSERT_TRUE(listener.WaitFor(1, std::chrono::seconds(2)));
    const auto before = Clock::now();
    synth.L7(false);
    ASSERT_TRUE(listener.WaitFor(2, std::chrono::seconds(2)));
    EXPECT_LT(Ms(Clock::now() - before), 100);
    synth.WaitUntilIdle();
    std::string summary = listener.Summary();
    EXPECT_EQ(summary.substr(0, summary.find('@')), "index 1");
    EXPECT_EQ(summary.find("index 2"), std::string::npos) << summary;
    EXPECT_EQ(summary.find("index 3"), std::string::npos) << summary;
    EXPECT_NE(summary.find("end 13"), std::string::npos) << summary;
    // It sings again after the reset.
    synth.L4(kWord2, 1);
    ASSERT_TRUE(listener.WaitFor(4, std::chrono::seconds(2)));
}

TEST(Synthesizer, PauseHoldsTheSoundAndItsNotificationsUntilResumed) {
    Listener listener;
    TSynthesizer synth;
    synth.L1(listener.Target());
    synth.L4(kWord1 + " " + kWord2, 1);
    ASSERT_TRUE(listener.WaitFor(1, std::chrono::seconds(2)));
    synth.L5();
    EXPECT_FALSE(listener.WaitFor(2, std::chrono::milliseconds(500)));  // the second word is due after 200 ms
    synth.L6();
    EXPECT_TRUE(listener.WaitFor(3, std::chrono::seconds(2)));
    EXPECT_EQ(listener.Summary(), "index 1@0 index 2@200 end 13@400 ");
}

TEST(Synthesizer, WaveFileTakesTheOutputBetweenOpenAndClose) {
    namespace fs = std::filesystem;
    const fs::path path = fs::path(testing::TempDir()) / "synthesizer_test.wav";
    fs::remove(path);
    Listener listener;
    TSynthesizer synth;
    synth.L1(listener.Target());  // real-time output, but a file does not wait for it
    const auto start = Clock::now();
    synth.L8(path.string(), 4);
    synth.L4(kWord1 + " " + kWord2 + " [~ah<2000,5131>]", 1);
    synth.L9();
    synth.WaitUntilIdle();
    EXPECT_LT(std::chrono::duration<double>(Clock::now() - start).count(), 2.0);
    ASSERT_TRUE(fs::exists(path));
    EXPECT_EQ(fs::file_size(path), 44u + 2u * (2400u * kSampleRate / 1000u));
    EXPECT_EQ(synth.LastError(), "");
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
