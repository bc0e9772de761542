#include "song_builder.h"

#include "text/text_helpers.h"

#include <algorithm>
#include <cctype>
#include <span>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "chant/melody_rules.h"
#include "chant/word_tropes.h"
#include "text/trope_definitions.h"

namespace lyrasta {

using namespace std::string_view_literals;

namespace {

const char* const kCrLf = "\r\n";

int Number(const std::string& text) {
    try {
        return text.empty() ? 0 : std::stoi(text);
    } catch (const std::exception&) {
        return 0;
    }
}

// A sung word of the reading, as it passes through the builder's window. Words without
// an accent of their own are sung as lead-in syllables of the word after them, as a
// reader does: they join it here and take its upbeats.
struct SungWord {
    int item = 0;  // the item whose trope the word is sung with
    // The items sung together, in order, each with the number of its sung letters.
    std::vector<std::pair<int, size_t>> parts;
    // Most words are sung from their own item's letters, in place in the table. A word of
    // several items (lead-in words, a maqaf or ketiv/qere pair) is sung from a copy of the
    // parts' sung letters, stored back into the items once sung.
    LetterList* inPlace = nullptr;
    LetterList gathered;
    strucWordTropes tropes;
    int group = 0;
    bool afterEtnachta = false;  // an etnachta group came after the last sof pasuk group
    bool noPretonic = false;     // the stressed syllable is the word's first
    const Melody* mainMelody = nullptr;

    // The letters sung.
    LetterList& Letters() { return inPlace ? *inPlace : gathered; }
    // The first letter of the item itself (its location and the notes shown for it).
    strucHebChar& Head() { return Letters()[Letters().size() - parts.back().second]; }
};

bool HasAccent(std::span<const strucHebChar> letters) {
    return std::any_of(letters.begin(), letters.end(), [](const strucHebChar& c) { return !c.accents.empty(); });
}

bool SameVerse(const strucHebChar& a, const strucHebChar& b) {
    return a.book == b.book && a.chapter == b.chapter && a.verse == b.verse;
}

bool NoPretonic(const strucWordTropes& t) {
    return (t.finalStress && t.syllables == 1) || (!t.finalStress && t.syllables == 2);
}

const std::string kNone;

// The trope a word is sung with first: its second trope when it has one.
const std::string& FirstSung(const SungWord* w) {
    if (!w) return kNone;
    return w->tropes.second.name.empty() ? w->tropes.main.name : w->tropes.second.name;
}

// The trope of a word as a neighbour before: a pesik word is heard by its second trope.
const std::string& HeardBefore(const SungWord* w) {
    if (!w) return kNone;
    return w->tropes.main.name == "PESIK"sv ? w->tropes.second.name : w->tropes.main.name;
}

}  // namespace

int SongOfMosesMarkers(int chapter, int verse, bool sofPasuk, bool afterEtnachta, int group) {
    int m = 0;
    const bool v1429 = chapter == 14 && verse == 29;
    const bool v1431 = chapter == 14 && verse == 31;
    const bool ch15 = chapter == 15;
    if ((v1429 || v1431) && sofPasuk) {
        m |= kMosesSofPasuk | (v1429 ? kHalvikShortSofPasuk : kHalvikSofPasuk);
    } else if (v1431 && afterEtnachta && group == 3) {
        m |= kHalvikLateZakefKaton2;
    } else if (ch15 && OneOf(verse, {1, 16, 21})) {
        if (afterEtnachta && group == 3) m |= kHalvikLateZakefKaton;
        else if (group == 2) m |= kHalvikEtnachta;
        else if (sofPasuk) m |= kMosesSofPasuk | kHalvikSofPasuk;
    } else if (ch15 && OneOf(verse, {2, 3, 6, 11, 18})) {
        if (group == 3)
            m |= verse == 2 && afterEtnachta ? kHalvikLateZakefKaton2
                 : afterEtnachta             ? kHalvikLateZakefKaton
                                             : kHalvikEarlyZakefKaton;
        else if (group == 2) m |= kHalvikEtnachta;
        else if (sofPasuk) m |= kMosesSofPasuk | (verse == 3 ? kHalvikShortSofPasuk : kHalvikSofPasuk);
    }
    const bool closing = sofPasuk || (afterEtnachta && group == 3);
    if ((v1429 || v1431 || (ch15 && ((verse >= 1 && verse <= 19) || verse == 21))) && closing) m |= kMosesSofPasuk;
    if ((v1429 || v1431) && sofPasuk) m |= kChabadEndOfBook;
    if (ch15 && OneOf(verse, {1, 2, 6, 11, 13, 16, 17, 18, 19, 21}) && closing) m |= kChabadSofPasuk;
    if (ch15 && OneOf(verse, {2, 16}) && closing) m |= kChabadZakefKaton;
    return m;
}

int Journey(const std::string& book, int chapter, int verse) {
    if (book != "NUM"sv) return 0;
    if (chapter == 10 && OneOf(verse, {15, 19, 23, 27})) return 1;
    if (chapter == 10 && OneOf(verse, {16, 20, 24})) return 2;
    if (chapter == 33 && OneOf(verse, {11, 17, 19, 21, 23, 25, 27, 29, 31, 33, 35, 41, 43, 45})) return 1;
    if (chapter == 33 && OneOf(verse, {12, 18, 20, 22, 24, 26, 28, 30, 32, 34, 36, 42, 44, 46})) return 2;
    return 0;
}

bool CreationDay(const std::string& title, int group, const std::string& book, int chapter, int verse) {
    return title.find("Simchas Torah") != std::string::npos && group == 1 && book == "GEN"sv && chapter == 1 &&
           OneOf(verse, {5, 8, 13, 19, 23, 31});
}

namespace {

bool EndsGroup(const std::string& trope) {
    static constexpr std::string_view lords[] = {
        "SOF_PASUK", "SILLUQ", "ETNACHTA", "ZAKEF_KATON", "SEGOL", "TEVIR", "REVIA", "GERESH",
        "GERSHAYIM", "PAZER", "TELISHA_GEDOLA", "KARNEI_FARAH", "ZAKEF_GADOL", "SHALSHELET",
    };
    return std::any_of(std::begin(lords), std::end(lords), [&](std::string_view t) { return trope == t; });
}

class Builder {
public:
    Builder(TWordTable& table, TMelodyStyles& styles, const strucSongParams& params, const MessageFunc& message)
        : table_(table), styles_(styles), params_(params), message_(message) {
        basePitch_ = params.pitchOffset - ReadStyleOptions(styles.CurrentStyle()).pitchBend;
        pitchOffset_ = params.pitchOffset;
    }

