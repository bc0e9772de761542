#include "app/json_line.h"

#include <gtest/gtest.h>

namespace lyrasta::cli {
namespace {

TEST(JsonLine, EscapesControlAndInvalidBytes) {
    struct Case { std::string in, out; } cases[] = {
        {"plain", "\"plain\""},
        {"a\"b\\c", "\"a\\\"b\\\\c\""},
        {"line\r\n", "\"line\\r\\n\""},
        {std::string("\x01", 1), "\"\\u0001\""},
        {"\xd7\x90", "\"\xd7\x90\""},             // Hebrew alef passes through
        {"\xe0\xf9", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},  // Windows-1255 bytes are not UTF-8
        {"\xd7", "\"\xEF\xBF\xBD\""},              // truncated sequence
    };
    for (const auto& c : cases) EXPECT_EQ(JsonString(c.in), c.out) << c.in;
}

TEST(JsonLine, BuildsOneObject) {
    JsonObject o;
    o.Add("i", 3).Add("text", "x").Add("sung", true).Add("hz", 130.8).AddRaw("l", "[1,2]");
    EXPECT_EQ(o.Line(), R"({"i":3,"text":"x","sung":true,"hz":130.8,"l":[1,2]})");
}

}  // namespace
}  // namespace lyrasta::cli
