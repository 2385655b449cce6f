#pragma once
// The project file: course settings and the course tree as a flat list of
// items, in a line-oriented cp1250 text file with CR LF line ends.

#include "resources/ProjectError.h" // ETProjectError, raised for a file that cannot be written

#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace vlm {

class UserPrompt;

// Kinds of page.
enum TPageType : int { ptNone = -1, ptContent = 0, ptURLLink = 1, ptOutsideDocument = 2 };

// One item of the course tree. The first item stands for the course itself.
class TProjectItem {
public:
    std::string Name;       // title shown in the tree
    int Position = 0;       // 1-based pre-order position; the root has 1
    int Id = 0;             // page number, names the page folder
    int ParentPosition = 0; // Position of the parent; 0 for the root
    bool IsLeaf = false;
    std::string Address;      // internet address or external document name
    std::string Stamp;        // "id_" + creation part + "_" + change part
    int PageType = ptContent; // a TPageType; any number a file holds is kept

    void Assign(const TProjectItem& source) { *this = source; }
    bool operator==(const TProjectItem&) const = default;
};

class TProject {
public:
    // Version text of a file whose settings and tree are not read.
    static constexpr const char* kReloadedVersion = "2.0 vlmex reloaded";

    // The prompt shows the reader's and writer's messages.
    explicit TProject(UserPrompt& prompt);

    bool Loaded = false;
    std::string Version;
    std::string Title;
    std::string CourseVersion;
    int Resolution = 0; // 0 "800x600", 1 "1024x768", 2 "1280x1024"
    std::string Description;
    int ExportLexicon = 0;
    std::vector<std::unique_ptr<TProjectItem>> Items; // sorted by Position after reading
    std::filesystem::path Folder;   // folder of the project file, with trailing separator
    std::filesystem::path FileName; // full path of the project file

    // Replaces the whole content by the file's. A missing or malformed file is
    // reported through the prompt and then throws Abort.
    void LoadFromFile(const std::filesystem::path& path);
    // Writes the file through a temporary file renamed over it. Without
    // allowCreate a missing file is reported and throws Abort; a failed write
    // (read-only file, full disk) throws ETProjectError and keeps the old file.
    void SaveToFile(const std::filesystem::path& path, bool allowCreate);
    // The bytes SaveToFile writes.
    std::string ToText() const;

    void Clear();
    TProjectItem& AddItem();
    TProjectItem& GetItem(int index); // throws std::out_of_range
    const TProjectItem& GetItem(int index) const;
    int ItemCount() const { return static_cast<int>(Items.size()); }
    int MaxItemId() const; // 0 without items
    TProjectItem* FindByPosition(int position) const;
    bool HasChildItems(int position) const;
    // Replaces the items by copies of the given ones, in their order (the
    // given items may be this project's own).
    void AssignItems(std::span<const TProjectItem* const> items);

    // The value of a section: the line after the header, or for
    // "[COURSE_DESC]" the lines up to "[COURSE_TREE]" ("__itsEmpty" when they
    // hold nothing but blanks). Throws ETProjectError for a header on the last line.
    static std::string ReadSection(const std::vector<std::string>& lines,
                                   const std::string& header);

private:
    [[noreturn]] void Fail(const std::string& key, const std::filesystem::path& path);
    void ReadContent(const std::vector<std::string>& lines);

    UserPrompt& prompt_;
};

} // namespace vlm