    bool Run() {
        SungWord leadIn;  // unaccented words waiting for the word they lead into
        words_.reserve(table_.WordCount());  // at most one word per item; not moved as it grows
        for (int i = 0; i < table_.WordCount(); ++i) {
            const HxWord* item = table_.Item(i);
            if (!item->letters || (item->pairFirst >= 0 && item->pairFirst != i)) continue;
            // A note of the text (a word in braces, such as an exercise line's reference) is
            // shown, not sung: it ends the lead-in words before it and is no neighbour of the
            // words around it, whose melodies it would otherwise disturb.
            if (!item->sung) {
                Flush(leadIn);
                continue;
            }
            const strucHebChar* head = table_.FirstSungLetter(i);
            if (!head) continue;
            // Only a word of the same verse takes lead-in words.
            if (!leadIn.gathered.empty() && !SameVerse(leadIn.gathered.front(), *head)) Flush(leadIn);
            SungWord& w = leadIn;
            w.item = i;
            if (w.parts.empty() && item->pairFirst < 0 && HasAccent(*item->letters)) {
                // A word sung alone is sung in place, not copied: a reading has tens of
                // thousands of letter records.
                w.inPlace = table_.OwnLetters(i);
                w.parts.emplace_back(i, w.inPlace->size());
                Flush(leadIn);
                continue;
            }
            const size_t start = w.gathered.size();
            table_.AppendSungLetters(i, w.gathered);
            w.parts.emplace_back(i, w.gathered.size() - start);
            if (HasAccent(std::span(w.gathered).subspan(start))) Flush(leadIn);
        }
        Flush(leadIn);
        bool afterEtnachta = false;
        for (SungWord& w : words_) {
            if (w.group == 2) afterEtnachta = true;
            else if (w.group == 1 || w.group == 4) afterEtnachta = false;
            w.afterEtnachta = afterEtnachta;
        }
        for (size_t k = 0; k < words_.size(); ++k)
            if (!Sing(k)) return false;
        return true;
    }

private:
    // Ends a word of the walk: its tropes are read over all its letters.
    void Flush(SungWord& w) {
        if (w.parts.empty()) return;
        w.tropes = WordTropes(w.Letters());
        w.group = table_.TropeGroupOf(w.item);
        w.noPretonic = NoPretonic(w.tropes);
        words_.push_back(std::move(w));
        w = SungWord{};
    }

