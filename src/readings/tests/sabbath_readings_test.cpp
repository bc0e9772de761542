// The annual Sabbath readings the program opens from its bundled catalogue, compared with an
// independent account of the reading cycle (tests/data/sabbath_readings.txt, made once from
// another schedule): for every Sabbath of five years, in the Diaspora and in Israel, the
// portion is chosen as a student would choose it in the open-reading dialog, and its aliyot,
// Maftir and Haftarah must be those of the account.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "readings/open_reading_model.h"

namespace lyrasta {
namespace {

const std::filesystem::path kTestData = LYRASTA_TEST_DATA;
const std::filesystem::path kData = LYRASTA_DATA_DIR;

// One Sabbath of the account: "2020-10-24 D Noach GEN6:9-6:22 ... GEN11:29-11:32 ISA54:1-55:5".
struct SabbathReading {
    int line = 0;
    CivilDate date;
    bool israel = false;
    std::string portion;
    std::vector<std::string> aliyot;    // Kohen ... Shvii, Maftir
    std::vector<std::string> haftarah;  // one reference per piece
};

std::vector<SabbathReading> ReadAccount() {
    std::ifstream in(kTestData / "sabbath_readings.txt");
    EXPECT_TRUE(in) << "sabbath_readings.txt";
    std::vector<SabbathReading> rows;
    std::string text;
    for (int n = 1; std::getline(in, text); ++n) {
        if (text.empty() || text[0] == '#') continue;
        std::istringstream fields(text);
        SabbathReading r;
        r.line = n;
        std::string date, place, field;
        fields >> date >> place >> r.portion;
        r.date = {std::stoi(date.substr(8, 2)), std::stoi(date.substr(5, 2)), std::stoi(date.substr(0, 4))};
        r.israel = place == "I";
        for (char& c : r.portion) c = c == '_' ? ' ' : c;
        while (fields >> field) (r.aliyot.size() < 8 ? r.aliyot : r.haftarah).push_back(field);
        rows.push_back(std::move(r));
    }
    return rows;
}

// The Haftarah's pieces as they are read, without the verses "some congregations add" on
// Rosh Chodesh or its eve (an addition the account does not list).
std::vector<std::string> HaftarahPieces(const TReadingSections& s) {
    std::vector<std::string> pieces;
    bool added = false;
    for (int n = 0; n < 5; ++n) {
        if (s.RNote[n].starts_with("Some congregations add")) added = true;
        if (!added && !s.R[n].empty()) pieces.push_back(s.R[n]);
    }
    return pieces;
}

std::string Joined(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& s : items) out += (out.empty() ? "" : " ") + s;
    return out;
}

TEST(SabbathReadings, AgreeWithAnIndependentAccountOfTheCycle) {
    TCatalogue catalogue;
    std::string error;
    ASSERT_TRUE(catalogue.Load(kData, "Encodings\\sedrot.xml", &error)) << error;
    const std::vector<SabbathReading> account = ReadAccount();
    ASSERT_FALSE(account.empty());
    THebrewCalendar calendar;
    std::vector<std::string> differences;
    for (const SabbathReading& r : account) {
        const std::int32_t year = calendar.CivilToHebrew(r.date.day, r.date.month, r.date.year).year;
        TOpenReadingModel model(catalogue, year, {});
        model.SetIsrael(r.israel);
        const std::string where = "line " + std::to_string(r.line) + " " + std::to_string(r.date.year) + "-" +
                                  std::to_string(r.date.month) + "-" + std::to_string(r.date.day) +
                                  (r.israel ? " Israel " : " Diaspora ") + r.portion + ": ";
        if (!model.SelectReading(r.portion) || model.ReadingName() != r.portion) {
            differences.push_back(where + "chosen as \"" + model.ReadingName() + "\"");
            continue;
        }
        const std::string date = std::string(CivilMonthAbbrev(r.date.month)) + " " + std::to_string(r.date.day) +
                                 ", " + std::to_string(r.date.year) + " /";
        if (!model.DateLine().starts_with(date)) differences.push_back(where + "read on " + model.DateLine());

        const TReadingSections torah = model.Open(TOpenKind::Torah).sections;
        const std::vector<std::string> aliyot = {torah.Kohen,  torah.Levi,   torah.Shlishi, torah.Revii,
                                                 torah.Chamishi, torah.Shishi, torah.Shvii,   torah.Maftir};
        if (aliyot != r.aliyot)
            differences.push_back(where + "aliyot " + Joined(aliyot) + ", the account " + Joined(r.aliyot));
        const std::vector<std::string> haftarah = HaftarahPieces(model.Open(TOpenKind::Haftarah).sections);
        if (haftarah != r.haftarah)
            differences.push_back(where + "Haftarah " + Joined(haftarah) + ", the account " + Joined(r.haftarah));
    }
    std::string report;
    for (const std::string& d : differences) report += d + "\n";
    EXPECT_TRUE(differences.empty()) << differences.size() << " Sabbaths differ:\n" << report;
}

}  // namespace
}  // namespace lyrasta
