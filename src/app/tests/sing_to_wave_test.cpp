#include "app/sing_to_wave.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include "support/temp_path.h"

namespace lyrasta::cli {
namespace {

namespace fs = std::filesystem;

// Two verses as the player cuts them: notifications and notes in the order of the audio.
TEST(SingToWave, PrintsNotificationsAndNotesInAudioOrder) {
    const fs::path wav = lyrasta::ProcessTempPath("sing_to_wave_test.wav");
    const std::string header = "[:volume att 80] [:mode email on] [:comma -40] [:name Paul   ] [:rate 95] "
                               "[:phoneme arpabet speak on] ";
    const std::vector<std::pair<std::string, bool>> pieces = {
        {header + " [:index mark 3] [~m<20,5131>~m<30,5131>~ah<50,5131>~ah<250,5131>_<100,>] "
                  "\tMessage-ID:GEN01:01Kohen|",
         false},
        {"[:name Paul   ] [:rate 95] [:phoneme arpabet speak on]  [:index mark 5] [~l<50,5147>~eh<50,5147>"
         "~eh<150,5147>~eh<10,3147>~eh<10,1147>_<40,>] \t",
         true},
    };
    std::ostringstream out, err;
    ASSERT_EQ(SingToWave(pieces, wav.string(), true, out, err), 0) << err.str();
    EXPECT_EQ(out.str(),
              "{\"event\":\"index\",\"mark\":3,\"ms\":0}\n"
              "{\"event\":\"note\",\"ms\":50,\"dur\":300,\"hz\":131}\n"
              "{\"event\":\"index\",\"mark\":5,\"ms\":450}\n"
              "{\"event\":\"note\",\"ms\":500,\"dur\":200,\"hz\":147}\n"
              "{\"event\":\"end\",\"code\":13,\"ms\":760}\n");
    EXPECT_EQ(fs::file_size(wav), 44u + 2u * (760u * 22050u / 1000u));  // lasts exactly as long as written
}

TEST(SingToWave, ReportsAWaveFileThatCannotBeWritten) {
    std::ostringstream out, err;
    EXPECT_EQ(SingToWave({{"[~ah<100,5131>]", true}}, "/nonexistent-folder/x.wav", false, out, err), 1);
    EXPECT_NE(err.str().find("/nonexistent-folder/x.wav"), std::string::npos);
}

}  // namespace
}  // namespace lyrasta::cli
