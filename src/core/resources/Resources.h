#pragma once
// The register of a course's resources folder: name, size and digest of each
// file, so that files can be recognised by content whatever their names.

#include "common/Progress.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace vlm {

class TjanXMLNode;
class TXMPDocument;

class TProjectResourcesItem {
public:
    std::string fileName; // no folder, lower case
    std::string hash;     // 40 upper-case hex digits
    std::string fileSize; // decimal

    // Content identity: hash "_" size.
    std::string ResourceId() const { return hash + "_" + fileSize; }
};

class TProjectResources {
public:
    TProjectResources() = default;
    TProjectResources(const TProjectResources&) = delete;
    TProjectResources& operator=(const TProjectResources&) = delete;

    // Reads "resource" elements that carry fileName, fileSize, id and hash.
    // A missing file gives an empty register; a file that exists but cannot
    // be read throws the reader's EFOpenError.
    void Load(const std::filesystem::path& file);
    // Throws the writer's EFCreateError when the file cannot be written.
    void Save(const std::filesystem::path& file) const;
    // Reconciles the register with the files of the folder: hashes only new
    // files and files whose size changed, drops entries of vanished files.
    void Refresh(const std::filesystem::path& folder, Progress& progress);

    // Registers an existing file by the name part of the path; null (and
    // nothing changes) when the file cannot be digested.
    TProjectResourcesItem* Add(const std::filesystem::path& path);
    // Throws ETProjectError for an index outside 0 .. Count - 1.
    void Delete(int index);
    void Clear() { items_.clear(); }
    int Count() const { return static_cast<int>(items_.size()); }
    // Throws ETProjectError for an index outside 0 .. Count - 1.
    TProjectResourcesItem& Items(int index) const;

    TProjectResourcesItem* FindByName(const std::string& name) const;
    int IndexOfName(const std::string& name) const;
    TProjectResourcesItem* FindById(const std::string& id) const;
    bool IdOfName(const std::string& name, std::string& id) const;
    bool NameOfId(const std::string& id, std::string& name) const;
    // The lower-cased name, or base + n + extension (n = 1, 2, ...) when the
    // register already knows it. The folder is not consulted.
    std::string UniqueName(const std::string& name) const;
    // Recomputes the digest of the entry's file in the folder; a changed
    // digest is stored with the file's current size.
    void Rehash(const std::filesystem::path& folder, int index);

    // The resource step of a page import. Loads `sourcePage` into `page` (set
    // up by the caller with the designer's definitions), brings the files its
    // path values name from the other course's resources folder into this
    // course's (`courseDir` + "resources"), reusing files of the same content
    // under their names and copying the others under unique names (this
    // register is saved at once after each addition), and saves the page with
    // its references changed as `targetPage`. A value that is not a plain
    // file name ("/", "", "..", a drive or an absolute path) is left as it
    // is and nothing is read or copied for it.
    void MergePageResources(TXMPDocument& page, const std::filesystem::path& sourcePage,
                            const std::filesystem::path& targetPage,
                            const std::filesystem::path& sourceCourseDir,
                            const std::filesystem::path& courseDir, Progress& progress);

private:
    void CheckIndex(int index) const;
    void ReadItems(const TjanXMLNode* resources);
    void WriteItems(TjanXMLNode* resources) const;

    std::vector<std::unique_ptr<TProjectResourcesItem>> items_;
};

} // namespace vlm
