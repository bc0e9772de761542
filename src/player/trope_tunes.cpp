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
        c.SetNote(0, n.pitch, NoteDivisor(n));
        notes.push_back(c);
    }
    return StaffSymbols(notes);
}

}  // namespace lyrasta