    // Writes the song of a word back into the items it was sung from.
    void Store(SungWord& w) {
        if (w.inPlace) return;
        size_t at = 0;
        for (const auto& [item, count] : w.parts) {
            table_.StoreSungLetters(item, std::span(w.gathered).subspan(at, count));
            at += count;
        }
    }

private:
    SungWord* At(size_t k, int offset) {
        const long j = static_cast<long>(k) + offset;
        return j >= 0 && j < static_cast<long>(words_.size()) ? &words_[j] : nullptr;
    }

    bool Sing(size_t k) {
        SungWord& w = words_[k];
        SungWord* prev = At(k, -1);
        SungWord* prev2 = At(k, -2);
        SungWord* next = At(k, 1);
        SungWord* next2 = At(k, 2);
        strucHebChar& first = w.Head();
        const bool finalStress = w.tropes.finalStress;

        // Location
        if (params_.forceChapter >= 1) first.book = params_.forceBook;
        const std::string book = first.book;
        const int chapter = params_.forceChapter >= 1 ? params_.forceChapter : first.chapter;
        const int verse = params_.forceVerse >= 1 ? params_.forceVerse : first.verse;
        const bool startOfVerse = k == 0 || chapter != lastChapter_ || verse != lastVerse_;
        lastChapter_ = chapter;
        lastVerse_ = verse;
        // Each word counts, a lead-in word as well: special melodies name words by position.
        const int words = static_cast<int>(w.parts.size());
        positionInVerse_ = startOfVerse ? words : positionInVerse_ + words;
        const bool sofPasuk = w.group == 1 || w.group == 4;

        const SpecialMelody special = SpecialMelodies(book, chapter, verse, first);
        table_.SetUnderline(w.item, special.marked);

        const int markers = book == "EXO"sv ? SongOfMosesMarkers(chapter, verse, sofPasuk, w.afterEtnachta, w.group) : 0;
        const bool creationDay = CreationDay(params_.title, w.group, book, chapter, verse);
        const int journey = Journey(book, chapter, verse);

        if (!SwitchSecondMelody(book, chapter, verse)) return false;

        if (next) ReadLegarmeh(*next);

        // Neighbour tropes
        const std::string& before = HeardBefore(prev);
        std::string beforeThat;
        if (prev && prev->tropes.main.name == "PESIK"sv) beforeThat = lastBeforeThat_;
        else if (prev) beforeThat = prev->tropes.second.name.empty() ? HeardBefore(prev2) : prev->tropes.second.name;
        const std::string& after = FirstSung(next);
        std::string afterThat;
        if (next && !next->tropes.second.name.empty())
            afterThat = next->tropes.main.name != "PESIK"sv ? next->tropes.main.name : FirstSung(next2);
        else if (next)
            afterThat = FirstSung(next2);

        const std::string& M = w.tropes.main.name;
        const std::string& S = w.tropes.second.name;
        const std::string position = EndsGroup(M) || lastPosition_.empty() ? "END"
                                     : lastPosition_ == "END"sv              ? "START"
                                                                             : "MIDDLE";

        RuleContext base;
        base.tropeBefore = before;
        base.tropeBeforeThat = beforeThat;
        base.tropeAfter = after;
        base.tropeAfterThat = afterThat;
        base.specialAttribute = special.attribute;
        base.mileil = !finalStress;
        base.noPretonic = w.noPretonic;
        base.journey = journey;
        base.creationDay = creationDay;
        base.startOfVerse = startOfVerse;
        base.songOfMoses = markers;
        base.endOfAliyah = w.group == 4;
        base.endOfBook = w.group == 16;
        base.endOfChapter = w.group == 15 || w.group == 16;
        base.groupPosition = position;
        base.tropeGroup = w.group;

        // Melodies
        const bool melodyItem = Upper(special.itemType) == "MELODY"sv;
        const Melody* mainMelody = nullptr;
        const Melody* secondMelody = nullptr;
        int elision = 0;
        if (melodyItem) {
            RuleContext c = base;
            c.trope = special.attribute;
            c.specialAttribute = std::to_string(positionInVerse_);
            c.tropeBefore.clear();
            c.tropeBeforeThat = before;
            c.onOneWord = true;
            mainMelody = Lookup(c);
        } else if (M == "PESIK"sv) {
            RuleContext c = base;
            c.trope = S;
            secondMelody = Lookup(c);
        } else if (!S.empty() && S != M && S != "METEG"sv) {
            RuleContext c = base;
            c.trope = M;
            c.tropeBefore = S;
            c.tropeBeforeThat = before;
            c.onOneWord = true;
            mainMelody = Lookup(c);
            RuleContext s = base;
            s.trope = S;
            s.tropeAfter = M;
            s.onOneWord = true;
            secondMelody = Lookup(s);
        } else {
            RuleContext c = base;
            c.trope = M;
            mainMelody = Lookup(c);
            const bool conjunctive = !w.tropes.main.disjunctive;
            const bool nextNoPretonic = next && next->noPretonic;
            if (params_.enableElisions && conjunctive && nextNoPretonic) elision = finalStress ? 1 : 2;
        }
        w.mainMelody = mainMelody;

        // The word's case: what the student is told and how its melodies are placed
        const std::string& mc = w.tropes.main.code;
        const std::string& sc = w.tropes.second.code;
        const bool mDisj = w.tropes.main.disjunctive;
        const bool sDisj = w.tropes.second.disjunctive;
        auto nameOfS = [&]() -> const std::string& { return TropeName(S, M, finalStress); };
        auto nameOfM = [&]() -> const std::string& { return TropeName(M, after, finalStress); };
        const bool prevConjunctive = prev && !prev->tropes.main.disjunctive;

        strucPlacement p;
        p.pitchOffset = pitchOffset_;
        p.tempo = params_.tempo;
        p.adjustHighMileil = params_.adjustHighMileil;
        p.upbeatFactor = params_.upbeatFactor;
        p.truncateExtraUpbeats = params_.truncateExtraUpbeats;
        p.previous = prev ? prev->mainMelody : nullptr;
        p.wordNumber = (next2 ? next2 : next ? next : &w)->item;
        p.message = message_;
        // The word's first melody follows on from a previous servant's rhythm and pitch.
        auto linkToPrevious = [&] {
            p.rhythmFromPrevious = params_.assimilateRhythm && prevConjunctive;
            p.pitchFromPrevious = params_.assimilatePitch && prevConjunctive;
        };
        auto place = [&](const Melody* melody, int syllable) {
            p.main = melody;
            p.mainSyllable = syllable;
        };
        auto placeTwo = [&](const Melody* firstMelody, int firstSyllable, const Melody* mainOne, int mainSyllable) {
            p.twoTropes = true;
            p.first = firstMelody;
            p.firstSyllable = firstSyllable;
            place(mainOne, mainSyllable);
        };
        const int mainSyl = w.tropes.main.syllable;
        const int secondSyl = w.tropes.second.syllable;
        const double lordPause = mDisj ? PauseDivisor(M) : 0;
        std::string note;
        bool sung = true;
        bool mayElide = false;
        strucHebChar& last = w.Letters().back();

        if (melodyItem) {
            place(mainMelody, mainSyl);
            p.adjustHighMileil = false;
            p.pauseDivisor = mDisj ? PauseDivisor(M) : 6;
        } else if (M != S && mc == "00"sv && !sc.empty() && sc != "73"sv) {
            note = nameOfS() + kCrLf;
            place(secondMelody, secondSyl);
            linkToPrevious();
        } else if (M != S && mc == "05"sv && !sc.empty()) {
            note = nameOfS() + kCrLf;
            place(secondMelody, secondSyl);
            linkToPrevious();
            p.pauseDivisor = 8;
        } else if (M != S && !mc.empty() && !sc.empty() &&
                   (!(mDisj && sDisj) || (M == "ZAKEF_KATON"sv && S == "PASHTA"sv)) && S != "METEG"sv &&
                   S != "SILLUQ"sv && M != "SILLUQ"sv) {
            note = nameOfS() + " with " + nameOfM() + "." + kCrLf;
            placeTwo(secondMelody, secondSyl, mainMelody, mainSyl);
            linkToPrevious();
            p.rhythmFromFirst = params_.assimilateRhythm && !sDisj;
            p.pitchFromFirst = params_.assimilatePitch && !sDisj;
            p.pauseDivisor = lordPause;
        } else if (M == "PASHTA"sv && S == "DOUBLE_PASHTA"sv) {
            note = nameOfS() + "." + kCrLf;
            placeTwo(secondMelody, secondSyl, mainMelody, mainSyl);
            linkToPrevious();
            p.pauseDivisor = PauseDivisor(M);
        } else if (M != S && !mc.empty() && !sc.empty() && mDisj && sDisj && M != "ZAKEF_KATON"sv &&
                   M != "ETNACHTA"sv && M != "SILLUQ"sv && S != "DOUBLE_PASHTA"sv) {
            note = nameOfM() + " with " + nameOfS() + "." + kCrLf +
                   "Note: The two lord tropes on one word are switched when sung." + kCrLf;
            placeTwo(mainMelody, secondSyl, secondMelody, mainSyl);
            linkToPrevious();
            p.pauseDivisor = PauseDivisor(M);
        } else if ((M == "ETNACHTA"sv || M == "SILLUQ"sv) && S == "TIPCHA"sv) {
            note = nameOfM() + " with " + nameOfS() + "." + kCrLf + "Note: The " + nameOfS() + " on the same word as " +
                   nameOfM() + " is called a MAYELA, but is chanted like a " + nameOfS() + "." + kCrLf;
            placeTwo(secondMelody, secondSyl, mainMelody, mainSyl);
            linkToPrevious();
            p.pauseDivisor = PauseDivisor(M);
        } else if (M == "SILLUQ"sv && S == "MERCHA"sv) {
            note = nameOfM() + " with " + nameOfS() + ".";
            placeTwo(secondMelody, secondSyl, mainMelody, mainSyl);
            linkToPrevious();
            p.pauseDivisor = PauseDivisor(M);
        } else if (M == S && !mc.empty() && w.tropes.main.placement == "LEFT"sv) {
            note = nameOfS() + " always appears to left of a word. The " + nameOfS() +
                   " on the right indicates the syllable where the trope is sung." + kCrLf;
            place(mainMelody, secondSyl);
            linkToPrevious();
            p.pauseDivisor = lordPause;
        } else if (M == S && !mc.empty() && w.tropes.main.placement == "RIGHT"sv) {
            note = nameOfM() + " always appears to right of a word. The " + nameOfM() +
                   " on the left indicates the syllable where the trope is sung." + kCrLf;
            place(mainMelody, mainSyl);
            linkToPrevious();
            p.pauseDivisor = lordPause;
            mayElide = true;
        } else if ((S.empty() || S == "METEG"sv || S == "SILLUQ"sv || S == M) && !M.empty()) {
            // A trope written twice on a word (not one of the position-marking doubles
            // above) is sung once, like a single trope.
            note = nameOfM() + "." + kCrLf;
            place(mainMelody, mainSyl);
            linkToPrevious();
            p.pauseDivisor = lordPause;
            mayElide = true;
            if (M.find('V') != std::string::npos && finalStress) last.meteg = true;
        } else if (M.empty() && S.empty() && Recite(prev)) {
            // Words without an accent and no accented word after them in the verse are
            // recited on the note the reader holds.
            place(&recitation_, w.tropes.syllables);
        } else {
            sung = false;
        }

        if (sung) {
            // The reader breathes longest at the end of a verse, whatever tropes its last
            // word carries (the silluq before it gives no pause of its own).
            if (EndsVerse(w.Letters())) p.pauseDivisor = PauseDivisor("SOF_PASUK");
            last.comment += note;
            if (mayElide && elision != 0 && next) {
                RuleContext e = base;
                e.trope = next->tropes.main.name == "PESIK"sv ? next->tropes.second.name : next->tropes.main.name;
                e.tropeBefore = M;
                e.tropeBeforeThat = before;
                e.tropeAfter = afterThat;
                e.tropeAfterThat.clear();
                e.tropeGroup = next->group;
                e.mileil = !next->tropes.finalStress;
                e.noPretonic = next->noPretonic;
                p.elision = elision;
                p.next = Lookup(e);
            }
            PlaceNotes(w.Letters(), p);
            if (p.elision == 1 || p.elision == 2)
                last.comment += std::string("Chant the upbeat note of the next word on the last syllable of this word. (Elision)") + kCrLf;
        }
        Store(w);

        lastPosition_ = position;
        lastBeforeThat_ = beforeThat;
        lastAfterThat_ = afterThat;
        return true;
    }

