// The writer of XML documents: declaration, document type, then the tree with one blank
// of indentation per level.


#include "xml.h"

#include "safe_write.h"

namespace lyrasta {

std::string XMLEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '>': out += "&gt;"; break;
            case '<': out += "&lt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&apos;"; break;
            default: out += c;
        }
    }
    return out;
}

namespace {

void WriteNode(const TXMLelement& node, int depth, std::string& out) {
    const std::string indent(depth, ' ');
    switch (node.Type()) {
        case TXMLelement::ntComment:
            out += indent + "<!--" + node.Data() + "-->\n";
            return;
        case TXMLelement::ntText:
            out += indent + XMLEscape(node.Data());
            return;
        case TXMLelement::ntPInstr:
            out += indent + "<?" + node.Name() + (node.Data().empty() ? "" : " " + node.Data()) + "?>\n";
            return;
        case TXMLelement::ntElement:
            break;
    }
    out += indent + "<" + node.Name();
    for (int i = 0; i < node.AttributeCount(); ++i)
        out += " " + node.AttributeName(i) + "=\"" + XMLEscape(node.AttributeValueAt(i)) + "\"";
    if (node.ChildCount() == 0) {
        out += "/>\n";
        return;
    }
    out += ">\n";
    for (const TXMLelement* c = node.FirstChild(); c; c = c->NextSibling()) WriteNode(*c, depth + 1, out);
    out += indent + "</" + node.Name() + ">\n";
}

}  // namespace

std::string TXMLParser::SaveToText() const {
    std::string out = "<?xml version=\"" + (version_.empty() ? std::string("1.0") : version_) + "\" ";
    if (!encoding_.empty()) out += "encoding=\"" + encoding_ + "\" ";
    if (!standalone_.empty()) out += "standalone=\"" + standalone_ + "\" ";
    out += "?>\n";
    if (dtd_) {
        out += "<!DOCTYPE " + dtd_->name + " [\n";
        for (const std::string& d : dtd_->declarations) {
            if (d.rfind("<!ELEMENT ", 0) != 0) continue;
            const std::string rest = d.substr(10);
            const std::string name = rest.substr(0, rest.find_first_of(" >"));
            const bool empty = rest.find("EMPTY") != std::string::npos;
            out += "<!ELEMENT " + name + (empty ? " EMPTY>\n" : " ANY>\n");
        }
        out += " ]>\n";
    }
    if (root_) WriteNode(*root_, 1, out);
    return out;
}

bool TXMLParser::SaveToFile(const std::string& fileName) const {
    // Through the safe writer: the earlier document stays whole until the new one is complete.
    return !fileName.empty() && WriteFileSafely(fileName, SaveToText());
}

}  // namespace lyrasta
