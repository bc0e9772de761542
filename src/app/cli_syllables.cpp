// lyrasta-cli syllables: the syllables of every sung word of a reading, one JSON line per
// word with its verse, its Hebrew text and its spelling for a learner (syllables joined
// by "-", the stressed one in capitals).

#include <iostream>

#include "chant/syllables.h"
#include "cli_commands.h"
#include "cli_pronunciation.h"
#include "cli_reading.h"
#include "json_line.h"
#include "player/reading_steps.h"
#include "text/reading_loader.h"

namespace lyrasta::cli {

namespace {

// The Hebrew text of item i, or of all the items of the pair it opens (words joined by a
// maqaf, a ketiv with its qere), without the leading blanks of the display texts.
std::string SungWordText(const TWordTable& table, int i) {
    const HxWord& w = *table.Item(i);
    const int last = w.pairFirst == i && w.pairLast >= i ? w.pairLast : i;
    std::string out;
    for (int k = i; k <= last; ++k) {
        std::string t = table.ItemText(k);
        t.erase(0, t.find_first_not_of(' '));
        if (!out.empty() && !t.empty()) out += ' ';
        out += t;
    }
    return out;
}

}  // namespace

int RunSyllables(const Args& argv) {
    std::vector<std::string> valued = ReadingValuedOptions();
    valued.push_back(kPronunciationOption);
    const CliArgs args(argv, valued, ReadingSwitches());
    const ReadingOptions options = ParseReadingOptions(args);
    const TPhonemeSet set = PhonemeSetFromOption(args, options.dataDir);
    TAnalysisSteps steps(set);
    TWordTable table;
    TReadingLoader loader(options.dataDir, table);
    loader.SetSteps(&steps);
    const bool clean = LoadReadingFromOptions(options, loader);

    for (int i = 0; i < table.WordCount(); ++i) {
        if (!table.IsSung(i)) continue;
        const LetterList letters = table.SungLetters(i);
        if (letters.empty()) continue;
        const strucHebChar& head = letters.front();
        JsonObject o;
        o.Add("verse", head.book + " " + std::to_string(head.chapter) + ":" +
                           std::to_string(head.verse));
        o.Add("word", SungWordText(table, i)).Add("syllables", SyllableSpelling(letters));
        Emit(std::cout, o);
    }
    std::cout.flush();
    return clean ? 0 : 1;
}

}  // namespace lyrasta::cli