    struct SpecialMelody {
        std::string attribute;  // the special attribute of the rule context
        std::string itemType;   // the TYPE of the item that applies last
        bool marked = false;    // the word is underlined as having a special note
    };

    // The style's special-melody items of a verse for the word at the current position: an
    // attribute for its melody, a whole verse melody, or a tip. Every item of the verse is
    // examined; a later one overrides an earlier one.
    SpecialMelody SpecialMelodies(const std::string& book, int chapter, int verse, strucHebChar& first) {
        SpecialMelody found;
        for (const TXMLelement* item : VerseItems(book, chapter, verse)) {
            found.itemType = Attribute(item, "TYPE");
            const bool inRange = Number(Attribute(item, "STARTWORD")) <= positionInVerse_ &&
                                 positionInVerse_ <= Number(Attribute(item, "ENDWORD"));
            const std::string type = Upper(found.itemType);
            if (type == "ATTRIB"sv || type == "MELODY"sv) {
                if (!inRange) {
                    found.attribute.clear();
                    found.itemType.clear();
                } else if (type == "ATTRIB"sv) {
                    found.attribute = Attribute(item, "VALUE");
                    first.comment += "[Use " + found.attribute + " melody for this word.]";
                    found.marked = true;
                } else {
                    found.attribute = Attribute(item, "LOC");
                    first.comment = "[A special melody is used for this verse.]";
                    found.marked = true;
                }
            } else if (type == "TIP"sv && inRange) {
                first.comment += "[" + Attribute(item, "TIP") + "]";
                found.marked = true;
            }
        }
        return found;
    }

