// The open reading's session: rebuilding the song after a setting changed sings every
// verse in the style it was first sung in; Reload sings with the melody files as they now
// stand.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>

#include "chant/melody.h"
#include "player/colour_names.h"
#include "player/reading_session.h"
#include "support/read_all.h"
#include "support/temp_path.h"

namespace lyrasta {
namespace {

// The notes and trope notes of every sung word, in table order (the sung text itself
// varies a little at random).
std::vector<std::string> SungWords(const TWordTable& table) {
    std::vector<std::string> out;
    for (int i = 0; i < table.WordCount(); ++i) {
        std::string sung;
        for (const strucHebChar& c : table.SungLetters(i)) {
            for (const strucNote& n : c.notes) sung += std::to_string(n.pitch) + " ";
            sung += c.comment;
        }
        if (!sung.empty()) out.push_back(sung);
    }
    return out;
}

TEST(ReadingSession, ARebuiltSongKeepsTheMainStyleForTheVersesSungInIt) {
    // Isaiah 1: its first verse in the Haftarah style, the rest in the Eichah style.
    std::vector<std::string> messages;
    TReadingSession session(LYRASTA_DATA_DIR, [&](const std::string& c, const std::string& t) {
        messages.push_back(c + ": " + t);
    });
    strucSongSettings settings;
    TReadingSections sections;
    sections.R[0] = "ISA1:1-1:4";
    TWordTable table;
    session.Open(table, "Chazon", "", false, sections, "Haftarah", "Eichah", settings);
    const std::vector<std::string> first = SungWords(table);
    ASSERT_GT(first.size(), 20u);
    settings.pitch = 3;  // a pitch change rebuilds the song
    session.ResetSong(table, settings);
    settings.pitch = 0;
    session.ResetSong(table, settings);
    EXPECT_EQ(SungWords(table), first);
}

TEST(ReadingSession, ReloadSingsWithTheMelodyFilesAsTheyNowStand) {
    // A data folder of its own, holding the priestly blessing and the Ashkenazi Torah melody.
    namespace fs = std::filesystem;
    const fs::path data = LYRASTA_DATA_DIR, dir = ProcessTempPath("lyrasta_reload_test");
    fs::remove_all(dir);
    fs::create_directories(dir / "encodings");
    fs::create_directories(dir / "bhs");
    for (const char* file : {"encodings/phonemes.ini", "encodings/tropenames.xml",
                             "encodings/tropedef-01-torah-ashkenazi.xml", "bhs/NUM.txt"})
        fs::copy_file(data / file, dir / file);

    TReadingSession session(dir, [](const std::string&, const std::string&) {});
    strucSongSettings settings;
    TReadingSections sections;
    sections.R[0] = "NUM6:24-6:26";
    TWordTable table;
    // The pitches of every note sung.
    auto sing = [&] {
        session.Open(table, "Blessing", "", false, sections, "Torah", "", settings);
        std::set<int> pitches;
        for (int i = 0; i < table.WordCount(); ++i)
            for (const strucHebChar& c : table.SungLetters(i))
                for (const strucNote& n : c.notes) pitches.insert(n.pitch);
        return pitches;
    };
    const std::set<int> before = sing();
    ASSERT_GT(before.size(), 2u);

    // Every note of the melody file is now written on one pitch.
    const fs::path melodies = dir / "encodings/tropedef-01-torah-ashkenazi.xml";
    const std::string changed =
        std::regex_replace(ReadAll(melodies), std::regex(" Pitch=\"[^\"]*\""), " Pitch=\"c\"");
    std::ofstream(melodies, std::ios::binary) << changed;

    session.ReloadDefinitions();
    EXPECT_EQ(sing(), std::set<int>{static_cast<int>(PitchValue("c"))});
    fs::remove_all(dir);
}

TEST(ColourNames, NamesAndColoursGoBothWays) {
    struct Case {
        const char* text;
        std::optional<SettingColour> colour;
    } cases[] = {
        {"Aqua", 0x02FFFF70}, {"Pink", 0x00E5C4E9}, {"", std::nullopt},
        {"$00123456", 0x00123456}, {"16777215", 0x00FFFFFF}, {"Ochre", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ColorOfName(c.text), c.colour) << c.text;
    EXPECT_EQ(NameOfColor(0x00FF70FF), std::optional<std::string_view>("Fuchsia"));
    EXPECT_EQ(NameOfColor(0x00123456), std::nullopt);
    // What the customise dialog writes reads back as the same colour.
    for (SettingColour c : {0x00FFFFFFu, 0x00C0C0C0u, 0x0070FFFFu})
        EXPECT_EQ(ParseColourSetting(SettingColourText(c)), c) << SettingColourText(c);
}

}  // namespace
}  // namespace lyrasta
