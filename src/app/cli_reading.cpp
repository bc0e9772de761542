#include "cli_reading.h"

#include <iostream>

#include "text/book_index.h"
#include "text/data_files.h"

namespace lyrasta::cli {

const std::vector<std::string>& ReadingValuedOptions() {
    static const std::vector<std::string> names = {"data", "title", "subtitle", "section"};
    return names;
}

const std::vector<std::string>& ReadingSwitches() {
    static const std::vector<std::string> names = {"wrapped"};
    return names;
}

std::filesystem::path DataFolderOption(const CliArgs& args) {
    const std::filesystem::path dir = args.Has("data") ? std::filesystem::path(*args.Value("data")) : DefaultDataDir();
    if (const std::string problem = DataFolderProblem(dir); !problem.empty())
        throw UsageError((args.Has("data") ? "--data: " : "") + problem);
    return dir;
}

ReadingOptions ParseReadingOptions(const CliArgs& args) {
    ReadingOptions o;
    o.dataDir = DataFolderOption(args);
    o.title = args.ValueOr("title", "");
    o.subtitle = args.ValueOr("subtitle", "");
    o.wrapped = args.Has("wrapped");
    bool anyReading = false;
    for (const std::string& s : args.All("section")) {
        const size_t eq = s.find('=');
        if (eq == std::string::npos) throw UsageError("--section needs NAME=VALUE, not \"" + s + "\"");
        const std::string name = s.substr(0, eq), value = s.substr(eq + 1);
        const bool note = name.size() > 4 && name.compare(name.size() - 4, 4, "Note") == 0;
        ReadingReference ref;
        if (!note && !SplitReadingReference(value, ref))
            throw UsageError("--section " + name + ": \"" + value +
                             "\" is not a reading reference (such as NUM28:9-28:15)");
        if (!note && name != "SecondMaftir") {
            const std::string outside =
                ReferenceOutsideBook(ref, IndexBookText(ReadDataFile(o.dataDir, "bhs/" + ref.book + ".txt")));
            if (!outside.empty())
                throw UsageError("--section " + name + ": \"" + value + "\" lies outside its book (" + outside + ")");
        }
        if (!o.sections.Set(name, value)) {
            std::string known;
            for (const std::string& n : TReadingSections::Names()) known += " " + n;
            throw UsageError("--section: unknown section \"" + name + "\"; one of" + known);
        }
        anyReading = anyReading || (!note && name != "SecondMaftir");
    }
    if (!anyReading) throw UsageError("give the reading with --section NAME=REFERENCE, e.g. --section R1=GEN1:1-1:5");
    return o;
}

bool LoadReadingFromOptions(const ReadingOptions& options, TReadingLoader& loader) {
    loader.wrapped = options.wrapped;
    loader.LoadReading(options.title, options.subtitle, options.sections);
    for (const std::string& p : loader.Problems()) std::cerr << "lyrasta-cli: " << p << "\n";
    return loader.Problems().empty();
}

}  // namespace lyrasta::cli
