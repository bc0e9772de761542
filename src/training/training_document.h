#pragma once
// The training document ("encodings/training.xml"): its root's children are selections
// (a course, a set of drills), each selection's children are options (a tutorial, a
// lesson, flash cards, a Hebrew text, a phrase drill). Options are found by their element
// index within the selection, which the lesson navigator steps through; the training
// dialog lists the options that are not hidden.

#include <string>
#include <string_view>
#include <vector>

#include "text/reading_loader.h"
#include "text/xml.h"

namespace lyrasta {

// The kind of an option, from its TUTORIAL attribute (upper-cased): "TRUE" a tutorial,
// "LESSON", "FLASHCARD", "HEBTEXT"; any other value (or none) a phrase drill.
enum class TTrainingKind { Tutorial, Lesson, FlashCard, HebText, PhraseDrill };
TTrainingKind TrainingKindOf(const TXMLelement* option);

// An entry of the dialog's option list: the option's name and its element index.
struct TTrainingEntry {
    std::string name;
    int element = -1;
};

// The element children of a selection or of the root; comments and text between them are
// not options.
std::vector<int> ElementIndexes(const TXMLelement* parent);

// The names of the selections, in document order.
std::vector<std::string> SelectionNames(const TXMLelement* root);
// The selection's options as the dialog lists them: those whose Display is not "FALSE".
std::vector<TTrainingEntry> OptionEntries(const TXMLelement* selection);
// The element index of the selection's first and last option; -1 when it has none.
int FirstOptionIndex(const TXMLelement* selection);
int LastOptionIndex(const TXMLelement* selection);
// The option after (step 1) or before (step -1) the one at `element`, hidden ones
// included; -1 when there is none.
int NeighbourOption(const TXMLelement* selection, int element, int step);

// The reading sections an option names (STDMaftir is the loader's SecondMaftir).
TReadingSections TrainingSections(const TXMLelement* option);

// A flag of an option: true when its value, upper-cased, is "TRUE".
bool TrainingFlag(const TXMLelement* option, std::string_view name);

// Finds an option by the names "SELECTION/OPTION" (letter case ignored; the option's name
// is what follows the first "/" after a selection name that matches). Returns the
// selection's index and the option's element index, or -1 and -1.
struct TTrainingPlace {
    int selection = -1;
    int option = -1;
};
TTrainingPlace FindTrainingOption(const TXMLelement* root, std::string_view path);

}  // namespace lyrasta
