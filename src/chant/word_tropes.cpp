#include "word_tropes.h"

#include <array>
#include <string_view>

#include "text/trope_codes.h"

namespace lyrasta {

namespace {

struct Accent {
    std::string code;
    int syllable = 0;
};

void Name(strucWordTrope& t, const std::string& following, bool finalStress) {
    TropeInfoResult info = TropeInfo(t.code, following, finalStress);
    t.name = std::move(info.name);
    t.placement = std::move(info.position);
    t.disjunctive = info.disjunctive;
}

}  // namespace

strucWordTropes WordTropes(const LetterList& letters) {
    strucWordTropes w;
    const int n = static_cast<int>(letters.size());
    for (const strucHebChar& c : letters) w.syllables += c.sylStart ? 1 : 0;
    for (int j = n - 1; j >= 0; --j) {
        if (letters[j].sylStart) {
            w.finalStress = letters[j].stress;
            break;
        }
    }

    // The last three accented letters, from the word's end, with their syllable numbers
    // (kept without a list of their own: every word of a reading passes here).
    std::array<Accent, 3> accents;
    size_t found = 0;
    auto add = [&](std::string code, int at) {
        if (found < accents.size()) accents[found++] = {std::move(code), at};
    };
    int syllable = w.syllables;
    int stressed = 0;
    for (int j = n - 1; j >= 0; --j) {
        if (j != n - 1 && letters[j].sylEnd) --syllable;
        if (letters[j].sylStart && letters[j].stress && stressed == 0) stressed = syllable;
        const std::string& a = letters[j].accents;
        if (a.empty()) continue;
        // A paseq written on the same letter as the trope before it (azla with paseq on
        // one letter) is a mark of its own after that trope.
        if (a.size() > 2 && a.compare(a.size() - 2, 2, "05") == 0) {
            add("05", syllable);
            add(a.substr(0, a.size() - 2), syllable);
        } else {
            add(a, syllable);
        }
    }
    auto [main, second, third] = std::move(accents);

    // Marks that only show position or pause drop out, so the trope before them counts.
    using namespace std::string_view_literals;
    const bool drop = (main.code == "05"sv && !third.code.empty()) ||
                      (main.code == "03"sv && second.code == "33"sv && third.code == "70"sv) ||
                      (main.code == "00"sv && second.code == "75"sv && (third.code == "73"sv || third.code == "71"sv));
    if (drop) {
        main = second;
        second = third;
        third = Accent{};
    }
    w.main.code = main.code;
    w.main.syllable = main.syllable;
    w.second.code = second.code;
    w.second.syllable = second.syllable;
    w.third = third.code;
    Name(w.main, "", w.finalStress);
    Name(w.second, w.main.code, w.finalStress);

    // A prepositive trope shown once stands before the word, not on its stressed syllable:
    // its figure is sung where the word is stressed.
    if ((w.main.name == "TELISHA_GEDOLA"sv || w.main.name == "YETIV"sv) && w.second.name != w.main.name &&
        stressed > 0)
        w.main.syllable = stressed;

    // Telisha gedola with gershayim is sung as gershayim after a telisha gedola.
    if (w.main.name == "TELISHA_GEDOLA_AND_GERSHAYIM"sv ||
        (w.main.name == "GERSHAYIM"sv && w.second.name == "TELISHA_GEDOLA"sv)) {
        w.main.code = "62";
        w.second.code = "14";
        w.second.syllable = w.main.syllable;
        Name(w.main, "", w.finalStress);
        Name(w.second, w.main.code, w.finalStress);
    }
    return w;
}

double PauseDivisor(const std::string& trope) {
    using namespace std::string_view_literals;
    if (trope == "SOF_PASUK"sv) return 0.625;
    if (trope == "ETNACHTA"sv) return 2;
    for (std::string_view t : {"ZAKEF_GADOL"sv, "ZAKEF_KATON"sv, "SHALSHELET"sv, "PAZER"sv, "SEGOL"sv})
        if (trope == t) return 4;
    if (trope.compare(0, 2, "Vl") == 0) return 4;
    return 6;
}

}  // namespace lyrasta
