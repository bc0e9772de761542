// The open-reading dialog's choices without the dialog: the option lists of real Sabbaths,
// moving off a portion not read that year, Israel and the Diaspora after the festivals,
// one selection across the groups, the Torah option rule, the cycle rotation and the
// values kept in the settings.

#include <gtest/gtest.h>

#include "readings/open_reading_model.h"

namespace lyrasta {
namespace {

const std::filesystem::path kTestData = LYRASTA_TEST_DATA;

const TCatalogue& Fixture() {
    static const TCatalogue catalogue = [] {
        TCatalogue c;
        EXPECT_TRUE(c.Load(kTestData, "sedrot-fixture.xml"));
        return c;
    }();
    return catalogue;
}

using Texts = std::vector<std::string>;

Texts TextsOf(const std::vector<TOptionItem>& list) {
    Texts texts;
    for (const TOptionItem& i : list) texts.push_back(i.text);
    return texts;
}

TEST(OpenReadingModel, OptionListsOfRealSabbaths) {
    struct Row {
        const char* what;
        const char* chosen;
        std::int32_t year;
        bool israel, triennial;
        int cycle;
        const char* selected;
        const char* date;
        Texts torah, maftir, haftarah;
    };
    const Row rows[] = {
        {"an ordinary Sabbath", "Noach", 5784, false, false, 1, "Noach", "Oct. 21, 2023 / 6 Heshvan, 5784",
         {"Shabbat", "Weekday"}, {"Maftir"}, {"Haftarah", "Sephardi custom"}},
        {"Shabbat Rosh Chodesh", "Noach", 5785, false, false, 1, "Noach", "Nov. 2, 2024 / 1 Heshvan, 5785",
         {"Shabbat", "Weekday"}, {"Rosh Chodesh"}, {"Shabbas Rosh Chodesh"}},
        {"Shabbat Rosh Chodesh, triennial second year", "Noach", 5785, false, true, 2, "Noach",
         "Nov. 2, 2024 / 1 Heshvan, 5785", {"Triennial 2", "Weekday"}, {"Rosh Chodesh"}, {"Shabbas Rosh Chodesh"}},
        {"an ordinary Sabbath, triennial second year", "Noach", 5784, false, true, 2, "Noach",
         "Oct. 21, 2023 / 6 Heshvan, 5784", {"Triennial 2", "Weekday"}, {"Maftir", "Maftir (triennial 2)"},
         {"Haftarah", "Sephardi custom"}},
        {"eve of Rosh Chodesh", "Toldos", 5785, false, false, 1, "Toldos", "Nov. 30, 2024 / 29 Heshvan, 5785",
         {"Shabbat"}, {}, {"Machar Chodesh"}},
        {"Chanukah on Rosh Chodesh", "Mikeitz", 5786, false, false, 1, "Mikeitz", "Dec. 20, 2025 / 30 Kislev, 5786",
         {"Shabbat (Shvi'i:Rosh Chodesh)"}, {"Chanukah day 6"}, {"Shabbas Chanukah"}},
        {"Shekalim on Rosh Chodesh", "Terumah", 5785, false, false, 1, "Terumah", "Mar. 1, 2025 / 1 Adar, 5785",
         {"Shabbat (Shvi'i:Rosh Chodesh)"}, {"Shekalim"}, {"Shekalim"}},
        {"HaGadol", "Tzav", 5785, false, false, 1, "Tzav", "Apr. 12, 2025 / 14 Nisan, 5785", {"Shabbat"}, {},
         {"Shabbas HaGadol"}},
        {"Pinchas after the seventeenth of Tammuz", "Pinchas", 5600, false, false, 1, "Pinchas",
         "July 25, 1840 / 24 Tammuz, 5600", {"Shabbat"}, {}, {"Haftarah (first of rebuke)"}},
        {"Pinchas on the seventeenth of Tammuz", "Pinchas", 5600, true, false, 1, "Pinchas",
         "July 18, 1840 / 17 Tammuz, 5600", {"Shabbat"}, {}, {"Haftarah"}},
        // Shabbat Parah and HaChodesh: the fixture has no Haftarah for them.
        {"Vayakhel read apart, triennial: only the options of its key", "Vayakhel", 5785, false, true, 2, "Vayakhel",
         "Mar. 22, 2025 / 22 Adar, 5785", {"Triennial (read apart twice)"}, {}, {}},
        {"Pekudei in a year it is joined to Vayakhel", "Pekudei", 5780, false, false, 1, "Vayakhel+Pekudei",
         "Mar. 21, 2020 / 25 Adar, 5780", {"Shabbat"}, {}, {}},
        {"Vayakhel+Pekudei in a year they are apart", "Vayakhel+Pekudei", 5785, false, false, 1, "Vayakhel",
         "Mar. 22, 2025 / 22 Adar, 5785", {"Shabbat"}, {}, {}},
        {"Vayeilech in a year it is not read alone", "Vayeilech", 5785, false, false, 1, "Haazinu",
         "Oct. 5, 2024 / 3 Tishrei, 5785", {}, {}, {}},
        {"after Pesach, the Diaspora keeps the eighth day", "Acharei", 5782, false, false, 1, "Acharei",
         "Apr. 30, 2022 / 29 Nisan, 5782", {}, {}, {}},
        {"after Pesach, Israel reads on", "Acharei", 5782, true, false, 1, "Acharei", "Apr. 23, 2022 / 22 Nisan, 5782",
         {}, {}, {}},
        {"after Shavuos, the Diaspora keeps the second day", "Nasso", 5783, false, false, 1, "Nasso",
         "June 3, 2023 / 14 Sivan, 5783", {}, {}, {}},
        {"after Shavuos, Israel reads on", "Nasso", 5783, true, false, 1, "Nasso", "May 27, 2023 / 7 Sivan, 5783", {},
         {}, {}},
        {"Chukas joined to Balak in the Diaspora", "Chukas", 5783, false, false, 1, "Chukas+Balak",
         "July 1, 2023 / 12 Tammuz, 5783", {}, {}, {}},
        {"Chukas apart in Israel", "Chukas", 5783, true, false, 1, "Chukas", "June 24, 2023 / 5 Tammuz, 5783", {}, {},
         {}},
    };
    for (const Row& r : rows) {
        TOpenReadingModel model(Fixture(), r.year, {});
        model.SetIsrael(r.israel);
        model.SetTriennial(r.triennial);
        model.SetCycle(r.cycle);
        ASSERT_TRUE(model.SelectReading(r.chosen)) << r.what;
        EXPECT_EQ(model.ReadingName(), r.selected) << r.what;
        EXPECT_EQ(model.DateLine(), r.date) << r.what;
        EXPECT_EQ(TextsOf(model.Lists().torah), r.torah) << r.what;
        EXPECT_EQ(TextsOf(model.Lists().maftir), r.maftir) << r.what;
        EXPECT_EQ(TextsOf(model.Lists().haftarah), r.haftarah) << r.what;
        EXPECT_EQ(model.OpenTorahEnabled(), !r.torah.empty()) << r.what;
        EXPECT_EQ(model.OpenHaftarahEnabled(), !r.haftarah.empty()) << r.what;
    }
}

TEST(OpenReadingModel, PortionItemsFollowTheYear) {
    TOpenReadingModel model(Fixture(), 5785, {});
    const int shemos = 1, devarim2 = 5;
    const auto& items = ReadingGroups()[shemos].items;
    const int vayakhel = 9, joined = 10, pekudei = 11;
    ASSERT_EQ(items[joined], "Vayakhel+Pekudei");
    EXPECT_TRUE(model.ItemEnabled(shemos, vayakhel));
    EXPECT_TRUE(model.ItemEnabled(shemos, pekudei));
    EXPECT_FALSE(model.ItemEnabled(shemos, joined));
    EXPECT_FALSE(model.ItemEnabled(devarim2, 0));  // Vayeilech
    EXPECT_TRUE(model.ItemEnabled(devarim2, 1));   // Haazinu
    EXPECT_FALSE(model.ItemEnabled(kHolidayGroup, 16)) << "the hidden item";
    EXPECT_TRUE(model.ItemEnabled(kHolidayGroup, 0));

    // Changing the year moves the chosen portion to the one read that year.
    model.Select(shemos, vayakhel);
    model.SetYear(5780);
    EXPECT_FALSE(model.ItemEnabled(shemos, vayakhel));
    EXPECT_TRUE(model.ItemEnabled(shemos, joined));
    EXPECT_EQ(model.ReadingName(), "Vayakhel+Pekudei");
    EXPECT_EQ(model.Item(), joined);
}

TEST(OpenReadingModel, OneSelectionAcrossGroupsAndHolidays) {
    TOpenReadingModel model(Fixture(), 5785, {});
    EXPECT_EQ(model.Group(), -1);
    EXPECT_TRUE(model.Lists().torah.empty());
    model.SelectReading("Noach");
    ASSERT_FALSE(model.DateLine().empty());
    model.SelectReading("Megillas Esther");
    EXPECT_EQ(model.Group(), kHolidayGroup);
    EXPECT_TRUE(model.Holiday());
    EXPECT_EQ(model.Keys(), SabbathKeyValues{}) << "a holiday has no special keys and no Sabbath date";
    EXPECT_FALSE(model.OpenTorahEnabled());
    EXPECT_TRUE(model.OpenReadingEnabled());
    EXPECT_EQ(TextsOf(model.Lists().other), (Texts{"Whole Megillah", "Chapter 2"}));
    EXPECT_FALSE(model.SelectReading("Shabbat Nowhere"));
    EXPECT_EQ(model.ReadingName(), "Megillas Esther");
    model.Select(kHolidayGroup, 16);  // the hidden item cannot be chosen
    EXPECT_EQ(model.ReadingName(), "Megillas Esther");
}

TEST(OpenReadingModel, TorahOptionRule) {
    struct Row { const char* what; const char* reading; int option; bool maftir, haftarah, openHaftarah, openReading; };
    const Row rows[] = {
        {"a morning reading", "Tisha B'Av", 0, true, true, true, true},
        {"the afternoon of Tisha B'Av keeps everything", "Tisha B'Av", 1, true, true, true, true},
        {"an afternoon reading has no Maftir and no other reading", "Yom Kippur", 1, false, true, true, false},
        {"a weekday reading has neither Maftir nor Haftarah", "Noach", 1, false, false, false, false},
    };
    for (const Row& r : rows) {
        TOpenReadingModel model(Fixture(), 5784, {});
        model.SelectReading(r.reading);
        model.SelectTorahOption(r.option);
        EXPECT_EQ(model.MaftirEnabled(), r.maftir) << r.what;
        EXPECT_EQ(model.HaftarahEnabled(), r.haftarah) << r.what;
        EXPECT_EQ(model.OpenHaftarahEnabled(), r.openHaftarah) << r.what;
        EXPECT_EQ(model.OpenReadingEnabled(), r.openReading) << r.what;
        if (!r.openHaftarah) {
            EXPECT_EQ(model.Open(TOpenKind::Haftarah).title, "") << r.what;
        }
    }
}

TEST(OpenReadingModel, YearLabelsCycleRotationAndSettings) {
    TOpenReadingModel fresh(Fixture(), 5785, {});
    EXPECT_EQ(fresh.Year(), 5785);
    EXPECT_EQ(fresh.NextYearLabel(), "(2024/2025)");
    EXPECT_EQ(fresh.CycleLabel(), "This year's cycle:");
    EXPECT_EQ(fresh.Cycle(), 1) << "never set: this year is the first of the cycle";
    EXPECT_EQ(fresh.ToStore(), (TOpenReadingModel::Stored{false, 1, 5785}));

    TOpenReadingModel model(Fixture(), 5785, {true, 2, 5785});
    EXPECT_EQ(model.Cycle(), 2);
    model.SetYear(5786);
    EXPECT_EQ(model.Cycle(), 3);
    EXPECT_EQ(model.CycleLabel(), "Cycle for 5786:");
    EXPECT_EQ(model.NextYearLabel(), "(2025/2026)");
    model.SetCycle(1);
    EXPECT_EQ(model.ToStore(), (TOpenReadingModel::Stored{true, 3, 5785}));
    TOpenReadingModel restarted(Fixture(), 5785, model.ToStore());
    EXPECT_EQ(restarted.Cycle(), 3);
    EXPECT_TRUE(restarted.Triennial());

    model.SetYear(7000);
    EXPECT_EQ(model.Year(), 6000) << "the year stays inside the calendar's range";
}

// The reading offered on the very first start: the coming Sabbath's portion.
TEST(OpenReadingModel, ComingSabbathPortion) {
    struct Row { const char* what; CivilDate date; bool israel; TComingPortion expected; };
    const Row rows[] = {
        {"a Thursday", {27, 3, 2025}, false, {"Pekudei", 5785}},
        {"a Sabbath itself", {26, 10, 2024}, false, {"Bereishis", 5785}},
        {"the Sabbath is the eighth day of Pesach: the next one", {20, 4, 2022}, false, {"Acharei", 5782}},
        {"Israel reads that Sabbath", {20, 4, 2022}, true, {"Acharei", 5782}},
        {"the last week of the year: next year's first portion", {17, 9, 2025}, false, {"Nitzavim", 5785}},
    };
    for (const Row& r : rows) EXPECT_EQ(ComingSabbathPortion(r.date, r.israel), r.expected) << r.what;
}

}  // namespace
}  // namespace lyrasta
