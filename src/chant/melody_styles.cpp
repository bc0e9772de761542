#include "melody_styles.h"

#include "text/text_helpers.h"

#include <algorithm>
#include <cctype>

#include "text/trope_definitions.h"

namespace lyrasta {

namespace {

const std::vector<std::string> kNoNames;
const std::string kNoText;

const char kDq = '"';

std::string MessageA(const std::string& type, const std::string& style) {
    return "You have not yet set a melody style for " + type + ". The " + kDq + style + kDq +
           " style has been set for you. " + " If this is not correct, change the " + kDq + "Melody" +
           kDq + " setting in the toolbar on the top of the screen.";
}

std::string MessageB(const std::string& type, const std::string& style) {
    return "You have not yet set a melody style for the second melody type:" + type +
           " used for this reading. The " + kDq + style + kDq + " style has been set for you. " +
           " If this is not correct, change the " + kDq + "Secondary melody" + kDq +
           " setting in the toolbar on the top of the screen.";
}

}  // namespace

int ReadingTypeIndex(const std::string& type) {
    for (size_t i = 0; i < kReadingTypes.size(); ++i)
        if (type == kReadingTypes[i]) return static_cast<int>(i);
    return -1;
}

strucStyleOptions ReadStyleOptions(const TXMLelement* style) {
    strucStyleOptions o;
    const std::string bend = Attribute(style, "PitchBend");
    try {
        o.pitchBend = bend.empty() ? 0 : std::stoi(bend);
    } catch (const std::exception&) {
        o.pitchBend = 0;
    }
    o.assimilateRhythm = Upper(Attribute(style, "Assimilate_Rhythm")) == "TRUE";
    o.assimilatePitch = Upper(Attribute(style, "Assimilate_Pitch")) == "TRUE";
    o.truncateExtraUpbeats = Upper(Attribute(style, "TRUNCATE_EXTRA_UPBEATS")) == "TRUE";
    o.adjustHighMileil = Upper(Attribute(style, "ADJUST_HIGH_MILEIL_LAST_NOTE")) != "FALSE";
    return o;
}

TMelodyStyles::TMelodyStyles(const TTropeDefinitions& documents, MessageFunc message)
    : documents_(documents), message_(std::move(message)) {}

TMelodyStyles::TypeEntry* TMelodyStyles::Entry(const std::string& type) {
    const int i = ReadingTypeIndex(type);
    return i < 0 ? nullptr : &types_[i];
}

const TMelodyStyles::TypeEntry* TMelodyStyles::Entry(const std::string& type) const {
    const int i = ReadingTypeIndex(type);
    return i < 0 ? nullptr : &types_[i];
}

void TMelodyStyles::BuildStyleCatalogue(const std::map<std::string, std::string>& saved) {
    for (TypeEntry& t : types_) t = TypeEntry{};
    const TXMLelement* root = documents_.DefinitionsRoot();
    if (!root) return;
    for (int i = 0; i < root->ChildCount(); ++i) {
        const TXMLelement* style = root->ChildByIndex(i);
        if (style->Type() != TXMLelement::ntElement) continue;
        const std::string type = Attribute(style, "Type");
        TypeEntry* entry = Entry(type);
        if (!entry) continue;
        const std::string name = Attribute(style, "Name");
        entry->names.push_back(name);
        entry->help += Upper(name) + ": " + Attribute(style, "Description") + "\r\n\r\n";
        const auto s = saved.find(type);
        if (s != saved.end() && s->second == name) entry->chosen = static_cast<int>(entry->names.size()) - 1;
    }
}

std::map<std::string, std::string> TMelodyStyles::SaveStyleChoices() const {
    std::map<std::string, std::string> out;
    for (size_t i = 0; i < types_.size(); ++i) {
        const TypeEntry& t = types_[i];
        if (t.chosen >= 0 && t.chosen < static_cast<int>(t.names.size())) out[kReadingTypes[i]] = t.names[t.chosen];
    }
    return out;
}

void TMelodyStyles::SetChosenStyle(const std::string& type, int index) {
    if (TypeEntry* t = Entry(type)) t->chosen = index;
}

const std::vector<std::string>& TMelodyStyles::StyleNames(const std::string& type) const {
    const TypeEntry* t = Entry(type);
    return t ? t->names : kNoNames;
}

int TMelodyStyles::ChosenIndex(const std::string& type) const {
    const TypeEntry* t = Entry(type);
    return t ? t->chosen : -1;
}

const std::string& TMelodyStyles::HelpText(const std::string& type) const {
    const TypeEntry* t = Entry(type);
    return t ? t->help : kNoText;
}

void TMelodyStyles::SetReadingTypes(const std::string& main, const std::string& aux) {
    mainType_ = main;
    auxType_ = aux;
}

std::string TMelodyStyles::SelectFor(const std::string& type, bool second, int& index) {
    TypeEntry* t = Entry(type);
    if (!t || t->names.empty()) {
        index = -1;  // an empty list selects nothing
        return {};
    }
    if (t->chosen < 0 || t->chosen >= static_cast<int>(t->names.size())) {
        index = 0;
        t->chosen = 0;
        if (message_)
            message_("Warning", second ? MessageB(type, t->names[0]) : MessageA(type, t->names[0]));
    } else {
        index = t->chosen;
    }
    return t->names[index];
}

bool TMelodyStyles::ChooseReadingStyles() {
    if (mainType_.empty()) return style_ != nullptr;
    display_ = strucMelodyDisplay{};
    display_.mainItems = StyleNames(mainType_);
    mainStyle_ = SelectFor(mainType_, false, display_.mainIndex);
    auxStyle_.clear();
    if (!auxType_.empty()) {
        display_.twoMelodies = true;
        display_.lblMelodyMain = mainType_ + ": " + mainStyle_;
        display_.dialogMainLabel = "Main melody - " + mainType_ + ":";
        display_.auxItems = StyleNames(auxType_);
        auxStyle_ = SelectFor(auxType_, true, display_.auxIndex);
        display_.lblMelodyAux = auxType_ + ": " + auxStyle_;
        display_.dialogAuxLabel = "Secondary melody - " + auxType_ + ":";
    }
    return ActivateStyle(mainStyle_, mainType_);
}

bool TMelodyStyles::ActivateStyle(const std::string& name, const std::string& type) {
    style_ = StyleByNameAndType(documents_.DefinitionsRoot(), name, type);
    if (!style_) {
        encoding_ = nullptr;
        locations_.clear();
        items_.clear();
        if (message_) {
            const std::string& why = documents_.DefinitionsDocument().LastErrorText();
            message_("Parse Error getting style",
                     why.empty() ? "the melody definitions hold no style \"" + name + "\" for " + type : why);
        }
        return false;
    }
    LoadSpecialMelodyLocations();
    encoding_ = ChildByNameAttribute(documents_.NamesRoot(), Attribute(style_, "Encoding"));
    if (!encoding_) {
        if (message_) message_("Parse Error", documents_.NamesDocument().LastErrorText());
        return false;
    }
    return true;
}

const TStyleIndex* TMelodyStyles::CurrentRules() {
    if (!style_) return nullptr;
    std::unique_ptr<TStyleIndex>& rules = rules_[style_];
    if (!rules) rules = std::make_unique<TStyleIndex>(style_);
    return rules.get();
}

void TMelodyStyles::LoadSpecialMelodyLocations() {
    locations_.clear();
    items_.clear();
    const TXMLelement* melodies = style_ ? style_->ChildByName("MELODIES") : nullptr;
    if (!melodies) return;
    for (int i = 0; i < melodies->ChildCount(); ++i) {
        const TXMLelement* item = melodies->ChildByIndex(i);
        if (item->Type() != TXMLelement::ntElement) continue;
        locations_.push_back(Attribute(item, "LOC"));
        items_.push_back(item);
    }
}

}  // namespace lyrasta
