// The settings store: defaults, the reading rules of the settings file, and writing back
// only what changed while keeping the rest of the file.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "player/settings_store.h"

namespace lyrasta {
namespace {

std::string TempPath(const std::string& name) {
    const auto dir = std::filesystem::temp_directory_path() / "lyrasta_settings_test";
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
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
        {"a negative voice is read as stored (the window keeps it at least 0)",
         store.Int("Voice") == -3},
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

}  // namespace
}  // namespace lyrasta
