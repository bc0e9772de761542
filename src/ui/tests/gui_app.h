#pragma once
// The application object of the window tests, on Qt's offscreen platform, and the display
// fonts they share.

#include <QApplication>

#include <filesystem>

#include "ui/display_fonts.h"
#include "support/temp_path.h"

namespace lyrasta::ui::testing {

inline QApplication& App() {
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // The user's own readings of the tests are kept away from the user's.
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(
                                     ProcessTempPath("lyrasta_ui_tests_data").string()));
        return new QApplication(argc, argv);
    }();
    return *app;
}

inline TDisplayFonts& Fonts() {
    App();
    // Kept to the end of the run: Qt's font engines must not outlive the application.
    static TDisplayFonts* fonts = new TDisplayFonts;
    return *fonts;
}

}  // namespace lyrasta::ui::testing
