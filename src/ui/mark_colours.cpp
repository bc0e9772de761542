#include "mark_colours.h"

#include <algorithm>
#include <cmath>

#include "player/colour_names.h"
#include "player/trope_groups.h"

namespace lyrasta::ui {

namespace {

constexpr char32_t kMeteg = 0x05BD, kSofPasuq = 0x05C3;

bool IsAccentMark(char32_t c) { return c >= 0x0591 && c <= 0x05AF; }

}  // namespace

std::array<Rgb, 17> GroupColours(const TSettingsStore& settings) {
    std::array<Rgb, 17> out;
    for (int g = 0; g < kTropeGroupCount; ++g) {
        const TropeGroupInfo& info = TropeGroupInfoOf(g);
        SettingColour colour = info.defaultColour;
        if (!info.colourKey.empty())
            if (auto c = ParseColourSetting(settings.Text(std::string(info.colourKey)))) colour = *c;
        out[g] = ToRgb(colour);
    }
    return out;
}

std::vector<int> MarkCategories(const HxWord& item, const std::u32string& text) {
    std::vector<int> out(text.size(), 0);
    if (!item.letters) return out;
    const LetterList& letters = *item.letters;
    // The word's last letter carries no meteg for a V-mark.
    size_t lastLetter = letters.size();
    for (size_t i = letters.size(); i-- > 0;)
        if (!letters[i].letter.empty()) {
            lastLetter = i;
            break;
        }
    // The accent codes behind the marks, in the order they are written: combining accents,
    // metegs (a silluq "75", or none for a plain meteg or a V-mark) and sof pasuq.
    std::vector<std::string> accents, metegs;
    for (size_t i = 0; i < letters.size(); ++i) {
        const strucHebChar& c = letters[i];
        if (c.meteg) metegs.emplace_back();
        if (!c.accents.empty() && c.accents[0] == 'V') {
            if (i != lastLetter) metegs.emplace_back();
            continue;
        }
        for (size_t k = 0; k + 1 < c.accents.size(); k += 2) {
            const std::string code = c.accents.substr(k, 2);
            if (code == "00" || code == "05") continue;
            if (code == "75") metegs.push_back(code);
            else accents.push_back(code);
        }
    }
    size_t a = 0, m = 0;
    for (size_t k = 0; k < text.size(); ++k) {
        std::string code;
        if (IsAccentMark(text[k])) {
            if (a >= accents.size()) return std::vector<int>(text.size(), 0);
            code = accents[a++];
        } else if (text[k] == kMeteg) {
            if (m >= metegs.size()) return std::vector<int>(text.size(), 0);
            code = metegs[m++];
        } else if (text[k] == kSofPasuq) {
            code = "00";
        }
        if (!code.empty()) out[k] = SymbolCategory(code, letters, item.legarmeh);
    }
    if (a != accents.size()) return std::vector<int>(text.size(), 0);
    return out;
}

namespace {

double RelativeLuminance(Rgb c) {
    auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

}  // namespace

double ContrastRatio(Rgb a, Rgb b) {
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb ReadableInk(Rgb preferred, Rgb fill) {
    constexpr double kReadable = 4.5;
    if (ContrastRatio(preferred, fill) >= kReadable) return preferred;
    constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255};
    return ContrastRatio(kBlack, fill) >= ContrastRatio(kWhite, fill) ? kBlack : kWhite;
}

Rgb SelectedInk(Rgb groupColour, int column) {
    constexpr Rgb kEndOfAliyahDefault{0x70, 0x70, 0xFF}, kSelectedOnEndOfAliyah{0, 0, 0xFF};
    return ReadableInk(column == 1 && groupColour == kEndOfAliyahDefault ? kSelectedOnEndOfAliyah : groupColour,
                       kSelectionFill);
}

namespace {

Rgb Mix(Rgb from, Rgb to, double t) {
    auto channel = [t](int a, int b) { return static_cast<std::uint8_t>(std::lround(a + (b - a) * t)); };
    return {channel(from.r, to.r), channel(from.g, to.g), channel(from.b, to.b)};
}

// The colour nearest to `colour` on its way to black or to white that stands out from the
// background at `ratio`.
Rgb DistinctFrom(Rgb colour, Rgb background, double ratio) {
    constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255};
    constexpr int kSteps = 40;
    for (int step = 0; step <= kSteps; ++step)
        for (Rgb end : {kBlack, kWhite})
            if (const Rgb c = Mix(colour, end, static_cast<double>(step) / kSteps); ContrastRatio(c, background) >= ratio)
                return c;
    return ContrastRatio(kBlack, background) >= ContrastRatio(kWhite, background) ? kBlack : kWhite;
}

}  // namespace

Rgb SymbolColourOver(int category, Rgb background) {
    const Rgb own = ToRgb(SymbolColour(static_cast<TropeSymbolCategory>(category), ToSettingColour(background)));
    return DistinctFrom(own, background, category == kSymbolPositionCopy ? 1.5 : 3.0);
}

}  // namespace lyrasta::ui
