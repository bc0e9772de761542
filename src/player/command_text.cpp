#include "command_text.h"

#include "text/text_helpers.h"

#include <cmath>
#include <cstdio>

#include "player/voices.h"

namespace lyrasta {

namespace {

// Items that carry letters to sing: words, and of a joined pair only its first item.
bool GivesLetters(const TWordTable& table, int i) {
    const HxWord* w = table.Item(i);
    return w && w->letters && (w->pairFirst < 0 || w->pairFirst == i);
}

int LastWordOfRange(const TWordTable& table, SingRangeMode mode, const strucSingOptions& options) {
    const int s = table.SelectedWord();
    const int n = table.WordCount();
    switch (mode) {
    case kRangeWord:
        return s;
    case kRangeVerse:
        for (int w = s; w < n; ++w) {
            const LetterList letters = table.SungLetters(w);
            if (!letters.empty() && letters.back().verseEnd) return w;
        }
        return n - 1;
    case kRangeSection:
        return options.replay ? options.replayEnd : n - 1;
    case kRangeGroup:
        for (int w = s; w <= n - 2; ++w)
            if (table.TropeGroupOf(w + 1) != table.TropeGroupOf(s)) return w;
        return n - 1;
    }
    return s;
}

std::string TwoDigits(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

// "GEN01:01Kohen|": the verse that a piece ends, for the synthesizer's message line.
std::string VerseReference(const strucHebChar& first) {
    return first.book + TwoDigits(first.chapter) + ":" + TwoDigits(first.verse) + first.section + "|";
}

// Pause after a spoken word, by the divider it carries: etnachta the longest.
int SpokenPauseFactor(const std::string& accents) {
    if (accents == "92") return 6;
    for (const char* a : {"85", "80", "81", "65", "83", "01", "05", "62"})
        if (accents == a) return 8;
    return 0;
}

class PieceWriter {
public:
    PieceWriter(TSynthOutput* out) : out_(out) {}
    void Submit(std::string& text, bool final) {
        pieces_.push_back({text, final});
        if (out_) out_->Speak(text, final);
        text.clear();
    }
    std::vector<TCommandPiece> Take() { return std::move(pieces_); }

private:
    TSynthOutput* out_;
    std::vector<TCommandPiece> pieces_;
};

}  // namespace

std::vector<TCommandPiece> SingRange(const TWordTable& table, SingRangeMode mode,
                                     const strucSingOptions& options, TSynthOutput* out) {
    if (table.WordCount() == 0) return {};
    if (options.songStale && options.resetSong) options.resetSong();

    const int first = table.SelectedWord();
    const int last = LastWordOfRange(table, mode, options);
    const std::string voice = GetVoiceOpt(options.voice);
    const std::string rate = std::to_string(options.speed * 15 + 20);
    const int beat = RoundEven(120000.0 / (options.speed * 12 + 20));
    const std::string shortHeader =
        "[" + voice + " " + " ] [:rate " + rate + "] [:phoneme arpabet speak on] ";

    if (out && !options.wavFileName.empty()) out->OpenWave(options.wavFileName);
    PieceWriter writer(out);
    std::string piece = "[:volume att " + std::to_string(options.volume * 4 + 60) +
                        "] [:mode email on] [:comma -40] " + shortHeader;
    if (options.speak) piece += " [:pp -500]";

    for (int w = first; w <= last; ++w) {
        if (!GivesLetters(table, w)) continue;
        const LetterList letters = table.SungLetters(w);
        piece += " [:index mark " + std::to_string(w) + "] [";
        bool verseEnd = false;
        std::string accents;
        for (const strucHebChar& c : letters) {
            if (c.kq == 2) break;
            if (options.speak) {
                if (c.stress) piece += "'";
                else if (c.stress2) piece += "`";
                piece += c.consonant + " " + c.vowelSound + " " + c.extra;
                if (!c.accents.empty()) accents = c.accents;
            } else {
                piece += c.synth;
            }
            if (c.verseEnd) verseEnd = true;
        }
        piece += "] ";
        if (options.speak)
            if (const int factor = SpokenPauseFactor(accents))
                piece += "[ . _<" + std::to_string(RoundEven(static_cast<double>(beat) / factor)) + ">]";
        if (verseEnd) {
            if (options.speak) piece += "[ . _<800,>]";
            piece += "\tMessage-ID:" + VerseReference(letters.front());
            writer.Submit(piece, false);
            piece = shortHeader;
        }
    }
    piece += "\t";
    writer.Submit(piece, true);
    if (out && !options.wavFileName.empty()) out->CloseWave();
    return writer.Take();
}

}  // namespace lyrasta
