// The reader of XML documents: one pass over the bytes with a state machine.

#include "text/text_helpers.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "xml.h"

namespace lyrasta {

namespace {

bool IsBlank(int c) { return c == ' ' || c == '\n'; }
bool IsLetter(int c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsNameStart(int c) { return IsLetter(c) || c == '_' || c == ':'; }

// The value of `name=` in a declaration, in either kind of quote; empty when absent.
std::string DeclarationValue(std::string_view decl, std::string_view name) {
    const std::string upper = Upper(decl);
    const size_t at = upper.find(Upper(name) + "=");
    if (at == std::string::npos) return {};
    size_t i = at + name.size() + 1;
    if (i >= decl.size() || (decl[i] != '"' && decl[i] != '\'')) return {};
    const size_t end = decl.find(decl[i], i + 1);
    if (end == std::string_view::npos) return {};
    return std::string(decl.substr(i + 1, end - i - 1));
}

}  // namespace

class TXMLParser::Reader {
public:
    explicit Reader(TXMLParser& p) : p_(p) {}

    // Feeds one input character; false when the parse stops.
    bool Feed(int c);

private:
    enum State {
        kContent, kText, kTagStart, kElementName, kAttributes, kAttributeName, kAfterEquals,
        kValue, kEmptyEnd, kEndTag, kPInstr, kDeclaration
    };

    // Decodes the five entities. An ampersand that starts none of them ends the decoding
    // (the rest stays as it is) and sets the error text; the parse fails unless the byte
    // after it is ";".
    bool Decode(const std::string& in, std::string& out);
    void CreateElement();
    bool FinishDeclaration();
    void FinishPInstr();
    bool Fail(int code) {
        p_.Fail(code);
        return false;
    }
    // A failure the handler is not told of; the error text says at least that it failed.
    bool FailSilently() {
        p_.success_ = false;
        if (p_.errorText_.empty()) p_.errorText_ = XMLErrorText(xeNone);
        return false;
    }

