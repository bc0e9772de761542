#include "chant/melody_rules.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace lyrasta {
namespace {

class MelodyRules : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(doc_.LoadFromFile(std::string(LYRASTA_TEST_DATA) + "/rules.xml"));
        style_ = doc_.Root()->ChildByName("Style");
        ASSERT_NE(style_, nullptr);
    }

    // The pitch of the chosen variant's first note: which variant was chosen; -1 for none.
    double Chosen(const RuleContext& c) const {
        const TStyleIndex index(style_);
        const Melody* m = index.Find(c);
        return !m || m->empty() ? -1 : m->front().pitch - 100;
    }

    TXMLParser doc_;
    const TXMLelement* style_ = nullptr;
};

RuleContext Ctx(const char* trope) {
    RuleContext c;
    c.trope = trope;
    c.groupPosition = "MIDDLE";
    return c;
}

TEST_F(MelodyRules, VariantWalkFallsBackToDefaults) {
    const struct { const char* name; RuleContext context; double chosen; } rows[] = {
        {"a single variant holds whatever its conditions", Ctx("Single"), 1},
        {"the later of two defaults", Ctx("TwoDefaults"), 3},
        {"a matching variant after a default", [] { auto c = Ctx("TwoDefaults"); c.tropeAfter = "TIPCHA"; return c; }(), 2},
        {"no default and no match: the first variant", Ctx("NoDefault"), 1},
        {"the first passing variant wins", [] { auto c = Ctx("NoDefault"); c.tropeBefore = "TIPCHA"; return c; }(), 2},
        {"trope names ignore case", Ctx("single"), 1},
        {"sof pasuk is sung as silluq", Ctx("SOF_PASUK"), 17},
        {"unknown trope", Ctx("NOTHING"), -1},
        {"empty trope", Ctx(""), -1},
        {"variant without notes", Ctx("NoNotes"), -1},
    };
    for (const auto& r : rows) EXPECT_EQ(Chosen(r.context), r.chosen) << r.name;
}

TEST_F(MelodyRules, ConditionsOfTheVerseEnd) {
    auto silluq = [](auto change) {
        RuleContext c = Ctx("SILLUQ");
        change(c);
        return c;
    };
    const struct { const char* name; RuleContext context; double chosen; } rows[] = {
        {"marker bit 256", silluq([](RuleContext& c) { c.songOfMoses = kHalvikShortSofPasuk | kMosesSofPasuk; }), 10},
        {"another marker bit only", silluq([](RuleContext& c) { c.songOfMoses = kHalvikSofPasuk; }), 17},
        {"End_Of_Aliyah never matches; group 4 is a sof pasuk group",
         silluq([](RuleContext& c) { c.tropeGroup = 4; c.endOfAliyah = true; }), 12},
        {"end of aliyah flag without its group", silluq([](RuleContext& c) { c.tropeGroup = 1; }), 17},
        {"journey 1", silluq([](RuleContext& c) { c.journey = 1; }), 13},
        {"journey 2 is not journey 1", silluq([](RuleContext& c) { c.journey = 2; }), 17},
        {"special attribute, any case", silluq([](RuleContext& c) { c.specialAttribute = "SHIRAH"; }), 14},
        {"a special attribute matches only its own variants: none here, so the first",
         silluq([](RuleContext& c) { c.specialAttribute = "other"; c.journey = 1; }), 10},
        {"BEFORE compares exactly", silluq([](RuleContext& c) { c.tropeAfter = "TIPCHA"; }), 17},
        {"group position ignores case, MILEIL needs the flag",
         silluq([](RuleContext& c) { c.groupPosition = "START"; c.mileil = true; }), 16},
        {"MILEIL TRUE without the flag", silluq([](RuleContext& c) { c.groupPosition = "START"; }), 17},
    };
    for (const auto& r : rows) EXPECT_EQ(Chosen(r.context), r.chosen) << r.name;
}

