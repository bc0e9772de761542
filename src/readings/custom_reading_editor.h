#pragma once
// What the custom-readings tab decides, without the window: the kind of reading and the rows
// it shows, the reading reference of each row, the edit box in which one row's book, chapters
// and verses are chosen (each choice keeping the others sensible: an end never before the
// start), and which open button the rows allow.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "readings/catalogue.h"
#include "readings/custom_readings.h"

namespace lyrasta {

class TCustomReadingEditor {
public:
    TCustomReadingEditor();

    CustomKind Kind() const { return kind_; }
    // Relabels the rows, offers the kind's books and empties every row.
    void SetKind(CustomKind kind);
    int RowCount() const { return TCustomReading::RowCount(kind_); }
    std::vector<std::string> RowLabels() const { return TCustomReading::RowLabels(kind_); }
    const std::string& Row(int row) const { return rows_.at(row); }
    void Clear(int row);

    // Shows a saved reading: its kind (as a kind change) and its rows.
    void Load(const TCustomReading& reading);
    // The rows as a reading under a name.
    TCustomReading Reading(const std::string& name) const;

    // The one open button the rows allow ("Open Torah Portion" for both Torah kinds, "Open
    // Haftarah", "Open Reading" for a Megillah); none while every row is empty.
    std::optional<TOpenKind> OpenKind() const;

    // The edit box of a row: -1 while it is closed. "Edit Kohen reading".
    int EditedRow() const { return edited_; }
    std::string EditCaption() const;
    void BeginEdit(int row);
    // Writes the chosen reference into the edited row (when a book is chosen) and closes the box.
    void Set();
    void Cancel() { edited_ = -1; }

    // The choices of the edit box and the position chosen in each (-1 for none). The book,
    // chapters and verses stay as they were from one edit to the next.
    const std::vector<std::string>& Books() const { return books_; }
    const std::vector<std::string>& Chapters() const { return chapters_; }
    const std::vector<std::string>& StartVerses() const { return startVerses_; }
    const std::vector<std::string>& EndVerses() const { return endVerses_; }
    int Book() const { return book_; }
    int StartChapter() const { return startChapter_; }
    int EndChapter() const { return endChapter_; }
    int StartVerse() const { return startVerse_; }
    int EndVerse() const { return endVerse_; }
    // "Set" needs a book: not the "-Select a book-" item.
    bool CanSet() const;
    // The reference the choices make: "GEN01:01-02:03".
    std::string Reference() const;

    void SelectBook(int index);
    void SelectStartChapter(int index);
    void SelectEndChapter(int index);
    void SelectStartVerse(int index);
    void SelectEndVerse(int index);

private:
    const std::string& BookName() const;

    CustomKind kind_ = CustomKind::Torah;
    std::array<std::string, 8> rows_;
    int edited_ = -1;
    std::vector<std::string> books_, chapters_, startVerses_, endVerses_;
    int book_ = 0, startChapter_ = -1, endChapter_ = -1, startVerse_ = -1, endVerse_ = -1;
};

}  // namespace lyrasta
