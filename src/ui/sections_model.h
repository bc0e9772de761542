#pragma once
// The sections of the open reading as the sections dialog lists them: one line per
// section, its label, ": " and its reading reference, each with a tick. Unticked sections
// are left out when the reading is loaded again; a highlighted line is jumped to.

#include <string>
#include <vector>

#include "text/reading_loader.h"
#include "text/word_table.h"

namespace lyrasta::ui {

struct TSectionLine {
    std::string label;      // "Kohen", ..., "Reading section 1", ..., "Chatan Bereishis Bara"
    std::string reference;  // "GEN1:1-2:3"
    bool ticked = true;
    std::string Text() const { return label + ": " + reference; }
};

// The lines of the sections that are set, in the order Kohen, Levi, Shlishi, Revii,
// Chamishi, Shishi, Shvii, Maftir, Reading section 1..5, Chatan HaTorah, Chatan Bereishis Bara.
std::vector<TSectionLine> SectionLines(const TReadingSections& sections);
// The sections to load again: the ticked lines' references in their sections, the notes
// of the reading kept; unticked sections empty.
TReadingSections TickedSections(const std::vector<TSectionLine>& lines, const TReadingSections& original);
// The first word of the table whose first letter's place, written book + chapter + ":" +
// verse + "-", occurs in the line's text; -1 for none.
int JumpTarget(const TWordTable& table, const TSectionLine& line);

}  // namespace lyrasta::ui
