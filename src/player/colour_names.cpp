#include "colour_names.h"

#include <charconv>
#include <cstdio>

namespace lyrasta {

const std::vector<TNamedColour>& NamedColours() {
    static const std::vector<TNamedColour> kColours = {
        {"White", 0x00FFFFFF},     {"Aqua", 0x02FFFF70},     {"DarkFuchsia", 0x00A040FF},
        {"Fuchsia", 0x00FF70FF},   {"Yellow", 0x0070FFFF},   {"Blue", 0x00FF7070},
        {"PaleOrange", 0x0070A0FF}, {"Orange", 0x00C0E0FF},  {"LiteGreen", 0x0000FF00},
        {"MidGreen", 0x0000C000},  {"Green", 0x0070FF70},    {"Red", 0x007070FF},
        {"Salmon", 0x008C8CFF},    {"PaleGray", 0x00E0E0E0}, {"Gray", 0x00C0C0C0},
        {"Purple", 0x00B04AB0},    {"Pink", 0x00E5C4E9}};
    return kColours;
}

const std::vector<std::string_view>& GroupBoxColourNames() {
    static const std::vector<std::string_view> kNames = {
        "White", "Aqua", "Fuchsia", "Purple", "Pink", "Red",
        "Yellow", "Blue", "Orange", "Salmon", "Green", "Gray"};
    return kNames;
}

std::optional<SettingColour> ColorOfName(std::string_view text) {
    if (text.empty()) return std::nullopt;
    for (const TNamedColour& c : NamedColours())
        if (c.name == text) return c.colour;
    if (text[0] == '$') return ParseSettingColour(text);
    SettingColour value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<std::string_view> NameOfColor(SettingColour colour) {
    for (const TNamedColour& c : NamedColours())
        if (c.colour == colour) return c.name;
    return std::nullopt;
}

const std::array<TColourGroup, 15>& ColourGroups() {
    static const std::array<TColourGroup, 15> kGroups = {{
        {"Sof Pasuk", kGroupSofPasuk},         {"Etnachta", kGroupEtnachta},
        {"Zakef Katon", kGroupZakefKaton},     {"Revia", kGroupRevia},
        {"Tevir", kGroupTevir},                {"End of Aliyah", kGroupEndOfAliyah},
        {"End of Book", kGroupEndOfBook},      {"Segol", kGroupSegol},
        {"Geresh", kGroupGeresh},              {"Gershayim", kGroupGershayim},
        {"Telisha Gedola", kGroupTelishaGedola}, {"Shalshelet", kGroupShalshelet},
        {"Karne Fara", kGroupKarneFara},       {"Zakef Gadol", kGroupZakefGadol},
        {"Pazer", kGroupPazer}}};
    return kGroups;
}

SettingColour OriginalColour(int group) {
    switch (group) {
    case kGroupSofPasuk: return 0x02FFFF70;
    case kGroupEtnachta: return 0x00FF70FF;
    case kGroupZakefKaton: return 0x0070FFFF;
    case kGroupEndOfAliyah: return 0x00FF7070;
    case kGroupEndOfBook:
    case kGroupEndOfChapter: return 0x00C0C0C0;
    default: return 0x00FFFFFF;
    }
}

SettingColour ToSettingColour(Rgb c) {
    return static_cast<SettingColour>(c.b) << 16 | static_cast<SettingColour>(c.g) << 8 | c.r;
}

std::optional<SettingColour> ParseColourSetting(std::string_view text) {
    if (text == "clWhite") return 0x00FFFFFF;
    if (text == "clSilver") return 0x00C0C0C0;
    return ParseSettingColour(text);
}

std::string SettingColourText(SettingColour colour) {
    if (colour == 0x00FFFFFF) return "clWhite";
    if (colour == 0x00C0C0C0) return "clSilver";
    char text[10];
    std::snprintf(text, sizeof text, "$%08X", colour);
    return text;
}

}  // namespace lyrasta
