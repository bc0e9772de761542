#include "cli_args.h"

#include <algorithm>
#include <charconv>

#include "player/value_ranges.h"

namespace lyrasta::cli {

CliArgs::CliArgs(const std::vector<std::string>& args, const std::vector<std::string>& valued,
                 const std::vector<std::string>& switches) {
    auto listed = [](const std::vector<std::string>& v, const std::string& s) {
        return std::find(v.begin(), v.end(), s) != v.end();
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--", 0) != 0) throw UsageError("unexpected argument: " + a);
        const std::string name = a.substr(2);
        if (listed(valued, name)) {
            if (i + 1 >= args.size()) throw UsageError("--" + name + " needs a value");
            values_.emplace(name, args[++i]);
        } else if (listed(switches, name)) {
            values_.emplace(name, "");
        } else {
            throw UsageError("unknown option: " + a);
        }
    }
}

bool CliArgs::Has(const std::string& name) const { return values_.count(name) > 0; }

std::optional<std::string> CliArgs::Value(const std::string& name) const {
    auto range = values_.equal_range(name);
    if (range.first == range.second) return std::nullopt;
    return std::prev(range.second)->second;  // the last one given wins
}

std::string CliArgs::ValueOr(const std::string& name, const std::string& fallback) const {
    return Value(name).value_or(fallback);
}

std::optional<long> CliArgs::Number(const std::string& name) const {
    auto v = Value(name);
    if (!v) return std::nullopt;
    long n = 0;
    auto [end, ec] = std::from_chars(v->data(), v->data() + v->size(), n);
    const bool whole = end == v->data() + v->size() && (ec == std::errc() || ec == std::errc::result_out_of_range);
    const TValueRange* range = OptionRange(name);
    if (whole && range && (ec != std::errc() || n < range->min || n > range->max))
        throw UsageError("--" + name + " needs a whole number " + RangeText(*range) + ", not " + *v);
    if (!whole || ec != std::errc()) throw UsageError("--" + name + " needs a whole number, not \"" + *v + "\"");
    return n;
}

std::vector<std::string> CliArgs::All(const std::string& name) const {
    std::vector<std::string> out;
    auto range = values_.equal_range(name);
    for (auto it = range.first; it != range.second; ++it) out.push_back(it->second);
    return out;
}

std::string CliArgs::Require(const std::string& name) const {
    auto v = Value(name);
    if (!v) throw UsageError("--" + name + " is required");
    return *v;
}

}  // namespace lyrasta::cli
