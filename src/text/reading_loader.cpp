#include "reading_loader.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>

#include "book_facts.h"
#include "data_files.h"
#include "hk_streams.h"
#include "word_display.h"
#include "word_scanner.h"

namespace lyrasta {

namespace {

const Rgb kPurple{128, 0, 128}, kGrey{128, 128, 128}, kBlue{0, 0, 255}, kRed{255, 0, 0},
    kGreen{0, 128, 0}, kBlack{0, 0, 0};

// The Hebrew letters of the paragraph marks: pe (open), samekh (closed).
const std::string kPe = "\u05E4", kSamekh = "\u05E1";
const std::string kChatanHaTorahLabel = "\u05D7\u05EA\u05DF \u05D4\u05EA\u05D5\u05E8\u05D4";
const std::string kChatanBereishitLabel =
    "\u05D7\u05EA\u05DF \u05D1\u05E8\u05D0\u05E9\u05D9\u05EA \u05D1\u05E8\u05D0";
const char* kClosingRepeatNote = "(The verse before the last is read again to close the book:)";
const char* kRepeatedVerseNote =
    "(The last verse of the previous aliyah is repeated as the first verse of this aliyah:)";

// A verse's translation line is found by its key, chapter and verse of two digits or more
// ("03:07", "119:176"), wherever the key first stands in the translation. Numbers below
// this bound are looked up in an index built once per translation; others are searched.
constexpr int kMaxKeyNumber = 100'000'000;

std::uint64_t TranslationKey(int chapter, int verse) {
    return static_cast<std::uint64_t>(chapter) << 32 | static_cast<std::uint32_t>(verse);
}

}  // namespace

// Where each key first stands in a translation. A key can stand at any colon: its chapter
// is a tail of the digits before the colon and its verse a head of the digits after it,
// each two digits long or longer without a leading zero (as the key writes its numbers).
TReadingLoader::TranslationKeys TReadingLoader::IndexTranslationKeys(std::string_view text) {
    constexpr size_t kMaxDigits = 8;  // numbers below kMaxKeyNumber
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    TranslationKeys keys;
    for (size_t colon = text.find(':'); colon != std::string_view::npos; colon = text.find(':', colon + 1)) {
        size_t before = 0, after = 0;
        while (before < colon && digit(text[colon - 1 - before])) ++before;
        while (colon + 1 + after < text.size() && digit(text[colon + 1 + after])) ++after;
        if (before < 2 || after < 2) continue;
        for (size_t cl = 2; cl <= std::min(before, kMaxDigits); ++cl) {
            const size_t start = colon - cl;
            if (cl > 2 && text[start] == '0') continue;
            int chapter = 0;
            for (size_t k = start; k < colon; ++k) chapter = chapter * 10 + (text[k] - '0');
            int verse = 0;
            for (size_t vl = 1; vl <= std::min(after, kMaxDigits); ++vl) {
                verse = verse * 10 + (text[colon + vl] - '0');
                if (vl == 1 || (vl > 2 && text[colon + 1] == '0')) continue;
                keys.emplace_back(TranslationKey(chapter, verse), start);
            }
        }
    }
    // A translation's keys mostly come in order already; the first place of a key is kept.
    auto byKey = [](const auto& a, const auto& b) { return a.first < b.first; };
    if (!std::is_sorted(keys.begin(), keys.end(), byKey)) std::stable_sort(keys.begin(), keys.end(), byKey);
    keys.erase(std::unique(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first == b.first; }),
               keys.end());
    return keys;
}

namespace {

std::string BookCode(std::string_view reference) {
    std::string code(reference.substr(0, std::min<size_t>(3, reference.size())));
    for (char& c : code) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return code;
}

}  // namespace

// One of the sections Kohen to Shvii (not Maftir or the reading sections).
struct TReadingLoader::Section {
    enum Kind { kKohen, kLevi, kOther, kChatanBereishit, kShvii };
    Kind kind;
    const std::string& reference;
    std::string name;   // stored into every word
    std::string label;  // shown before the section; empty for none
    bool chatanLabel;   // the label is Hebrew words, not a number
    int blankSize;      // size of the blank item before a book heading
};

