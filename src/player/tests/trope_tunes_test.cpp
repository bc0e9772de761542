// The trope chart's tunes: each trope's plain tune in a style, on a staff.

#include <gtest/gtest.h>

#include "player/trope_tunes.h"
#include "text/xml.h"

namespace lyrasta {
namespace {

// A style whose silluq has a tune for the Song of the Sea and a plain one, and whose
// etnachta has a quarter tone; munach has no notes.
constexpr const char* kStyle = R"(<TropeDefinitions><Style Name="Test" Type="Torah">
  <Trope Name="SILLUQ">
    <Variant SONG_OF_MOSES="HalvikSongOfMosesSofPasuk"><Notes><Note Pitch="C" Duration="2"/></Notes></Variant>
    <Variant DEFAULT="TRUE"><Notes><Note Pitch="e" Duration="4" Upbeat="TRUE"/><Note Pitch="d" Duration="8"/><Note Pitch="c" Duration="2"/></Notes></Variant>
  </Trope>
  <Trope Name="ETNACHTA"><Variant><Notes><Note Pitch="ax" Duration="4"/></Notes></Variant></Trope>
  <Trope Name="MUNACH"><Variant><Notes/></Variant></Trope>
</Style></TropeDefinitions>)";

TEST(TropeTunes, EachTropeShowsItsPlainTune) {
    TXMLParser doc;
    ASSERT_TRUE(doc.LoadFromText(kStyle));
    const TStyleIndex style(doc.Root()->FirstChild());
    struct Case {
        const char* trope;
        std::vector<std::pair<int, int>> notes;  // staff position and note value
        Accidental lastAccidental;
    } cases[] = {
        {"SILLUQ", {{5, 4}, {3, 8}, {1, 2}}, Accidental::None},
        {"SOF_PASUK", {{5, 4}, {3, 8}, {1, 2}}, Accidental::None},  // the mark sings its silluq
        {"ETNACHTA", {{10, 4}}, Accidental::HalfSharp},             // a quarter above A: A half sharp
        {"MUNACH", {}, Accidental::None},
        {"PAZER", {}, Accidental::None},
    };
    for (const Case& c : cases) {
        std::vector<std::pair<int, int>> notes;
        Accidental last = Accidental::None;
        for (const TStaffSymbol& s : TropeTuneStaff(style, c.trope)) {
            if (s.kind != StaffKind::Note) continue;
            notes.emplace_back(s.position, s.value);
            EXPECT_EQ(s.syllable, "") << c.trope;
            last = s.accidental;
        }
        EXPECT_EQ(notes, c.notes) << c.trope;
        if (!notes.empty()) EXPECT_EQ(last, c.lastAccidental) << c.trope;
    }
}

}  // namespace
}  // namespace lyrasta
