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

// Every command of the tool, in the order the usage text lists them.
const std::vector<Command>& Commands();

int RunWords(const Args& args);

}  // namespace lyrasta::cli
