#include "command_text.h"

#include <cctype>
#include <cmath>

namespace lyrasta::synth {
namespace {

constexpr long kMaxNumber = 99'999'999;  // longer numbers are not read as numbers

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameChar(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || IsDigit(c) || c == '_'; }

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// A whole number with optional sign; nullopt when the text is not one or is too long.
std::optional<long> ToNumber(std::string_view s) {
    bool negative = false;
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    if (s.empty() || s.size() > 8) return std::nullopt;
    long v = 0;
    for (char c : s) {
        if (!IsDigit(c)) return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return negative ? -v : v;
}

std::vector<std::string_view> Words(std::string_view s) {
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && IsBlank(s[i])) ++i;
        size_t j = i;
        while (j < s.size() && !IsBlank(s[j])) ++j;
        if (j > i) words.push_back(s.substr(i, j - i));
        i = j;
    }
    return words;
}

// One command inside "[: ... ]", its words after the colon ("index", "mark", "3").
void ReadCommand(const std::vector<std::string_view>& w, std::vector<CommandItem>& out) {
    if (w.empty()) return;
    const std::string name = Lower(w[0]);
    auto number = [&](size_t i) { return i < w.size() ? ToNumber(w[i]) : std::nullopt; };
    if (name == "index" && w.size() >= 3 && Lower(w[1]) == "mark") {
        if (auto n = number(2)) out.push_back(IndexMarkItem{*n});
    } else if (name == "rate") {
        if (auto n = number(1)) out.push_back(RateItem{*n});
    } else if (name == "volume" && w.size() >= 3 && Lower(w[1]) == "att") {
        if (auto n = number(2)) out.push_back(VolumeItem{*n});
    } else if (name == "phoneme") {
        out.push_back(PhonemeModeItem{});
    } else if (name == "sync") {
        out.push_back(SyncItem{});
    } else if (name == "name" && w.size() >= 2) {
        out.push_back(VoiceItem{std::string(w[1]), {}});
    } else if (name == "dv" && w.size() >= 3) {
        // ":dv" pairs belong to the voice named before them in the same brackets.
        if (out.empty() || !std::holds_alternative<VoiceItem>(out.back())) out.push_back(VoiceItem{});
        auto& voice = std::get<VoiceItem>(out.back());
        for (size_t i = 1; i + 1 < w.size(); i += 2) voice.params.emplace_back(Lower(w[i]), std::string(w[i + 1]));
    }
}

void ReadCommands(std::string_view body, std::vector<CommandItem>& out) {
    // Split at every ':' that begins a word: ":name Paul :dv sm 40" is two commands.
    size_t start = 0;
    for (size_t i = 0; i <= body.size(); ++i) {
        const bool cut = i == body.size() || (body[i] == ':' && (i == 0 || IsBlank(body[i - 1])));
        if (!cut) continue;
        if (i > start) ReadCommand(Words(body.substr(start, i - start)), out);
        start = i + 1;
    }
}

// "<duration,pitch>" after a phoneme or silence; returns false when there is no mark at i.
bool ReadMark(std::string_view s, size_t& i, std::optional<int>& ms, std::optional<PitchCode>& pitch) {
    if (i >= s.size() || s[i] != '<') return false;
    const size_t close = s.find('>', i);
    const std::string_view body = s.substr(i + 1, (close == std::string_view::npos ? s.size() : close) - i - 1);
    i = close == std::string_view::npos ? s.size() : close + 1;
    const size_t comma = body.find(',');
    const std::string_view dur = body.substr(0, comma);
    if (auto n = ToNumber(dur); n && *n >= 0 && *n <= 600'000) ms = static_cast<int>(*n);
    if (comma != std::string_view::npos) {
        const std::string_view p = body.substr(comma + 1);
        if (auto n = ToNumber(p); n && *n > 0 && *n <= kMaxNumber && p[0] != '-' && p[0] != '+')
            pitch = PitchCode{*n, static_cast<int>(p.size())};
    }
    return true;
}

void ReadPhonemes(std::string_view s, std::vector<CommandItem>& out) {
    Stress stress = Stress::None;
    size_t i = 0;
    while (i < s.size()) {
        const char c = s[i];
        if (c == '~') {
            size_t j = i + 1;
            while (j < s.size() && IsNameChar(s[j])) ++j;
            // A silence may follow a bare phoneme directly ("~m_<4,>"): when the whole name is
            // unknown, the longest known part before a '_' is the phoneme.
            const Phoneme* ph = nullptr;
            size_t end = j;
            while (end > i + 1 && !(ph = FindPhoneme(Lower(s.substr(i + 1, end - i - 1))))) {
                const size_t cut = s.rfind('_', end - 1);
                end = (cut == std::string_view::npos || cut <= i + 1) ? i + 1 : cut;
            }
            i = ph ? end : j;
            PhonemeItem item{ph, std::nullopt, std::nullopt, stress};
            ReadMark(s, i, item.ms, item.pitch);
            if (ph) {
                out.push_back(item);
                if (ph->isVowel()) stress = Stress::None;
            }
        } else if (c == '_') {
            ++i;
            SilenceItem item;
            std::optional<PitchCode> unused;
            ReadMark(s, i, item.ms, unused);
            out.push_back(item);
        } else if (c == '\'') {
            stress = Stress::Primary;
            ++i;
        } else if (c == '`') {
            stress = Stress::Secondary;
            ++i;
        } else if (c == '.') {
            out.push_back(PhraseEndItem{});
            ++i;
        } else if (c == '<') {
            std::optional<int> ms;
            std::optional<PitchCode> pitch;
            ReadMark(s, i, ms, pitch);  // a mark without its phoneme: dropped
        } else {
            ++i;
        }
    }
}

}  // namespace

std::pair<int, double> PitchCode::Resolve(double previousHz) const {
    if (digits >= 4) {
        long scale = 1;
        for (int d = 1; d < digits; ++d) scale *= 10;
        return {static_cast<int>(value / scale), static_cast<double>(value % scale)};
    }
    const int mode = static_cast<int>(value / 100);
    const double twoDigit = static_cast<double>(value % 100);
    const bool modeDigit = digits == 3 && (mode == 1 || mode == 3 || mode == 5 || mode == 7 || mode == 9);
    if (modeDigit && previousHz > 0 && twoDigit >= 20 &&
        std::abs(std::log2(twoDigit / previousHz)) < std::abs(std::log2(value / previousHz)))
        return {mode, twoDigit};
    return {0, static_cast<double>(value)};
}

std::vector<CommandItem> ParseCommandText(std::string_view text) {
    std::vector<CommandItem> out;
    size_t i = 0;
    size_t nextClose = 0;  // the first ']' at or after the last search (npos: there is none)
    while (i < text.size()) {
        const size_t open = text.find('[', i);
        if (open == std::string_view::npos) break;
        if (nextClose != std::string_view::npos && nextClose <= open) nextClose = text.find(']', open + 1);
        size_t close = nextClose;
        // A bracket left open runs to the end of the text; a '[' inside brackets starts anew.
        const size_t nested = text.find('[', open + 1);
        if (nested != std::string_view::npos && (close == std::string_view::npos || nested < close)) close = nested;
        const size_t end = close == std::string_view::npos ? text.size() : close;
        std::string_view body = text.substr(open + 1, end - open - 1);
        size_t k = 0;
        while (k < body.size() && IsBlank(body[k])) ++k;
        if (k < body.size() && body[k] == ':')
            ReadCommands(body.substr(k), out);
        else
            ReadPhonemes(body, out);
        i = (close != std::string_view::npos && text[close] == ']') ? close + 1 : end;
    }
    return out;
}

}  // namespace lyrasta::synth
