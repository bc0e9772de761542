#include "training/training_session.h"

#include <gtest/gtest.h>

#include <deque>

#include "text/trope_definitions.h"
#include "text/word_display.h"

namespace lyrasta {
namespace {

const std::filesystem::path kFixtures = LYRASTA_TEST_DATA;
const std::filesystem::path kData = LYRASTA_DATA_DIR;

// The course of the fixture: a tutorial, a lesson, a hidden lesson, flash cards, empty
// flash cards, a Hebrew text and a phrase drill, with a comment among them.
class Training : public ::testing::Test {
protected:
    Training()
        : training_(kFixtures, [this](const std::string& t, const std::string& m) { messages_.push_back(t + ": " + m); }),
          session_(kData, [this](const std::string& t, const std::string& m) { messages_.push_back(t + ": " + m); }) {
        settings_.styles["Torah"] = "Ashkenazi";
    }

    // Opens the option of "Course" named so.
    TTrainingView Open(const std::string& option) {
        EXPECT_TRUE(training_.Choose("Course/" + option));
        return training_.Open(session_, table_, settings_, false, 40);
    }
    // The draws the drills take, in turn.
    void Draws(std::deque<int> values) {
        training_.draw = [values = std::move(values)](int) mutable {
            const int v = values.empty() ? 0 : values.front();
            if (!values.empty()) values.pop_front();
            return v;
        };
    }
    // The Hebrew words of the table, as their letter codes, with "*" for a sung one with notes.
    std::vector<std::string> Words() const {
        std::vector<std::string> out;
        for (int i = 0; i < table_.WordCount(); ++i) {
            const LetterList* letters = table_.OwnLetters(i);
            if (!table_.IsHebrewWord(i) || !letters) continue;
            std::string w;
            bool notes = false;
            for (const strucHebChar& c : *letters) {
                w += c.letter;
                notes = notes || !c.synth.empty();
            }
            out.push_back(w + (notes ? "*" : ""));
        }
        return out;
    }

