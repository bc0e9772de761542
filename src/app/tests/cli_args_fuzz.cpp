// Fuzz target: the bytes are command-line arguments separated by NUL bytes, read as the
// headless tool's reading and song options and as the desktop program's options. Bad
// arguments must end in a usage error, never in a crash or in an unchecked number.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/cli_args.h"
#include "app/cli_reading.h"
#include "app/desktop_options.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) args.emplace_back();
        else args.back() += static_cast<char>(data[i]);
    }
    using namespace lyrasta;
    try {
        const cli::CliArgs a(args, {"data", "title", "section", "pitch", "speed", "volume", "word", "seed"}, {"wrapped"});
        for (const char* n : {"pitch", "speed", "volume", "word", "seed"}) (void)a.Number(n);
        (void)cli::ParseReadingOptions(a);
    } catch (const cli::UsageError&) {
    }
    try {
        (void)app::SplitDesktopArguments(args);
        (void)app::ParseDesktopOptions(args);
    } catch (const cli::UsageError&) {
    }
    return 0;
}
