#pragma once
// The readings catalogue: every standard reading a student can open (weekly portions,
// holidays, fasts, Megillot), each a reading element whose children are its options: the
// Torah readings of the annual and triennial cycles and of Monday and Thursday, the Maftir
// and Haftarah options by special Sabbath, and the other readings. For a chosen reading
// and Sabbath it fills the four option lists of the open-reading dialog, and for the
// chosen options it assembles the title, subtitle, reading type and sections to load.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "readings/sabbath_keys.h"
#include "text/reading_loader.h"
#include "text/xml.h"

namespace lyrasta {

// Names are compared without regard to letter case.
std::string UpperCase(std::string_view s);
bool Contains(std::string_view text, std::string_view part);

// The catalogue document, read once and kept.
class TCatalogue {
public:
    // Reads "Encodings\sedrot.xml" (or another catalogue) of the data folder. A missing
    // file gives an empty catalogue; a malformed one keeps what was parsed and returns
    // false with the parser's error text in `error`.
    bool Load(const std::filesystem::path& dataDir, std::string_view relative = "Encodings\\sedrot.xml",
              std::string* error = nullptr);
    bool LoadFromText(std::string_view text, std::string* error = nullptr);

    // The reading element whose Name equals `name` without regard to letter case (the
    // first in document order), or none.
    const TXMLelement* ReadingElement(std::string_view name) const;
    const TXMLelement* Root() const { return doc_.Root(); }

private:
    TXMLParser doc_;
};

// One item of an option list: its text and the index of its option element among the
// reading element's children.
struct TOptionItem {
    std::string text;
    int element = -1;
    bool operator==(const TOptionItem&) const = default;
};

// The four lists of the dialog, each with its selected item (-1 for none), and the open
// buttons the lists allow.
struct TOptionLists {
    std::vector<TOptionItem> torah, maftir, haftarah, other;
    int torahIndex = -1, maftirIndex = -1, haftarahIndex = -1, otherIndex = -1;
    bool openTorah = false, openHaftarah = false, openReading = false;
};

// Fills the lists for a reading element (none gives empty lists): Torah options of the
// annual cycle (Cycle "0") or of the triennial key, with the Shvi'i suffix, and those of
// Cycle "4" and "5" in both modes; the Maftir options of the Maftir key (or, without one,
// the ordinary ones); the Haftarah options of the Haftarah key (a triennial Haftarah only in
// its own cycle); every other option.
// The first item of each list is selected.
TOptionLists FillOptionLists(const TXMLelement* reading, const SabbathKeyValues& keys, bool triennial,
                             std::string_view triennialKey);

// Which open button was used.
enum class TOpenKind { Torah, Haftarah, Reading };

// A reading ready to load, and the lines of its manage-sections list.
struct TOpenedReading {
    std::string title, subtitle, type, typeAux;
    bool wrapped = false;
    TReadingSections sections;
    std::vector<std::string> manage;  // "Kohen: GEN1:1-2:3", ... one per present section
};

// Turns the dialog's choice into the reading to load. Empty title (nothing to load) when
// the list of the open kind has no selected item. `maftirEnabled` is whether the Maftir
// list may give the Maftir (the Torah option rule of the dialog can disable it).
TOpenedReading OpenChosenReading(const TXMLelement* reading, std::string_view readingName, TOpenKind kind,
                                 const TOptionLists& lists, bool maftirEnabled, const SabbathKeyValues& keys,
                                 bool forceWrapping);

// The sections of an option element as step by step the opening rules take them: the
// aliyot (the sixth reading running on through the seventh, and the Rosh Chodesh reading
// as the seventh, on a Sabbath Rosh Chodesh that is also a holiday or special Sabbath),
// the Haftarah's added Rosh Chodesh or Erev Rosh Chodesh verses, the reading sections
// and notes and the Simchas Torah honours. The Maftir is left to the caller.
TReadingSections OptionSections(const TXMLelement& option, const SabbathKeyValues& keys);

// The manage-sections lines of the present sections: "Kohen: " + reference, ...,
// "Maftir: ", "Reading section 1: " ... "Reading section 5: ", "Chatan HaTorah: ",
// "Chatan Bereishis Bara: ".
std::vector<std::string> ManageSectionLines(const TReadingSections& sections);

}  // namespace lyrasta
