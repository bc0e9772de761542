// lyrasta-cli notes: the song of a reading for a reader and for golden files: per sung
// word its syllables with the notes sung on each (pitch name and length value).

#include <cstdio>
#include <iostream>

#include "chant/melody.h"
#include "cli_commands.h"
#include "cli_song.h"
#include "json_line.h"
#include "player/word_tip.h"

namespace lyrasta::cli {

namespace {

std::string VerseText(const strucHebChar& first) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%s%02d:%02d", first.book.c_str(), first.chapter, first.verse);
    return buf;
}

// [{"text":"ba","notes":[["g",4],["a",8]]}, ...]: the letters of each syllable together.
std::string SyllablesJson(const LetterList& letters) {
    std::vector<std::pair<std::string, std::string>> syllables;  // text, notes JSON
    for (const strucHebChar& c : letters) {
        if (c.sylStart || syllables.empty()) syllables.emplace_back();
        auto& [text, notes] = syllables.back();
        text += c.syllable;
        for (const strucNote& n : c.notes)
            notes += (notes.empty() ? "[" : ",[") + JsonString(PitchName(n.pitch + (n.quarterUp ? 0.5 : 0.0))) + "," +
                     std::to_string(n.length) + "]";
    }
    std::string out = "[";
    for (const auto& [text, notes] : syllables) {
        JsonObject o;
        o.Add("text", text).AddRaw("notes", "[" + notes + "]");
        out += (out.size() > 1 ? "," : "") + o.Line();
    }
    return out + "]";
}

}  // namespace

int RunNotes(const Args& argv) {
    const CliArgs args(argv, SongValuedOptions(), SongSwitches());
    TSungReading reading(args);
    for (int i = 0; i < reading.table.WordCount(); ++i) {
        const LetterList letters = reading.table.SungLetters(i);
        if (letters.empty()) continue;
        JsonObject o;
        o.Add("i", i).Add("verse", VerseText(letters.front())).Add("word", reading.table.ItemText(i));
        o.Add("group", reading.table.TropeGroupOf(i)).AddRaw("syllables", SyllablesJson(letters));
        o.Add("comment", TipText(letters));
        Emit(std::cout, o);
    }
    std::cout.flush();
    return reading.clean && reading.hasMelody ? 0 : 1;
}

}  // namespace lyrasta::cli
