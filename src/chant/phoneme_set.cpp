#include "phoneme_set.h"

#include "text/ini_file.h"

namespace lyrasta {

namespace {

constexpr std::array<std::string_view, kPhonemeEntries> kKeys = {
    "Silence", "Shuruk", "Patach", "ChatafPatach", "QamatzGadol", "QamatzQatan",
    "ChatafQamatz", "EarlyQamatz", "Chirik", "Segol", "ChatafSegol", "Tsere", "Qubutz",
    "Holam", "ShvaNach", "ShvaNa", "Aleph", "Bet", "Vet", "GimelD", "Gimel", "DaletD",
    "Dalet", "MapikHe", "He", "VavD", "Vav", "ZayinD", "Zayin", "ChetD", "Chet", "TetD",
    "Tet", "YudD", "Yud", "Kaf", "Chaf", "LamedD", "Lamed", "MemD", "Mem", "NunD", "Nun",
    "SamechD", "Samech", "AyinD", "Ayin", "Peh", "Feh", "TsadeD", "Tsade", "QofD", "Qof",
    "ReshD", "Resh", "ShinD", "Shin", "SinD", "Sin", "Tav", "Sav"};

constexpr size_t kMaxSpelling = 99;

}  // namespace

std::string_view PhonemeKey(Ph entry) { return kKeys[static_cast<size_t>(entry)]; }

EntryParts SplitEntry(std::string_view entry) {
    const size_t bar = entry.find('|');
    if (bar == std::string_view::npos) return {{}, std::string(entry.substr(0, kMaxSpelling))};
    return {std::string(entry.substr(0, bar)), std::string(entry.substr(bar + 1, kMaxSpelling))};
}

int PronunciationCodeOf(std::string_view name) {
    if (name.empty()) name = kDefaultPronunciation;
    constexpr std::array<int, kPronunciations.size()> codes = {
        kPronUSSephardi, kPronUSAshkenazi, kPronUSAshkenaziTraditional, kPronSephardi,
        kPronGalician,   kPronLithuanian,  kPronGerman};
    for (size_t i = 0; i < kPronunciations.size(); ++i)
        if (kPronunciations[i] == name) return codes[i];
    return kPronUnknown;
}

std::string TPhonemeSet::EntryByName(std::string_view key) const {
    for (size_t i = 0; i < kKeys.size(); ++i)
        if (kKeys[i] == key) return entries_[i];
    return {};
}

void TPhonemeSet::SetEntry(Ph e, std::string text) {
    parts_[Index(e)] = SplitEntry(text);
    entries_[Index(e)] = std::move(text);
}

void TPhonemeSet::SetPronunciation(std::string name) {
    code_ = PronunciationCodeOf(name);
    pronunciation_ = std::move(name);
}

TPhonemeSet LoadPhonemeSet(std::string_view fileText, std::string_view pronunciation) {
    const std::string section(pronunciation.empty() ? kDefaultPronunciation : pronunciation);
    const TIniFile ini = TIniFile::Parse(fileText);
    TPhonemeSet set;
    set.SetPronunciation(section);
    for (int i = 0; i < kPhonemeEntries; ++i) {
        const Ph e = static_cast<Ph>(i);
        set.SetEntry(e, ini.ReadString(section, PhonemeKey(e)));
    }
    return set;
}

}  // namespace lyrasta
