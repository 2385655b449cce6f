#pragma once
// Snippet files read once and kept, so that a page of many elements of one
// class does not read that class's files again for every element.

#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace vlm {

class TSnippetCache {
public:
    // The file's bytes, or nothing when it cannot be read (also remembered).
    const std::optional<std::string>& Get(const std::filesystem::path& file);
    void Clear() { files_.clear(); }
    std::size_t Size() const { return files_.size(); }

private:
    std::map<std::filesystem::path, std::optional<std::string>> files_;
};

} // namespace vlm