const std::vector<std::string>& TReadingSections::Names() {
    static const std::vector<std::string> names = {
        "Kohen", "Levi", "Shlishi", "Revii", "Chamishi", "Shishi", "ChatanHaTorah", "ChatanBereishisBara",
        "Shvii", "Maftir", "R1", "R2", "R3", "R4", "R5", "R1Note", "R2Note", "R3Note", "R4Note", "R5Note",
        "SecondMaftir"};
    return names;
}

bool TReadingSections::Set(std::string_view name, std::string value) {
    std::string* fields[] = {&Kohen, &Levi, &Shlishi, &Revii, &Chamishi, &Shishi, &ChatanHaTorah,
                             &ChatanBereishisBara, &Shvii, &Maftir, &R[0], &R[1], &R[2], &R[3], &R[4],
                             &RNote[0], &RNote[1], &RNote[2], &RNote[3], &RNote[4], &SecondMaftir};
    const auto& names = Names();
    const auto it = std::find(names.begin(), names.end(), name);
    if (it == names.end()) return false;
    *fields[it - names.begin()] = std::move(value);
    return true;
}

TReadingLoader::TReadingLoader(std::filesystem::path dataDir, TWordTable& table)
    : dataDir_(std::move(dataDir)), table_(table) {}

void TReadingLoader::SetSteps(TReadingSteps* steps) { steps_ = steps ? steps : &defaultSteps_; }

std::string TReadingLoader::TranslationLine(int n) const {
    return n >= 1 && n <= static_cast<int>(translations_.size()) ? translations_[n - 1] : std::string();
}

void TReadingLoader::ReadBook(const std::string& code) {
    // A reading's sections often come from one or two books (the aliyot from one, a Maftir
    // from another): while a reading loads, a book read before is taken again from memory
    // instead of reading, checking and indexing its files once more. Its messages are
    // given again, as a new read would give them.
    if (loading_) {
        const auto kept = std::find_if(booksRead_.begin(), booksRead_.end(),
                                       [&](const BookRead& b) { return b.code == code; });
        if (kept != booksRead_.end()) {
            const int k = static_cast<int>(kept - booksRead_.begin());
            if (k != currentBookRead_) {
                KeepCurrentBook();
                SwapBookFiles(*kept);
                currentBookRead_ = k;
            }
            problems_.insert(problems_.end(), kept->problems.begin(), kept->problems.end());
            book_ = code;
            return;
        }
    }
    const size_t before = problems_.size();
    ReadBookFiles(code);
    if (loading_) {
        BookRead& read = booksRead_.emplace_back();
        read.code = code;
        read.problems.assign(problems_.begin() + static_cast<long>(before), problems_.end());
        currentBookRead_ = static_cast<int>(booksRead_.size()) - 1;
    }
}

void TReadingLoader::SwapBookFiles(BookRead& b) {
    std::swap(text_, b.text);
    std::swap(translation_, b.translation);
    std::swap(translationKeys_, b.translationKeys);
    std::swap(index_, b.index);
}

void TReadingLoader::KeepCurrentBook() {
    if (currentBookRead_ < 0) return;
    SwapBookFiles(booksRead_[currentBookRead_]);
    currentBookRead_ = -1;
}

void TReadingLoader::ReadBookFiles(const std::string& code) {
    // A corrupt archive entry is named with the error's text; the file then reads as empty.
    auto read = [this](const std::string& file, std::string* problem) {
        try {
            return ReadDataFile(dataDir_, file, problem);
        } catch (const ECorruptFile& e) {
            problems_.push_back(file + ": " + e.what());
            if (problem) problem->clear();
            return std::string();
        }
    };
    std::string problem;
    const std::string file = "bhs/" + code + ".txt";
    const size_t named = problems_.size();
    std::string text = read(file, &problem);
    if (problem.empty() && text.empty() && problems_.size() == named) problem = file + " is empty";
    if (!problem.empty()) problems_.push_back("the book text " + problem);
    std::string translation = read("hnv/" + code + ".eng", nullptr);  // a book may have none
    if (const std::string bad = BookTextProblem(translation); !bad.empty()) {
        problems_.push_back("the translation hnv/" + code + ".eng " + bad + "; it is not shown");
        translation.clear();
    }
    UseBookText(code, std::move(text), "the book text " + file);
    translation_ = std::move(translation);
    translationKeys_ = IndexTranslationKeys(translation_);
}

