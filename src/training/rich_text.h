#pragma once
// A reader for the rich text of the lesson notes: the subset that the lesson files use,
// read into paragraphs of formatted runs that the lesson pane shows. Groups, paragraphs
// (\par, \pard), bold, italic and underline, the font table with \f, the colour table with
// \cf, sizes (\fs), alignment (\ql \qc \qr \qj), space before and after a paragraph (\sb \sa)
// and its left indent (\li), line breaks and tabs, hex escapes (\'hh,
// Windows-1252, or Windows-1255 in a Hebrew font), \uN with its \uc fallback, and bytes of
// UTF-8. Everything else (ignorable destinations, pictures, style sheets, unknown words) is
// skipped. Any input reads without failing: what cannot be read is left out.

#include <string>
#include <string_view>
#include <vector>

#include "text/word_table.h"

namespace lyrasta {

struct TRichRun {
    std::string text;  // UTF-8
    bool bold = false, italic = false, underline = false;
    int pointSize = 12;
    std::string font;          // the font table's name; empty for the default
    bool hasColour = false;    // false: the pane's text colour
    Rgb colour;
};

struct TRichParagraph {
    enum Align { Left, Centre, Right, Justify };
    Align align = Left;
    // In twips (1/1440 inch), as the notes give them.
    int spaceBefore = 0, spaceAfter = 0, leftIndent = 0;
    std::vector<TRichRun> runs;
};

std::vector<TRichParagraph> ReadRichText(std::string_view rtf);

// The paragraphs' text without formatting, one line per paragraph (for tests and tools).
std::string PlainText(const std::vector<TRichParagraph>& paragraphs);

}  // namespace lyrasta
