#include "value_ranges.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>

namespace lyrasta {

namespace {

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

// Options: the song's pitch in half tones, its speed and volume steps, the seed of the sung
// notes' random variation, and the item where singing starts (checked again against the
// reading once it is loaded).
constexpr TValueRange kOptions[] = {
    {"pitch", -12, 12},
    {"speed", 1, 25},
    {"volume", 1, 10},
    {"seed", 0, 4294967295LL},
    {"word", 0, INT_MAX},
};

// Settings as stored: Speed is the speed step x 12 + 20; the margin is in pixels at 96 dots
// per inch; the list indexes are those of the voice, pronunciation and phoneme lists.
constexpr TValueRange kSettings[] = {
    {"MarginWidth", 0, 100},
    {"Speed", 32, 320},
    {"Pitch", -12, 12},
    {"Volume", 1, 10},
    {"Voice", 0, 5},
    {"Pronunciation", 0, 6},
    {"PhonemeSet", 0, 6},
    {"UpbeatFactor", 0, 100, false},
    {"ForceFontSize", 6, 200},
};

template <size_t N>
const TValueRange* Find(const TValueRange (&table)[N], std::string_view name) {
    for (const TValueRange& r : table)
        if (SameName(r.name, name)) return &r;
    return nullptr;
}

}  // namespace

const TValueRange* OptionRange(std::string_view option) { return Find(kOptions, option); }
const TValueRange* SettingRange(std::string_view key) { return Find(kSettings, key); }
std::span<const TValueRange> SettingRanges() { return kSettings; }

std::string RangeText(const TValueRange& range) {
    return "from " + std::to_string(range.min) + " to " + std::to_string(range.max);
}

namespace {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '\r'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

}  // namespace

std::optional<double> ParseRealNumber(std::string_view text) {
    const std::string t(Trim(text));
    char* end = nullptr;
    const double v = std::strtod(t.c_str(), &end);
    if (t.empty() || end != t.c_str() + t.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<long long> ParseWholeNumber(std::string_view text) {
    text = Trim(text);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    long long v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return v;
}

}  // namespace lyrasta
