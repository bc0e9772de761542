#include "catalogue.h"

#include <algorithm>
#include <cctype>

#include "text/data_files.h"

namespace lyrasta {

std::string UpperCase(std::string_view s) {
    std::string u(s);
    for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return u;
}

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

namespace {


std::string Attr(const TXMLelement& e, std::string_view name) {
    return e.AttributeCount() == 0 ? std::string() : e.AttributeValue(name);
}

const TXMLelement* Child(const TXMLelement* reading, int index) {
    return reading && index >= 0 ? reading->ChildByIndex(index) : nullptr;
}

// The element behind the selected item of a list, or none.
const TXMLelement* Selected(const TXMLelement* reading, const std::vector<TOptionItem>& list, int index) {
    if (index < 0 || index >= static_cast<int>(list.size())) return nullptr;
    return Child(reading, list[index].element);
}

std::string SelectedText(const std::vector<TOptionItem>& list, int index) {
    return index >= 0 && index < static_cast<int>(list.size()) ? list[index].text : std::string();
}

std::string Title(std::string_view readingName, TOpenKind kind, const TOptionLists& lists) {
    const std::string name(readingName);
    switch (kind) {
    case TOpenKind::Torah: {
        std::string title = name + ": " + SelectedText(lists.torah, lists.torahIndex);
        if (Contains(title, "Niggun")) {
            // "...: Day 1 - Niggun ..." names the melody, which the reading type already chooses.
            const size_t dash = title.find('-');
            if (dash != std::string::npos) title.erase(dash);
            while (!title.empty() && title.back() == ' ') title.pop_back();
        }
        return title;
    }
    case TOpenKind::Haftarah: {
        const std::string option = SelectedText(lists.haftarah, lists.haftarahIndex);
        if (Contains(UpperCase(option), "MELODY") || option == "Haftarah") return name + ": Haftarah";
        return name + ": Haftarah - " + option;
    }
    case TOpenKind::Reading:
        if (Contains(name, "Megil")) return name;
        return name + ": Reading - " + SelectedText(lists.other, lists.otherIndex);
    }
    return {};
}

}  // namespace

bool TCatalogue::Load(const std::filesystem::path& dataDir, std::string_view relative, std::string* error) {
    return LoadFromText(ReadDataFile(dataDir, relative), error);
}

bool TCatalogue::LoadFromText(std::string_view text, std::string* error) {
    doc_.Clear();
    if (text.empty()) return true;
    const bool ok = doc_.LoadFromText(text);
    if (!ok && error) *error = doc_.LastErrorText();
    return ok;
}

const TXMLelement* TCatalogue::ReadingElement(std::string_view name) const {
    const TXMLelement* root = doc_.Root();
    if (!root) return nullptr;
    const std::string wanted = UpperCase(name);
    for (int i = 0; i < root->ChildCount(); ++i) {
        const TXMLelement* e = root->ChildByIndex(i);
        if (e->Type() == TXMLelement::ntElement && UpperCase(Attr(*e, "Name")) == wanted) return e;
    }
    return nullptr;
}

TOptionLists FillOptionLists(const TXMLelement* reading, const SabbathKeyValues& keys, bool triennial,
                             std::string_view triennialKey) {
    TOptionLists lists;
    for (int i = 0; reading && i < reading->ChildCount(); ++i) {
        const TXMLelement& option = *reading->ChildByIndex(i);
        if (option.Type() != TXMLelement::ntElement) continue;
        const std::string type = Attr(option, "Type"), cycle = Attr(option, "Cycle"), name = Attr(option, "Name");
        if (type == "Torah" || type == "HiHoliday") {
            // Monday and Thursday readings (4) and the like (5) are read whatever the cycle.
            const std::string ownCycle = triennial ? std::string(triennialKey) : std::string("0");
            if (cycle == ownCycle) lists.torah.push_back({name + keys.suffix, i});
            else if (cycle == "4" || cycle == "5") lists.torah.push_back({name, i});
        } else if (type == "Maftir") {
            const bool take = !keys.maftir.empty() ? Attr(option, "Special") == keys.maftir
                                                   : cycle == "0" || (triennial && cycle == triennialKey);
            if (take) lists.maftir.push_back({name, i});
        } else if (type == "Haftarah") {
            // A triennial cycle's own Haftarah (Cycle "1" ... "3" or a key such as "2SST") is
            // offered only in that cycle; every other one as its special key says.
            const bool ofTriennialCycle = !cycle.empty() && cycle[0] >= '1' && cycle[0] <= '3';
            const bool inCycle = !ofTriennialCycle || (triennial && cycle == triennialKey);
            if (inCycle && Attr(option, "Special") == keys.haftarah) lists.haftarah.push_back({name, i});
        } else {
            lists.other.push_back({name, i});
        }
    }
    auto first = [](const std::vector<TOptionItem>& list) { return list.empty() ? -1 : 0; };
    lists.torahIndex = first(lists.torah);
    lists.maftirIndex = first(lists.maftir);
    lists.haftarahIndex = first(lists.haftarah);
    lists.otherIndex = first(lists.other);
    lists.openTorah = !lists.torah.empty();
    lists.openHaftarah = !lists.haftarah.empty();
    lists.openReading = !lists.other.empty();
    return lists;
}

TReadingSections OptionSections(const TXMLelement& option, const SabbathKeyValues& keys) {
    TReadingSections s;
    for (const char* name : {"Kohen", "Levi", "Shlishi", "Revii", "Chamishi", "Shishi", "Shvii", "ChatanHaTorah",
                             "ChatanBereishisBara", "R1", "R2", "R3", "R4", "R5", "R1Note", "R2Note", "R3Note",
                             "R4Note", "R5Note"})
        s.Set(name, Attr(option, name));
    const bool haftarah = Attr(option, "Type") == "Haftarah";
    if (keys.roshChodesh && !haftarah) {
        // The sixth reading runs on through the seventh; the seventh is that of Rosh Chodesh.
        const size_t a = s.Shishi.find('-'), b = s.Shvii.find('-');
        if (a != std::string::npos && b != std::string::npos) s.Shishi = s.Shishi.substr(0, a + 1) + s.Shvii.substr(b + 1);
        s.Shvii = "NUM28:9-28:15";
    } else if (keys.roshChodesh && haftarah) {
        s.RNote[1] = "Some congregations add the first and last verses of the Haftarah for Rosh Chodesh:";
        s.R[1] = "ISA66:1-66:1";
        s.R[2] = "ISA66:23-66:23";
    } else if (keys.erevRoshChodeshSpecial && haftarah) {
        s.RNote[1] = "Some congregations add the first and last verses of the Haftarah for Erev Rosh Chodesh:";
        s.R[1] = "1SA20:18-20:18";
        s.R[2] = "1SA20:42-20:42";
    }
    return s;
}

std::vector<std::string> ManageSectionLines(const TReadingSections& s) {
    std::vector<std::pair<std::string, const std::string*>> rows = {
        {"Kohen", &s.Kohen},     {"Levi", &s.Levi},         {"Shlishi", &s.Shlishi}, {"Revii", &s.Revii},
        {"Chamishi", &s.Chamishi}, {"Shishi", &s.Shishi},   {"Shvii", &s.Shvii},     {"Maftir", &s.Maftir}};
    for (int n = 0; n < 5; ++n) rows.emplace_back("Reading section " + std::to_string(n + 1), &s.R[n]);
    rows.emplace_back("Chatan HaTorah", &s.ChatanHaTorah);
    rows.emplace_back("Chatan Bereishis Bara", &s.ChatanBereishisBara);
    std::vector<std::string> lines;
    for (const auto& [label, value] : rows)
        if (!value->empty()) lines.push_back(label + ": " + *value);
    return lines;
}

TOpenedReading OpenChosenReading(const TXMLelement* reading, std::string_view readingName, TOpenKind kind,
                                 const TOptionLists& lists, bool maftirEnabled, const SabbathKeyValues& keys,
                                 bool forceWrapping) {
    TOpenedReading r;
    const TXMLelement* e = kind == TOpenKind::Torah      ? Selected(reading, lists.torah, lists.torahIndex)
                           : kind == TOpenKind::Haftarah ? Selected(reading, lists.haftarah, lists.haftarahIndex)
                                                         : Selected(reading, lists.other, lists.otherIndex);
    if (!e) return r;
    r.title = Title(readingName, kind, lists);
    r.subtitle = keys.maftir;
    if (SelectedText(lists.torah, lists.torahIndex).starts_with("Weekday")) r.subtitle.clear();
    const TXMLelement* m =
        kind == TOpenKind::Torah && maftirEnabled ? Selected(reading, lists.maftir, lists.maftirIndex) : nullptr;

    r.type = Attr(*e, "Type");
    r.typeAux = Attr(*e, "TypeAux");
    r.wrapped = UpperCase(Attr(*e, "Wrapped")) == "TRUE" || forceWrapping;
    r.sections = OptionSections(*e, keys);
    r.sections.Maftir = Attr(*e, "Maftir");
    // A Monday and Thursday reading (Cycle 4) has no Maftir.
    if (r.sections.Maftir.empty() && m && Attr(*e, "Cycle") != "4") r.sections.Maftir = Attr(*m, "Maftir");
    r.manage = ManageSectionLines(r.sections);
    // A placeholder that shows a Maftir line in the sections list without reading one.
    if (r.sections.Maftir == "Dummy for display") r.sections.Maftir.clear();
    return r;
}

}  // namespace lyrasta
