#include "syllables.h"

#include "text/text_helpers.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string_view>
#include <vector>

namespace lyrasta {

namespace {

bool Sounded(const strucHebChar& c) { return !c.consonant.empty() || !c.extra.empty(); }

bool FollowedByShuruk(const LetterList& w, size_t i) {
    return i + 1 < w.size() && w[i + 1].letter == "W" && w[i + 1].dagesh;
}

// The letter makes no sound of its own.
bool Silent(const LetterList& w, size_t i) {
    const strucHebChar& c = w[i];
    return c.vowelSound.empty() && !Sounded(c) && !FollowedByShuruk(w, i);
}

// A consonant that closes a syllable: it sounds but has no vowel of its own.
bool Coda(const LetterList& w, size_t i) {
    const strucHebChar& c = w[i];
    return Sounded(c) && c.vowelSound.empty() && !FollowedByShuruk(w, i);
}

// Letter i is a vav read as a vowel after letter i - 1: a shuruk after a letter without
// vowel sound, or the vav of a holam.
bool VowelVav(const LetterList& w, size_t i) {
    if (i == 0 || i >= w.size() || w[i].letter != "W") return false;
    const strucHebChar& p = w[i - 1];
    return (w[i].dagesh && p.vowelSound.empty()) || (w[i].vowel.empty() && p.vowel == "O");
}

bool HolamVav(const LetterList& w, size_t i) {
    return i > 0 && w[i].letter == "W" && w[i].vowel.empty() && w[i - 1].vowel == "O";
}

// Whether the syllable open at letter i (not the word's last) ends after it.
bool EndsSyllable(const LetterList& w, size_t i) {
    const strucHebChar& c = w[i];
    const size_t n = i + 1;
    const bool nextHasVowel = !w[n].vowelSound.empty();
    if (HolamVav(w, i) && VowelVav(w, n)) return true;
    if (Silent(w, n) || VowelVav(w, n)) return false;
    if (c.letter == "Y" && c.vowelSound.empty())
        return nextHasVowel || VowelVav(w, n + 1);
    if (!c.vowelSound.empty() && !nextHasVowel && !VowelVav(w, n + 1)) return false;
    return !Coda(w, n);
}

std::optional<size_t> SyllableStartAtOrBefore(const LetterList& w, size_t i) {
    for (size_t k = i + 1; k-- > 0;)
        if (w[k].sylStart) return k;
    return std::nullopt;
}

void MarkStress(LetterList& w, size_t i, bool primary) {
    const std::optional<size_t> s = SyllableStartAtOrBefore(w, i);
    strucHebChar& c = w[s ? *s : i];
    (primary ? c.stress : c.stress2) = true;
}

// The accent that only marks the word's position, and the copy that marks its stress.
bool DoubledPair(std::string_view last, std::string_view before) {
    return (last == "03" && before == "33") || (last == "01" && before == "31") ||
           (last == "04" && before == "24") || (last == "14" && before == "44") ||
           (last == "02" && before == "82");
}

// The stressed syllable of a word whose only accent is prepositive (telisha gedola "14",
// yetiv "10"): the sign stands before the first letter whatever syllable is stressed.
// Yetiv marks a word stressed on its first sounded vowel; under telisha gedola the word
// is stressed on its last syllable, or on the one before when the last has segol (the
// segolate nouns and verb forms: va-YO-mer, ME-lech).
size_t PrepositiveStress(const LetterList& w, size_t from, size_t to, bool yetiv) {
    std::vector<size_t> starts;
    for (size_t i = from; i < to; ++i)
        if (w[i].sylStart) starts.push_back(i);
    if (starts.empty()) return from;
    if (yetiv) {
        for (size_t i : starts)
            if (w[i].vowel.empty() || w[i].vowel[0] != ':') return i;
        return starts.front();
    }
    if (starts.size() > 1 && w[starts.back()].vowel == "E") return starts[starts.size() - 2];
    return starts.back();
}

}  // namespace

void Syllabify(LetterList& w, size_t from, size_t to) {
    bool open = false;
    for (size_t i = from; i < to && i < w.size(); ++i) {
        strucHebChar& c = w[i];
        c.sylStart = c.initial || !open;
        open = true;
        if (c.final) {
            c.sylEnd = true;
            open = false;
        } else if (i == 0 && c.letter.empty() && c.vowel.empty()) {
            c.sylEnd = false;  // a leading mark record opens the first syllable
        } else {
            c.sylEnd = EndsSyllable(w, i);
            if (c.sylEnd) open = false;
        }
    }
}

void SetStress(LetterList& w, size_t from, size_t to) {
    const auto endsVerse = [](const std::string& accents) {
        return accents == "00" || accents.find("V:") != std::string::npos;
    };
    for (size_t i = w.size(); i-- > 0;) {
        if (w[i].accents.empty()) continue;
        if (endsVerse(w[i].accents)) w[i].verseEnd = true;
        break;
    }
    to = std::min(to, w.size());
    std::optional<size_t> last, before;
    for (size_t i = to; i-- > from;) {
        if (w[i].accents.empty()) continue;
        if (!last) last = i;
        else {
            before = i;
            break;
        }
    }
    if (!last) return;
    const std::string& l = w[*last].accents;
    if (!before) {
        const bool prepositive = l == "14" || l == "10";
        MarkStress(w, prepositive ? PrepositiveStress(w, from, to, l == "10") : *last, true);
        return;
    }
    const std::string& p = w[*before].accents;
    if (DoubledPair(l, p) || l == p) {
        // A doubled accent: the stress lies with the copy on the stressed syllable.
        const bool postpositive = OneOf(l, {"01", "02", "03", "04"});
        MarkStress(w, postpositive ? *before : *last, true);
    } else if (endsVerse(l) || l == "05") {
        MarkStress(w, *before, true);
    } else {
        MarkStress(w, *last, true);
        MarkStress(w, *before, false);
    }
}

std::string SyllableSpelling(const LetterList& w) {
    // A syllable runs from a letter that starts one to the letter that ends it; a letter
    // that starts a syllable while the one before has no vowel yet (a prefix consonant
    // read into the next syllable) continues it.
    std::string out, syllable;
    bool stressed = false, voiced = false;
    const auto flush = [&] {
        if (syllable.empty()) return;
        if (stressed)
            for (char& ch : syllable) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        if (!out.empty()) out += '-';
        out += syllable;
        syllable.clear();
        stressed = voiced = false;
    };
    for (const strucHebChar& c : w) {
        if (c.sylStart && voiced) flush();
        stressed = stressed || c.stress;
        voiced = voiced || !c.vowelSound.empty();
        syllable += c.syllable;
        if (c.sylEnd) flush();
    }
    flush();
    return out;
}

}  // namespace lyrasta
