// lyrasta-cli: the headless front end. Loads readings, builds the song, sings to wave
// files and computes the calendar without a window, printing JSON Lines.

#include <exception>
#include <iostream>
#include <sstream>

#include "cli_args.h"
#include "cli_commands.h"

namespace lyrasta::cli {

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"words", "[reading options] [singing options]: the display items of a reading with their song, one JSON line each", RunWords},
        {"syllables", "[reading options] [--pronunciation NAME] the syllables of each sung word, stressed one in capitals", RunSyllables},
        {"notes", "[reading options] [singing options]: per sung word its syllables and notes", RunNotes},
        {"commands", "[reading options] [singing options] --word N --range word|verse|section|group [--speak] [--volume N]: synthesizer command pieces", RunCommandText},
        {"calendar hebrew", "--from YYYY-MM-DD --to YYYY-MM-DD [--israel]: Hebrew date and holiday of every civil day", CalendarHebrew},
        {"calendar sabbaths", "--from-year Y1 --to-year Y2 [--israel]: portion of every Sabbath of the Hebrew years", CalendarSabbaths},
        {"calendar sabbath-of", "--portion NAME --year Y [--israel]: the Sabbath on which a portion is read", CalendarSabbathOf},
        {"calendar keys", "--reading NAME --year Y [--israel]: special Maftir and Haftarah keys of a portion's Sabbath", CalendarKeys},
        {"calendar triennial", "--portion NAME --cycle C --year Y [--israel]: triennial-cycle key", CalendarTriennial},
        {"options", "--reading NAME [--year Y] [--israel] [--triennial --cycle C] [--catalogue FILE]: the open-reading dialog's option lists for a reading", RunOptions},
        {"open", "--reading NAME [--year Y] [--israel] [--triennial --cycle C] [--kind Torah|Haftarah|Reading] [--option N] [--maftir N]: the reading the choice opens", RunOpen},
        {"styles", "[--data DIR]: the melody styles with their reading type, name, key and description", RunStyles},
        {"training", "[--data DIR]: the training options with their selection, name, kind and whether they are listed",
         RunTraining},
        {"say", "--text TEXT|--file FILE --wav OUT [--notes]: sing command text into a wave file", RunSay},
        {"sing", "[reading options] [singing options] --word N --range word|verse|section|group --wav OUT [--notes] [--speak] [--volume N]: sing a range of the song into a wave file", RunSing},
    };
    return commands;
}

namespace {

void Usage(std::ostream& out) {
    out << "usage: lyrasta-cli COMMAND [options]\n\ncommands:\n";
    for (const Command& c : Commands()) out << "  " << c.name << "\n      " << c.summary << "\n";
}

// Counts how many leading words of argv match a command name ("calendar hebrew" is two).
size_t MatchWords(const std::string& name, const Args& args) {
    std::istringstream words(name);
    std::string w;
    size_t n = 0;
    while (words >> w) {
        if (n >= args.size() || args[n] != w) return 0;
        ++n;
    }
    return n;
}

}  // namespace
}  // namespace lyrasta::cli

int main(int argc, char** argv) {
    using namespace lyrasta::cli;
    std::ios::sync_with_stdio(false);
    Args args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "help") {
        Usage(args.empty() ? std::cerr : std::cout);
        return args.empty() ? 2 : 0;
    }
    for (const Command& c : Commands()) {
        const size_t n = MatchWords(c.name, args);
        if (n == 0) continue;
        try {
            return c.run(Args(args.begin() + n, args.end()));
        } catch (const UsageError& e) {
            std::cerr << "lyrasta-cli " << c.name << ": " << e.what() << "\n";
            return 2;
        } catch (const std::exception& e) {
            std::cerr << "lyrasta-cli " << c.name << ": " << e.what() << "\n";
            return 1;
        }
    }
    std::cerr << "lyrasta-cli: unknown command \"" << args[0] << "\"\n";
    Usage(std::cerr);
    return 2;
}