void TReadingLoader::SetBookText(const std::string& code, std::string text) {
    UseBookText(code, std::move(text), "the text of " + code);
}

void TReadingLoader::SetIndexedText(const std::string& code, std::string text, BookIndex index) {
    UseBookText(code, std::move(text), "the text of " + code);
    if (!text_.empty()) index_ = std::move(index);
}

void TReadingLoader::UseBookText(const std::string& code, std::string text, const std::string& name) {
    KeepCurrentBook();
    if (const std::string bad = BookTextProblem(text); !bad.empty()) {
        problems_.push_back(name + " " + bad + "; it is not read");
        text.clear();
    }
    text_ = std::move(text);
    translation_.clear();
    translationKeys_.clear();
    index_ = IndexBookText(text_);
    book_ = code;
}

int TReadingLoader::FindTranslationLine(int chapter, int verse) {
    size_t at = std::string::npos;
    if (chapter >= 0 && chapter < kMaxKeyNumber && verse >= 0 && verse < kMaxKeyNumber) {
        const std::uint64_t key = TranslationKey(chapter, verse);
        const auto it = std::lower_bound(translationKeys_.begin(), translationKeys_.end(), key,
                                         [](const auto& entry, std::uint64_t k) { return entry.first < k; });
        if (it != translationKeys_.end() && it->first == key) at = it->second;
    } else {
        auto two = [](int n) { return (n >= 0 && n < 10 ? "0" : "") + std::to_string(n); };
        at = translation_.find(two(chapter) + ":" + two(verse));
    }
    if (at == std::string::npos) return 0;
    const size_t cr = translation_.find('\r', at);
    translations_.push_back(translation_.substr(at, cr == std::string::npos ? std::string::npos : cr - at + 1));
    return static_cast<int>(translations_.size());
}

ReferenceRange TReadingLoader::Parse(const std::string& reference, const std::string& section) {
    ReferenceRange r = ParseReadingReference(reference, index_);
    ReadingReference parts;
    std::string outside;
    if (!r.valid) {
        problems_.push_back(section + ": \"" + reference + "\" is not a reading reference (such as NUM28:9-28:15)");
    } else if (SplitReadingReference(reference, parts) && !(outside = ReferenceOutsideBook(parts, index_)).empty()) {
        problems_.push_back(section + ": \"" + reference + "\" lies outside its book (" + outside + ")");
    } else {
        return r;
    }
    r.firstSeg = 1;  // an empty range: the section shows its labels but no words
    r.endSeg = 0;
    return r;
}

void TReadingLoader::ShowLabel(const std::string& text, const std::string& font, int size, Rgb colour,
                               bool lineEnd, bool rtl) {
    table_.AddWord({.text = text, .font = font, .size = size, .colour = colour, .lineEnd = lineEnd,
                    .rtl = rtl});
}

void TReadingLoader::ShowBookHeading(bool blankBefore, int blankSize) {
    if (blankBefore) ShowLabel("", "Arial", blankSize, kBlack, true);
    ShowLabel(BookDisplayName(book_), "Arial", 20, kGrey, true);
}

void TReadingLoader::ShowChapterLabel(int chapter) {
    ShowLabel("(" + std::to_string(chapter) + ")", "Arial", 14, kBlue, false);
}

void TReadingLoader::ShowTitle(const std::string& title, const std::string& subtitle, const TReadingSections& s) {
    const bool torahSections = !(s.Kohen.empty() && s.Levi.empty() && s.Shlishi.empty() && s.Revii.empty() &&
                                 s.Chamishi.empty() && s.Shishi.empty() && s.Shvii.empty() &&
                                 s.Maftir.empty() && s.SecondMaftir.empty());
    const size_t colon = title.find(':');
    if (!torahSections && title.size() > 49 && colon != std::string::npos) {
        ShowLabel("[" + title.substr(0, colon) + "]", "Arial", 20, kPurple, true);
        ShowLabel(title.substr(colon + 1), "Arial", 14, kPurple, true);
        return;
    }
    ShowLabel("[" + title + "]", "Arial", 20, kPurple, true);
    if (torahSections && !subtitle.empty()) ShowLabel("[" + subtitle + "]", "Arial", 20, kPurple, true);
}

