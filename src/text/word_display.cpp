#include "word_display.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace lyrasta {

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string Utf8(char32_t cp) {
    std::string out;
    AppendUtf8(out, cp);
    return out;
}

int DecodeUtf8(std::string_view text, size_t at, char32_t& cp) {
    const unsigned char b = static_cast<unsigned char>(text[at]);
    if (b < 0x80) {
        cp = b;
        return 1;
    }
    const int n = (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
    if (n == 0 || at + n > text.size()) return 0;
    char32_t v = b & (0x7F >> n);
    for (int k = 1; k < n; ++k) {
        const unsigned char c = static_cast<unsigned char>(text[at + k]);
        if ((c & 0xC0) != 0x80) return 0;
        v = v << 6 | (c & 0x3F);
    }
    cp = v;
    return n;
}

namespace {

constexpr char32_t kDagesh = 0x05BC, kShinDot = 0x05C1, kSinDot = 0x05C2, kMeteg = 0x05BD,
                   kMaqaf = 0x05BE, kPaseq = 0x05C0, kSofPasuq = 0x05C3, kHolam = 0x05B9,
                   kQamatsQatan = 0x05C7;

// The letter of a consonant code; final forms for kaf, mem, nun, pe and tsadi. 0: none.
char32_t LetterCodePoint(const std::string& code, bool last) {
    if (code.size() != 1) return 0;
    switch (code[0]) {
        case ')': return 0x05D0;
        case 'B': return 0x05D1;
        case 'G': return 0x05D2;
        case 'D': return 0x05D3;
        case 'H': return 0x05D4;
        case 'W': return 0x05D5;
        case 'Z': return 0x05D6;
        case 'X': return 0x05D7;
        case '+': return 0x05D8;
        case 'Y': return 0x05D9;
        case 'K': return last ? 0x05DA : 0x05DB;
        case 'L': return 0x05DC;
        case 'M': return last ? 0x05DD : 0x05DE;
        case 'N': return last ? 0x05DF : 0x05E0;
        case 'S': return 0x05E1;
        case '(': return 0x05E2;
        case 'P': return last ? 0x05E3 : 0x05E4;
        case 'C': return last ? 0x05E5 : 0x05E6;
        case 'Q': return 0x05E7;
        case 'R': return 0x05E8;
        case '$': case '&': case '#': return 0x05E9;
        case 'T': return 0x05EA;
        default: return 0;
    }
}

// True when a field holds exactly the one character `ch` (letter and vowel codes are
// compared by their characters: this runs for every letter of every word loaded).
bool Is(const std::string& field, char ch) { return field.size() == 1 && field[0] == ch; }

char32_t VowelCodePoint(const strucHebChar& c) {
    const std::string& v = c.vowel;
    if (v.size() == 1) {
        switch (v[0]) {
            case 'A': return 0x05B7;
            case 'F': return c.variant ? kQamatsQatan : 0x05B8;
            case 'E': return 0x05B6;
            case '"': return 0x05B5;
            case 'I': return 0x05B4;
            case 'O': return kHolam;
            case 'U': return 0x05BB;
            // A chataf patach read as a shva (marked "+" by the scanner) is still written as it stands.
            case ':': return Is(c.bracket, '+') ? 0x05B2 : 0x05B0;
            default: return 0;
        }
    }
    if (v.size() != 2) return 0;
    if (v == "OW") return kHolam;
    if (v[0] != ':') return 0;
    switch (v[1]) {
        case 'A': return 0x05B2;
        case 'F': return 0x05B3;
        case 'E': return 0x05B1;
        default: return 0;
    }
}

struct AccentMark {
    std::string_view code;  // a view, so that looking up a code compares two characters
    char32_t cp;
};
// The accent codes and the marks that write them (both copies of a doubled accent share one).
constexpr AccentMark kAccents[] = {
    {"92", 0x0591}, {"01", 0x0592}, {"31", 0x0592}, {"65", 0x0593}, {"80", 0x0594},
    {"85", 0x0595}, {"73", 0x0596}, {"81", 0x0597}, {"03", 0x0599}, {"33", 0x0599},
    {"10", 0x059A}, {"91", 0x059B}, {"61", 0x059C}, {"11", 0x059D}, {"62", 0x059E},
    {"84", 0x059F}, {"14", 0x05A0}, {"44", 0x05A0}, {"83", 0x05A1}, {"74", 0x05A3},
    {"70", 0x05A4}, {"71", 0x05A5}, {"72", 0x05A6}, {"94", 0x05A7}, {"63", 0x05A8},
    {"04", 0x05A9}, {"24", 0x05A9}, {"93", 0x05AA}, {"60", 0x05AB}, {"64", 0x05AC},
    {"13", 0x05AD}, {"02", 0x05AE}, {"82", 0x05AE}, {"75", kMeteg},
};

// The combining accent of each two-digit code by its number; 0 for codes drawn otherwise
// or not at all.
constexpr std::array<char32_t, 100> kAccentByNumber = [] {
    std::array<char32_t, 100> table{};
    for (const auto& a : kAccents) table[(a.code[0] - '0') * 10 + (a.code[1] - '0')] = a.cp;
    return table;
}();

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char32_t AccentCodePoint(char tens, char units) {
    return IsDigit(tens) && IsDigit(units) ? kAccentByNumber[(tens - '0') * 10 + (units - '0')] : 0;
}

bool IsHolamVav(const LetterList& l, size_t i) {
    return i > 0 && Is(l[i].letter, 'W') && l[i].vowel.empty() && !l[i].dagesh &&
           (Is(l[i - 1].vowel, 'O') || l[i - 1].vowel == "OW");
}

}  // namespace

std::string WordDisplayForm(const LetterList& letters, size_t from, size_t to) {
    std::string out;
    AppendWordDisplayForm(out, letters, from, to);
    return out;
}

void AppendWordDisplayForm(std::string& out, const LetterList& letters, size_t from, size_t to) {
    to = std::min(to, letters.size());
    // The word's last letter: the last record with a consonant (mark records after it do
    // not count). A letter before a maqaf also takes its final form.
    size_t lastLetter = letters.size();
    for (size_t i = to; i-- > from;) {
        if (!letters[i].letter.empty()) {
            lastLetter = i;
            break;
        }
    }

    // About four two-byte marks per letter: room for most words at once.
    if (to > from) out.reserve(out.size() + 8 * (to - from));
    for (size_t i = from; i < to; ++i) {
        const strucHebChar& c = letters[i];
        const bool last = i == lastLetter || c.maqaf;
        std::string spacing;  // paseq and sof pasuq follow the letter's marks

        if (const char32_t l = LetterCodePoint(c.letter, last)) {
            AppendUtf8(out, l);
            if (c.dagesh) AppendUtf8(out, kDagesh);
            if (Is(c.letter, '$')) AppendUtf8(out, kShinDot);
            if (Is(c.letter, '&')) AppendUtf8(out, kSinDot);
        }
        if (IsHolamVav(letters, i)) AppendUtf8(out, kHolam);
        const bool holamMovesToVav = i + 1 < to && IsHolamVav(letters, i + 1);
        if (!holamMovesToVav)
            if (const char32_t v = VowelCodePoint(c)) AppendUtf8(out, v);
        if (c.meteg) AppendUtf8(out, kMeteg);

        if (!c.accents.empty() && c.accents[0] == 'V') {
            // A V-mark is drawn as a meteg, except on the word's last letter.
            if (i != lastLetter) AppendUtf8(out, kMeteg);
        } else {
            for (size_t k = 0; k + 1 < c.accents.size(); k += 2) {
                const char tens = c.accents[k], units = c.accents[k + 1];
                if (tens == '0' && units == '0') {
                    AppendUtf8(spacing, kSofPasuq);
                } else if (tens == '0' && units == '5') {
                    spacing += ' ';
                    AppendUtf8(spacing, kPaseq);
                } else if (const char32_t a = AccentCodePoint(tens, units)) {
                    AppendUtf8(out, a);
                }
            }
        }
        if (c.dot.size() == 2 && c.dot[0] == '5') {
            if (c.dot[1] == '2') AppendUtf8(out, 0x05C4);
            if (c.dot[1] == '3') AppendUtf8(out, 0x05C5);
        }
        if (c.maqaf) AppendUtf8(out, kMaqaf);
        out += spacing;
    }
}

std::string AccentCodeOfMark(char32_t cp) {
    if (cp == kSofPasuq) return "00";
    for (const auto& a : kAccents)
        if (a.cp == cp) return std::string(a.code);
    return {};
}

}  // namespace lyrasta
