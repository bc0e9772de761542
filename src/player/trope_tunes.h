#pragma once
// The plain tune of each trope in a melody style, as the trope chart shows it on a staff:
// the notes the style sings for the trope where no special context applies (not at the end
// of an aliyah, a book or a special passage), upbeats first.

#include <string>
#include <vector>

#include "chant/melody_rules.h"
#include "player/note_staff.h"

namespace lyrasta {

// The staff of a trope's plain tune in the style, without syllables; empty when the style
// gives the trope no notes. The sof pasuk mark is sung with its silluq's tune.
std::vector<TStaffSymbol> TropeTuneStaff(const TStyleIndex& style, const std::string& trope);

}  // namespace lyrasta