TEST_F(MelodyRules, NeighbourAndFlagConditions) {
    auto munach = [](auto change) {
        RuleContext c = Ctx("MUNACH");
        change(c);
        return c;
    };
    const struct { const char* name; RuleContext context; double chosen; } rows[] = {
        {"all four neighbours", munach([](RuleContext& c) {
             c.tropeBefore = "MERCHA"; c.tropeBeforeThat = "TIPCHA"; c.tropeAfter = "ZAKEF_KATON"; c.tropeAfterThat = "SOF_PASUK";
         }), 1},
        {"three of four neighbours", munach([](RuleContext& c) {
             c.tropeBefore = "MERCHA"; c.tropeBeforeThat = "TIPCHA"; c.tropeAfter = "ZAKEF_KATON";
         }), 5},
        {"on one word at the start of a verse", munach([](RuleContext& c) { c.onOneWord = true; c.startOfVerse = true; }), 2},
        {"on one word alone", munach([](RuleContext& c) { c.onOneWord = true; }), 5},
        {"end of book and chapter", munach([](RuleContext& c) { c.endOfBook = true; c.endOfChapter = true; }), 3},
        {"creation day on a first-syllable stress", munach([](RuleContext& c) { c.creationDay = true; c.noPretonic = true; }), 4},
    };
    for (const auto& r : rows) EXPECT_EQ(Chosen(r.context), r.chosen) << r.name;
}

TEST_F(MelodyRules, NotesReadTheirAttributes) {
    const TStyleIndex index(style_);
    ASSERT_NE(index.Find(Ctx("MUNACH")), nullptr);
    const Melody m = *index.Find(Ctx("MUNACH"));
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[0].pitch, 105);
    EXPECT_EQ(m[0].duration, 8);
    EXPECT_TRUE(m[0].upbeat);    // "true" counts in any case
    EXPECT_TRUE(m[0].tied);      // any Continue text ties
    EXPECT_FALSE(m[0].tiedTrue); // but only "TRUE" counts as a continued upbeat
    EXPECT_EQ(m[1].pitch, 14);
    EXPECT_TRUE(m[1].extra);
    EXPECT_EQ(m[1].duration, 0); // missing: sung as a quarter
    EXPECT_EQ(m[2].pitch, 7.5);
    EXPECT_FALSE(m[2].extra);    // an upbeat is never an extra
    const strucMelodyCounts counts = MelodyCounts(&m);
    EXPECT_EQ(counts.upbeats, 2);
    EXPECT_EQ(counts.extras, 1);
    EXPECT_EQ(counts.main, 0);
}

TEST(PitchNames, ScaleNamesAndNumbers) {
    const struct { const char* text; double value; } rows[] = {
        {"3", 1}, {"4-", 2}, {"6/", 5.5}, {"1", 10}, {"c/", 12.5}, {"c", 13}, {"b-", 23}, {"C", 25},
        {"A", 34}, {"I#", 40}, {"J-", 40}, {"17.5", 17.5}, {"-2", -2}, {"Q", 0}, {"", 0},
    };
    for (const auto& r : rows) EXPECT_EQ(PitchValue(r.text), r.value) << r.text;
}

TEST(PitchNames, QuarterTonesAreNamedAsTheMelodiesWriteThem) {
    // Below a natural note it is lowered ("b/"); below a sharp the note under it is raised.
    const struct { double value; const char* name; } rows[] = {
        {23.5, "b/"}, {22.5, "ax"}, {16.5, "e/"}, {13.5, "cx"}, {22, "a"}, {17.25, "17.25"}};
    for (const auto& r : rows) {
        EXPECT_EQ(PitchName(r.value), r.name) << r.value;
        if (r.value * 2 == static_cast<int>(r.value * 2)) EXPECT_EQ(PitchValue(r.name), r.value) << r.name;
    }
}

TEST(PitchNames, HighLastComparesTheLastTwoMainNotes) {
    const auto note = [](double p, bool extra = false) { MelodyNote n; n.pitch = p; n.extra = extra; return n; };
    const struct { const char* name; Melody melody; bool high; } rows[] = {
        {"rising", {note(20), note(22)}, true},
        {"falling", {note(22), note(20)}, false},
        {"extras do not count", {note(20), note(22), note(10, true)}, true},
        {"one note", {note(20)}, false},
    };
    for (const auto& r : rows) EXPECT_EQ(MelodyCounts(&r.melody).highLast, r.high) << r.name;
}

}  // namespace
}  // namespace lyrasta
