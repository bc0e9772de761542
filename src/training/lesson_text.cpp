#include "lesson_text.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <string_view>
#include <vector>

#include "player/trope_groups.h"
#include "text/text_helpers.h"
#include "text/trope_definitions.h"
#include "text/word_display.h"

namespace lyrasta {
namespace {

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// Decodes UTF-8 (a stray byte stands for itself) and hands each code point to `put`.
template <typename Put>
void ForCodePoints(std::string_view s, Put put) {
    for (size_t i = 0; i < s.size();) {
        char32_t cp = 0;
        const int n = DecodeUtf8(s, i, cp);
        put(n ? cp : static_cast<char32_t>(static_cast<unsigned char>(s[i])));
        i += n ? n : 1;
    }
}

std::string UnicodeEscape(char32_t cp) {
    auto one = [](int unit) { return "\\u" + std::to_string(unit > 0x7FFF ? unit - 0x10000 : unit) + "?"; };
    if (cp <= 0xFFFF) return one(static_cast<int>(cp));
    const char32_t v = cp - 0x10000;
    return one(static_cast<int>(0xD800 + (v >> 10))) + one(static_cast<int>(0xDC00 + (v & 0x3FF)));
}

std::string HexEscape(unsigned char byte) {
    char buf[5];
    std::snprintf(buf, sizeof buf, "\\'%02x", byte);
    return buf;
}

// Step 1: the language of the notes is the neutral one, so that no spelling checker or
// font substitution of a language applies.
void NeutralLanguage(std::string& text) {
    if (const size_t at = text.find("\\deflang"); at != std::string::npos) {
        const size_t from = at + 8;
        text.replace(from, std::min<size_t>(4, text.size() - from), "1024");
    }
    for (size_t at = text.find("\\lang"); at != std::string::npos; at = text.find("\\lang", at + 1)) {
        size_t end = at + 5;
        while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
        if (end > at + 5) text.replace(at + 5, end - at - 5, "1024");
    }
}

// Step 2: the trope font of the notes is the program's own, with the default character set.
void TropeFont(std::string& text) {
    ReplaceAll(text, "\\fcharset0 TGBTrope;", " TGBTrope\\fcharset0;");
    ReplaceAll(text, "\\fprq2 TGBTrope;", "\\fprq2\\fcharset0 TGBTrope;");
    ReplaceAll(text, "TGBTrope", "TGBR");
}

struct ClassColours {
    // The colour selectors ("\cf" + index) of black and of classes 1 to 4.
    std::array<std::string, 5> selector;
};

// Step 3: the colour table holds black and the colours of the trope classes; missing ones
// are added at its end. A text without a table keeps its colours (the selectors stay empty).
ClassColours ColourTable(std::string& text) {
    struct Wanted {
        int r, g, b;
        int slot;  // 0 black, else the class
    };
    // In the order missing colours are appended.
    const Wanted wanted[] = {{0, 0, 0, 0}, {255, 153, 0, 2}, {255, 0, 0, 3}, {51, 153, 102, 1}, {153, 153, 153, 4}};
    ClassColours out;
    const size_t at = text.find("{\\colortbl");
    if (at == std::string::npos) return out;  // not rich text (an exercise file), or no colours wanted
    size_t end = text.find('}', at);
    if (end == std::string::npos) end = text.size();
    // Entries end in ";"; index 0 is the first.
    std::vector<std::array<int, 3>> entries;
    std::array<int, 3> current{-1, -1, -1};
    for (size_t i = at + 10; i < end; ++i) {
        if (text[i] == ';') {
            entries.push_back(current);
            current = {-1, -1, -1};
            continue;
        }
        for (const auto& [word, k] : {std::pair{"\\red", 0}, {"\\green", 1}, {"\\blue", 2}}) {
            const std::string_view w(word);
            if (text.compare(i, w.size(), w) != 0) continue;
            size_t d = i + w.size();
            int v = 0;
            while (d < end && std::isdigit(static_cast<unsigned char>(text[d])) && v < 1000) v = v * 10 + (text[d++] - '0');
            current[k] = v;
        }
    }
    std::string added;
    int count = static_cast<int>(entries.size());
    for (const Wanted& w : wanted) {
        int found = -1;
        for (int i = 0; i < static_cast<int>(entries.size()) && found < 0; ++i)
            if (entries[i] == std::array<int, 3>{w.r, w.g, w.b}) found = i;
        if (found < 0) {
            found = count++;
            added += "\\red" + std::to_string(w.r) + "\\green" + std::to_string(w.g) + "\\blue" +
                     std::to_string(w.b) + ";";
        }
        out.selector[w.slot] = "\\cf" + std::to_string(found);
    }
    text.insert(end, added);
    return out;
}

// Step 4: hex escapes of control bytes (below 32) become the bytes 64 higher.
void RaiseControlEscapes(std::string& text) {
    for (size_t at = text.find("\\'"); at != std::string::npos; at = text.find("\\'", at + 1)) {
        if (at + 3 >= text.size() || (text[at + 2] != '0' && text[at + 2] != '1') ||
            !std::isxdigit(static_cast<unsigned char>(text[at + 3])))
            continue;
        const int byte = std::stoi(text.substr(at + 2, 2), nullptr, 16);
        text.replace(at, 4, HexEscape(static_cast<unsigned char>(byte + 64)));
    }
}

// The sign of a trope for the notes: each mark in its class's colour, then black again.
std::string SignText(const std::string& sign, const ClassColours& colours) {
    std::string out;
    ForCodePoints(sign, [&](char32_t cp) {
        // Control bytes of the sign are raised as in the escapes of the notes.
        if (cp >= 1 && cp <= 31 && cp != '\t' && cp != '\n' && cp != '\r') cp += 64;
        const std::string escaped = cp < 0x80 ? HexEscape(static_cast<unsigned char>(cp)) : UnicodeEscape(cp);
        const std::string code = AccentCodeOfMark(cp);
        const int category = code.empty() ? 0 : SymbolCategory(code, {}, false);
        if (category == 0 || colours.selector[category].empty()) out += escaped;
        else out += colours.selector[category] + escaped + colours.selector[0] + " ";
    });
    return out;
}

// Step 5 (`notes`: the style's notes, which may name tropes themselves) or step 6 (the
// trope names), read from left to right so that a Hebrew name sees the placeholder that
// follows it as written.
std::string FillPlaceholders(const std::string& text, bool notes, const TXMLelement* style,
                             const TXMLelement* encoding, const ClassColours& colours) {
    const TXMLelement* lessonNotes = style ? style->ChildByName("LESSON_NOTES") : nullptr;
    std::string out;
    size_t i = 0;
    while (i < text.size()) {
        const size_t open = text.find('%', i);
        const size_t close = open == std::string::npos ? open : text.find('%', open + 1);
        if (close == std::string::npos) {
            out.append(text, i, std::string::npos);
            break;
        }
        out.append(text, i, open - i);
        const std::string name = text.substr(open + 1, close - open - 1);
        auto entry = [&](std::string_view trope) { return ChildByNameAttribute(encoding, trope); };
        const TXMLelement* e = nullptr;
        if (notes) {
            if (!name.starts_with("NOTE_")) {
                out += '%';
                i = open + 1;
                continue;
            }
            if (const TXMLelement* note = ChildByNameAttribute(lessonNotes, name.substr(5)))
                out += RtfEscape(note->Text(), false);
        } else if (name.starts_with("HEB_CHARS_") && (e = entry(name.substr(10)))) {
            out += SignText(Attribute(e, "HEB_CHAR_VALUE"), colours);
        } else if (name.starts_with("HEB_VALUE_") && (e = entry(name.substr(10)))) {
            std::string value = Attribute(e, "HEB_VALUE");
            const std::string_view nextTag = "%HEB_VALUE_";
            if (text.compare(close + 1, nextTag.size(), nextTag) == 0) {
                const size_t nextEnd = text.find('%', close + 1 + nextTag.size());
                if (nextEnd != std::string::npos) {
                    const std::string next = text.substr(close + 1 + nextTag.size(), nextEnd - close - 1 - nextTag.size());
                    if (std::string before = Attribute(e, "BEFORE_" + next + "_HEB_VALUE"); !before.empty())
                        value = std::move(before);
                }
            }
            out += RtfEscape(value);
        } else if (!name.empty() && (e = entry(name))) {
            out += RtfEscape(Attribute(e, "VALUE"));
        } else {
            out += '%';  // not a placeholder: the sign stays and the text goes on after it
            i = open + 1;
            continue;
        }
        i = close + 1;
    }
    return out;
}

}  // namespace

std::string RtfEscape(const std::string& utf8, bool escapeMarkup) {
    std::string out;
    ForCodePoints(utf8, [&](char32_t cp) {
        if (cp >= 0x80) out += UnicodeEscape(cp);
        else if (escapeMarkup && (cp == '\\' || cp == '{' || cp == '}')) out += std::string("\\") + static_cast<char>(cp);
        else out += static_cast<char>(cp);
    });
    return out;
}

std::string PrepareLessonText(std::string text, const TXMLelement* style, const TXMLelement* encoding) {
    NeutralLanguage(text);
    TropeFont(text);
    const ClassColours colours = ColourTable(text);
    RaiseControlEscapes(text);
    text = FillPlaceholders(text, true, style, encoding, colours);
    text = FillPlaceholders(text, false, style, encoding, colours);
    ReplaceAll(text, "'1c", "'a6");
    return text;
}

}  // namespace lyrasta
