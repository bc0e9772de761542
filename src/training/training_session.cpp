#include "training_session.h"

#include <algorithm>

#include "text/data_files.h"
#include "text/random.h"
#include "text/text_helpers.h"
#include "text/word_display.h"
#include "text/word_scanner.h"
#include "training/lesson_text.h"

namespace lyrasta {
namespace {

constexpr Rgb kBlack{0, 0, 0}, kBlue{0, 0, 255}, kPurple{128, 0, 128};

int Number(const std::string& text) {
    int n = 0;
    for (char c : "0" + text) {
        if (c < '0' || c > '9' || n > 100000) break;
        n = n * 10 + (c - '0');
    }
    return n;
}

}  // namespace

int FirstSungWord(const TWordTable& table) {
    for (int i = 0; i < table.WordCount(); ++i) {
        const LetterList* letters = table.OwnLetters(i);
        if (table.IsSung(i) && letters && !letters->empty()) return i;
    }
    return 0;
}

TTraining::TTraining(std::filesystem::path dataDir, MessageFunc message)
    : dataDir_(std::move(dataDir)), message_(std::move(message)) {
    draw = [](int n) { return Random(n); };
    const std::string text = ReadDataFile(dataDir_, "encodings/training.xml");
    if (!text.empty() && !doc_.LoadFromText(text) && message_) message_("Parse Error", doc_.LastErrorText());
}

const TXMLelement* TTraining::Selection() const {
    return Root() && selection_ >= 0 ? Root()->ChildByIndex(selection_) : nullptr;
}

const TXMLelement* TTraining::Option() const {
    const TXMLelement* s = Selection();
    return s && option_ >= 0 ? s->ChildByIndex(option_) : nullptr;
}

bool TTraining::Choose(int selection, int option) {
    const TXMLelement* s = Root() ? Root()->ChildByIndex(selection) : nullptr;
    const TXMLelement* o = s ? s->ChildByIndex(option) : nullptr;
    if (!o || s->Type() != TXMLelement::ntElement || o->Type() != TXMLelement::ntElement) return false;
    selection_ = selection;
    option_ = option;
    return true;
}

bool TTraining::Choose(std::string_view path) {
    const TTrainingPlace place = FindTrainingOption(Root(), path);
    return place.option >= 0 && Choose(place.selection, place.option);
}

bool TTraining::Step(int step) {
    const int next = NeighbourOption(Selection(), option_, step);
    if (next < 0) return false;
    option_ = next;
    return true;
}

std::string TTraining::ReadExerciseFile(const std::string& name, TTrainingView* view) {
    if (name.empty()) return {};
    std::string problem;
    std::string text = ReadDataFile(dataDir_, "exercises/" + name, &problem);
    if (view && !problem.empty()) view->problems.push_back(problem);
    return text;
}

TTrainingView TTraining::Open(TReadingSession& session, TWordTable& table, const strucSongSettings& settings,
                              bool forceWrapping, int exerciseSize) {
    TTrainingView view;
    const TXMLelement* option = Option();
    if (!option) {
        view.problems.push_back("No training option is chosen.");
        return view;
    }
    open_ = true;
    session.SetForcedPlace({}, 0, 0);
    exerciseSize_ = exerciseSize;
    title_ = Attribute(Selection(), "Name") + ": " + Attribute(option, "Name");
    view.kind = TrainingKindOf(option);
    view.title = title_;
    view.caption = "Lyrasta(tm) - " + title_;
    view.previousEnabled = option_ != FirstOptionIndex(Selection());
    view.nextEnabled = option_ != LastOptionIndex(Selection());
    type_ = Attribute(option, "Type");
    if (type_.empty()) type_ = "Torah";  // an option without a type is sung as the Torah is
    typeAux_ = Attribute(option, "TypeAux");
    const bool wrapped = TrainingFlag(option, "Wrapped") || forceWrapping;
    view.type = type_;
    view.typeAux = typeAux_;
    const std::string r1 = Attribute(option, "R1");

    if (view.kind == TTrainingKind::Tutorial) {
        ShowTutorialPage(session, table, settings, view);
        return view;
    }
    view.lessonWindow = std::clamp(Number(Attribute(option, "LessonWindow")), 0, 90);
    twoLine_ = TrainingFlag(option, "TwoLine");
    view.rtlWrapping = true;
    view.preWrapped = wrapped;
    auto prepare = [&](const std::string& text) {
        return PrepareLessonText(text, session.Styles().CurrentStyle(), session.Styles().CurrentEncoding());
    };
    switch (view.kind) {
    case TTrainingKind::Lesson:
    case TTrainingKind::FlashCard: {
        const std::string notes = ReadExerciseFile(Attribute(option, "L1"), &view);
        exercises_ = ReadExerciseFile(r1, &view);
        table.Clear();
        // The styles are chosen as the lines are shown; the notes name the tropes as they do.
        if (view.kind == TTrainingKind::Lesson) {
            if (!r1.empty()) ShowExerciseLines(session, table, settings, 0, std::max(0, ExerciseLineCount(exercises_) - 1));
            else session.Fill(table, title_, type_, typeAux_, settings, [](TReadingLoader&, TReadingSteps&) {});
        } else {
            session.SetForcedPlace(Attribute(option, "FORCEBOOK"), Number(Attribute(option, "FORCECHAPTER")),
                                   Number(Attribute(option, "FORCEVERSE")));
            exerciseIndex_ = 0;
            ShowExerciseLines(session, table, settings, 0, 0);
            view.exerciseControls = true;
            view.nextExercise = ExerciseLineCount(exercises_) >= 1;
        }
        view.lessonNotes = prepare(notes);
        view.textSize = exerciseSize;
        break;
    }
    case TTrainingKind::HebText:
        for (const std::string& p : session.Open(table, title_, "", wrapped, TrainingSections(option), type_,
                                                 typeAux_, settings))
            view.problems.push_back(p);
        break;
    case TTrainingKind::PhraseDrill:
        drillRange_ = r1;
        drillWrapped_ = wrapped;
        ShowPhrase(session, table, settings, 20);
        view.phraseButtons = true;
        break;
    case TTrainingKind::Tutorial:
        break;
    }
    return view;
}

void TTraining::ShowExerciseLines(TReadingSession& session, TWordTable& table, const strucSongSettings& settings,
                                  int first, int last) {
    table.Clear();
    // The exercises are prepared like the notes: trope names in them follow the style.
    session.Fill(table, title_, type_, typeAux_, settings, [&](TReadingLoader& loader, TReadingSteps& steps) {
        const std::string text = PrepareLessonText(exercises_, session.Styles().CurrentStyle(),
                                                   session.Styles().CurrentEncoding());
        loader.configuredTextSize = exerciseSize_;
        loader.SetIndexedText("", text, IndexExerciseText(text));
        // Each line is a verse of its own: its words carry their own verse number, so that
        // the song builder never takes the phrases of two lines for one verse.
        for (int line = first; line <= last; ++line) loader.ScanRange(line + 1, line + 1, false, false, true);
        steps.FinishReading(table);
    });
}

void TTraining::NextExercise(TReadingSession& session, TWordTable& table, const strucSongSettings& settings) {
    exerciseIndex_ = NextExerciseLine(ExerciseLineCount(exercises_), exerciseIndex_, twoLine_, draw);
    ShowExerciseLines(session, table, settings, exerciseIndex_, exerciseIndex_);
}

void TTraining::ShowAnswer(TReadingSession& session, TWordTable& table, const strucSongSettings& settings) {
    if (twoLine_) ShowExerciseLines(session, table, settings, exerciseIndex_ + 1, exerciseIndex_ + 1);
}

void TTraining::NextPhrase(TReadingSession& session, TWordTable& table, const strucSongSettings& settings) {
    ShowPhrase(session, table, settings, 24);
}

void TTraining::ShowPhrase(TReadingSession& session, TWordTable& table, const strucSongSettings& settings, int size) {
    table.Clear();
    session.Fill(table, title_, type_, typeAux_, settings, [&](TReadingLoader& loader, TReadingSteps& steps) {
        loader.wrapped = drillWrapped_;
        loader.configuredTextSize = size;
        loader.ReadBook(drillRange_.substr(0, 3));
        const ReferenceRange range = ParseReadingReference(drillRange_, loader.Index());
        table.AddWord({.text = "Chant this phrase:", .font = "Arial", .size = 20, .colour = kPurple, .lineEnd = true});
        if (range.valid && range.endSeg - 1 > range.firstSeg) {
            // From the random segment on, the first that has words to sing (a verse's marker
            // segment has none); past the range's end the search goes on from its start.
            const int first = range.firstSeg + 1, last = range.endSeg - 1;
            const int pick = PickPhraseSegment(range.firstSeg, range.endSeg, draw);
            for (int k = 0; k <= last - first; ++k) {
                const int seg = first + (pick - first + k) % (last - first + 1);
                loader.ScanRange(seg, seg, false, false, size != 20);
                if (FirstSungWord(table) > 0) break;
            }
        }
        steps.FinishReading(table);
    });
}

void TTraining::ShowTutorialPage(TReadingSession& session, TWordTable& table, const strucSongSettings& settings,
                                 TTrainingView& view) {
    table.Clear();
    // The text's code, and the page after it ("TRP5": page 5 of TRP; none: page 1).
    const std::string r1 = Attribute(Option(), "R1");
    const std::string code = r1.substr(0, 3);
    const int page = std::max(1, Number(r1.size() > 3 ? r1.substr(3) : ""));
    std::string problem;
    const std::string tutorialText = ReadDataFile(dataDir_, "bhs/" + code + ".txt", &problem);
    if (!problem.empty()) view.problems.push_back(problem);
    view.textSize = 11;
    const std::optional<std::string_view> text = TutorialPage(tutorialText, page);
    if (!text && problem.empty()) view.problems.push_back("The tutorial text of " + code + " has no page " + std::to_string(page) + ".");
    const std::vector<TTutorialWord> words = TutorialWords(text.value_or(""));
    session.Fill(table, title_, type_, typeAux_, settings, [&](TReadingLoader&, TReadingSteps& steps) {
        bool hebrew = false;
        for (const TTutorialWord& w : words) {
            const int size = w.heading ? 16 : 12;
            const Rgb colour = w.heading ? kBlue : kBlack;
            if (w.script == TTutorialWord::English) {
                // The blank after the word spaces it from the next, as the words of a reading have one before them.
                table.AddWord({.text = w.text + " ", .font = "Arial", .size = size, .colour = colour, .lineEnd = w.lineEnd});
                continue;
            }
            bool smallPrint = false;
            auto letters = std::make_unique<LetterList>(ScanWord(w.text, 0, w.text.size() - 1, smallPrint));
            if (letters->empty()) continue;
            steps.AnalyseWord(*letters);
            letters->front().translation = -1;
            const bool scroll = w.script == TTutorialWord::Scroll;
            std::string display = " " + WordDisplayForm(*letters);
            table.AddWord({.text = std::move(display),
                           .font = scroll ? "TGBS" : "TGBT",
                           .size = size,
                           .colour = colour,
                           .lineEnd = w.lineEnd,
                           .hebrew = true,
                           .scroll = scroll,
                           .sung = true,
                           .rtl = true,
                           .letters = std::move(letters)});
            hebrew = true;
        }
        if (hebrew) steps.FinishReading(table);
    });
}

}  // namespace lyrasta
