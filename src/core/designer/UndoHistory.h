#pragma once
// The bounded undo and redo history of one page: each step keeps the page
// document's text from before (undo) or after (redo) the change.

#include <cstddef>
#include <deque>
#include <string>

namespace vlm {

class TUndoHistory {
public:
    static constexpr std::size_t kDefaultLimit = 100;
    explicit TUndoHistory(std::size_t limit = kDefaultLimit) : limit_(limit ? limit : 1) {}

    void Clear();
    // A new step whose undo gives `before`; redo is forgotten. A non-empty
    // merge key equal to the last step's adds nothing: the last step then
    // undoes both changes at once. The oldest step goes past the limit.
    void Push(std::string before, const std::string& mergeKey = {});
    // Ends merging: the next change is a step of its own.
    void Seal() { lastKey_.clear(); }

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    std::size_t UndoCount() const { return undo_.size(); }

    // The text to restore; `current` becomes the redo (undo) step. False when
    // there is nothing to do.
    bool Undo(std::string current, std::string& restore);
    bool Redo(std::string current, std::string& restore);

private:
    bool Travel(std::deque<std::string>& from, std::deque<std::string>& to, std::string current,
                std::string& restore);

    std::size_t limit_;
    std::deque<std::string> undo_;
    std::deque<std::string> redo_;
    std::string lastKey_;
};

} // namespace vlm
