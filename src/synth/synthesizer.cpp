#include "synthesizer.h"

#include <algorithm>
#include <chrono>

#include "command_text.h"

namespace lyrasta::synth {
namespace {

double Ms(int64_t sample) { return static_cast<double>(sample) * 1000.0 / kSampleRate; }

// Speaker numbers of the start-up call, as the speech engine numbers its voices.
const char* SpeakerName(int speaker) {
    switch (speaker) {
    case 1: return "Harry";
    case 3: return "Dennis";
    case 4: return "Betty";
    case 7: return "Rita";
    case 8: return "Kit";
    default: return "Paul";
    }
}

}  // namespace

TSynthesizer::TSynthesizer(std::unique_ptr<AudioOutput> output) : device_(std::move(output)) {}

TSynthesizer::~TSynthesizer() { Shutdown(); }

int TSynthesizer::Startup(NotificationTarget target, int, int options) {
    std::lock_guard lock(mutex_);
    if (started_) return 1;
    target_ = std::move(target);
    if (!device_) device_ = std::make_unique<ClockOutput>();
    output_ = (options & kFastMode) ? static_cast<AudioOutput*>(&fast_) : device_.get();
    started_ = true;
    stopping_ = false;
    worker_ = std::thread([this] { WorkerLoop(); });
    notifier_ = std::thread([this] { NotifierLoop(); });
    return 0;
}

int TSynthesizer::Shutdown() {
    {
        std::lock_guard lock(mutex_);
        if (!started_) return 1;
    }
    Reset();
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        jobs_.clear();
        pending_.clear();
    }
    wake_.notify_all();
    worker_.join();
    notifier_.join();
    wave_.Close();
    std::lock_guard lock(mutex_);
    started_ = false;
    return 0;
}

void TSynthesizer::Enqueue(Job job) {
    {
        std::lock_guard lock(mutex_);
        job.generation = generation_;
        jobs_.push_back(std::move(job));
    }
    wake_.notify_all();
}

int TSynthesizer::SetSpeaker(int speaker) {
    return Speak(std::string("[:name ") + SpeakerName(speaker) + "]", false);
}

int TSynthesizer::Speak(const std::string& text, bool final) {
    if (!started_) return 1;
    Enqueue({Job::Kind::Speak, text, final, 0});
    return 0;
}

int TSynthesizer::OpenWaveFile(const std::string& path, int) {
    if (!started_) return 1;
    Enqueue({Job::Kind::OpenWave, path, false, 0});
    return 0;
}

int TSynthesizer::CloseWaveFile() {
    if (!started_) return 1;
    Enqueue({Job::Kind::CloseWave, {}, false, 0});
    return 0;
}

int TSynthesizer::Pause() {
    if (!started_) return 1;
    output_->Pause(true);
    return 0;
}

int TSynthesizer::Resume() {
    if (!started_) return 1;
    output_->Pause(false);
    return 0;
}

int TSynthesizer::Reset() {
    if (!started_) return 1;
    {
        std::lock_guard lock(mutex_);
        ++generation_;
        // Wave files stay as they were asked for; only the text is dropped.
        std::erase_if(jobs_, [](const Job& j) { return j.kind == Job::Kind::Speak; });
        pending_.clear();
    }
    output_->Drop();
    output_->Pause(false);
    Post({SynthEvent::Kind::End, kEndOfText, Ms(clock_)}, 0, generation_);
    return 0;
}

void TSynthesizer::Post(const SynthEvent& e, int64_t heardAt, uint64_t generation) {
    {
        std::lock_guard lock(mutex_);
        if (generation != generation_) return;
        pending_.push_back({e, heardAt, generation});
    }
    wake_.notify_all();
}

void TSynthesizer::WaitUntilIdle() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return !started_ || (jobs_.empty() && pending_.empty() && !busy_ && !delivering_); });
}

std::string TSynthesizer::LastError() {
    std::lock_guard lock(mutex_);
    return error_;
}

void TSynthesizer::SetNoteObserver(std::function<void(const SungNote&)> observer) {
    std::lock_guard lock(mutex_);
    noteObserver_ = std::move(observer);
}

void TSynthesizer::WorkerLoop() {
    std::unique_lock lock(mutex_);
    while (true) {
        wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
        if (stopping_) return;
        Job job = std::move(jobs_.front());
        jobs_.pop_front();
        busy_ = true;
        lock.unlock();
        switch (job.kind) {
        case Job::Kind::Speak:
            RenderText(job);
            break;
        case Job::Kind::OpenWave:
            if (!wave_.Open(job.text)) {
                std::lock_guard errorLock(mutex_);
                error_ = wave_.Error();
            }
            break;
        case Job::Kind::CloseWave:
            if (wave_.IsOpen() && !wave_.Close()) {
                std::lock_guard errorLock(mutex_);
                error_ = wave_.Error();
            }
            break;
        }
        lock.lock();
        busy_ = false;
        idle_.notify_all();
    }
}

void TSynthesizer::RenderText(const Job& job) {
    if (job.generation != generation_) return;
    const Score score = builder_.Build(ParseCommandText(job.text));
    clock_ = score.end;
    {
        std::lock_guard lock(mutex_);
        if (noteObserver_)
            for (const SungNote& n : score.notes) noteObserver_(n);
    }
    // While a wave file is open the sound goes into it instead of the device, and is
    // "heard" as soon as it is written.
    const bool toFile = wave_.IsOpen();
    const int64_t base = output_->Written() - score.start;
    auto heardAt = [&](int64_t sample) { return toFile ? 0 : base + sample; };
    size_t nextMark = 0;
    int64_t rendered = score.start;
    auto postMarks = [&](int64_t upTo) {
        for (; nextMark < score.marks.size() && score.marks[nextMark].sample <= upTo; ++nextMark) {
            const IndexMark& m = score.marks[nextMark];
            Post({SynthEvent::Kind::Index, m.mark, Ms(m.sample)}, heardAt(m.sample), job.generation);
        }
    };
    postMarks(score.start);
    const bool done = renderer_.Render(score, [&](const int16_t* samples, size_t count) {
        if (job.generation != generation_) return false;
        if (toFile) {
            wave_.Write(samples, count);
        } else {
            output_->Write(samples, count);
        }
        rendered += static_cast<int64_t>(count);
        postMarks(rendered - 1);
        return true;
    });
    if (!done) {
        if (!toFile) output_->Drop();
        return;
    }
    postMarks(score.end);
    if (job.final) Post({SynthEvent::Kind::End, kEndOfText, Ms(score.end)}, heardAt(score.end), job.generation);
}

void TSynthesizer::NotifierLoop() {
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        if (pending_.empty()) {
            idle_.notify_all();
            wake_.wait(lock, [this] { return stopping_ || !pending_.empty(); });
            continue;
        }
        if (output_->Played() < pending_.front().heardAt) {
            wake_.wait_for(lock, std::chrono::milliseconds(2));
            continue;
        }
        const SynthEvent e = pending_.front().event;
        pending_.pop_front();
        delivering_ = true;
        lock.unlock();
        if (target_) target_(e);
        lock.lock();
        delivering_ = false;
        idle_.notify_all();
    }
}

}  // namespace lyrasta::synth
