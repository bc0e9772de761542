#include "book_facts.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace lyrasta {

std::string BookDisplayName(std::string_view code) {
    static const struct { const char* codes; const char* name; } kNames[] = {
        {"GEN GE1", "Genesis "}, {"EXO", "Exodus"}, {"LEV", "Leviticus"}, {"NUM", "Numbers"},
        {"DEU", "Deuteronomy"}, {"1SA 1S1", "1 Samuel"}, {"2SA", "2 Samuel"}, {"ISA IS1", "Isaiah"},
        {"JER", "Jeremiah"}, {"JON", "Jonah"}, {"ZEC", "Zechariah"}, {"1KI", "1 Kings"},
        {"2KI", "2 Kings"}, {"EZE", "Ezekial"}, {"JOS", "Joshua"}, {"MAL", "Malachi"},
        {"HAB", "Habakkuk"}, {"OBA", "Obadiah"}, {"JOE", "Joel"}, {"AMO", "Amos"}, {"HOS", "Hosea"},
        {"JUD", "Judges"}, {"MIC", "Micah"}, {"EST ES1", "Esther"}, {"SOS SO1", "Shir HaShirim"},
        {"RUT RU1", "Ruth"}, {"LAM LA1", "Eichah/Lamentations"}, {"QOH QO1", "Koheles/Ecclesiastes"},
        {"NEH", "Nechemiah"}, {"TRP", "Te'amim Guide"}, {"TRA", "Te'amim Guide - Academic Trope Names"},
        {"CLS", "Te'amim Clause Examples"}, {"CLA", "Te'amim Clause Examples - Academic Trope Names"},
        {"BRC", "Blessings"},
    };
    if (code.size() == 3) {
        for (const auto& n : kNames) {
            const std::string_view codes(n.codes);
            for (size_t at = 0; at < codes.size(); at += 4)
                if (codes.substr(at, 3) == code) return n.name;
        }
    }
    return std::string(code);
}

int VerseEndKind(std::string_view code, int chapter, int verse, bool lastInRange) {
    static const struct { const char* code; int chapter, verse; } kBookEnds[] = {
        {"GEN", 50, 26}, {"EXO", 40, 38}, {"LEV", 27, 34}, {"NUM", 36, 13}, {"DEU", 34, 12}};
    for (const auto& e : kBookEnds)
        if (code == e.code && chapter == e.chapter && verse == e.verse) return kBookEnd;

    // The last verse of each chapter of the Megillot.
    static const struct { const char* code; std::vector<int> lastVerses; } kMegillot[] = {
        {"EST", {22, 23, 15, 17, 14, 14, 10, 17, 32, 3}},
        {"RUT", {22, 23, 18, 22}},
        {"LAM", {22, 22, 66, 22, 21}},
        {"SOS", {17, 17, 11, 16, 16, 12, 14, 14}},
        {"QOH", {18, 26, 22, 17, 19, 12, 29, 17, 18, 20, 10, 13}},
    };
    for (const auto& m : kMegillot) {
        if (code != m.code || chapter < 1 || chapter > static_cast<int>(m.lastVerses.size())) continue;
        if (verse != m.lastVerses[chapter - 1]) return kNotVerseEnd;
        const bool bookEnd = chapter == static_cast<int>(m.lastVerses.size());
        const bool repeatedAfter = code == "LAM" || code == "QOH";
        return bookEnd && repeatedAfter && !lastInRange ? kNotVerseEnd : kChapterEnd;
    }
    return kNotVerseEnd;
}

std::string ClosingRepeat(std::string_view reference) {
    static const struct { const char* code; const char* lastVerse; const char* repeat; } kRepeats[] = {
        {"LAM", "-5:22", "LAM5:21-5:21"}, {"QOH", "-12:14", "QOH12:13-12:13"}};
    std::string code(reference.substr(0, 3));
    for (char& c : code) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const auto& r : kRepeats) {
        const std::string_view last(r.lastVerse);
        if (reference.size() > last.size() + 3 && code == r.code &&
            reference.substr(reference.size() - last.size()) == last)
            return r.repeat;
    }
    return {};
}

}  // namespace lyrasta
