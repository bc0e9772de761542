#pragma once
// The cantillation vocabulary: the two-digit accent codes of the book text, their
// upper-case trope names ("SOF_PASUK", "ETNACHTA", ...), each trope's position class
// ("LEFT", "RIGHT" or "MED") and whether it divides (disjunctive) or joins (conjunctive).

#include <string>
#include <string_view>

namespace lyrasta {

struct TropeInfoResult {
    std::string name;      // "SOF_PASUK", ...; a V-mark is named by its own text
    std::string position;  // "LEFT", "RIGHT", "MED" (and "Med" for kadma, as the melody files have it)
    bool disjunctive = false;
};

// The trope of an accent code ("00", "1462", or a V-mark such as "V:"). `otherAccent` (the
// word's other accent) is accepted for the callers' convenience and not used. With `azla`
// set, "61" is named "AZLA" instead of "GERESH". Unknown two-digit codes read as munach;
// the empty code gives an empty name, an empty position and conjunctive.
TropeInfoResult TropeInfo(std::string_view code, std::string_view otherAccent, bool azla);

}  // namespace lyrasta
