#include "sung_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "text/random.h"

namespace lyrasta {

namespace {

// A piece of sung text (a vowel note, a consonant onset, a verse fall) written in a
// buffer of its own and appended to the letter's text in one go: every sung vowel of a
// reading passes here, and appending each phoneme, digit and bracket on its own cost far
// more than the writing. The buffer is on the stack unless the phonemes are unusually long.
class Piece {
public:
    // The longest mark "<length,Tpitch>": two numbers of up to 11 characters, a tone
    // digit and three brackets.
    static constexpr size_t kMarkRoom = 26;

    // Room for `room` characters.
    explicit Piece(size_t room) {
        if (room > sizeof local_) {
            heap_.resize(room);
            at_ = begin_ = heap_.data();
        }
    }
    Piece(const Piece&) = delete;
    Piece& operator=(const Piece&) = delete;

    // A phoneme followed by its mark "<length,pitch>".
    void Phoneme(std::string_view text, int length, int pitch) {
        Text(text);
        *at_++ = '<';
        Number(length);
        *at_++ = ',';
        Number(pitch);
        *at_++ = '>';
    }

    // A mark "<length,THHH>": a tone digit and the frequency with at least three digits,
    // so that the digit can never be read as part of the number ("062" and not "62" for
    // 62 Hz). `length` may be empty.
    void ToneMark(std::string_view length, char tone, int hz) {
        *at_++ = '<';
        Text(length);
        *at_++ = ',';
        *at_++ = tone;
        char digits[11];
        const char* end = std::to_chars(digits, digits + sizeof digits, hz).ptr;
        for (auto n = end - digits; n < 3; ++n) *at_++ = '0';
        at_ = std::copy(static_cast<const char*>(digits), end, at_);
        *at_++ = '>';
    }

    void Text(std::string_view text) { at_ = std::copy(text.begin(), text.end(), at_); }

    void AppendTo(std::string& out) const { out.append(begin_, static_cast<size_t>(at_ - begin_)); }

private:
    void Number(int n) { at_ = std::to_chars(at_, at_ + 11, n).ptr; }

    char local_[256];
    std::string heap_;
    char* begin_ = local_;
    char* at_ = local_;
};

// A text of several phonemes split at its second "~": the part before and the part from
// there on (at most 32 characters). None when the text holds a single phoneme.
std::optional<std::pair<std::string_view, std::string_view>> SplitAtSecondPhoneme(std::string_view text) {
    const size_t at = text.size() > 1 ? text.find('~', 1) : std::string_view::npos;
    if (at == std::string_view::npos) return std::nullopt;
    return std::make_pair(text.substr(0, at), text.substr(at, 32));
}

}  // namespace

int HzOfPitch(double pitch) {
    return static_cast<int>(std::nearbyint(13.75 * std::exp2((pitch + 26.0) / 12.0)));
}

std::string HzText(double pitch) { return std::to_string(HzOfPitch(pitch)); }

std::string_view LastToken(std::string_view text) {
    if (text.size() < 2) return {};
    const size_t at = text.rfind('~', text.size() - 2);
    return at == std::string_view::npos ? std::string_view() : text.substr(at);
}

std::pair<std::string_view, std::string_view> SplitVowel(std::string_view vowel) {
    if (auto parts = SplitAtSecondPhoneme(vowel)) return *parts;
    if (vowel == "~gr_eu") return {"~gr_o", "~oy~yx"};
    if (vowel == "~gr_az") return {"~eh", "~gr_az"};
    if (vowel == "~gr_au") return {"~gr_a", "~gr_au~w"};
    return {vowel, vowel};
}

void AppendConsonant(std::string& out, std::string_view text, std::string_view letter, bool dagesh, int hz) {
    if (!text.empty() && text.back() == '>') return;
    const char first = letter.empty() ? '\0' : letter[0];
    char tone = '5';
    if ((first == 'K' && dagesh) || first == 'N' || first == 'Q') tone = '7';
    else if (first == 'Z') tone = '9';
    Piece onset(text.size() + 2 * Piece::kMarkRoom);
    onset.ToneMark("20", tone, hz);
    onset.Text(text);
    onset.ToneMark("", tone, hz);
    onset.AppendTo(out);
}

void AppendVowelNote(std::string& out, std::string_view first, std::string_view second, int durationMs,
                     bool ornament, int hz) {
    const int d = durationMs + Random(durationMs / 10);
    const int f = hz + Random(3) - 2;
    const int held = std::max(25, d - 50);

    // The onset part, the ending part (its two phonemes when it glides) and the ornament's
    // three turns on the ending part.
    Piece note(first.size() + 4 * second.size() + 6 * Piece::kMarkRoom);
    note.Phoneme(first, 50, f + 5000);
    if (auto parts = SplitAtSecondPhoneme(second)) {
        note.Phoneme(parts->first, held, f + 5000);
        note.Phoneme(parts->second, held, f + 5000);
    } else {
        note.Phoneme(second, held, f + 5000);
    }
    if (ornament) {
        const int turn = std::max(3, d / 10);
        note.Phoneme(second, turn, f - f / 30 + 3000);
        note.Phoneme(second, turn, f - f / 20 + 1000);
        note.Phoneme(second, 3, f + 1000);
    }
    note.AppendTo(out);
}

std::string VerseFall(std::string_view second, int hz) {
    Piece fall(2 * second.size() + 2 * Piece::kMarkRoom);
    fall.Text(second);
    fall.ToneMark("10", '3', hz);
    fall.Text(second);
    fall.ToneMark("10", '1', hz);
    std::string text;
    fall.AppendTo(text);
    return text;
}

}  // namespace lyrasta
