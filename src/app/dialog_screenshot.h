#pragma once
// The windows and dialogs a screenshot can show instead of the main window, for the
// documentation: `lyrasta --dialog NAME --screenshot FILE.png`.

#include <QWidget>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "player/settings_store.h"
#include "ui/trope_player.h"

namespace lyrasta::app {

// "customize", "sections", "melodies", "legend", "help", "about".
const std::vector<std::string>& ScreenshotDialogs();

// The dialog, filled from the main window and shown (not run); nullptr for an unknown name.
std::unique_ptr<QWidget> ShowDialogForScreenshot(const std::string& name, ui::TTropePlayer& window,
                                                 TSettingsStore& settings, const std::filesystem::path& dataDir);

}  // namespace lyrasta::app
