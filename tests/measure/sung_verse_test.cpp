// A verse of Genesis sung through the headless tool, as the play command builds it, and
// measured with Praat: every held note of 150 ms or more on its pitch.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <regex>
#include <string>
#include <vector>

#include "measure/praat_measure.h"

namespace lyrasta::measure {
namespace {

struct NoteLine {
    double ms = 0, dur = 0, hz = 0;
};

TEST(SungVerse, GenesisOneOneIsSungOnItsNotes) {
    std::string why;
    ASSERT_TRUE(PraatAvailable(why)) << why;
    const std::string wav = std::string(LYRASTA_BUILD_DIR) + "/genesis_1_1.wav";
    const std::string command = std::string("'") + LYRASTA_CLI + "' sing --data '" + LYRASTA_DATA_DIR +
                                "' --settings /dev/null --seed 1 --section Kohen=GEN1:1-1:1 --word 0 --range verse --wav '" +
                                wav + "' --notes 2>/dev/null";
    std::FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buf[4096];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
    ASSERT_EQ(pclose(pipe), 0) << command;

    const std::regex noteLine(R"(\{"event":"note","ms":(\d+),"dur":(\d+),"hz":(\d+)\})");
    std::vector<NoteLine> notes;
    for (std::sregex_iterator it(out.begin(), out.end(), noteLine), end; it != end; ++it)
        notes.push_back({std::stod((*it)[1]), std::stod((*it)[2]), std::stod((*it)[3])});
    ASSERT_GT(notes.size(), 20u) << out;
    EXPECT_NE(out.find("{\"event\":\"end\",\"code\":13"), std::string::npos) << out;

    const auto track = PraatPitch(wav, 60, 400);
    std::vector<double> deviations;
    int held = 0;
    for (const NoteLine& n : notes) {
        if (n.dur < 150) continue;
        ++held;
        const NotePitch p = MeasureNote(track, n.ms, n.dur, n.hz);
        ASSERT_GT(p.frames, 0u) << "note at " << n.ms << " ms";
        EXPECT_LE(std::abs(p.centre), 10) << "note at " << n.ms << " ms, " << n.hz << " Hz";
        deviations.insert(deviations.end(), p.plain.begin(), p.plain.end());
    }
    EXPECT_GT(held, 10);
    EXPECT_LE(Median(deviations), 10);
    EXPECT_LE(Percentile(deviations, 95), 30);
    std::printf("Genesis 1:1: %d held notes; frames before any vibrato: median %.1f, 95th percentile %.1f cents\n", held,
                Median(deviations), Percentile(deviations, 95));
}

}  // namespace
}  // namespace lyrasta::measure
