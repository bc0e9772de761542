// The user's own readings and their file: saving, overwriting, deleting, reading back, and
// never losing the file (a malformed file is kept; a failed write leaves the old one).

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "readings/custom_readings.h"
#include "support/read_all.h"
#include "support/temp_path.h"

namespace lyrasta {
namespace {

namespace fs = std::filesystem;

fs::path Fresh(const std::string& name) {
    const fs::path dir = ProcessTempPath("lyrasta_custom_test") / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir / "custom sedrot.xml";
}

TCustomReading Reading(const std::string& name, CustomKind kind, std::vector<std::string> rows) {
    TCustomReading r;
    r.name = name;
    r.kind = kind;
    for (size_t i = 0; i < rows.size(); ++i) r.rows[i] = rows[i];
    return r;
}

TEST(CustomReadings, SavedReadingsComeBackAsTheirKind) {
    struct Case {
        const char* name;
        TCustomReading reading;
        const char* written;  // the element as the file holds it
        TCustomOpening opening;
    } cases[] = {
        {"torah", Reading(" My aliyah ", CustomKind::Torah, {"GEN01:01-01:05", "", "GEN01:06-01:08"}),
         R"(<READING NAME="My aliyah" TYPE="Torah" WRAPPED="TRUE" KOHEN="GEN01:01-01:05" SHLISHI="GEN01:06-01:08")",
         {"My aliyah", true, "Torah", {{"Kohen", "GEN01:01-01:05"}, {"Shlishi", "GEN01:06-01:08"}}}},
        {"high holidays", Reading("Yom Kippur", CustomKind::HiHoliday, {"LEV16:01-16:34"}),
         R"(<READING NAME="Yom Kippur" TYPE="HiHoliday" WRAPPED="TRUE" KOHEN="LEV16:01-16:34")",
         {"Yom Kippur", true, "HiHoliday", {{"Kohen", "LEV16:01-16:34"}}}},
        {"haftarah", Reading("Chazon", CustomKind::Haftarah, {"ISA01:01-01:27"}),
         R"(<READING NAME="Chazon" TYPE="Haftarah" WRAPPED="FALSE" R1="ISA01:01-01:27")",
         {"Chazon", false, "Haftarah", {{"R1", "ISA01:01-01:27"}}}},
        {"esther", Reading("Purim", CustomKind::Megilla, {"EST01:01-02:23", "EST03:01-03:15"}),
         R"(<READING NAME="Purim" TYPE="Reading" WRAPPED="TRUE" R1="EST01:01-02:23" R2="EST03:01-03:15")",
         {"Purim", true, "Esther", {{"R1", "EST01:01-02:23"}, {"R2", "EST03:01-03:15"}}}},
        {"eichah", Reading("Tisha", CustomKind::Megilla, {"LAM01:01-01:22"}),
         R"(<READING NAME="Tisha" TYPE="Reading" WRAPPED="FALSE" R1="LAM01:01-01:22")",
         {"Tisha", false, "Eichah", {{"R1", "LAM01:01-01:22"}}}},
    };
    for (const Case& c : cases) {
        const fs::path path = Fresh(c.name);
        TCustomReadingsFile file(path.string());
        std::string error;
        ASSERT_TRUE(file.Save(c.reading, &error)) << c.name << ": " << error;
        EXPECT_NE(ReadAll(path).find(c.written), std::string::npos) << c.name << "\n" << ReadAll(path);
        TCustomReadingsFile again(path.string());
        ASSERT_TRUE(again.Load(&error)) << error;
        const TCustomReading* r = again.Find(TrimmedName(c.reading.name));
        ASSERT_NE(r, nullptr) << c.name;
        EXPECT_EQ(r->kind, c.reading.kind) << c.name;
        const TCustomOpening o = OpeningOf(*r);
        EXPECT_EQ(o.title, c.opening.title) << c.name;
        EXPECT_EQ(o.wrapped, c.opening.wrapped) << c.name;
        EXPECT_EQ(o.type, c.opening.type) << c.name;
        EXPECT_EQ(o.sections, c.opening.sections) << c.name;
    }
}

TEST(CustomReadings, SavingANameAgainReplacesItAndDeletingRemovesIt) {
    const fs::path path = Fresh("replace");
    TCustomReadingsFile file(path.string());
    ASSERT_TRUE(file.Save(Reading("Practice", CustomKind::Torah, {"GEN01:01-01:05"})));
    ASSERT_TRUE(file.Save(Reading("Other", CustomKind::Haftarah, {"ISA40:01-40:26"})));
    ASSERT_TRUE(file.Save(Reading("Practice ", CustomKind::Torah, {"GEN02:01-02:03"})));
    EXPECT_EQ(file.Names(), (std::vector<std::string>{"Other", "Practice"}));
    TCustomReadingsFile again(path.string());
    ASSERT_TRUE(again.Load());
    EXPECT_EQ(again.Find("Practice")->rows[0], "GEN02:01-02:03");
    ASSERT_TRUE(again.Delete("Practice"));
    EXPECT_EQ(again.Names(), std::vector<std::string>{"Other"});
    std::string error;
    EXPECT_FALSE(again.Save(Reading("   ", CustomKind::Torah, {"GEN01:01-01:05"}), &error));
    EXPECT_EQ(error, "Please enter a custom name");
    EXPECT_EQ(OpeningOf(Reading("", CustomKind::Torah, {"GEN01:01-01:05"})).title, "Customized reading");
}

TEST(CustomReadings, AMalformedFileIsReportedAndKeptUntilTheUserAgrees) {
    const fs::path path = Fresh("malformed");
    // An end tag without its start: the readings after it cannot be trusted.
    const std::string broken = "</READING><CUSTOMSEDROT><READING NAME=\"Mine\" TYPE=\"Torah\"/></CUSTOMSEDROT>";
    std::ofstream(path) << broken;
    TCustomReadingsFile file(path.string());
    std::string error;
    EXPECT_FALSE(file.Load(&error));
    EXPECT_TRUE(file.Malformed());
    EXPECT_NE(error.find(path.string()), std::string::npos) << error;
    EXPECT_FALSE(file.Save(Reading("New", CustomKind::Torah, {"GEN01:01-01:05"}), &error));
    EXPECT_EQ(ReadAll(path), broken) << "never written over without asking";
    ASSERT_TRUE(file.StartAfresh(&error)) << error;
    EXPECT_TRUE(file.Save(Reading("New", CustomKind::Torah, {"GEN01:01-01:05"}), &error)) << error;
    EXPECT_NE(ReadAll(path).find("NAME=\"New\""), std::string::npos);
    EXPECT_EQ(ReadAll(file.KeptCopyPath()), broken) << "kept for repairing by hand";
}

TEST(CustomReadings, AFailedWriteIsReportedAndTheOldFileStays) {
    // A file the user made read-only is not replaced (whoever runs the test).
    const fs::path path = Fresh("readonly");
    TCustomReadingsFile file(path.string());
    ASSERT_TRUE(file.Save(Reading("Kept", CustomKind::Torah, {"GEN01:01-01:05"})));
    const std::string before = ReadAll(path);
    chmod(path.c_str(), 0444);
    std::string error;
    EXPECT_FALSE(file.Save(Reading("Lost?", CustomKind::Torah, {"GEN01:01-01:05"}), &error));
    chmod(path.c_str(), 0644);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadAll(path), before);
    EXPECT_EQ(file.Names(), std::vector<std::string>{"Kept"}) << "the list is what the file holds";
}

}  // namespace
}  // namespace lyrasta
