#include "word_scanner.h"

#include <string>

namespace lyrasta {

bool IsVowelCode(char c) {
    switch (c) {
        case 'A': case 'F': case 'I': case 'E': case '"': case 'U': case ':': case 'O':
            return true;
        default:
            return false;
    }
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// True when a code is exactly the two characters given (codes are compared by their
// characters: this runs for every byte of every word loaded).
bool Is(const std::string& code, char first, char second) {
    return code.size() == 2 && code[0] == first && code[1] == second;
}

// Prepositive accents stand before the consonant that carries them.
bool IsPrepositive(const std::string& code) {
    return code.size() == 2 && code[0] == '1' && (code[1] == '0' || code[1] == '1' || code[1] == '3' || code[1] == '4');
}

// The gutturals, which take a chataf patach as it is written.
bool IsGuttural(const std::string& letter) {
    return letter.size() == 1 && (letter[0] == ')' || letter[0] == '(' || letter[0] == 'H' || letter[0] == 'X');
}

class Scanner {
public:
    Scanner(bool smallPrint, size_t expectedRecords) : smallPrint_(smallPrint) {
        letters_.reserve(expectedRecords);  // records are large: avoid moving them as the list grows
    }

    void Feed(char c, bool closingBlank);
    LetterList Finish() { return std::move(letters_); }
    bool SmallPrint() const { return smallPrint_; }

private:
    enum State { kStart, kConsonant, kAccent, kBracket, kKetiv, kShva, kAfterLetter, kNote, kVMark };

    strucHebChar& Current() { return letters_.back(); }
    // One step of the state machine; false when the byte is to be looked at again.
    bool Step(char c, bool closingBlank);
    // The marks a record takes both as it opens and after its letter: bracket, V-mark,
    // ketiv/qere, accent digits, maqaf, shva and vowels. False for any other byte.
    bool Mark(char c);
    void Accent(const std::string& code);

    LetterList letters_;
    State state_ = kStart;
    std::string pending_;
    std::string collected_;
    bool inComment_ = false;
    bool smallPrint_;
};

void Scanner::Accent(const std::string& code) {
    strucHebChar& cur = Current();
    if (Is(code, '5', '2') || Is(code, '5', '3')) {
        cur.dot = code;
    } else if (Is(code, '9', '5') || Is(code, '7', '5') || Is(code, '3', '5')) {
        cur.meteg = true;
    } else {
        cur.accents += code;
    }
    if (Is(code, '0', '0')) {
        // Sof pasuq: the meteg nearest before it is the silluq. When that meteg stands on
        // the sof pasuq's own letter, the letter keeps "00": writing the silluq over it
        // would erase the verse end.
        for (auto it = letters_.rbegin(); it != letters_.rend(); ++it) {
            if (it->meteg) {
                it->meteg = false;
                if (&*it != &cur) it->accents = "75";
                break;
            }
        }
    }
}

bool Scanner::Mark(char c) {
    switch (c) {
        case ']':
            state_ = kBracket;
            return true;
        case 'V':
            pending_ = "V";
            state_ = kVMark;
            return true;
        case '*':
            state_ = kKetiv;
            return true;
        case '0': case '1': case '2': case '3': case '4': case '5': case '6': case '7': case '8': case '9':
            pending_.assign(1, c);
            state_ = kAccent;
            return true;
        case '-':
            Current().maqaf = true;
            state_ = kStart;
            return true;
        case ':':
            state_ = kShva;
            return true;
        case 'A': case 'F': case 'I': case 'E': case '"': case 'U': case 'O':  // the other vowel codes
            Current().vowel.assign(1, c);
            state_ = kAfterLetter;
            return true;
        default:
            return false;
    }
}

bool Scanner::Step(char c, bool closingBlank) {
    switch (state_) {
        case kStart:
            // The blank after the word's last byte closes the record before it and would open
            // a record that nothing fills.
            if (closingBlank) return true;
            letters_.emplace_back();
            if (c == '{') {
                collected_.clear();
                state_ = kNote;
            } else if (!Mark(c)) {
                pending_.assign(1, c);
                state_ = kConsonant;
            }
            return true;
        case kConsonant:
            Current().letter = pending_;
            state_ = kAfterLetter;
            if (c == '.') {
                Current().dagesh = true;
                return true;
            }
            return false;
        case kAccent:
            if (!IsDigit(c)) {
                state_ = kStart;
                return false;
            }
            pending_ += c;
            Accent(pending_);
            state_ = kAfterLetter;
            return true;
        case kBracket:
            Current().bracket.assign(1, c);
            state_ = kAfterLetter;
            return true;
        case kKetiv:
            state_ = kAfterLetter;
            if (c == '*') {
                Current().kq = 1;
                return true;
            }
            Current().kq = 2;
            return false;
        case kShva: {
            strucHebChar& cur = Current();
            state_ = kAfterLetter;
            if (c == 'A') {
                if (IsGuttural(cur.letter)) {
                    cur.vowel = ":A";
                } else {
                    // A chataf patach under a letter that is not a guttural is read as a shva.
                    cur.vowel = ":";
                    cur.bracket = "+";
                }
                return true;
            }
            if (c == 'E' || c == 'F') {
                cur.vowel.assign({':', c});
                return true;
            }
            cur.vowel = ":";
            return false;
        }
        case kAfterLetter:
            if (Mark(c)) return true;
            if (IsPrepositive(pending_) && Current().letter.empty()) {
                // The consonant belongs to the record that so far holds only the prepositive accent.
                pending_.assign(1, c);
                state_ = kConsonant;
                return true;
            }
            state_ = kStart;
            return false;
        case kNote:
            if (c == '}') {
                Current().note = collected_;
                state_ = kStart;
            } else {
                collected_ += c;
            }
            return true;
        case kVMark:
            if (IsDigit(c) || c == ':' || c == 'l') {
                pending_ += c;
                return true;
            }
            Current().accents = pending_;
            state_ = kAfterLetter;
            return false;
    }
    return true;
}

void Scanner::Feed(char c, bool closingBlank) {
    if (inComment_ && c != '>' && c != '?' && c != '!' && c != '/' && c != '@') {
        collected_ += c;
        return;
    }
    switch (c) {
        case '?':
            if (!letters_.empty()) Current().query = true;
            smallPrint_ = false;
            return;
        case '!':
            if (!letters_.empty()) Current().exclaim = true;
            return;
        case '/':
            return;
        case '@':
            smallPrint_ = true;
            return;
        case '<':
            inComment_ = true;
            collected_.clear();
            return;
        case '>':
            if (inComment_) {
                inComment_ = false;
                if (!letters_.empty()) Current().comment += collected_ + " ";
                return;
            }
            break;
        default:
            break;
    }
    // A step that looks at the byte again changes state, so this ends within a few rounds.
    while (!Step(c, closingBlank)) {
    }
}

}  // namespace

LetterList ScanWord(std::string_view text, size_t first, size_t last, bool& smallPrint) {
    if (first < text.size() && text[first] == '\n') ++first;
    // About one record per consonant or mark. Records are large: a word's list is not made
    // bigger than it needs.
    size_t expected = 0;
    for (size_t i = first; i <= last && i < text.size(); ++i)
        if (!IsVowelCode(text[i]) && !IsDigit(text[i]) && text[i] != '.') ++expected;
    Scanner s(smallPrint, expected);
    for (size_t i = first; i <= last && i < text.size(); ++i) s.Feed(text[i], false);
    s.Feed(' ', true);
    smallPrint = s.SmallPrint();
    return s.Finish();
}

}  // namespace lyrasta
