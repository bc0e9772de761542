#include "synth_link.h"

#include <QCoreApplication>

#include <atomic>
#include <chrono>
#include <future>

#include "player/command_text.h"
#include "synth/qt/sound_card_output.h"
#include "ui/heb_view.h"

namespace lyrasta::ui {

namespace {

// The command pieces go to an engine's speak and wave-file operations.
// Every piece is also written to the log, when there is one (the debug window).
class EngineOutput : public TSynthOutput {
public:
    explicit EngineOutput(synth::TSynthesizer& engine,
                          const std::function<void(const std::string&)>* log = nullptr)
        : engine_(engine), log_(log) {}
    void OpenWave(const std::string& file) override { engine_.L8(file, 4); }
    void Speak(const std::string& text, bool final) override {
        if (log_ && *log_) (*log_)(text);
        engine_.L4(text, final ? 1 : 0);
    }
    void CloseWave() override { engine_.L9(); }

private:
    synth::TSynthesizer& engine_;
    const std::function<void(const std::string&)>* log_;
};

}  // namespace

TSynthLink::TSynthLink(TTropePlayer& window, TSettingsStore& settings, bool fastMode)
    : window_(&window), settings_(settings) {
    std::unique_ptr<synth::AudioOutput> output = fastMode ? nullptr : synth::MakeSoundCardOutput();
    soundDevice_ = output != nullptr;
    engine_ = std::make_unique<synth::TSynthesizer>(std::move(output));
    QPointer<TTropePlayer> target(&window);
    engine_->L1(
        [target](const synth::SynthEvent& e) {
            // Reported on the engine's thread: hand it to the window's thread.
            QMetaObject::invokeMethod(
                target.data(),
                [target, e] {
                    if (!target) return;
                    if (e.kind == synth::SynthEvent::Kind::Index)
                        target->OnIndexNotification(static_cast<int>(e.value));
                    else
                        target->OnEndNotification(static_cast<int>(e.value));
                },
                Qt::QueuedConnection);
        },
        -1, fastMode ? synth::kFastMode : 0);

    TPlayerServices& s = window.Services();
    s.singRange = [this](int kind, const TPlayback& player) {
        if (!window_) return;
        EngineOutput out(*engine_, &log);
        SingRange(window_->HView().Table(), static_cast<SingRangeMode>(kind), Options(player), &out);
    };
    s.resetSynthesizer = [this] { engine_->L7(false); };
    s.exportAudio = [this](const std::string& file, std::function<void(double)> progress,
                           std::string& error) { return Export(file, progress, error); };
}

TSynthLink::~TSynthLink() {
    if (window_) {
        TPlayerServices& s = window_->Services();
        s.singRange = nullptr;
        s.resetSynthesizer = nullptr;
        s.exportAudio = nullptr;
    }
    engine_->L3();
}

void TSynthLink::SpeakText(const std::string& text) {
    // Into the wave file of the settings when one is set, as the singing goes.
    const std::string wave = settings_.Text("WavFileName");
    if (!wave.empty()) engine_->L8(wave, 4);
    engine_->L4(text, 1);
    if (!wave.empty()) engine_->L9();
}

strucSingOptions TSynthLink::Options(const TPlayback& player) const {
    strucSingOptions o;
    o.speed = window_->Speed();
    o.volume = window_->Volume();
    o.voice = window_->Voice();
    o.wavFileName = settings_.Text("WavFileName");
    o.speak = window_->SpeakTexts();
    o.replay = player.Mode() == kPlayReplay;
    o.replayEnd = player.ReplayEndWord();
    return o;  // the player rebuilds a stale song before it submits
}

bool TSynthLink::Export(const std::string& file, const std::function<void(double)>& progress,
                        std::string& error) {
    if (!window_ || window_->HView().WordCount() == 0) {
        error = "There is no reading to export.";
        return false;
    }
    // A separate engine in fast mode, so that playing goes on undisturbed.
    const TWordTable& table = window_->HView().Table();
    const int first = table.SelectedWord(), last = table.WordCount() - 1;
    std::atomic<int> reached{first};
    synth::TSynthesizer writer;
    writer.L1([&reached](const synth::SynthEvent& e) {
        if (e.kind == synth::SynthEvent::Kind::Index) reached = static_cast<int>(e.value);
    }, -1, synth::kFastMode);
    if (writer.L8(file, 4) != 0) {
        error = "The wave file " + file + " cannot be written. " + writer.LastError();
        writer.L3();
        return false;
    }
    EngineOutput out(writer);
    strucSingOptions options = Options(window_->Player());
    options.replay = false;
    options.wavFileName.clear();
    SingRange(table, kRangeSection, options, &out);
    writer.L9();
    auto done = std::async(std::launch::async, [&writer] { writer.WaitUntilIdle(); });
    while (done.wait_for(std::chrono::milliseconds(30)) != std::future_status::ready) {
        const int span = std::max(1, last - first);
        progress(std::clamp(static_cast<double>(reached - first) / span, 0.0, 1.0));
    }
    progress(1.0);
    error = writer.LastError();
    writer.L3();
    if (!error.empty()) return false;
    return true;
}

}  // namespace lyrasta::ui
