#include "trope_codes.h"

#include <algorithm>
#include <unordered_map>

namespace lyrasta {

namespace {

struct TropeEntry {
    const char* codes;  // the codes of one trope, separated by blanks
    const char* name;
    const char* position;
    bool disjunctive;
};

const TropeEntry kTropes[] = {
    {"00", "SOF_PASUK", "LEFT", true},
    {"92", "ETNACHTA", "MED", true},
    {"01 31", "SEGOL", "LEFT", true},
    {"65", "SHALSHELET", "MED", true},
    {"80", "ZAKEF_KATON", "MED", true},
    {"85", "ZAKEF_GADOL", "MED", true},
    {"13 73", "TIPCHA", "RIGHT", true},
    {"81", "REVIA", "MED", true},
    {"91", "TEVIR", "MED", true},
    {"02 82", "ZARKA", "LEFT", true},
    {"03", "PASHTA", "LEFT", true},
    {"33", "DOUBLE_PASHTA", "LEFT", true},
    {"10", "YETIV", "RIGHT", true},
    {"62", "GERSHAYIM", "MED", true},
    {"83", "PAZER", "MED", true},
    {"14 44", "TELISHA_GEDOLA", "RIGHT", true},
    {"1462", "TELISHA_GEDOLA_AND_GERSHAYIM", "RIGHT", true},
    {"84", "KARNEI_FARAH", "MED", true},
    {"74", "MUNACH", "MED", false},
    {"71", "MERCHA", "MED", false},
    {"72", "MERCHA_CHEFULAH", "MED", false},
    {"70", "MAPACH", "MED", false},
    {"94", "DARGA", "MED", false},
    {"63", "KADMA", "Med", false},
    {"04 24", "TELISHA_KETANA", "LEFT", false},
    {"93", "YERACH_BEN-YOMO", "MED", false},
    {"75", "SILLUQ", "MED", false},
    {"35 95", "METEG", "MED", false},
    {"05", "PESIK", "LEFT", true},
};

// The table by code (the first entry of a code counts), built once: every accent of a
// reading is named through it.
const std::unordered_map<std::string_view, const TropeEntry*>& TropesByCode() {
    static const auto byCode = [] {
        std::unordered_map<std::string_view, const TropeEntry*> map;
        for (const TropeEntry& t : kTropes) {
            const std::string_view codes(t.codes);
            for (size_t at = 0; at < codes.size();) {
                const size_t end = std::min(codes.find(' ', at), codes.size());
                map.emplace(codes.substr(at, end - at), &t);
                at = end + 1;
            }
        }
        return map;
    }();
    return byCode;
}

}  // namespace

TropeInfoResult TropeInfo(std::string_view code, std::string_view /*otherAccent*/, bool azla) {
    if (code.empty()) return {};
    if (code[0] == 'V') {
        const bool divides = code.find("V:") != std::string_view::npos ||
                             code.find("Vl") != std::string_view::npos;
        return {std::string(code), "MED", divides};
    }
    if (code == "61") return {azla ? "AZLA" : "GERESH", "MED", true};

    const auto& byCode = TropesByCode();
    if (const auto it = byCode.find(code); it != byCode.end())
        return {it->second->name, it->second->position, it->second->disjunctive};
    return {"MUNACH", "MED", false};
}

}  // namespace lyrasta
