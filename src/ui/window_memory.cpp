#include "window_memory.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>

namespace lyrasta::ui {

namespace {

// Keys of the "Options" section.
constexpr const char* kViewMode = "ViewMode";
constexpr const char* kTextSize = "TextSize";
constexpr const char* kGeometry = "WindowGeometry";
constexpr const char* kReading = "SelectedWordReading";
constexpr const char* kWord = "SelectedWord";

int IntOr(const TSettingsStore& s, const char* key, int fallback) {
    const std::string text = s.Text(key);
    if (text.empty() || text.size() > 9) return fallback;
    size_t start = text[0] == '-' ? 1 : 0;
    if (start == text.size()) return fallback;
    for (size_t i = start; i < text.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return fallback;
    return std::stoi(text);
}

bool IsHex(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](unsigned char c) { return std::isxdigit(c) != 0; });
}

}  // namespace

TWindowMemory TWindowMemory::Read(const TSettingsStore& s) {
    TWindowMemory m;
    m.viewMode = IntOr(s, kViewMode, 0);
    if (m.viewMode < 0 || m.viewMode > 2) m.viewMode = 0;
    m.textSize = IntOr(s, kTextSize, kDefaultTextSize);
    if (m.textSize < kMinTextSize || m.textSize > kMaxTextSize) m.textSize = kDefaultTextSize;
    m.geometry = s.Text(kGeometry);
    if (!IsHex(m.geometry) || m.geometry.size() % 2 != 0) m.geometry.clear();
    m.readingKey = s.Text(kReading);
    m.word = IntOr(s, kWord, -1);
    if (m.word < 0 || m.readingKey.empty()) m.word = -1;
    return m;
}

void TWindowMemory::Write(TSettingsStore& s) const {
    s.Set(kViewMode, std::to_string(viewMode));
    s.Set(kTextSize, std::to_string(textSize));
    if (!geometry.empty()) s.Set(kGeometry, geometry);
    if (word >= 0 && !readingKey.empty()) {
        s.Set(kReading, readingKey);
        s.Set(kWord, std::to_string(word));
    }
}

std::string ReadingKey(const std::string& title, bool wrapped, const TReadingSections& sections) {
    // The settings keep values up to 254 characters: a long key is cut to a hash-like
    // digest of its whole text, so that two readings never share a cut key.
    std::string key = title + (wrapped ? "|w" : "|");
    for (const std::string* part :
         {&sections.Kohen, &sections.Levi, &sections.Shlishi, &sections.Revii, &sections.Chamishi,
          &sections.Shishi, &sections.Shvii, &sections.Maftir, &sections.ChatanHaTorah,
          &sections.ChatanBereishisBara})
        key += "|" + *part;
    for (const std::string& r : sections.R) key += "|" + r;
    if (key.size() <= 200) return key;
    std::uint64_t h = 1469598103934665603ull;  // FNV-1a
    for (unsigned char c : key) h = (h ^ c) * 1099511628211ull;
    char digest[17];
    std::snprintf(digest, sizeof digest, "%016llx", static_cast<unsigned long long>(h));
    return key.substr(0, 180) + "#" + digest;
}

}  // namespace lyrasta::ui
