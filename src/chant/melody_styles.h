#pragma once
// The melody styles (niggunim): the catalogue of styles per reading type, the style the
// user chose for each type, the choice of style (and second style) when a reading opens,
// and the current style with what hangs on it: its trope-name encoding, its key and its
// list of special melodies. The window shows the lists and labels kept here and
// implements the message callback; everything else runs without it.

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "chant/melody_rules.h"
#include "chant/note_placement.h"
#include "text/trope_definitions.h"
#include "text/xml.h"

namespace lyrasta {

// The nine reading types, in the order of the settings keys (each type's key is its name).
inline constexpr std::array<const char*, 9> kReadingTypes = {
    "Torah", "TorahBlessing", "HiHoliday", "Haftarah", "HaftarahBlessing",
    "Esther", "Eichah", "Tehillim", "Ruth-Koheles-ShirHashirim",
};

// Index of a reading type (exact comparison), -1 for any other text.
int ReadingTypeIndex(const std::string& type);

// The singing switches of a style element.
struct strucStyleOptions {
    int pitchBend = 0;
    bool assimilateRhythm = false;
    bool assimilatePitch = false;
    bool truncateExtraUpbeats = false;
    bool adjustHighMileil = true;
};
strucStyleOptions ReadStyleOptions(const TXMLelement* style);

// What the window shows of the melody choice after ChooseReadingStyles.
struct strucMelodyDisplay {
    bool twoMelodies = false;               // the labels and change button instead of the combo box
    std::vector<std::string> mainItems;     // cboNiggun, or the dialog's cboMelodyMain
    int mainIndex = -1;
    std::vector<std::string> auxItems;      // the dialog's cboMelodyAux
    int auxIndex = -1;
    std::string lblMelodyMain, lblMelodyAux;        // toolbar labels
    std::string dialogMainLabel, dialogAuxLabel;    // labels of the melody dialog
};

class TMelodyStyles {
public:
    // The definition documents stay owned by the caller.
    TMelodyStyles(const TTropeDefinitions& documents, MessageFunc message);

    // Builds the per-type lists from the definitions, with the saved style name per type.
    void BuildStyleCatalogue(const std::map<std::string, std::string>& saved);
    // The chosen style name per type, for the types with a choice.
    std::map<std::string, std::string> SaveStyleChoices() const;
    void SetChosenStyle(const std::string& type, int index);

    const std::vector<std::string>& StyleNames(const std::string& type) const;
    int ChosenIndex(const std::string& type) const;
    const std::string& HelpText(const std::string& type) const;

    // Sets the reading's main and second type (from the catalogue's Type and TypeAux).
    void SetReadingTypes(const std::string& main, const std::string& aux);
    const std::string& MainType() const { return mainType_; }
    const std::string& AuxType() const { return auxType_; }

    // Selects the styles of the open reading, warning once per type without a choice,
    // and makes the main style current. False when it could not be activated.
    bool ChooseReadingStyles();
    bool ActivateStyle(const std::string& name, const std::string& type);
    void LoadSpecialMelodyLocations();

    const strucMelodyDisplay& Display() const { return display_; }
    // The styles selected for the reading: the main one and, with two types, the second.
    const std::string& MainStyleName() const { return mainStyle_; }
    const std::string& AuxStyleName() const { return auxStyle_; }

    const TXMLelement* CurrentStyle() const { return style_; }
    // The melody rules of the current style (none without one), read from its element the
    // first time they are needed and kept as long as these styles: the definitions are read
    // again only together with new styles (the session's Reload).
    const TStyleIndex* CurrentRules();
    const TXMLelement* CurrentEncoding() const { return encoding_; }
    // The LOC of each special-melody item of the current style, and the items themselves.
    const std::vector<std::string>& SpecialMelodyLocations() const { return locations_; }
    const std::vector<const TXMLelement*>& SpecialMelodyItems() const { return items_; }

private:
    struct TypeEntry {
        std::vector<std::string> names;
        int chosen = -1;
        std::string help;
    };
    TypeEntry* Entry(const std::string& type);
    const TypeEntry* Entry(const std::string& type) const;
    // Selects the chosen style of a type, or its first with the warning; returns the name.
    std::string SelectFor(const std::string& type, bool second, int& index);

    const TTropeDefinitions& documents_;
    MessageFunc message_;
    std::array<TypeEntry, kReadingTypes.size()> types_;
    std::string mainType_, auxType_;
    std::string mainStyle_, auxStyle_;
    strucMelodyDisplay display_;
    const TXMLelement* style_ = nullptr;
    const TXMLelement* encoding_ = nullptr;
    std::vector<std::string> locations_;
    std::vector<const TXMLelement*> items_;
    std::map<const TXMLelement*, std::unique_ptr<TStyleIndex>> rules_;  // by style element
};

}  // namespace lyrasta
