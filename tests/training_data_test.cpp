// The bundled course (encodings/training.xml and the files it names) read through the
// program's own readers: every file an option names is there, every tutorial page exists and
// its Hebrew scans to letters, every exercise line scans word by word into words with letters
// (a word without letters would drop the rest of its line), every reading reference lies in
// its book, and every placeholder of the lesson notes and exercise files names a trope entry
// of every naming, or a lesson note of every melody style of the option's reading type.

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "text/book_index.h"
#include "text/data_files.h"
#include "text/reading_loader.h"
#include "text/trope_definitions.h"
#include "text/word_scanner.h"
#include "text/xml.h"

namespace lyrasta {
namespace {

const std::filesystem::path kData = LYRASTA_DATA_DIR;

std::vector<const TXMLelement*> Elements(const TXMLelement* parent) {
    std::vector<const TXMLelement*> out;
    for (int i = 0; parent && i < parent->ChildCount(); ++i)
        if (parent->ChildByIndex(i)->Type() == TXMLelement::ntElement) out.push_back(parent->ChildByIndex(i));
    return out;
}

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The words of one line as the range scanner cuts them: a blank outside braces or angle
// brackets ends a word.
std::vector<std::string> LineWords(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    int depth = 0;
    for (char c : line) {
        if (c == '{' || c == '<') ++depth;
        if ((c == '}' || c == '>') && depth > 0) --depth;
        if (c == ' ' && depth == 0) {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

// Why a word would not be shown as it stands: empty when it is a note or has letters.
std::string WordProblem(const std::string& word) {
    bool smallPrint = false;
    const LetterList letters = ScanWord(word, 0, word.size() - 1, smallPrint);
    if (!letters.empty() && !letters.front().note.empty()) return {};
    for (const auto& record : letters)
        if (!record.letter.empty()) return {};
    return "\"" + word + "\" scans to no letters";
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find("\r\n", at);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

class TrainingData : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(training_.LoadFromFile((kData / "encodings" / "training.xml").string()))
            << "training.xml does not parse";
        defs_.LoadTropeDefinitions(kData, [](const std::string& title, const std::string& text) {
            ADD_FAILURE() << title << ": " << text;
        });
    }

    // Every option with its selection's name in front, for the messages.
    std::vector<std::pair<std::string, const TXMLelement*>> Options() const {
        std::vector<std::pair<std::string, const TXMLelement*>> out;
        for (const TXMLelement* selection : Elements(training_.Root()))
            for (const TXMLelement* option : Elements(selection))
                out.emplace_back(selection->AttributeValue("Name") + "/" + option->AttributeValue("Name"), option);
        return out;
    }

    std::string Read(const std::string& relative) const { return ReadDataFile(kData, relative); }

    // The problem of one placeholder in a text shown for reading type `type`, or empty.
    std::string PlaceholderProblem(const std::string& name, const std::string& type) const {
        static const std::regex note("NOTE_(.+)"), chars("HEB_(?:CHARS|VALUE)_(.+)");
        std::smatch m;
        if (std::regex_match(name, m, note)) {
            int styles = 0;
            for (const TXMLelement* style : Elements(defs_.DefinitionsRoot())) {
                if (Upper(style->AttributeValue("Type")) != Upper(type)) continue;
                ++styles;
                const TXMLelement* notes = style->ChildByName("LESSON_NOTES");
                if (!ChildByNameAttribute(notes, m[1].str()))
                    return "%" + name + "%: no lesson note " + m[1].str() + " in the style " +
                           style->AttributeValue("Name") + "/" + type;
            }
            return styles ? "" : "%" + name + "%: no melody style of the type " + type;
        }
        const std::string trope = std::regex_match(name, m, chars) ? m[1].str() : name;
        for (const TXMLelement* encoding : Elements(defs_.NamesRoot()))
            if (!ChildByNameAttribute(encoding, trope))
                return "%" + name + "%: no trope " + trope + " in the naming " + encoding->AttributeValue("Name");
        return {};
    }

    std::vector<std::string> PlaceholderProblems(const std::string& text, const std::string& type) const {
        static const std::regex placeholder("%([A-Z][A-Z_-]*)%");
        std::vector<std::string> problems;
        for (std::sregex_iterator it(text.begin(), text.end(), placeholder), end; it != end; ++it)
            if (std::string p = PlaceholderProblem((*it)[1].str(), type); !p.empty()) problems.push_back(p);
        return problems;
    }

    TXMLParser training_;
    TTropeDefinitions defs_;
};

TEST_F(TrainingData, EverySelectionHasOptionsOfAKnownKind) {
    const auto selections = Elements(training_.Root());
    ASSERT_FALSE(selections.empty());
    for (const TXMLelement* selection : selections) {
        EXPECT_FALSE(selection->AttributeValue("Name").empty());
        EXPECT_FALSE(Elements(selection).empty()) << selection->AttributeValue("Name") << " has no options";
    }
    for (const auto& [where, option] : Options()) {
        EXPECT_FALSE(option->AttributeValue("Name").empty()) << where;
        EXPECT_FALSE(option->AttributeValue("Type").empty()) << where << ": no reading type";
    }
}

TEST_F(TrainingData, TutorialPagesExistAndTheirHebrewScans) {
    for (const auto& [where, option] : Options()) {
        if (Upper(option->AttributeValue("TUTORIAL")) != "TRUE") continue;
        const std::string r1 = option->AttributeValue("R1");
        const std::string text = Read("bhs/" + r1.substr(0, 3) + ".txt");
        ASSERT_FALSE(text.empty()) << where << ": bhs/" << r1.substr(0, 3) << ".txt";
        const std::string page = r1.size() > 3 ? r1.substr(3) : "1";
        const size_t at = text.find("\n~" + page + " ");
        ASSERT_NE(at, std::string::npos) << where << ": no page " << page;
        const size_t end = text.find('~', at + 2);
        const std::string body = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
        int hebrew = 0;
        for (size_t open = body.find('{'); open != std::string::npos; open = body.find('{', open + 1)) {
            const size_t close = body.find('}', open);
            ASSERT_NE(close, std::string::npos) << where << ": unclosed brace";
            for (const std::string& word : LineWords(body.substr(open + 1, close - open - 1))) {
                EXPECT_EQ(WordProblem(word), "") << where;
                ++hebrew;
            }
        }
        EXPECT_GT(hebrew, 0) << where << ": a page without a sung example";
    }
}

TEST_F(TrainingData, ExerciseFilesAndNotesExistAndTheirLinesScan) {
    for (const auto& [where, option] : Options()) {
        const std::string kind = Upper(option->AttributeValue("TUTORIAL"));
        if (kind != "LESSON" && kind != "FLASHCARD") continue;
        const std::string notes = Read("exercises/" + option->AttributeValue("L1"));
        EXPECT_EQ(notes.rfind("{\\rtf1", 0), 0u) << where << ": lesson notes " << option->AttributeValue("L1");
        for (const std::string& p : PlaceholderProblems(notes, option->AttributeValue("Type")))
            ADD_FAILURE() << where << " notes: " << p;

        const std::string lines = Read("exercises/" + option->AttributeValue("R1"));
        ASSERT_FALSE(lines.empty()) << where << ": exercise file " << option->AttributeValue("R1");
        EXPECT_EQ(lines.substr(lines.size() - 2), "\r\n") << where << ": the last line has no CR LF";
        const auto split = SplitLines(lines);
        if (Upper(option->AttributeValue("TwoLine")) == "TRUE") {
            EXPECT_EQ(split.size() % 2, 0u) << where << ": a question without its answer";
        }
        for (const std::string& line : split) {
            bool sung = false;
            for (const std::string& word : LineWords(line)) {
                EXPECT_EQ(WordProblem(word), "") << where << ": " << line;
                sung = sung || word.front() != '{';
            }
            EXPECT_TRUE(sung) << where << ": a line with nothing to sing: " << line;
        }
        for (const std::string& p : PlaceholderProblems(lines, option->AttributeValue("Type")))
            ADD_FAILURE() << where << " lines: " << p;
    }
}

TEST_F(TrainingData, ReadingReferencesLieInTheirBooks) {
    for (const auto& [where, option] : Options()) {
        const std::string kind = Upper(option->AttributeValue("TUTORIAL"));
        if (kind == "TRUE" || kind == "LESSON" || kind == "FLASHCARD") continue;
        int sections = 0;
        for (const std::string& name : TReadingSections::Names()) {
            const std::string reference = option->AttributeValue(name);
            if (reference.empty() || name.find("Note") != std::string::npos) continue;
            ++sections;
            const BookIndex index = IndexBookText(Read("bhs/" + reference.substr(0, 3) + ".txt"));
            const ReferenceRange range = ParseReadingReference(reference, index);
            EXPECT_TRUE(range.valid) << where << ": " << reference;
            EXPECT_GE(range.LastSeg(), range.firstSeg) << where << ": " << reference << " is empty";
            ReadingReference parts;
            if (SplitReadingReference(reference, parts)) {
                EXPECT_EQ(ReferenceOutsideBook(parts, index), "") << where << ": " << reference;
            }
        }
        EXPECT_GT(sections, 0) << where << ": no reading";
    }
}

}  // namespace
}  // namespace lyrasta
