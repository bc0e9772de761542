#include "desktop_options.h"

#include <algorithm>
#include <charconv>

#include "chant/melody_styles.h"
#include "text/data_files.h"

namespace lyrasta::app {

namespace {

int ParsePositive(const std::string& text, const std::string& whole) {
    int v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || v <= 0 || v > 16384)
        throw cli::UsageError("--size needs a size such as 1280x800, not \"" + whole + "\"");
    return v;
}

void CheckType(const std::string& option, const std::string& type) {
    if (!type.empty() && ReadingTypeIndex(type) < 0) {
        std::string known;
        for (const char* t : kReadingTypes) known += std::string(" ") + t;
        throw cli::UsageError("--" + option + ": unknown reading type \"" + type + "\"; one of" + known);
    }
}

}  // namespace

namespace {

std::vector<std::string> DesktopValuedOptions() {
    std::vector<std::string> valued = cli::ReadingValuedOptions();
    for (const char* n : {"type", "type-aux", "settings", "view", "screenshot", "pdf", "size", "reading", "year",
                          "cycle", "kind", "dialog"})
        valued.push_back(n);
    return valued;
}

std::vector<std::string> DesktopSwitches() {
    std::vector<std::string> switches = cli::ReadingSwitches();
    switches.insert(switches.end(), {"israel", "triennial"});
    return switches;
}

int NumberIn(const cli::CliArgs& a, const std::string& name, int low, int high) {
    const long v = *a.Number(name);
    if (v < low || v > high)
        throw cli::UsageError("--" + name + " must lie between " + std::to_string(low) + " and " + std::to_string(high));
    return static_cast<int>(v);
}

CatalogueReadingOption ParseCatalogueReading(const cli::CliArgs& a) {
    CatalogueReadingOption c;
    c.reading = a.Require("reading");
    c.kind = a.ValueOr("kind", "Torah");
    if (c.kind != "Torah" && c.kind != "Haftarah" && c.kind != "Reading")
        throw cli::UsageError("--kind must be Torah, Haftarah or Reading, not \"" + c.kind + "\"");
    if (a.Has("year")) c.year = NumberIn(a, "year", 5600, 6000);
    c.israel = a.Has("israel");
    c.triennial = a.Has("triennial");
    if (a.Has("cycle")) {
        if (!c.triennial) throw cli::UsageError("--cycle needs --triennial");
        c.cycle = NumberIn(a, "cycle", 1, 3);
    }
    return c;
}

}  // namespace

SplitArguments SplitDesktopArguments(const std::vector<std::string>& args) {
    const std::vector<std::string> valued = DesktopValuedOptions();
    const std::vector<std::string> switches = DesktopSwitches();
    auto listed = [](const std::vector<std::string>& v, const std::string& name) {
        return std::find(v.begin(), v.end(), name) != v.end();
    };
    SplitArguments out;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string name = args[i].rfind("--", 0) == 0 ? args[i].substr(2) : std::string();
        if (listed(valued, name)) {
            out.own.push_back(args[i]);
            if (i + 1 < args.size()) out.own.push_back(args[++i]);
        } else if (listed(switches, name)) {
            out.own.push_back(args[i]);
        } else {
            out.rest.push_back(args[i]);
        }
    }
    return out;
}

bool IsReadingWindow(const std::string& dialog) {
    return dialog == "open-reading" || dialog == "custom-readings" || dialog == "calendar";
}

DesktopOptions ParseDesktopOptions(const std::vector<std::string>& args) {
    const cli::CliArgs a(args, DesktopValuedOptions(), DesktopSwitches());
    DesktopOptions o;
    if (a.Has("section")) o.reading = cli::ParseReadingOptions(a);
    if (a.Has("reading")) {
        if (o.reading) throw cli::UsageError("--reading and --section cannot be given together");
        o.catalogueReading = ParseCatalogueReading(a);
    } else {
        for (const char* n : {"year", "cycle", "kind", "israel", "triennial"})
            if (a.Has(n)) throw cli::UsageError(std::string("--") + n + " needs --reading");
    }
    o.dataDir = cli::DataFolderOption(a);
    o.type = a.ValueOr("type", "Torah");
    o.typeAux = a.ValueOr("type-aux", "");
    CheckType("type", o.type);
    CheckType("type-aux", o.typeAux);
    o.settingsFile = a.ValueOr("settings", "");
    o.screenshot = a.ValueOr("screenshot", "");
    o.pdf = a.ValueOr("pdf", "");
    o.dialog = a.ValueOr("dialog", "");
    // The reading windows can be shown at start; the other dialogs are drawn for a screenshot.
    if (!o.dialog.empty() && o.screenshot.empty() && !IsReadingWindow(o.dialog))
        throw cli::UsageError("--dialog goes with --screenshot (except open-reading, custom-readings and calendar)");
    if (auto v = a.Value("view")) {
        const std::string names[3] = {"modern", "stam", "tikkun"};
        for (int m = 0; m < 3; ++m)
            if (*v == names[m]) o.viewMode = m;
        if (!o.viewMode) throw cli::UsageError("--view is modern, stam or tikkun, not \"" + *v + "\"");
    }
    if (auto v = a.Value("size")) {
        const auto x = v->find('x');
        if (x == std::string::npos) throw cli::UsageError("--size needs WxH, not \"" + *v + "\"");
        o.width = ParsePositive(v->substr(0, x), *v);
        o.height = ParsePositive(v->substr(x + 1), *v);
    }
    return o;
}

}  // namespace lyrasta::app
