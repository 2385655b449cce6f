#pragma once
// The live course tree of the open course: the root node stands for the
// course, every other node is a page; the tree's order is the course's order.
// Views observe it; the commands here are the whole editing model.

#include "project/CourseNode.h"
#include "project/CoursePaths.h"
#include "project/CourseTreeObserver.h"
#include "project/Project.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace vlm {

class Clock;
class Random;
class UserPrompt;

class TCourseTree {
public:
    // A page under the root with this many siblings takes no children.
    static constexpr int kMaxSiblingsForChildren = 250;

    TCourseTree(UserPrompt& prompt, const Clock& clock, Random& random);
    TCourseTree(const TCourseTree&) = delete;
    TCourseTree& operator=(const TCourseTree&) = delete;

    // Set by the course lifecycle; page folders lie in Paths.CourseDir.
    TCoursePaths Paths;
    // Highest page number handed out or seen (set to MaxItemId on opening).
    int IdCounter = 0;
    // Closes the page the designer shows (before its folder is deleted).
    std::function<void()> ClosePage;

    void AddObserver(TCourseTreeObserver* observer);
    void RemoveObserver(TCourseTreeObserver* observer);

    TCourseNode* Root() const { return root_.get(); }
    bool Empty() const { return !root_; }
    // Every node, parents before children (collapsed nodes included).
    std::vector<TCourseNode*> Nodes() const;
    int NodeCount() const;
    void Clear();

    // Rebuilds the tree from the project's items; item 0 is the root. A
    // project without items (a "2.0 vlmex reloaded" file) is refused with
    // "ERROR_MESSAGE_NOT_CORRECT_VELLUMAR_FILE" and Abort. Every item
    // reachable from the root is built once, whatever its parent positions
    // say. Cancel in the duplicate question throws Abort with the tree built
    // so far. Without askDuplicates a duplicate is kept as it is unless Yes
    // for all was given earlier (the question belongs to opening).
    void BuildTree(const TProject& project, bool askDuplicates = true);
    // Makes the next duplicate page number ask again.
    void ResetDuplicateQuestion() { duplicatesYesForAll_ = false; }
    void Renumber();
    void SyncToProject(TProject& project);

    // From the counter: one above it, or, when the counter cannot be raised,
    // the lowest number no page uses. Otherwise the lowest free number.
    int NewPageId(bool fromCounter);
    // A new stamp that no node of the tree bears.
    std::string NewStamp();
    std::string TouchStamp(const std::string& stamp);
    // Paths.CourseDir + "p" + five-digit Id; empty for no item.
    std::filesystem::path PageFolder(const TProjectItem* item) const;

    // The commands. Each returns whether it changed the tree.
    // Appends a new page to `parent` (the root when null); the new node, or null.
    TCourseNode* Add(TCourseNode* parent);
    // Trims blanks; a blank text keeps the old name. The root is renamed
    // through the course settings, so it is refused here.
    bool Rename(TCourseNode* node, const std::string& text);
    // Asks, then deletes the page folders of the subtree and the nodes. No
    // deletes nothing; Cancel throws Abort.
    bool Delete(TCourseNode* node);
    bool MoveUp(TCourseNode* node);
    bool MoveDown(TCourseNode* node);
    bool MoveLeft(TCourseNode* node);
    bool MoveRight(TCourseNode* node);
    // Makes `dragged` a child of `target`; refused for the root, for the
    // current parent, and for the node itself or a target below it.
    bool Drop(TCourseNode* dragged, TCourseNode* target);

    // Tells the observers: changes made to a node's item from outside (its kind).
    void Notify(unsigned flags, TCourseNode* node);
    // Bumped whenever every node is replaced, so a caller can tell that the
    // node pointers it held are gone.
    unsigned Generation() const { return generation_; }

private:
    bool StampInUse(const std::string& stamp) const;
    void Replicated(TProjectItem& item);
    void Moved(TCourseNode* node);

    UserPrompt& prompt_;
    const Clock& clock_;
    Random& random_;
    std::unique_ptr<TCourseNode> root_;
    std::vector<TCourseTreeObserver*> observers_;
    bool duplicatesYesForAll_ = false;
    // While building: the numbers of every item of the project.
    std::set<int> reservedIds_;
    unsigned generation_ = 0;
};

} // namespace vlm
