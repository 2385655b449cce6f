#pragma once
// The program's XML tree: a tolerant, non-validating reader of a small subset
// of XML and a writer with one fixed layout (two-space indentation, CR LF,
// " />" for empty elements, no escaping). Text is cp1250 bytes throughout.
//
// Every walk over the tree (reading, writing, copying, searching, freeing) is
// iterative, so a document nested a hundred thousand levels deep cannot
// exhaust the stack.

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vlm {

// The runtime's file failures: the message names the file (cp1250) and the system's reason.
class EFOpenError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
class EFCreateError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TjanXMLAttribute {
public:
    TjanXMLAttribute(std::string name, std::string value)
        : Name(std::move(name)), Value(std::move(value)) {}
    std::string Name;
    std::string Value;
};

class TjanXMLNode;
using TjanXMLNodeList = std::vector<TjanXMLNode*>;

class TjanXMLNode {
public:
    explicit TjanXMLNode(std::string name = {}, TjanXMLNode* parent = nullptr,
                         std::string text = {});
    virtual ~TjanXMLNode();
    TjanXMLNode(const TjanXMLNode&) = delete;
    TjanXMLNode& operator=(const TjanXMLNode&) = delete;

    const std::string& Name() const { return name_; }
    const std::string& Text() const { return text_; }
    bool IsCData() const { return isCData_; }
    TjanXMLNode* Parent() const { return parent_; }
    void SetName(std::string name) { name_ = std::move(name); }
    void SetText(std::string text) { text_ = std::move(text); }
    void SetCData(bool flag) { isCData_ = flag; }

    // Attributes, in order; duplicates of a name are kept, lookups use the first.
    const std::vector<std::unique_ptr<TjanXMLAttribute>>& Attributes() const { return attributes_; }
    TjanXMLAttribute* AddAttribute(std::string name, std::string value);
    TjanXMLAttribute* FindAttribute(const std::string& name) const;
    std::string GetAttributeText(const std::string& name) const;
    bool TryGetAttribute(const std::string& name, std::string& value) const;
    void SetAttribute(const std::string& name, std::string value);
    void DeleteAttributes();

    // Children, in order (in a page document: the stacking order).
    const std::vector<std::unique_ptr<TjanXMLNode>>& Children() const { return children_; }
    std::size_t ChildCount() const { return children_.size(); }
    TjanXMLNode* Child(std::size_t index) const { return children_.at(index).get(); }
    // Index of a direct child, or -1.
    int IndexOfChild(const TjanXMLNode* child) const;
    TjanXMLNode* AddChild(std::string name, std::string text = {});
    // Takes ownership of a detached node (e.g. a Clone) and appends or inserts it.
    TjanXMLNode* AppendChild(std::unique_ptr<TjanXMLNode> child);
    TjanXMLNode* InsertChild(std::size_t index, std::unique_ptr<TjanXMLNode> child);
    // Removes a direct child from this node and hands it over, or null.
    std::unique_ptr<TjanXMLNode> DetachChild(TjanXMLNode* child);
    void DeleteChild(std::size_t index);
    void DeleteChildren();

    TjanXMLNode* FindChild(const std::string& name) const;
    TjanXMLNode* FindChildByAttribute(const std::string& attribute, std::string_view value) const;
    TjanXMLNode* FirstChild() const;
    TjanXMLNode* FindDescendant(const std::string& name) const;
    void CollectDescendants(const std::string& name, TjanXMLNodeList& list) const;

    // A deep copy without a parent.
    std::unique_ptr<TjanXMLNode> Clone() const;
    // Replaces the child by a copy of it at the index; returns this node, or
    // null (and changes nothing) when the index or the child is not valid.
    // The old child is destroyed: callers must re-bind to Child(index).
    TjanXMLNode* MoveChild(TjanXMLNode* child, int index);

    std::string ToXml(int level = 0) const;

    TjanXMLNode* SelectSingle(const std::string& path) const;
    void SelectAll(const std::string& path, TjanXMLNodeList& list) const;

protected:
    void ClearContent();

private:
    std::string name_;
    std::string text_;
    bool isCData_ = false;
    TjanXMLNode* parent_ = nullptr;
    std::vector<std::unique_ptr<TjanXMLAttribute>> attributes_;
    std::vector<std::unique_ptr<TjanXMLNode>> children_;
};

// A parsed step of a selection path: the element name.
struct TjanXMLFilter {
    std::string Name;
    bool Matches(const TjanXMLNode& node) const { return node.Name() == Name; }
};

class TjanXMLTree : public TjanXMLNode {
public:
    TjanXMLTree() : TjanXMLNode("root") {}

    // Discards the content, then reads; throws EFOpenError when the file
    // cannot be read.
    void LoadFromFile(const std::filesystem::path& fileName);
    void LoadFromText(const std::string& text);
    std::string AsText() const;
    // Throws EFCreateError when the file cannot be written. The file is
    // written beside the target and renamed over it.
    void SaveToFile(const std::filesystem::path& fileName);

    const std::vector<std::string>& Lines() const { return lines_; }
    int StartTagCount() const { return startTagCount_; }

private:
    void Parse(const std::string& text);
    std::vector<std::string> lines_;
    int startTagCount_ = 0;
};

} // namespace vlm
