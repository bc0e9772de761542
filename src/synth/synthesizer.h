#pragma once
// TSynthesizer: the singing engine behind the nine operations the player calls (L1..L9).
// Speak queues command text; a worker thread renders it in order into the audio output (or
// into the open wave file) and a notifier thread reports, through the target given at
// start-up, each index mark and the end of text (code 13) when the sound that follows them
// is actually heard. A reset stops at once, drops queued text and reports the end.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "audio_output.h"
#include "render.h"
#include "score.h"
#include "wave_file.h"

namespace lyrasta::synth {

struct SynthEvent {
    enum class Kind { Index, End };
    Kind kind = Kind::End;
    long value = 0;        // the index mark's number, or 13 for the end of text
    double ms = 0;         // position in the sung audio, milliseconds from start-up
};

// Called on the notifier thread; the user interface turns it into a queued event.
using NotificationTarget = std::function<void(const SynthEvent&)>;

// Start-up option: render as fast as possible and report as soon as rendered (tests, export).
constexpr int kFastMode = 1;
// The end-of-text code of the error notification.
constexpr long kEndOfText = 13;

class TSynthesizer {
public:
    // The output plays the sound (the sound card); none means the engine keeps time with
    // its own clock.
    explicit TSynthesizer(std::unique_ptr<AudioOutput> output = nullptr);
    ~TSynthesizer();
    TSynthesizer(const TSynthesizer&) = delete;
    TSynthesizer& operator=(const TSynthesizer&) = delete;

    // Results are 0 on success, 1 when the engine is not started or the request failed.
    int Startup(NotificationTarget target, int device = -1, int options = 0);
    int SetSpeaker(int speaker);
    int Shutdown();
    int Speak(const std::string& text, bool final);
    int Pause();
    int Resume();
    int Reset();
    int OpenWaveFile(const std::string& path, int format = 4);
    int CloseWaveFile();

    // Waits until everything queued has been rendered and its notifications delivered.
    void WaitUntilIdle();
    // The last failure of a wave file, empty when none.
    std::string LastError();
    // Called with every sung note as it is rendered (for the note report of the tool).
    void SetNoteObserver(std::function<void(const SungNote&)> observer);

    // The operations under the names the player imports.
    int L1(NotificationTarget target, int device = -1, int options = 0) { return Startup(std::move(target), device, options); }
    int L2(int speaker) { return SetSpeaker(speaker); }
    int L3() { return Shutdown(); }
    int L4(const std::string& text, int final) { return Speak(text, final != 0); }
    int L5() { return Pause(); }
    int L6() { return Resume(); }
    int L7(bool = false) { return Reset(); }
    int L8(const std::string& path, int format = 4) { return OpenWaveFile(path, format); }
    int L9() { return CloseWaveFile(); }

private:
    struct Job {
        enum class Kind { Speak, OpenWave, CloseWave } kind = Kind::Speak;
        std::string text;
        bool final = false;
        uint64_t generation = 0;
    };
    struct Pending {
        SynthEvent event;
        int64_t heardAt = 0;  // output sample count at which it is heard
        uint64_t generation = 0;
    };
    void Enqueue(Job job);
    void WorkerLoop();
    void NotifierLoop();
    void RenderText(const Job& job);
    void Post(const SynthEvent& e, int64_t heardAt, uint64_t generation);

    std::unique_ptr<AudioOutput> device_;
    FastOutput fast_;
    AudioOutput* output_ = nullptr;
    NotificationTarget target_;
    std::function<void(const SungNote&)> noteObserver_;

    std::mutex mutex_;
    std::condition_variable wake_, idle_;
    std::deque<Job> jobs_;
    std::deque<Pending> pending_;
    bool busy_ = false, delivering_ = false, stopping_ = false;
    std::atomic<bool> started_{false};
    std::atomic<int64_t> clock_{0};  // end of the text rendered last, on the sample clock
    std::atomic<uint64_t> generation_{0};
    std::string error_;

    // Worker state
    ScoreBuilder builder_;
    Renderer renderer_;
    WaveFile wave_;

    std::thread worker_, notifier_;
};

}  // namespace lyrasta::synth
