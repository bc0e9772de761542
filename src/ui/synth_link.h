#pragma once
// The window's link to the singing synthesizer: starts the engine, turns its index and
// end notifications (reported on the engine's own thread) into queued events on the
// user-interface thread, submits the command text of the ranges the player asks for, and
// writes a range to a wave file for "Export audio...".

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <string>

#include "player/command_text.h"
#include "synth/synthesizer.h"
#include "ui/trope_player.h"

namespace lyrasta::ui {

class TSynthLink : public QObject {
    Q_OBJECT
public:
    // Starts the engine for the window and fills in the window's singing services. Fast
    // mode renders as fast as possible and reports at once (tests, headless runs).
    TSynthLink(TTropePlayer& window, TSettingsStore& settings, bool fastMode = false);
    ~TSynthLink() override;

    synth::TSynthesizer& Engine() { return *engine_; }
    // False when the machine has no sound output: the singing then keeps time silently.
    bool HasSoundDevice() const { return soundDevice_; }
    // Hands command text to the synthesizer as it stands (the debug window's Speak).
    void SpeakText(const std::string& text);
    // Receives every command piece submitted for singing (the debug window's log).
    std::function<void(const std::string&)> log;

private:
    strucSingOptions Options(const TPlayback& player) const;
    bool Export(const std::string& file, const std::function<void(double)>& progress,
                std::string& error);

    QPointer<TTropePlayer> window_;
    TSettingsStore& settings_;
    bool soundDevice_ = false;
    std::unique_ptr<synth::TSynthesizer> engine_;
};

}  // namespace lyrasta::ui
