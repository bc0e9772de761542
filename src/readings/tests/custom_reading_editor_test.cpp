// Composing a custom reading: the kinds and their rows, the edit box whose book, chapter and
// verse choices keep the end of a range from falling before its start, and the open button
// the rows allow.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "readings/custom_reading_editor.h"

namespace lyrasta {
namespace {

int BookIndex(const TCustomReadingEditor& e, const std::string& name) {
    const auto& books = e.Books();
    return static_cast<int>(std::find(books.begin(), books.end(), name) - books.begin());
}

TEST(CustomReadingEditor, ChoicesKeepTheEndAfterTheStart) {
    using Edit = std::function<void(TCustomReadingEditor&)>;
    const Edit genesis = [](TCustomReadingEditor& e) { e.SelectBook(BookIndex(e, "Genesis")); };
    struct Case {
        const char* name;
        CustomKind kind;
        std::vector<Edit> edits;
        const char* reference;
    } cases[] = {
        {"a book starts at its first verse", CustomKind::Torah, {genesis}, "GEN01:01-01:01"},
        {"the start verse takes the end along in one chapter", CustomKind::Torah,
         {genesis, [](auto& e) { e.SelectStartVerse(4); }}, "GEN01:05-01:05"},
        {"an end verse before the start is moved up to it", CustomKind::Torah,
         {genesis, [](auto& e) { e.SelectStartVerse(4); }, [](auto& e) { e.SelectEndVerse(1); }}, "GEN01:05-01:05"},
        {"a later end chapter starts at its first verse", CustomKind::Torah,
         {genesis, [](auto& e) { e.SelectStartVerse(4); }, [](auto& e) { e.SelectEndChapter(1); }}, "GEN01:05-02:01"},
        {"an end chapter before the start is moved to it", CustomKind::Torah,
         {genesis, [](auto& e) { e.SelectStartChapter(2); }, [](auto& e) { e.SelectStartVerse(3); },
          [](auto& e) { e.SelectEndChapter(0); }},
         "GEN03:04-03:04"},
        {"a start chapter past the end takes the end along", CustomKind::Torah,
         {genesis, [](auto& e) { e.SelectEndChapter(1); }, [](auto& e) { e.SelectEndVerse(9); },
          [](auto& e) { e.SelectStartChapter(4); }},
         "GEN05:01-05:01"},
        {"Nechemiah 7 offers only its last verse", CustomKind::Haftarah,
         {[](auto& e) { e.SelectBook(BookIndex(e, "Nechemiah")); }}, "NEH07:72-07:72"},
        {"Nechemiah on into chapter 8", CustomKind::Haftarah,
         {[](auto& e) { e.SelectBook(BookIndex(e, "Nechemiah")); }, [](auto& e) { e.SelectEndChapter(1); },
          [](auto& e) { e.SelectEndVerse(9); }},
         "NEH07:72-08:10"},
        {"no book, nothing to set", CustomKind::Megilla, {[](auto& e) { e.SelectBook(0); }}, ""},
    };
    for (const Case& c : cases) {
        TCustomReadingEditor e;
        e.SetKind(c.kind);
        for (const Edit& edit : c.edits) edit(e);
        EXPECT_EQ(e.Reference(), c.reference) << c.name;
        EXPECT_EQ(e.CanSet(), *c.reference != '\0') << c.name;
    }
    TCustomReadingEditor e;
    e.SetKind(CustomKind::Haftarah);
    e.SelectBook(BookIndex(e, "Nechemiah"));
    EXPECT_EQ(e.StartVerses(), std::vector<std::string>{"72"});
}

TEST(CustomReadingEditor, RowsAreSetClearedAndDecideTheOpenButton) {
    TCustomReadingEditor e;
    EXPECT_EQ(e.OpenKind(), std::nullopt) << "no rows, nothing to open";
    e.SelectBook(BookIndex(e, "Exodus"));
    e.SelectEndVerse(4);
    e.BeginEdit(7);
    EXPECT_EQ(e.EditCaption(), "Edit Maftir reading");
    e.Set();
    EXPECT_EQ(e.EditedRow(), -1);
    EXPECT_EQ(e.Row(7), "EXO01:01-01:05");
    EXPECT_EQ(e.OpenKind(), TOpenKind::Torah);
    e.BeginEdit(0);
    e.Cancel();
    EXPECT_EQ(e.Row(0), "") << "Cancel writes nothing";
    EXPECT_EQ(e.Reference(), "EXO01:01-01:05") << "the choices stay for the next edit";

    struct Kind {
        CustomKind kind;
        int rows;
        const char* first;
        std::optional<TOpenKind> open;
    } kinds[] = {
        {CustomKind::HiHoliday, 8, "Kohen", TOpenKind::Torah},
        {CustomKind::Haftarah, 5, "Reading 1", TOpenKind::Haftarah},
        {CustomKind::Megilla, 2, "Reading 1", TOpenKind::Reading},
    };
    for (const Kind& k : kinds) {
        e.SetKind(k.kind);
        EXPECT_EQ(e.Row(7), "") << "a kind change empties the rows";
        EXPECT_EQ(e.RowCount(), k.rows);
        EXPECT_EQ(e.RowLabels().front(), k.first);
        EXPECT_EQ(e.Book(), 0) << "and offers the kind's books anew";
        e.SelectBook(1);
        e.BeginEdit(k.rows - 1);
        e.Set();
        EXPECT_EQ(e.OpenKind(), k.open);
        e.Clear(k.rows - 1);
        EXPECT_EQ(e.OpenKind(), std::nullopt);
    }
    e.BeginEdit(2);  // a Megillah has two rows
    EXPECT_EQ(e.EditedRow(), -1);
}

}  // namespace
}  // namespace lyrasta