void TReadingLoader::LoadReading(const std::string& title, const std::string& subtitle,
                                 const TReadingSections& sections) {
    translations_.clear();
    problems_.clear();
    table_.Clear();
    // The books read are kept for reuse only while this reading loads.
    struct Loading {
        TReadingLoader& loader;
        explicit Loading(TReadingLoader& l) : loader(l) { loader.loading_ = true; }
        ~Loading() {
            loader.loading_ = false;
            loader.booksRead_.clear();
            loader.currentBookRead_ = -1;
        }
    } loading(*this);
    sectionStartPending_ = true;
    smallPrint_ = false;
    book_.clear();
    prevBook_.clear();
    prevFirst_ = prevEnd_ = prevRefEnd_ = 0;
    maftirBook_.clear();
    maftirFirst_ = 0;

    // Where the Maftir begins, so that a section it overlaps ends there.
    if (!sections.Maftir.empty()) {
        ReadBook(BookCode(sections.Maftir));
        const ReferenceRange m = ParseReadingReference(sections.Maftir, index_);
        if (m.valid) {
            maftirBook_ = book_;
            maftirFirst_ = m.firstSeg;
        }
    }

    ShowTitle(title, subtitle, sections);

    using K = Section::Kind;
    const Section list[] = {
        {K::kKohen, sections.Kohen, "Kohen", "", false, 20},
        {K::kLevi, sections.Levi, "Levi", "2", false, 20},
        {K::kOther, sections.Shlishi, "Shlishi", "3", false, 20},
        {K::kOther, sections.Revii, "Revii", "4", false, 24},
        {K::kLevi, sections.Chamishi, "Chamishi", "5", false, 20},
        {K::kOther, sections.Shishi, "Shishi", "6", false, 20},
        {K::kOther, sections.ChatanHaTorah, "Chatan HaTorah", kChatanHaTorahLabel, true, 20},
        {K::kChatanBereishit, sections.ChatanBereishisBara, "Chatan Bereishit Bara", kChatanBereishitLabel, true, 20},
        {K::kShvii, sections.Shvii, "Shvii", "7", false, 20},
    };
    for (const Section& s : list)
        if (!s.reference.empty()) PlaceSection(s);
    if (!sections.Maftir.empty()) PlaceMaftir(sections.Maftir);
    // Eichah and Koheles end by reading their next-to-last verse again, so that the book
    // does not close on words of sorrow: a reading that ends with the last verse gets it
    // as one more section.
    TReadingSections withRepeat = sections;
    const auto lastGiven = std::find_if(sections.R.rbegin(), sections.R.rend(),
                                        [](const std::string& r) { return !r.empty(); });
    if (lastGiven != sections.R.rend() && lastGiven != sections.R.rbegin()) {
        const size_t next = sections.R.rend() - lastGiven;
        withRepeat.R[next] = ClosingRepeat(*lastGiven);
        if (!withRepeat.R[next].empty()) withRepeat.RNote[next] = kClosingRepeatNote;
    }
    for (int n = 0; n < 5; ++n)
        if (!withRepeat.R[n].empty()) PlaceReadingSection(n, withRepeat);

    steps_->FinishReading(table_);
    text_.clear();
    text_.shrink_to_fit();
    index_ = BookIndex{};
}

