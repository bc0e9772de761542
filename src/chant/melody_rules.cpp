#include "melody_rules.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cctype>

namespace lyrasta {

namespace {

std::string Upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

bool SameNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

// The conditions a variant may carry, by attribute name.
enum Condition {
    kBefore, kBeforeBefore, kAfter, kAfterAfter, kOnOneWord, kSongOfMoses, kEndOfAliyah,
    kTropeGroup, kTropeGroupPosition, kEndOfChapter, kEndOfBook, kInCreationDay, kInJourney,
    kStartOfVerse, kMileil, kMonosyllabic, kAttrib, kDefault, kConditionCount
};

constexpr std::array<const char*, kConditionCount> kConditionNames = {
    "BEFORE", "BEFORE_BEFORE", "AFTER", "AFTER_AFTER", "ON_ONE_WORD", "SONG_OF_MOSES",
    "END_OF_ALIYAH", "TROPE_GROUP", "TROPE_GROUP_POSITION", "END_OF_CHAPTER", "END_OF_BOOK",
    "IN_CREATION_DAY", "IN_JOURNEY", "START_OF_VERSE", "MILEIL", "MONOSYLLABIC", "ATTRIB",
    "DEFAULT",
};

int ConditionOf(const std::string& attributeName) {
    for (int i = 0; i < kConditionCount; ++i)
        if (SameNoCase(attributeName, kConditionNames[i])) return i;
    return -1;
}

// The marker bit a SONG_OF_MOSES value asks for; 0 when the value names no marker.
int MarkerBit(const std::string& value) {
    static const std::pair<const char*, int> markers[] = {
        {"TRUE", kMosesSofPasuk},
        {"ChabadSongOfMosesEndOfBook", kChabadEndOfBook},
        {"ChabadSongOfMosesSofPasuk", kChabadSofPasuk},
        {"ChabadSongOfMosesZakefKaton", kChabadZakefKaton},
        {"HalvikSongOfMosesEarlyZakefKaton", kHalvikEarlyZakefKaton},
        {"HalvikSongOfMosesEtnachta", kHalvikEtnachta},
        {"HalvikSongOfMosesLateZakefKaton", kHalvikLateZakefKaton},
        {"HalvikSongOfMosesSofPasuk", kHalvikSofPasuk},
        {"HalvikSongOfMosesShortSofPasuk", kHalvikShortSofPasuk},
        {"HalvikSongOfMosesLateZakefKaton2", kHalvikLateZakefKaton2},
    };
    for (const auto& [name, bit] : markers)
        if (value == name) return bit;
    return 0;
}

// A flag condition: only the value "TRUE" asks for the flag.
bool FlagHolds(const std::string& value, bool flag) { return value != "TRUE" || flag; }

bool Holds(const std::array<std::string, kConditionCount>& v, const RuleContext& c) {
    auto equalOrEmpty = [](const std::string& want, const std::string& have) {
        return want.empty() || want == have;
    };
    if (!equalOrEmpty(v[kBefore], c.tropeAfter)) return false;
    if (!equalOrEmpty(v[kBeforeBefore], c.tropeAfterThat)) return false;
    if (!equalOrEmpty(v[kAfter], c.tropeBefore)) return false;
    if (!equalOrEmpty(v[kAfterAfter], c.tropeBeforeThat)) return false;
    if (!FlagHolds(v[kOnOneWord], c.onOneWord)) return false;
    if (const int bit = MarkerBit(v[kSongOfMoses]); bit != 0 && (c.songOfMoses & bit) == 0) return false;
    if (!FlagHolds(v[kEndOfAliyah], c.endOfAliyah)) return false;
    if (!v[kTropeGroup].empty()) {
        // A closing sof pasuk of a section is still a sof pasuk group to the rules.
        const std::string group = c.tropeGroup == 4 ? "SOF_PASUK" : Upper(TropeGroupName(c.tropeGroup));
        if (Upper(v[kTropeGroup]) != group) return false;
    }
    if (!v[kTropeGroupPosition].empty() && Upper(v[kTropeGroupPosition]) != c.groupPosition) return false;
    if (!FlagHolds(v[kEndOfChapter], c.endOfChapter)) return false;
    if (!FlagHolds(v[kEndOfBook], c.endOfBook)) return false;
    if (!FlagHolds(v[kInCreationDay], c.creationDay)) return false;
    if (v[kInJourney] == "1" && c.journey != 1) return false;
    if (v[kInJourney] == "2" && c.journey != 2) return false;
    if (!FlagHolds(v[kStartOfVerse], c.startOfVerse)) return false;
    if (!FlagHolds(v[kMileil], c.mileil)) return false;
    if (!FlagHolds(v[kMonosyllabic], c.noPretonic)) return false;
    // The special attribute is always compared: a word with one only matches variants
    // written for it, and such variants match nothing else.
    return Upper(v[kAttrib]) == Upper(c.specialAttribute);
}

const TXMLelement* TropeElement(const TXMLelement* style, const std::string& trope) {
    for (int i = 0; i < style->ChildCount(); ++i) {
        const TXMLelement* e = style->ChildByIndex(i);
        if (e->Type() == TXMLelement::ntElement && e->AttributeCount() > 0 &&
            SameNoCase(e->AttributeValue("Name"), trope))
            return e;
    }
    return nullptr;
}

}  // namespace

std::string TropeGroupName(int group) {
    static const char* const names[] = {
        "", "Sof_Pasuk", "Etnachta", "Zakef_Katon", "End_Of_Aliyah", "Segol", "Tevir", "Revia", "Geresh",
        "Gershayim", "Pazer", "Telisha_Gedola", "Karne_Fara", "Zakef_Gadol", "Shalshelet",
        "End_Of_Chapter", "End_Of_Book",
    };
    return group >= 0 && group <= 16 ? names[group] : "";
}

const TXMLelement* FindTropeMelody(const TXMLelement* style, const RuleContext& context) {
    if (!style || context.trope.empty()) return nullptr;
    const std::string trope = context.trope == "SOF_PASUK" ? "SILLUQ" : context.trope;
    const TXMLelement* element = TropeElement(style, trope);
    if (!element || element->ChildCount() == 0) return nullptr;

    const TXMLelement* chosen = nullptr;
    if (element->ChildCount() == 1) {
        chosen = element->FirstChild();
    } else {
        int defaultIndex = 0;
        for (int i = 0; i < element->ChildCount() && !chosen; ++i) {
            const TXMLelement* variant = element->ChildByIndex(i);
            std::array<std::string, kConditionCount> values;
            for (int a = 0; a < variant->AttributeCount(); ++a)
                if (const int k = ConditionOf(variant->AttributeName(a)); k >= 0)
                    values[k] = variant->AttributeValueAt(a);
            if (values[kDefault] == "TRUE") {
                defaultIndex = i;
                continue;
            }
            if (Holds(values, context)) chosen = variant;
        }
        if (!chosen) chosen = element->ChildByIndex(defaultIndex);
    }
    return chosen ? chosen->ChildByName("Notes") : nullptr;
}

Melody ReadMelody(const TXMLelement* notes) {
    Melody melody;
    if (!notes) return melody;
    auto attribute = [](const TXMLelement* e, const char* name) {
        return e->AttributeCount() > 0 ? e->AttributeValue(name) : std::string();
    };
    for (int i = 0; i < notes->ChildCount(); ++i) {
        const TXMLelement* e = notes->ChildByIndex(i);
        if (e->Type() != TXMLelement::ntElement) continue;
        MelodyNote n;
        n.pitch = PitchValue(attribute(e, "Pitch"));
        const std::string duration = attribute(e, "Duration");
        std::from_chars(duration.data(), duration.data() + duration.size(), n.duration);
        n.upbeat = Upper(attribute(e, "Upbeat")) == "TRUE";
        n.extra = !n.upbeat && Upper(attribute(e, "Extra")) == "TRUE";
        const std::string tie = attribute(e, "Continue");
        n.tied = !tie.empty();
        n.tiedTrue = Upper(tie) == "TRUE";
        melody.push_back(n);
    }
    return melody;
}

}  // namespace lyrasta
