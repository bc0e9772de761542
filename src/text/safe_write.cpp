#include "safe_write.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <random>
#include <vector>

namespace lyrasta {
namespace {

// When this program started: a temporary no writer holds that was last written before then
// was left by an earlier run.
const timespec kStarted = [] {
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return t;
}();

std::string Reason(int err) { return std::strerror(err); }

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Temporaries of a file are named ".NAME.lyrasta-RANDOM.tmp" beside it (NAME shortened so
// that the whole stays within a file name's limit).
std::string TemporaryPrefix(const std::string& path) { return "." + NameOf(path).substr(0, 200) + ".lyrasta-"; }
constexpr std::string_view kTemporarySuffix = ".tmp";

bool IsTemporaryOf(const std::string& entry, const std::string& prefix) {
    return entry.size() > prefix.size() + kTemporarySuffix.size() && entry.starts_with(prefix) &&
           entry.ends_with(kTemporarySuffix);
}

std::string RandomHex() {
    static thread_local std::mt19937_64 gen{std::random_device{}() ^ (uint64_t(getpid()) << 32)};
    static constexpr char kDigits[] = "0123456789abcdef";
    uint64_t v = gen();
    std::string s(12, '0');
    for (char& c : s) {
        c = kDigits[v & 15];
        v >>= 4;
    }
    return s;
}

// The file a path finally names: a symbolic link is followed to what it points to (which
// need not exist yet). False with errno set for a loop of links.
bool FollowLinks(const std::string& path, std::string& out) {
    out = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st{};
        if (lstat(out.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
        std::vector<char> buf(static_cast<size_t>(st.st_size > 0 ? st.st_size : 255) + 1);
        const ssize_t n = readlink(out.c_str(), buf.data(), buf.size());
        if (n < 0) return false;
        std::string link(buf.data(), static_cast<size_t>(n));
        out = link.starts_with('/') ? link : FolderOf(out) + "/" + link;
    }
    errno = ELOOP;
    return false;
}

// An open folder, locked for the moment a writer creates its temporary and looks for the
// temporaries of others, so that of two writers starting together the later always sees the
// earlier.
class FolderLock {
public:
    explicit FolderLock(const std::string& folder)
        : fd_(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (fd_ >= 0)
            while (flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
            }
    }
    ~FolderLock() {
        if (fd_ >= 0) close(fd_);  // closing releases the lock
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int fd_;
};

bool Older(const timespec& a, const timespec& b) {
    return a.tv_sec != b.tv_sec ? a.tv_sec < b.tv_sec : a.tv_nsec < b.tv_nsec;
}

// Looks at the temporaries of the file `final` other than `own`: removes those left by runs
// that ended before this one, and tells whether one is held by a writer at work.
bool ScanTemporaries(const std::string& final, const std::string& own) {
    const std::string folder = FolderOf(final), prefix = TemporaryPrefix(final);
    DIR* dir = opendir(folder.c_str());
    if (!dir) return false;
    bool busy = false;
    while (const dirent* e = readdir(dir)) {
        const std::string name = e->d_name;
        if (!IsTemporaryOf(name, prefix)) continue;
        const std::string path = folder + "/" + name;
        if (path == own) continue;
        const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) continue;
        struct stat st{};
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            busy = true;  // its writer is still at work
        } else if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && Older(st.st_mtim, kStarted)) {
            unlink(path.c_str());
        }
        close(fd);
    }
    closedir(dir);
    return busy;
}

}  // namespace

// Keeps the first failure: the file, what went wrong and the system's reason (err 0: none).
void TSafeFile::Fail(const std::string& what, int err) {
    if (!error_.empty()) return;
    error_ = target_ + ": " + what;
    if (err != 0) error_ += (what.empty() ? "" : ": ") + Reason(err);
}

bool TSafeFile::Open(const std::string& path, OtherWriters others) {
    // A writer that waits tries again every 20 ms for up to 10 s.
    for (int round = 0;; ++round) {
        const Outcome o = TryOpen(path);
        if (o != Outcome::Busy) return o == Outcome::Opened;
        if (others == OtherWriters::Refuse || round == 500) {
            error_ = path + ": another program is writing this file at the same moment";
            return false;
        }
        usleep(20000);
    }
}

TSafeFile::Outcome TSafeFile::TryOpen(const std::string& path) {
    Abort();
    error_.clear();
    target_ = path;
    temp_.clear();
    if (path.empty() || path.back() == '/') return Fail("no file name given", 0), Outcome::Failed;
    if (!FollowLinks(path, final_)) return Fail("", errno), Outcome::Failed;
    struct stat st{};
    if (stat(final_.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) return Fail("not a file that can be replaced", 0), Outcome::Failed;
        // Replacing a file by renaming needs only the folder's permission; a file its owner
        // made read-only stays as it is.
        if ((st.st_mode & 0222) == 0) return Fail("the file is read-only", 0), Outcome::Failed;
        if (access(final_.c_str(), W_OK) != 0) return Fail("", errno), Outcome::Failed;
    } else if (errno != ENOENT) {
        return Fail("", errno), Outcome::Failed;
    }
    const std::string folder = FolderOf(final_);
    const std::string cannotCreate = "cannot create a file in the folder " + folder;
    FolderLock lock(folder);
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        temp_ = folder + "/" + TemporaryPrefix(final_) + RandomHex() + std::string(kTemporarySuffix);
        fd_ = open(temp_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST) break;
    }
    if (fd_ < 0) {
        const int err = errno;
        temp_.clear();
        return Fail(cannotCreate, err), Outcome::Failed;
    }
    flock(fd_, LOCK_EX | LOCK_NB);  // a file of our own, just made: never held by another
    if (ScanTemporaries(final_, temp_)) {
        Abort();
        return Outcome::Busy;
    }
    return Outcome::Opened;
}

