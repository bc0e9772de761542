#include "trope_definitions.h"

#include "text/text_helpers.h"

#include <cctype>

#include "data_files.h"

namespace lyrasta {

namespace {

void LoadAll(TXMLParser& parser, const std::filesystem::path& dataDir, std::string_view pattern,
             const char* title, const MessageFunc& message) {
    std::string problem;
    const std::vector<std::string> files = ListDataFiles(dataDir, pattern, &problem);
    if (files.empty() && message) message(title, problem);
    for (const std::string& file : files) {
        const std::string text = ReadDataFile(dataDir, file, &problem);
        if (!problem.empty()) {
            if (message) message(title, problem);
        } else if (!parser.LoadFromText(text) && message) {
            message(title, file + ": " + parser.LastErrorText());
        }
    }
}

}  // namespace

void TTropeDefinitions::LoadTropeDefinitions(const std::filesystem::path& dataDir,
                                             const MessageFunc& message) {
    definitions_.Clear();
    LoadAll(definitions_, dataDir, "encodings/tropedef*.xml", "Trope Def Parse Error", message);
    LoadAll(names_, dataDir, "encodings/tropenames*.xml", "Trope Names Parse Error", message);
}

namespace {

// Whether the element's attribute `key` (empty when missing) equals `value` without regard
// to letter case. Compared in place: the song builder looks up trope names for every word.
bool AttributeIs(const TXMLelement* e, std::string_view key, std::string_view value) {
    const std::string* found = e->FindAttribute(key);
    return SameNoCase(found ? std::string_view(*found) : std::string_view(), value);
}

}  // namespace

TXMLelement* ChildByNameAttribute(const TXMLelement* element, std::string_view name) {
    if (!element) return nullptr;
    for (TXMLelement* c = element->FirstChild(); c; c = c->NextSibling())
        if (c->Type() == TXMLelement::ntElement && AttributeIs(c, "Name", name)) return c;
    return nullptr;
}

TXMLelement* StyleByNameAndType(const TXMLelement* root, std::string_view name, std::string_view type) {
    if (!root) return nullptr;
    for (TXMLelement* c = root->FirstChild(); c; c = c->NextSibling()) {
        if (c->Type() == TXMLelement::ntElement && AttributeIs(c, "Name", name) && AttributeIs(c, "Type", type))
            return c;
    }
    return nullptr;
}

TropeNames TropeNameIn(const TXMLelement* encoding, std::string_view trope, std::string_view context,
                       bool finalStress) {
    std::string name(trope);
    const bool vMark = (!name.empty() && name[0] == 'V') || (name.size() > 1 && name[1] == 'V');
    if (vMark && finalStress) name = "METEG";
    const TXMLelement* entry = ChildByNameAttribute(encoding, name);
    if (!entry) return {};
    const std::string before = "BEFORE_" + std::string(context);
    if (std::string latin = Attribute(entry, before + "_VALUE"); !context.empty() && !latin.empty())
        return {latin, Attribute(entry, before + "_HEB_VALUE")};
    return {Attribute(entry, "VALUE"), Attribute(entry, "HEB_VALUE")};
}

}  // namespace lyrasta
