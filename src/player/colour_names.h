#pragma once
// The named colours the user picks trope group colours from, and the groups the user can
// colour, in the order the customise dialog and the colour legend list them. Colours are
// setting colours ("$FFBBGGRR": flag byte, blue, green, red).

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "player/trope_groups.h"

namespace lyrasta {

struct TNamedColour {
    std::string_view name;
    SettingColour colour;
};
// Every colour with a name, as the colour box knows them.
const std::vector<TNamedColour>& NamedColours();
// The names each group's colour box offers.
const std::vector<std::string_view>& GroupBoxColourNames();

// A colour box item's text to its colour: a name of the table, else an integer colour
// (decimal, or "$" and hexadecimal digits). An empty text is white and not a colour.
std::optional<SettingColour> ColorOfName(std::string_view text);
// The name of a colour; "White" and not found (nullopt) for a colour without one.
std::optional<std::string_view> NameOfColor(SettingColour colour);

// A group the user colours: its caption and its trope group number (End of Book also
// colours the end of a chapter, which shares its colour key).
struct TColourGroup {
    std::string_view caption;
    int group;
};
const std::array<TColourGroup, 15>& ColourGroups();
// The colour "Restore original colors" gives a group.
SettingColour OriginalColour(int group);

// The setting colour of a drawn colour (flag byte 0).
SettingColour ToSettingColour(Rgb colour);
// Two colours are the same colour whatever their flag bytes.
inline bool SameColour(SettingColour a, SettingColour b) { return (a & 0xFFFFFF) == (b & 0xFFFFFF); }
// A colour setting's text: "$" and hexadecimal digits, or "clWhite" or "clSilver".
std::optional<SettingColour> ParseColourSetting(std::string_view text);

// A colour as the settings file writes it: the standard colour names for white and
// silver, otherwise "$" and eight hexadecimal digits.
std::string SettingColourText(SettingColour colour);

}  // namespace lyrasta
