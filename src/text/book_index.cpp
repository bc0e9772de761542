#include "book_index.h"

#include <algorithm>
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
    // Words and CR-ended lines lie within the LF-ended lines: only an LF-ended line longer
    // than the shorter limit needs its bytes looked at, so most lines are passed over whole.
    constexpr size_t kShorterLimit = std::min(kMaxBookWordBytes, kMaxBookLineBytes);
    size_t line = 1;
    for (size_t start = 0; start <= text.size(); ++line) {
        const size_t end = std::min(text.find('\n', start), text.size());
        if (end - start > kShorterLimit) {
            size_t lineStart = start, wordStart = start;
            for (size_t i = start; i <= end; ++i) {
                const bool lineEnd = i == end || text[i] == '\r';
                if (lineEnd || text[i] == ' ' || text[i] == '\t') {
                    if (i - wordStart > kMaxBookWordBytes)
                        return "has a word longer than " + std::to_string(kMaxBookWordBytes) + " characters (line " +
                               std::to_string(line) + ")";
                    wordStart = i + 1;
                }
                if (lineEnd) {
                    if (i - lineStart > kMaxBookLineBytes)
                        return "has a line longer than " + std::to_string(kMaxBookLineBytes) +
                               " characters (line " + std::to_string(line) + ")";
                    lineStart = i + 1;
                }
            }
        }
        start = end + 1;
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

    // Only line ends and markers ("~") matter: the text is searched for them, a line at a time.
    auto lineEnd = [&](size_t from) { return std::min(text.find('\n', from), text.size()); };
    size_t i = 0, eol = lineEnd(0);
    while (i < text.size()) {
        const size_t marker = text.substr(0, eol).find('~', i);
        if (marker == std::string_view::npos) {
            if (eol == text.size()) break;
            newSegment(eol + 1);
            i = eol + 1;
            eol = lineEnd(i);
            continue;
        }
        // Bytes after "~" are skipped until the marker letter (never past the line's end).
        size_t k = marker + 1;
        while (k < eol && text[k] != 'a' && text[k] != 'x' && text[k] != 'y') ++k;
        if (k == eol) {
            i = k;
            continue;
        }
        if (text[k] == 'a') {
            ix.title = std::string(text.substr(k + 1, eol - k - 1));
            if (!ix.title.empty() && ix.title.back() == '\r') ix.title.pop_back();
            if (eol == text.size()) break;
            newSegment(eol + 1);
            newVerse();
            newChapter();
            i = eol + 1;
            eol = lineEnd(i);
            continue;
        }
        size_t d = k + 1;
        while (d < text.size() && IsDigit(text[d])) ++d;
        newSegment(d == k + 1 ? k + 1 : d);  // one byte after the last digit, or after the letter
        newVerse();
        if (text[k] == 'x') newChapter();
        i = d;
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
