// lyrasta-cli words: the display items of a reading, one JSON line each, in table order.

#include <cstdio>
#include <iostream>

#include "cli_commands.h"
#include "cli_song.h"
#include "json_line.h"
#include "text/reading_loader.h"
#include "text/word_table.h"

namespace lyrasta::cli {

namespace {

std::string Colour(Rgb c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.r, c.g, c.b);
    return buf;
}

std::string NumberList(const std::array<std::int16_t, strucHebChar::kMaxNotes>& values, int count) {
    std::string out = "[";
    for (int k = 0; k < count && k < strucHebChar::kMaxNotes; ++k) out += (k ? "," : "") + std::to_string(values[k]);
    return out + "]";
}

std::string LettersJson(const LetterList& letters) {
    std::string out = "[";
    for (const strucHebChar& c : letters) {
        JsonObject o;
        o.Add("letter", c.letter).Add("vowel", c.vowel).Add("dagesh", c.dagesh).Add("meteg", c.meteg);
        o.Add("maqaf", c.maqaf).Add("accents", c.accents).Add("bracket", c.bracket).Add("kq", c.kq);
        o.Add("variant", c.variant).Add("sylStart", c.sylStart).Add("sylEnd", c.sylEnd);
        o.Add("stress", c.stress).Add("stress2", c.stress2).Add("initial", c.initial).Add("final", c.final);
        o.Add("verseEnd", c.verseEnd).Add("query", c.query).Add("exclaim", c.exclaim);
        o.Add("consonant", c.consonant).Add("vowelSound", c.vowelSound).Add("extra", c.extra).Add("dot", c.dot);
        o.Add("syllable", c.syllable).Add("synth", c.synth);
        o.AddRaw("pitches", NumberList(c.pitches, c.noteCount)).AddRaw("lengths", NumberList(c.lengths, c.noteCount));
        o.Add("comment", c.comment).Add("note", c.note);
        out += (out.size() > 1 ? "," : "") + o.Line();
    }
    return out + "]";
}

// The translation line without its line end.
std::string TranslationText(const TSungReading& reading, int line) {
    std::string t = reading.TranslationLine(line);
    while (!t.empty() && (t.back() == '\r' || t.back() == '\n')) t.pop_back();
    return t;
}

}  // namespace

int RunWords(const Args& argv) {
    const CliArgs args(argv, SongValuedOptions(), SongSwitches());
    TSungReading reading(args);
    const TWordTable& table = reading.table;

    for (int i = 0; i < table.WordCount(); ++i) {
        const HxWord& w = *table.Item(i);
        JsonObject o;
        o.Add("i", i).Add("text", w.text).Add("font", w.font).Add("size", w.size).Add("colour", Colour(w.colour));
        o.Add("hebrew", w.hebrew).Add("sung", w.sung).Add("scroll", w.scroll).Add("lineEnd", w.lineEnd);
        o.Add("rule", w.rule).Add("rtl", w.rtl).Add("verseEnd", w.verseEnd).Add("pairFirst", w.pairFirst);
        o.Add("pairLast", w.pairLast).Add("group", w.group).Add("legarmeh", w.legarmeh);
        if (w.letters && !w.letters->empty()) {
            const strucHebChar& head = w.letters->front();
            o.Add("book", head.book).Add("chapter", head.chapter).Add("verse", head.verse);
            o.Add("section", head.section).Add("translation", TranslationText(reading, head.translation));
            o.AddRaw("letters", LettersJson(*w.letters));
        }
        Emit(std::cout, o);
    }
    std::cout.flush();
    return reading.clean ? 0 : 1;
}

}  // namespace lyrasta::cli
