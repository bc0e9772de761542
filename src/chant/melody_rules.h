#pragma once
// The melody rules: a style gives each trope a list of variants, each guarded by
// conditions on the word's surroundings (its neighbours' tropes, its place in the trope
// group, its stress, the end of a section, chapter or book, and passages with melodies
// of their own). Given a trope and its context, the first variant whose conditions hold
// gives the notes; a default variant stands in when none does.

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

#include "chant/melody.h"
#include "text/xml.h"

namespace lyrasta {

// Bits of the Song of Moses markers (Exodus 14-15), set by the song builder.
enum SongOfMosesMarker {
    kMosesSofPasuk = 1,
    kChabadEndOfBook = 2,
    kChabadSofPasuk = 4,
    kChabadZakefKaton = 8,
    kHalvikEarlyZakefKaton = 16,
    kHalvikEtnachta = 32,
    kHalvikLateZakefKaton = 64,
    kHalvikSofPasuk = 128,
    kHalvikShortSofPasuk = 256,
    kHalvikLateZakefKaton2 = 512,
};

struct RuleContext {
    std::string trope;
    std::string tropeBefore;
    std::string tropeBeforeThat;
    std::string tropeAfter;
    std::string tropeAfterThat;
    std::string specialAttribute;  // from the style's special melodies; usually empty
    bool mileil = false;           // stressed before the last syllable
    bool noPretonic = false;       // the stressed syllable is the first
    int journey = 0;               // 0, 1 or 2
    bool creationDay = false;
    bool startOfVerse = false;
    int songOfMoses = 0;           // SongOfMosesMarker bits
    bool endOfAliyah = false;
    bool onOneWord = false;        // both tropes of a two-trope word are looked up
    bool endOfBook = false;
    bool endOfChapter = false;
    std::string groupPosition;     // "START", "MIDDLE" or "END"
    int tropeGroup = 0;            // 0..16
};

// The name of a trope group as the melody rules write it ("Sof_Pasuk" ... "End_Of_Book");
// empty for 0 and numbers outside 0..16.
std::string TropeGroupName(int group);

// One variant of a trope: its conditions by kind (empty when not given) and its notes.
inline constexpr int kRuleConditionKinds = 18;
struct strucRuleVariant {
    std::array<std::string, kRuleConditionKinds> conditions;
    bool isDefault = false;              // DEFAULT="TRUE": never tested, stands in
    const TXMLelement* notes = nullptr;  // its Notes element, or none
    Melody melody;                       // the notes read
};

// A style's tropes read once, for the many lookups of a song build.
class TStyleIndex {
public:
    explicit TStyleIndex(const TXMLelement* style);
    // The melody of the variant that fits the context; none when the trope has no
    // element or the chosen variant no notes.
    const Melody* Find(const RuleContext& context) const;

private:
    std::unordered_map<std::string, std::vector<strucRuleVariant>> tropes_;  // by upper-cased name
};

// The notes of a notes element in order; a missing element gives an empty melody.
Melody ReadMelody(const TXMLelement* notes);

}  // namespace lyrasta
