// The bundled readings catalogue (encodings/sedrot.xml) and the catalogue of every portion's
// annual reading (encodings/torah.xml): every reference loads from the bundled text, inside its
// chapter and the verse limits of its book, and every Sabbath of 5600-6000 finds the options
// its special keys and triennial key ask for.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "readings/open_reading_model.h"
#include "readings/portion_schedule.h"
#include "readings/sabbath_keys.h"
#include "readings/triennial.h"
#include "readings/verse_limits.h"
#include "text/book_index.h"
#include "text/data_files.h"
#include "text/reading_loader.h"
#include "text/xml.h"

namespace lyrasta {
namespace {

const std::filesystem::path kData = LYRASTA_DATA_DIR;

const char* const kSections[] = {"Kohen", "Levi",  "Shlishi", "Revii", "Chamishi", "Shishi", "Shvii",
                                 "Maftir", "R1",   "R2",      "R3",    "R4",       "R5",     "ChatanHaTorah",
                                 "ChatanBereishisBara"};

class Catalogue {
public:
    explicit Catalogue(const char* file) {
        ok = parser_.LoadFromFile((kData / "encodings" / file).string());
    }
    bool ok = false;
    // The reading elements, the root's children.
    std::vector<const TXMLelement*> Readings() const {
        std::vector<const TXMLelement*> out;
        for (int i = 0; parser_.Root() && i < parser_.Root()->ChildCount(); ++i)
            if (parser_.Root()->ChildByIndex(i)->Type() == TXMLelement::ntElement)
                out.push_back(parser_.Root()->ChildByIndex(i));
        return out;
    }

private:
    TXMLParser parser_;
};

std::vector<const TXMLelement*> Options(const TXMLelement* reading) {
    std::vector<const TXMLelement*> out;
    for (int i = 0; i < reading->ChildCount(); ++i)
        if (reading->ChildByIndex(i)->Type() == TXMLelement::ntElement) out.push_back(reading->ChildByIndex(i));
    return out;
}

std::string Value(const TXMLelement* e, const char* name) {
    for (int i = 0; i < e->AttributeCount(); ++i)
        if (e->AttributeName(i) == name) return e->AttributeValueAt(i);
    return {};
}

// The highest verse of each chapter of the Torah and the Megillot, from the verse limits.
std::map<std::pair<std::string, int>, int> ChapterLimits() {
    std::map<std::pair<std::string, int>, int> limits;
    for (ReadingKind kind : {ReadingKind::Torah, ReadingKind::Megilla})
        for (const std::string& entry : ReadingLimits(kind)) {
            const ReadingLimitParts p = GetReadingLimitParts(entry);
            limits[{p.code, std::stoi(p.chapter)}] = std::stoi(p.verse);
        }
    return limits;
}

// Every reference of both files, read through the loader from its book: the book is known,
// the range lies inside its chapters and the verse limits, and it yields words.
TEST(CatalogueData, EveryReferenceLoadsInsideItsChapterAndTheVerseLimits) {
    const auto limits = ChapterLimits();
    std::map<std::string, std::map<std::string, std::string>> byBook;  // book -> reference -> where
    for (const char* file : {"sedrot.xml", "torah.xml"}) {
        const Catalogue catalogue(file);
        ASSERT_TRUE(catalogue.ok) << file;
        for (const TXMLelement* reading : catalogue.Readings())
            for (const TXMLelement* option : Options(reading))
                for (const char* name : kSections) {
                    const std::string value = Value(option, name);
                    if (value.empty()) continue;
                    ReadingReference ref;
                    ASSERT_TRUE(SplitReadingReference(value, ref)) << file << " " << Value(reading, "Name") << ": " << value;
                    byBook[ref.book].try_emplace(value, std::string(file) + " " + Value(reading, "Name") + " / " +
                                                            Value(option, "Name") + " " + name + "=" + value);
                }
    }
    ASSERT_FALSE(byBook.empty());
    TWordTable table;
    TReadingLoader loader(kData, table);
    for (const auto& [book, references] : byBook) {
        loader.ReadBook(book);
        const BookIndex& index = loader.Index();
        ASSERT_GT(index.verseCount, 0) << "unknown book " << book << ", e.g. " << references.begin()->second;
        for (const auto& [value, where] : references) {
            ReadingReference ref;
            SplitReadingReference(value, ref);
            EXPECT_LE(ref.endChapter, index.chapterCount) << where;
            EXPECT_EQ(ReferenceOutsideBook(ref, index), "") << where;
            EXPECT_LE(std::pair(ref.startChapter, ref.startVerse), std::pair(ref.endChapter, ref.endVerse)) << where;
            for (const auto& [chapter, verse] :
                 {std::pair(ref.startChapter, ref.startVerse), std::pair(ref.endChapter, ref.endVerse)}) {
                const auto limit = limits.find({ref.book, chapter});
                if (limit != limits.end()) {
                    EXPECT_LE(verse, limit->second) << where;
                }
            }
            // the first and the last verse are read from the text
            for (const auto& [chapter, verse] :
                 {std::pair(ref.startChapter, ref.startVerse), std::pair(ref.endChapter, ref.endVerse)}) {
                const std::string at = std::to_string(chapter) + ":" + std::to_string(verse);
                const ReferenceRange range = ParseReadingReference(book + at + "-" + at, index);
                loader.ScanRange(range.firstSeg, range.LastSeg(), false, true, false);
                int words = 0;
                for (int i = 0; i < table.WordCount(); ++i) words += table.Item(i)->hebrew ? 1 : 0;
                EXPECT_GT(words, 0) << where << ": verse " << at;
                table.Clear();
            }
        }
    }
}

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& ch : out) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return out;
}

