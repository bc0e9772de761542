#include "word_analysis.h"

#include "text/text_helpers.h"

#include <string_view>

#include "chant/syllables.h"

namespace lyrasta {

namespace {

constexpr std::string_view kTsere = "\"";

// The letter at i + offset within the word, or nullptr outside it.
const strucHebChar* At(const LetterList& w, size_t i, int offset) {
    const long k = static_cast<long>(i) + offset;
    return k >= 0 && k < static_cast<long>(w.size()) ? &w[static_cast<size_t>(k)] : nullptr;
}

// Field readers that treat a missing neighbour as an empty letter.
std::string_view LetterOf(const strucHebChar* c) { return c ? std::string_view(c->letter) : ""; }
std::string_view VowelOf(const strucHebChar* c) { return c ? std::string_view(c->vowel) : ""; }
bool DageshOf(const strucHebChar* c) { return c && c->dagesh; }
bool MetegOf(const strucHebChar* c) { return c && c->meteg; }
bool MaqafOf(const strucHebChar* c) { return c && c->maqaf; }
bool HasAccents(const strucHebChar* c) { return c && !c->accents.empty(); }

bool IsWordFinal(const LetterList& w, size_t i) { return i + 1 == w.size() || w[i].maqaf; }

bool IsWordInitial(const LetterList& w, size_t i) {
    return i == 0 || w[i - 1].kq != 0 || w[i - 1].maqaf;
}

Ph Pick(bool dagesh, Ph with, Ph without) { return dagesh ? with : without; }

Ph QamatzEntry(const LetterList& w, size_t i, int code, bool& qatan) {
    const strucHebChar& c = w[i];
    const strucHebChar* n = At(w, i, 1);
    const strucHebChar* nn = At(w, i, 2);
    const strucHebChar* p = At(w, i, -1);
    const std::string_view pv = VowelOf(p);
    const auto decide = [&]() -> bool {
        if (c.bracket == "+") return true;
        if (c.bracket == "-") return false;
        // Before a maqaf an unaccented qamats is mostly the short "o" of kol-, bo-.
        if ((MaqafOf(n) || MaqafOf(nn)) && c.accents.empty() && !c.meteg && pv != ":F" &&
            LetterOf(n) != "H" && (pv != ":" || !OneOf(LetterOf(p), {"Q", "+", "M"})))
            return true;
        if (!c.accents.empty() || c.meteg) return false;
        if (VowelOf(n) != ":") return false;
        if (VowelOf(nn) == ":") return true;
        if (DageshOf(n)) return false;
        if (HasAccents(n)) return false;
        return true;
    };
    qatan = decide();
    if (code == kPronGalician && IsWordInitial(w, i)) return Ph::EarlyQamatz;
    return qatan ? Ph::QamatzQatan : Ph::QamatzGadol;
}

// Pairs of consonants that run together across a silent shva ("D" then "T", ...).
bool Assimilating(const strucHebChar& c, const strucHebChar* n, int code) {
    const bool israeli = code == kPronUSSephardi || code == 10;
    const std::string_view a = c.letter, b = LetterOf(n);
    if (a == "D" && b == "+") return true;
    if ((a == "D" || a == "+") && b == "T") return israeli || DageshOf(n);
    if (a == "T" && b == "+") return israeli || c.dagesh;
    if (a == "&" && b == "T") return !israeli && DageshOf(n);
    if (a == "T" && b == "&") return !israeli && !c.dagesh;
    return false;
}

bool ShvaIsNa(const LetterList& w, size_t i, std::optional<size_t> accented) {
    const strucHebChar& c = w[i];
    const strucHebChar* p = At(w, i, -1);
    const strucHebChar* pp = At(w, i, -2);
    const strucHebChar* n = At(w, i, 1);
    const std::string_view pl = LetterOf(p), pv = VowelOf(p), ppv = VowelOf(pp);
    const bool shurukBefore = pl == "W" && DageshOf(p);
    const bool holamVavBefore = pl == "W" && ppv == "O";
    const bool longBefore = shurukBefore || holamVavBefore || (pl == ")" && ppv == "O") ||
                            pv == "O" || (pl == "Y" && pv.empty() && ppv == "I") ||
                            pv == kTsere;
    const bool longOrQamatzBefore = longBefore || (ppv == kTsere && pl == "Y") || pv == "F";
    const bool prevAccentedElsewhere =
        HasAccents(p) && !(accented && i > 0 && *accented == i - 1);

    if (c.bracket == "+") return true;
    if (c.bracket == "-") return false;
    if (IsWordInitial(w, i)) return true;
    if (IsWordFinal(w, i) || VowelOf(n) == ":") return false;
    // The conjunction "u-" (a shuruk opening the word) is a full vowel: the shva after it is
    // vocal, u-me-'AT, as after any long vowel.
    if (i == 1 && shurukBefore) return true;
    if (pv == ":") return true;
    if (!HasAccents(p) && longBefore) return true;
    if (c.dagesh || c.letter == LetterOf(n)) return true;
    if (i == 1 && pl == "W" && pv == "A") return false;

    const bool plainBefore = !MetegOf(p) && (!MetegOf(pp) || pl != ")" || !pv.empty()) &&
                             !shurukBefore && !holamVavBefore && (pl != "Y" || !pv.empty());
    if (!plainBefore) {
        if (longOrQamatzBefore) return true;
    }
    if (prevAccentedElsewhere && longOrQamatzBefore) return true;
    if (MetegOf(p)) return false;
    if (prevAccentedElsewhere) return false;
    if (pv != "F") return false;
    if (HasAccents(p)) return false;
    if (c.accents.empty()) return false;
    if (c.letter == "(") return false;
    return c.letter != "Y";
}

std::optional<Ph> ShvaEntry(const LetterList& w, size_t i, int code,
                            std::optional<size_t> accented, bool& na) {
    na = ShvaIsNa(w, i, accented);
    if (na) return Ph::ShvaNa;
    const strucHebChar* n = At(w, i, 1);
    if (!Assimilating(w[i], n, code)) return Ph::Silence;
    const std::string_view nv = VowelOf(n);
    const bool fullVowelNext = OneOf(nv, {"F", "A", "I", ":F", ":A", "U", "O", kTsere}) ||
                               (nv == ":" && At(w, i, 2) != nullptr);
    if (fullVowelNext) return std::nullopt;
    return Ph::ShvaNach;
}

// The sounds of one letter of the divine name or its prefix, written as they are read.
void WriteRead(strucHebChar& c, const TPhonemeSet& set, std::optional<Ph> consonant,
               std::optional<Ph> vowel, bool start, bool end) {
    c.consonant = consonant ? set.Left(*consonant) : std::string();
    if (vowel) c.vowelSound = set.Left(*vowel);
    c.syllable = (consonant ? set.Right(*consonant) : std::string()) +
                 (vowel ? set.Right(*vowel) : std::string());
    c.sylStart = start;
    c.sylEnd = end;
    c.stress = false;
    c.stress2 = false;
}

// Writes the name read Adonai or Elohim; returns the index of its first letter (with a
// prefix read into it), or none when the vowel of the vav gives neither reading.
std::optional<size_t> ReadDivineName(LetterList& w, size_t y, const TPhonemeSet& set) {
    const std::string& v = w[y + 2].vowel;
    if (v == "F") {
        WriteRead(w[y], set, std::nullopt, Ph::Patach, true, true);
        WriteRead(w[y + 1], set, Ph::Dalet, Ph::Holam, true, true);
        WriteRead(w[y + 2], set, Ph::Nun, Ph::QamatzGadol, true, false);
        w[y + 2].extra = set.Left(Ph::Yud);
        w[y + 2].syllable += set.Right(Ph::Yud);
        w[y + 2].stress = true;
        strucHebChar& he = w[y + 3];
        he.consonant.clear();
        he.sylStart = false;
        he.sylEnd = true;
        he.stress = he.stress2 = false;
        if (y == 0) return y;
        strucHebChar& p = w[y - 1];
        struct Prefix {
            std::string_view letter, vowel;
            Ph consonant;
            std::optional<Ph> vowelEntry;
            bool end;
        };
        static constexpr Prefix kPrefixes[] = {
            {"B", "A", Ph::Bet, std::nullopt, false},  {"W", "A", Ph::Vav, std::nullopt, false},
            {"K", "A", Ph::Kaf, std::nullopt, false},  {"H", "A", Ph::He, std::nullopt, false},
            {"L", "A", Ph::Lamed, std::nullopt, false}, {"L", ":", Ph::Lamed, std::nullopt, false},
            {"M", kTsere, Ph::Mem, Ph::Tsere, false},  {"$", "E", Ph::Shin, Ph::Segol, true},
        };
        for (const Prefix& x : kPrefixes) {
            if (p.letter != x.letter || p.vowel != x.vowel) continue;
            WriteRead(p, set, x.consonant, x.vowelEntry, true, x.end);
            return y - 1;
        }
        return y;
    }
    if (v == "I") {
        WriteRead(w[y], set, std::nullopt, Ph::Segol, true, true);
        WriteRead(w[y + 1], set, Ph::Lamed, Ph::Holam, true, true);
        WriteRead(w[y + 2], set, Ph::He, Ph::Chirik, true, false);
        w[y + 2].stress = true;
        WriteRead(w[y + 3], set, Ph::Mem, std::nullopt, false, true);
        return y;
    }
    return std::nullopt;
}

}  // namespace

std::optional<size_t> FindDivineName(const LetterList& w) {
    if (w.size() < 4) return std::nullopt;
    for (size_t y = w.size() - 4;; --y) {
        if (w[y].letter == "Y" && w[y + 1].letter == "H" && w[y + 2].letter == "W" &&
            w[y + 3].letter == "H")
            return y;
        if (y == 0) return std::nullopt;
    }
}

std::optional<size_t> AccentedLetter(const LetterList& w) {
    bool silluq = false, doubled = false;
    std::optional<size_t> accented;
    for (size_t i = w.size(); i-- > 0;) {
        const strucHebChar& c = w[i];
        if (c.accents == "00") {
            silluq = true;
            continue;
        }
        if (i + 1 == w.size() && OneOf(std::string_view(c.accents), {"01", "02", "03", "04"})) {
            accented = i;
            doubled = true;
            continue;
        }
        if (doubled && OneOf(std::string_view(c.accents), {"31", "82", "33", "24"})) return i;
        const bool lastPaseq = i + 1 == w.size() && c.accents == "05";
        if (!lastPaseq && (silluq ? c.meteg : !c.accents.empty())) return i;
    }
    return accented;
}

std::optional<Ph> ConsonantEntry(const LetterList& w, size_t i) {
    const strucHebChar& c = w[i];
    const std::string_view code = c.letter;
    const bool d = c.dagesh, v = !c.vowel.empty(), f = IsWordFinal(w, i);
    const strucHebChar* p = At(w, i, -1);
    const std::string_view pv = VowelOf(p), pl = LetterOf(p), nl = LetterOf(At(w, i, 1));
    if (code.size() != 1) return std::nullopt;
    switch (code[0]) {
    case '#': return Ph::Silence;
    case '$': return Pick(d, Ph::ShinD, Ph::Shin);
    case '&': return Pick(d, Ph::SinD, Ph::Sin);
    case '(': return Pick(d, Ph::AyinD, Ph::Ayin);
    case ')': return v ? Ph::Aleph : Ph::Silence;
    case '+': return Pick(d, Ph::TetD, Ph::Tet);
    case 'B': return Pick(d, Ph::Bet, Ph::Vet);
    case 'C': return Pick(d, Ph::TsadeD, Ph::Tsade);
    case 'D': return Pick(d, Ph::DaletD, Ph::Dalet);
    case 'G': return Pick(d, Ph::GimelD, Ph::Gimel);
    case 'H': return d ? Ph::MapikHe : (v || !f) ? Ph::He : Ph::Silence;
    case 'K': return Pick(d, Ph::Kaf, Ph::Chaf);
    case 'L': return Pick(d, Ph::LamedD, Ph::Lamed);
    case 'M': return Pick(d, Ph::MemD, Ph::Mem);
    case 'N': return Pick(d, Ph::NunD, Ph::Nun);
    case 'P': return Pick(d, Ph::Peh, Ph::Feh);
    case 'Q': return Pick(d, Ph::QofD, Ph::Qof);
    case 'R': return Pick(d, Ph::ReshD, Ph::Resh);
    case 'S': return Pick(d, Ph::SamechD, Ph::Samech);
    case 'T': return Pick(d, Ph::Tav, Ph::Sav);
    case 'X': return Pick(d, Ph::ChetD, Ph::Chet);
    case 'Z': return Pick(d, Ph::ZayinD, Ph::Zayin);
    case 'W':
        if (d) return (!pv.empty() || v) ? Ph::VavD : Ph::Silence;
        if (!v && (pv == "O" || (nl == "L" && pv.empty()) || (pl == ")" && pv.empty())))
            return Ph::Silence;
        return Ph::Vav;
    case 'Y': {
        // A yod that only lengthens the vowel before it is silent.
        const bool vowelLetter =
            !v && !f && (pv == "I" || pv == kTsere || pv == "E" || pl == "Y");
        return vowelLetter ? Ph::Silence : Pick(d, Ph::YudD, Ph::Yud);
    }
    default: return std::nullopt;
    }
}

VowelChoice VowelEntry(const LetterList& w, size_t i, int code, std::optional<size_t> accented) {
    const strucHebChar& c = w[i];
    const std::string_view v = c.vowel;
    if (v.empty()) {
        const bool shuruk = c.letter == "W" && c.dagesh && VowelOf(At(w, i, -1)).empty();
        return {shuruk ? Ph::Shuruk : Ph::Silence, false};
    }
    if (v == "A") return {Ph::Patach};
    if (v == "I") return {Ph::Chirik};
    if (v == "E") return {Ph::Segol};
    if (v == kTsere) return {Ph::Tsere};
    if (v == "U") return {Ph::Qubutz};
    if (v == "O" || v == "OW") return {Ph::Holam};
    if (v == ":A") return {Ph::ChatafPatach};
    if (v == ":F") return {Ph::ChatafQamatz};
    if (v == ":E") return {Ph::ChatafSegol};
    if (v == "-") return {};
    if (v == "F") {
        bool qatan = false;
        const Ph e = QamatzEntry(w, i, code, qatan);
        return {e, qatan};
    }
    if (v == ":") {
        bool na = false;
        const std::optional<Ph> e = ShvaEntry(w, i, code, accented, na);
        return {e, na};
    }
    return {std::nullopt, false, true};
}

void AnalyzeWord(LetterList& w, const TPhonemeSet& set) {
    const size_t n = w.size();
    for (size_t i = 0; i < n; ++i) {
        w[i].initial = IsWordInitial(w, i);
        w[i].final = IsWordFinal(w, i);
        w[i].verseEnd = false;
        w[i].stress = w[i].stress2 = false;
    }

    size_t from = 0, to = n;
    if (const std::optional<size_t> y = FindDivineName(w)) {
        if (const std::optional<size_t> start = ReadDivineName(w, *y, set)) {
            if (*start > 0) to = *start;
            else from = *y + 4;
        }
    }
    for (size_t i = from; i < to; ++i) {
        if (w[i].kq == 2) {
            to = i;
            break;
        }
    }

    const std::optional<size_t> accented = AccentedLetter(w);
    for (size_t i = from; i < to; ++i) {
        strucHebChar& c = w[i];
        c.consonant.clear();
        c.extra.clear();
        c.variant = false;
        // The sounds are the phoneme set's own strings, copied only into the letter's fields.
        std::string_view vowelSpelling;
        const bool hasVowel = !c.vowel.empty() || (c.letter == "W" && c.dagesh);
        if (hasVowel) {
            const VowelChoice v = VowelEntry(w, i, set.Code(), accented);
            if (!v.keep) {
                if (v.entry) c.vowelSound = set.Left(*v.entry);
                else c.vowelSound.clear();
            }
            if (v.entry) vowelSpelling = set.Right(*v.entry);
            c.variant = v.variant;
        }
        const std::optional<Ph> cons = ConsonantEntry(w, i);
        const std::string_view consLeft = cons ? std::string_view(set.Left(*cons)) : std::string_view();
        const std::string_view consSpelling = cons ? std::string_view(set.Right(*cons)) : std::string_view();
        if (c.final && OneOf(std::string_view(c.letter), {"X", "H", "("}) && c.vowel == "A") {
            // Furtive patach: the vowel is sung before the guttural that ends the word.
            c.extra.assign(consLeft);
            c.syllable.assign(vowelSpelling).append(consSpelling);
        } else {
            c.consonant.assign(consLeft);
            c.syllable.assign(consSpelling).append(vowelSpelling);
        }
        const strucHebChar* p = At(w, i, -1);
        const strucHebChar* nx = At(w, i, 1);
        const bool silentVav = LetterOf(p) == "H" && VowelOf(p) == "I" && c.letter == "W" &&
                               c.vowel.empty() && LetterOf(nx) == ")" && VowelOf(nx).empty();
        const bool silentYod = VowelOf(p) == "F" && c.letter == "Y" && c.vowel.empty() &&
                               LetterOf(nx) == "W" && VowelOf(nx).empty() && !DageshOf(nx);
        if (silentVav || silentYod) {
            c.consonant.clear();
            c.syllable.assign(vowelSpelling);
        }
    }
    Syllabify(w, from, to);
    SetStress(w, from, to);
}

}  // namespace lyrasta
