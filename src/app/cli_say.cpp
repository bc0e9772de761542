// lyrasta-cli say: sings raw command text into a wave file.

#include <fstream>
#include <iostream>
#include <sstream>

#include "cli_args.h"
#include "cli_commands.h"
#include "sing_to_wave.h"

namespace lyrasta::cli {

int RunSay(const Args& args) {
    const CliArgs opts(args, {"text", "file", "wav"}, {"notes"});
    std::string text;
    if (auto t = opts.Value("text")) {
        text = *t;
    } else if (auto f = opts.Value("file")) {
        std::ifstream in(*f, std::ios::binary);
        if (!in) {
            std::cerr << "lyrasta-cli say: cannot read " << *f << "\n";
            return 1;
        }
        std::ostringstream buf;
        buf << in.rdbuf();
        text = buf.str();
    } else {
        throw UsageError("--text or --file is required");
    }
    return SingToWave({{text, true}}, opts.Require("wav"), opts.Has("notes"), std::cout, std::cerr);
}

}  // namespace lyrasta::cli