// What each reading offers, by its name in lower case (the first element of a name, as the
// program finds it): "Type Attribute=value" for its options' Cycle and Special, and the
// Cycle of its Torah options in document order.
struct Offer {
    std::set<std::string> options;
    std::vector<std::string> torahCycles;
};
std::map<std::string, Offer> Offers(const Catalogue& c) {
    std::map<std::string, Offer> offers;
    for (const TXMLelement* r : c.Readings()) {
        auto [it, added] = offers.try_emplace(Lower(Value(r, "Name")));
        if (!added) continue;
        for (const TXMLelement* o : Options(r)) {
            it->second.options.insert(Value(o, "Type") + " Cycle=" + Value(o, "Cycle"));
            it->second.options.insert(Value(o, "Type") + " Special=" + Value(o, "Special"));
            if (Value(o, "Type") == "Torah") it->second.torahCycles.push_back(Value(o, "Cycle"));
        }
    }
    return offers;
}

// The Cycle of the Torah option the dialog lists first for a cycle key ("0" in the annual
// cycle): the first whose Cycle is the key, or "4" or "5", which both cycles list.
std::string FirstListed(const Offer& offer, const std::string& key) {
    for (const std::string& c : offer.torahCycles)
        if (c == key || c == "4" || c == "5") return c;
    return {};
}

TEST(CatalogueData, EveryCaptionOfTheDialogHasItsReading) {
    const Catalogue catalogue("sedrot.xml");
    ASSERT_TRUE(catalogue.ok);
    std::vector<std::string> captions = {
        "Rosh Chodesh", "Rosh Hashanah", "Fast of Gedalia", "Yom Kippur", "Succos", "Hoshana Rabbah",
        "Shemini Atzeres", "Simchas Torah", "Chanukah", "Tenth of Teves", "Fast of Esther", "Purim", "Pesach",
        "Shavuos", "Seventeenth of Tammuz", "Tisha B'Av", "Megillas Esther", "Megillas Shir HaShirim (Song of Songs)",
        "Megillas Ruth", "Megillas Eichah (Lamentations)", "Megillas Koheles (Ecclesiastes)"};
    for (int p = 0; p <= 60; ++p) captions.emplace_back(PortionName(p));
    const auto offers = Offers(catalogue);
    for (const std::string& caption : captions) {
        const auto reading = offers.find(Lower(caption));
        ASSERT_NE(reading, offers.end()) << caption;
        EXPECT_FALSE(reading->second.options.empty()) << caption;
    }
}

