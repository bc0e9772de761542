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
    for (const char* n : {"type", "type-aux", "settings", "view", "screenshot", "pdf", "size", "dialog"})
        valued.push_back(n);
    return valued;
}

}  // namespace

SplitArguments SplitDesktopArguments(const std::vector<std::string>& args) {
    const std::vector<std::string> valued = DesktopValuedOptions();
    const std::vector<std::string>& switches = cli::ReadingSwitches();
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

DesktopOptions ParseDesktopOptions(const std::vector<std::string>& args) {
    const cli::CliArgs a(args, DesktopValuedOptions(), cli::ReadingSwitches());
    DesktopOptions o;
    if (a.Has("section")) o.reading = cli::ParseReadingOptions(a);
    o.dataDir = cli::DataFolderOption(a);
    o.type = a.ValueOr("type", "Torah");
    o.typeAux = a.ValueOr("type-aux", "");
    CheckType("type", o.type);
    CheckType("type-aux", o.typeAux);
    o.settingsFile = a.ValueOr("settings", "");
    o.screenshot = a.ValueOr("screenshot", "");
    o.pdf = a.ValueOr("pdf", "");
    o.dialog = a.ValueOr("dialog", "");
    if (!o.dialog.empty() && o.screenshot.empty()) throw cli::UsageError("--dialog goes with --screenshot");
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
