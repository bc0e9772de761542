#include "chant/melody_styles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace lyrasta {
namespace {

using ::testing::ElementsAre;

class MelodyStyles : public ::testing::Test {
protected:
    void SetUp() override {
        docs_.LoadTropeDefinitions(std::string(LYRASTA_TEST_DATA) + "/styles", nullptr);
        ASSERT_NE(docs_.DefinitionsRoot(), nullptr);
    }

    std::string Attr(const TXMLelement* e, const char* name) const { return e ? e->AttributeValue(name) : "-"; }

    TTropeDefinitions docs_;
    std::vector<std::string> shown_;
    TMelodyStyles styles_{docs_, [this](const std::string& caption, const std::string& text) {
                              shown_.push_back(caption + "|" + text);
                          }};
};

TEST_F(MelodyStyles, CatalogueKeepsDuplicatesAndTheLaterSavedChoice) {
    styles_.BuildStyleCatalogue({{"Torah", "Litvish"}, {"Haftarah", "Gone"}});
    EXPECT_THAT(styles_.StyleNames("Torah"), ElementsAre("Litvish", "Litvish", "Yerushalmi"));
    EXPECT_EQ(styles_.ChosenIndex("Torah"), 1);
    EXPECT_EQ(styles_.ChosenIndex("Haftarah"), -1);  // a saved style that no longer exists
    EXPECT_TRUE(styles_.StyleNames("Purim").empty());
    EXPECT_EQ(styles_.HelpText("Haftarah"), "NAVI: prophets\r\n\r\n");
    EXPECT_EQ(styles_.SaveStyleChoices(), (std::map<std::string, std::string>{{"Torah", "Litvish"}}));

    // Activation finds the first style of the name.
    styles_.SetReadingTypes("Torah", "");
    EXPECT_TRUE(styles_.ChooseReadingStyles());
    EXPECT_EQ(Attr(styles_.CurrentStyle(), "Description"), "first of its name");
    EXPECT_TRUE(shown_.empty());
}

TEST_F(MelodyStyles, FirstReadingOfATypeWarnsAndChoosesItsFirstStyle) {
    styles_.BuildStyleCatalogue({});
    styles_.SetReadingTypes("Torah", "");
    EXPECT_TRUE(styles_.ChooseReadingStyles());
    EXPECT_THAT(shown_, ElementsAre(
        "Warning|You have not yet set a melody style for Torah. The \"Litvish\" style has been set for you.  "
        "If this is not correct, change the \"Melody\" setting in the toolbar on the top of the screen."));
    EXPECT_EQ(styles_.ChosenIndex("Torah"), 0);
    EXPECT_FALSE(styles_.Display().twoMelodies);
    EXPECT_EQ(styles_.Display().mainIndex, 0);
    EXPECT_THAT(styles_.SpecialMelodyLocations(), ElementsAre("EXO15:1", "gen1:1"));
    EXPECT_EQ(Attr(styles_.SpecialMelodyItems()[1], "TIP"), "Bereshit");

    shown_.clear();
    EXPECT_TRUE(styles_.ChooseReadingStyles());  // chosen now: no second warning
    EXPECT_TRUE(shown_.empty());
}

TEST_F(MelodyStyles, ReadingWithASecondMelodyTypeShowsBothAndStartsWithTheMain) {
    styles_.BuildStyleCatalogue({});
    styles_.SetReadingTypes("Haftarah", "Eichah");
    EXPECT_TRUE(styles_.ChooseReadingStyles());
    const strucMelodyDisplay& d = styles_.Display();
    EXPECT_TRUE(d.twoMelodies);
    EXPECT_EQ(d.lblMelodyMain, "Haftarah: Navi");
    EXPECT_EQ(d.lblMelodyAux, "Eichah: Kinah");
    EXPECT_EQ(d.dialogMainLabel, "Main melody - Haftarah:");
    EXPECT_EQ(d.dialogAuxLabel, "Secondary melody - Eichah:");
    EXPECT_EQ(Attr(styles_.CurrentStyle(), "Name"), "Navi");
    ASSERT_EQ(shown_.size(), 2u);
    EXPECT_EQ(shown_[1],
              "Warning|You have not yet set a melody style for the second melody type:Eichah used for this "
              "reading. The \"Kinah\" style has been set for you.  If this is not correct, change the "
              "\"Secondary melody\" setting in the toolbar on the top of the screen.");
}

TEST_F(MelodyStyles, ActivationFailures) {
    // A style without its trope names stays current but is reported.
    EXPECT_FALSE(styles_.ActivateStyle("Yerushalmi", "TORAH"));
    EXPECT_EQ(Attr(styles_.CurrentStyle(), "Name"), "Yerushalmi");
    EXPECT_EQ(styles_.CurrentEncoding(), nullptr);
    // An unknown style leaves none current.
    EXPECT_FALSE(styles_.ActivateStyle("Nusach", "Torah"));
    EXPECT_EQ(styles_.CurrentStyle(), nullptr);
    ASSERT_EQ(shown_.size(), 2u);
    EXPECT_THAT(shown_[0], ::testing::StartsWith("Parse Error|"));
    EXPECT_THAT(shown_[1], ::testing::StartsWith("Parse Error getting style|"));

    // A type without styles selects nothing and fails the same way.
    shown_.clear();
    styles_.BuildStyleCatalogue({});
    styles_.SetReadingTypes("Esther", "");
    EXPECT_FALSE(styles_.ChooseReadingStyles());
    EXPECT_THAT(shown_, ElementsAre(::testing::StartsWith("Parse Error getting style|")));
}

TEST_F(MelodyStyles, StyleOptions) {
    const strucStyleOptions first = ReadStyleOptions(StyleByNameAndType(docs_.DefinitionsRoot(), "Litvish", "Torah"));
    EXPECT_EQ(first.pitchBend, 2);
    EXPECT_TRUE(first.assimilatePitch);  // "true" counts
    EXPECT_FALSE(first.assimilateRhythm);
    EXPECT_TRUE(first.adjustHighMileil);  // absent counts as on
    const strucStyleOptions navi = ReadStyleOptions(StyleByNameAndType(docs_.DefinitionsRoot(), "Navi", "Haftarah"));
    EXPECT_EQ(navi.pitchBend, -3);
    const strucStyleOptions second = ReadStyleOptions(docs_.DefinitionsRoot()->ChildByIndex(1));
    EXPECT_FALSE(second.adjustHighMileil);  // "false" in any case
}

}  // namespace
}  // namespace lyrasta