bool TSafeFile::Write(const void* data, size_t size) {
    if (fd_ < 0) return false;
    if (!error_.empty()) return false;
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = write(fd_, p, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail("", errno);
            return false;
        }
        p += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

bool TSafeFile::WriteAt(uint64_t offset, const void* data, size_t size) {
    if (fd_ < 0) return false;
    if (!error_.empty()) return false;
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = pwrite(fd_, p, size, static_cast<off_t>(offset));
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail("", errno);
            return false;
        }
        p += n;
        offset += static_cast<uint64_t>(n);
        size -= static_cast<size_t>(n);
    }
    return true;
}

bool TSafeFile::Commit() {
    if (fd_ < 0) return false;
    if (!error_.empty()) {
        Abort();
        return false;
    }
    struct stat st{};
    if (stat(final_.c_str(), &st) == 0 && S_ISREG(st.st_mode)) fchmod(fd_, st.st_mode & 07777);
    if (fsync(fd_) != 0) {
        Fail("", errno);
        Abort();
        return false;
    }
    if (rename(temp_.c_str(), final_.c_str()) != 0) {
        Fail("", errno);
        Abort();
        return false;
    }
    close(fd_);
    fd_ = -1;
    temp_.clear();
    // The rename itself is made lasting by flushing the folder that holds it.
    if (const int dir = open(FolderOf(final_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}

void TSafeFile::Abort() {
    if (fd_ < 0) return;
    unlink(temp_.c_str());
    close(fd_);
    fd_ = -1;
    temp_.clear();
}

bool WriteFileSafely(const std::string& path, std::string_view data, std::string* error) {
    TSafeFile file;
    const bool ok = file.Open(path) && file.Write(data.data(), data.size()) && file.Commit();
    if (!ok && error) *error = file.Error();
    return ok;
}

void RemoveStaleTemporaries(const std::string& path) {
    std::string final;
    if (!FollowLinks(path, final)) return;
    FolderLock lock(FolderOf(final));
    ScanTemporaries(final, {});
}

}  // namespace lyrasta
