#include "rich_text.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "text/word_display.h"

namespace lyrasta {
namespace {

// Groups nested deeper than this are read as text of the group at this depth: no lesson
// comes near it, and the reader's memory stays bounded on any input.
constexpr int kMaxDepth = 200;

char32_t Windows1252(unsigned char b) {
    static constexpr std::array<char32_t, 32> k80 = {
        0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
    return b >= 0x80 && b < 0xA0 ? k80[b - 0x80] : b;
}

// Windows-1255: the 1252 punctuation, the sheqel sign, the points and the letters.
char32_t Windows1255(unsigned char b) {
    if (b == 0xA4) return 0x20AA;
    if (b == 0xAA) return 0x00D7;
    if (b == 0xBA) return 0x00F7;
    if (b >= 0xC0 && b <= 0xD3) return 0x05B0 + (b - 0xC0);
    if (b >= 0xD4 && b <= 0xD8) return 0x05F0 + (b - 0xD4);
    if (b >= 0xE0 && b <= 0xFA) return 0x05D0 + (b - 0xE0);
    if (b == 0xFD) return 0x200E;
    if (b == 0xFE) return 0x200F;
    if (b >= 0xD9) return 0xFFFD;
    return Windows1252(b);
}

struct Font {
    std::string name;
    int charset = 0;
};

// The largest spacing or indent kept, in twips: half a metre of paper, more than any page.
constexpr int kMostTwips = 1440 * 22;

struct State {
    bool bold = false, italic = false, underline = false;
    int halfPoints = 24;
    int font = -1;    // index into the font table by \f number; -1 the default
    int colour = 0;   // \cf index; 0 the default colour
    int uc = 1;       // characters that stand in for a \u character
    enum Dest { Text, Skip, FontTable, FontEntry, ColourTable } dest = Text;
};

class Reader {
public:
    explicit Reader(std::string_view in) : in_(in) { paragraphs_.emplace_back(); }

    std::vector<TRichParagraph> Read() {
        State state;
        std::vector<State> stack;
        int unpushed = 0;  // groups opened beyond the deepest level kept
        while (pos_ < in_.size()) {
            const char ch = in_[pos_];
            if (ch == '{') {
                ++pos_;
                if (stack.size() < kMaxDepth) stack.push_back(state);
                else ++unpushed;
                // An ignorable destination "{\*\word ...}" is skipped whole.
                if (in_.compare(pos_, 2, "\\*") == 0) state.dest = State::Skip;
                if (state.dest == State::FontTable) state.dest = State::FontEntry, fontName_.clear();
            } else if (ch == '}') {
                ++pos_;
                if (state.dest == State::FontEntry) EndFontEntry();
                if (unpushed > 0) {
                    --unpushed;
                } else if (!stack.empty()) {
                    state = stack.back();
                    stack.pop_back();
                }
            } else if (ch == '\\') {
                ++pos_;
                Control(state);
            } else if (ch == '\r' || ch == '\n') {
                ++pos_;
            } else {
                Byte(state, static_cast<unsigned char>(ch));
                ++pos_;
            }
        }
        FlushPending(state);
        if (paragraphs_.back().runs.empty() && paragraphs_.size() > 1) paragraphs_.pop_back();
        return std::move(paragraphs_);
    }

private:
    // A control word or symbol after its backslash.
    void Control(State& state) {
        if (pos_ >= in_.size()) return;
        const char ch = in_[pos_];
        if (!std::isalpha(static_cast<unsigned char>(ch))) {
            ++pos_;
            switch (ch) {
            case '\'': {
                int value = 0;
                for (int k = 0; k < 2 && pos_ < in_.size() && std::isxdigit(static_cast<unsigned char>(in_[pos_])); ++k, ++pos_)
                    value = value * 16 + (std::isdigit(static_cast<unsigned char>(in_[pos_])) ? in_[pos_] - '0'
                                                                                            : (std::tolower(in_[pos_]) - 'a' + 10));
                const unsigned char b = static_cast<unsigned char>(value);
                if (InFontTable(state)) fontName_ += static_cast<char>(b);
                else if (FontCharset(state) == 177 || codePage_ == 1255) Put(state, Windows1255(b));
                else if (codePage_ == 65001) Utf8Escape(state, b);
                else Put(state, Windows1252(b));
                break;
            }
            case '\\': case '{': case '}': Put(state, static_cast<unsigned char>(ch)); break;
            case '~': Put(state, 0x00A0); break;
            case '_': Put(state, 0x2011); break;
            case '\r': case '\n': NewParagraph(state); break;  // "\" + line end is \par
            default: break;  // \- \* \| \: and the like: nothing to show
            }
            return;
        }
        std::string word;
        while (pos_ < in_.size() && std::isalpha(static_cast<unsigned char>(in_[pos_])) && word.size() < 32) word += in_[pos_++];
        while (pos_ < in_.size() && std::isalpha(static_cast<unsigned char>(in_[pos_]))) ++pos_;
        bool hasParam = false, negative = false;
        long param = 0;
        if (pos_ < in_.size() && in_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        while (pos_ < in_.size() && std::isdigit(static_cast<unsigned char>(in_[pos_]))) {
            if (param < 100000000) param = param * 10 + (in_[pos_] - '0');
            hasParam = true;
            ++pos_;
        }
        if (negative) param = -param;
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;  // the delimiter belongs to the word
        Word(state, word, hasParam, static_cast<int>(param));
    }

    void Word(State& state, const std::string& w, bool hasParam, int param) {
        const bool on = !hasParam || param != 0;
        if (w == "fonttbl") state.dest = State::FontTable;
        else if (w == "ansicpg" && hasParam) codePage_ = param;
        else if (w == "colortbl") state.dest = State::ColourTable, colourStarted_ = false;
        else if (w == "stylesheet" || w == "info" || w == "pict" || w == "header" || w == "footer" ||
                 w == "headerl" || w == "headerr" || w == "headerf" || w == "footerl" || w == "footerr" ||
                 w == "footerf" || w == "footnote" || w == "listtable" || w == "listoverridetable" ||
                 w == "rsidtbl" || w == "object" || w == "fldinst" || w == "xmlnstbl" || w == "themedata")
            state.dest = State::Skip;
        else if (InFontTable(state) && w == "f") fontNumber_ = param;
        else if (InFontTable(state) && w == "fcharset") fontCharset_ = param;
        else if (state.dest == State::ColourTable && (w == "red" || w == "green" || w == "blue")) {
            Rgb& c = colourEntry_;
            const auto v = static_cast<std::uint8_t>(std::clamp(param, 0, 255));
            (w == "red" ? c.r : w == "green" ? c.g : c.b) = v;
            colourStarted_ = true;
        } else if (w == "par") NewParagraph(state);
        else if (w == "pard") ResetParagraph();
        else if ((w == "sb" || w == "sa" || w == "li") && hasParam)
            (w == "sb" ? paragraphs_.back().spaceBefore : w == "sa" ? paragraphs_.back().spaceAfter
                                                                    : paragraphs_.back().leftIndent) =
                std::clamp(param, 0, kMostTwips);
        else if (w == "ql") paragraphs_.back().align = TRichParagraph::Left;
        else if (w == "qc") paragraphs_.back().align = TRichParagraph::Centre;
        else if (w == "qr") paragraphs_.back().align = TRichParagraph::Right;
        else if (w == "qj") paragraphs_.back().align = TRichParagraph::Justify;
        else if (w == "plain") state.bold = state.italic = state.underline = false, state.halfPoints = 24,
                                state.font = -1, state.colour = 0;
        else if (w == "b") state.bold = on;
        else if (w == "i") state.italic = on;
        else if (w == "ul") state.underline = on;
        else if (w == "ulnone") state.underline = false;
        else if (w == "fs" && hasParam) state.halfPoints = std::clamp(param, 2, 400);
        else if (w == "f" && hasParam) state.font = param;
        else if (w == "cf" && hasParam) state.colour = param;
        else if (w == "uc" && hasParam) state.uc = std::clamp(param, 0, 10);
        else if (w == "u" && hasParam) Unicode(state, param);
        else if (w == "line") Put(state, '\n');
        else if (w == "tab") Put(state, '\t');
        else if (w == "emdash") Put(state, 0x2014);
        else if (w == "endash") Put(state, 0x2013);
        else if (w == "bullet") Put(state, 0x2022);
        else if (w == "lquote") Put(state, 0x2018);
        else if (w == "rquote") Put(state, 0x2019);
        else if (w == "ldblquote") Put(state, 0x201C);
        else if (w == "rdblquote") Put(state, 0x201D);
    }

    // \uN: a signed 16-bit unit (a pair of them for characters beyond the first plane),
    // followed by `uc` fallback characters for readers without Unicode, which are skipped.
    void Unicode(State& state, int unit) {
        if (unit < -0x8000 || unit > 0xFFFF) unit = 0xFFFD;  // not a 16-bit unit
        if (unit < 0) unit += 0x10000;
        if (unit >= 0xD800 && unit < 0xDC00) {
            highSurrogate_ = unit;
        } else if (unit >= 0xDC00 && unit < 0xE000) {
            if (highSurrogate_) Put(state, 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00));
            highSurrogate_ = 0;
        } else {
            Put(state, static_cast<char32_t>(unit));
        }
        for (int k = 0; k < state.uc && pos_ < in_.size(); ++k) {
            if (in_[pos_] == '\\') {
                ++pos_;
                if (pos_ < in_.size() && in_[pos_] == '\'') pos_ = std::min(in_.size(), pos_ + 3);
                else
                    while (pos_ < in_.size() && std::isalnum(static_cast<unsigned char>(in_[pos_]))) ++pos_;
            } else if (in_[pos_] == '{' || in_[pos_] == '}') {
                break;
            } else {
                ++pos_;
            }
        }
    }

    // A byte of text: ASCII, or the first byte of a UTF-8 character (a byte that does not
    // start one reads as Windows-1252).
    void Byte(State& state, unsigned char b) {
        if (InFontTable(state)) {
            // An entry ends at its ";" (entries may stand in groups of their own or not).
            if (b == ';') EndFontEntry();
            else fontName_ += static_cast<char>(b);
            return;
        }
        if (state.dest == State::ColourTable) {
            if (b == ';') {
                colours_.push_back({colourStarted_, colourEntry_});
                colourEntry_ = {};
                colourStarted_ = false;
            }
            return;
        }
        if (b < 0x80) {
            Put(state, b);
            return;
        }
        char32_t cp = 0;
        const int n = DecodeUtf8(in_, pos_, cp);
        if (n == 0) {
            Put(state, Windows1252(b));
            return;
        }
        pos_ += n - 1;
        Put(state, cp);
    }

    static bool InFontTable(const State& s) { return s.dest == State::FontTable || s.dest == State::FontEntry; }

    // A hex escape in a UTF-8 document: a byte of a character that may take several escapes.
    void Utf8Escape(const State& state, unsigned char b) {
        const int n = (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        if (pendingBytes_.empty() ? n == 0 : (b & 0xC0) != 0x80) {
            FlushPending(state);
            if (n == 0) {
                Put(state, Windows1252(b));
                return;
            }
        }
        pendingBytes_ += static_cast<char>(b);
        const unsigned char lead = static_cast<unsigned char>(pendingBytes_[0]);
        const size_t want = (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : 4;
        if (pendingBytes_.size() < want) return;
        char32_t cp = lead & (0x7F >> want);
        for (size_t k = 1; k < want; ++k) cp = cp << 6 | (static_cast<unsigned char>(pendingBytes_[k]) & 0x3F);
        pendingBytes_.clear();
        Put(state, cp);
    }
    // Bytes of a character that was cut short read as Windows-1252.
    void FlushPending(const State& state) {
        const std::string bytes = std::move(pendingBytes_);
        pendingBytes_.clear();
        for (char c : bytes) Put(state, Windows1252(static_cast<unsigned char>(c)));
    }

    void EndFontEntry() {
        std::string name = fontName_;
        while (!name.empty() && name.back() == ' ') name.pop_back();
        while (!name.empty() && name.front() == ' ') name.erase(name.begin());
        if (fontNumber_ >= 0 && fontNumber_ < 4096) fonts_.push_back({fontNumber_, {name, fontCharset_}});
        fontNumber_ = -1;
        fontCharset_ = 0;
        fontName_.clear();
    }

    const Font* FontOf(int number) const {
        for (const auto& [n, f] : fonts_)
            if (n == number) return &f;
        return nullptr;
    }
    int FontCharset(const State& s) const {
        const Font* f = FontOf(s.font);
        return f ? f->charset : 0;
    }

    void Put(const State& state, char32_t cp) {
        if (state.dest != State::Text) {
            if (InFontTable(state) && cp < 0x80) fontName_ += static_cast<char>(cp);
            return;
        }
        if (cp == 0) return;
        if (!pendingBytes_.empty()) FlushPending(state);  // other text cut the character short
        TRichRun want;
        want.bold = state.bold;
        want.italic = state.italic;
        want.underline = state.underline;
        want.pointSize = std::max(1, state.halfPoints / 2);
        if (const Font* f = FontOf(state.font)) want.font = f->name;
        if (state.colour > 0 && state.colour < static_cast<int>(colours_.size()) && colours_[state.colour].first) {
            want.hasColour = true;
            want.colour = colours_[state.colour].second;
        }
        auto& runs = paragraphs_.back().runs;
        if (runs.empty() || !SameFormat(runs.back(), want)) runs.push_back(std::move(want));
        runs.back().text += Utf8(cp);
    }

    static bool SameFormat(const TRichRun& a, const TRichRun& b) {
        return a.bold == b.bold && a.italic == b.italic && a.underline == b.underline && a.pointSize == b.pointSize &&
               a.font == b.font && a.hasColour == b.hasColour && a.colour == b.colour;
    }

    void NewParagraph(const State& state) {
        if (state.dest != State::Text) return;
        // The paragraph's formats (alignment, spacing, indent) last until \pard.
        TRichParagraph next = paragraphs_.back();
        next.runs.clear();
        paragraphs_.push_back(std::move(next));
    }

    void ResetParagraph() {
        std::vector<TRichRun> runs = std::move(paragraphs_.back().runs);
        paragraphs_.back() = TRichParagraph{};
        paragraphs_.back().runs = std::move(runs);
    }

    std::string_view in_;
    size_t pos_ = 0;
    std::vector<TRichParagraph> paragraphs_;
    std::vector<std::pair<int, Font>> fonts_;
    std::string fontName_;
    int fontNumber_ = -1, fontCharset_ = 0;
    std::vector<std::pair<bool, Rgb>> colours_;  // entry given, colour
    Rgb colourEntry_;
    bool colourStarted_ = false;
    int highSurrogate_ = 0;
    int codePage_ = 1252;       // of the hex escapes (\ansicpg)
    std::string pendingBytes_;  // hex-escaped bytes of a UTF-8 character not yet complete
};

}  // namespace

std::vector<TRichParagraph> ReadRichText(std::string_view rtf) { return Reader(rtf).Read(); }

std::string PlainText(const std::vector<TRichParagraph>& paragraphs) {
    std::string out;
    for (const TRichParagraph& p : paragraphs) {
        for (const TRichRun& r : p.runs) out += r.text;
        out += '\n';
    }
    return out;
}

}  // namespace lyrasta
