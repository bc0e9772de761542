// lyrasta-cli styles: the melody styles of the trope definitions, one JSON line each.

#include <iostream>

#include "cli_args.h"
#include "cli_commands.h"
#include "cli_reading.h"
#include "json_line.h"
#include "text/data_files.h"
#include "text/trope_definitions.h"

namespace lyrasta::cli {

int RunStyles(const Args& argv) {
    const CliArgs args(argv, {"data"}, {});
    TTropeDefinitions docs;
    bool clean = true;
    docs.LoadTropeDefinitions(DataFolderOption(args), [&](const std::string& title, const std::string& text) {
        std::cerr << "lyrasta-cli styles: " << title << ": " << text << "\n";
        clean = false;
    });
    if (const TXMLelement* root = docs.DefinitionsRoot()) {
        for (const TXMLelement* s = root->FirstChild(); s; s = s->NextSibling()) {
            if (s->Type() != TXMLelement::ntElement) continue;
            auto attribute = [&](const char* name) { return s->AttributeCount() ? s->AttributeValue(name) : ""; };
            JsonObject o;
            o.Add("type", attribute("Type")).Add("name", attribute("Name")).Add("key", attribute("KEY"));
            o.Add("description", attribute("Description"));
            Emit(std::cout, o);
        }
    }
    std::cout.flush();
    return clean ? 0 : 1;
}

}  // namespace lyrasta::cli
