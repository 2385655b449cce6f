#include "designer/FramesModel.h"

#include <algorithm>

namespace vlm {

void TFramesModel::AddObserver(TDesignerObserver* observer) {
    if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void TFramesModel::RemoveObserver(TDesignerObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void TFramesModel::Notify(unsigned flags, int frame) {
    if (flags == 0 || observers_.empty())
        return;
    // An observer may add or remove observers while being told.
    const std::vector<TDesignerObserver*> observers = observers_;
    for (TDesignerObserver* observer : observers)
        if (std::find(observers_.begin(), observers_.end(), observer) != observers_.end())
            observer->DesignerChanged({flags, frame});
}

int TFramesModel::IndexOf(const TjanXMLNode* record) const {
    for (std::size_t i = 0; i < frames_.size(); ++i)
        if (frames_[i].record == record)
            return static_cast<int>(i);
    return -1;
}

int TFramesModel::FirstMarked() const {
    for (std::size_t i = 0; i < frames_.size(); ++i)
        if (frames_[i].marked)
            return static_cast<int>(i);
    return -1;
}

} // namespace vlm
