#include "start_up_windows.h"

#include "ui/about_window.h"
#include "ui/debug_window.h"
#include "ui/reading_opener.h"
#include "ui/trope_player.h"

namespace lyrasta::ui {

TStartUpWindows::TStartUpWindows(TTropePlayer& window, TSettingsStore& settings,
                                 const std::filesystem::path& dataDir,
                                 std::function<void(const std::string&)> speak,
                                 std::function<void(const std::string&, const std::string&)> message)
    : debug_(std::make_unique<TfrmDebug>(std::move(speak), &window)),
      splash_(std::make_unique<TfrmSplash>(&window)),
      opener_(std::make_unique<TReadingOpener>(window, settings, dataDir, std::move(message))) {}

TStartUpWindows::~TStartUpWindows() = default;

}  // namespace lyrasta::ui
