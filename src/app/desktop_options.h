#pragma once
// The command line of the desktop program: the reading to open at start (the same reading
// options as the headless tool), the settings file and data folder, the view to show,
// and a screenshot of the window for tests and documentation.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/cli_args.h"

namespace lyrasta::app {

struct DesktopOptions {
    std::string title, subtitle, type, typeAux;
    bool wrapped = false;
    std::vector<std::pair<std::string, std::string>> sections;  // NAME, VALUE
    std::string settingsFile;  // empty: the user's configuration folder
    std::string dataDir;       // empty: the bundled data
    std::optional<int> viewMode;
    std::string screenshot;    // PNG to write after loading, then exit
    int width = 0, height = 0; // --size WxH; 0: maximised
};

// Parses the arguments after the program name; a UsageError names the fault.
DesktopOptions ParseDesktopOptions(const std::vector<std::string>& args);

}  // namespace lyrasta::app
