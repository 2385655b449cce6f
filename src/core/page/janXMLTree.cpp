#include "page/janXMLTree.h"

#include <utility>

namespace vlm {

namespace {
const char* const kLineEnd = "\r\n";

std::vector<std::string> SplitSteps(const std::string& path) {
    std::vector<std::string> steps;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t slash = path.find('/', start);
        if (slash == std::string::npos)
            slash = path.size();
        if (slash > start)
            steps.push_back(path.substr(start, slash - start));
        start = slash + 1;
    }
    return steps;
}

// Nodes reached from `node` by the steps from `step` on, in document order
// (trying further matching children when the rest of the path fails below
// one); stops at the first when `first` is set.
void SelectFrom(const TjanXMLNode& node, const std::vector<std::string>& steps, std::size_t step,
                bool first, TjanXMLNodeList& list) {
    std::vector<std::pair<const TjanXMLNode*, std::size_t>> pending{{&node, step}};
    while (!pending.empty()) {
        auto [current, matched] = pending.back();
        pending.pop_back();
        if (matched == steps.size()) {
            list.push_back(const_cast<TjanXMLNode*>(current));
            if (first)
                return;
            continue;
        }
        const TjanXMLFilter filter{steps[matched]};
        const auto& children = current->Children();
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            if (filter.Matches(**it))
                pending.emplace_back(it->get(), matched + 1);
    }
}

// "//" paths: a matching child is taken (or the rest of the path is applied
// below it); a child that does not match is searched at any depth.
void SelectAnyDepth(const TjanXMLNode& node, const std::vector<std::string>& steps,
                    TjanXMLNodeList& list) {
    const TjanXMLFilter filter{steps[0]};
    std::vector<const TjanXMLNode*> pending;
    auto pushChildren = [&pending](const TjanXMLNode& n) {
        for (auto it = n.Children().rbegin(); it != n.Children().rend(); ++it)
            pending.push_back(it->get());
    };
    pushChildren(node);
    while (!pending.empty()) {
        const TjanXMLNode* current = pending.back();
        pending.pop_back();
        if (!filter.Matches(*current)) {
            pushChildren(*current);
            continue;
        }
        // A match: its own descendants are not searched.
        if (steps.size() == 1)
            list.push_back(const_cast<TjanXMLNode*>(current));
        else
            SelectFrom(*current, steps, 1, false, list);
    }
}
} // namespace

TjanXMLNode::TjanXMLNode(std::string name, TjanXMLNode* parent, std::string text)
    : name_(std::move(name)), text_(std::move(text)), parent_(parent) {}

TjanXMLNode::~TjanXMLNode() {
    DeleteChildren();
}

TjanXMLAttribute* TjanXMLNode::AddAttribute(std::string name, std::string value) {
    attributes_.push_back(std::make_unique<TjanXMLAttribute>(std::move(name), std::move(value)));
    return attributes_.back().get();
}

TjanXMLAttribute* TjanXMLNode::FindAttribute(const std::string& name) const {
    for (const auto& a : attributes_)
        if (a->Name == name)
            return a.get();
    return nullptr;
}

std::string TjanXMLNode::GetAttributeText(const std::string& name) const {
    const TjanXMLAttribute* a = FindAttribute(name);
    return a ? a->Value : std::string();
}

bool TjanXMLNode::TryGetAttribute(const std::string& name, std::string& value) const {
    const TjanXMLAttribute* a = FindAttribute(name);
    if (!a)
        return false;
    value = a->Value;
    return true;
}

void TjanXMLNode::SetAttribute(const std::string& name, std::string value) {
    if (TjanXMLAttribute* a = FindAttribute(name))
        a->Value = std::move(value);
    else
        AddAttribute(name, std::move(value));
}

void TjanXMLNode::DeleteAttributes() {
    attributes_.clear();
}

int TjanXMLNode::IndexOfChild(const TjanXMLNode* child) const {
    for (std::size_t i = 0; i < children_.size(); ++i)
        if (children_[i].get() == child)
            return static_cast<int>(i);
    return -1;
}