    TXMLParser& p_;
    State state_ = kContent;
    std::string token_;
    char quote_ = 0;
    bool inSubset_ = false;
    TXMLelement* current_ = nullptr;
};

bool TXMLParser::Reader::Decode(const std::string& in, std::string& out) {
    static const struct { const char* entity; char c; } kEntities[] = {
        {"&AMP;", '&'}, {"&GT;", '>'}, {"&LT;", '<'}, {"&QUOT;", '"'}, {"&APOS;", '\''}};
    out.clear();
    for (size_t i = 0; i < in.size(); ++i) {
        if (in[i] != '&') {
            out += in[i];
            continue;
        }
        bool found = false;
        for (const auto& e : kEntities) {
            const std::string_view name(e.entity);
            if (Upper(std::string_view(in).substr(i, name.size())) == name) {
                out += e.c;
                i += name.size() - 1;
                found = true;
                break;
            }
        }
        if (!found) {
            p_.errorText_ = "Not valid &-escaped string";
            out.append(in, i, std::string::npos);
            return i + 1 < in.size() && in[i + 1] == ';';
        }
    }
    return true;
}

void TXMLParser::Reader::CreateElement() {
    if (!p_.root_) {
        p_.root_ = std::make_unique<TXMLelement>(TXMLelement::ntElement, token_, nullptr);
        p_.root_->SetErrorHandler(p_.OnError);
        current_ = p_.root_.get();
    } else if (!current_) {
        current_ = p_.root_.get();  // a further root: merged into the document's root
    } else {
        current_ = current_->AddChild(token_);
    }
    token_.clear();
}

void TXMLParser::Reader::FinishPInstr() {
    std::string body = token_;
    token_.clear();
    if (!body.empty() && body.back() == '?') body.pop_back();
    const size_t blank = body.find(' ');
    const std::string target = body.substr(0, blank);
    const std::string rest = blank == std::string::npos ? "" : body.substr(blank + 1);
    if (!current_) {
        if (Upper(target) == "XML") {
            p_.version_ = DeclarationValue(rest, "version");
            p_.encoding_ = DeclarationValue(rest, "encoding");
            p_.standalone_ = DeclarationValue(rest, "standalone");
        }
        return;
    }
    current_->AddNode(TXMLelement::ntPInstr, target, rest);
}

bool TXMLParser::Reader::FinishDeclaration() {
    std::string body;
    body.swap(token_);
    if (body.rfind("--", 0) == 0) {
        const size_t trailing = body.size() >= 4 && body.compare(body.size() - 2, 2, "--") == 0 ? 2 : 0;
        if (current_) current_->AddNode(TXMLelement::ntComment, "", body.substr(2, body.size() - 2 - trailing));
        return true;
    }
    if (Upper(body).rfind("DOCTYPE ", 0) != 0) return true;  // other declarations are skipped
    if (p_.dtd_) return FailSilently();
    auto dtd = std::make_unique<TXMLdtd>();
    const std::string rest = body.substr(8);
    const size_t open = rest.find('[');
    dtd->head = rest.substr(0, open);
    const size_t nameStart = dtd->head.find_first_not_of(' ');
    if (nameStart != std::string::npos)
        dtd->name = dtd->head.substr(nameStart, dtd->head.find(' ', nameStart) - nameStart);
    if (open != std::string::npos) {
        for (size_t i = rest.find('<', open); i != std::string::npos; i = rest.find('<', i + 1)) {
            const size_t end = rest.find('>', i);
            if (end == std::string::npos) break;
            dtd->declarations.push_back(rest.substr(i, end - i + 1));
            i = end;
        }
    }
    p_.dtd_ = std::move(dtd);
    return true;
}

bool TXMLParser::Reader::Feed(int c) {
    switch (state_) {
        case kContent:
            if (IsBlank(c)) return true;
            if (c == '<') {
                state_ = kTagStart;
            } else {
                token_.assign(1, static_cast<char>(c));
                state_ = kText;
            }
            return true;
        case kText: {
            if (c != '<') {
                token_ += static_cast<char>(c);
                return true;
            }
            std::string text;
            if (!Decode(token_, text)) return FailSilently();
            token_.clear();
            if (!current_) return Fail(xeDataOutsideElement);
            current_->AddNode(TXMLelement::ntText, "", std::move(text));
            state_ = kTagStart;
            return true;
        }
        case kTagStart:
            if (IsLetter(c) || c == '-' || c == ':') {
                token_.assign(1, static_cast<char>(c));
                state_ = kElementName;
            } else if (c == '!') {
                token_.clear();
                inSubset_ = false;
                state_ = kDeclaration;
            } else if (c == '/') {
                state_ = kEndTag;
            } else if (c == '?') {
                token_.clear();
                state_ = kPInstr;
            } else {
                return Fail(xeElementName);
            }
            return true;
        case kElementName:
            if (IsBlank(c)) {
                CreateElement();
                state_ = kAttributes;
            } else if (c == '/') {
                CreateElement();
                state_ = kEmptyEnd;
            } else if (c == '>') {
                CreateElement();
                state_ = kContent;
            } else {
                token_ += static_cast<char>(c);
            }
            return true;
        case kAttributes:
            if (IsBlank(c)) return true;
            if (c == '/') {
                state_ = kEmptyEnd;
            } else if (c == '>') {
                state_ = kContent;
            } else if (IsNameStart(c)) {
                token_.assign(1, static_cast<char>(c));
                state_ = kAttributeName;
            } else {
                return Fail(xeElementName);
            }
            return true;
        case kAttributeName:
            if (c == '=') {
                current_->AddAttribute(std::move(token_), "");
                token_.clear();
                state_ = kAfterEquals;
            } else if (c == '>' || c == '/') {
                // An attribute without a value reads as the empty text.
                current_->AddAttribute(std::move(token_), "");
                token_.clear();
                state_ = c == '>' ? kContent : kEmptyEnd;
            } else if (!IsBlank(c)) {
                token_ += static_cast<char>(c);
            }
            return true;
        case kAfterEquals:
            if (IsBlank(c)) return true;
            if (c != '"' && c != '\'') return FailSilently();
            quote_ = static_cast<char>(c);
            token_.clear();
            state_ = kValue;
            return true;
        case kValue: {
            if (c != quote_) {
                token_ += static_cast<char>(c);
                return true;
            }
            std::string value;
            if (!Decode(token_, value)) return FailSilently();
            token_.clear();
            current_->SetLastAttributeValue(std::move(value));
            state_ = kAttributes;
            return true;
        }
        case kEmptyEnd:
            if (c != '>') return FailSilently();
            current_ = current_->Parent();
            state_ = kContent;
            return true;
        case kEndTag:
            if (c != '>') return true;  // the end tag's name is not compared
            if (!current_) return Fail(xeEndTagWithoutStart);
            current_ = current_->Parent();
            state_ = kContent;
            return true;
        case kPInstr:
            if (c != '>') {
                token_ += static_cast<char>(c);
                return true;
            }
            if (token_.empty()) return Fail(xePInstrTermination);
            FinishPInstr();
            state_ = kContent;
            return true;
        case kDeclaration: {
            const bool comment = token_.rfind("--", 0) == 0;
            if (c == '>') {
                const bool commentOpen =
                    comment && (token_.size() < 4 || token_.compare(token_.size() - 2, 2, "--") != 0);
                if (!commentOpen && !inSubset_) {
                    state_ = kContent;
                    return FinishDeclaration();
                }
            } else if (!comment && c == '[' && Upper(token_).rfind("DOCTYPE ", 0) == 0) {
                inSubset_ = true;
            } else if (!comment && c == ']') {
                inSubset_ = false;
            }
            token_ += static_cast<char>(c);
            return true;
        }
    }
    return true;
}

void TXMLParser::Fail(int code) {
    success_ = false;
    errorCode_ = code;
    errorText_ = XMLErrorText(code);
    if (OnError) OnError(code, errorText_);
}

bool TXMLParser::Parse(const std::function<int()>& next) {
    success_ = true;
    errorCode_ = xeNone;
    errorText_.clear();
    Reader reader(*this);
    for (int c = next(); c >= 0; c = next()) {
        if (c == '\r') continue;
        if (c == '\n') {
            if (skipLf) continue;
            if (lfToBlank) c = ' ';
        } else if (c == '\t') {
            if (skipTab) continue;
            c = ' ';
        }
        if (!reader.Feed(c)) break;
    }
    return success_;
}

bool TXMLParser::LoadFromText(std::string_view text) {
    size_t i = 0;
    return Parse([&]() -> int { return i < text.size() ? static_cast<unsigned char>(text[i++]) : -1; });
}

bool TXMLParser::LoadFromFile(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) {
        Fail(xeFileNotFound);
        return false;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return LoadFromText(text);
}

bool TXMLParser::LoadFromUser() {
    if (!OnUserGetOne) return false;
    return Parse([this]() -> int {
        const int c = OnUserGetOne();
        return c >= 0 && c < 255 ? c : -1;
    });
}

void TXMLParser::Clear() {
    root_.reset();
    dtd_.reset();
}

TXMLelement* TXMLParser::CreateRoot(std::string name) {
    root_ = std::make_unique<TXMLelement>(TXMLelement::ntElement, std::move(name), nullptr);
    root_->SetErrorHandler(OnError);
    return root_.get();
}

}  // namespace lyrasta