void TReadingLoader::PlaceSection(const Section& s) {
    sectionName_ = s.name;
    const std::string code = BookCode(s.reference);
    const bool changed = s.kind == Section::kKohen || s.kind == Section::kChatanBereishit || code != book_;
    if (s.kind == Section::kChatanBereishit) sectionStartPending_ = true;
    if (changed) {
        ReadBook(code);
        ShowBookHeading(s.kind != Section::kKohen, s.blankSize);
    }

    const ReferenceRange r = Parse(s.reference, s.name);
    int end = r.endSeg;
    bool shortened = false;
    if (maftirBook_ == code && maftirFirst_ >= r.firstSeg && maftirFirst_ <= r.endSeg) {
        end = maftirFirst_;  // the Maftir repeats these verses: show them once, with the Maftir
        shortened = true;
    }

    if (s.kind == Section::kLevi && !changed && r.firstSeg < prevEnd_) {
        sectionStartPending_ = true;
        ShowLabel(" " + kPe, "TGBT", 20, kBlack, true);
        ShowLabel(kRepeatedVerseNote, "Arial", 12, kGrey, true);
    }

    if (s.chatanLabel) ShowLabel(s.label, "TGBT", 10, kPurple, false, true);
    else if (!s.label.empty()) ShowLabel(s.label, "TGBI", 24, kPurple, false, true);

    const bool closes = s.kind != Section::kShvii || !shortened;
    ScanRange(r.firstSeg, end - 2, changed, closes, false);
    prevBook_ = code;
    prevFirst_ = r.firstSeg;
    prevEnd_ = end;
    prevRefEnd_ = r.endSeg;
}

void TReadingLoader::PlaceMaftir(const std::string& reference) {
    sectionName_ = "Maftir";
    const std::string code = BookCode(reference);
    ReadBook(code);
    const ReferenceRange r = Parse(reference, "Maftir");

    const bool follows = code == prevBook_ && r.firstSeg <= prevRefEnd_ && r.firstSeg >= prevRefEnd_ - 100;
    if (!follows) {
        sectionStartPending_ = true;
        ShowBookHeading(true);
    }
    ShowLabel("8", "TGBI", 24, kPurple, false, true);

    const bool inside = code == prevBook_ && r.firstSeg >= prevFirst_ && r.firstSeg <= prevRefEnd_;
    if (!inside) sectionStartPending_ = true;
    ScanRange(r.firstSeg, r.endSeg - 2, !inside, true, false);
    prevBook_ = code;
    prevFirst_ = r.firstSeg;
    prevEnd_ = prevRefEnd_ = r.endSeg;
}

void TReadingLoader::PlaceReadingSection(int n, const TReadingSections& sections) {
    sectionName_.clear();
    const std::string& reference = sections.R[n];
    const std::string code = BookCode(reference);
    const bool changed = code != book_;
    if (n == 0 || changed) ReadBook(code);
    if (changed) ShowBookHeading(n > 0);
    if (!sections.RNote[n].empty()) ShowLabel(sections.RNote[n], "Arial", 10, kGrey, true);

    const ReferenceRange r = Parse(reference, "R" + std::to_string(n + 1));
    auto given = [&](int k) { return !sections.R[k].empty(); };
    const bool continued = (n == 0 && (given(1) || given(2) || given(3))) || (n == 1 && (given(2) || given(3))) ||
                           (n == 2 && given(3));
    ScanRange(r.firstSeg, r.endSeg - 2, true, !continued, false);
    prevBook_ = code;
    prevFirst_ = r.firstSeg;
    prevEnd_ = prevRefEnd_ = r.endSeg;
}

