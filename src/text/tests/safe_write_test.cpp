// Writing files safely: the old file stands until the new one is complete, links are written
// through, permissions kept, every failure named with its reason and no temporary left.

#include "text/safe_write.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include "support/read_all.h"
#include "support/temp_path.h"

namespace lyrasta {
namespace {

namespace fs = std::filesystem;

fs::path Folder(const std::string& name) {
    // A folder of this run's own: suites of several checkouts may run at once.
    const fs::path dir = ProcessTempPath("safe_write_test") / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

// Everything in the folder apart from the names given: temporaries left behind.
std::vector<std::string> Others(const fs::path& dir, std::initializer_list<std::string> known) {
    std::vector<std::string> left;
    for (const auto& e : fs::directory_iterator(dir)) {
        const std::string n = e.path().filename().string();
        if (std::find(known.begin(), known.end(), n) == known.end()) left.push_back(n);
    }
    return left;
}

TEST(SafeWrite, ReplacesTheFileKeepingItsPermissions) {
    const fs::path dir = Folder("replace");
    const fs::path file = dir / "notes.ini";
    std::ofstream(file) << "old";
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    std::string error;
    ASSERT_TRUE(WriteFileSafely(file.string(), "new text", &error)) << error;
    EXPECT_EQ(ReadAll(file), "new text");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_TRUE(Others(dir, {"notes.ini"}).empty());
}

TEST(SafeWrite, WritesThroughALinkToTheFileItNames) {
    const fs::path dir = Folder("link");
    fs::create_directories(dir / "real");
    std::ofstream(dir / "real" / "config.ini") << "old";
    fs::create_symlink("real/config.ini", dir / "config.ini");
    fs::create_symlink("real/new.ini", dir / "dangling.ini");  // points to a file not made yet
    ASSERT_TRUE(WriteFileSafely((dir / "config.ini").string(), "through"));
    ASSERT_TRUE(WriteFileSafely((dir / "dangling.ini").string(), "made"));
    EXPECT_TRUE(fs::is_symlink(dir / "config.ini"));
    EXPECT_EQ(ReadAll(dir / "real" / "config.ini"), "through");
    EXPECT_TRUE(fs::is_symlink(dir / "dangling.ini"));
    EXPECT_EQ(ReadAll(dir / "real" / "new.ini"), "made");
    EXPECT_TRUE(Others(dir / "real", {"config.ini", "new.ini"}).empty());
}

TEST(SafeWrite, FailuresNameTheFileAndTheReasonAndKeepTheOldFile) {
    const fs::path dir = Folder("fail");
    const fs::path readOnly = dir / "locked.ini";
    std::ofstream(readOnly) << "keep me";
    fs::permissions(readOnly, fs::perms::owner_read);
    fs::create_directories(dir / "a-folder");
    fs::create_symlink("loop2", dir / "loop1");
    fs::create_symlink("loop1", dir / "loop2");
    struct Row {
        std::string path, message;
    };
    const Row rows[] = {
        {readOnly.string(), readOnly.string() + ": the file is read-only"},
        {(dir / "missing" / "x.wav").string(),
         "cannot create a file in the folder " + (dir / "missing").string() + ": No such file or directory"},
        {(dir / "a-folder").string(), "not a file that can be replaced"},
        {(dir / "loop1").string(), "Too many levels of symbolic links"},
    };
    for (const Row& r : rows) {
        std::string error;
        EXPECT_FALSE(WriteFileSafely(r.path, "new", &error)) << r.path;
        EXPECT_NE(error.find(r.message), std::string::npos) << error;
    }
    EXPECT_EQ(ReadAll(readOnly), "keep me");
    EXPECT_EQ(Others(dir, {"locked.ini", "a-folder", "loop1", "loop2"}), std::vector<std::string>{});
}

TEST(SafeWrite, AFailedWriteIsReportedWithItsReasonAndLeavesNothing) {
    // A file-size limit makes the disk refuse the write, as a full disk does.
    const fs::path dir = Folder("refused");
    const fs::path file = dir / "song.wav";
    std::ofstream(file) << "old song";
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    TSafeFile out;
    const bool opened = out.Open(file.string());
    const std::string big(10000, 'x');
    const bool wrote = opened && out.Write(big.data(), big.size());
    const bool committed = out.Commit();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_TRUE(opened) << out.Error();
    EXPECT_FALSE(wrote);
    EXPECT_FALSE(committed);
    EXPECT_EQ(out.Error(), file.string() + ": File too large");
    EXPECT_EQ(ReadAll(file), "old song");
    EXPECT_TRUE(Others(dir, {"song.wav"}).empty());
}

TEST(SafeWrite, AStreamIsPutInPlaceOnlyByCommit) {
    const fs::path dir = Folder("stream");
    const fs::path file = dir / "reading.pdf";
    std::ofstream(file) << "old";
    {
        TSafeFile out;
        ASSERT_TRUE(out.Open(file.string())) << out.Error();
        ASSERT_TRUE(out.Write("abandoned", 9));
    }  // dropped without Commit
    EXPECT_EQ(ReadAll(file), "old");
    EXPECT_TRUE(Others(dir, {"reading.pdf"}).empty());

    // A writer that needs a file name writes the temporary by its name.
    TSafeFile out;
    ASSERT_TRUE(out.Open(file.string()));
    EXPECT_EQ(fs::path(out.TemporaryPath()).parent_path(), dir);
    std::ofstream(out.TemporaryPath(), std::ios::binary | std::ios::trunc) << "pages";
    EXPECT_EQ(ReadAll(file), "old");
    ASSERT_TRUE(out.WriteAt(0, "P", 1));
    ASSERT_TRUE(out.Commit()) << out.Error();
    EXPECT_EQ(ReadAll(file), "Pages");
    EXPECT_TRUE(Others(dir, {"reading.pdf"}).empty());
}

TEST(SafeWrite, ASecondWriterOfTheSameFileRefusesOrWaits) {
    const fs::path dir = Folder("two");
    const std::string file = (dir / "out.wav").string();
    TSafeFile first;
    ASSERT_TRUE(first.Open(file));
    TSafeFile second;
    EXPECT_FALSE(second.Open(file));
    EXPECT_EQ(second.Error(), file + ": another program is writing this file at the same moment");
    TSafeFile other;  // another file in the same folder is not held up
    EXPECT_TRUE(other.Open((dir / "other.wav").string())) << other.Error();

    std::thread finish([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        first.Write("first", 5);
        first.Commit();
    });
    TSafeFile waiting;
    const bool opened = waiting.Open(file, TSafeFile::OtherWriters::Wait);
    finish.join();
    ASSERT_TRUE(opened) << waiting.Error();
    EXPECT_EQ(ReadAll(file), "first");  // the waiting writer starts after the first is in place
    waiting.Write("second", 6);
    ASSERT_TRUE(waiting.Commit());
    EXPECT_EQ(ReadAll(file), "second");
}

TEST(SafeWrite, TemporariesOfEarlierRunsAreRemoved) {
    const fs::path dir = Folder("stale");
    const fs::path file = dir / "config.ini";
    const fs::path stale = dir / ".config.ini.lyrasta-0123456789ab.tmp";
    const fs::path foreign = dir / ".config.ini.mine.tmp";  // not one of ours
    std::ofstream(stale) << "half";
    std::ofstream(foreign) << "someone else's";
    fs::last_write_time(stale, fs::file_time_type::clock::now() - std::chrono::hours(1));
    fs::last_write_time(foreign, fs::file_time_type::clock::now() - std::chrono::hours(1));
    ASSERT_TRUE(WriteFileSafely(file.string(), "x"));
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(foreign));
}

}  // namespace
}  // namespace lyrasta
