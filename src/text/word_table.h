#pragma once
// The display items of the Hebrew text view in reading order: words with their letters,
// headings, labels, verse numbers and paragraph marks. The word number used by index
// marks and the selection is an item's position in this table. Geometry and drawing
// belong to the view in the user interface; this is the store it draws from.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "heb_char.h"

namespace lyrasta {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

struct HxWord {
    std::string text;         // display text (a word's Unicode display form, UTF-8)
    int x1 = 0, x2 = 0, y = 0;
    int width1 = 0, width2 = 0;
    std::string font;         // "TGBT", "TGBS", "TGBI" or "Arial"
    int size = 0;
    Rgb colour;
    bool underline = false;
    bool hebrew = false;
    bool scroll = false;
    bool sung = false;
    bool lineEnd = false;
    bool rule = false;
    std::unique_ptr<LetterList> letters;  // none for items without letters
    int pairFirst = -1, pairLast = -1;
    int group = 0;            // trope group 0..16
    bool legarmeh = false;    // its munach before a paseq is read as a munach legarmeh
    int verseEnd = 0;         // verse-end kind 0..4
    bool rtl = false;
};

// Pairing kinds given with each added item.
enum PairingKind { kPairNone = 0, kPairOpen = 1, kPairQere = 2, kPairClose = 3 };

// What an item is made of when it is added: named, so that a call says which of the
// flags it sets (designated initialisers, in this order).
struct HxNewItem {
    std::string text{};
    std::string font{};
    int size = 0;
    Rgb colour{};
    bool lineEnd = false;
    bool rule = false;
    bool hebrew = false;
    bool scroll = false;
    bool sung = false;
    bool rtl = false;
    int pairing = kPairNone;
    int verseEnd = 0;
    std::unique_ptr<LetterList> letters{};  // none for items without letters
};

class TWordTable {
public:
    // Appends an item. Bytes 28 in the text become blanks; with rtl set and
    // reverseRtl on (the view's right-to-left wrapping) the text is stored reversed.
    void AddWord(HxNewItem item);
    void Clear();
    int WordCount() const { return static_cast<int>(items_.size()); }

    // Item access; nullptr outside the table.
    const HxWord* Item(int i) const;
    HxWord* Item(int i);

    int SelectedWord() const { return selected_; }
    void SetSelectedWord(int i) { selected_ = i; }

    bool reverseRtl = false;

    // The letters to sing for item i: its own letters, or for the first item of a pair
    // the sung letters of the whole pair (each item's letters up to its first ketiv or
    // qere mark record); nothing for the other items of a pair.
    LetterList SungLetters(int i) const;
    // Appends the letters SungLetters(i) gives to `out` (the song builder gathers a word and
    // the words leading into it in one list, without a list of its own for each).
    void AppendSungLetters(int i, LetterList& out) const;
    // The first of those letters (it holds the word's place); nullptr when there are none.
    const strucHebChar* FirstSungLetter(int i) const;
    // Moves letters that SungLetters(i) gave (with their song fields filled) back into the
    // items they came from, record by record; a list of another length is ignored.
    void StoreSungLetters(int i, std::span<strucHebChar> letters);
    const LetterList* OwnLetters(int i) const;
    LetterList* OwnLetters(int i);

    int TropeGroupOf(int i) const;
    void SetTropeGroupOf(int i, int group);
    bool IsSung(int i) const;
    bool IsHebrewWord(int i) const;
    int VerseEndKindOf(int i) const;  // -1 outside the table
    void SetUnderline(int i, bool on);
    std::string ItemText(int i) const;
    void SetItemText(int i, std::string text);

private:
    // Visits the records SungLetters(i) consists of, in order.
    template <typename Table, typename Visit>
    static void ForSungLetters(Table& table, int i, Visit visit);

    std::vector<HxWord> items_;
    int selected_ = 0;
    int openPair_ = -1;
};

}  // namespace lyrasta