    // The special-melody items of a verse, in the style's order. They are searched for once
    // per verse (and again when the style changes): most verses have none.
    const std::vector<const TXMLelement*>& VerseItems(const std::string& book, int chapter, int verse) {
        const TXMLelement* style = styles_.CurrentStyle();
        if (style == verseItemsStyle_ && book == verseItemsBook_ && chapter == verseItemsChapter_ &&
            verse == verseItemsVerse_)
            return verseItems_;
        verseItemsStyle_ = style;
        verseItemsBook_ = book;
        verseItemsChapter_ = chapter;
        verseItemsVerse_ = verse;
        verseItems_.clear();
        const std::string key = book + std::to_string(chapter) + ":" + std::to_string(verse);
        const auto& locations = styles_.SpecialMelodyLocations();
        const auto& items = styles_.SpecialMelodyItems();
        for (size_t i = 0; i < locations.size() && i < items.size(); ++i)
            if (SameNoCase(locations[i], key)) verseItems_.push_back(items[i]);
        return verseItems_;
    }

    // A munach before a pesik on the next word: legarmeh (a lord of its own) or a plain
    // servant, by the Masoretic bracket mark or, before revia, by the setting.
    void ReadLegarmeh(SungWord& next) {
        if (next.tropes.main.name != "PESIK"sv) return;
        const std::string& bracket = next.Letters().back().bracket;
        if (bracket == "+"sv) {
            next.tropes.second.name = "MUNACH_LEGARMEH";
            next.Head().comment += std::string("Masoretic note: This munach is Legarmeh") + kCrLf;
        } else if (bracket == "-"sv) {
            next.tropes.second.name = "MUNACH";
            next.Head().comment += std::string("Masoretic note: This munach is not Legarmeh") + kCrLf;
        } else if (next.group == 7 && next.tropes.second.name == "MUNACH"sv &&
                   (!params_.notLegarmehBeforeRevia || lastAfterThat_ == "MUNACH"sv)) {
            next.tropes.second.name = "MUNACH_LEGARMEH";
        }
    }

