#pragma once
// Small helpers on texts and numbers that every layer uses: letter case, rounding as the
// chant's arithmetic does it, membership in a short list.

#include <algorithm>
#include <cctype>
#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>

namespace lyrasta {

// An ASCII letter in upper case; other bytes unchanged. Inline and without the C locale's
// table: names of the definition files are compared this way for every word sung.
inline char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The text in upper case (ASCII letters; other bytes unchanged).
inline std::string Upper(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = UpperAscii(c);
    return out;
}

// Equal without regard to the case of ASCII letters.
inline bool SameNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return UpperAscii(x) == UpperAscii(y); });
}

// The integer nearest to y, a half going to the even neighbour.
inline int RoundEven(double y) { return static_cast<int>(std::nearbyint(y)); }

// Whether v is one of the listed values.
template <typename T>
bool OneOf(const T& v, std::initializer_list<std::type_identity_t<T>> list) {
    return std::find(list.begin(), list.end(), v) != list.end();
}

}  // namespace lyrasta
