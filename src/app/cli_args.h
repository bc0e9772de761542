#pragma once
// Command-line arguments of the headless tool: "--name value" options, repeatable ones,
// and switches without a value.

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace lyrasta::cli {

// A usage error: the message goes to standard error and the tool exits with code 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class CliArgs {
public:
    // Parses argv after the command words. Options that take a value are listed in
    // `valued`; every other "--name" is a switch. Unknown options are usage errors.
    CliArgs(const std::vector<std::string>& args, const std::vector<std::string>& valued,
            const std::vector<std::string>& switches);

    bool Has(const std::string& name) const;
    std::optional<std::string> Value(const std::string& name) const;
    std::string ValueOr(const std::string& name, const std::string& fallback) const;
    // The value as a whole number; a usage error when it is not one or is outside the
    // option's range (player/value_ranges.h), which the message names.
    std::optional<long> Number(const std::string& name) const;
    std::vector<std::string> All(const std::string& name) const;
    std::string Require(const std::string& name) const;

private:
    std::multimap<std::string, std::string> values_;
};

}  // namespace lyrasta::cli
