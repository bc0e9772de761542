#include "data_files.h"

#include "data_archives.h"
#include "text/text_helpers.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cerrno>
#include <cstring>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

std::string DataFolderProblem(const fs::path& dataDir) {
    struct stat st{};
    if (stat(dataDir.c_str(), &st) != 0)
        return "the data folder " + dataDir.string() + " cannot be used: " + std::strerror(errno);
    if (!S_ISDIR(st.st_mode)) return "the data folder " + dataDir.string() + " is not a folder";
    if (access(dataDir.c_str(), R_OK | X_OK) != 0)
        return "the data folder " + dataDir.string() + " cannot be read: " + std::strerror(errno);
    return {};
}

namespace {

// The file or folder `relative` names; nothing, with `why` naming the data folder or the
// first component that is missing, when there is none. *found gets the path under the data
// folder by the names the entries really have ("/" after each).
std::optional<fs::path> Locate(const fs::path& dataDir, std::string_view relative, std::string& why,
                               std::string* found = nullptr) {
    if (why = DataFolderProblem(dataDir); !why.empty()) return std::nullopt;
    fs::path at = dataDir;
    for (const std::string& part : Components(relative)) {
        const auto next = FindEntry(at, part);
        if (!next) {
            why = (at / part).string() + " is missing";
            return std::nullopt;
        }
        at = *next;
        if (found) *found += at.filename().string() + "/";
    }
    return at;
}

}  // namespace

std::string ReadDataFile(const fs::path& dataDir, std::string_view relative, std::string* problem) {
    std::string ignored;
    std::string& why = problem ? *problem : ignored;
    why.clear();
    const auto found = Locate(dataDir, relative, why);
    if (!found) {
        // A file that is not there as a file may be packed in the data archives.
        std::string packed = ReadFromArchive(dataDir, relative);
        if (!packed.empty()) why.clear();
        return packed;
    }
    const fs::path& at = *found;
    const int fd = open(at.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st{};
    if (fd < 0 || fstat(fd, &st) != 0) {
        why = at.string() + " cannot be read: " + std::strerror(errno);
        if (fd >= 0) close(fd);
        return {};
    }
    if (!S_ISREG(st.st_mode)) {
        close(fd);
        why = at.string() + " is not a file";
        return {};
    }
    if (static_cast<std::uintmax_t>(st.st_size) > kMaxDataFileBytes) {
        close(fd);
        why = at.string() + " is larger than a data file can be (" + std::to_string(kMaxDataFileBytes >> 20) +
              " MB)";
        return {};
    }
    std::string bytes(static_cast<size_t>(st.st_size), '\0');
    size_t done = 0;  // a file cut short while read gives what was there
    while (done < bytes.size()) {
        const ssize_t n = read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            why = at.string() + " cannot be read: " + std::strerror(errno);
            close(fd);
            return {};
        }
        if (n == 0) break;
        done += static_cast<size_t>(n);
    }
    close(fd);
    bytes.resize(done);
    return bytes;
}

std::vector<std::string> ListDataFiles(const fs::path& dataDir, std::string_view pattern, std::string* problem) {
    std::string ignored;
    std::string& why = problem ? *problem : ignored;
    why.clear();
    std::vector<std::string> parts = Components(pattern);
    if (parts.empty()) return {};
    const std::string filePattern = parts.back();
    parts.pop_back();
    std::string asked, dirRelative;
    for (const std::string& p : parts) asked += p + "/";
    const auto dir = Locate(dataDir, asked, why, &dirRelative);
    std::vector<std::string> found;
    if (!dir) return found;
    std::error_code ec;
    fs::directory_iterator it(*dir, ec);
    if (ec) why = dir->string() + " cannot be read: " + ec.message();
    for (fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        // Named as asked, so that links in the folder or to it stay links.
        if (it->is_regular_file(ec) && Matches(filePattern, name)) found.push_back(dirRelative + name);
    }
    std::sort(found.begin(), found.end());
    if (found.empty() && why.empty()) why = "no file " + filePattern + " in " + dir->string();
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
