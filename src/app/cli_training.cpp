// lyrasta-cli training: the options of the training material, one JSON line each, with the
// names that `lyrasta --training "SELECTION/OPTION"` opens.

#include <algorithm>
#include <iostream>

#include "cli_args.h"
#include "cli_commands.h"
#include "cli_reading.h"
#include "json_line.h"
#include "training/training_session.h"

namespace lyrasta::cli {

int RunTraining(const Args& argv) {
    const CliArgs args(argv, {"data"}, {});
    bool clean = true;
    const TTraining training(DataFolderOption(args), [&](const std::string& title, const std::string& text) {
        std::cerr << "lyrasta-cli training: " << title << ": " << text << "\n";
        clean = false;
    });
    const TXMLelement* root = training.Root();
    for (int s : ElementIndexes(root)) {
        const TXMLelement* selection = root->ChildByIndex(s);
        const std::vector<TTrainingEntry> listed = OptionEntries(selection);
        for (int o : ElementIndexes(selection)) {
            const TXMLelement* option = selection->ChildByIndex(o);
            const bool display = std::any_of(listed.begin(), listed.end(), [o](const TTrainingEntry& e) { return e.element == o; });
            JsonObject line;
            line.Add("selection", Attribute(selection, "Name")).Add("option", Attribute(option, "Name"));
            line.Add("kind", Attribute(option, "TUTORIAL")).Add("display", display);
            Emit(std::cout, line);
        }
    }
    std::cout.flush();
    return clean ? 0 : 1;
}

}  // namespace lyrasta::cli
