#include "trope_tunes.h"

namespace lyrasta {

std::vector<TStaffSymbol> TropeTuneStaff(const TStyleIndex& style, const std::string& trope) {
    RuleContext context;
    context.trope = trope == "SOF_PASUK" ? "SILLUQ" : trope;
    const Melody* melody = style.Find(context);
    if (!melody || melody->empty()) return {};
    // One letter record per note: the staff writes each note on its own, with no text.
    LetterList notes;
    for (const MelodyNote& n : *melody) {
        strucHebChar c;
        c.sylStart = c.sylEnd = true;
        c.noteCount = 1;
        c.pitches[0] = static_cast<int>(n.pitch);
        c.quarterUp[0] = n.pitch - c.pitches[0] >= 0.25;
        c.lengths[0] = NoteDivisor(n);
        notes.push_back(c);
    }
    return StaffSymbols(notes);
}

}  // namespace lyrasta
