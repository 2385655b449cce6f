#include "designer/ElementPaste.h"

#include "app/Log.h"
#include "common/Encoding.h"
#include "designer/ClipboardRecord.h"

#include <system_error>

namespace fs = std::filesystem;

namespace vlm {

namespace {

bool Inside(const fs::path& folder, const fs::path& path) {
    const fs::path base = folder.lexically_normal();
    const fs::path relative = path.lexically_normal().lexically_relative(base);
    return !relative.empty() && *relative.begin() != ".." && !relative.is_absolute();
}

void CopyResources(const TjanXMLNode& element, const TComponentItem& item,
                   const std::string& sourceFolder, const fs::path& courseResourcesDir) {
    if (!item.ClassNode || courseResourcesDir.empty())
        return;
    TjanXMLNodeList properties;
    item.ClassNode->CollectDescendants("property", properties);
    for (const TjanXMLNode* property : properties) {
        std::string value;
        if (property->GetAttributeText("type") != "path" ||
            !element.TryGetAttribute(property->GetAttributeText("name"), value) || value.empty())
            continue;
        const fs::path source = PathFromStoredText(sourceFolder + value);
        const fs::path target = courseResourcesDir / PathFromStoredText(value);
        std::error_code ec;
        if (!Inside(courseResourcesDir, target) || !fs::is_regular_file(source, ec) ||
            fs::exists(fs::symlink_status(target, ec)))
            continue;
        ProgramLog().Write(PathToCp1250(source) + " => " + PathToCp1250(target));
        fs::create_directories(target.parent_path(), ec);
        fs::copy_file(source, target, fs::copy_options::none, ec);
    }
}

} // namespace

TjanXMLNode* PasteClipboardRecord(TXMPDocument& document, const TComponentsCollection* library,
                                  std::string_view record, const fs::path& courseResourcesDir) {
    ProgramLog().Write("Type: CF_VLMElement4");
    const std::vector<std::string> fields = ParseCommaList(record);
    ProgramLog().Write("Input: " + CommaListText(fields));
    if (fields.size() < 2 || !document.DocumentNode() || !document.PasteElement(fields[1]))
        return nullptr;
    TjanXMLNode* element = document.DocumentNode()->Children().back().get();
    if (const TComponentItem* item = library ? library->FindByName(element->Name()) : nullptr)
        CopyResources(*element, *item, fields[0], courseResourcesDir);
    return element;
}

} // namespace vlm
