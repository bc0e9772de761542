#include "synth/wave_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "synth/score.h"
#include "support/read_all.h"
#include "support/temp_path.h"

namespace lyrasta::synth {
namespace {

namespace fs = std::filesystem;

// A folder of this run's own: suites of several checkouts may run at once.
fs::path Folder(const std::string& name) {
    const fs::path dir = ProcessTempPath(name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

uint32_t U32(const std::string& b, size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(b[at + i]);
    return v;
}

TEST(WaveFile, WritesUnderATemporaryNameUntilClosed) {
    const fs::path dir = Folder("wave_file_test");
    const fs::path path = dir / "out.wav";
    fs::remove(path);
    WaveFile file;
    ASSERT_TRUE(file.Open(path.string())) << file.Error();
    std::vector<int16_t> samples(100000);
    for (size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<int16_t>(i * 37);
    file.Write(samples.data(), samples.size());
    EXPECT_FALSE(fs::exists(path));
    ASSERT_TRUE(file.Close()) << file.Error();
    const std::string b = ReadAll(path);
    ASSERT_EQ(b.size(), 44 + 2 * samples.size());
    EXPECT_EQ(b.compare(0, 4, "RIFF"), 0);
    EXPECT_EQ(U32(b, 4), b.size() - 8);
    EXPECT_EQ(b.compare(8, 8, "WAVEfmt "), 0);
    EXPECT_EQ(U32(b, 24), static_cast<uint32_t>(kSampleRate));
    EXPECT_EQ(U32(b, 40), 2 * samples.size());
    EXPECT_EQ(static_cast<uint8_t>(b[44 + 2 * 3]), static_cast<uint8_t>(3 * 37));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST(WaveFile, SoundBeyondTheFormatsLimitIsRefusedNotCut) {
    const fs::path dir = Folder("wave_file_limit");
    const fs::path path = dir / "long.wav";
    std::ofstream(path) << "the earlier export";
    WaveFile file(1000);  // a format holding 1000 bytes of sound
    ASSERT_TRUE(file.Open(path.string()));
    const std::vector<int16_t> samples(400);
    file.Write(samples.data(), samples.size());
    file.Write(samples.data(), samples.size());  // 1600 bytes: past the limit
    EXPECT_FALSE(file.Close());
    EXPECT_NE(file.Error().find("longer than a wave file can hold"), std::string::npos) << file.Error();
    EXPECT_EQ(ReadAll(path), "the earlier export");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST(WaveFile, ReportsAFolderThatDoesNotExist) {
    WaveFile file;
    EXPECT_FALSE(file.Open("/nonexistent-folder/x.wav"));
    EXPECT_NE(file.Error().find("/nonexistent-folder/x.wav"), std::string::npos);
    const int16_t s = 1;
    file.Write(&s, 1);  // ignored
    EXPECT_FALSE(file.IsOpen());
}

// Two programs exporting to one file name at once: the file is always one whole export,
// never a splice of two, and a program whose export was not kept says so.
TEST(WaveFile, TwoProcessesWritingOneNameNeverSplice) {
    const fs::path dir = Folder("wave_file_two");
    const fs::path path = dir / "same.wav";
    constexpr size_t kSamples = 40000;
    for (int round = 0; round < 20; ++round) {
        int pipes[2][2];
        pid_t children[2];
        for (int w = 0; w < 2; ++w) {
            ASSERT_EQ(pipe(pipes[w]), 0);
            children[w] = fork();
            ASSERT_GE(children[w], 0);
            if (children[w] == 0) {
                WaveFile file;
                bool ok = file.Open(path.string());
                const std::vector<int16_t> samples(kSamples / 10, static_cast<int16_t>(w + 1));
                for (int i = 0; ok && i < 10; ++i) file.Write(samples.data(), samples.size());
                ok = ok && file.Close();
                const std::string& error = file.Error();
                (void)!write(pipes[w][1], error.data(), error.size());
                _exit(ok ? 0 : 1);
            }
            close(pipes[w][1]);
        }
        int succeeded = 0;
        for (int w = 0; w < 2; ++w) {
            int status = 0;
            waitpid(children[w], &status, 0);
            char buf[512];
            const ssize_t n = read(pipes[w][0], buf, sizeof buf);
            close(pipes[w][0]);
            const std::string error(buf, n > 0 ? static_cast<size_t>(n) : 0);
            ASSERT_TRUE(WIFEXITED(status));
            if (WEXITSTATUS(status) == 0) {
                ++succeeded;
            } else {
                EXPECT_EQ(error, path.string() + ": another program is writing this file at the same moment");
            }
        }
        EXPECT_GE(succeeded, 1) << "round " << round;
        const std::string b = ReadAll(path);
        ASSERT_EQ(b.size(), 44 + 2 * kSamples) << "round " << round;
        const char first = b[44];
        EXPECT_EQ(b.find_first_not_of(std::string{first, '\0'}, 44), std::string::npos) << "spliced in round " << round;
        EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    }
}

}  // namespace
}  // namespace lyrasta::synth