// Over every Sabbath of 5600-6000, in the Diaspora and in Israel: the portion read has its
// annual reading, its weekday reading, a Maftir option for its Maftir key (its own Maftir when
// the key is empty), a Haftarah option for its Haftarah key, and a triennial reading for the
// triennial key of each year of the cycle; the Torah option listed first, which the dialog
// selects, is the Sabbath's reading in either cycle.
TEST(CatalogueData, EverySabbathFindsTheOptionsItsKeysAskFor) {
    const Catalogue catalogue("sedrot.xml");
    ASSERT_TRUE(catalogue.ok);
    const auto offers = Offers(catalogue);
    TPortionSchedule schedule;
    std::set<std::string> missing;
    for (std::int32_t year = 5600; year <= 6000; ++year) {
        for (bool israel : {false, true}) {
            for (int p = 0; p <= 60; ++p) {
                const std::string name(PortionName(p));
                const SabbathKeyValues keys = SabbathKeys(schedule, name, year, israel);
                if (keys.dateLine.empty()) continue;  // not read that year
                const auto reading = offers.find(Lower(name));
                ASSERT_NE(reading, offers.end()) << name;
                auto need = [&](const std::string& offer) {
                    if (!reading->second.options.count(offer)) missing.insert(name + ": " + offer);
                };
                auto firstListed = [&](const std::string& key) {
                    if (FirstListed(reading->second, key) != key) missing.insert(name + ": first listed for " + key);
                };
                need("Torah Cycle=4");
                need(keys.maftir.empty() ? "Maftir Cycle=0" : "Maftir Special=" + keys.maftir);
                need("Haftarah Special=" + keys.haftarah);
                firstListed("0");
                for (const char* cycle : {"1", "2", "3"})
                    firstListed(TriennialKey(schedule.Calendar(), name, cycle, year, israel));
            }
        }
    }
    EXPECT_EQ(missing, std::set<std::string>{});
}

// The afternoon reading of every fast and of Yom Kippur is known to the dialog as such: the
// Torah option named for the afternoon service takes its own Maftir (the Maftir list and the
// other readings are switched off) and the afternoon Haftarah can still be opened.
TEST(CatalogueData, AfternoonReadingsAreKnownByTheirService) {
    TCatalogue catalogue;
    ASSERT_TRUE(catalogue.Load(kData));
    for (const char* reading : {"Fast of Gedalia", "Yom Kippur", "Tenth of Teves", "Fast of Esther",
                                "Seventeenth of Tammuz", "Tisha B'Av"}) {
        TOpenReadingModel model(catalogue, 5785, {});
        ASSERT_TRUE(model.SelectReading(reading));
        const auto& torah = model.Lists().torah;
        const auto afternoon = std::find_if(torah.begin(), torah.end(),
                                            [](const TOptionItem& o) { return o.text == "Minchah"; });
        ASSERT_NE(afternoon, torah.end()) << reading;
        model.SelectTorahOption(static_cast<int>(afternoon - torah.begin()));
        EXPECT_FALSE(model.MaftirEnabled()) << reading;
        EXPECT_FALSE(model.OpenReadingEnabled()) << reading;
        EXPECT_TRUE(model.OpenHaftarahEnabled()) << reading;
        const TOpenedReading opened = model.Open(TOpenKind::Torah);
        EXPECT_EQ(opened.title, std::string(reading) + ": Minchah");
        EXPECT_FALSE(opened.sections.Kohen.empty() || opened.sections.Maftir.empty()) << reading;
    }
}

