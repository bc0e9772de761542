#pragma once
// The user's own readings: a Torah reading of up to eight aliyot, a High Holidays Torah
// reading, a Haftarah of up to five sections or a Megillah reading of two, each made of
// reading references and kept under a name in "custom sedrot.xml" in the user's data folder
// ($XDG_DATA_HOME/lyrasta/). Saving writes the whole file anew through the safe writer, so a
// crash or a full disk mid-save leaves the previous file intact, and a failed write is
// reported. A file that does not parse is reported with the parser's message and is never
// written over unless the user has agreed to start it afresh.

#include <array>
#include <string>
#include <vector>

namespace lyrasta {

enum class CustomKind { Torah, HiHoliday, Haftarah, Megilla };

struct TCustomReading {
    std::string name;
    CustomKind kind = CustomKind::Torah;
    std::array<std::string, 8> rows;  // reading references; empty rows are not used

    // The number of rows the kind has (8, 8, 5, 2) and their labels.
    static int RowCount(CustomKind kind);
    static std::vector<std::string> RowLabels(CustomKind kind);
    // "TYPE" of the file: "Torah", "HiHoliday", "Haftarah", "Reading".
    static std::string TypeName(CustomKind kind);
    // Shown pre-wrapped: Torah readings, and a Megillah reading of Esther or Kohelet.
    bool Wrapped() const;
    bool Empty() const;
};

// How a custom reading opens: its title ("Customized reading" without a name), the
// sections by name ("Kohen" ... "Maftir", or "R1" ... "R5"), the layout and the reading
// type whose melody sings it.
struct TCustomOpening {
    std::string title;
    bool wrapped = false;
    std::string type;
    std::vector<std::pair<std::string, std::string>> sections;
};
TCustomOpening OpeningOf(const TCustomReading& reading);

class TCustomReadingsFile {
public:
    explicit TCustomReadingsFile(std::string path = DefaultPath());
    // $XDG_DATA_HOME/lyrasta/custom sedrot.xml (~/.local/share/lyrasta/ by default).
    static std::string DefaultPath();

    // Reads the file; a missing file is an empty list. False, with the parser's message in
    // *error, when the file does not parse: Malformed() is then true and nothing is saved
    // over it until StartAfresh.
    bool Load(std::string* error = nullptr);
    bool Malformed() const { return malformed_; }
    // The user agreed to replace a file that does not parse: the file is first kept beside
    // itself as KeptCopyPath() (for repairing by hand), then the list starts empty. False, with
    // the reason in *error, when the copy cannot be made; nothing changes then.
    bool StartAfresh(std::string* error = nullptr);
    std::string KeptCopyPath() const { return path_ + ".unreadable"; }

    // The saved names, sorted; the reading of a name (blanks around it ignored).
    std::vector<std::string> Names() const;
    const TCustomReading* Find(const std::string& name) const;

    // Saves the reading under its name (replacing one of the same name) or deletes one, and
    // writes the file. False, with the reason in *error, when the name is empty, the file is
    // malformed or cannot be written; the file on disk is then as it was.
    bool Save(TCustomReading reading, std::string* error = nullptr);
    bool Delete(const std::string& name, std::string* error = nullptr);

    const std::string& Path() const { return path_; }

private:
    bool Write(const std::vector<TCustomReading>& readings, std::string* error);

    std::string path_;
    std::vector<TCustomReading> readings_;
    bool malformed_ = false;
};

// The name with blanks trimmed at both ends.
std::string TrimmedName(const std::string& name);

}  // namespace lyrasta
