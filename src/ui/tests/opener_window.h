#pragma once
// A main window with the program's open commands for the window tests: the catalogue is the
// small one of the readings tests, and loading a reading records the request and fills the
// view with the Genesis fixture.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "fixture_reading.h"
#include "gui_app.h"
#include "ui/reading_opener.h"
#include "ui/trope_player.h"
#include "support/temp_path.h"

namespace lyrasta::ui::testing {

inline const std::filesystem::path kFixture =
    std::filesystem::path(LYRASTA_DATA_DIR) / "../src/readings/tests/data/sedrot-fixture.xml";

// A data folder whose catalogue is the small one of the readings tests.
inline std::filesystem::path CatalogueDir() {
    const auto dir = ProcessTempPath("lyrasta_open_reading_test");
    std::filesystem::create_directories(dir / "encodings");
    std::filesystem::copy_file(kFixture, dir / "encodings" / "sedrot.xml",
                               std::filesystem::copy_options::overwrite_existing);
    return dir;
}

struct OpenerWindow {
    TSettingsStore settings;
    std::vector<TReadingRequest> opened;
    std::unique_ptr<TTropePlayer> window;
    std::unique_ptr<TReadingOpener> opener;
    std::vector<std::string> messages;

    explicit OpenerWindow(const std::string& ini) : settings(ini) {
        settings.Load();
        TPlayerServices services;
        services.loadReading = [this](const TReadingRequest& r, TWordTable& table, std::string&) {
            opened.push_back(r);
            FillGenesis(table);
            return true;
        };
        window = std::make_unique<TTropePlayer>(Fonts(), settings, std::move(services));
        window->show();
        opener = std::make_unique<TReadingOpener>(*window, settings, CatalogueDir(),
                                                  [this](const std::string&, const std::string& text) {
                                                      messages.push_back(text);
                                                  });
    }
};

}  // namespace lyrasta::ui::testing
