#include "designer/UndoHistory.h"

namespace vlm {

void TUndoHistory::Clear() {
    undo_.clear();
    redo_.clear();
    lastKey_.clear();
}

void TUndoHistory::Push(std::string before, const std::string& mergeKey) {
    redo_.clear();
    if (!mergeKey.empty() && mergeKey == lastKey_ && !undo_.empty())
        return;
    lastKey_ = mergeKey;
    undo_.push_back(std::move(before));
    while (undo_.size() > limit_)
        undo_.pop_front();
}

bool TUndoHistory::Undo(std::string current, std::string& restore) {
    if (undo_.empty())
        return false;
    restore = std::move(undo_.back());
    undo_.pop_back();
    redo_.push_back(std::move(current));
    lastKey_.clear();
    return true;
}

bool TUndoHistory::Redo(std::string current, std::string& restore) {
    if (redo_.empty())
        return false;
    restore = std::move(redo_.back());
    redo_.pop_back();
    undo_.push_back(std::move(current));
    lastKey_.clear();
    return true;
}

} // namespace vlm
