#pragma once
// Where the singer's samples go to be heard, and how far the listener has heard them.
// The sound card output (Qt Multimedia) lives in its own library; here are the clock that
// keeps time when there is no device and the fast output that does not wait at all.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>

namespace lyrasta::synth {

class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    // Queues samples for playing; may wait until the device has room for them.
    virtual void Write(const int16_t* samples, size_t count) = 0;
    // How many samples have been written, not counting those dropped.
    virtual int64_t Written() = 0;
    // How many of the samples written so far have been heard.
    virtual int64_t Played() = 0;
    // Forgets every sample written and not yet heard; Played() then counts them as heard.
    virtual void Drop() = 0;
    virtual void Pause(bool paused) = 0;
};

// Plays into nothing at the pace of a real device: time runs on the steady clock while
// there is sound queued and playing is not paused. Holds at most a fifth of a second ahead.
class ClockOutput : public AudioOutput {
public:
    void Write(const int16_t* samples, size_t count) override;
    int64_t Written() override;
    int64_t Played() override;
    void Drop() override;
    void Pause(bool paused) override;

private:
    void Advance();  // with mutex_ held
    std::mutex mutex_;
    std::condition_variable room_;
    int64_t written_ = 0;
    double playhead_ = 0;
    bool paused_ = false;
    std::chrono::steady_clock::time_point last_ = std::chrono::steady_clock::now();
};

// Renders as fast as the machine can: every sample counts as heard once written.
class FastOutput : public AudioOutput {
public:
    void Write(const int16_t*, size_t count) override { written_ += static_cast<int64_t>(count); }
    int64_t Written() override { return written_; }
    int64_t Played() override { return written_; }
    void Drop() override {}
    void Pause(bool) override {}

private:
    std::atomic<int64_t> written_{0};
};

}  // namespace lyrasta::synth