    std::vector<std::string> messages_;
    TTraining training_;
    TReadingSession session_;
    TWordTable table_;
    strucSongSettings settings_;
};

TEST_F(Training, TheDialogListsVisibleOptionsAndTheNavigatorReachesAll) {
    EXPECT_EQ(SelectionNames(training_.Root()), (std::vector<std::string>{"Course", "Nothing"}));
    std::vector<std::string> listed;
    for (const TTrainingEntry& e : OptionEntries(training_.Root()->FirstChild())) listed.push_back(e.name);
    EXPECT_EQ(listed, (std::vector<std::string>{"Intro", "Intro 2", "Segol", "Cards", "Empty cards", "Creation", "Drill"}));

    // "Next" from the lesson before the hidden one opens it; Previous and Next stop at the ends.
    ASSERT_TRUE(training_.Choose("course/SEGOL"));
    ASSERT_TRUE(training_.LessonNext());
    EXPECT_EQ(Attribute(training_.Option(), "Name"), "Hidden");
    const TTrainingView hidden = training_.Open(session_, table_, settings_, false, 40);
    EXPECT_TRUE(hidden.previousEnabled);
    EXPECT_TRUE(hidden.nextEnabled);
    EXPECT_EQ(hidden.caption, "Lyrasta(tm) - Course: Hidden");
    ASSERT_TRUE(training_.Choose("Course/Drill"));
    EXPECT_FALSE(training_.Open(session_, table_, settings_, false, 40).nextEnabled);
    EXPECT_FALSE(training_.LessonNext());
    EXPECT_FALSE(training_.Choose("Course/Nothing"));
    EXPECT_FALSE(training_.Choose("Nothing/"));
    EXPECT_TRUE(messages_.empty()) << messages_.front();
}

TEST_F(Training, KindsOfOptions) {
    struct Case {
        const char* tutorial;
        TTrainingKind kind;
    } cases[] = {{"TRUE", TTrainingKind::Tutorial},  {"true", TTrainingKind::Tutorial},
                 {"Lesson", TTrainingKind::Lesson},  {"FLASHCARD", TTrainingKind::FlashCard},
                 {"hebtext", TTrainingKind::HebText}, {"", TTrainingKind::PhraseDrill},
                 {"FALSE", TTrainingKind::PhraseDrill}};
    for (const Case& c : cases) {
        TXMLParser doc;
        ASSERT_TRUE(doc.LoadFromText(std::string("<O TUTORIAL=\"") + c.tutorial + "\" STDMaftir=\"GEN1:1-1:2\"/>"));
        EXPECT_EQ(TrainingKindOf(doc.Root()), c.kind) << c.tutorial;
        EXPECT_EQ(TrainingSections(doc.Root()).SecondMaftir, "GEN1:1-1:2");
    }
}

TEST_F(Training, ATutorialPageMixesEnglishWithSungHebrew) {
    const TTrainingView view = Open("Intro");
    EXPECT_EQ(view.kind, TTrainingKind::Tutorial);
    EXPECT_FALSE(view.previousEnabled);
    EXPECT_TRUE(view.nextEnabled);
    EXPECT_FALSE(view.rtlWrapping);
    ASSERT_GE(table_.WordCount(), 9);
    const HxWord& heading = *table_.Item(0);
    EXPECT_EQ(heading.text, "What ");
    EXPECT_EQ(heading.colour, (Rgb{0, 0, 255}));
    EXPECT_EQ(heading.size, 16);
    EXPECT_TRUE(table_.Item(3)->lineEnd);  // "is", the heading's last word
    EXPECT_EQ(table_.Item(4)->colour, (Rgb{0, 0, 0}));
    EXPECT_EQ(Words(), (std::vector<std::string>{"BR)$YT*", "BR)$YT*"}));
    const HxWord& scroll = *table_.Item(table_.WordCount() - 1);
    EXPECT_EQ(scroll.font, "TGBS");
    EXPECT_TRUE(scroll.sung && scroll.rtl && scroll.lineEnd);
    EXPECT_EQ(FirstSungWord(table_), 7);

    // The next option shows the page its R1 names after the text's code.
    ASSERT_TRUE(training_.LessonNext());
    const TTrainingView second = training_.Open(session_, table_, settings_, false, 40);
    EXPECT_EQ(table_.Item(0)->text, "The ");
    EXPECT_EQ(table_.Item(3)->text, "no ");
    EXPECT_TRUE(second.previousEnabled);
    EXPECT_TRUE(Words().empty());
    EXPECT_TRUE(second.problems.empty());
    EXPECT_TRUE(messages_.empty());
}

TEST_F(Training, ALessonShowsItsNotesBesideAllItsExercises) {
    const TTrainingView view = Open("Segol");
    EXPECT_EQ(view.lessonWindow, 40);
    EXPECT_TRUE(view.rtlWrapping && view.preWrapped);
    EXPECT_FALSE(view.exerciseControls);
    // The notes are prepared: the trope's name in the chosen style's naming, no placeholder left.
    EXPECT_NE(view.lessonNotes.find("Segol"), std::string::npos) << view.lessonNotes;
    EXPECT_EQ(view.lessonNotes.find('%'), std::string::npos) << view.lessonNotes;
    EXPECT_NE(view.lessonNotes.find("TGBR"), std::string::npos);
    // Every line is sung, the last one after its note (the phrase's source) as in its verse.
    EXPECT_EQ(Words().size(), 14u);
    for (const std::string& w : Words()) EXPECT_EQ(w.back(), '*') << w;
    EXPECT_TRUE(messages_.empty()) << messages_.front();
    // Exercise words come at the configured exercise size.
    EXPECT_EQ(table_.Item(FirstSungWord(table_))->size, 40);
    EXPECT_TRUE(view.problems.empty());
}

TEST_F(Training, FlashCardsAskAndAnswer) {
    const TTrainingView view = Open("Cards");
    EXPECT_TRUE(view.exerciseControls);
    EXPECT_TRUE(view.nextExercise);
    EXPECT_EQ(Words(), (std::vector<std::string>{"BR)$YT*", "BR)*", ")LHYM*"}));
    // Sung as if it stood in the verse the option names.
    Draws({3});  // line 4, the question of the third card
    training_.NextExercise(session_, table_, settings_);
    EXPECT_EQ(training_.ExerciseIndex(), 4);
    EXPECT_EQ(Words(), (std::vector<std::string>{"BR)$YT*", "BR)*"}));
    training_.ShowAnswer(session_, table_, settings_);
    EXPECT_EQ(Words(), (std::vector<std::string>{"WY)MR*", ")LHYM*"}));
}

TEST_F(Training, FlashCardsWithoutExercisesHideNextExercise) {
    const TTrainingView view = Open("Empty cards");
    EXPECT_TRUE(view.exerciseControls);
    EXPECT_FALSE(view.nextExercise);
    EXPECT_TRUE(Words().empty());
    training_.NextExercise(session_, table_, settings_);  // nothing to draw from
    EXPECT_EQ(training_.ExerciseIndex(), 0);
    ASSERT_EQ(view.problems.size(), 1u);  // the missing file is named
    EXPECT_NE(view.problems[0].find("none.txt"), std::string::npos);
}

TEST_F(Training, AHebrewTextIsOpenedAsAReading) {
    const TTrainingView view = Open("Creation");
    EXPECT_TRUE(view.rtlWrapping);
    EXPECT_FALSE(view.phraseButtons);
    const std::vector<std::string> words = Words();
    ASSERT_GT(words.size(), 10u);
    EXPECT_EQ(words.front(), "BR)$YT*");
    EXPECT_EQ(table_.Item(0)->text, "[Course: Creation]");
}

TEST_F(Training, APhraseDrillMovesOnFromAVerseMarker) {
    // Genesis 1:1-5: the draw 0 gives the segment after verse 1's text, the marker of
    // verse 2; the phrase is then verse 2's text.
    Draws({0});
    const TTrainingView view = Open("Drill");
    EXPECT_TRUE(view.phraseButtons);
    EXPECT_EQ(table_.Item(0)->text, "Chant this phrase:");
    const int first = FirstSungWord(table_);
    ASSERT_GT(first, 0);
    EXPECT_EQ(table_.OwnLetters(first)->front().verse, 2);
    EXPECT_EQ(table_.OwnLetters(first)->front().book, "GEN");
    for (const std::string& w : Words()) EXPECT_EQ(w.back(), '*') << w;
    // Another phrase: the last segment of the range, verse 5's text.
    Draws({7});
    training_.NextPhrase(session_, table_, settings_);
    EXPECT_EQ(table_.OwnLetters(FirstSungWord(table_))->front().verse, 5);
}

}  // namespace
}  // namespace lyrasta

