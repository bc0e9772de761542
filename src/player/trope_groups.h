#pragma once
// Trope groups: every Hebrew word belongs to the phrase of the disjunctive accent that
// closes it, together with the servant (conjunctive) words before it that the phrase
// admits. The groups colour the words' background, bound the "until end of trope group"
// playing range and are named in the melody rules. Also the colours drawn on the trope
// symbols themselves.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/word_table.h"

namespace lyrasta {

enum TropeGroup {
    kGroupNone = 0,
    kGroupSofPasuk = 1,
    kGroupEtnachta = 2,
    kGroupZakefKaton = 3,
    kGroupEndOfAliyah = 4,
    kGroupSegol = 5,
    kGroupTevir = 6,
    kGroupRevia = 7,
    kGroupGeresh = 8,
    kGroupGershayim = 9,
    kGroupPazer = 10,
    kGroupTelishaGedola = 11,
    kGroupKarneFara = 12,
    kGroupZakefGadol = 13,
    kGroupShalshelet = 14,
    kGroupEndOfChapter = 15,
    kGroupEndOfBook = 16,
};
inline constexpr int kTropeGroupCount = 17;

// A colour as the settings write it, "$FFBBGGRR": a flag byte (00 plain, 02 the nearest
// palette colour), then blue, green and red.
using SettingColour = std::uint32_t;

// The groups' names, as the melody rules write them, are TropeGroupName (chant).
struct TropeGroupInfo {
    std::vector<std::string_view> startedBy;  // accents that start the group
    std::vector<std::string_view> servants;   // accents that keep a word in the group
    std::string_view colourKey;               // the settings key of its colour
    SettingColour defaultColour;
};

// The group table, indexed by group number 0..16; out-of-range numbers give group 0.
const TropeGroupInfo& TropeGroupInfoOf(int group);

// Assigns every item of the word table its trope group, walking from the last item to the
// first, and marks a munach before a paseq that is read as a munach legarmeh.
// notLegarmehBeforeRevia: the setting that reads a munach with paseq before a revia as
// a plain munach unless the text or the next word says otherwise.
void AssignTropeGroups(TWordTable& table, bool notLegarmehBeforeRevia);

// Colour categories of the trope symbols: 1 conjunctive, 2 minor disjunctive, 3 major
// disjunctive, 4 the grey copy of a doubled accent that only marks the word's position,
// 0 not coloured (meteg, paseq, V-marks).
enum TropeSymbolCategory { kSymbolPlain = 0, kSymbolConjunctive = 1, kSymbolMinor = 2,
                           kSymbolMajor = 3, kSymbolPositionCopy = 4 };
// The category of one accent code on a word (its letters); legarmeh is the word's munach
// legarmeh mark.
TropeSymbolCategory SymbolCategory(std::string_view code, const LetterList& word,
                                   bool legarmeh);
// The colour a symbol of the category is drawn in over the word's background colour.
SettingColour SymbolColour(TropeSymbolCategory category, SettingColour background);

// "$" and eight hexadecimal digits to a colour; none when the text is not one.
std::optional<SettingColour> ParseSettingColour(std::string_view text);
Rgb ToRgb(SettingColour colour);

}  // namespace lyrasta