TjanXMLNode* TjanXMLNode::AddChild(std::string name, std::string text) {
    children_.push_back(std::make_unique<TjanXMLNode>(std::move(name), this, std::move(text)));
    return children_.back().get();
}

TjanXMLNode* TjanXMLNode::AppendChild(std::unique_ptr<TjanXMLNode> child) {
    return InsertChild(children_.size(), std::move(child));
}

TjanXMLNode* TjanXMLNode::InsertChild(std::size_t index, std::unique_ptr<TjanXMLNode> child) {
    if (!child)
        return nullptr;
    if (index > children_.size())
        index = children_.size();
    child->parent_ = this;
    auto it =
        children_.insert(children_.begin() + static_cast<std::ptrdiff_t>(index), std::move(child));
    return it->get();
}

std::unique_ptr<TjanXMLNode> TjanXMLNode::DetachChild(TjanXMLNode* child) {
    const int index = IndexOfChild(child);
    if (index < 0)
        return nullptr;
    std::unique_ptr<TjanXMLNode> owned = std::move(children_[static_cast<std::size_t>(index)]);
    children_.erase(children_.begin() + index);
    owned->parent_ = nullptr;
    return owned;
}

void TjanXMLNode::DeleteChild(std::size_t index) {
    if (index >= children_.size())
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    std::unique_ptr<TjanXMLNode> doomed = std::move(children_[index]);
    children_.erase(children_.begin() + static_cast<std::ptrdiff_t>(index));
}

void TjanXMLNode::DeleteChildren() {
    // Flatten before freeing, so that freeing a deep tree never recurses.
    std::vector<std::unique_ptr<TjanXMLNode>> doomed = std::move(children_);
    children_.clear();
    while (!doomed.empty()) {
        std::unique_ptr<TjanXMLNode> node = std::move(doomed.back());
        doomed.pop_back();
        for (auto& c : node->children_)
            doomed.push_back(std::move(c));
        node->children_.clear();
    }
}

void TjanXMLNode::ClearContent() {
    DeleteChildren();
    DeleteAttributes();
}

TjanXMLNode* TjanXMLNode::FindChild(const std::string& name) const {
    for (const auto& c : children_)
        if (c->name_ == name)
            return c.get();
    return nullptr;
}

TjanXMLNode* TjanXMLNode::FindChildByAttribute(const std::string& attribute,
                                               std::string_view value) const {
    for (const auto& c : children_) {
        const TjanXMLAttribute* a = c->FindAttribute(attribute);
        if (a && a->Value == value)
            return c.get();
    }
    return nullptr;
}

TjanXMLNode* TjanXMLNode::FirstChild() const {
    return children_.empty() ? nullptr : children_.front().get();
}

namespace {

// Every node below `from` in document order, without recursion (documents
// may nest deeply), until `visit` returns true.
template <class Visit> void VisitDescendants(const TjanXMLNode& from, Visit visit) {
    std::vector<const TjanXMLNode*> pending;
    for (auto it = from.Children().rbegin(); it != from.Children().rend(); ++it)
        pending.push_back(it->get());
    while (!pending.empty()) {
        const TjanXMLNode* node = pending.back();
        pending.pop_back();
        if (visit(*node))
            return;
        for (auto it = node->Children().rbegin(); it != node->Children().rend(); ++it)
            pending.push_back(it->get());
    }
}

} // namespace

TjanXMLNode* TjanXMLNode::FindDescendant(const std::string& name) const {
    const TjanXMLNode* found = nullptr;
    VisitDescendants(*this, [&](const TjanXMLNode& node) {
        if (node.name_ == name)
            found = &node;
        return found != nullptr;
    });
    return const_cast<TjanXMLNode*>(found);
}

void TjanXMLNode::CollectDescendants(const std::string& name, TjanXMLNodeList& list) const {
    VisitDescendants(*this, [&](const TjanXMLNode& node) {
        if (node.name_ == name)
            list.push_back(const_cast<TjanXMLNode*>(&node));
        return false;
    });
}