    // The note to recite unaccented words on: the last note sung before them. False when
    // nothing was sung before them.
    bool Recite(const SungWord* prev) {
        recitation_.clear();
        if (!prev || !prev->mainMelody || prev->mainMelody->empty()) return false;
        recitation_.push_back(prev->mainMelody->back());
        recitation_.front().upbeat = recitation_.front().extra = recitation_.front().tied = false;
        return true;
    }

    // The Latin name of a trope in the current style's naming, before the trope `context`.
    // Found once per build for each case: the naming's entries are searched by name.
    const std::string& TropeName(const std::string& trope, const std::string& context, bool finalStress) {
        // The names found are kept by the naming they come from; most words ask for a name
        // already found, so the key is written into one buffer and looked up by hash.
        const TXMLelement* encoding = styles_.CurrentEncoding();
        if (encoding != namesEncoding_) {
            names_.clear();
            namesEncoding_ = encoding;
        }
        nameKey_.assign(trope).append(1, '\0').append(context).append(1, finalStress ? '1' : '0');
        auto it = names_.find(nameKey_);
        if (it == names_.end())
            it = names_.emplace(nameKey_, TropeNameIn(encoding, trope, context, finalStress).latin).first;
        return it->second;
    }

    // The melody of a trope in the current style.
    const Melody* Lookup(const RuleContext& c) {
        const TStyleIndex* rules = styles_.CurrentRules();
        return rules ? rules->Find(c) : nullptr;
    }

