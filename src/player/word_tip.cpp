#include "word_tip.h"

namespace lyrasta {

std::string TipText(const LetterList& letters) {
    std::string tip;
    for (const strucHebChar& c : letters) {
        if (c.comment.empty()) continue;
        if (!tip.empty() && tip.back() != ' ' && tip.back() != '\n') tip += ' ';
        tip += c.comment;
    }
    return tip;
}

}  // namespace lyrasta
