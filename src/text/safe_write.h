#pragma once
// Writing a file so that nothing is ever lost or spliced. The new content goes to a temporary
// file of its own in the target's folder (created exclusively, never through a link, with a
// random name), is flushed to the disk and then renamed over the target in one step, and the
// folder is flushed too. Until that rename the old file stands untouched; a kill, a full disk
// or a crash leaves either the old file or the new one, never half of one. A target that is a
// symbolic link is written through the link (the file it points to is replaced); the target's
// permissions are kept; a target that is read-only is refused. Every failure names the file
// and gives the system's reason ("No space left on device", "Permission denied", ...).
//
// While a temporary is open it is locked, so two programs writing the same file at once see
// each other: the later one refuses ("another program is writing it"), and temporaries left by
// a killed program (unlocked, older than the running program) are removed on the next write.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lyrasta {

// Writes data as the whole new content of path. False, with the reason in *error, when the
// file could not be written; the old file is then untouched and no temporary is left.
bool WriteFileSafely(const std::string& path, std::string_view data, std::string* error = nullptr);

// A file written piece by piece and put in place by Commit. Destroying it without Commit
// (or calling Abort) removes the temporary and leaves the target as it was.
class TSafeFile {
public:
    TSafeFile() = default;
    TSafeFile(const TSafeFile&) = delete;
    TSafeFile& operator=(const TSafeFile&) = delete;
    ~TSafeFile() { Abort(); }

    // What Open does when another program is writing the same file: refuse at once (two
    // exports to one name), or wait until it has finished (a read-modify-write of settings).
    enum class OtherWriters { Refuse, Wait };
    // Creates the temporary for path. False with the reason in Error(). Once open, every
    // other writer of the same file refuses or waits until Commit or Abort.
    bool Open(const std::string& path, OtherWriters others = OtherWriters::Refuse);
    // Appends bytes; false (and the file failed) when they could not be written.
    bool Write(const void* data, size_t size);
    // Writes bytes at an offset without moving the end (a header kept up to date).
    bool WriteAt(uint64_t offset, const void* data, size_t size);
    // Flushes the temporary, renames it over the target and flushes the folder. False when
    // any write failed or the file cannot be put in place; the temporary is removed then.
    bool Commit();
    // Drops the temporary; the target stays as it was.
    void Abort();

    bool IsOpen() const { return fd_ >= 0; }
    bool Failed() const { return !error_.empty(); }
    const std::string& Error() const { return error_; }
    // The temporary file's name, for a writer that must be given a file name (it writes
    // there, then Commit puts the result in place).
    const std::string& TemporaryPath() const { return temp_; }
    // The file that Commit replaces: the target, or the file a link at the target points to.
    const std::string& FinalPath() const { return final_; }

private:
    enum class Outcome { Opened, Busy, Failed };
    Outcome TryOpen(const std::string& path);
    void Fail(const std::string& what, int err);
    int fd_ = -1;
    std::string target_, final_, temp_, error_;
};

// Removes the temporaries that earlier runs left for path (killed while writing it).
void RemoveStaleTemporaries(const std::string& path);

}  // namespace lyrasta
