#include "project/CourseTree.h"

#include "app/IniLang.h"
#include "app/UserPrompt.h"
#include "common/Encoding.h"
#include "project/CourseMessages.h"
#include "project/PageStamp.h"

#include <algorithm>
#include <limits>
#include <map>
#include <set>

namespace vlm {

namespace {

std::string ReplicatedItemsText() {
    std::string text;
    for (char c : LangText("ERROR_MESSAGE_REPLICATED_ITEMS"))
        text += c == '|' ? std::string("\r\n") : std::string(1, c);
    return text;
}

} // namespace

TCourseTree::TCourseTree(UserPrompt& prompt, const Clock& clock, Random& random)
    : prompt_(prompt), clock_(clock), random_(random) {}

void TCourseTree::AddObserver(TCourseTreeObserver* observer) {
    if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void TCourseTree::RemoveObserver(TCourseTreeObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void TCourseTree::Notify(unsigned flags, TCourseNode* node) {
    const unsigned generation = generation_;
    // An observer may add or remove observers, or rebuild the tree (a save
    // that ends in Save As): the node is then gone for the ones after it.
    const std::vector<TCourseTreeObserver*> observers = observers_;
    for (TCourseTreeObserver* observer : observers) {
        if (std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
            continue;
        observer->CourseTreeChanged({flags, generation == generation_ ? node : nullptr});
    }
}

std::vector<TCourseNode*> TCourseTree::Nodes() const {
    std::vector<TCourseNode*> out;
    if (!root_)
        return out;
    std::vector<TCourseNode*> stack{root_.get()};
    while (!stack.empty()) {
        TCourseNode* node = stack.back();
        stack.pop_back();
        out.push_back(node);
        for (int i = node->ChildCount() - 1; i >= 0; --i)
            stack.push_back(node->Child(i));
    }
    return out;
}

int TCourseTree::NodeCount() const {
    return static_cast<int>(Nodes().size());
}

void TCourseTree::Clear() {
    root_.reset();
    ++generation_;
    Notify(tcRebuilt, nullptr);
}

void TCourseTree::BuildTree(const TProject& project, bool askDuplicates) {
    root_.reset();
    ++generation_;
    if (project.ItemCount() == 0 || project.Version == TProject::kReloadedVersion) {
        Notify(tcRebuilt, nullptr);
        prompt_.ShowMessage(LangTextWith("ERROR_MESSAGE_NOT_CORRECT_VELLUMAR_FILE",
                                         PathToCp1250(project.FileName)));
        throw Abort();
    }
    IdCounter = std::max(IdCounter, project.MaxItemId());
    // A renumbered duplicate must not take the folder of an item built later.
    struct Release {
        std::set<int>& ids;
        ~Release() { ids.clear(); }
    } release{reservedIds_};
    for (int i = 0; i < project.ItemCount(); ++i)
        reservedIds_.insert(project.GetItem(i).Id);
    reservedIds_.insert(1); // the root's, whatever the file says

    // Items after the first by their parent position, in list order.
    std::map<int, std::vector<int>> children;
    for (int i = 1; i < project.ItemCount(); ++i)
        children[project.GetItem(i).ParentPosition].push_back(i);
    static const std::vector<int> kNone;
    const auto childrenOf = [&](int position) -> const std::vector<int>& {
        const auto it = children.find(position);
        return it == children.end() ? kNone : it->second;
    };

    root_ = std::make_unique<TCourseNode>(project.GetItem(0));
    root_->Item().Stamp = TouchStamp(root_->Item().Stamp);
    root_->Expanded = true;
    std::set<int> ids{root_->Item().Id};

    // Depth first without recursion. Parent positions need not form a tree
    // (cycles, items naming themselves, repeated positions): each item is
    // built at most once, so the walk ends.
    std::vector<bool> built(static_cast<std::size_t>(project.ItemCount()), false);
    built[0] = true;
    struct Frame {
        TCourseNode* node;
        const std::vector<int>* items;
        std::size_t next;
    };
    std::vector<Frame> stack{{root_.get(), &childrenOf(root_->Item().Position), 0}};
    try {
        while (!stack.empty()) {
            Frame& frame = stack.back();
            if (frame.next >= frame.items->size()) {
                stack.pop_back();
                continue;
            }
            const int index = (*frame.items)[frame.next++];
            if (built[static_cast<std::size_t>(index)])
                continue;
            built[static_cast<std::size_t>(index)] = true;
            auto node = std::make_unique<TCourseNode>(project.GetItem(index));
            if (ids.count(node->Item().Id)) {
                if (askDuplicates && !duplicatesYesForAll_) {
                    const int answer = prompt_.MessageBox({}, ReplicatedItemsText(),
                                                          DialogType::Error, kButtonsYesNoCancel);
                    if (answer == mrYes)
                        duplicatesYesForAll_ = true;
                    else if (answer != mrNo)
                        throw Abort();
                }
                if (duplicatesYesForAll_)
                    Replicated(node->Item());
            }
            ids.insert(node->Item().Id);
            TCourseNode* added = frame.node->Append(std::move(node));
            stack.push_back({added, &childrenOf(added->Item().Position), 0});
        }
    } catch (const Abort&) {
        Renumber();
        Notify(tcRebuilt, nullptr);
        throw;
    }
    Renumber();
    Notify(tcRebuilt | tcExpand, root_.get());
}

void TCourseTree::Replicated(TProjectItem& item) {
    item.Id = NewPageId(true);
    item.IsLeaf = false;
    item.Address.clear();
    item.Stamp = NewStamp();
    item.PageType = ptNone;
}

void TCourseTree::Renumber() {
    const std::vector<TCourseNode*> nodes = Nodes();
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        TCourseNode* node = nodes[i];
        node->Item().Position = static_cast<int>(i) + 1;
        // Parents come first in the listing, so theirs is already set.
        node->Item().ParentPosition = node->Parent() ? node->Parent()->Item().Position : 0;
        node->Item().IsLeaf = node->ChildCount() == 0;
    }
    if (root_)
        root_->Item().Id = 1;
}

void TCourseTree::SyncToProject(TProject& project) {
    Renumber();
    std::vector<const TProjectItem*> items;
    for (TCourseNode* node : Nodes())
        items.push_back(&node->Item());
    project.AssignItems(items);
}

int TCourseTree::NewPageId(bool fromCounter) {
    const std::vector<TCourseNode*> nodes = Nodes();
    std::set<int> used;
    int largest = 0;
    for (TCourseNode* node : nodes) {
        used.insert(node->Item().Id);
        largest = std::max(largest, node->Item().Id);
    }
    IdCounter = std::max(IdCounter, largest);
    // A course may hold the largest number there is: the counter then stays
    // and the lowest free number is taken, so no two pages share a folder.
    if (fromCounter && IdCounter < std::numeric_limits<int>::max())
        return ++IdCounter;
    // Up to the number of nodes (and the reserved numbers) some number is
    // free; with all of 1..n taken this is the largest + 1.
    int n = 1;
    while (used.count(n) || reservedIds_.count(n))
        ++n;
    return n;
}

bool TCourseTree::StampInUse(const std::string& stamp) const {
    const auto nodes = Nodes();
    return std::any_of(nodes.begin(), nodes.end(),
                       [&](const TCourseNode* n) { return n->Item().Stamp == stamp; });
}

std::string TCourseTree::NewStamp() {
    return vlm::NewStamp(clock_, random_, [this](const std::string& s) { return StampInUse(s); });
}

std::string TCourseTree::TouchStamp(const std::string& stamp) {
    if (stamp.empty())
        return NewStamp();
    return vlm::TouchStamp(stamp, clock_, random_);
}

std::filesystem::path TCourseTree::PageFolder(const TProjectItem* item) const {
    if (!item)
        return {};
    return Paths.PageDir(item->Id);
}

} // namespace vlm