void TReadingLoader::ScanRange(int first, int last, bool forceChapterLabel, bool closesSection,
                               bool useConfiguredSize) {
    first = std::max(first, 1);
    last = std::min(last, index_.segCount);
    if (first > last) return;

    // The chapter and verse that contain the first segment.
    int v = 0;
    for (int k = 1; k <= index_.verseCount && index_.VerseSegment(k) <= first; ++k) v = k;
    int c = 0;
    for (int k = 1; k <= index_.chapterCount && index_.ChapterFirstVerse(k) <= v; ++k) c = k;
    chapter_ = c;
    verse_ = v - index_.ChapterFirstVerse(c) + 1;
    if (verse_ == 1 || forceChapterLabel) ShowChapterLabel(chapter_);
    translationLine_ = FindTranslationLine(chapter_, verse_);

    // A paragraph mark before the range, from the end of the line before its first verse.
    if (first >= 3) {
        const size_t from = index_.SegmentStart(first - 2), to = index_.SegmentStart(first - 1);
        const std::string_view seg = std::string_view(text_).substr(from, to > from ? to - from : 0);
        const size_t n = seg.empty() ? 0 : std::min<size_t>(6, seg.size() - 1);
        const std::string_view tail = seg.substr(seg.size() - 1 - n, n);
        if (tail.find('?') != std::string_view::npos) {
            // the line breaks there already
        } else if (tail.find(" P") != std::string_view::npos && wrapped) {
            ShowLabel(" " + kPe, "TGBT", 20, kBlack, false);
        } else if (sectionStartPending_ && wrapped) {
            ShowLabel(" " + kSamekh, "TGBT", 20, kBlack, false);
        }
    }
    sectionStartPending_ = false;
    lastVerseLabel_ = -1;
    pairOpen_ = maqafPairOpen_ = false;

    auto readNumber = [&](size_t& i, int fallback) {
        int n = 0;
        bool any = false;
        while (i < text_.size() && std::isdigit(static_cast<unsigned char>(text_[i])) && n < 100000) {
            n = n * 10 + (text_[i++] - '0');
            any = true;
        }
        return any ? n : fallback;
    };

    for (int seg = first; seg <= last; ++seg) {
        size_t wordStart = index_.SegmentStart(seg);
        int brackets = 0;
        bool skip = false;
        auto endWord = [&](size_t at) {
            if (at > wordStart) HandleWord(wordStart, at - 1, seg, last, closesSection, useConfiguredSize, skip);
            wordStart = at + 1;
        };
        for (size_t i = wordStart;; ++i) {
            if (i >= text_.size() || text_[i] == '\r' || text_[i] == '\n') {
                endWord(i);
                break;
            }
            const char ch = text_[i];
            if (ch == '~') {
                endWord(i);
                size_t k = i + 1;
                while (k < text_.size() && text_[k] != 'x' && text_[k] != 'y' && text_[k] != '\r' && text_[k] != '\n')
                    ++k;
                if (k < text_.size() && (text_[k] == 'x' || text_[k] == 'y')) {
                    const bool chapterMarker = text_[k] == 'x';
                    size_t d = k + 1;
                    if (chapterMarker) {
                        chapter_ = readNumber(d, chapter_ + 1);
                        verse_ = 1;
                    } else {
                        verse_ = readNumber(d, verse_ + 1);
                    }
                    translationLine_ = FindTranslationLine(chapter_, verse_);
                    if (chapterMarker) ShowChapterLabel(chapter_);
                }
                break;
            }
            if (ch == '<' || ch == '{') ++brackets;
            else if ((ch == '>' || ch == '}') && brackets > 0) --brackets;
            else if (ch == ' ' && brackets == 0) endWord(i);
            if (skip) break;
        }
    }
}

void TReadingLoader::HandleWord(size_t from, size_t to, int seg, int last, bool closesSection,
                                bool useConfiguredSize, bool& skipSegment) {
    const bool smallBefore = smallPrint_;
    auto letters = std::make_unique<LetterList>(ScanWord(text_, from, to, smallPrint_));
    if (letters->empty()) {
        skipSegment = true;  // a word of marks only ends the line
        return;
    }
    strucHebChar& head = letters->front();
    head.book = book_;
    head.chapter = chapter_;
    head.verse = verse_;
    head.translation = translationLine_;
    head.section = sectionName_;

    if (verse_ != lastVerseLabel_) {
        ShowLabel(" :" + std::to_string(verse_), "Arial", 10, kBlack, false);
        lastVerseLabel_ = verse_;
    }

    const int textSize = smallBefore || smallPrint_ ? 16 : useConfiguredSize ? configuredTextSize : 20;

    const strucHebChar& tail = letters->back();
    int verseEnd = kNotVerseEnd;
    if (tail.accents == "00") {
        verseEnd = VerseEndKind(book_, chapter_, verse_, seg == last);
        if (tail.bracket == "S") verseEnd = kSectionEnd;
        else if (tail.bracket == "B") verseEnd = kBookEnd;
        else if (tail.bracket == "C") verseEnd = kChapterEnd;
        if (verseEnd == kNotVerseEnd) verseEnd = seg == last && closesSection ? kSectionEnd : kVerseEnd;
    }

    if (!head.note.empty()) {
        const bool lineEnd = tail.query, rule = tail.exclaim;
        const int size = static_cast<int>(std::lround(textSize * 3.0 / 5.0));
        table_.AddWord({.text = " " + head.note, .font = "Arial", .size = size, .colour = kBlack,
                        .lineEnd = lineEnd, .rule = rule, .verseEnd = verseEnd,
                        .letters = std::move(letters)});
        return;
    }
    steps_->AnalyseWord(*letters);
    ShowWord(std::move(letters), textSize, verseEnd);
}

