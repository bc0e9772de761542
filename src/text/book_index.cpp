#include "book_index.h"

#include <charconv>

namespace lyrasta {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

template <typename T>
void Set(std::vector<T>& table, int at, T value) {
    if (at >= static_cast<int>(table.size())) table.resize(at + 1, T{});
    table[at] = value;
}

}  // namespace

std::string BookTextProblem(std::string_view text) {
    // A CR ends a line's length as LF does (translations of old have lines ended by CR).
    size_t line = 1, lineStart = 0, wordStart = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        const bool end = i == text.size() || text[i] == '\n' || text[i] == '\r';
        if (end || text[i] == ' ' || text[i] == '\t') {
            if (i - wordStart > kMaxBookWordBytes)
                return "has a word longer than " + std::to_string(kMaxBookWordBytes) + " characters (line " +
                       std::to_string(line) + ")";
            wordStart = i + 1;
        }
        if (end) {
            if (i - lineStart > kMaxBookLineBytes)
                return "has a line longer than " + std::to_string(kMaxBookLineBytes) + " characters (line " +
                       std::to_string(line) + ")";
            lineStart = i + 1;
            if (i < text.size() && text[i] == '\n') ++line;
        }
    }
    return {};
}

BookIndex IndexBookText(std::string_view text) {
    BookIndex ix;
    int r = 1;
    Set<size_t>(ix.segStart, 1, 0);
    auto newSegment = [&](size_t start) { Set(ix.segStart, ++r, start); };
    auto newVerse = [&] { Set(ix.verseSeg, ++ix.verseCount, r); };
    auto newChapter = [&] { Set(ix.chapterVerse, ++ix.chapterCount, ix.verseCount); };

    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            newSegment(i + 1);
            continue;
        }
        if (text[i] != '~') continue;
        // Bytes after "~" are skipped until the marker letter (never past the line's end).
        size_t k = i + 1;
        while (k < text.size() && text[k] != 'a' && text[k] != 'x' && text[k] != 'y' && text[k] != '\n') ++k;
        if (k >= text.size() || text[k] == '\n') {
            i = k - 1;
            continue;
        }
        if (text[k] == 'a') {
            size_t end = text.find('\n', k);
            if (end == std::string_view::npos) end = text.size();
            ix.title = std::string(text.substr(k + 1, end - k - 1));
            if (!ix.title.empty() && ix.title.back() == '\r') ix.title.pop_back();
            if (end == text.size()) break;
            newSegment(end + 1);
            newVerse();
            newChapter();
            i = end;
            continue;
        }
        size_t d = k + 1;
        while (d < text.size() && IsDigit(text[d])) ++d;
        newSegment(d == k + 1 ? k + 1 : d);  // one byte after the last digit, or after the letter
        newVerse();
        if (text[k] == 'x') newChapter();
        i = d - 1;
    }
    Set(ix.segStart, r + 1, text.size());
    ix.segCount = r;
    return ix;
}

bool SplitReadingReference(std::string_view text, ReadingReference& out) {
    auto number = [](std::string_view s, int& n) {
        while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
        while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
        if (s.empty() || s.size() > 6) return false;
        auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
        return ec == std::errc() && end == s.data() + s.size() && n >= 0;
    };
    if (text.size() < 4) return false;
    out.book = std::string(text.substr(0, 3));
    const std::string_view rest = text.substr(3);
    const size_t colon = rest.find(':'), hyphen = rest.find('-');
    if (colon == std::string_view::npos || hyphen == std::string_view::npos || hyphen < colon) return false;
    const std::string_view end = rest.substr(hyphen + 1);
    const size_t endColon = end.find(':');
    if (endColon == std::string_view::npos) return false;
    return number(rest.substr(0, colon), out.startChapter) &&
           number(rest.substr(colon + 1, hyphen - colon - 1), out.startVerse) &&
           number(end.substr(0, endColon), out.endChapter) && number(end.substr(endColon + 1), out.endVerse);
}

int ChapterVerseCount(const BookIndex& index, int chapter) {
    if (chapter < 1 || chapter > index.chapterCount) return 0;
    const int next = chapter < index.chapterCount ? index.ChapterFirstVerse(chapter + 1) : index.verseCount + 1;
    return next - index.ChapterFirstVerse(chapter);
}

std::string ReferenceOutsideBook(const ReadingReference& ref, const BookIndex& index) {
    if (index.verseCount == 0) return {};
    if (ref.startChapter == 0 || ref.endChapter == 0) return "there is no chapter 0";
    if (ref.startVerse == 0 || ref.endVerse == 0) return "there is no verse 0";
    const std::string chapters = "the book has " + std::to_string(index.chapterCount) + " chapters";
    if (ref.startChapter > index.chapterCount) return chapters;
    auto verses = [&](int chapter) {
        return "chapter " + std::to_string(chapter) + " has " + std::to_string(ChapterVerseCount(index, chapter)) +
               " verses";
    };
    if (ref.startVerse > ChapterVerseCount(index, ref.startChapter)) return verses(ref.startChapter);
    if (ref.endChapter <= index.chapterCount && ref.endVerse > ChapterVerseCount(index, ref.endChapter))
        return verses(ref.endChapter);
    return {};
}

ReferenceRange ParseReadingReference(std::string_view reference, const BookIndex& index) {
    ReferenceRange range;
    ReadingReference ref;
    if (!SplitReadingReference(reference, ref)) return range;
    range.valid = true;
    range.book = ref.book;

    // Past the end: normally the last segment is the empty one after the final LF; a text
    // that does not end in LF has its last line there, which the range must still reach.
    const bool lastHoldsText = index.SegmentStart(index.segCount) < index.SegmentStart(index.segCount + 1);
    const int pastEnd = index.segCount + (lastHoldsText ? 2 : 1);
    const int chapterStart = ref.startChapter <= index.chapterCount ? index.ChapterFirstVerse(ref.startChapter) : 0;
    const int firstVerse = chapterStart + ref.startVerse - 1;
    range.firstSeg = chapterStart > 0 && ref.startVerse >= 1 && firstVerse <= index.verseCount
                         ? index.VerseSegment(firstVerse)
                         : pastEnd + 2;  // starts past the end of the book: nothing to scan

    const int chapterEnd = ref.endChapter <= index.chapterCount ? index.ChapterFirstVerse(ref.endChapter) : 0;
    const int afterLast = chapterEnd + ref.endVerse;
    const int endSeg = chapterEnd > 0 ? index.VerseSegment(afterLast) : 0;
    range.endSeg = endSeg > 0 ? endSeg : pastEnd;
    return range;
}

}  // namespace lyrasta
