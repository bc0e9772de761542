#include "melody.h"

#include <charconv>
#include <unordered_map>

namespace lyrasta {

namespace {

// The scale names: the digits name the lowest octave, the small letters the next, the
// capitals (then H, I) the one above; "#" and "-" move a half tone, "x" and "/" a quarter.
const std::unordered_map<std::string, double>& PitchNames() {
    static const std::unordered_map<std::string, double> names = [] {
        std::unordered_map<std::string, double> m;
        const std::pair<const char*, double> table[] = {
            {"3", 1}, {"3x", 1.5}, {"3#", 2}, {"4-", 2}, {"4/", 2.5}, {"4", 3}, {"4x", 3.5},
            {"4#", 4}, {"5-", 4}, {"5/", 4.5}, {"5", 5}, {"5x", 5.5}, {"6/", 5.5}, {"6", 6},
            {"6x", 6.5}, {"6#", 7}, {"7-", 7}, {"7/", 7.5}, {"7", 8}, {"7x", 8.5}, {"7#", 9},
            {"1-", 9}, {"1/", 9.5}, {"1", 10}, {"1x", 10.5}, {"1#", 11}, {"2-", 11},
            {"2/", 11.5}, {"2", 12}, {"2x", 12.5}, {"c/", 12.5},
            {"c", 13}, {"cx", 13.5}, {"c#", 14}, {"d-", 14}, {"d/", 14.5}, {"d", 15},
            {"dx", 15.5}, {"d#", 16}, {"e-", 16}, {"e/", 16.5}, {"e", 17}, {"ex", 17.5},
            {"f/", 17.5}, {"f", 18}, {"fx", 18.5}, {"f#", 19}, {"g-", 19}, {"g/", 19.5},
            {"g", 20}, {"gx", 20.5}, {"g#", 21}, {"a-", 21}, {"a/", 21.5}, {"a", 22},
            {"ax", 22.5}, {"a#", 23}, {"b-", 23}, {"b/", 23.5}, {"b", 24}, {"bx", 24.5},
            {"C/", 24.5},
            {"C", 25}, {"Cx", 25.5}, {"C#", 26}, {"D-", 26}, {"D/", 26.5}, {"D", 27},
            {"Dx", 27.5}, {"D#", 28}, {"E-", 28}, {"E/", 28.5}, {"E", 29}, {"Ex", 29.5},
            {"F/", 29.5}, {"F", 30}, {"Fx", 30.5}, {"F#", 31}, {"G-", 31}, {"G/", 31.5},
            {"G", 32}, {"Gx", 32.5}, {"G#", 33}, {"A-", 33}, {"A/", 33.5}, {"A", 34},
            {"Ax", 34.5}, {"A#", 35}, {"B-", 35}, {"B/", 35.5}, {"B", 36}, {"Bx", 36.5},
            {"H/", 36.5}, {"H", 37}, {"Hx", 37.5}, {"H#", 38}, {"I-", 38}, {"I/", 38.5},
            {"I", 39}, {"Ix", 39.5}, {"I#", 40}, {"J-", 40},
        };
        for (const auto& [name, value] : table) m.emplace(name, value);
        return m;
    }();
    return names;
}

}  // namespace

std::string PitchName(double value) {
    // The natural notes and sharps of the table, one name per half tone from 1 to 40.
    static const char* const names[] = {
        "3", "3#", "4", "4#", "5", "6", "6#", "7", "7#", "1", "1#", "2",
        "c", "c#", "d", "d#", "e", "f", "f#", "g", "g#", "a", "a#", "b",
        "C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B",
        "H", "H#", "I", "I#",
    };
    const int whole = static_cast<int>(value);
    if (whole == value && whole >= 1 && whole <= 40) return names[whole - 1];
    // A quarter tone: the natural note above lowered ("b/"), or the one below raised ("ax").
    if (whole + 0.5 == value && whole >= 1 && whole < 40) {
        const std::string above = names[whole];
        return above.size() == 1 ? above + "/" : std::string(names[whole - 1]) + "x";
    }
    std::string text = std::to_string(value);
    text.erase(text.find_last_not_of('0') + 1);
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

int NoteDivisor(const MelodyNote& note) { return note.duration > 0 ? note.duration : 4; }

double PitchValue(const std::string& text) {
    const auto& names = PitchNames();
    if (auto it = names.find(text); it != names.end()) return it->second;
    double value = 0;
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+') ++begin;
    auto [stop, ec] = std::from_chars(begin, end, value);
    return ec == std::errc() ? value : 0;
}

strucMelodyCounts MelodyCounts(const Melody* melody) {
    strucMelodyCounts c;
    if (!melody) return c;
    const int total = static_cast<int>(melody->size());
    for (const MelodyNote& n : *melody) {
        if (n.upbeat) ++c.upbeats;
        if (n.extra) ++c.extras;
        if (n.tiedTrue) ++c.continues;
    }
    c.main = total - c.upbeats - c.extras;
    const int last = total - c.extras - 1;
    if (total >= 2 && last >= 1) c.highLast = (*melody)[last].pitch > (*melody)[last - 1].pitch;
    return c;
}

}  // namespace lyrasta
