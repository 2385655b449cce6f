#include "page/ElementFiles.h"

#include "common/AsciiText.h"
#include "common/Encoding.h"
#include "common/FilesTools.h"
#include "common/StringRoutines.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace vlm {

namespace {

// Upper case with every separator a backslash, for containment tests.
std::string Comparable(const std::string& path) {
    std::string out = UpperCaseAscii(path);
    std::replace(out.begin(), out.end(), '/', '\\');
    return out;
}

std::string InFolder(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '\\' || folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

std::string WithSuffix(const std::string& suffix) {
    return suffix.empty() ? "" : "_" + suffix;
}

} // namespace

std::string ElementFilePrefix(const TjanXMLNode& element) {
    std::string prefix = "c";
    return prefix.append(PadIndex5(element.GetAttributeText("globalIndex")));
}

void DeleteElement(TjanXMLNode& documentNode, TjanXMLNode* element, const std::string& folder) {
    if (!element)
        return;
    std::error_code ec;
    for (const fs::path& file :
         ListFilesByMask(PathFromStoredText(folder), ElementFilePrefix(*element) + ".*"))
        fs::remove(file, ec);
    TjanXMLNode* owner =
        documentNode.IndexOfChild(element) >= 0 ? &documentNode : element->Parent();
    if (owner)
        owner->DeleteChild(static_cast<std::size_t>(owner->IndexOfChild(element)));
}

bool IsInPagesResources(const std::string& courseFolder, const std::string& path) {
    std::string folder = Comparable(courseFolder);
    if (!folder.empty() && folder.back() != '\\')
        folder += '\\';
    return Comparable(path).find(folder + "PAGES\\RESOURCES\\") != std::string::npos;
}

bool IsRelativeResource(const std::string& path) {
    return Comparable(path).find("..\\RESOURCES\\") != std::string::npos;
}

std::string ResolveElementMediaPath(const TjanXMLNode& element, const std::string& folder,
                                    const std::string& suffix) {
    std::string value;
    if (!element.TryGetAttribute("src", value))
        value = element.GetAttributeText("buttonSrc");
    if (IsRelativeResource(value))
        return value;
    // Here the suffix follows the extension, as the stored files are named.
    const std::string name =
        ElementFilePrefix(element) + "." + ExtractDottedExtension(value) + WithSuffix(suffix);
    const std::string candidate = InFolder(folder, name);
    std::error_code ec;
    if (!fs::exists(PathFromStoredText(candidate), ec))
        return {};
    return ReplaceFirst(candidate, "\\\\", "\\");
}

std::string AssignResourceFile(TjanXMLNode& element, const std::string& attribute,
                               const std::string& courseFolder, const std::string& suffix,
                               const std::string& sourceFile, const std::string& targetFolder) {
    if (element.GetAttributeText(attribute) == sourceFile)
        return {};
    if (IsInPagesResources(courseFolder, sourceFile)) {
        const std::string stored = "..\\resources\\" + ExtractNameAnySeparator(sourceFile);
        element.SetAttribute(attribute, stored);
        return stored;
    }
    const std::string name =
        ElementFilePrefix(element) + WithSuffix(suffix) + "." + ExtractDottedExtension(sourceFile);
    const fs::path folder = PathFromStoredText(targetFolder);
    const fs::path target = folder / PathFromCp1250(name);
    std::error_code ec;
    fs::remove(target, ec);
    fs::create_directories(folder, ec);
    // A failed copy is not recorded: the element must not point at a file
    // that is not there.
    if (!fs::copy_file(PathFromStoredText(sourceFile), target, ec) || ec)
        return {};
    element.SetAttribute(attribute, sourceFile);
    return name;
}

} // namespace vlm
