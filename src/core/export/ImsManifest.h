#pragma once
// The IMS manifest of the packaged targets (server, exam and SCORM variants)
// with the files written along with it: lom.xml, the per-page metadata,
// the exam's imstype.xml and the exam pages stripped of their answers.

#include "app/UserPrompt.h"
#include "common/StringRoutines.h"
#include "export/ManifestText.h"
#include "export/PageFacts.h"
#include "project/Project.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace vlm {

class TImsManifest {
public:
    // courseDir: the course folder that holds the page folders; language: the
    // metadata's language tag (MetadataLanguage).
    TImsManifest(const TProject& project, std::filesystem::path courseDir, UserPrompt& prompt,
                 std::string language);

    // lom.xml of the server and exam packages (UTF-16).

    void WriteLom(const std::filesystem::path& root, const std::filesystem::path& file);
    void WriteServerManifest(const std::filesystem::path& root, const std::filesystem::path& file);
    void WriteExamManifest(const std::filesystem::path& root, const std::filesystem::path& file);
    // lom.xml and imsmanifest.xml of the SCORM package (UTF-8).
    void WriteScormLom(const std::filesystem::path& root, const std::filesystem::path& file);
    void WriteScormManifest(const std::filesystem::path& root, const std::filesystem::path& file,
                            const std::string& schemaLocation, const std::string& urlPath);
    void WriteExamTypeFile(const std::filesystem::path& folder, const std::string& name) const;

    // The manifest's lines. With a root, the per-page metadata files (server
    // and exam) are written below it and the exam pages there are stripped.
    StringList ManifestLines(TManifestVariant variant, const std::string& schemaLocation,
                             const std::filesystem::path* root = nullptr);

    // The resource reference of an item: "r" + parent + position; when that
    // text is already taken by an item of lower position (parent 1 and
    // position 213 against parent 12 and position 13), "r" + parent + "_" +
    // position, so every resource identifier is unique.
    const std::string& Ref(const TProjectItem& item) const { return refs_.at(item.Position); }

    // A trailing "/" added when missing, "http://" in front when absent.
    static std::string NormalizeUrlPath(const std::string& path);

private:
    struct Item {
        const TProjectItem* item;
        std::vector<const TProjectItem*> children;
    };

    bool PageExists(const TProjectItem& item) const;
    bool HasContent(const TProjectItem& item) const;
    const TPageFacts& Facts(const TProjectItem& item);
    std::vector<const TProjectItem*> ChildrenOf(const TProjectItem& item) const;
    void ItemLines(StringList& out, const TProjectItem& item, int indent, bool isRoot,
                   TManifestVariant variant);
    void ScoreLines(StringList& out, const TProjectItem& item, int indent);
    void ResourceLines(StringList& out, TManifestVariant variant,
                       const std::filesystem::path* root);
    void PageFiles(const TProjectItem& item, TManifestVariant variant,
                   const std::filesystem::path& root);

    const TProject& project_;
    std::filesystem::path courseDir_;
    UserPrompt& prompt_;
    std::string language_;
    std::map<int, std::string> refs_;
    std::map<int, std::vector<const TProjectItem*>> children_;
    std::map<int, TPageFacts> facts_;
};

} // namespace vlm
