#pragma once
// The steps the reading loader runs for the chant: each scanned word is analysed in the
// current pronunciation (syllables, stress, sounds, vowel variants) before its display
// form is built, and once the reading is placed every item gets its trope group.

#include "chant/phoneme_set.h"
#include "text/reading_loader.h"

namespace lyrasta {

class TAnalysisSteps : public TReadingSteps {
public:
    // The phoneme set must outlive the steps; the pronunciation is the set's.
    explicit TAnalysisSteps(const TPhonemeSet& set, bool notLegarmehBeforeRevia = false)
        : set_(set), notLegarmehBeforeRevia_(notLegarmehBeforeRevia) {}

    void AnalyseWord(LetterList& letters) override;
    void FinishReading(TWordTable& table) override;

private:
    const TPhonemeSet& set_;
    bool notLegarmehBeforeRevia_;
};

}  // namespace lyrasta
