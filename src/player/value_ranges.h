#pragma once
// The ranges of the numbers a user gives: one table for the command-line options and one for
// the keys of the settings file. Every number is checked against its range where it is read,
// before any arithmetic is done with it: an option out of range is a usage error naming the
// range, a setting out of range is brought into it with a message.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace lyrasta {

struct TValueRange {
    std::string_view name;
    long long min, max;
    bool whole = true;  // false: a number with decimals within the range
};

// The range of a command-line option ("volume"), or none for options that are not numbers.
const TValueRange* OptionRange(std::string_view option);
// The range of a settings key, letter case ignored; none for keys that are not numbers.
const TValueRange* SettingRange(std::string_view key);
// Every settings key that is a number.
std::span<const TValueRange> SettingRanges();

// "from MIN to MAX".
std::string RangeText(const TValueRange& range);

// The whole number a text holds (blanks around it and a "+" allowed); none when it holds
// anything else or a number too large for any range.
std::optional<long long> ParseWholeNumber(std::string_view text);
// The finite number (decimals allowed) a text holds; none otherwise.
std::optional<double> ParseRealNumber(std::string_view text);

}  // namespace lyrasta
