#pragma once
// XML documents: a small, lenient reader and writer for the program's structured data
// (trope definitions and names, melody styles and rules, the readings catalogue, custom
// readings, tutorials). Single-byte text, no validation, no namespaces, five entities.
//
// A parser holds one document. Loading into a parser that already has a root does not
// replace it: the root element of the new input is taken as that same root, so its
// attributes and children are appended. This is how several definition files form one
// document (earlier files are found first). Call Clear() before loading a fresh document.
//
// Errors go to the OnError handler with a code and its fixed text; a missing attribute
// is not fatal: its value reads as the empty text.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lyrasta {

enum TXMLErrorCode {
    xeNone = 0,
    xeFatal = 1,
    xeElementName = 2,
    xeFileNotFound = 4,
    xeDataOutsideElement = 5,
    xeEndTagWithoutStart = 6,
    xePInstrTermination = 7,
    xeAttributeNotFound = 8,
    xeNoAttributes = 9,
    xeAttributeIndex = 10,
};

// The fixed text of an error code ("undefined error" for codes without one).
std::string XMLErrorText(int code);

using TXMLErrorFunc = std::function<void(int code, const std::string& text)>;
// Supplies input one character per call; 255 (or any value outside 0..254) ends it.
using TUserGetOneFunc = std::function<int()>;

// The attributes of one element: names and values in document order. Duplicate names
// stay; lookups find the first.
struct TXMLattribute {
    std::vector<std::string> names;
    std::vector<std::string> values;
};

class TXMLelement {
public:
    enum NodeType { ntElement = 0, ntComment = 1, ntPInstr = 2, ntText = 3 };

    TXMLelement(NodeType type, std::string name, TXMLelement* parent);
    ~TXMLelement();
    TXMLelement(const TXMLelement&) = delete;
    TXMLelement& operator=(const TXMLelement&) = delete;

    NodeType Type() const { return type_; }
    const std::string& Name() const { return name_; }
    // The data of a text, comment or processing-instruction node.
    const std::string& Data() const { return data_; }
    void SetData(std::string data) { data_ = std::move(data); }
    // The data of the first text child; empty when there is none.
    std::string Text() const;

    TXMLelement* Parent() const { return parent_; }
    TXMLelement* PrevSibling() const { return prev_; }
    TXMLelement* NextSibling() const { return next_; }
    int ChildCount() const { return static_cast<int>(children_.size()); }
    TXMLelement* FirstChild() const { return children_.empty() ? nullptr : children_.front().get(); }
    // 0-based; none when out of range.
    TXMLelement* ChildByIndex(int index) const;
    // The first element child whose name equals `name` without regard to letter case.
    TXMLelement* ChildByName(std::string_view name) const;

    int AttributeCount() const { return attributes_ ? static_cast<int>(attributes_->names.size()) : 0; }
    // The value of the first attribute of that name (letter case ignored). Missing: empty
    // text and error 8; an element without attributes: error 9.
    std::string AttributeValue(std::string_view name) const;
    // The same value without a copy and without recording an error; none when missing.
    const std::string* FindAttribute(std::string_view name) const;
    // Out of range: empty text and error 10; an element without attributes: error 9.
    std::string AttributeName(int index) const;
    std::string AttributeValueAt(int index) const;

    // Appends an element child and returns it.
    TXMLelement* AddChild(std::string name);
    // Appends a child node of another type (text, comment, processing instruction).
    TXMLelement* AddNode(NodeType type, std::string name, std::string data);
    void AddAttribute(std::string name, std::string value);
    // Sets the value of the last attribute added (the reader names it before its value).
    void SetLastAttributeValue(std::string value);

    // Unlinks this node from its parent and siblings and frees it. Returns its previous
    // sibling, else its next sibling, else its parent. The root cannot delete itself this
    // way (it belongs to the parser): it returns nullptr and stays.
    TXMLelement* Delete();

    // The error handler of the document; set on the root by the parser.
    void SetErrorHandler(TXMLErrorFunc handler) { onError_ = std::move(handler); }
    int LastError() const { return lastError_; }

private:
    void ReportError(int code) const;
    // Reports "no attributes" or "index out of range" and gives false for a bad index.
    bool ValidAttributeIndex(int index) const;
    TXMLelement* Append(std::unique_ptr<TXMLelement> child);

    NodeType type_;
    std::string name_;
    std::string data_;
    std::unique_ptr<TXMLattribute> attributes_;
    TXMLelement* prev_ = nullptr;
    TXMLelement* next_ = nullptr;
    TXMLelement* parent_ = nullptr;
    std::vector<std::unique_ptr<TXMLelement>> children_;
    TXMLErrorFunc onError_;
    mutable int lastError_ = xeNone;
};

// The document type node: its name, the text before the internal subset and the
// declarations of the subset, each kept as its whole text ("<!ELEMENT a ANY>").
struct TXMLdtd {
    std::string name;
    std::string head;
    std::vector<std::string> declarations;
};

class TXMLParser {
public:
    TXMLParser() = default;

    // Parses the file into this document (see the header note on merging). A missing
    // file reports error 4 and returns false. Returns whether the parse succeeded.
    bool LoadFromFile(const std::string& fileName);
    // Parses bytes already in memory.
    bool LoadFromText(std::string_view text);
    // Parses the characters OnUserGetOne supplies.
    bool LoadFromUser();

    void Clear();
    TXMLelement* Root() const { return root_.get(); }
    // Creates the root element of an empty document (for documents built in code).
    TXMLelement* CreateRoot(std::string name);

    // Writes the document; false when the name is empty or the file cannot be written.
    bool SaveToFile(const std::string& fileName) const;
    // The text SaveToFile writes.
    std::string SaveToText() const;

    const std::string& XmlVersion() const { return version_; }
    const std::string& XmlEncoding() const { return encoding_; }
    const std::string& XmlStandalone() const { return standalone_; }
    const TXMLdtd* Dtd() const { return dtd_.get(); }
    int LastErrorCode() const { return errorCode_; }
    const std::string& LastErrorText() const { return errorText_; }
    bool Success() const { return success_; }
    // The parser's version; always "0.5".
    static std::string Version() { return "0.5"; }

    TXMLErrorFunc OnError;
    TUserGetOneFunc OnUserGetOne;
    bool lfToBlank = false;  // turn LF into a blank
    bool skipLf = false;     // drop LF
    bool skipTab = false;    // drop TAB (otherwise TAB becomes a blank)

private:
    class Reader;
    friend class Reader;
    bool Parse(const std::function<int()>& next);
    void Fail(int code);

    std::unique_ptr<TXMLelement> root_;
    std::unique_ptr<TXMLdtd> dtd_;
    std::string version_, encoding_, standalone_;
    int errorCode_ = xeNone;
    std::string errorText_;
    bool success_ = true;
};

// Replaces "&", ">", "<", the double and the single quote by their entities.
std::string XMLEscape(std::string_view text);

// The value of an attribute (letter case ignored), without recording an error: empty text
// when the element is none or lacks it. For lookups over many elements that mostly lack it.
std::string Attribute(const TXMLelement* e, std::string_view name);

}  // namespace lyrasta
