// The settings store: defaults, the reading rules of the settings file, and writing back
// only what changed while keeping the rest of the file.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/wait.h>
#include <unistd.h>

#include "player/settings_store.h"
#include "support/read_all.h"
#include "support/temp_path.h"

namespace lyrasta {
namespace {

std::string TempPath(const std::string& name) {
    // A folder of this run's own: suites of several checkouts may run at once.
    const auto dir = ProcessTempPath("lyrasta_settings_test");
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

TEST(SettingsStore, MissingFileGivesEveryDefault) {
    TSettingsStore store(TempPath("does-not-exist/config.ini"));
    store.Load();
    EXPECT_EQ(store.Int("MarginWidth"), 10);
    EXPECT_EQ(store.Int("Voice"), 4);
    EXPECT_EQ(store.Int("Speed"), 140);
    EXPECT_TRUE(store.Bool("ShowUnderlines"));
    EXPECT_TRUE(store.Bool("ShowSplash"));
    EXPECT_FALSE(store.Bool("Debug"));
    EXPECT_EQ(store.Text("Torah"), "");
}

TEST(SettingsStore, ReadsValuesByTheFilesRules) {
    const std::string path = TempPath("read.ini");
    std::ofstream(path) << "[Other]\nSpeed=1\n[options]\r\nspeed = 80\r\nShowTropeGroups=true\n"
                           "Debug=yes\nPitch=abc\nVoice=-3\nWavFileName="
                        << std::string(300, 'x') << "\n";
    TSettingsStore store(path);
    store.Load();
    struct Row {
        const char* what;
        bool ok;
    };
    const Row rows[] = {
        {"keys and sections ignore case, other sections are not read", store.Int("Speed") == 80},
        {"speed 80 shows as 5", SpeedFromSetting(store.Int("Speed")) == 5},
        {"and is written back as 80", SpeedToSetting(5) == 80},
        {"a flag is true when upper-cased it is TRUE", store.Bool("ShowTropeGroups")},
        {"any other text is false", !store.Bool("Debug")},
        {"a number that is not one reads as the default", store.Int("Pitch") == 0},
        {"a voice below the list is the first voice", store.Int("Voice") == 0},
        {"values are cut at 254 characters", store.Text("WavFileName").size() == 254},
    };
    for (const Row& r : rows) EXPECT_TRUE(r.ok) << r.what;
}

TEST(SettingsStore, SaveWritesOnlyChangedKeysAndKeepsTheRest) {
    const std::string path = TempPath("write.ini");
    std::ofstream(path) << "; my notes\n[Options]\nSpeed=80\nclSegol=$00FFFFFF\n\n[Open]\nYear=5786\n";
    TSettingsStore store(path);
    store.Load();
    store.Set("Speed", "104");
    store.SetBool("ColorTropes", true);
    ASSERT_TRUE(store.Save());
    EXPECT_EQ(ReadAll(path),
              "; my notes\n[Options]\nSpeed=104\nclSegol=$00FFFFFF\nColorTropes=TRUE\n\n"
              "[Open]\nYear=5786\n");

    const std::string fresh = TempPath("new-folder/config.ini");
    std::filesystem::remove_all(std::filesystem::path(fresh).parent_path());
    TSettingsStore created(fresh);
    created.Load();
    created.Set("Voice", "2");
    ASSERT_TRUE(created.Save());
    EXPECT_EQ(ReadAll(fresh), "[Options]\nVoice=2\n");
}

// A value with line breaks (a wave file's name, a reading's name) stays on its key's line:
// written as it is, it would add keys and sections the user never set.
TEST(SettingsStore, LineBreaksInAValueNeverStartAnotherKey) {
    const std::string path = TempPath("breaks.ini");
    std::ofstream(path) << "[Options]\nPitch=2\n";
    TSettingsStore store(path);
    store.Load();
    store.Set("WavFileName", "a\nPitch=12\r\n[Other]\nSpeed=20");
    ASSERT_TRUE(store.Save());
    EXPECT_EQ(ReadAll(path), "[Options]\nPitch=2\nWavFileName=a Pitch=12  [Other] Speed=20\n");
    TSettingsStore again(path);
    again.Load();
    EXPECT_EQ(again.Int("Pitch"), 2);
    EXPECT_EQ(again.Int("Speed"), 140);
    EXPECT_EQ(again.Text("WavFileName"), "a Pitch=12  [Other] Speed=20");
}

TEST(SettingsStore, UnwritableFileIsReportedNotLost) {
    const std::string dir = TempPath("blocked");
    std::filesystem::create_directories(dir);
    TSettingsStore store(dir);  // a folder where the file should be
    store.Set("Speed", "80");
    std::string error;
    EXPECT_FALSE(store.Save(&error));
    EXPECT_NE(error.find("cannot be written"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(dir));
}

// Numbers out of their range are brought into it and named, before anything is computed
// with them (a margin of 2147483647 pixels, a blank view for a margin of -100000).
TEST(SettingsStore, NumbersOutOfRangeAreClampedAndNamed) {
    const std::string path = TempPath("ranges.ini");
    std::ofstream(path) << "[Options]\nMarginWidth=2147483647\nPitch=-99\nVolume=abc\nSpeed=140\n"
                           "UpbeatFactor=1e308\nVoice=99999999999999999999\n[Options]\nMarginWidth=-100000\n";
    TSettingsStore store(path);
    store.Load();
    EXPECT_EQ(store.Int("MarginWidth"), 100);
    EXPECT_EQ(store.Int("Pitch"), -12);
    EXPECT_EQ(store.Int("Volume"), 5);
    EXPECT_EQ(store.Int("Speed"), 140);
    EXPECT_EQ(store.Real("UpbeatFactor"), 100.0);
    EXPECT_EQ(store.Int("Voice"), 4);
    const std::string in = " in " + path;
    EXPECT_EQ(store.Problems(), (std::vector<std::string>{
        "The setting MarginWidth=2147483647" + in + " is out of range (from 0 to 100); 100 is used.",
        "The setting Pitch=-99" + in + " is out of range (from -12 to 12); -12 is used.",
        "The setting Volume=abc" + in + " is not a whole number; 5 is used.",
        "The setting Voice=99999999999999999999" + in + " is not a whole number; 4 is used.",
        "The setting UpbeatFactor=1e308" + in + " is out of range (from 0 to 100); 100 is used.",
    }));
}

// Saving into files as users have them: each row makes its file, loads, changes Volume to 3
// and saves; the file afterwards is checked byte for byte.
TEST(SettingsStore, SavingKeepsOrRefusesFilesAsTheyAre) {
    namespace fs = std::filesystem;
    const fs::path dir = TempPath("cases");
    fs::remove_all(dir);
    fs::create_directories(dir);
    struct Row {
        const char* what;
        std::string before;             // the file's text ("" with makeFolder: a folder instead)
        fs::perms mode;                 // its permissions
        bool linked;                    // config.ini is a link to real/config.ini
        const char* problem;            // what loading reports ("" nothing)
        bool saved;
        std::string after;              // the file's text after saving
        std::string pitch;              // Pitch as read
    };
    const fs::perms rw = fs::perms::owner_read | fs::perms::owner_write;
    const Row rows[] = {
        {"a read-only file is not replaced", "[Options]\nPitch=2\n", fs::perms::owner_read, false, "", false,
         "[Options]\nPitch=2\n", "2"},
        {"a linked file is written through the link", "; mine\n[Options]\nPitch=2\n", rw, true, "", true,
         "; mine\n[Options]\nPitch=2\nVolume=3\n", "2"},
        {"the first of two equal sections is read and written", "[Options]\nPitch=5\n[options]\nPitch=0\n", rw,
         false, "", true, "[Options]\nPitch=5\nVolume=3\n[options]\nPitch=0\n", "5"},
        {"UTF-8 with its mark and CR LF line ends is read and kept so",
         "\xEF\xBB\xBF[Options]\r\nPitch=4\r\n", rw, false, "", true,
         "\xEF\xBB\xBF[Options]\r\nPitch=4\r\nVolume=3\r\n", "4"},
        {"UTF-16 is refused, never mixed with bytes", std::string("\xFF\xFE[\0O\0]\0\n\0", 10), rw, false,
         "is written in UTF-16", false, std::string("\xFF\xFE[\0O\0]\0\n\0", 10), "0"},
        {"a section header with a comment after it is the section",
         "[Options] ; the window's\nPitch=6\n", rw, false, "", true,
         "[Options] ; the window's\nPitch=6\nVolume=3\n", "6"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        const fs::path real = dir / (r.linked ? "real" : "") / "config.ini";
        const fs::path path = dir / "config.ini";
        fs::remove_all(dir);
        fs::create_directories(real.parent_path());
        std::ofstream(real, std::ios::binary) << r.before;
        fs::permissions(real, r.mode);
        if (r.linked) fs::create_symlink("real/config.ini", path);
        TSettingsStore store(path.string());
        store.Load();
        EXPECT_EQ(store.Text("Pitch"), r.pitch);
        if (*r.problem) {
            ASSERT_EQ(store.Problems().size(), 1u);
            EXPECT_NE(store.Problems()[0].find(r.problem), std::string::npos) << store.Problems()[0];
        } else {
            EXPECT_TRUE(store.Problems().empty());
        }
        store.Set("Volume", "3");
        std::string error;
        EXPECT_EQ(store.Save(&error), r.saved) << error;
        if (!r.saved) {
            EXPECT_NE(error.find("not saved"), std::string::npos) << error;
        }
        EXPECT_EQ(ReadAll(real.string()), r.after);
        EXPECT_EQ(fs::status(real).permissions() & fs::perms::all, r.mode);
        EXPECT_EQ(fs::is_symlink(path), r.linked);
        fs::permissions(real, rw);
    }
}

TEST(SettingsStore, AFileThatCannotBeReadIsNeverOverwritten) {
    namespace fs = std::filesystem;
    const fs::path dir = TempPath("unreadable");
    fs::remove_all(dir);
    fs::create_directories(dir / "config.ini");  // reading a folder fails as a damaged file does
    TSettingsStore store((dir / "config.ini").string());
    store.Load();
    ASSERT_EQ(store.Problems().size(), 1u);
    EXPECT_NE(store.Problems()[0].find("cannot be read: Is a directory"), std::string::npos);
    EXPECT_EQ(store.Int("Speed"), 140);
    store.Set("Speed", "80");
    EXPECT_EQ(store.Int("Speed"), 80);  // kept in memory
    std::string error;
    EXPECT_FALSE(store.Save(&error));
    EXPECT_NE(error.find("could not be read"), std::string::npos) << error;
    EXPECT_TRUE(fs::is_directory(dir / "config.ini"));
}

// Two windows closing at the same moment, as two processes: each keeps its own key.
TEST(SettingsStore, TwoProcessesSavingTogetherBothKeepTheirKeys) {
    namespace fs = std::filesystem;
    const fs::path dir = TempPath("two-writers");
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string path = (dir / "config.ini").string();
    std::ofstream(path) << "; notes\n[Options]\nSpeed=80\n";
    for (int round = 0; round < 20; ++round) {
        pid_t children[2];
        for (int w = 0; w < 2; ++w) {
            children[w] = fork();
            ASSERT_GE(children[w], 0);
            if (children[w] == 0) {
                TSettingsStore store(path);
                store.Load();
                store.Set(w == 0 ? "Torah" : "Haftarah", "style " + std::to_string(round));
                _exit(store.Save() ? 0 : 1);
            }
        }
        for (pid_t c : children) {
            int status = 0;
            waitpid(c, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "round " << round;
        }
        TSettingsStore check(path);
        check.Load();
        ASSERT_EQ(check.Text("Torah"), "style " + std::to_string(round));
        ASSERT_EQ(check.Text("Haftarah"), "style " + std::to_string(round));
        ASSERT_EQ(check.Int("Speed"), 80);
    }
    EXPECT_EQ(ReadAll(path).rfind("; notes\n[Options]\nSpeed=80\n", 0), 0u);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace lyrasta
