// A program killed while it saves the custom readings, after the new file is written and
// before it is put in place, leaves the readings saved before whole.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "readings/custom_readings.h"
#include "support/read_all.h"
#include "support/temp_path.h"

namespace {
// Set in the child that is to be killed in the moment before the rename.
bool gKillBeforeRename = false;
}  // namespace

// Every rename of this test program passes here; the safe writer's rename is its last step.
extern "C" int rename(const char* from, const char* to) noexcept {
    if (gKillBeforeRename) raise(SIGKILL);
    return renameat(AT_FDCWD, from, AT_FDCWD, to);
}

namespace lyrasta {
namespace {

namespace fs = std::filesystem;

TCustomReading Torah(const std::string& name, const std::string& kohen) {
    TCustomReading r;
    r.name = name;
    r.rows[0] = kohen;
    return r;
}

TEST(CustomReadings, AKillBetweenWriteAndRenameLeavesTheOldFileWhole) {
    const fs::path dir = ProcessTempPath("lyrasta_custom_crash_test");
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path path = dir / "custom sedrot.xml";
    TCustomReadingsFile file(path.string());
    ASSERT_TRUE(file.Save(Torah("Kept", "GEN01:01-01:05")));
    const std::string before = ReadAll(path);

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        gKillBeforeRename = true;
        file.Save(Torah("Unfinished", "EXO01:01-01:05"));
        _exit(0);  // not reached: the save is killed before its rename
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "killed in the save, status " << status;

    EXPECT_EQ(ReadAll(path), before);
    bool written = false;  // the new content had reached the disk beside it
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.path() != path) written |= ReadAll(entry.path()).find("Unfinished") != std::string::npos;
    EXPECT_TRUE(written) << "the kill came after the write";

    TCustomReadingsFile again(path.string());
    ASSERT_TRUE(again.Load());
    EXPECT_EQ(again.Names(), std::vector<std::string>{"Kept"});
    ASSERT_TRUE(again.Save(Torah("Next", "LEV01:01-01:05"))) << "the next save goes through";
    EXPECT_EQ(again.Names(), (std::vector<std::string>{"Kept", "Next"}));
}

}  // namespace
}  // namespace lyrasta