void TReadingLoader::ShowWord(std::unique_ptr<LetterList> letters, int textSize, int verseEnd) {
    const LetterList& l = *letters;
    const bool lineEnd = l.back().query, rule = l.back().exclaim;
    auto add = [&](std::string text, int size, Rgb colour, bool sung, bool scroll, bool hebrew,
                   int pairing, std::unique_ptr<LetterList> given) {
        table_.AddWord({.text = std::move(text), .font = "TGBT", .size = size, .colour = colour, .lineEnd = lineEnd,
                        .rule = rule, .hebrew = hebrew, .scroll = scroll, .sung = sung, .pairing = pairing,
                        .verseEnd = verseEnd, .letters = std::move(given)});
    };
    std::string text = " ";
    AppendWordDisplayForm(text, l, 0, l.size());

    const auto ketiv = std::find_if(l.begin(), l.end(), [](const strucHebChar& c) { return c.kq == 2; });
    const size_t ketivAt = ketiv == l.end() ? std::string::npos : static_cast<size_t>(ketiv - l.begin());
    const bool startsKetiv = ketivAt == 0, startsQere = l.front().kq == 1;

    if (startsKetiv && !pairOpen_) {
        add(std::move(text), 14, kRed, false, true, true, kPairNone, nullptr);
    } else if (ketivAt != std::string::npos && ketivAt > 0) {
        // Qere part first (sung, carries the letters), then the ketiv part.
        std::string qere = WordDisplayForm(l, 0, ketivAt + 1);
        std::string ketivText = " ";
        AppendWordDisplayForm(ketivText, l, ketivAt + 1, l.size());
        add(std::move(qere), 20, kBlack, true, true, true, kPairOpen, std::move(letters));
        add(std::move(ketivText), 14, kRed, false, true, true, kPairQere, nullptr);
        pairOpen_ = true;
    } else if (startsKetiv) {
        add(std::move(text), 14, kRed, false, true, true, kPairQere, nullptr);
    } else if (startsQere && pairOpen_) {
        add(std::move(text), 20, kGreen, true, false, true, kPairClose, std::move(letters));
        pairOpen_ = maqafPairOpen_ = false;
    } else if (startsQere) {
        add(std::move(text), 20, kGreen, true, false, true, kPairNone, std::move(letters));
    } else if (l.size() == 1 && l[0].letter != "P" && l[0].letter != "S") {
        add(std::move(text), textSize, kBlack, true, true, true, kPairNone, std::move(letters));
    } else if (l.size() == 1) {
        // A paragraph letter, shown as the paragraph mark when the reading is pre-wrapped.
        if (wrapped) add(" " + (l[0].letter == "P" ? kPe : kSamekh), textSize, kBlack, false, false, false,
                         kPairNone, nullptr);
    } else if (maqafPairOpen_) {
        add(std::move(text), textSize, kBlack, true, true, true, kPairClose, std::move(letters));
        pairOpen_ = maqafPairOpen_ = false;
    } else if (l.back().maqaf) {
        add(std::move(text), textSize, kBlack, true, true, true, kPairOpen, std::move(letters));
        pairOpen_ = maqafPairOpen_ = true;
    } else {
        add(std::move(text), textSize, kBlack, true, true, true, kPairNone, std::move(letters));
    }
}

}  // namespace lyrasta
