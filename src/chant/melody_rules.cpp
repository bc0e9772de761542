#include "melody_rules.h"

#include "text/text_helpers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cctype>
#include <string_view>

namespace lyrasta {

namespace {

// The conditions a variant may carry, by attribute name.
enum Condition {
    kBefore, kBeforeBefore, kAfter, kAfterAfter, kOnOneWord, kSongOfMoses, kEndOfAliyah,
    kTropeGroup, kTropeGroupPosition, kEndOfChapter, kEndOfBook, kInCreationDay, kInJourney,
    kStartOfVerse, kMileil, kMonosyllabic, kAttrib, kDefault, kConditionCount
};

static_assert(kConditionCount == kRuleConditionKinds);

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

// The marker bit a SONG_OF_MOSES value asks for; 0 when the value names no marker. Most
// variants name none: an empty value is answered without a search.
int MarkerBit(const std::string& value) {
    if (value.empty()) return 0;
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

bool Holds(const std::array<std::string, kRuleConditionKinds>& v, const RuleContext& c) {
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
        const std::string group = c.tropeGroup == 4 ? "SOF_PASUK" : TropeGroupName(c.tropeGroup);
        if (!SameNoCase(v[kTropeGroup], group)) return false;
    }
    if (!v[kTropeGroupPosition].empty() && !SameNoCase(v[kTropeGroupPosition], c.groupPosition)) return false;
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
    return SameNoCase(v[kAttrib], c.specialAttribute);
}

// The variants of a trope element: its element children (comments are not variants).
std::vector<strucRuleVariant> ReadVariants(const TXMLelement* trope) {
    std::vector<strucRuleVariant> variants;
    for (const TXMLelement* v = trope->FirstChild(); v; v = v->NextSibling()) {
        if (v->Type() != TXMLelement::ntElement) continue;
        strucRuleVariant r;
        for (int a = 0; a < v->AttributeCount(); ++a)
            if (const int k = ConditionOf(v->AttributeName(a)); k >= 0) r.conditions[k] = v->AttributeValueAt(a);
        r.isDefault = r.conditions[kDefault] == "TRUE";
        r.notes = v->ChildByName("Notes");
        r.melody = ReadMelody(r.notes);
        variants.push_back(std::move(r));
    }
    return variants;
}

// The variant that fits: a single variant always; else the first whose conditions hold,
// else the last default, else the first. -1 when there are no variants.
int ChooseVariant(const std::vector<strucRuleVariant>& variants, const RuleContext& context) {
    if (variants.size() <= 1) return variants.empty() ? -1 : 0;
    int defaultIndex = 0;
    for (size_t i = 0; i < variants.size(); ++i) {
        if (variants[i].isDefault) defaultIndex = static_cast<int>(i);
        else if (Holds(variants[i].conditions, context)) return static_cast<int>(i);
    }
    return defaultIndex;
}

bool IsTropeElement(const TXMLelement* e) { return e->Type() == TXMLelement::ntElement && e->AttributeCount() > 0; }

// Both names of the verse-ending trope are sung as silluq.
const std::string& LookupName(const std::string& trope) {
    static const std::string silluq = "SILLUQ";
    return trope == std::string_view("SOF_PASUK") ? silluq : trope;
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

TStyleIndex::TStyleIndex(const TXMLelement* style) {
    if (!style) return;
    for (const TXMLelement* e = style->FirstChild(); e; e = e->NextSibling())
        if (IsTropeElement(e)) tropes_.try_emplace(Upper(e->AttributeValue("Name")), ReadVariants(e));
}

const Melody* TStyleIndex::Find(const RuleContext& context) const {
    if (context.trope.empty()) return nullptr;
    // The rules are indexed by upper-case name, as the song builder writes trope names.
    const std::string& name = LookupName(context.trope);
    const bool upper = std::all_of(name.begin(), name.end(), [](char c) { return UpperAscii(c) == c; });
    const auto it = upper ? tropes_.find(name) : tropes_.find(Upper(name));
    if (it == tropes_.end()) return nullptr;
    const int chosen = ChooseVariant(it->second, context);
    if (chosen < 0 || !it->second[chosen].notes) return nullptr;
    return &it->second[chosen].melody;
}

Melody ReadMelody(const TXMLelement* notes) {
    Melody melody;
    if (!notes) return melody;
    for (int i = 0; i < notes->ChildCount(); ++i) {
        const TXMLelement* e = notes->ChildByIndex(i);
        if (e->Type() != TXMLelement::ntElement) continue;
        MelodyNote n;
        n.pitch = PitchValue(Attribute(e, "Pitch"));
        const std::string duration = Attribute(e, "Duration");
        std::from_chars(duration.data(), duration.data() + duration.size(), n.duration);
        n.upbeat = Upper(Attribute(e, "Upbeat")) == "TRUE";
        n.extra = !n.upbeat && Upper(Attribute(e, "Extra")) == "TRUE";
        const std::string tie = Attribute(e, "Continue");
        n.tied = !tie.empty();
        n.tiedTrue = Upper(tie) == "TRUE";
        melody.push_back(n);
    }
    return melody;
}

}  // namespace lyrasta
