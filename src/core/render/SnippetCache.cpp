#include "render/SnippetCache.h"

#include "common/FileWrite.h"

namespace vlm {

const std::optional<std::string>& TSnippetCache::Get(const std::filesystem::path& file) {
    auto it = files_.find(file);
    if (it == files_.end())
        it = files_.emplace(file, ReadFileBytes(file)).first;
    return it->second;
}

} // namespace vlm
