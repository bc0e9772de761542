#include "custom_readings.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "text/safe_write.h"
#include "text/xml.h"

namespace lyrasta {

namespace {

constexpr const char* kTorahRows[8] = {"KOHEN", "LEVI", "SHLISHI", "REVII", "CHAMISHI", "SHISHI", "SHVII", "MAFTIR"};
constexpr const char* kSectionNames[8] = {"Kohen", "Levi", "Shlishi", "Revii", "Chamishi", "Shishi", "Shvii", "Maftir"};

bool IsTorah(CustomKind k) { return k == CustomKind::Torah || k == CustomKind::HiHoliday; }

bool AnyRowHas(const TCustomReading& r, int rows, const char* book) {
    for (int i = 0; i < rows; ++i)
        if (r.rows[i].find(book) != std::string::npos) return true;
    return false;
}

CustomKind KindOfType(const std::string& type) {
    if (type == "Torah") return CustomKind::Torah;
    if (type == "HiHoliday") return CustomKind::HiHoliday;
    if (type == "Haftarah") return CustomKind::Haftarah;
    return CustomKind::Megilla;
}

}  // namespace

std::string TrimmedName(const std::string& name) {
    const size_t a = name.find_first_not_of(" \t");
    if (a == std::string::npos) return {};
    return name.substr(a, name.find_last_not_of(" \t") - a + 1);
}

int TCustomReading::RowCount(CustomKind kind) {
    return IsTorah(kind) ? 8 : kind == CustomKind::Haftarah ? 5 : 2;
}

std::vector<std::string> TCustomReading::RowLabels(CustomKind kind) {
    if (IsTorah(kind)) return {"Kohen", "Levi", "Shlishi", "Revi'i", "Chamishi", "Shishi", "Shvii", "Maftir"};
    std::vector<std::string> labels;
    for (int i = 1; i <= RowCount(kind); ++i) labels.push_back("Reading " + std::to_string(i));
    return labels;
}

std::string TCustomReading::TypeName(CustomKind kind) {
    switch (kind) {
    case CustomKind::Torah: return "Torah";
    case CustomKind::HiHoliday: return "HiHoliday";
    case CustomKind::Haftarah: return "Haftarah";
    case CustomKind::Megilla: break;
    }
    return "Reading";
}

bool TCustomReading::Wrapped() const {
    if (IsTorah(kind)) return true;
    if (kind == CustomKind::Haftarah) return false;
    return AnyRowHas(*this, 2, "EST") || AnyRowHas(*this, 2, "QOH");
}

bool TCustomReading::Empty() const {
    return std::all_of(rows.begin(), rows.end(), [](const std::string& r) { return r.empty(); });
}

TCustomOpening OpeningOf(const TCustomReading& r) {
    TCustomOpening o;
    o.title = TrimmedName(r.name).empty() || r.name[0] == '-' ? "Customized reading" : TrimmedName(r.name);
    o.wrapped = r.Wrapped();
    const int rows = TCustomReading::RowCount(r.kind);
    for (int i = 0; i < rows; ++i) {
        if (r.rows[i].empty()) continue;
        o.sections.emplace_back(IsTorah(r.kind) ? kSectionNames[i] : "R" + std::to_string(i + 1), r.rows[i]);
    }
    switch (r.kind) {
    case CustomKind::Torah: o.type = "Torah"; break;
    case CustomKind::HiHoliday: o.type = "HiHoliday"; break;
    case CustomKind::Haftarah: o.type = "Haftarah"; break;
    case CustomKind::Megilla:
        o.type = AnyRowHas(r, 2, "EST")   ? "Esther"
                 : AnyRowHas(r, 2, "LAM") ? "Eichah"
                                          : "Ruth-Koheles-ShirHashirim";
        break;
    }
    return o;
}

TCustomReadingsFile::TCustomReadingsFile(std::string path) : path_(std::move(path)) {}

std::string TCustomReadingsFile::DefaultPath() {
    std::filesystem::path base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home) base = std::filesystem::path(home) / ".local" / "share";
    else base = ".";
    return (base / "lyrasta" / "custom sedrot.xml").string();
}

