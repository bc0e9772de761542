// The shipped melody styles read through the program's own readers: every definition file
// parses, every style names an encoding that names every trope, and every note of every
// variant has a pitch the note placement knows and a positive duration.

#include <gtest/gtest.h>

#include <charconv>
#include <set>
#include <string>
#include <vector>

#include "chant/melody.h"
#include "text/trope_codes.h"
#include "text/trope_definitions.h"

namespace lyrasta {
namespace {

// Every trope name the song builder can ask a style for, spelt as the trope table spells it.
// The verse end (SOF_PASUK) is looked up as SILLUQ.
std::set<std::string> SungTropeNames() {
    std::set<std::string> names{"MUNACH_LEGARMEH"};
    for (const char* code : {"00", "92", "01", "65", "80", "85", "13", "81", "91", "02", "03",
                             "33", "10", "61", "62", "83", "14", "1462", "84", "74", "71", "72",
                             "70", "94", "63", "04", "93", "75", "35", "05"}) {
        names.insert(TropeInfo(code, "", false).name);
    }
    names.insert(TropeInfo("61", "", true).name);
    names.erase("SOF_PASUK");
    names.insert("SILLUQ");
    return names;
}

bool IsNumber(const std::string& text) {
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

class MelodyData : public testing::Test {
protected:
    void SetUp() override {
        defs_.LoadTropeDefinitions(LYRASTA_DATA_DIR, [this](const std::string& title, const std::string& text) {
            messages_.push_back(title + ": " + text);
        });
    }
    TTropeDefinitions defs_;
    std::vector<std::string> messages_;
};

TEST_F(MelodyData, EveryFileParsesAndEveryStyleNamesEveryTrope) {
    EXPECT_EQ(messages_, std::vector<std::string>{});
    const TXMLelement* root = defs_.DefinitionsRoot();
    ASSERT_NE(root, nullptr);
    ASSERT_NE(defs_.NamesRoot(), nullptr);
    ASSERT_GT(root->ChildCount(), 0);
    for (int s = 0; s < root->ChildCount(); ++s) {
        const TXMLelement* style = root->ChildByIndex(s);
        const std::string where = style->AttributeValue("Name") + "/" + style->AttributeValue("Type");
        const TXMLelement* encoding = ChildByNameAttribute(defs_.NamesRoot(), style->AttributeValue("Encoding"));
        ASSERT_NE(encoding, nullptr) << where;
        for (const std::string& trope : SungTropeNames()) {
            const TXMLelement* element = ChildByNameAttribute(style, trope);
            ASSERT_NE(element, nullptr) << where << " has no melody for " << trope;
            EXPECT_GT(element->ChildCount(), 0) << where << " " << trope;
            EXPECT_FALSE(TropeNameIn(encoding, trope, "", false).latin.empty()) << where << " " << trope;
        }
    }
}

TEST_F(MelodyData, EveryNoteHasAKnownPitchAndAPositiveDuration) {
    const TXMLelement* root = defs_.DefinitionsRoot();
    ASSERT_NE(root, nullptr);
    int notes = 0;
    for (int s = 0; s < root->ChildCount(); ++s) {
        const TXMLelement* style = root->ChildByIndex(s);
        for (int t = 0; t < style->ChildCount(); ++t) {
            const TXMLelement* trope = style->ChildByIndex(t);
            for (int v = 0; v < trope->ChildCount(); ++v) {
                const TXMLelement* melody = trope->ChildByIndex(v)->ChildByName("Notes");
                for (int n = 0; melody && n < melody->ChildCount(); ++n, ++notes) {
                    const TXMLelement* note = melody->ChildByIndex(n);
                    const std::string where = style->AttributeValue("Name") + "/" + style->AttributeValue("Type") +
                                              " " + trope->AttributeValue("Name") + " variant " +
                                              std::to_string(v + 1) + " note " + std::to_string(n + 1);
                    const std::string pitch = note->AttributeValue("Pitch");
                    EXPECT_TRUE(PitchValue(pitch) != 0 || IsNumber(pitch)) << where << ": pitch " << pitch;
                    const std::string duration = note->AttributeValue("Duration");
                    int value = 0;
                    auto [end, ec] = std::from_chars(duration.data(), duration.data() + duration.size(), value);
                    EXPECT_TRUE(ec == std::errc() && end == duration.data() + duration.size() && value > 0)
                        << where << ": duration " << duration;
                }
            }
        }
    }
    EXPECT_GT(notes, 0);
}

}  // namespace
}  // namespace lyrasta
