#include "trope_groups.h"

#include <algorithm>
#include <array>

namespace lyrasta {

namespace {

using namespace std::string_view_literals;
using Codes = std::vector<std::string_view>;

const Codes kSofPasukServants = {"73", "71"};

const std::array<TropeGroupInfo, kTropeGroupCount>& Table() {
    static const std::array<TropeGroupInfo, kTropeGroupCount> table = {{
        // started by, servants kept, colour setting, default colour
        {{}, {}, "", 0x00FFFFFF},                                          // 0 no group
        {{}, kSofPasukServants, "clSofPasuk", 0x02FFFF70},                // 1 Sof_Pasuk
        {{"92"}, {"73", "71", "74"}, "clEtnachta", 0x00FF70FF},           // 2 Etnachta
        {{"80"}, {"73", "71", "74", "03", "33", "70", "63", "04", "24", "10"},
         "clZakefKaton", 0x0070FFFF},                                     // 3 Zakef_Katon
        {{}, kSofPasukServants, "clEndOfAliyah", 0x00FF7070},             // 4 End_Of_Aliyah
        {{"01", "31"}, {"71", "74", "03", "33", "63", "04", "24", "02", "82"},
         "clSegol", 0x00FFFFFF},                                          // 5 Segol
        {{"91"}, {"71", "72", "73", "74", "03", "33", "63", "04", "24", "94"},
         "clTevir", 0x00FFFFFF},                                          // 6 Tevir
        {{"81"}, {"70", "03", "71", "74", "94"}, "clRevia", 0x00FFFFFF},  // 7 Revia
        {{"61"}, {"74", "03", "33", "63", "04", "24"}, "clGeresh", 0x00FFFFFF},  // 8 Geresh
        {{"62"}, {"74"}, "clGershayim", 0x00FFFFFF},                      // 9 Gershayim
        {{"83"}, {"74"}, "clPazer", 0x00FFFFFF},                          // 10 Pazer
        {{"14", "44"}, {"74"}, "clTelishaGedola", 0x00FFFFFF},            // 11 Telisha_Gedola
        {{"84"}, {"93", "74"}, "clKarneFara", 0x00FFFFFF},                // 12 Karne_Fara
        {{"85"}, {}, "clZakefGadol", 0x00FFFFFF},                         // 13 Zakef_Gadol
        {{"65"}, {}, "clShalshelet", 0x00FFFFFF},                         // 14 Shalshelet
        // The ends of chapter and book share one colour setting.
        {{}, kSofPasukServants, "clEndOfBook", 0x00C0C0C0},               // 15 End_Of_Chapter
        {{}, kSofPasukServants, "clEndOfBook", 0x00C0C0C0},               // 16 End_Of_Book
    }};
    return table;
}

bool Contains(const Codes& codes, std::string_view code) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

// The group a sof pasuq closes, by the kind of verse end of its word.
int SofPasukGroup(int verseEndKind) {
    switch (verseEndKind) {
    case 2: return kGroupEndOfAliyah;
    case 3: return kGroupEndOfChapter;
    case 4: return kGroupEndOfBook;
    default: return kGroupSofPasuk;
    }
}

std::optional<int> GroupStartedBy(std::string_view accents) {
    const auto& table = Table();
    for (int g = 0; g < kTropeGroupCount; ++g)
        if (Contains(table[g].startedBy, accents)) return g;
    return std::nullopt;
}

// A munach with a paseq read as a legarmeh: before a zakef or geresh only when the text
// marks it, before a revia unless the setting reads it as a plain munach.
bool IsLegarmeh(std::string_view accents, bool paseq, int g, std::string_view bracket,
                std::string_view nextAccents, bool notLegarmehBeforeRevia) {
    if (accents != "74" || !paseq) return false;
    if ((g == kGroupZakefKaton || g == kGroupGeresh) && bracket == "+") return true;
    return g == kGroupRevia && bracket != "-" &&
           (!notLegarmehBeforeRevia || nextAccents == "74" || bracket == "+");
}

bool WordHasCode(const LetterList& word, std::string_view code) {
    for (const strucHebChar& c : word)
        for (size_t k = 0; k + 2 <= c.accents.size(); k += 2)
            if (std::string_view(c.accents).substr(k, 2) == code) return true;
    return false;
}

}  // namespace

const TropeGroupInfo& TropeGroupInfoOf(int group) {
    return Table()[group >= 0 && group < kTropeGroupCount ? group : 0];
}

void AssignTropeGroups(TWordTable& table, bool notLegarmehBeforeRevia) {
    int g = kGroupNone;
    // Views of the words' own marks (the letters stay where they are): every word of a
    // reading passes here.
    std::string_view nextAccents, bracket;
    bool paseq = false;
    for (int i = table.WordCount() - 1; i >= 0; --i) {
        HxWord& item = *table.Item(i);
        std::string_view accents;
        if (const LetterList* letters = table.OwnLetters(i); letters && !letters->empty()) {
            bracket = letters->back().bracket;
            paseq = std::any_of(letters->begin(), letters->end(),
                                [](const strucHebChar& c) { return c.accents == "05"sv; });
            for (auto c = letters->rbegin(); c != letters->rend(); ++c) {
                if (!c->accents.empty() && c->accents != "05"sv) {
                    accents = c->accents;
                    break;
                }
            }
        }
        item.legarmeh = false;
        if (accents == "00"sv) {
            g = SofPasukGroup(item.verseEnd);
        } else if (const std::optional<int> started = GroupStartedBy(accents)) {
            g = *started;
        } else if (!accents.empty()) {
            item.legarmeh = IsLegarmeh(accents, paseq, g, bracket, nextAccents,
                                       notLegarmehBeforeRevia);
            if (!Contains(Table()[g].servants, accents)) g = kGroupNone;
        }
        item.group = item.hebrew ? g : kGroupNone;
        nextAccents = accents;
    }
}

TropeSymbolCategory SymbolCategory(std::string_view code, const LetterList& word,
                                   bool legarmeh) {
    // The position copy of a doubled accent, beside the copy on the stressed syllable.
    static const std::array<std::pair<std::string_view, std::string_view>, 5> kCopies = {{
        {"03", "33"}, {"01", "31"}, {"02", "82"}, {"04", "24"}, {"14", "44"}}};
    for (const auto& [copy, stressed] : kCopies)
        if (code == copy && WordHasCode(word, stressed)) return kSymbolPositionCopy;
    if (code == "74" && legarmeh) return kSymbolMinor;
    static const Codes kConjunctive = {"74", "70", "71", "72", "94", "63", "04", "24", "93"};
    static const Codes kMinor = {"81", "91", "03", "33", "02", "82", "10",
                                 "61", "62", "83", "14", "44", "84"};
    static const Codes kMajor = {"00", "75", "92", "01", "31", "65", "80", "85", "73", "13"};
    if (Contains(kConjunctive, code)) return kSymbolConjunctive;
    if (Contains(kMinor, code)) return kSymbolMinor;
    if (Contains(kMajor, code)) return kSymbolMajor;
    return kSymbolPlain;
}

SettingColour SymbolColour(TropeSymbolCategory category, SettingColour background) {
    constexpr SettingColour kEtnachtaBackground = 0x00FF70FF;
    constexpr SettingColour kMinorColour = 0x0070A0FF;
    switch (category) {
    case kSymbolConjunctive: return 0x0000C000;
    case kSymbolMinor:
        if (background == kMinorColour) return 0x0070FFFF;
        if (background == kEtnachtaBackground) return 0x00C0E0FF;
        return kMinorColour;
    case kSymbolMajor: return background == kEtnachtaBackground ? 0x000000FF : 0x00A040FF;
    case kSymbolPositionCopy: return 0x00C0C0C0;
    case kSymbolPlain: break;
    }
    return 0x00000000;
}

std::optional<SettingColour> ParseSettingColour(std::string_view text) {
    if (text.size() != 9 || text[0] != '$') return std::nullopt;
    SettingColour value = 0;
    for (char ch : text.substr(1)) {
        int digit;
        if (ch >= '0' && ch <= '9') digit = ch - '0';
        else if (ch >= 'A' && ch <= 'F') digit = ch - 'A' + 10;
        else if (ch >= 'a' && ch <= 'f') digit = ch - 'a' + 10;
        else return std::nullopt;
        value = value << 4 | static_cast<SettingColour>(digit);
    }
    return value;
}

Rgb ToRgb(SettingColour colour) {
    return {static_cast<std::uint8_t>(colour & 0xFF), static_cast<std::uint8_t>(colour >> 8 & 0xFF),
            static_cast<std::uint8_t>(colour >> 16 & 0xFF)};
}

}  // namespace lyrasta