// Readings opened from the bundled catalogue as the dialog opens them (first item of each
// list): the triennial cycle's own Maftir and Haftarah, which the annual cycle does not offer;
// the Torah and Esther shown line for line as their scrolls are written, a Haftarah not;
// V'zos HaBracha as Simchas Torah reads it.
TEST(CatalogueData, OpeningFromTheBundledCatalogue) {
    TCatalogue catalogue;
    ASSERT_TRUE(catalogue.Load(kData));
    struct Row {
        const char* what;
        const char* reading;
        std::int32_t year;
        int cycle;  // 0: the annual cycle
        TOpenKind kind;
        const char* title;
        bool wrapped;
        std::vector<std::pair<const char*, const char*>> sections;  // line of the sections list, "" for none
    };
    const Row rows[] = {
        {"the triennial first year's Maftir", "Noach", 5784, 1, TOpenKind::Torah, "Noach: Triennial, year 1", true,
         {{"Kohen", "GEN6:9-6:16"}, {"Shvii", "GEN8:1-8:14"}, {"Maftir", "GEN8:12-8:14"}}},
        {"the triennial first year's Haftarah", "Noach", 5784, 1, TOpenKind::Haftarah, "Noach: Haftarah - Triennial, year 1",
         false, {{"Reading section 1", "ISA54:11-55:5"}}},
        {"the annual Haftarah, no triennial one before it", "Noach", 5784, 0, TOpenKind::Haftarah, "Noach: Haftarah", false,
         {{"Reading section 1", "ISA54:1-55:5"}}},
        {"a combined portion's first year takes the first part's Haftarah", "Tazria+Metzora", 5785, 1,
         TOpenKind::Haftarah, "Tazria+Metzora: Haftarah - Triennial, year 1", false,
         {{"Reading section 1", "ISA46:3-46:13"}}},
        {"and its later years the second part's", "Tazria+Metzora", 5785, 3, TOpenKind::Haftarah,
         "Tazria+Metzora: Haftarah - Triennial, year 3", false, {{"Reading section 1", "2KI5:20-5:27"}}},
        {"Esther as its scroll is written", "Megillas Esther", 5784, 0, TOpenKind::Reading, "Megillas Esther", true,
         {{"Reading section 1", "EST1:1-10:3"}}},
        {"V'zos HaBracha as Simchas Torah reads it", "V'zos HaBracha", 5784, 0, TOpenKind::Torah,
         "V'zos HaBracha: Simchas Torah", true,
         {{"Chamishi", "DEU33:22-33:26"}, {"Shishi", ""}, {"Shvii", ""}, {"Chatan HaTorah", "DEU33:27-34:12"},
          {"Chatan Bereishis Bara", "GEN1:1-2:3"}, {"Maftir", "NUM29:35-30:1"}}},
        {"and in the triennial cycle the same", "V'zos HaBracha", 5784, 2, TOpenKind::Torah,
         "V'zos HaBracha: Simchas Torah", true, {{"Chatan HaTorah", "DEU33:27-34:12"}, {"Maftir", "NUM29:35-30:1"}}},
    };
    for (const Row& r : rows) {
        TOpenReadingModel model(catalogue, r.year, {r.cycle > 0, r.cycle, r.year});
        model.SetTriennial(r.cycle > 0);
        ASSERT_TRUE(model.SelectReading(r.reading)) << r.what;
        ASSERT_EQ(model.ReadingName(), r.reading) << r.what;
        const TOpenedReading opened = model.Open(r.kind);
        EXPECT_EQ(opened.title, r.title) << r.what;
        EXPECT_EQ(opened.subtitle, "") << r.what;
        EXPECT_EQ(opened.wrapped, r.wrapped) << r.what;
        for (const auto& [name, value] : r.sections) {
            const std::string label = std::string(name) + ": ";
            const auto line = std::find_if(opened.manage.begin(), opened.manage.end(),
                                           [&](const std::string& l) { return l.starts_with(label); });
            EXPECT_EQ(line == opened.manage.end() ? "" : line->substr(label.size()), value) << r.what << ", " << name;
        }
    }
}

}  // namespace
}  // namespace lyrasta