    // Isaiah 1:2-26 and Jeremiah 8:13-9:21 are chanted in the reading's second melody.
    bool SwitchSecondMelody(const std::string& book, int chapter, int verse) {
        if (styles_.AuxType().empty()) return true;
        int want = -1;
        if (book == "ISA"sv && chapter == 1) {
            if (verse >= 2 && verse <= 26) want = 1;
            else if (verse == 1 || verse == 27) want = 0;
        } else if (book == "JER"sv) {
            if (chapter == 8 && verse == 13) want = 1;
            else if (chapter == 9 && verse == 22) want = 0;
        }
        if (want < 0 || (want == 1) == secondOn_) return true;
        const bool ok = want == 1 ? styles_.ActivateStyle(styles_.AuxStyleName(), styles_.AuxType())
                                  : styles_.ActivateStyle(styles_.MainStyleName(), styles_.MainType());
        if (!ok) return false;
        secondOn_ = want == 1;
        pitchOffset_ = basePitch_ + ReadStyleOptions(styles_.CurrentStyle()).pitchBend;
        return true;
    }

    TWordTable& table_;
    TMelodyStyles& styles_;
    const strucSongParams& params_;
    const MessageFunc& message_;
    std::vector<SungWord> words_;
    std::unordered_map<std::string, std::string> names_;  // trope names of the naming `namesEncoding_`
    const TXMLelement* namesEncoding_ = nullptr;
    std::string nameKey_;
    Melody recitation_;
    int basePitch_ = 0;
    int pitchOffset_ = 0;
    bool secondOn_ = false;
    int lastChapter_ = 0, lastVerse_ = 0;
    int positionInVerse_ = 0;
    std::string lastPosition_, lastBeforeThat_, lastAfterThat_;
    std::vector<const TXMLelement*> verseItems_;  // the special-melody items of this verse
    const TXMLelement* verseItemsStyle_ = nullptr;
    std::string verseItemsBook_;
    int verseItemsChapter_ = -1, verseItemsVerse_ = -1;
};

}  // namespace

bool BuildSong(TWordTable& table, TMelodyStyles& styles, const strucSongParams& params, const MessageFunc& message) {
    return Builder(table, styles, params, message).Run();
}

}  // namespace lyrasta