std::unique_ptr<TjanXMLNode> TjanXMLNode::Clone() const {
    auto copyOne = [](const TjanXMLNode& src) {
        auto dst = std::make_unique<TjanXMLNode>(src.name_, nullptr, src.text_);
        dst->isCData_ = src.isCData_;
        for (const auto& a : src.attributes_)
            dst->AddAttribute(a->Name, a->Value);
        return dst;
    };
    std::unique_ptr<TjanXMLNode> root = copyOne(*this);
    std::vector<std::pair<const TjanXMLNode*, TjanXMLNode*>> pending{{this, root.get()}};
    while (!pending.empty()) {
        auto [src, dst] = pending.back();
        pending.pop_back();
        for (const auto& c : src->children_) {
            TjanXMLNode* copy = dst->AppendChild(copyOne(*c));
            pending.emplace_back(c.get(), copy);
        }
    }
    return root;
}

TjanXMLNode* TjanXMLNode::MoveChild(TjanXMLNode* child, int index) {
    const int from = IndexOfChild(child);
    if (index < 0 || from < 0 || index >= static_cast<int>(children_.size()))
        return nullptr;
    std::unique_ptr<TjanXMLNode> copy = child->Clone();
    DeleteChild(static_cast<std::size_t>(from));
    InsertChild(static_cast<std::size_t>(index), std::move(copy));
    return this;
}

std::string TjanXMLNode::ToXml(int level) const {
    struct Step {
        const TjanXMLNode* node;
        int level;
        bool closing;
    };
    std::string out;
    std::vector<Step> pending{{this, level < 0 ? 0 : level, false}};
    while (!pending.empty()) {
        const Step step = pending.back();
        pending.pop_back();
        const TjanXMLNode& n = *step.node;
        const std::string indent(static_cast<std::size_t>(step.level) * 2, ' ');
        if (step.closing) {
            out += indent + "</" + n.name_ + ">" + kLineEnd;
            continue;
        }
        out += indent + "<" + n.name_;
        for (const auto& a : n.attributes_)
            out += " " + a->Name + "=\"" + a->Value + "\"";
        if (n.children_.empty() && n.text_.empty()) {
            out += std::string(" />") + kLineEnd;
            continue;
        }
        out += std::string(">") + kLineEnd;
        if (!n.text_.empty()) {
            if (!n.isCData_) {
                out += indent + "  " + n.text_ + kLineEnd;
            } else {
                out += indent + "  <![CDATA[";
                const std::string& t = n.text_;
                for (std::size_t i = 0; i < t.size(); ++i) {
                    if (t[i] == '\\' && i + 2 < t.size() && t[i + 2] == ' ' &&
                        (t[i + 1] == 'n' || t[i + 1] == 't')) {
                        out += t[i + 1] == 'n' ? kLineEnd : "\t";
                        i += 2;
                    } else {
                        out += t[i];
                    }
                }
                out += std::string("]]>") + kLineEnd;
            }
        }
        pending.push_back({&n, step.level, true});
        for (auto it = n.children_.rbegin(); it != n.children_.rend(); ++it)
            pending.push_back({it->get(), step.level + 1, false});
    }
    return out;
}

TjanXMLNode* TjanXMLNode::SelectSingle(const std::string& path) const {
    const std::vector<std::string> steps = SplitSteps(path);
    TjanXMLNodeList found;
    if (!steps.empty())
        SelectFrom(*this, steps, 0, true, found);
    return found.empty() ? nullptr : found.front();
}

void TjanXMLNode::SelectAll(const std::string& path, TjanXMLNodeList& list) const {
    const bool anyDepth = path.rfind("//", 0) == 0;
    const std::vector<std::string> steps = SplitSteps(path);
    if (steps.empty())
        return;
    if (anyDepth)
        SelectAnyDepth(*this, steps, list);
    else
        SelectFrom(*this, steps, 0, false, list);
}

} // namespace vlm
