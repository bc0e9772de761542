// Feeds arbitrary melody definitions to the melody rules and sings every trope they
// define on a fixed word: data files with missing, zero or strange durations, pitches,
// upbeats and ties must never crash the note placement.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "chant/melody_rules.h"
#include "chant/note_placement.h"

namespace {

lyrasta::LetterList FuzzWord() {
    lyrasta::LetterList w;
    const char* letters[] = {"W", "H", "M", "L", "K"};
    for (int i = 0; i < 5; ++i) {
        lyrasta::strucHebChar c;
        c.letter = letters[i];
        c.consonant = "~m";
        c.vowelSound = i == 3 ? "" : "~aa~y";
        c.extra = i == 4 ? "~h" : "";
        c.sylStart = i != 3;
        c.sylEnd = i != 2;
        c.stress = i == 2;
        w.push_back(c);
    }
    w.front().initial = true;
    w.back().final = true;
    w[2].accents = "00";
    return w;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lyrasta;
    TXMLParser doc;
    doc.LoadFromText(std::string_view(reinterpret_cast<const char*>(data), size));
    const TXMLelement* root = doc.Root();
    if (!root) return 0;
    for (const TXMLelement* style = root->FirstChild(); style; style = style->NextSibling()) {
        const TStyleIndex index(style);
        for (const TXMLelement* trope = style->FirstChild(); trope; trope = trope->NextSibling()) {
            RuleContext c;
            c.trope = trope->AttributeCount() ? trope->AttributeValue("Name") : "";
            c.groupPosition = "END";
            const Melody* found = index.Find(c);
            const Melody m = found ? *found : Melody{};
            for (int syllables = 0; syllables <= 5; ++syllables) {
                LetterList word = FuzzWord();
                strucPlacement p;
                p.main = &m;
                p.mainSyllable = syllables;
                p.twoTropes = syllables % 2 == 1;
                p.first = &m;
                p.firstSyllable = syllables / 2;
                p.next = &m;
                p.previous = &m;
                p.elision = syllables % 3;
                p.pitchFromPrevious = p.rhythmFromPrevious = true;
                p.upbeatFactor = syllables - 2;
                PlaceNotes(word, p);
            }
        }
    }
    return 0;
}
