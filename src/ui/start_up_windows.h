#pragma once
// The windows made at start, after the main window and in this order: the debug window,
// there before anything is sung so that it logs every command piece; the splash, shown
// at the first activation; the open-reading dialog, which opens the first reading, and
// the calendar that selects readings in it. The dialogs a student may never open
// (training, customisation, melodies, sections, print, help, about) are made when first
// asked for, so that start-up stays fast and no window is made that nobody sees.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace lyrasta {
class TSettingsStore;
}

namespace lyrasta::ui {

class TReadingOpener;
class TTropePlayer;
class TfrmDebug;
class TfrmSplash;

class TStartUpWindows {
public:
    // `speak` is the debug window's "Speak"; `message` shows what could not be read.
    TStartUpWindows(TTropePlayer& window, TSettingsStore& settings, const std::filesystem::path& dataDir,
                    std::function<void(const std::string& text)> speak,
                    std::function<void(const std::string& caption, const std::string& text)> message);
    ~TStartUpWindows();

    TfrmDebug& Debug() { return *debug_; }
    TfrmSplash& Splash() { return *splash_; }
    TReadingOpener& Opener() { return *opener_; }

private:
    // Made in the order they are declared.
    std::unique_ptr<TfrmDebug> debug_;
    std::unique_ptr<TfrmSplash> splash_;
    std::unique_ptr<TReadingOpener> opener_;
};

}  // namespace lyrasta::ui
