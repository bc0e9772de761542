#pragma once
// The command line of the desktop program: the reading to open at start (the reading
// options of the headless tool, with its reading types), the settings file, the view to
// show, and a screenshot of the window or a PDF of its pages, written without a window.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/cli_reading.h"

namespace lyrasta::app {

// A reading of the catalogue, chosen as in the open-reading dialog (--reading NAME ...).
struct CatalogueReadingOption {
    std::string reading;
    std::string kind = "Torah";  // the open button: Torah, Haftarah or Reading
    std::optional<int> year, cycle;
    bool israel = false, triennial = false;
};

struct DesktopOptions {
    std::optional<cli::ReadingOptions> reading;  // when a --section is given
    std::optional<CatalogueReadingOption> catalogueReading;  // when --reading is given
    std::filesystem::path dataDir;
    std::string type = "Torah", typeAux;
    std::string settingsFile;  // empty: the user's configuration folder
    std::optional<int> viewMode;
    std::string screenshot;    // PNG to write after loading, then exit
    std::string pdf;           // PDF of the printed pages to write after loading, then exit
    std::string dialog;        // with a screenshot: the dialog to draw instead of the window
    int width = 0, height = 0; // --size WxH; 0: maximised
};

// The windows of choosing a reading, which --dialog can also show at start without a
// screenshot: "open-reading", "custom-readings" (its custom tab) and "calendar".
bool IsReadingWindow(const std::string& dialog);

// The arguments after the program name, split into the program's own options (with their
// values) and the rest. The rest goes to the toolkit, which takes some options for itself
// ("-title" among them, in either dash form): the program's own must never reach it.
struct SplitArguments {
    std::vector<std::string> own, rest;
};
SplitArguments SplitDesktopArguments(const std::vector<std::string>& args);

// Parses the arguments after the program name; a UsageError names the fault.
DesktopOptions ParseDesktopOptions(const std::vector<std::string>& args);

}  // namespace lyrasta::app
