#include "desktop_options.h"

#include <charconv>

namespace lyrasta::app {

namespace {

int ParsePositive(const std::string& text, const std::string& what) {
    int v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || v <= 0 || v > 16384)
        throw cli::UsageError(what + " needs a size such as 1280x800, not \"" + text + "\"");
    return v;
}

}  // namespace

DesktopOptions ParseDesktopOptions(const std::vector<std::string>& args) {
    const cli::CliArgs a(args,
                         {"title", "subtitle", "section", "type", "type-aux", "settings", "data",
                          "view", "screenshot", "size"},
                         {"wrapped"});
    DesktopOptions o;
    o.title = a.ValueOr("title", "");
    o.subtitle = a.ValueOr("subtitle", "");
    o.type = a.ValueOr("type", "");
    o.typeAux = a.ValueOr("type-aux", "");
    o.wrapped = a.Has("wrapped");
    o.settingsFile = a.ValueOr("settings", "");
    o.dataDir = a.ValueOr("data", "");
    o.screenshot = a.ValueOr("screenshot", "");
    for (const std::string& s : a.All("section")) {
        const auto eq = s.find('=');
        if (eq == std::string::npos || eq == 0 || eq + 1 == s.size())
            throw cli::UsageError("--section needs NAME=VALUE, such as R1=NUM4:21-4:37, not \"" +
                                  s + "\"");
        o.sections.emplace_back(s.substr(0, eq), s.substr(eq + 1));
    }
    if (auto v = a.Value("view")) {
        const std::string names[3] = {"modern", "stam", "tikkun"};
        for (int m = 0; m < 3; ++m)
            if (*v == names[m]) o.viewMode = m;
        if (!o.viewMode) throw cli::UsageError("--view is modern, stam or tikkun, not \"" + *v + "\"");
    }
    if (auto v = a.Value("size")) {
        const auto x = v->find('x');
        if (x == std::string::npos) throw cli::UsageError("--size needs WxH, not \"" + *v + "\"");
        o.width = ParsePositive(v->substr(0, x), "--size");
        o.height = ParsePositive(v->substr(x + 1), "--size");
    }
    return o;
}

}  // namespace lyrasta::app