bool TCustomReadingsFile::Load(std::string* error) {
    readings_.clear();
    malformed_ = false;
    std::error_code ec;
    if (!std::filesystem::exists(path_, ec)) return true;
    std::ifstream in(path_, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    TXMLParser parser;
    if (!in || !parser.LoadFromText(text.str()) || !parser.Root()) {
        malformed_ = true;
        if (error) *error = path_ + ": " + (parser.LastErrorText().empty() ? "cannot be read" : parser.LastErrorText());
        return false;
    }
    for (TXMLelement* e = parser.Root()->FirstChild(); e; e = e->NextSibling()) {
        if (e->Type() != TXMLelement::ntElement) continue;
        TCustomReading r;
        r.name = TrimmedName(e->AttributeValue("NAME"));
        if (r.name.empty()) continue;
        r.kind = KindOfType(e->AttributeValue("TYPE"));
        for (int i = 0; i < 8; ++i) r.rows[i] = e->AttributeValue(kTorahRows[i]);
        for (int i = 0; i < 5; ++i)
            if (std::string v = e->AttributeValue("R" + std::to_string(i + 1)); !v.empty()) r.rows[i] = v;
        readings_.push_back(std::move(r));
    }
    return true;
}

bool TCustomReadingsFile::StartAfresh(std::string* error) {
    std::error_code ec;
    if (std::filesystem::exists(path_, ec) &&
        !std::filesystem::copy_file(path_, KeptCopyPath(), std::filesystem::copy_options::overwrite_existing, ec)) {
        if (error) *error = KeptCopyPath() + ": " + ec.message();
        return false;
    }
    readings_.clear();
    malformed_ = false;
    return true;
}

std::vector<std::string> TCustomReadingsFile::Names() const {
    std::vector<std::string> names;
    for (const TCustomReading& r : readings_) names.push_back(r.name);
    std::sort(names.begin(), names.end());
    return names;
}

const TCustomReading* TCustomReadingsFile::Find(const std::string& name) const {
    const std::string wanted = TrimmedName(name);
    for (const TCustomReading& r : readings_)
        if (r.name == wanted) return &r;
    return nullptr;
}

bool TCustomReadingsFile::Write(const std::vector<TCustomReading>& readings, std::string* error) {
    if (malformed_) {
        if (error) *error = path_ + " could not be read, so it is not written over.";
        return false;
    }
    TXMLParser doc;
    TXMLelement* root = doc.CreateRoot("CUSTOMSEDROT");
    for (const TCustomReading& r : readings) {
        TXMLelement* e = root->AddChild("READING");
        e->AddAttribute("NAME", r.name);
        e->AddAttribute("TYPE", TCustomReading::TypeName(r.kind));
        e->AddAttribute("WRAPPED", r.Wrapped() ? "TRUE" : "FALSE");
        const int rows = TCustomReading::RowCount(r.kind);
        for (int i = 0; i < rows; ++i) {
            if (r.rows[i].empty()) continue;
            e->AddAttribute(IsTorah(r.kind) ? kTorahRows[i] : "R" + std::to_string(i + 1), r.rows[i]);
        }
    }
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), ec);
    std::string reason;
    if (!WriteFileSafely(path_, doc.SaveToText(), &reason)) {
        if (error) *error = reason;
        return false;
    }
    readings_ = readings;
    return true;
}

bool TCustomReadingsFile::Save(TCustomReading reading, std::string* error) {
    reading.name = TrimmedName(reading.name);
    if (reading.name.empty() || reading.name[0] == '-') {
        if (error) *error = "Please enter a custom name";
        return false;
    }
    // Rows past the kind's count are not part of it.
    for (int i = TCustomReading::RowCount(reading.kind); i < 8; ++i) reading.rows[i].clear();
    std::vector<TCustomReading> next;
    for (const TCustomReading& r : readings_)
        if (r.name != reading.name) next.push_back(r);
    next.push_back(std::move(reading));
    return Write(next, error);
}

bool TCustomReadingsFile::Delete(const std::string& name, std::string* error) {
    std::vector<TCustomReading> next;
    for (const TCustomReading& r : readings_)
        if (r.name != TrimmedName(name)) next.push_back(r);
    return Write(next, error);
}

}  // namespace lyrasta
