#include "exercises.h"

#include <algorithm>
#include <cctype>

namespace lyrasta {

BookIndex IndexExerciseText(std::string_view text) {
    BookIndex index;
    index.segStart = {0, 0};
    index.verseSeg = {0, 1};
    index.chapterVerse = {0, 1};
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\r') {
            // The LF of the line end belongs to the line before: a line's words start after it.
            index.segStart.push_back(i + 1 < text.size() && text[i + 1] == '\n' ? i + 2 : i + 1);
            index.verseSeg.push_back(static_cast<int>(index.segStart.size()) - 1);
        }
    index.segCount = static_cast<int>(index.segStart.size()) - 1;
    index.verseCount = index.segCount;
    index.chapterCount = 1;
    index.segStart.push_back(text.size());
    return index;
}

int ExerciseLineCount(std::string_view text) {
    const size_t lastEnd = text.rfind('\r');
    const size_t tail = lastEnd == std::string_view::npos ? 0 : lastEnd + 1;
    const bool textAfter = text.find_first_not_of("\r\n \t", tail) != std::string_view::npos;
    return static_cast<int>(std::count(text.begin(), text.end(), '\r')) + (textAfter ? 1 : 0);
}

int NextExerciseLine(int lineCount, int current, bool twoLine, const RandomDraw& draw) {
    if (lineCount < 3) return 0;
    // The lines that can come: 1 to the last, in two-line mode the even ones from 2.
    bool another = false;
    for (int line = twoLine ? 2 : 1; line < lineCount && !another; line += twoLine ? 2 : 1) another = line != current;
    if (!another) return current;
    for (;;) {
        int line = 1 + draw(lineCount - 1);
        if (twoLine) line -= line % 2;
        if (line != 0 && line != current) return line;
    }
}

int PickPhraseSegment(int first, int end, const RandomDraw& draw) {
    const int span = end - 1 - first;  // first + 1 .. end - 1
    return span > 0 ? first + 1 + draw(span) : first;
}

std::optional<std::string_view> TutorialPage(std::string_view text, int page) {
    const std::string marker = "~" + std::to_string(page);
    for (size_t at = text.find(marker); at != std::string_view::npos; at = text.find(marker, at + 1)) {
        const size_t from = at + marker.size();
        if (from < text.size() && std::isdigit(static_cast<unsigned char>(text[from]))) continue;  // "~10" for "~1"
        const size_t next = text.find('~', from);
        return text.substr(from, next == std::string_view::npos ? std::string_view::npos : next - from);
    }
    return std::nullopt;
}

std::vector<TTutorialWord> TutorialWords(std::string_view page) {
    std::vector<TTutorialWord> words;
    TTutorialWord word;
    bool heading = true;         // no line with words has ended yet
    bool lineHasWords = false;
    auto endWord = [&](bool endsLine) {
        if (!word.text.empty()) {
            word.heading = heading;
            words.push_back(word);
            word.text.clear();
            lineHasWords = true;
        }
        if (!endsLine) return;
        // A blank line ends nothing: the heading is the first line that has words.
        if (lineHasWords) {
            words.back().lineEnd = true;
            heading = false;
        }
        lineHasWords = false;
        word.script = TTutorialWord::English;
    };
    for (const char ch : page) {
        if (ch == '\r' || ch == '\n') {
            endWord(true);
        } else if (ch == '{' || ch == '<') {
            endWord(false);
            word.script = ch == '{' ? TTutorialWord::Modern : TTutorialWord::Scroll;
        } else if ((ch == '}' && word.script == TTutorialWord::Modern) ||
                   (ch == '>' && word.script == TTutorialWord::Scroll)) {
            endWord(true);
        } else if (ch == ' ' || ch == '\t') {
            endWord(false);
        } else {
            word.text += ch;
        }
    }
    endWord(true);
    return words;
}

}  // namespace lyrasta
