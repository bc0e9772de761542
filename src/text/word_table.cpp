#include "word_table.h"

#include <algorithm>

namespace lyrasta {

namespace {

// Reverses a UTF-8 text by code points, so that a right-to-left label keeps valid characters.
std::string ReverseUtf8(const std::string& s) {
    std::vector<std::string> chars;
    for (size_t i = 0; i < s.size();) {
        size_t n = 1;
        const auto c = static_cast<unsigned char>(s[i]);
        if (c >= 0xF0) n = 4;
        else if (c >= 0xE0) n = 3;
        else if (c >= 0xC0) n = 2;
        n = std::min(n, s.size() - i);
        chars.push_back(s.substr(i, n));
        i += n;
    }
    std::string out;
    out.reserve(s.size());
    for (auto it = chars.rbegin(); it != chars.rend(); ++it) out += *it;
    return out;
}

}  // namespace

void TWordTable::AddWord(HxNewItem item) {
    if (item.text.find('\x1c') != std::string::npos) std::replace(item.text.begin(), item.text.end(), '\x1c', ' ');
    if (item.rtl && reverseRtl) item.text = ReverseUtf8(item.text);

    const int index = WordCount();
    HxWord& w = items_.emplace_back();
    w.text = std::move(item.text);
    w.font = std::move(item.font);
    w.size = item.size;
    w.colour = item.colour;
    w.lineEnd = item.lineEnd;
    w.rule = item.rule;
    w.hebrew = item.hebrew;
    w.scroll = item.scroll;
    w.sung = item.sung;
    w.rtl = item.rtl;
    w.verseEnd = item.verseEnd;
    w.letters = std::move(item.letters);
    const int pairing = item.pairing;

    if (pairing == kPairOpen) openPair_ = index;
    if (openPair_ >= 0) w.pairFirst = openPair_;

    if (pairing == kPairClose && openPair_ >= 0) {
        for (int k = openPair_; k <= index; ++k) {
            items_[k].pairFirst = openPair_;
            items_[k].pairLast = index;
        }
        openPair_ = -1;
    }
}

void TWordTable::Clear() {
    items_.clear();
    selected_ = 0;
    openPair_ = -1;
}

const HxWord* TWordTable::Item(int i) const {
    return i >= 0 && i < WordCount() ? &items_[i] : nullptr;
}

HxWord* TWordTable::Item(int i) {
    return i >= 0 && i < WordCount() ? &items_[i] : nullptr;
}

template <typename Table, typename Visit>
void TWordTable::ForSungLetters(Table& table, int i, Visit visit) {
    auto* w = table.Item(i);
    if (!w) return;
    if (w->pairFirst < 0) {
        if (w->letters)
            for (auto& c : *w->letters) visit(c);
        return;
    }
    if (w->pairFirst != i) return;
    const int last = w->pairLast >= 0 ? w->pairLast : table.WordCount() - 1;
    for (int k = i; k <= last; ++k) {
        auto& p = table.items_[k];
        if (!p.sung || !p.letters) continue;
        // Each part is sung up to its ketiv mark: the ketiv is read by its qere. A qere mark
        // record does not end the part, or a qere that closes a maqaf pair would be silent.
        for (auto& c : *p.letters) {
            if (c.kq == 2) break;
            visit(c);
        }
    }
}

LetterList TWordTable::SungLetters(int i) const {
    LetterList out;
    AppendSungLetters(i, out);
    return out;
}

void TWordTable::AppendSungLetters(int i, LetterList& out) const {
    size_t count = 0;
    ForSungLetters(*this, i, [&](const strucHebChar&) { ++count; });
    out.reserve(out.size() + count);
    ForSungLetters(*this, i, [&](const strucHebChar& c) { out.push_back(c); });
}

const strucHebChar* TWordTable::FirstSungLetter(int i) const {
    const strucHebChar* first = nullptr;
    ForSungLetters(*this, i, [&](const strucHebChar& c) {
        if (!first) first = &c;
    });
    return first;
}

void TWordTable::StoreSungLetters(int i, std::span<strucHebChar> letters) {
    size_t count = 0;
    ForSungLetters(*this, i, [&](strucHebChar&) { ++count; });
    if (count != letters.size()) return;
    size_t k = 0;
    ForSungLetters(*this, i, [&](strucHebChar& c) { c = std::move(letters[k++]); });
}

const LetterList* TWordTable::OwnLetters(int i) const {
    const HxWord* w = Item(i);
    return w ? w->letters.get() : nullptr;
}

LetterList* TWordTable::OwnLetters(int i) {
    HxWord* w = Item(i);
    return w ? w->letters.get() : nullptr;
}

int TWordTable::TropeGroupOf(int i) const {
    const HxWord* w = Item(i);
    return w ? w->group : 0;
}

void TWordTable::SetTropeGroupOf(int i, int group) {
    if (HxWord* w = Item(i)) w->group = group;
}

bool TWordTable::IsSung(int i) const {
    const HxWord* w = Item(i);
    return w && w->sung;
}

bool TWordTable::IsHebrewWord(int i) const {
    const HxWord* w = Item(i);
    return w && w->hebrew;
}

int TWordTable::VerseEndKindOf(int i) const {
    const HxWord* w = Item(i);
    return w ? w->verseEnd : -1;
}

void TWordTable::SetUnderline(int i, bool on) {
    if (HxWord* w = Item(i)) w->underline = on;
}

std::string TWordTable::ItemText(int i) const {
    const HxWord* w = Item(i);
    return w ? w->text : std::string();
}

void TWordTable::SetItemText(int i, std::string text) {
    if (HxWord* w = Item(i)) w->text = std::move(text);
}

}  // namespace lyrasta