namespace lyrasta {
namespace {

// The program's own course: every option opens without a message, every word it shows to
// sing has notes, and no placeholder is left in its notes.
TEST(TrainingMaterial, EveryOptionOpensSungAndNamed) {
    if (!std::filesystem::exists(kData / "encodings" / "training.xml"))
        GTEST_SKIP() << "the data folder has no training material";
    std::vector<std::string> messages;
    std::string opening = "start";  // the option being opened, to name it with its messages
    auto message = [&](const std::string& t, const std::string& m) { messages.push_back(opening + ": " + t + ": " + m); };
    TTraining training(kData, message);
    training.draw = [](int n) { return n / 2; };  // the drills' phrases from the middle of their range
    TReadingSession session(kData, message);
    strucSongSettings settings;
    // The first style of every reading type, as a new user gets it (without the warning).
    TTropeDefinitions definitions;
    definitions.LoadTropeDefinitions(kData, message);
    for (int i : ElementIndexes(definitions.DefinitionsRoot())) {
        const TXMLelement* style = definitions.DefinitionsRoot()->ChildByIndex(i);
        settings.styles.emplace(Attribute(style, "Type"), Attribute(style, "Name"));
    }
    TWordTable table;
    int opened = 0;
    for (int s : ElementIndexes(training.Root())) {
        for (int o : ElementIndexes(training.Root()->ChildByIndex(s))) {
            ASSERT_TRUE(training.Choose(s, o));
            opening = Attribute(training.Option(), "Name");
            const TTrainingView view = training.Open(session, table, settings, false, 40);
            SCOPED_TRACE(view.title);
            ++opened;
            EXPECT_TRUE(view.problems.empty()) << view.problems.front();
            for (int i = 0; i < table.WordCount(); ++i) {
                // A pair (maqaf, ketiv and qere) is sung as one word, from its first item.
                const HxWord& item = *table.Item(i);
                if (!table.IsSung(i) || (item.pairFirst >= 0 && item.pairFirst != i)) continue;
                bool notes = false;
                for (const strucHebChar& c : table.SungLetters(i)) notes = notes || !c.synth.empty();
                EXPECT_TRUE(notes) << "item " << i << " " << table.ItemText(i) << " is not sung";
            }
            for (size_t at = view.lessonNotes.find('%'); at != std::string::npos;
                 at = view.lessonNotes.find('%', at + 1)) {
                const size_t end = view.lessonNotes.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ_-", at + 1);
                EXPECT_FALSE(end != std::string::npos && end > at + 1 && view.lessonNotes[end] == '%')
                    << "placeholder left: " << view.lessonNotes.substr(at, end - at + 1);
            }
        }
    }
    EXPECT_GT(opened, 0);
    EXPECT_TRUE(messages.empty()) << messages.front();
}

}  // namespace
}  // namespace lyrasta
