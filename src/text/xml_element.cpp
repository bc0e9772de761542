#include <algorithm>

#include "text/text_helpers.h"
#include <cctype>

#include "xml.h"

namespace lyrasta {

namespace {

}  // namespace

std::string XMLErrorText(int code) {
    switch (code) {
        case xeFatal: return "a fatal internal error";
        case xeElementName: return "Element name must begins with valid character";
        case xeFileNotFound: return "File does not exist";
        case xeDataOutsideElement: return "Data must belong to an element";
        case xeEndTagWithoutStart: return "Found End TAG but no Start TAG";
        case xePInstrTermination: return "Incorrect termination within PInstr";
        case xeAttributeNotFound: return "Attribute with given name does not exist";
        case xeNoAttributes: return "Element does not contain attributes";
        case xeAttributeIndex: return "Attribute with requested index does not exist";
        default: return "undefined error";
    }
}

TXMLelement::TXMLelement(NodeType type, std::string name, TXMLelement* parent)
    : type_(type), name_(std::move(name)), parent_(parent) {}

TXMLelement::~TXMLelement() {
    // Free the subtree without recursion, so that deeply nested input cannot exhaust the stack.
    std::vector<std::unique_ptr<TXMLelement>> pending = std::move(children_);
    while (!pending.empty()) {
        std::unique_ptr<TXMLelement> node = std::move(pending.back());
        pending.pop_back();
        for (auto& c : node->children_) pending.push_back(std::move(c));
        node->children_.clear();
    }
}

std::string TXMLelement::Text() const {
    for (const auto& c : children_)
        if (c->type_ == ntText) return c->data_;
    return {};
}

TXMLelement* TXMLelement::ChildByIndex(int index) const {
    return index >= 0 && index < ChildCount() ? children_[index].get() : nullptr;
}

TXMLelement* TXMLelement::ChildByName(std::string_view name) const {
    for (const auto& c : children_)
        if (c->type_ == ntElement && SameNoCase(c->name_, name)) return c.get();
    return nullptr;
}

void TXMLelement::ReportError(int code) const {
    lastError_ = code;
    const TXMLelement* root = this;
    while (root->parent_) root = root->parent_;
    if (root->onError_) root->onError_(code, XMLErrorText(code));
}

std::string TXMLelement::AttributeValue(std::string_view name) const {
    if (AttributeCount() == 0) {
        ReportError(xeNoAttributes);
        return {};
    }
    if (const std::string* value = FindAttribute(name)) return *value;
    ReportError(xeAttributeNotFound);
    return {};
}

const std::string* TXMLelement::FindAttribute(std::string_view name) const {
    for (int i = 0; i < AttributeCount(); ++i)
        if (SameNoCase(attributes_->names[i], name)) return &attributes_->values[i];
    return nullptr;
}

bool TXMLelement::ValidAttributeIndex(int index) const {
    if (AttributeCount() == 0) {
        ReportError(xeNoAttributes);
        return false;
    }
    if (index < 0 || index >= AttributeCount()) {
        ReportError(xeAttributeIndex);
        return false;
    }
    return true;
}

std::string TXMLelement::AttributeName(int index) const {
    return ValidAttributeIndex(index) ? attributes_->names[index] : std::string();
}

std::string TXMLelement::AttributeValueAt(int index) const {
    return ValidAttributeIndex(index) ? attributes_->values[index] : std::string();
}

TXMLelement* TXMLelement::Append(std::unique_ptr<TXMLelement> child) {
    child->parent_ = this;
    child->prev_ = children_.empty() ? nullptr : children_.back().get();
    if (child->prev_) child->prev_->next_ = child.get();
    children_.push_back(std::move(child));
    return children_.back().get();
}

TXMLelement* TXMLelement::AddChild(std::string name) {
    return Append(std::make_unique<TXMLelement>(ntElement, std::move(name), this));
}

TXMLelement* TXMLelement::AddNode(NodeType type, std::string name, std::string data) {
    TXMLelement* node = Append(std::make_unique<TXMLelement>(type, std::move(name), this));
    node->data_ = std::move(data);
    return node;
}

void TXMLelement::AddAttribute(std::string name, std::string value) {
    if (!attributes_) attributes_ = std::make_unique<TXMLattribute>();
    attributes_->names.push_back(std::move(name));
    attributes_->values.push_back(std::move(value));
}

void TXMLelement::SetLastAttributeValue(std::string value) {
    if (AttributeCount() > 0) attributes_->values.back() = std::move(value);
}

TXMLelement* TXMLelement::Delete() {
    if (!parent_) return nullptr;
    TXMLelement* result = prev_ ? prev_ : next_ ? next_ : parent_;
    if (prev_) prev_->next_ = next_;
    if (next_) next_->prev_ = prev_;
    auto& siblings = parent_->children_;
    auto it = std::find_if(siblings.begin(), siblings.end(),
                           [this](const auto& c) { return c.get() == this; });
    siblings.erase(it);  // frees this node
    return result;
}

std::string Attribute(const TXMLelement* e, std::string_view name) {
    const std::string* value = e ? e->FindAttribute(name) : nullptr;
    return value ? *value : std::string();
}

}  // namespace lyrasta
