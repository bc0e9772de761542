#include "json_line.h"

#include <cmath>
#include <cstdio>

namespace lyrasta::cli {

namespace {

// Length of the valid UTF-8 sequence starting at s[i], or 0 when it is not valid.
size_t Utf8Length(std::string_view s, size_t i) {
    const auto c = static_cast<unsigned char>(s[i]);
    size_t n = c < 0x80 ? 1 : c >= 0xC2 && c < 0xE0 ? 2 : c >= 0xE0 && c < 0xF0 ? 3
             : c >= 0xF0 && c < 0xF5 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return 0;
    for (size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
    return n;
}

}  // namespace

std::string JsonString(std::string_view s) {
    std::string out = "\"";
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        switch (c) {
            case '"': out += "\\\""; ++i; continue;
            case '\\': out += "\\\\"; ++i; continue;
            case '\n': out += "\\n"; ++i; continue;
            case '\r': out += "\\r"; ++i; continue;
            case '\t': out += "\\t"; ++i; continue;
            default: break;
        }
        if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
            ++i;
            continue;
        }
        const size_t n = Utf8Length(s, i);
        if (n == 0) {
            out += "\xEF\xBF\xBD";
            ++i;
        } else {
            out.append(s.substr(i, n));
            i += n;
        }
    }
    return out + "\"";
}

void JsonObject::Key(std::string_view key) {
    if (body_.size() > 1) body_ += ",";
    body_ += JsonString(key);
    body_ += ":";
}

JsonObject& JsonObject::Add(std::string_view key, std::string_view value) {
    Key(key);
    body_ += JsonString(value);
    return *this;
}

JsonObject& JsonObject::Add(std::string_view key, long long value) {
    Key(key);
    body_ += std::to_string(value);
    return *this;
}

JsonObject& JsonObject::Add(std::string_view key, double value) {
    Key(key);
    if (!std::isfinite(value)) {
        body_ += "null";
    } else {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.6g", value);
        body_ += buf;
    }
    return *this;
}

JsonObject& JsonObject::Add(std::string_view key, bool value) {
    Key(key);
    body_ += value ? "true" : "false";
    return *this;
}

JsonObject& JsonObject::AddRaw(std::string_view key, std::string_view json) {
    Key(key);
    body_ += json;
    return *this;
}

void Emit(std::ostream& out, const JsonObject& obj) { out << obj.Line() << '\n'; }

}  // namespace lyrasta::cli
