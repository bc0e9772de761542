#include "sections_model.h"

#include <utility>

namespace lyrasta::ui {

namespace {

// The sections in the dialog's order with their labels.
std::vector<std::pair<std::string, std::string TReadingSections::*>> Named() {
    return {{"Kohen", &TReadingSections::Kohen},       {"Levi", &TReadingSections::Levi},
            {"Shlishi", &TReadingSections::Shlishi},   {"Revii", &TReadingSections::Revii},
            {"Chamishi", &TReadingSections::Chamishi}, {"Shishi", &TReadingSections::Shishi},
            {"Shvii", &TReadingSections::Shvii},       {"Maftir", &TReadingSections::Maftir}};
}

}  // namespace

std::vector<TSectionLine> SectionLines(const TReadingSections& s) {
    std::vector<TSectionLine> lines;
    for (const auto& [label, member] : Named())
        if (!(s.*member).empty()) lines.push_back({label, s.*member});
    for (size_t k = 0; k < s.R.size(); ++k)
        if (!s.R[k].empty()) lines.push_back({"Reading section " + std::to_string(k + 1), s.R[k]});
    if (!s.ChatanHaTorah.empty()) lines.push_back({"Chatan HaTorah", s.ChatanHaTorah});
    if (!s.ChatanBereishisBara.empty()) lines.push_back({"Chatan Bereishis Bara", s.ChatanBereishisBara});
    return lines;
}

TReadingSections TickedSections(const std::vector<TSectionLine>& lines, const TReadingSections& original) {
    TReadingSections out;
    out.RNote = original.RNote;
    out.SecondMaftir = original.SecondMaftir;
    for (const TSectionLine& line : lines) {
        if (!line.ticked) continue;
        for (const auto& [label, member] : Named())
            if (line.label == label) out.*member = line.reference;
        for (size_t k = 0; k < out.R.size(); ++k)
            if (line.label == "Reading section " + std::to_string(k + 1)) out.R[k] = line.reference;
        if (line.label == "Chatan HaTorah") out.ChatanHaTorah = line.reference;
        if (line.label == "Chatan Bereishis Bara") out.ChatanBereishisBara = line.reference;
    }
    return out;
}

int JumpTarget(const TWordTable& table, const TSectionLine& line) {
    const std::string text = line.Text();
    for (int i = 0; i < table.WordCount(); ++i) {
        const LetterList* letters = table.OwnLetters(i);
        if (!table.IsHebrewWord(i) || !letters || letters->empty()) continue;
        const strucHebChar& c = letters->front();
        const std::string place =
            c.book + std::to_string(c.chapter) + ":" + std::to_string(c.verse) + "-";
        if (text.find(place) != std::string::npos) return i;
    }
    return -1;
}

}  // namespace lyrasta::ui
