#pragma once
// The display fonts of the text view and how words are shaped in them. The view names
// its fonts as the word table does: "TGBT" modern letters with points and trope (Ezra
// SIL), "TGBS" scroll letters without points or accents (Stam Ashkenaz CLM), "Arial" and
// "TGBI" Latin text and section numbers (Liberation Sans, metric-compatible with Arial).
// Each word is shaped with HarfBuzz at cluster level "characters", so every glyph knows
// the code point it came from and an accent can be drawn in its own colour.

#include <QRawFont>
#include <QString>

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

struct hb_face_t;
struct hb_font_t;

namespace lyrasta::ui {

enum class FontRole { Modern, Scroll, Latin };

// The role of a word-table font name; unknown names are Latin text.
FontRole RoleOfFont(const std::string& name);

// One shaped glyph: the font's glyph index, its pen position relative to the start of the
// run (pixels, y down) and the code point it came from (an index into the shaped text).
struct ShapedGlyph {
    unsigned glyph = 0;
    double x = 0, y = 0;
    int source = 0;
};

struct ShapedText {
    std::u32string text;  // the code points shaped (scroll letters without their marks)
    std::vector<ShapedGlyph> glyphs;  // in visual order, left to right
    double width = 0;     // total advance
};

class TDisplayFonts {
public:
    // Finds the font files of the three roles through fontconfig (or in `fontDir` first,
    // where files named after the roles may stand) and registers them with Qt for this
    // run. A missing font falls back to a font that has Hebrew letters; Problems() says so.
    explicit TDisplayFonts(const std::string& fontDir = {});
    ~TDisplayFonts();
    TDisplayFonts(const TDisplayFonts&) = delete;
    TDisplayFonts& operator=(const TDisplayFonts&) = delete;

    // Forgets the shaped words (they are shaped anew at the next size).
    void ClearShapeCache() { shaped_.clear(); }
    // Shapes a UTF-8 text in a role at a pixel size; the result is cached.
    const ShapedText& Shape(FontRole role, const std::string& utf8, int pixelSize);
    // Height of the font's line (ascent + descent) and its ascent at a pixel size.
    double LineHeight(FontRole role, int pixelSize) const;
    double Ascent(FontRole role, int pixelSize) const;
    // The same font file for drawing with Qt at a pixel size (cached).
    const QRawFont& RawFont(FontRole role, int pixelSize);
    // The font file used for a role, and the family Qt knows it by.
    QString FilePath(FontRole role) const;
    QString Family(FontRole role) const;
    // Messages about fonts that could not be found (empty when all are there).
    const std::vector<std::string>& Problems() const { return problems_; }

private:
    struct Face {
        std::string path;
        QString family;
        hb_face_t* face = nullptr;
        unsigned upem = 1000;
        double ascent = 0, descent = 0;  // in font units, descent positive
    };
    Face faces_[3];
    std::vector<std::string> problems_;
    std::map<std::tuple<int, int, std::string>, ShapedText> shaped_;
    std::map<std::pair<int, int>, QRawFont> raw_;
};

// Scroll letters carry no points, accents or punctuation marks: the marks block
// U+0591..U+05C7 is dropped except the letters' own forms.
std::u32string StripMarks(const std::u32string& text);

}  // namespace lyrasta::ui
