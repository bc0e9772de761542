#pragma once
// Reader of the synthesizer command text: bracketed commands ("[:rate 95]",
// "[:index mark 3]", "[:name Paul :dv sm 40 ]", ...) and bracketed phoneme text
// ("[~m<20,5131>~m<,5131>~ah<50,5131>~ah<250,5131>_<214,>]", or the blank-separated,
// stress-marked phonemes of speak mode). Text outside brackets (the verse reference lines,
// tabs, plain words) is not sung. Anything unreadable is skipped; reading never fails.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "phonemes.h"

namespace lyrasta::synth {

// A pitch code as written: a mode digit and a frequency of at least three digits
// ("5131": mode 5 at 131 Hz), or a plain frequency in Hz. Three-digit codes are ambiguous
// ("362" may be 362 Hz or mode 3 at 62 Hz); Resolve decides with the pitch sung before.
struct PitchCode {
    long value = 0;
    int digits = 0;
    // Mode digit (0 for plain Hz) and frequency, given the pitch sung just before (0 when
    // none): a three-digit code whose first digit is a mode digit is read as mode plus a
    // two-digit frequency when that lies closer to the previous pitch than the plain reading.
    std::pair<int, double> Resolve(double previousHz) const;
};

enum class Stress { None, Primary, Secondary };

struct PhonemeItem {
    const Phoneme* phoneme = nullptr;
    std::optional<int> ms;  // empty: the phoneme's own length at the current rate
    std::optional<PitchCode> pitch;
    Stress stress = Stress::None;
};
struct SilenceItem {
    std::optional<int> ms;
};
// "." inside phoneme text: the end of a spoken phrase.
struct PhraseEndItem {};
struct IndexMarkItem {
    long mark = 0;
};
struct VoiceItem {
    std::string name;
    std::vector<std::pair<std::string, std::string>> params;  // ":dv" pairs, in order
};
struct RateItem {
    long rate = 0;
};
struct VolumeItem {
    long attenuation = 0;
};
// ":phoneme arpabet speak on|off": reset of the intonation state at each header.
struct PhonemeModeItem {};
struct SyncItem {};

using CommandItem = std::variant<PhonemeItem, SilenceItem, PhraseEndItem, IndexMarkItem, VoiceItem,
                                 RateItem, VolumeItem, PhonemeModeItem, SyncItem>;

// Reads the whole text. Commands the singer has no use for (":comma", ":pp", ":mode") and
// unknown ones are dropped.
std::vector<CommandItem> ParseCommandText(std::string_view text);

}  // namespace lyrasta::synth
