#include "training_document.h"

#include "text/text_helpers.h"

namespace lyrasta {

TTrainingKind TrainingKindOf(const TXMLelement* option) {
    const std::string kind = Upper(Attribute(option, "TUTORIAL"));
    if (kind == "TRUE") return TTrainingKind::Tutorial;
    if (kind == "LESSON") return TTrainingKind::Lesson;
    if (kind == "FLASHCARD") return TTrainingKind::FlashCard;
    if (kind == "HEBTEXT") return TTrainingKind::HebText;
    return TTrainingKind::PhraseDrill;
}

std::vector<int> ElementIndexes(const TXMLelement* parent) {
    std::vector<int> out;
    if (!parent) return out;
    for (int i = 0; i < parent->ChildCount(); ++i)
        if (parent->ChildByIndex(i)->Type() == TXMLelement::ntElement) out.push_back(i);
    return out;
}

std::vector<std::string> SelectionNames(const TXMLelement* root) {
    std::vector<std::string> out;
    for (int i : ElementIndexes(root)) out.push_back(Attribute(root->ChildByIndex(i), "Name"));
    return out;
}

std::vector<TTrainingEntry> OptionEntries(const TXMLelement* selection) {
    std::vector<TTrainingEntry> out;
    for (int i : ElementIndexes(selection)) {
        const TXMLelement* option = selection->ChildByIndex(i);
        if (Upper(Attribute(option, "Display")) != "FALSE") out.push_back({Attribute(option, "Name"), i});
    }
    return out;
}

int FirstOptionIndex(const TXMLelement* selection) {
    const std::vector<int> all = ElementIndexes(selection);
    return all.empty() ? -1 : all.front();
}

int LastOptionIndex(const TXMLelement* selection) {
    const std::vector<int> all = ElementIndexes(selection);
    return all.empty() ? -1 : all.back();
}

int NeighbourOption(const TXMLelement* selection, int element, int step) {
    if (!selection) return -1;
    for (int i = element + step; i >= 0 && i < selection->ChildCount(); i += step)
        if (selection->ChildByIndex(i)->Type() == TXMLelement::ntElement) return i;
    return -1;
}

TReadingSections TrainingSections(const TXMLelement* option) {
    TReadingSections s;
    for (const std::string& name : TReadingSections::Names())
        if (name != "SecondMaftir") s.Set(name, Attribute(option, name));
    s.SecondMaftir = Attribute(option, "STDMaftir");
    return s;
}

bool TrainingFlag(const TXMLelement* option, std::string_view name) {
    return Upper(Attribute(option, name)) == "TRUE";
}

TTrainingPlace FindTrainingOption(const TXMLelement* root, std::string_view path) {
    for (int s : ElementIndexes(root)) {
        const TXMLelement* selection = root->ChildByIndex(s);
        const std::string name = Attribute(selection, "Name");
        if (path.size() <= name.size() || path[name.size()] != '/' || !SameNoCase(path.substr(0, name.size()), name))
            continue;
        const std::string_view optionName = path.substr(name.size() + 1);
        for (int o : ElementIndexes(selection))
            if (SameNoCase(Attribute(selection->ChildByIndex(o), "Name"), optionName)) return {s, o};
    }
    return {};
}

}  // namespace lyrasta
