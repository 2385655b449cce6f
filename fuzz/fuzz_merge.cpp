// Feeds arbitrary bytes to page import's resource merge: the input up to the
// first NUL is the other course's page document, the rest its register
// (resources.xml). Both courses hold a few fixed files. Checked: nothing is
// written outside this course's resources folder, register and target page;
// the other course is left as it was; every path value of the merged page is
// either the value it had or names a file of this course with the content
// of the file the value named there; other values are untouched.
#include "FuzzGuids.h"
#include "app/NullUserPrompt.h"
#include "app/UserPrompt.h"
#include "common/FileWrite.h"
#include "common/Progress.h"
#include "common/SystemPorts.h"
#include "page/janXMLTree.h"
#include "page/xmp.h"
#include "resources/ResourceFolder.h"
#include "resources/Resources.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using vlm::fuzz::CountingGuids;

const char* const kDefinitions =
    "<document><class name=\"image\"><property name=\"src\" type=\"path\" />"
    "<property name=\"poster\" type=\"path\" /><property name=\"alt\" type=\"text\" />"
    "</class></document>";

// Name -> bytes of the plain files directly in a folder.
std::map<std::string, std::string> FilesOf(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const vlm::FolderFile& f : vlm::ListFolderFiles(folder))
        files[f.name] = vlm::ReadFileBytes(f.path).value_or("?");
    return files;
}

// Every entry below a folder, as a relative path.
std::set<std::string> EntriesBelow(const fs::path& folder) {
    std::set<std::string> entries;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        entries.insert(fs::relative(e.path(), folder).generic_string());
    return entries;
}

struct Scratch {
    fs::path root, other, course;
};

const Scratch& Folders() {
    static const Scratch s = [] {
        Scratch d;
        d.root = fs::temp_directory_path() / ("vlm_fuzz_" + std::to_string(::getpid()) + "_merge");
        d.other = d.root / "other";
        d.course = d.root / "course";
        fs::remove_all(d.root);
        fs::create_directories(d.other / "resources");
        const std::map<std::string, std::string> files = {
            {"A.PNG", "a"}, {"b.png", "b"}, {"c.jpg", "shared"}, {"0", "zero"}, {"x y.gif", "b"}};
        for (const auto& [name, bytes] : files)
            vlm::WriteFileBytes(d.other / "resources" / name, bytes);
        return d;
    }();
    return s;
}

void ResetCourse(const Scratch& s) {
    fs::remove_all(s.course);
    fs::create_directories(s.course / "resources");
    vlm::WriteFileBytes(s.course / "resources" / "c.jpg", "shared");
    vlm::WriteFileBytes(s.course / "resources" / "b.png", "not b");
    vlm::WriteFileBytes(s.course / "resources" / "a1.png", "unregistered");
    vlm::NullProgress progress;
    vlm::TProjectResources reg;
    reg.Refresh(s.course / "resources", progress);
    reg.Save(s.course / "resources.xml");
    vlm::WriteFileBytes(s.course / "resources" / "late.png", "a");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Scratch& s = Folders();
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = input.find('\0');
    const std::string pageText = input.substr(0, nul);
    const std::string registerText = nul == std::string::npos ? "" : input.substr(nul + 1);

    static const std::map<std::string, std::string> otherFiles = FilesOf(s.other / "resources");
    ResetCourse(s);
    const fs::path sourcePage = s.other / "p00002" / "_page.xmp";
    const fs::path targetPage = s.course / "p00007" / "_page.xmp";
    fs::create_directories(sourcePage.parent_path());
    vlm::WriteFileBytes(sourcePage, pageText);
    vlm::WriteFileBytes(s.other / "resources.xml", registerText);
    const std::set<std::string> courseBefore = EntriesBelow(s.course);

    static vlm::TjanXMLTree definitions;
    if (definitions.Children().empty())
        definitions.LoadFromText(kDefinitions);
    vlm::NullUserPrompt prompt;
    CountingGuids guids;
    vlm::SystemClock clock;
    vlm::NullProgress progress;
    vlm::TProjectResources reg;
    reg.Load(s.course / "resources.xml");
    reg.Refresh(s.course / "resources", progress);
    vlm::TXMPDocument page(guids, prompt, clock);
    page.SetDefinitions(&definitions);
    reg.MergePageResources(page, sourcePage, targetPage, s.other, s.course, progress);

    // Only the two courses, the other one as it was.
    if (EntriesBelow(s.root).size() !=
        EntriesBelow(s.other).size() + EntriesBelow(s.course).size() + 2)
        __builtin_trap();
    if (FilesOf(s.other / "resources") != otherFiles)
        __builtin_trap();
    std::set<std::string> added = EntriesBelow(s.course);
    for (const auto& e : courseBefore)
        added.erase(e);
    added.erase("p00007");
    added.erase("p00007/_page.xmp");
    for (const auto& e : added)
        if (e.rfind("resources/", 0) != 0 || e.find('/', 10) != std::string::npos)
            __builtin_trap();

    std::error_code ec;
    if (!fs::exists(targetPage, ec))
        return 0;
    // The page as written and read without the merge: the writer need not
    // carry every name and value a hostile page holds.
    const fs::path plainPage = s.root / "plain.xmp";
    // Each document numbers the ids it gives from one, as the merge's did.
    CountingGuids beforeGuids, afterGuids;
    vlm::TXMPDocument before(beforeGuids, prompt, clock), after(afterGuids, prompt, clock);
    before.SetDefinitions(&definitions);
    after.SetDefinitions(&definitions);
    before.LoadFromFile(sourcePage);
    before.SaveToFile(plainPage);
    before.LoadFromFile(plainPage);
    fs::remove(plainPage);
    after.LoadFromFile(targetPage);
    if (!before.DocumentNode() || !after.DocumentNode())
        __builtin_trap();
    const auto& was = before.DocumentNode()->Children();
    const auto& now = after.DocumentNode()->Children();
    if (was.size() != now.size())
        __builtin_trap();
    const std::map<std::string, std::string> courseFiles = FilesOf(s.course / "resources");
    for (std::size_t i = 0; i < was.size(); ++i) {
        const auto& a = was[i]->Attributes();
        const auto& b = now[i]->Attributes();
        if (a.size() != b.size())
            __builtin_trap();
        for (std::size_t k = 0; k < a.size(); ++k) {
            if (a[k]->Name != b[k]->Name)
                __builtin_trap();
            if (a[k]->Value == b[k]->Value)
                continue;
            const bool path =
                was[i]->Name() == "image" && (a[k]->Name == "src" || a[k]->Name == "poster");
            if (!path)
                __builtin_trap();
            // A new value names a file of this course with the same bytes.
            const auto copy = courseFiles.find(b[k]->Value);
            if (copy == courseFiles.end())
                __builtin_trap();
            const auto from = vlm::FindFileNoCase(s.other / "resources", a[k]->Value);
            if (!from || vlm::ReadFileBytes(*from).value_or("") != copy->second)
                __builtin_trap();
        }
    }
    return 0;
}
