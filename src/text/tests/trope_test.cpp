#include <gtest/gtest.h>

#include <vector>

#include "text/trope_codes.h"
#include "text/trope_definitions.h"

namespace lyrasta {
namespace {

TEST(TropeInfo, NamesPositionsAndDisjunctiveFlags) {
    struct Case {
        const char* code;
        bool azla;
        const char* name;
        const char* position;
        bool disjunctive;
    };
    const Case cases[] = {
        {"00", false, "SOF_PASUK", "LEFT", true},
        {"31", false, "SEGOL", "LEFT", true},
        {"13", false, "TIPCHA", "RIGHT", true},
        {"33", false, "DOUBLE_PASHTA", "LEFT", true},
        {"1462", false, "TELISHA_GEDOLA_AND_GERSHAYIM", "RIGHT", true},
        {"24", false, "TELISHA_KETANA", "LEFT", false},
        {"63", false, "KADMA", "Med", false},
        {"95", false, "METEG", "MED", false},
        {"05", false, "PESIK", "LEFT", true},
        {"61", false, "GERESH", "MED", true},
        {"61", true, "AZLA", "MED", true},
        {"99", false, "MUNACH", "MED", false},
        {"V:", false, "V:", "MED", true},
        {"Vl2", false, "Vl2", "MED", true},
        {"V2l", false, "V2l", "MED", false},
        {"V", false, "V", "MED", false},
        {"", false, "", "", false},
    };
    for (const Case& c : cases) {
        const TropeInfoResult r = TropeInfo(c.code, "", c.azla);
        EXPECT_EQ(r.name, c.name) << c.code;
        EXPECT_EQ(r.position, c.position) << c.code;
        EXPECT_EQ(r.disjunctive, c.disjunctive) << c.code;
    }
}

class TropeDefinitionsTest : public testing::Test {
protected:
    void SetUp() override {
        defs.LoadTropeDefinitions(std::string(LYRASTA_TEST_DATA) + "/trope",
                                  [this](const std::string& title, const std::string& text) {
                                      messages.push_back(title + ": " + text);
                                  });
    }
    TTropeDefinitions defs;
    std::vector<std::string> messages;
};

TEST_F(TropeDefinitionsTest, FilesOfOneKindMergeAndParseErrorsAreReported) {
    EXPECT_EQ(messages, (std::vector<std::string>{
                            "Trope Def Parse Error: Encodings/tropedef2.xml: undefined error",
                            "Trope Names Parse Error: Encodings/tropenames2.xml: Element name must begins with valid character"}));
    const TXMLelement* root = defs.DefinitionsRoot();
    ASSERT_NE(root, nullptr);
    // The styles before the error in the second file stay; the third file is still read.
    EXPECT_NE(StyleByNameAndType(root, "sephardi", "TORAH"), nullptr);
    EXPECT_EQ(StyleByNameAndType(root, "Never", "Torah"), nullptr);
    EXPECT_NE(StyleByNameAndType(root, "Yemenite", "esther"), nullptr);
    const TXMLelement* haftarah = StyleByNameAndType(root, "ASHKENAZI", "haftarah");
    ASSERT_NE(haftarah, nullptr);
    EXPECT_EQ(haftarah, root->ChildByIndex(1));
    EXPECT_EQ(StyleByNameAndType(root, "Ashkenazi", "Esther"), nullptr);
}

TEST_F(TropeDefinitionsTest, ReloadKeepsEarlierNamesFirstAndDoesNotDuplicateStyles) {
    const int styles = defs.DefinitionsRoot()->ChildCount();
    defs.LoadTropeDefinitions(std::string(LYRASTA_TEST_DATA) + "/trope", nullptr);
    EXPECT_EQ(defs.DefinitionsRoot()->ChildCount(), styles);
    // An encoding of the same name in a later file is found after the first one.
    const TXMLelement* enc = ChildByNameAttribute(defs.NamesRoot(), "ASHKENAZI");
    EXPECT_EQ(TropeNameIn(enc, "MUNACH", "", false).latin, "Munach");
}

TEST_F(TropeDefinitionsTest, TropeNamesInAnEncoding) {
    const TXMLelement* enc = ChildByNameAttribute(defs.NamesRoot(), "Ashkenazi");
    ASSERT_NE(enc, nullptr);
    struct Case {
        const char* trope;
        const char* context;
        bool finalStress;
        const char* latin;
        const char* hebrew;
    };
    const Case cases[] = {
        {"MUNACH", "", false, "Munach", "munach-he"},
        {"munach", "ZAKEF_KATON", false, "Munach Zakef", "munach-zakef-he"},
        {"MUNACH", "TIPCHA", false, "Munach", "munach-he"},
        {"V:", "", false, "Verse mark", "v-he"},
        {"V:", "", true, "Meteg", "meteg-he"},
        {"ZARKA", "", false, "", ""},
    };
    for (const Case& c : cases) {
        const TropeNames n = TropeNameIn(enc, c.trope, c.context, c.finalStress);
        EXPECT_EQ(n.latin, c.latin) << c.trope << " " << c.context;
        EXPECT_EQ(n.hebrew, c.hebrew) << c.trope << " " << c.context;
    }
    EXPECT_EQ(TropeNameIn(nullptr, "MUNACH", "", false).latin, "");
}

TEST(TropeDefinitions, NoFilesLeaveEmptyDocuments) {
    TTropeDefinitions defs;
    defs.LoadTropeDefinitions("/nonexistent/lyrasta", nullptr);
    EXPECT_EQ(defs.DefinitionsRoot(), nullptr);
    EXPECT_EQ(StyleByNameAndType(defs.DefinitionsRoot(), "a", "b"), nullptr);
    EXPECT_EQ(ChildByNameAttribute(defs.NamesRoot(), "a"), nullptr);
}

}  // namespace
}  // namespace lyrasta
