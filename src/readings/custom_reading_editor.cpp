#include "custom_reading_editor.h"

#include <algorithm>

#include "readings/verse_limits.h"

namespace lyrasta {

namespace {

ReadingKind LimitsOf(CustomKind kind) {
    switch (kind) {
    case CustomKind::Torah: return ReadingKind::Torah;
    case CustomKind::HiHoliday: return ReadingKind::HighHolidaysTorah;
    case CustomKind::Haftarah: return ReadingKind::Haftarah;
    case CustomKind::Megilla: break;
    }
    return ReadingKind::Megilla;
}

// A position within a list of `size` items; -1 for an empty list.
int Within(int index, size_t size) {
    if (size == 0) return -1;
    return std::clamp(index, 0, static_cast<int>(size) - 1);
}

}  // namespace

TCustomReadingEditor::TCustomReadingEditor() { SetKind(CustomKind::Torah); }

void TCustomReadingEditor::SetKind(CustomKind kind) {
    kind_ = kind;
    rows_ = {};
    edited_ = -1;
    books_ = BookChoices(LimitsOf(kind));
    SelectBook(0);
}

void TCustomReadingEditor::Clear(int row) {
    if (row >= 0 && row < RowCount()) rows_[row].clear();
}

void TCustomReadingEditor::Load(const TCustomReading& reading) {
    SetKind(reading.kind);
    for (int i = 0; i < RowCount(); ++i) rows_[i] = reading.rows[i];
}

TCustomReading TCustomReadingEditor::Reading(const std::string& name) const {
    TCustomReading r;
    r.name = name;
    r.kind = kind_;
    for (int i = 0; i < RowCount(); ++i) r.rows[i] = rows_[i];
    return r;
}

std::optional<TOpenKind> TCustomReadingEditor::OpenKind() const {
    if (Reading("").Empty()) return std::nullopt;
    switch (kind_) {
    case CustomKind::Torah:
    case CustomKind::HiHoliday: return TOpenKind::Torah;
    case CustomKind::Haftarah: return TOpenKind::Haftarah;
    case CustomKind::Megilla: break;
    }
    return TOpenKind::Reading;
}

std::string TCustomReadingEditor::EditCaption() const {
    if (edited_ < 0) return {};
    return "Edit " + RowLabels()[edited_] + " reading";
}

void TCustomReadingEditor::BeginEdit(int row) {
    if (row >= 0 && row < RowCount()) edited_ = row;
}

void TCustomReadingEditor::Set() {
    if (edited_ >= 0 && CanSet()) rows_[edited_] = Reference();
    edited_ = -1;
}

bool TCustomReadingEditor::CanSet() const { return startVerse_ >= 0 && endVerse_ >= 0; }

const std::string& TCustomReadingEditor::BookName() const { return books_[book_]; }

std::string TCustomReadingEditor::Reference() const {
    if (!CanSet()) return {};
    return ReadingReferenceText(BookCodeFor(LimitsOf(kind_), BookName()), chapters_[startChapter_],
                                startVerses_[startVerse_], chapters_[endChapter_], endVerses_[endVerse_]);
}

void TCustomReadingEditor::SelectBook(int index) {
    book_ = Within(index, books_.size());
    chapters_.clear();
    startVerses_.clear();
    endVerses_.clear();
    startChapter_ = endChapter_ = startVerse_ = endVerse_ = -1;
    chapters_ = ChapterChoices(LimitsOf(kind_), BookName());  // none for "-Select a book-"
    if (chapters_.empty()) return;
    startChapter_ = endChapter_ = 0;
    SelectStartChapter(0);
    SelectEndChapter(0);
}

void TCustomReadingEditor::SelectStartChapter(int index) {
    startChapter_ = Within(index, chapters_.size());
    if (startChapter_ < 0) return;
    startVerses_ = VerseChoices(LimitsOf(kind_), BookName(), chapters_[startChapter_]);
    startVerse_ = Within(0, startVerses_.size());
    if (endChapter_ < startChapter_) {
        SelectEndChapter(startChapter_);
        endVerse_ = Within(startVerse_, endVerses_.size());
    }
}

void TCustomReadingEditor::SelectEndChapter(int index) {
    endChapter_ = Within(std::max(index, startChapter_), chapters_.size());
    if (endChapter_ < 0) return;
    endVerses_ = VerseChoices(LimitsOf(kind_), BookName(), chapters_[endChapter_]);
    // A later chapter starts at its first verse; the same chapter where the start is.
    endVerse_ = Within(endChapter_ > startChapter_ ? 0 : startVerse_, endVerses_.size());
}

void TCustomReadingEditor::SelectStartVerse(int index) {
    startVerse_ = Within(index, startVerses_.size());
    if (endChapter_ == startChapter_) endVerse_ = Within(startVerse_, endVerses_.size());
}

void TCustomReadingEditor::SelectEndVerse(int index) {
    endVerse_ = Within(index, endVerses_.size());
    if (endChapter_ == startChapter_ && endVerse_ < startVerse_) endVerse_ = Within(startVerse_, endVerses_.size());
}

}  // namespace lyrasta
