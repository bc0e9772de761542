#pragma once
// Training: the training document, the option the student chose and everything needed to
// show it in the main window's text view. Opening an option loads its text into the word
// table (a tutorial page, lesson exercises, a flash card, a Hebrew text or a drill phrase)
// with its song, and says what the window shows around it: the caption, the lesson notes
// and their pane, the navigator's buttons and the exercise controls. The window only lays
// out and draws what this decides.

#include <filesystem>
#include <string>
#include <vector>

#include "player/reading_session.h"
#include "text/xml.h"
#include "training/exercises.h"
#include "training/training_document.h"

namespace lyrasta {

// What the window shows for an opened option.
struct TTrainingView {
    TTrainingKind kind = TTrainingKind::Tutorial;
    std::string title;            // selection name + ": " + option name
    std::string caption;          // the window's caption
    bool previousEnabled = false; // the navigator's buttons
    bool nextEnabled = false;
    int lessonWindow = 0;         // the lesson pane's width in percent; 0 hides pane and navigator
    std::string lessonNotes;      // the prepared rich text of the notes ("" for none)
    bool exerciseControls = false;   // "Play" and "Next exercise" (flash cards)
    bool nextExercise = false;       // "Next exercise" (at least one exercise line)
    bool phraseButtons = false;      // "Sing phrase" and "Next phrase" (phrase drills)
    bool rtlWrapping = false;        // the view wraps right to left
    bool preWrapped = false;         // lines break where the text's lines break
    int textSize = 0;                // the view's base size (0: leave it)
    std::string type, typeAux;       // the melody types
    std::vector<std::string> problems;  // what could not be read
};

class TTraining {
public:
    // Reads "encodings/training.xml" of the data folder; a document that does not parse is
    // reported with the parser's text under the title "Parse Error" (what was read stays).
    TTraining(std::filesystem::path dataDir, MessageFunc message);

    const TXMLelement* Root() const { return doc_.Root(); }
    // The current selection and option; none before one is chosen.
    const TXMLelement* Selection() const;
    const TXMLelement* Option() const;
    int SelectionIndex() const { return selection_; }
    int OptionIndex() const { return option_; }
    // Chooses a selection (a child index of the root) and option (a child index of the
    // selection) without opening it; false when there is no such option.
    bool Choose(int selection, int option);
    // Chooses by "SELECTION/OPTION" names; false when there is no such option.
    bool Choose(std::string_view path);
    bool IsOpen() const { return open_; }
    void Close() { open_ = false; }

    // Opens the chosen option into `table` with the song of the settings. `forceWrapping`
    // is the ForceWrapping setting, `exerciseSize` the ForceFontSize setting.
    TTrainingView Open(TReadingSession& session, TWordTable& table, const strucSongSettings& settings,
                       bool forceWrapping, int exerciseSize);

    // The navigator: chooses the option after or before the current one (hidden ones
    // included); false at either end. The caller opens it.
    bool LessonNext() { return Step(1); }
    bool LessonPrev() { return Step(-1); }

    // Flash cards: another exercise line, chosen at random (the draw is the program's
    // random generator unless a test gives its own).
    void NextExercise(TReadingSession& session, TWordTable& table, const strucSongSettings& settings);
    // Flash cards: in two-line mode the answer, the line after the current one.
    void ShowAnswer(TReadingSession& session, TWordTable& table, const strucSongSettings& settings);
    int ExerciseIndex() const { return exerciseIndex_; }
    bool TwoLine() const { return twoLine_; }
    int ExerciseLines() const { return ExerciseLineCount(exercises_); }
    // Phrase drills: another random phrase of the drill's range.
    void NextPhrase(TReadingSession& session, TWordTable& table, const strucSongSettings& settings);

    RandomDraw draw;  // the random source of the drills

private:
    bool Step(int step);
    void ShowExerciseLines(TReadingSession& session, TWordTable& table, const strucSongSettings& settings,
                           int first, int last);
    void ShowTutorialPage(TReadingSession& session, TWordTable& table, const strucSongSettings& settings,
                          TTrainingView& view);
    void ShowPhrase(TReadingSession& session, TWordTable& table, const strucSongSettings& settings, int size);
    std::string ReadExerciseFile(const std::string& name, TTrainingView* view);

    std::filesystem::path dataDir_;
    MessageFunc message_;
    TXMLParser doc_;
    int selection_ = -1, option_ = -1;
    bool open_ = false;
    // The open option's state.
    std::string title_, type_, typeAux_;
    bool twoLine_ = false;
    int exerciseIndex_ = 0;
    std::string exercises_;       // the prepared exercise text
    std::string drillRange_;      // the phrase drill's reading reference
    bool drillWrapped_ = false;
    int exerciseSize_ = 40;
};

// The first item of the table with letters to sing; 0 when there is none.
int FirstSungWord(const TWordTable& table);

}  // namespace lyrasta
