#include "reading_steps.h"

#include "chant/word_analysis.h"
#include "player/trope_groups.h"

namespace lyrasta {

void TAnalysisSteps::AnalyseWord(LetterList& letters) { AnalyzeWord(letters, set_); }

void TAnalysisSteps::FinishReading(TWordTable& table) {
    AssignTropeGroups(table, notLegarmehBeforeRevia_);
}

}  // namespace lyrasta
