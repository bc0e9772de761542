#pragma once
// The phoneme set of one pronunciation: for each of the 61 sound classes of Hebrew letters
// and vowel points, the synthesizer phoneme text to sing and a short Latin spelling to show,
// written "phonemes|spelling" (for example "~sh|sh"). All sets lie in one sectioned file,
// one section per pronunciation.

#include <array>
#include <string>
#include <string_view>

namespace lyrasta {

// The sound classes, in the order of the keys in the file.
enum class Ph {
    Silence, Shuruk, Patach, ChatafPatach, QamatzGadol, QamatzQatan, ChatafQamatz,
    EarlyQamatz, Chirik, Segol, ChatafSegol, Tsere, Qubutz, Holam, ShvaNach, ShvaNa,
    Aleph, Bet, Vet, GimelD, Gimel, DaletD, Dalet, MapikHe, He, VavD, Vav, ZayinD, Zayin,
    ChetD, Chet, TetD, Tet, YudD, Yud, Kaf, Chaf, LamedD, Lamed, MemD, Mem, NunD, Nun,
    SamechD, Samech, AyinD, Ayin, Peh, Feh, TsadeD, Tsade, QofD, Qof, ReshD, Resh,
    ShinD, Shin, SinD, Sin, Tav, Sav,
};
inline constexpr int kPhonemeEntries = static_cast<int>(Ph::Sav) + 1;

// The key name of an entry in the phoneme-set file ("Patach", "ShinD", ...).
std::string_view PhonemeKey(Ph entry);

// The left part of an entry (the phoneme text, before the first "|") and the right part
// (the spelling after it, at most 99 characters). Without "|" the left part is empty and
// the whole entry, cut to 99 characters, is the spelling.
struct EntryParts {
    std::string left;
    std::string right;
};
EntryParts SplitEntry(std::string_view entry);

// The pronunciations, named as in the pronunciation list and as the sections of the file.
inline constexpr std::string_view kDefaultPronunciation = "U.S. Sephardi";
inline constexpr std::array<std::string_view, 7> kPronunciations = {
    "U.S. Sephardi", "U.S. Ashkenazi", "U.S. Ashkenazi Traditional", "Sephardi",
    "Galician", "Lithuanian", "German"};

// Pronunciation codes used by the word analysis: the shva assimilation rule looks for the
// Israeli-style codes, and the Galician code selects the early qamats.
enum PronunciationCode {
    kPronUnknown = 0,
    kPronUSAshkenazi = 1,
    kPronUSAshkenaziTraditional = 2,
    kPronSephardi = 3,
    kPronLithuanian = 5,
    kPronGalician = 6,
    kPronGerman = 7,  // a code of its own that none of the special cases select
    kPronUSSephardi = 9,
};
// The code of a pronunciation name; an empty name is the default pronunciation.
int PronunciationCodeOf(std::string_view name);

class TPhonemeSet {
public:
    // The whole entry text, and its two parts split once at load time.
    const std::string& Entry(Ph e) const { return entries_[Index(e)]; }
    const std::string& Left(Ph e) const { return parts_[Index(e)].left; }
    const std::string& Right(Ph e) const { return parts_[Index(e)].right; }
    // Entry by key name, comparing names as written; empty for an unknown name.
    std::string EntryByName(std::string_view key) const;

    void SetEntry(Ph e, std::string text);

    // The pronunciation whose section was read last, and its code.
    const std::string& Pronunciation() const { return pronunciation_; }
    int Code() const { return code_; }
    void SetPronunciation(std::string name);

private:
    static size_t Index(Ph e) { return static_cast<size_t>(e); }
    std::array<std::string, kPhonemeEntries> entries_{};
    std::array<EntryParts, kPhonemeEntries> parts_{};
    std::string pronunciation_;
    int code_ = kPronUnknown;
};

// Fills every entry from the section of the phoneme-set file text named by pronunciation
// (the default pronunciation when empty). A missing file (empty text), section or key
// gives an empty entry; each value keeps at most 254 characters.
TPhonemeSet LoadPhonemeSet(std::string_view fileText, std::string_view pronunciation);

}  // namespace lyrasta
