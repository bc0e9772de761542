// lyrasta-cli options|open: what the open-reading dialog offers for a reading in a year
// (the four option lists, the open buttons, the Sabbath's date line) and the reading it
// opens (title, subtitle, reading type, sections and the manage-sections lines), so that
// every path through the dialog can be checked without a window.

#include <iostream>

#include "cli_args.h"
#include "cli_commands.h"
#include "json_line.h"
#include "readings/open_reading_model.h"
#include "text/data_files.h"

namespace lyrasta::cli {

namespace {

const std::vector<std::string> kChoiceOptions = {"reading", "year", "cycle", "data", "catalogue"};
const std::vector<std::string> kChoiceSwitches = {"israel", "triennial"};

std::string JsonArray(const std::vector<std::string>& items) {
    std::string json = "[";
    for (const std::string& s : items) json += (json.size() > 1 ? "," : "") + JsonString(s);
    return json + "]";
}

std::vector<std::string> Texts(const std::vector<TOptionItem>& list) {
    std::vector<std::string> texts;
    for (const TOptionItem& item : list) texts.push_back(item.text);
    return texts;
}

void LoadCatalogue(const CliArgs& args, TCatalogue& catalogue) {
    std::string error;
    bool ok = true;
    if (const auto file = args.Value("catalogue")) {
        const std::filesystem::path path(*file);
        if (!std::filesystem::is_regular_file(path)) throw UsageError("--catalogue: no file " + *file);
        ok = catalogue.Load(path.has_parent_path() ? path.parent_path() : ".", path.filename().string(), &error);
    } else {
        ok = catalogue.Load(args.Has("data") ? std::filesystem::path(*args.Value("data")) : DefaultDataDir(),
                            "Encodings\\sedrot.xml", &error);
    }
    if (!ok) throw std::runtime_error("the readings catalogue does not parse: " + error);
    if (!catalogue.Root()) std::cerr << "lyrasta-cli: no readings catalogue was found; every list is empty\n";
}

// The dialog after choosing the year, the place, the cycle and the reading, in that order.
void Choose(const CliArgs& args, TOpenReadingModel& model) {
    if (const auto year = args.Number("year")) {
        if (*year < TOpenReadingModel::kFirstYear || *year > TOpenReadingModel::kLastYear)
            throw UsageError("--year must lie between 5600 and 6000, not " + std::to_string(*year));
        model.SetYear(static_cast<std::int32_t>(*year));
    }
    model.SetIsrael(args.Has("israel"));
    if (args.Has("cycle") && !args.Has("triennial")) throw UsageError("--cycle needs --triennial");
    model.SetTriennial(args.Has("triennial"));
    if (const auto cycle = args.Number("cycle")) {
        if (*cycle < 1 || *cycle > 3) throw UsageError("--cycle must be 1, 2 or 3");
        model.SetCycle(static_cast<int>(*cycle));
    }
    const std::string name = args.Require("reading");
    if (!model.SelectReading(name)) throw UsageError("\"" + name + "\" is neither a portion nor a holiday reading");
}

TOpenKind ParseKind(const std::string& text) {
    if (text == "Torah") return TOpenKind::Torah;
    if (text == "Haftarah") return TOpenKind::Haftarah;
    if (text == "Reading") return TOpenKind::Reading;
    throw UsageError("--kind must be Torah, Haftarah or Reading, not \"" + text + "\"");
}

// Chooses item n of a list of `size` items; a usage error when there is no such item.
// An empty list without the option gives -1 (nothing chosen; the open button says no).
int Item(const CliArgs& args, const std::string& option, size_t size) {
    if (size == 0 && !args.Has(option)) return -1;
    const long n = args.Number(option).value_or(0);
    if (n < 0 || n >= static_cast<long>(size))
        throw UsageError("--" + option + " " + std::to_string(n) + ": the list has " + std::to_string(size) + " items");
    return static_cast<int>(n);
}

}  // namespace

int RunOptions(const Args& raw) {
    const CliArgs args(raw, kChoiceOptions, kChoiceSwitches);
    TCatalogue catalogue;
    LoadCatalogue(args, catalogue);
    TOpenReadingModel model(catalogue, HebrewYearOfToday(), {});
    Choose(args, model);
    const TOptionLists& lists = model.Lists();
    JsonObject buttons;
    buttons.Add("torah", model.OpenTorahEnabled())
        .Add("haftarah", model.OpenHaftarahEnabled())
        .Add("reading", model.OpenReadingEnabled());
    JsonObject line;
    line.AddRaw("torah", JsonArray(Texts(lists.torah)))
        .AddRaw("maftir", JsonArray(Texts(lists.maftir)))
        .AddRaw("haftarah", JsonArray(Texts(lists.haftarah)))
        .AddRaw("other", JsonArray(Texts(lists.other)))
        .AddRaw("buttons", buttons.Line())
        .Add("date", model.DateLine())
        .Add("reading", model.ReadingName());
    Emit(std::cout, line);
    return 0;
}

int RunOpen(const Args& raw) {
    std::vector<std::string> valued = kChoiceOptions;
    valued.insert(valued.end(), {"kind", "option", "maftir"});
    const CliArgs args(raw, valued, kChoiceSwitches);
    TCatalogue catalogue;
    LoadCatalogue(args, catalogue);
    TOpenReadingModel model(catalogue, HebrewYearOfToday(), {});
    Choose(args, model);
    const TOpenKind kind = ParseKind(args.ValueOr("kind", "Torah"));
    const TOptionLists& lists = model.Lists();
    switch (kind) {
    case TOpenKind::Torah: model.SelectTorahOption(Item(args, "option", lists.torah.size())); break;
    case TOpenKind::Haftarah: model.SelectHaftarah(Item(args, "option", lists.haftarah.size())); break;
    case TOpenKind::Reading: model.SelectOther(Item(args, "option", lists.other.size())); break;
    }
    if (args.Has("maftir")) model.SelectMaftir(Item(args, "maftir", lists.maftir.size()));
    if (!model.OpenEnabled(kind)) {
        std::cerr << "lyrasta-cli open: \"" << args.ValueOr("kind", "Torah") << "\" cannot be opened for "
                  << model.ReadingName() << " with this choice\n";
        return 1;
    }
    const TOpenedReading r = model.Open(kind);
    JsonObject sections;
    const TReadingSections& s = r.sections;
    const std::pair<const char*, const std::string*> fields[] = {
        {"Kohen", &s.Kohen}, {"Levi", &s.Levi}, {"Shlishi", &s.Shlishi}, {"Revii", &s.Revii},
        {"Chamishi", &s.Chamishi}, {"Shishi", &s.Shishi}, {"Shvii", &s.Shvii}, {"Maftir", &s.Maftir},
        {"R1", &s.R[0]}, {"R2", &s.R[1]}, {"R3", &s.R[2]}, {"R4", &s.R[3]}, {"R5", &s.R[4]},
        {"R1Note", &s.RNote[0]}, {"R2Note", &s.RNote[1]}, {"R3Note", &s.RNote[2]}, {"R4Note", &s.RNote[3]},
        {"R5Note", &s.RNote[4]}, {"ChatanHaTorah", &s.ChatanHaTorah}, {"ChatanBereishisBara", &s.ChatanBereishisBara}};
    for (const auto& [name, value] : fields)
        if (!value->empty()) sections.Add(name, *value);
    JsonObject line;
    line.Add("title", r.title)
        .Add("subtitle", r.subtitle)
        .Add("type", r.type)
        .Add("typeAux", r.typeAux)
        .Add("wrapped", r.wrapped)
        .AddRaw("sections", sections.Line())
        .AddRaw("manage", JsonArray(r.manage));
    Emit(std::cout, line);
    return 0;
}

}  // namespace lyrasta::cli
