#include "audio_output.h"

#include <algorithm>

#include "score.h"

namespace lyrasta::synth {
namespace {
constexpr int64_t kAhead = kSampleRate / 5;
}

void ClockOutput::Advance() {
    const auto now = std::chrono::steady_clock::now();
    if (!paused_) playhead_ += std::chrono::duration<double>(now - last_).count() * kSampleRate;
    // Playing stalls when it catches up with what was written.
    playhead_ = std::min(playhead_, static_cast<double>(written_));
    last_ = now;
}

void ClockOutput::Write(const int16_t*, size_t count) {
    std::unique_lock lock(mutex_);
    Advance();
    written_ += static_cast<int64_t>(count);
    while (written_ - static_cast<int64_t>(playhead_) > kAhead) {
        room_.wait_for(lock, std::chrono::milliseconds(5));
        Advance();
    }
}

int64_t ClockOutput::Written() {
    std::lock_guard lock(mutex_);
    return written_;
}

int64_t ClockOutput::Played() {
    std::lock_guard lock(mutex_);
    Advance();
    return static_cast<int64_t>(playhead_);
}

void ClockOutput::Drop() {
    std::lock_guard lock(mutex_);
    Advance();
    written_ = static_cast<int64_t>(playhead_);
    room_.notify_all();
}

void ClockOutput::Pause(bool paused) {
    std::lock_guard lock(mutex_);
    Advance();
    paused_ = paused;
}

}  // namespace lyrasta::synth
