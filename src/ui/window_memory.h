#pragma once
// What the main window remembers between sessions, so that a student finds their place
// again: the view (modern letters, scroll letters or both), the text size, the window's
// size and place, and the selected word of the reading that was open. The selected word
// comes back only when the same reading is opened again.

#include <string>

#include "player/settings_store.h"
#include "text/reading_loader.h"

namespace lyrasta::ui {

struct TWindowMemory {
    static constexpr int kDefaultTextSize = 20;  // the text view's base size
    static constexpr int kMinTextSize = 10, kMaxTextSize = 60;

    int viewMode = 0;
    int textSize = kDefaultTextSize;
    std::string geometry;    // the toolkit's saved window geometry, in hexadecimal
    std::string readingKey;  // the reading the word belongs to
    int word = -1;           // the selected word of that reading

    // From the settings; values out of range give the defaults.
    static TWindowMemory Read(const TSettingsStore& settings);
    void Write(TSettingsStore& settings) const;
};

// A reading's identity for the remembered word: its title, its sections and whether it is
// shown pre-wrapped (the same reading laid out otherwise has other item numbers).
std::string ReadingKey(const std::string& title, bool wrapped, const TReadingSections& sections);

}  // namespace lyrasta::ui
