#include "synth/wave_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "synth/score.h"

namespace lyrasta::synth {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t U32(const std::string& b, size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(b[at + i]);
    return v;
}

TEST(WaveFile, WritesUnderATemporaryNameUntilClosed) {
    const fs::path dir = fs::path(testing::TempDir()) / "wave_file_test";
    fs::create_directories(dir);
    const fs::path path = dir / "out.wav";
    fs::remove(path);
    WaveFile file;
    ASSERT_TRUE(file.Open(path.string())) << file.Error();
    std::vector<int16_t> samples(100000);
    for (size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<int16_t>(i * 37);
    file.Write(samples.data(), samples.size());
    EXPECT_FALSE(fs::exists(path));
    // What is written so far is already a playable file.
    const std::string part = ReadAll(path.string() + ".part");
    EXPECT_EQ(part.compare(0, 4, "RIFF"), 0);
    EXPECT_GT(U32(part, 40), 0u);
    EXPECT_LE(U32(part, 40), part.size() - 44);
    ASSERT_TRUE(file.Close()) << file.Error();
    const std::string b = ReadAll(path);
    ASSERT_EQ(b.size(), 44 + 2 * samples.size());
    EXPECT_EQ(b.compare(0, 4, "RIFF"), 0);
    EXPECT_EQ(U32(b, 4), b.size() - 8);
    EXPECT_EQ(b.compare(8, 8, "WAVEfmt "), 0);
    EXPECT_EQ(U32(b, 24), static_cast<uint32_t>(kSampleRate));
    EXPECT_EQ(U32(b, 40), 2 * samples.size());
    EXPECT_EQ(static_cast<uint8_t>(b[44 + 2 * 3]), static_cast<uint8_t>(3 * 37));
    EXPECT_FALSE(fs::exists(path.string() + ".part"));
}

TEST(WaveFile, ReportsAFolderThatDoesNotExist) {
    WaveFile file;
    EXPECT_FALSE(file.Open("/nonexistent-folder/x.wav"));
    EXPECT_NE(file.Error().find("/nonexistent-folder/x.wav"), std::string::npos);
    const int16_t s = 1;
    file.Write(&s, 1);  // ignored
    EXPECT_FALSE(file.IsOpen());
}

}  // namespace
}  // namespace lyrasta::synth
