#pragma once
// The two definition documents the main window keeps: the trope definitions (melody
// styles, "encodings\tropedef*.xml") and the trope names ("encodings\tropenames*.xml"),
// each merged from all files of its kind, and the lookups by name used on them.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "xml.h"

namespace lyrasta {

// Shows a message to the user: its title and text ("Trope Def Parse Error", parser text).
using MessageFunc = std::function<void(const std::string& title, const std::string& text)>;

class TTropeDefinitions {
public:
    // Reads every definition file under `dataDir` in the order of their names. The
    // definitions document is cleared first; the names document is not, so entries read
    // earlier keep priority over those of a reload. A file that does not parse is reported
    // through `message` with the parser's error text and the rest are still read; the
    // elements built before the error stay.
    void LoadTropeDefinitions(const std::filesystem::path& dataDir, const MessageFunc& message);

    // The root of each document; none when no file of the kind was read.
    TXMLelement* DefinitionsRoot() const { return definitions_.Root(); }
    TXMLelement* NamesRoot() const { return names_.Root(); }
    // The documents themselves, for their parsers' last error texts.
    const TXMLParser& DefinitionsDocument() const { return definitions_; }
    const TXMLParser& NamesDocument() const { return names_; }

private:
    TXMLParser definitions_;
    TXMLParser names_;
};

// The first child of `element` whose Name attribute equals `name`, comparing upper-cased
// texts; none if there is none (or no element).
TXMLelement* ChildByNameAttribute(const TXMLelement* element, std::string_view name);

// The first child of the definitions root whose Name and Type attributes equal `name` and
// `type`, comparing upper-cased texts.
TXMLelement* StyleByNameAndType(const TXMLelement* root, std::string_view name, std::string_view type);

struct TropeNames {
    std::string latin;   // the name in Latin letters
    std::string hebrew;  // the Hebrew name
};

// The names of a trope in an encoding element. `context` is the trope it stands before
// (may be empty): a BEFORE_<context>_VALUE attribute then gives its name in that place.
// A V-mark on a word stressed on its last syllable (`finalStress`) is named as METEG.
// A trope without an entry gives empty names.
TropeNames TropeNameIn(const TXMLelement* encoding, std::string_view trope, std::string_view context,
                       bool finalStress);

}  // namespace lyrasta
