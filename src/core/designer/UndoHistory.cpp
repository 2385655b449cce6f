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

bool TUndoHistory::Travel(std::deque<std::string>& from, std::deque<std::string>& to,
                          std::string current, std::string& restore) {
    if (from.empty())
        return false;
    restore = std::move(from.back());
    from.pop_back();
    to.push_back(std::move(current));
    lastKey_.clear();
    return true;
}

bool TUndoHistory::Undo(std::string current, std::string& restore) {
    return Travel(undo_, redo_, std::move(current), restore);
}

bool TUndoHistory::Redo(std::string current, std::string& restore) {
    return Travel(redo_, undo_, std::move(current), restore);
}

} // namespace vlm
