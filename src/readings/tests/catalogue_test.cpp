// The readings catalogue: finding a reading, filling the option lists by cycle and special
// keys, and turning a choice into the reading to load (titles, subtitles, the Rosh Chodesh
// and Erev Rosh Chodesh additions, the Maftir rules, the manage-sections lines), over a small
// catalogue of real portions and holidays and the Sabbaths of real years.

#include <gtest/gtest.h>

#include "readings/open_reading_model.h"
#include "text/data_files.h"

namespace lyrasta {
namespace {

const std::filesystem::path kTestData = LYRASTA_TEST_DATA;

TCatalogue& Fixture() {
    static TCatalogue catalogue = [] {
        TCatalogue c;
        std::string error;
        EXPECT_TRUE(c.Load(kTestData, "sedrot-fixture.xml", &error)) << error;
        return c;
    }();
    return catalogue;
}

std::vector<std::string> Texts(const std::vector<TOptionItem>& list) {
    std::vector<std::string> texts;
    for (const TOptionItem& i : list) texts.push_back(i.text);
    return texts;
}

TEST(Catalogue, ReadingElementIgnoresCaseAndTakesTheFirst) {
    TCatalogue c;
    ASSERT_TRUE(c.LoadFromText(R"(<r><s Name="Noach" n="1"/><s Name="NOACH" n="2"/><s Name="Bo"/></r>)"));
    ASSERT_NE(c.ReadingElement("noach"), nullptr);
    EXPECT_EQ(c.ReadingElement("noach")->AttributeValue("n"), "1");
    EXPECT_EQ(c.ReadingElement("Lech Lecha"), nullptr);
    EXPECT_EQ(c.ReadingElement(""), nullptr);
}

TEST(Catalogue, MalformedOrMissingFile) {
    TCatalogue c;
    std::string error;
    EXPECT_FALSE(c.LoadFromText("</r>", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(c.Load(kTestData, "no-such-catalogue.xml"));
    EXPECT_EQ(c.Root(), nullptr);
    EXPECT_EQ(c.ReadingElement("Noach"), nullptr);
    const TOptionLists lists = FillOptionLists(nullptr, {}, false, "0");
    EXPECT_TRUE(lists.torah.empty() && lists.haftarah.empty() && lists.other.empty());
    EXPECT_FALSE(lists.openTorah || lists.openHaftarah || lists.openReading);
}

// The Torah options by cycle: annual ones with the Shvi'i suffix, triennial ones by key,
// those of Cycle 4 and 5 in both modes without the suffix.
TEST(Catalogue, TorahOptionsByCycle) {
    TCatalogue c;
    ASSERT_TRUE(c.LoadFromText(R"(<r><s Name="X">
        <o Name="Annual" Type="Torah" Cycle="0"/>
        <o Name="First year" Type="Torah" Cycle="1"/>
        <o Name="Second, apart" Type="HiHoliday" Cycle="2SST"/>
        <o Name="Weekday" Type="Torah" Cycle="4"/>
        <o Name="Festival" Type="Torah" Cycle="5"/>
        <o Name="Maftir" Type="Maftir" Cycle="0"/>
        <o Name="Maftir 1" Type="Maftir" Cycle="1"/>
        <o Name="Haftarah, second year" Type="Haftarah" Cycle="2SST"/>
        <o Name="Haftarah" Type="Haftarah"/>
        <o Name="Special" Type="Haftarah" Special="Shabbas Rosh Chodesh"/>
        <o Name="Scroll" Type="Esther"/></s></r>)"));
    SabbathKeyValues keys;
    keys.suffix = " (Shvi'i:Rosh Chodesh)";
    const TXMLelement* x = c.ReadingElement("X");
    struct Row {
        const char* what;
        bool triennial;
        const char* key;
        std::vector<std::string> torah, maftir, haftarah;
    };
    // A triennial Haftarah is offered in its own cycle only, never in the annual one.
    const Row rows[] = {
        {"annual", false, "2SST", {"Annual (Shvi'i:Rosh Chodesh)", "Weekday", "Festival"}, {"Maftir"}, {"Haftarah"}},
        {"first year", true, "1", {"First year (Shvi'i:Rosh Chodesh)", "Weekday", "Festival"}, {"Maftir", "Maftir 1"},
         {"Haftarah"}},
        {"second year, apart", true, "2SST", {"Second, apart (Shvi'i:Rosh Chodesh)", "Weekday", "Festival"},
         {"Maftir"}, {"Haftarah, second year", "Haftarah"}},
        {"third year", true, "3", {"Weekday", "Festival"}, {"Maftir"}, {"Haftarah"}},
    };
    for (const Row& r : rows) {
        const TOptionLists lists = FillOptionLists(x, keys, r.triennial, r.key);
        EXPECT_EQ(Texts(lists.torah), r.torah) << r.what;
        EXPECT_EQ(Texts(lists.maftir), r.maftir) << r.what;
        EXPECT_EQ(Texts(lists.haftarah), r.haftarah) << r.what;
        EXPECT_EQ(Texts(lists.other), std::vector<std::string>{"Scroll"}) << r.what;
        // Each item leads back to its option element.
        for (const TOptionItem& item : lists.torah)
            EXPECT_EQ(item.text.substr(0, 4), x->ChildByIndex(item.element)->AttributeValue("Name").substr(0, 4));
    }
    keys.maftir = keys.haftarah = "Shabbas Rosh Chodesh";
    const TOptionLists special = FillOptionLists(x, keys, false, "0");
    EXPECT_TRUE(special.maftir.empty());
    EXPECT_EQ(Texts(special.haftarah), std::vector<std::string>{"Special"});
}

// A sixth reading that cannot be spliced (no seventh) stays as it is; the seventh is still
// the Rosh Chodesh reading.
TEST(Catalogue, RoshChodeshSeventhWithoutASeventhInTheFile) {
    TCatalogue c;
    ASSERT_TRUE(c.LoadFromText(R"(<r><o Name="A" Type="Torah" Shishi="GEN1:1-1:5"/></r>)"));
    SabbathKeyValues keys;
    keys.roshChodesh = true;
    const TReadingSections s = OptionSections(*c.Root()->ChildByIndex(0), keys);
    EXPECT_EQ(s.Shishi, "GEN1:1-1:5");
    EXPECT_EQ(s.Shvii, "NUM28:9-28:15");
}

struct OpenRow {
    const char* what;
    const char* reading;
    std::int32_t year;
    bool israel;
    TOpenKind kind;
    int option;  // item of the kind's list
    TOpenedReading expected;
};

TOpenedReading Open(const OpenRow& r) {
    TOpenReadingModel model(Fixture(), r.year, {});
    model.SetIsrael(r.israel);
    EXPECT_TRUE(model.SelectReading(r.reading)) << r.what;
    switch (r.kind) {
    case TOpenKind::Torah: model.SelectTorahOption(r.option); break;
    case TOpenKind::Haftarah: model.SelectHaftarah(r.option); break;
    case TOpenKind::Reading: model.SelectOther(r.option); break;
    }
    return model.Open(r.kind);
}

TReadingSections Sections(std::initializer_list<std::pair<const char*, const char*>> values) {
    TReadingSections s;
    for (const auto& [name, value] : values) s.Set(name, value);
    return s;
}

void ExpectOpened(const OpenRow& r) {
    const TOpenedReading got = Open(r);
    const TOpenedReading& want = r.expected;
    EXPECT_EQ(got.title, want.title) << r.what;
    EXPECT_EQ(got.subtitle, want.subtitle) << r.what;
    EXPECT_EQ(got.type, want.type) << r.what;
    EXPECT_EQ(got.typeAux, want.typeAux) << r.what;
    EXPECT_EQ(got.wrapped, want.wrapped) << r.what;
    // The manage lines name every present section with its value; the notes come apart.
    EXPECT_EQ(ManageSectionLines(got.sections), ManageSectionLines(want.sections)) << r.what;
    EXPECT_EQ(got.sections.RNote, want.sections.RNote) << r.what;
    if (!want.manage.empty()) {
        EXPECT_EQ(got.manage, want.manage) << r.what;
    }
}

TEST(OpenChosenReading, SabbathReadings) {
    constexpr auto Torah = TOpenKind::Torah, Haftarah = TOpenKind::Haftarah;
    const OpenRow rows[] = {
        {"an ordinary Sabbath: the Maftir comes from the Maftir list", "Noach", 5784, false, Torah, 0,
         {"Noach: Shabbat", "", "Torah", "", false,
          Sections({{"Kohen", "GEN6:9-6:22"}, {"Levi", "GEN7:1-7:16"}, {"Shlishi", "GEN7:17-8:14"},
                    {"Revii", "GEN8:15-9:7"}, {"Chamishi", "GEN9:8-9:17"}, {"Shishi", "GEN9:18-10:32"},
                    {"Shvii", "GEN11:1-11:32"}, {"Maftir", "GEN11:29-11:32"}}), {}}},
        {"Shabbat Rosh Chodesh: the Rosh Chodesh Maftir, the Sabbath named in the subtitle", "Noach", 5785, false,
         Torah, 0,
         {"Noach: Shabbat", "Shabbas Rosh Chodesh", "Torah", "", false,
          Sections({{"Kohen", "GEN6:9-6:22"}, {"Levi", "GEN7:1-7:16"}, {"Shlishi", "GEN7:17-8:14"},
                    {"Revii", "GEN8:15-9:7"}, {"Chamishi", "GEN9:8-9:17"}, {"Shishi", "GEN9:18-10:32"},
                    {"Shvii", "GEN11:1-11:32"}, {"Maftir", "NUM28:9-28:15"}}), {}}},
        {"the weekday reading: no subtitle and no Maftir", "Noach", 5785, false, Torah, 1,
         {"Noach: Weekday", "", "Torah", "", false,
          Sections({{"Kohen", "GEN6:9-6:16"}, {"Levi", "GEN6:17-6:19"}, {"Shlishi", "GEN6:20-6:22"}}), {}}},
        {"Shabbat Rosh Chodesh Haftarah", "Noach", 5785, false, Haftarah, 0,
         {"Noach: Haftarah - Shabbas Rosh Chodesh", "Shabbas Rosh Chodesh", "Haftarah", "", false,
          Sections({{"R1", "ISA66:1-66:24"}, {"R2", "ISA66:23-66:23"}, {"R2Note", "Repeat the first verse:"}}), {}}},
        {"the Sephardi Haftarah", "Noach", 5784, false, Haftarah, 1,
         {"Noach: Haftarah - Sephardi custom", "", "Haftarah", "", false, Sections({{"R1", "ISA54:1-54:10"}}), {}}},
        {"Chanukah on Rosh Chodesh: the sixth runs through the seventh, Rosh Chodesh seventh, Chanukah Maftir",
         "Mikeitz", 5786, false, Torah, 0,
         {"Mikeitz: Shabbat (Shvi'i:Rosh Chodesh)", "Chanukah Day 6", "Torah", "", false,
          Sections({{"Kohen", "GEN41:1-41:14"}, {"Levi", "GEN41:15-41:38"}, {"Shlishi", "GEN41:39-41:52"},
                    {"Revii", "GEN41:53-42:18"}, {"Chamishi", "GEN42:19-43:15"}, {"Shishi", "GEN43:16-44:17"},
                    {"Shvii", "NUM28:9-28:15"}, {"Maftir", "NUM7:42-7:47"}}), {}}},
        {"Chanukah on Rosh Chodesh: the Haftarah adds the Rosh Chodesh verses", "Mikeitz", 5786, false, Haftarah, 0,
         {"Mikeitz: Haftarah - Shabbas Chanukah", "Chanukah Day 6", "Haftarah", "", false,
          Sections({{"R1", "ZEC2:14-4:7"}, {"R2", "ISA66:1-66:1"}, {"R3", "ISA66:23-66:23"},
                    {"R2Note", "Some congregations add the first and last verses of the Haftarah for Rosh Chodesh:"}}),
          {}}},
        {"Shekalim on Rosh Chodesh", "Terumah", 5785, false, Torah, 0,
         {"Terumah: Shabbat (Shvi'i:Rosh Chodesh)", "Shabbas Shekalim", "Torah", "", false,
          Sections({{"Kohen", "EXO25:1-25:16"}, {"Levi", "EXO25:17-25:30"}, {"Shlishi", "EXO25:31-26:14"},
                    {"Revii", "EXO26:15-26:30"}, {"Chamishi", "EXO26:31-26:37"}, {"Shishi", "EXO27:1-27:19"},
                    {"Shvii", "NUM28:9-28:15"}, {"Maftir", "EXO30:11-30:16"}}), {}}},
        {"HaChodesh on the eve of Rosh Chodesh: the Haftarah adds the Erev Rosh Chodesh verses", "Pekudei", 5785,
         false, Haftarah, 0,
         {"Pekudei: Haftarah - HaChodesh", "Shabbas HaChodesh", "Haftarah", "", false,
          Sections({{"R1", "EZK45:16-46:18"}, {"R2", "1SA20:18-20:18"}, {"R3", "1SA20:42-20:42"},
                    {"R2Note", "Some congregations add the first and last verses of the Haftarah for Erev Rosh Chodesh:"}}),
          {}}},
        {"HaGadol: its own Haftarah, no subtitle", "Tzav", 5785, false, Haftarah, 0,
         {"Tzav: Haftarah - Shabbas HaGadol", "", "Haftarah", "", false, Sections({{"R1", "MAL3:4-3:24"}}), {}}},
        {"Pinchas after the seventeenth of Tammuz", "Pinchas", 5600, false, Haftarah, 0,
         {"Pinchas: Haftarah - Haftarah (first of rebuke)", "", "Haftarah", "", false,
          Sections({{"R1", "JER1:1-2:3"}}), {}}},
        {"Pinchas before it (Israel reads it a week earlier)", "Pinchas", 5600, true, Haftarah, 0,
         {"Pinchas: Haftarah", "", "Haftarah", "", false, Sections({{"R1", "1KI18:46-19:21"}}), {}}},
    };
    for (const OpenRow& r : rows) ExpectOpened(r);
}

TEST(OpenChosenReading, HolidayAndMegillahReadings) {
    constexpr auto Torah = TOpenKind::Torah, Haftarah = TOpenKind::Haftarah, Reading = TOpenKind::Reading;
    const OpenRow rows[] = {
        {"the melody's name is cut from the title", "Yom Kippur", 5785, false, Torah, 0,
         {"Yom Kippur: Shacharis", "", "HiHoliday", "", false,
          Sections({{"Kohen", "LEV16:1-16:6"}, {"Levi", "LEV16:7-16:11"}, {"Shlishi", "LEV16:12-16:17"},
                    {"Revii", "LEV16:18-16:24"}, {"Chamishi", "LEV16:25-16:30"}, {"Shishi", "LEV16:31-16:34"},
                    {"Maftir", "NUM29:7-29:11"}}), {}}},
        {"a placeholder Maftir is listed but not read", "Tisha B'Av", 5785, false, Torah, 0,
         {"Tisha B'Av: Shacharis", "", "Torah", "", false,
          Sections({{"Kohen", "DEU4:25-4:29"}, {"Levi", "DEU4:30-4:35"}, {"Shlishi", "DEU4:36-4:40"}}),
          {"Kohen: DEU4:25-4:29", "Levi: DEU4:30-4:35", "Shlishi: DEU4:36-4:40", "Maftir: Dummy for display"}}},
        {"a Haftarah named for its melody is titled plainly and sung in a second melody", "Tisha B'Av", 5785, false,
         Haftarah, 0,
         {"Tisha B'Av: Haftarah", "", "Haftarah", "Eichah", false, Sections({{"R1", "JER8:13-9:23"}}), {}}},
        {"another reading", "Tisha B'Av", 5785, false, Reading, 0,
         {"Tisha B'Av: Reading - Kinos", "", "Eichah", "", false, Sections({{"R1", "LAM1:1-1:22"}}), {}}},
        {"a Megillah is titled by its name alone and shown wrapped", "Megillas Esther", 5785, false, Reading, 1,
         {"Megillas Esther", "", "Esther", "", true, Sections({{"R1", "EST2:1-2:23"}}), {}}},
        {"Simchas Torah: the honours, listed after the Maftir", "simchas torah", 5785, false, Torah, 0,
         {"Simchas Torah: Simchas Torah", "", "Torah", "", false,
          Sections({{"Kohen", "DEU33:1-33:7"}, {"Levi", "DEU33:8-33:12"}, {"Shlishi", "DEU33:13-33:17"},
                    {"Revii", "DEU33:18-33:21"}, {"Chamishi", "DEU33:22-33:26"}, {"Maftir", "NUM29:35-30:1"},
                    {"ChatanHaTorah", "DEU33:27-34:12"}, {"ChatanBereishisBara", "GEN1:1-2:3"}}),
          {"Kohen: DEU33:1-33:7", "Levi: DEU33:8-33:12", "Shlishi: DEU33:13-33:17", "Revii: DEU33:18-33:21",
           "Chamishi: DEU33:22-33:26", "Maftir: NUM29:35-30:1", "Chatan HaTorah: DEU33:27-34:12",
           "Chatan Bereishis Bara: GEN1:1-2:3"}}},
    };
    for (const OpenRow& r : rows) ExpectOpened(r);
}

// A triennial option with its own Maftir ignores the Maftir list.
TEST(OpenChosenReading, TriennialOptionKeepsItsOwnMaftir) {
    TOpenReadingModel model(Fixture(), 5784, {true, 1, 5784});
    ASSERT_EQ(model.Cycle(), 1);
    model.SelectReading("Noach");
    ASSERT_EQ(Texts(model.Lists().torah), (std::vector<std::string>{"Triennial 1", "Weekday"}));
    ASSERT_EQ(Texts(model.Lists().maftir), std::vector<std::string>{"Maftir"});
    EXPECT_EQ(model.Open(TOpenKind::Torah).sections.Maftir, "GEN7:22-7:24");
}

}  // namespace
}  // namespace lyrasta
