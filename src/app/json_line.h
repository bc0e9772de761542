#pragma once
// Writes one JSON object per line (JSON Lines) for the headless tool's output.

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>

namespace lyrasta::cli {

// Escapes a UTF-8 text as a JSON string literal, quotes included. Bytes that are not
// valid UTF-8 are written as U+FFFD so the output always parses.
std::string JsonString(std::string_view s);

// Builds one JSON object field by field; Line() gives the finished text without newline.
class JsonObject {
public:
    JsonObject& Add(std::string_view key, std::string_view value);
    JsonObject& Add(std::string_view key, const char* value) { return Add(key, std::string_view(value)); }
    JsonObject& Add(std::string_view key, const std::string& value) { return Add(key, std::string_view(value)); }
    JsonObject& Add(std::string_view key, long long value);
    JsonObject& Add(std::string_view key, int value) { return Add(key, static_cast<long long>(value)); }
    JsonObject& Add(std::string_view key, double value);
    JsonObject& Add(std::string_view key, bool value);
    // A value already written as JSON (an array or a nested object).
    JsonObject& AddRaw(std::string_view key, std::string_view json);
    std::string Line() const { return body_ + "}"; }

private:
    void Key(std::string_view key);
    std::string body_ = "{";
};

// Writes obj as one line to out.
void Emit(std::ostream& out, const JsonObject& obj);

}  // namespace lyrasta::cli
