#pragma once
// The headless tool's commands. Each takes the arguments after its command word and
// writes JSON Lines to standard output; it returns the exit code. Usage errors are thrown
// as UsageError; other failures print a message to standard error and return non-zero.

#include <functional>
#include <string>
#include <vector>

namespace lyrasta::cli {

using Args = std::vector<std::string>;

struct Command {
    std::string name;     // command word(s), e.g. "words" or "calendar hebrew"
    std::string summary;  // one line for the usage text
    std::function<int(const Args&)> run;
};

// lyrasta-cli calendar hebrew|sabbaths|sabbath-of|keys|triennial (cli_calendar.cpp).
int CalendarHebrew(const Args& args);
int CalendarSabbaths(const Args& args);
int CalendarSabbathOf(const Args& args);
int CalendarKeys(const Args& args);
int CalendarTriennial(const Args& args);

// Every command of the tool, in the order the usage text lists them.
const std::vector<Command>& Commands();

// words [reading options] [singing options]: the display items of a reading with each
// word analysed in the pronunciation, each item's trope group, and the song.
int RunWords(const Args& args);
// syllables [reading options] [--pronunciation NAME]: the syllables of each sung word.
int RunSyllables(const Args& args);

// styles [--data DIR]: the melody styles, one line each with type, name, key, description.
int RunStyles(const Args& args);
// training [--data DIR]: the training options, one line each with selection, option, kind
// (the option's TUTORIAL value) and display (listed in the training dialog).
int RunTraining(const Args& args);

// notes [reading options] [singing options]: per sung word its syllables and notes.
int RunNotes(const Args& args);

// commands [reading options] [singing options] --word N --range word|verse|section|group
// [--speak] [--volume N]: the synthesizer command pieces of a range of the song.
int RunCommandText(const Args& args);

// say --text TEXT|--file FILE --wav OUT [--notes]: sings raw command text into a wave file.
int RunSay(const Args& args);

// sing [reading options] [singing options] --word N --range word|verse|section|group
// --wav OUT [--notes] [--speak] [--volume N]: sings a range of the song into a wave file.
int RunSing(const Args& args);

// options --reading NAME [--year Y] [--israel] [--triennial --cycle C]: the open-reading
// dialog's four option lists, open buttons and date line for a reading.
int RunOptions(const Args& args);
// open --reading NAME [...] [--kind Torah|Haftarah|Reading] [--option N] [--maftir N]: the
// reading the dialog's choice opens.
int RunOpen(const Args& args);

}  // namespace lyrasta::cli
