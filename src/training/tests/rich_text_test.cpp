#include "training/rich_text.h"

#include <gtest/gtest.h>

namespace lyrasta {
namespace {

// The paragraphs as text: each run in brackets with its formats (b, i, u, size when not
// 12, font, colour), one paragraph per line, "^" for a centred one, its spacing and indent
// in twips ("<sb sa li>") when it has any.
std::string Describe(std::string_view rtf) {
    std::string out;
    for (const TRichParagraph& p : ReadRichText(rtf)) {
        if (p.align == TRichParagraph::Centre) out += "^";
        if (p.spaceBefore || p.spaceAfter || p.leftIndent)
            out += "<" + std::to_string(p.spaceBefore) + " " + std::to_string(p.spaceAfter) + " " +
                   std::to_string(p.leftIndent) + ">";
        for (const TRichRun& r : p.runs) {
            out += "[" + r.text;
            std::string f;
            if (r.bold) f += "b";
            if (r.italic) f += "i";
            if (r.underline) f += "u";
            if (r.pointSize != 12) f += std::to_string(r.pointSize);
            if (!r.font.empty()) f += " " + r.font;
            if (r.hasColour)
                f += " #" + std::to_string(r.colour.r) + "." + std::to_string(r.colour.g) + "." +
                     std::to_string(r.colour.b);
            if (!f.empty()) out += "|" + f;
            out += "]";
        }
        out += "\n";
    }
    return out;
}

TEST(RichText, TheSubsetOfTheLessonNotes) {
    struct Case {
        const char* what;
        const char* rtf;
        const char* read;
    } cases[] = {
        {"paragraphs and bold", "{\\rtf1 A \\b B\\b0  C\\par D}", "[A ][B|b][ C]\n[D]\n"},
        {"groups keep their formats to themselves", "{\\rtf1 {\\i x}y}", "[x|i][y]\n"},
        {"underline until \\ulnone, sizes in half points", "{\\ul a\\ulnone b\\fs32 c}", "[a|u][b][c|16]\n"},
        {"\\plain resets the character formats", "{\\b\\i\\fs40 a\\plain b}", "[a|bi20][b]\n"},
        {"fonts by their number in the font table",
         "{\\fonttbl{\\f0\\fswiss Arial;}{\\f3\\fnil\\fcharset177 David;}}\\f3 a\\f0 b\\f9 c",
         "[a| David][b| Arial][c]\n"},
        {"font entries without groups of their own", "{\\fonttbl\\f0 Times;\\f1 Courier;}\\f1 x", "[x| Courier]\n"},
        {"colours by their index, 0 and unknown ones the default",
         "{\\colortbl ;\\red255\\green0\\blue0;}\\cf1 r\\cf0 d\\cf7 e", "[r| #255.0.0][de]\n"},
        {"hex escapes in Windows-1252", "caf\\'e9 \\'93q\\'94", "[caf\xC3\xA9 \xE2\x80\x9Cq\xE2\x80\x9D]\n"},
        {"hex escapes in a Hebrew font are Windows-1255",
         "{\\fonttbl{\\f1\\fcharset177 David;}}\\f1\\'f9\\'c8\\'ec", "[\xD7\xA9\xD6\xB8\xD7\x9C| David]\n"},
        {"hex escapes of UTF-8 bytes in a UTF-8 document", "{\\rtf1\\ansicpg65001 \\'d7\\'a9 \\'e2\\'97\\'8c}",
         "[\xD7\xA9 \xE2\x97\x8C]\n"},
        {"a cut UTF-8 escape reads as Windows-1252", "\\ansicpg65001 \\'d7x\\'e9", "[\xC3\x97x\xC3\xA9]\n"},
        {"unicode with its fallback skipped", "\\u1513?\\u-1?x\\uc2\\u1488\\'3f\\'3fy",
         "[\xD7\xA9\xEF\xBF\xBFx\xD7\x90y]\n"},
        {"bytes of UTF-8 as they are", "\xD7\xA9 ok", "[\xD7\xA9 ok]\n"},
        {"escaped markup characters", "\\\\ \\{ \\}", "[\\ { }]\n"},
        {"ignorable destinations and known ones are skipped",
         "{\\*\\generator Writer;}{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}a{\\pict 0a0b}b", "[ab]\n"},
        {"alignment lasts until \\pard", "\\qc a\\par b\\pard\\par c", "^[a]\n[b]\n[c]\n"},
        {"spacing and indent last until \\pard, as the lesson notes' list items use them",
         "\\pard\\sa120 p\\par\\pard\\li360\\sa60 x\\par y\\par\\pard\\sb-5\\sa999999 z",
         "<0 120 0>[p]\n<0 60 360>[x]\n<0 60 360>[y]\n<0 31680 0>[z]\n"},
        {"line ends of the file are not text", "a\r\nb\\line c\\tab d", "[ab\nc\td]\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Describe(c.rtf), c.read);
    }
}

TEST(RichText, MalformedInputReadsAsFarAsItGoes) {
    struct Case {
        const char* what;
        std::string rtf;
        const char* text;
    } cases[] = {
        {"unbalanced closing braces", "}}a}b", "ab\n"},
        {"a group that never closes", "{\\rtf1 {\\b a", "a\n"},
        {"a backslash at the end", "a\\", "a\n"},
        {"a cut hex escape", "a\\'4", "a\x04\n"},
        {"a huge parameter", "\\fs99999999999999999 a\\u99999999999 b", "a\xEF\xBF\xBD\n"},
        {"nesting far beyond the deepest level", std::string(100000, '{') + "x" + std::string(100000, '}') + "y",
         "xy\n"},
        {"a cut UTF-8 character", "a\xD7", "a\xC3\x97\n"},
        {"a \\uc beyond the text", "\\uc9\\u1488", "\xD7\x90\n"},
        {"a UTF-8 escape cut by the end", "\\ansicpg65001 a\\'e2\\'97", "a\xC3\xA2\xE2\x80\x94\n"},
        {"an unclosed font table", "{\\fonttbl{\\f1 A", "\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(PlainText(ReadRichText(c.rtf)), c.text);
    }
}

}  // namespace
}  // namespace lyrasta
