#include "sound_card_output.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <QMetaObject>

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>

#include "synth/score.h"

namespace lyrasta::synth {
namespace {

constexpr int64_t kAhead = kSampleRate / 5;  // the most the singer may write ahead

// The samples between the singer and the audio sink. The sink reads on its thread; when
// nothing is waiting it gets silence, which does not count as sung.
class SampleQueue : public QIODevice {
public:
    void Push(const int16_t* samples, size_t count) {
        std::unique_lock lock(mutex_);
        queue_.insert(queue_.end(), samples, samples + count);
        written_ += static_cast<int64_t>(count);
        room_.wait(lock, [&] { return static_cast<int64_t>(queue_.size()) <= kAhead; });
    }
    int64_t Written() {
        std::lock_guard lock(mutex_);
        return written_;
    }
    // Samples taken by the sink and, after them, how much silence it took.
    std::pair<int64_t, int64_t> Taken() {
        std::lock_guard lock(mutex_);
        return {taken_, silenceAfter_};
    }
    void Clear() {
        std::lock_guard lock(mutex_);
        written_ -= static_cast<int64_t>(queue_.size());
        queue_.clear();
        room_.notify_all();
    }

protected:
    qint64 readData(char* data, qint64 maxlen) override {
        std::lock_guard lock(mutex_);
        const size_t want = static_cast<size_t>(maxlen / 2);
        const size_t n = std::min(want, queue_.size());
        auto* out = reinterpret_cast<int16_t*>(data);
        std::copy(queue_.begin(), queue_.begin() + static_cast<long>(n), out);
        queue_.erase(queue_.begin(), queue_.begin() + static_cast<long>(n));
        std::fill(out + n, out + want, int16_t{0});
        taken_ += static_cast<int64_t>(n);
        silenceAfter_ = n == want ? 0 : silenceAfter_ + static_cast<int64_t>(want - n);
        room_.notify_all();
        return static_cast<qint64>(want * 2);
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    std::mutex mutex_;
    std::condition_variable room_;
    std::deque<int16_t> queue_;
    int64_t written_ = 0, taken_ = 0, silenceAfter_ = 0;
};

class SoundCardOutput : public AudioOutput {
public:
    explicit SoundCardOutput(const QAudioDevice& device) {
        QAudioFormat format;
        format.setSampleRate(kSampleRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        sink_ = std::make_unique<QAudioSink>(device, format);
        sink_->setBufferSize(kSampleRate / 10 * 2);  // 100 ms
        queue_.open(QIODevice::ReadOnly);
        sink_->start(&queue_);
        latency_ = sink_->bufferSize() / 2;
    }
    ~SoundCardOutput() override {
        queue_.Clear();
        sink_->stop();
    }
    void Write(const int16_t* samples, size_t count) override { queue_.Push(samples, count); }
    int64_t Written() override { return queue_.Written(); }
    // What the sink has taken is heard once it has passed through the device's buffer;
    // silence taken after it pushes it out.
    int64_t Played() override {
        const auto [taken, silence] = queue_.Taken();
        return std::max<int64_t>(0, taken - std::max<int64_t>(0, latency_ - silence));
    }
    void Drop() override { queue_.Clear(); }
    void Pause(bool paused) override {
        QAudioSink* sink = sink_.get();
        QMetaObject::invokeMethod(sink, [sink, paused] { paused ? sink->suspend() : sink->resume(); });
    }

private:
    SampleQueue queue_;
    std::unique_ptr<QAudioSink> sink_;
    int64_t latency_ = 0;
};

}  // namespace

std::unique_ptr<AudioOutput> MakeSoundCardOutput() {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return nullptr;
    return std::make_unique<SoundCardOutput>(device);
}

}  // namespace lyrasta::synth
