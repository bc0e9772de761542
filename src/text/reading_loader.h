#pragma once
// The reading loader: turns a reading (a title, a subtitle and named sections, each a
// reading reference) into the display items of the text view in reading order:
// headings, section labels, chapter and verse numbers, paragraph marks and the words
// with their letter records.
//
// The loader reads each section's book text ("bhs/<code>.txt") and translation
// ("hnv/<code>.eng") from the data folder, cuts the section's verses out, scans every
// word (word_scanner.h), lets the caller's steps analyse it, builds its display form
// and appends it to the word table. The work that belongs to higher layers is passed in
// through TReadingSteps, so this library depends on none of them.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "book_index.h"
#include "heb_char.h"
#include "word_table.h"

namespace lyrasta {

// The sections of a reading; an empty text means the section is absent. Whatever order
// a caller fills them in, the loader places them in the order of the members here.
struct TReadingSections {
    std::string Kohen, Levi, Shlishi, Revii, Chamishi, Shishi, ChatanHaTorah, ChatanBereishisBara,
        Shvii, Maftir;
    std::array<std::string, 5> R;      // reading sections 1 to 5: Haftarah, Megillah, ...
    std::array<std::string, 5> RNote;  // one line shown before R1 to R5
    std::string SecondMaftir;          // only decides the kind of title heading; not read

    // Sets a section by the name the catalogue uses ("Kohen", "ChatanHaTorah", "R3",
    // "R3Note", "SecondMaftir", ...). False for a name that is none of them.
    bool Set(std::string_view name, std::string value);
    // The section names Set accepts, in loading order.
    static const std::vector<std::string>& Names();
};

// The steps of the higher layers, supplied by the caller. The defaults do nothing.
class TReadingSteps {
public:
    virtual ~TReadingSteps() = default;
    // Called for each word after it is scanned and before its display form is built: the
    // word's pronunciation analysis fills the syllable, stress and sound fields and the
    // vowel-variant flag that the display form reads. Notes (words in braces) are not analysed.
    virtual void AnalyseWord(LetterList& /*letters*/) {}
    // Called once all sections are placed: trope groups, melody options, the song build,
    // and the view's layout and mode.
    virtual void FinishReading(TWordTable& /*table*/) {}
};

class TReadingLoader {
public:
    // The loader writes into `table`, which must outlive it.
    TReadingLoader(std::filesystem::path dataDir, TWordTable& table);

    // The steps of the higher layers; nullptr (the default) does nothing.
    void SetSteps(TReadingSteps* steps);

    // Replaces whatever reading the table held with this one.
    void LoadReading(const std::string& title, const std::string& subtitle, const TReadingSections& sections);

    // Scans segments first..last of the current book into the table (used by LoadReading
    // for each section, and by tutorials on their own texts).
    void ScanRange(int first, int last, bool forceChapterLabel, bool closesSection, bool useConfiguredSize);

    // Reads and indexes a book's text and translation and makes it the current book.
    void ReadBook(const std::string& code);
    // Makes a text held in memory the current book (exercise pages), without translation.
    // A text with a line or word beyond the limits of book texts is refused (Problems()).
    void SetBookText(const std::string& code, std::string text);
    // Makes a text with an index of its own the current book (exercise files, whose lines
    // are their segments), without translation.
    void SetIndexedText(const std::string& code, std::string text, BookIndex index);
    // The index of the current book.
    const BookIndex& Index() const { return index_; }

    // Looks up the translation of a verse ("03:07") and appends it to the translation list;
    // returns the list's new count, or 0 when the translation has no such verse.
    int FindTranslationLine(int chapter, int verse);

    // The translation lines of the loaded reading; words refer to them 1-based.
    const std::vector<std::string>& TranslationList() const { return translations_; }
    // Line n (1-based) of the translation list; empty for 0 and numbers outside it.
    std::string TranslationLine(int n) const;
    // The book of the last section read.
    const std::string& CurrentBook() const { return book_; }
    // Sections whose reference is not a reading reference, with a message each, from
    // the last LoadReading. Such sections show their headings and labels but no words.
    const std::vector<std::string>& Problems() const { return problems_; }

    // The reading is shown pre-wrapped (its Wrapped setting or ForceWrapping): lines
    // break at the line-end marks and paragraph marks are shown.
    bool wrapped = false;
    // The configured text size, used when a range is scanned with use-configured-size.
    int configuredTextSize = 20;

private:
    struct Section;
    void PlaceSection(const Section& s);
    void PlaceMaftir(const std::string& reference);
    void PlaceReadingSection(int n, const TReadingSections& sections);
    ReferenceRange Parse(const std::string& reference, const std::string& section);
    void ShowBookHeading(bool blankBefore, int blankSize = 20);
    void ShowTitle(const std::string& title, const std::string& subtitle, const TReadingSections& s);
    void ShowLabel(const std::string& text, const std::string& font, int size, Rgb colour, bool lineEnd,
                   bool rtl = false);
    void ShowChapterLabel(int chapter);
    void HandleWord(size_t from, size_t to, int seg, int last, bool closesSection, bool useConfiguredSize,
                    bool& skipSegment);
    void ShowWord(std::unique_ptr<LetterList> letters, int textSize, int verseEnd);

    std::filesystem::path dataDir_;
    TWordTable& table_;
    TReadingSteps defaultSteps_;
    TReadingSteps* steps_ = &defaultSteps_;

    std::string text_;          // the current book's text, released after loading
    std::string translation_;   // the current book's translation
    // Where each verse key (chapter << 32 | verse) first stands in the translation, by key.
    using TranslationKeys = std::vector<std::pair<std::uint64_t, size_t>>;
    static TranslationKeys IndexTranslationKeys(std::string_view translation);
    TranslationKeys translationKeys_;
    BookIndex index_;
    std::string book_;
    std::vector<std::string> translations_;
    std::vector<std::string> problems_;
    void UseBookText(const std::string& code, std::string text, const std::string& name);
    void ReadBookFiles(const std::string& code);
    // The books ReadBook read within one LoadReading, with the messages their reading gave.
    // The current book's files are its own members (text_, ...), not its entry's.
    struct BookRead {
        std::string code, text, translation;
        TranslationKeys translationKeys;
        BookIndex index;
        std::vector<std::string> problems;
    };
    bool loading_ = false;  // within LoadReading
    std::vector<BookRead> booksRead_;
    int currentBookRead_ = -1;  // the entry of the current book; -1 when it is none of them
    void SwapBookFiles(BookRead& b);
    // Gives the current book's files back to its entry before another book becomes current.
    void KeepCurrentBook();

    // Loader state kept during one LoadReading.
    std::string sectionName_;
    bool sectionStartPending_ = false;
    std::string prevBook_;
    int prevFirst_ = 0, prevEnd_ = 0, prevRefEnd_ = 0;  // previous section: first, placed end, reference's end
    std::string maftirBook_;
    int maftirFirst_ = 0;

    // Range scanner state.
    int chapter_ = 0, verse_ = 0, lastVerseLabel_ = -1;
    int translationLine_ = 0;
    bool smallPrint_ = false;
    bool pairOpen_ = false, maqafPairOpen_ = false;
};

}  // namespace lyrasta
