#include "data_files.h"

#include "data_archives.h"
#include "text/text_helpers.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <system_error>

namespace lyrasta {

namespace fs = std::filesystem;

namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

// Glob match with "*" and "?", letter case ignored.
bool Matches(std::string_view pattern, std::string_view name) {
    size_t p = 0, n = 0, star = std::string_view::npos, mark = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || Lower(pattern[p]) == Lower(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            mark = n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

std::vector<std::string> Components(std::string_view relative) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : relative) {
        if (c == '\\' || c == '/') {
            if (!part.empty()) parts.push_back(std::move(part));
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(std::move(part));
    return parts;
}

// The entry of `dir` named `name`: the exact name first, else one that differs only in case.
std::optional<fs::path> FindEntry(const fs::path& dir, const std::string& name) {
    if (name == "." || name == "..") return std::nullopt;  // stay under the data folder
    std::error_code ec;
    if (fs::exists(dir / name, ec)) return dir / name;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (SameNoCase(it->path().filename().string(), name)) return it->path();
    }
    return std::nullopt;
}

}  // namespace

std::optional<fs::path> ResolveDataPath(const fs::path& dataDir, std::string_view relative) {
    fs::path at = dataDir;
    for (const std::string& part : Components(relative)) {
        auto next = FindEntry(at, part);
        if (!next) return std::nullopt;
        at = *next;
    }
    return at;
}

std::string ReadDataFile(const fs::path& dataDir, std::string_view relative) {
    const auto path = ResolveDataPath(dataDir, relative);
    std::error_code ec;
    if (!path || !fs::is_regular_file(*path, ec)) return ReadFromArchive(dataDir, relative);
    std::ifstream in(*path, std::ios::binary);
    if (!in) return ReadFromArchive(dataDir, relative);
    std::string bytes(fs::file_size(*path, ec), '\0');
    if (ec) return {};
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(in.gcount()));  // a file cut short while read gives what was there
    return bytes;
}

std::vector<std::string> ListDataFiles(const fs::path& dataDir, std::string_view pattern) {
    std::vector<std::string> parts = Components(pattern);
    if (parts.empty()) return {};
    const std::string filePattern = parts.back();
    parts.pop_back();
    std::string dirRelative;
    for (const std::string& p : parts) dirRelative += p + "/";
    const auto dir = ResolveDataPath(dataDir, dirRelative);
    std::vector<std::string> found;
    std::error_code ec;
    if (!dir) return found;
    for (fs::directory_iterator it(*dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (it->is_regular_file(ec) && Matches(filePattern, name))
            found.push_back((fs::relative(it->path(), dataDir, ec)).generic_string());
    }
    std::sort(found.begin(), found.end());
    return found;
}

fs::path DefaultDataDir() {
    if (const char* env = std::getenv("LYRASTA_DATA"); env && *env) return env;
#ifdef LYRASTA_DATA_DIR
    std::error_code ec;
    if (fs::is_directory(LYRASTA_DATA_DIR, ec)) return LYRASTA_DATA_DIR;
#endif
    // An installed program finds its data in share/lyrasta beside its bin folder.
    std::error_code ec2;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec2);
    if (!ec2) {
        const fs::path installed = exe.parent_path().parent_path() / "share" / "lyrasta";
        if (fs::is_directory(installed, ec2)) return installed;
    }
#ifdef LYRASTA_DATA_DIR
    return LYRASTA_DATA_DIR;
#else
    return "data";
#endif
}

}  // namespace lyrasta
