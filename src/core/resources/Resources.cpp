#include "resources/Resources.h"

#include "common/StringRoutines.h"

#include "page/janXMLTree.h"
#include "resources/FileDigest.h"
#include "resources/ProjectError.h"
#include "resources/ResourceFolder.h"

#include <unordered_map>

namespace vlm {

namespace fs = std::filesystem;

void TProjectResources::Load(const fs::path& file) {
    Clear();
    std::error_code ec;
    if (!fs::exists(file, ec))
        return;
    TjanXMLTree tree;
    tree.LoadFromFile(file);
    if (const TjanXMLNode* resources = tree.SelectSingle("resources"))
        ReadItems(resources);
}

void TProjectResources::ReadItems(const TjanXMLNode* resources) {
    if (!resources)
        throw ETProjectError("Node cannot be null");
    TjanXMLNodeList list;
    resources->SelectAll("resource", list);
    for (const TjanXMLNode* node : list) {
        std::string name, size, id, hash;
        if (node->TryGetAttribute("fileName", name) && node->TryGetAttribute("fileSize", size) &&
            node->TryGetAttribute("id", id) && node->TryGetAttribute("hash", hash)) {
            auto item = std::make_unique<TProjectResourcesItem>();
            // Written escaped; an older register wrote names as they were.
            item->fileName = LowerName(HtmlUnescape(name));
            item->fileSize = size;
            item->hash = hash;
            items_.push_back(std::move(item));
        }
    }
}

void TProjectResources::Save(const fs::path& file) const {
    TjanXMLTree tree;
    TjanXMLNode* resources = tree.AddChild("resources");
    resources->AddAttribute("version", "1.0");
    WriteItems(resources);
    tree.SaveToFile(file);
}

void TProjectResources::WriteItems(TjanXMLNode* resources) const {
    if (!resources)
        throw ETProjectError("Node cannot be null");
    for (const auto& item : items_) {
        TjanXMLNode* node = resources->AddChild("resource");
        // The tree writes values as they are: a quote or "<" in a name would
        // leave the register unreadable.
        node->AddAttribute("fileName", HtmlEscape(item->fileName));
        node->AddAttribute("fileSize", item->fileSize);
        node->AddAttribute("hash", item->hash);
    }
}

void TProjectResources::Refresh(const fs::path& folder, Progress& progress) {
    // The listing by lower-cased name; of names that differ only in case
    // (possible on this file system) the first one stands for the file.
    std::vector<FolderFile> files = ListFolderFiles(folder);
    std::unordered_map<std::string, std::size_t> listed;
    std::vector<bool> left(files.size(), false);
    for (std::size_t i = 0; i < files.size(); ++i)
        if (listed.emplace(files[i].lower, i).second)
            left[i] = true;

    progress.SetMax(Count());
    progress.SetPosition(0);
    for (std::size_t i = 0; i < items_.size();) {
        TProjectResourcesItem& item = *items_[i];
        auto found = listed.find(item.fileName);
        if (found == listed.end()) {
            Delete(static_cast<int>(i));
            progress.Step();
            continue;
        }
        const FolderFile& file = files[found->second];
        left[found->second] = false;
        listed.erase(found);
        if (auto size = FileSizeOf(file.path)) {
            std::string sizeText = std::to_string(*size);
            std::string digest;
            if (sizeText != item.fileSize && FileDigest(file.path, digest) && digest != item.hash) {
                item.fileSize = sizeText;
                item.hash = digest;
            }
        }
        progress.Step();
        ++i;
    }

    int remaining = 0;
    for (bool l : left)
        remaining += l ? 1 : 0;
    progress.SetPosition(0);
    progress.SetMax(remaining);
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!left[i])
            continue;
        Add(files[i].path);
        progress.Step();
    }
    progress.Close();
}

TProjectResourcesItem* TProjectResources::Add(const fs::path& path) {
    std::string digest;
    auto size = FileSizeOf(path);
    if (!size || !FileDigest(path, digest))
        return nullptr;
    auto item = std::make_unique<TProjectResourcesItem>();
    item->fileName = LowerName(TextName(path.filename()));
    item->hash = digest;
    item->fileSize = std::to_string(*size);
    items_.push_back(std::move(item));
    return items_.back().get();
}

void TProjectResources::CheckIndex(int index) const {
    if (index < 0 || index >= Count())
        throw ETProjectError("Items list index out of bounds (" + std::to_string(index) + ")");
}

void TProjectResources::Delete(int index) {
    CheckIndex(index);
    items_.erase(items_.begin() + index);
}

TProjectResourcesItem& TProjectResources::Items(int index) const {
    CheckIndex(index);
    return *items_[index];
}

int TProjectResources::IndexOfName(const std::string& name) const {
    const std::string lower = LowerName(name);
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i]->fileName == lower)
            return static_cast<int>(i);
    return -1;
}

TProjectResourcesItem* TProjectResources::FindByName(const std::string& name) const {
    int index = IndexOfName(name);
    return index < 0 ? nullptr : items_[index].get();
}

TProjectResourcesItem* TProjectResources::FindById(const std::string& id) const {
    for (const auto& item : items_)
        if (item->ResourceId() == id)
            return item.get();
    return nullptr;
}

bool TProjectResources::IdOfName(const std::string& name, std::string& id) const {
    const TProjectResourcesItem* item = FindByName(name);
    if (!item)
        return false;
    id = item->ResourceId();
    return true;
}

bool TProjectResources::NameOfId(const std::string& id, std::string& name) const {
    const TProjectResourcesItem* item = FindById(id);
    if (!item)
        return false;
    name = item->fileName;
    return true;
}

std::string TProjectResources::UniqueName(const std::string& name) const {
    const std::string lower = LowerName(name);
    auto [base, extension] = SplitExtension(lower);
    std::string candidate = lower;
    for (int n = 1; FindByName(candidate); ++n)
        candidate = base + std::to_string(n) + extension;
    return candidate;
}

void TProjectResources::Rehash(const fs::path& folder, int index) {
    TProjectResourcesItem& item = Items(index);
    auto path = FindFileNoCase(folder, item.fileName);
    std::string digest;
    if (!path || !FileDigest(*path, digest) || digest == item.hash)
        return;
    auto size = FileSizeOf(*path);
    if (!size)
        return;
    item.hash = digest;
    item.fileSize = std::to_string(*size);
}

} // namespace vlm
