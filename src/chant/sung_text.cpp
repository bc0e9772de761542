#include "sung_text.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

#include "text/random.h"

namespace lyrasta {

namespace {

// A text of several phonemes split at its second "~": the part before and the part from
// there on (at most 32 characters). None when the text holds a single phoneme.
std::optional<std::pair<std::string, std::string>> SplitAtSecondPhoneme(const std::string& text) {
    const size_t at = text.size() > 1 ? text.find('~', 1) : std::string::npos;
    if (at == std::string::npos) return std::nullopt;
    return std::make_pair(text.substr(0, at), text.substr(at, 32));
}

// The frequency with at least three digits, so that a tone digit written before it can
// never be read as part of the number ("062" and not "62" for 62 Hz).
std::string PaddedHzText(double pitch) {
    std::string h = HzText(pitch);
    while (h.size() < 3) h.insert(h.begin(), '0');
    return h;
}

}  // namespace

int HzOfPitch(double pitch) {
    return static_cast<int>(std::nearbyint(13.75 * std::exp2((pitch + 26.0) / 12.0)));
}

std::string HzText(double pitch) { return std::to_string(HzOfPitch(pitch)); }

std::string LastToken(const std::string& text) {
    if (text.size() < 2) return {};
    const size_t at = text.rfind('~', text.size() - 2);
    return at == std::string::npos ? std::string() : text.substr(at);
}

std::pair<std::string, std::string> SplitVowel(const std::string& vowel) {
    if (auto parts = SplitAtSecondPhoneme(vowel)) return *parts;
    if (vowel == "~gr_eu") return {"~gr_o", "~oy~yx"};
    if (vowel == "~gr_az") return {"~eh", "~gr_az"};
    if (vowel == "~gr_au") return {"~gr_a", "~gr_au~w"};
    return {vowel, vowel};
}

void AppendConsonant(std::string& out, const std::string& text, const std::string& letter, bool dagesh,
                     double pitch) {
    if (!text.empty() && text.back() == '>') return;
    const char first = letter.empty() ? '\0' : letter[0];
    char tone = '5';
    if ((first == 'K' && dagesh) || first == 'N' || first == 'Q') tone = '7';
    else if (first == 'Z') tone = '9';
    const std::string mark = tone + PaddedHzText(pitch) + ">";
    out.append("<20,").append(mark).append(text).append("<,").append(mark);
}

void AppendVowelNote(std::string& out, const std::string& first, const std::string& second, int durationMs,
                     bool ornament, double pitch) {
    const int d = durationMs + Random(durationMs / 10);
    const int f = HzOfPitch(pitch) + Random(3) - 2;
    const std::string c = std::to_string(f + 5000);
    const std::string r = std::to_string(std::max(25, d - 50));

    // Written piece by piece into the sung text: every sung vowel of a reading passes here.
    auto phoneme = [&out](std::string_view text, std::string_view length, std::string_view hz) {
        out.append(text).append("<").append(length).append(",").append(hz).append(">");
    };
    phoneme(first, "50", c);
    if (auto parts = SplitAtSecondPhoneme(second)) {
        phoneme(parts->first, r, c);
        phoneme(parts->second, r, c);
    } else {
        phoneme(second, r, c);
    }

    if (ornament) {
        const std::string turn = std::to_string(std::max(3, d / 10));
        phoneme(second, turn, std::to_string(f - f / 30 + 3000));
        phoneme(second, turn, std::to_string(f - f / 20 + 1000));
        phoneme(second, "3", std::to_string(f + 1000));
    }
}

std::string VerseFall(const std::string& second, double pitch) {
    const std::string hz = PaddedHzText(pitch);
    return second + "<10,3" + hz + ">" + second + "<10,1" + hz + ">";
}

}  // namespace lyrasta
