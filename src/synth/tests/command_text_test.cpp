#include "synth/command_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lyrasta::synth {
namespace {

// A compact description of what the reader found, one word per item.
std::string Describe(const std::vector<CommandItem>& items) {
    std::string out;
    auto add = [&](const std::string& s) { out += (out.empty() ? "" : " ") + s; };
    for (const CommandItem& item : items) {
        if (const auto* p = std::get_if<PhonemeItem>(&item)) {
            std::string s = p->stress == Stress::Primary ? "'" : p->stress == Stress::Secondary ? "`" : "";
            s += std::string(p->phoneme->name);
            if (p->ms || p->pitch)
                s += "<" + (p->ms ? std::to_string(*p->ms) : "") + "," +
                     (p->pitch ? std::to_string(p->pitch->value) : "") + ">";
            add(s);
        } else if (const auto* s = std::get_if<SilenceItem>(&item)) {
            add("_" + (s->ms ? std::to_string(*s->ms) : std::string()));
        } else if (std::holds_alternative<PhraseEndItem>(item)) {
            add(".");
        } else if (const auto* m = std::get_if<IndexMarkItem>(&item)) {
            add("mark" + std::to_string(m->mark));
        } else if (const auto* v = std::get_if<VoiceItem>(&item)) {
            std::string s = "voice:" + v->name;
            for (const auto& [k, val] : v->params) s += ":" + k + "=" + val;
            add(s);
        } else if (const auto* r = std::get_if<RateItem>(&item)) {
            add("rate" + std::to_string(r->rate));
        } else if (const auto* vol = std::get_if<VolumeItem>(&item)) {
            add("att" + std::to_string(vol->attenuation));
        } else if (std::holds_alternative<PhonemeModeItem>(item)) {
            add("phonemes");
        } else if (std::holds_alternative<SyncItem>(item)) {
            add("sync");
        }
    }
    return out;
}

TEST(CommandText, ReadsWhatThePlayerWrites) {
    struct Case {
        const char* name;
        std::string text;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"header of a sung range",
         "[:volume att 80] [:mode email on] [:comma -40] [:name Paul   ] [:rate 95] [:phoneme arpabet speak on]  "
         "[:index mark 3] [",
         "att80 voice:Paul rate95 phonemes mark3"},
        {"voice definition with its parameters", "[:name Kit :dv sm 0 :dv f4 4000 ]", "voice:Kit:sm=0:f4=4000"},
        {"consonant onset and vowel note",
         "[~m<20,5131>~m<,5131>~ah<50,5131>~ah<250,5131>_<214,>]",
         "m<20,5131> m<,5131> ah<50,5131> ah<250,5131> _214"},
        {"ornament and verse-end fall",
         "[~ah<30,3127>~ah<30,1125>~ah<3,1131>~ah<10,362>~ah<10,162>]",
         "ah<30,3127> ah<30,1125> ah<3,1131> ah<10,362> ah<10,162>"},
        {"split vowels and the chant's own names",
         "[~gr_o<50,5131>~oy<100,5131>~yx<30,5131>~gr_au<40,5131>~w<,5131>]",
         "gr_o<50,5131> oy<100,5131> yx<30,5131> gr_au<40,5131> w<,5131>"},
        {"bare consonant right before the word-end pause", "[~ah<100,5131>~m_<4,>]", "ah<100,5131> m _4"},
        {"speak mode: stress marks, blanks and pauses",
         "[:pp -500] [:index mark 7] ['~m ~ah  `~l ~eh ~kh ] [ . _<250>]",
         "mark7 'm 'ah `l `eh kh . _250"},
        {"verse reference line and tabs are not sung",
         "[~ah<100,5131>] \tMessage-ID:GEN01:01Kohen|\t[:sync]",
         "ah<100,5131> sync"},
        {"unknown phonemes and commands are skipped",
         "[~xq<20,5131>~zz<20,5131>~ah_x<20,5131>~ah<100,5131>] [:frobnicate 3] [:dv xx 1]",
         "ah _ ah<100,5131> voice::xx=1"},
        {"numbers that are not numbers are dropped",
         "[~ah<x,5131>~ah<20,-5>~ah<,>] [:index mark 123456789012] [:rate fast]",
         "ah<,5131> ah<20,> ah"},
        {"unbalanced brackets", "]]~ah[~ah<50,5131>[:index mark 2]~eh", "ah<50,5131> mark2"},
        {"a mark left open at the end", "[~ah<50,51", "ah<50,51>"},
        {"empty", "", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(Describe(ParseCommandText(c.text)), c.expected) << c.name;
}

TEST(PitchCode, ModeDigitAndFrequency) {
    struct Case {
        long value;
        int digits;
        double previousHz;
        int mode;
        double hz;
    };
    const std::vector<Case> cases = {
        {5131, 4, 0, 5, 131},      // held note at 131 Hz
        {7062, 4, 0, 7, 62},       // consonant onset written with a leading zero
        {51046, 5, 0, 5, 1046},    // above 999 Hz
        {220, 3, 0, 0, 220},       // plain Hz
        {362, 3, 62, 3, 62},       // the verse-end fall after a note at 62 Hz
        {162, 3, 62, 1, 62},
        {362, 3, 350, 0, 362},     // plain Hz close to the pitch before
        {98, 2, 0, 0, 98},
    };
    for (const Case& c : cases) {
        const auto [mode, hz] = PitchCode{c.value, c.digits}.Resolve(c.previousHz);
        EXPECT_EQ(mode, c.mode) << c.value;
        EXPECT_EQ(hz, c.hz) << c.value;
    }
}

}  // namespace
}  // namespace lyrasta::synth
