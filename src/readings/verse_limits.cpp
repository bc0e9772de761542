#include "verse_limits.h"

#include <cstdio>
#include <sstream>

namespace lyrasta {

namespace {

// One book of a list: either the verse limits of chapters 1, 2, 3, ... (`run`) or
// chapter:limit pairs (`pairs`), blank-separated.
struct BookLimits {
    const char* code;
    const char* name;
    const char* run;
    const char* pairs;
};

const BookLimits kTorah[] = {
    {"GEN", "Genesis",
     "31 25 24 26 32 22 24 22 29 32 32 20 18 24 21 16 27 33 38 18 34 24 20 67 34 35 46 22 35 43 "
     "54 33 20 31 29 43 36 30 23 23 57 38 34 34 28 34 31 22 33 26", nullptr},
    {"EXO", "Exodus",
     "22 25 22 31 23 30 29 28 35 29 10 51 22 31 27 36 16 27 25 23 37 30 33 18 40 37 21 43 46 38 "
     "18 35 23 35 35 38 29 31 43 38", nullptr},
    {"LEV", "Leviticus",
     "17 16 17 35 26 23 38 36 24 20 47 8 59 57 33 34 16 30 37 27 24 33 44 23 55 46 34", nullptr},
    {"NUM", "Numbers",
     "54 34 51 49 31 27 89 26 23 36 35 16 33 45 41 35 28 32 22 29 35 41 30 25 18 65 23 31 39 17 "
     "54 42 56 29 34 13", nullptr},
    {"DEU", "Deuteronomy",
     "46 37 29 49 30 25 26 20 29 22 32 31 19 29 23 22 20 22 21 20 23 29 26 22 19 19 26 69 28 20 "
     "30 52 29 12", nullptr},
};

const BookLimits kHaftarah[] = {
    {"1KI", "1 Kings", nullptr, "1:53 2:46 3:28 4:1 5:32 6:38 7:51 8:66 9:1 18:46 19:21"},
    {"1SA", "1 Samuel", nullptr, "1:28 2:36 11:15 12:25 15:35 20:42"},
    {"2KI", "2 Kings", nullptr, "4:44 5:27 7:20 11:20 12:22 23:37"},
    {"2SA", "2 Samuel", nullptr, "6:23 7:29 22:51"},
    {"AMO", "Amos", nullptr, "2:16 3:15 9:15"},
    {"EZE", "Ezekial", nullptr,
     "1:28 3:27 20:44 22:31 28:26 29:21 36:38 37:28 38:23 39:29 43:27 44:31 45:25 46:24"},
    {"HAB", "Habakkuk", nullptr, "2:20 3:19"},
    {"HOS", "Hosea", nullptr, "1:19 2:25 11:11 12:15 13:15 14:10"},
    {"ISA", "Isaiah", nullptr,
     "1:31 6:13 7:25 9:20 10:34 11:16 12:6 27:13 28:29 29:24 40:31 41:29 42:25 43:28 44:28 49:26 "
     "50:11 51:23 52:15 54:17 55:13 56:12 57:21 58:14 60:22 61:11 62:12 63:19 66:24"},
    {"JER", "Jeremiah", nullptr,
     "1:19 2:37 3:4 4:31 7:34 8:23 9:25 16:21 17:27 31:39 32:44 33:26 34:22 46:28"},
    {"JOE", "Joel", nullptr, "2:27"},
    {"JON", "Jonah", nullptr, "1:16 2:11 3:10 4:11"},
    {"JOS", "Joshua", nullptr, "1:18 2:24 3:7 5:15 6:27"},
    {"JUD", "Judges", nullptr, "4:24 5:31 11:40 13:25"},
    {"MAL", "Malachi", nullptr, "1:14 2:17 3:24"},
    {"MIC", "Micah", nullptr, "1:24 5:14 6:16 7:20"},
    {"NEH", "Nechemiah", nullptr, "7:72 8:10"},
    {"OBA", "Obadiah", nullptr, "1:21"},
    {"ZEC", "Zechariah", nullptr, "1:14 2:17 3:10 4:14 14:21"},
};

const BookLimits kMegillot[] = {
    {"EST", "Esther", "22 23 15 17 14 14 10 17 32 3", nullptr},
    {"LAM", "Lamentations (Eichah)", "22 22 66 22 22", nullptr},
    {"QOH", "Koheles (Ecclesiastes)", "18 26 22 17 19 12 29 17 18 20 10 14", nullptr},
    {"RUT", "Ruth", "22 23 18 22", nullptr},
    {"SOS", "Song of Songs (Shir HaShirim)", "17 17 11 16 16 12 14 14", nullptr},
};

const BookLimits kHighHolidays[] = {
    {"GEN", "Genesis", nullptr, "1:31 2:3 21:34 22:24"},
    {"NUM", "Numbers", nullptr, "29:14"},
    {"LEV", "Leviticus", nullptr, "16:34 19:37"},
    {"DEU", "Deuteronomy", nullptr, "29:14 30:20"},
};

std::string TwoDigits(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%.2d", n);
    return buf;
}

std::string Entry(const BookLimits& b, int chapter, int limit) {
    return std::string(b.code) + "/" + b.name + ":" + TwoDigits(chapter) + ":" + TwoDigits(limit);
}

template <size_t N>
std::vector<std::string> Build(const BookLimits (&books)[N]) {
    std::vector<std::string> out;
    for (const BookLimits& b : books) {
        std::istringstream in(b.run ? b.run : b.pairs);
        std::string item;
        for (int chapter = 1; in >> item; ++chapter) {
            if (b.run) {
                out.push_back(Entry(b, chapter, std::stoi(item)));
            } else {
                const size_t colon = item.find(':');
                out.push_back(Entry(b, std::stoi(item.substr(0, colon)), std::stoi(item.substr(colon + 1))));
            }
        }
    }
    return out;
}

}  // namespace

const std::vector<std::string>& ReadingLimits(ReadingKind kind) {
    static const std::vector<std::string> torah = Build(kTorah), haftarah = Build(kHaftarah),
                                          megillot = Build(kMegillot), high = Build(kHighHolidays);
    switch (kind) {
        case ReadingKind::Torah: return torah;
        case ReadingKind::Haftarah: return haftarah;
        case ReadingKind::Megilla: return megillot;
        case ReadingKind::HighHolidaysTorah: return high;
    }
    return torah;
}

ReadingLimitParts GetReadingLimitParts(std::string_view entry) {
    auto part = [&](size_t at, size_t n) {
        return at < entry.size() ? std::string(entry.substr(at, n)) : std::string();
    };
    ReadingLimitParts p;
    p.code = part(0, 3);
    const size_t colon = entry.find(':');
    p.name = part(4, colon == std::string_view::npos ? std::string_view::npos : colon - std::min<size_t>(colon, 4));
    if (colon != std::string_view::npos) {
        p.chapter = part(colon + 1, 2);
        p.verse = part(colon + 4, 2);
    }
    return p;
}

std::vector<std::string> BookChoices(ReadingKind kind) {
    std::vector<std::string> out = {"-Select a book-"};
    std::string previous;
    for (const std::string& e : ReadingLimits(kind)) {
        std::string name = GetReadingLimitParts(e).name;
        if (name != previous) out.push_back(name);
        previous = std::move(name);
    }
    return out;
}

std::vector<std::string> ChapterChoices(ReadingKind kind, std::string_view name) {
    std::vector<std::string> out;
    if (name.empty() || name[0] == '-') return out;
    for (const std::string& e : ReadingLimits(kind)) {
        ReadingLimitParts p = GetReadingLimitParts(e);
        if (p.name == name) out.push_back(std::move(p.chapter));
    }
    return out;
}

std::vector<std::string> VerseChoices(ReadingKind kind, std::string_view name, std::string_view chapter) {
    std::vector<std::string> out;
    if (name.empty() || name[0] == '-') return out;
    for (const std::string& e : ReadingLimits(kind)) {
        const ReadingLimitParts p = GetReadingLimitParts(e);
        if (p.name != name || p.chapter != chapter) continue;
        const int limit = std::stoi(p.verse);
        // Of Nechemiah 7 only its last verse, 72, belongs to a haftarah.
        const bool fromLast = kind == ReadingKind::Haftarah && name.substr(0, 3) == "Nec" && chapter == "07";
        for (int v = fromLast ? 72 : 1; v <= limit; ++v) out.push_back(TwoDigits(v));
        break;
    }
    return out;
}

std::string BookCodeFor(ReadingKind kind, std::string_view name) {
    for (const std::string& e : ReadingLimits(kind)) {
        ReadingLimitParts p = GetReadingLimitParts(e);
        if (p.name == name) return p.code;
    }
    return {};
}

std::string ReadingReferenceText(std::string_view code, std::string_view startChapter,
                                 std::string_view startVerse, std::string_view endChapter,
                                 std::string_view endVerse) {
    std::string out(code);
    out.append(startChapter).append(":").append(startVerse).append("-");
    out.append(endChapter).append(":").append(endVerse);
    return out;
}

}  // namespace lyrasta
