#include "page/xmp.h"
#include "resources/ResourceFolder.h"
#include "resources/Resources.h"

#include <map>
#include <optional>
#include <system_error>

namespace vlm {

namespace fs = std::filesystem;

namespace {

// The name a page should use for a file of the folder: the name on disk,
// whose case may differ from the register's lower-cased one.
std::string NameOnDisk(const fs::path& folder, const std::string& name) {
    auto file = FindFileNoCase(folder, name);
    return file ? TextName(file->filename()) : name;
}

// Puts a copy of `from` (identity `id`) into the folder under the first name
// of the register's numbering (name, name1, name2, ...) that neither the
// register nor the folder holds. A file met under a tried name that the
// register lacks is registered, and taken when its content is the same;
// otherwise the numbering goes on, so nothing is overwritten and the page
// never ends up pointing at different content. Gives the name to use.
std::optional<std::string> PlaceCopy(TProjectResources& reg, const fs::path& folder,
                                     const fs::path& from, const std::string& name,
                                     const std::string& id, bool& registered) {
    const std::string lower = LowerName(name);
    const auto [base, extension] = SplitExtension(lower);
    for (int k = 0; k < 100000; ++k) {
        const std::string candidate = k == 0 ? lower : base + std::to_string(k) + extension;
        if (!IsPlainFileName(candidate) || reg.FindByName(candidate))
            continue;
        if (EntryExistsNoCase(folder, candidate)) {
            auto existing = FindFileNoCase(folder, candidate);
            if (const TProjectResourcesItem* item = existing ? reg.Add(*existing) : nullptr) {
                registered = true;
                if (item->ResourceId() == id)
                    return TextName(existing->filename());
            }
            continue;
        }
        std::error_code ec;
        fs::create_directories(folder, ec);
        fs::copy_file(from, folder / DiskName(candidate), fs::copy_options::none, ec);
        auto copied = FindFileNoCase(folder, candidate);
        if (ec || !copied || !reg.Add(*copied))
            return std::nullopt;
        registered = true;
        return candidate;
    }
    return std::nullopt;
}

} // namespace

void TProjectResources::MergePageResources(TXMPDocument& page, const fs::path& sourcePage,
                                           const fs::path& targetPage,
                                           const fs::path& sourceCourseDir,
                                           const fs::path& courseDir, Progress& progress) {
    const fs::path sourceFolder = sourceCourseDir / "resources";
    const fs::path folder = courseDir / "resources";

    page.LoadFromFile(sourcePage);
    // An unreadable page has been reported by the document; saving its empty
    // tree would only wipe the target.
    if (!page.DocumentNode())
        return;
    TProjectResources source;
    source.Load(sourceCourseDir / "resources.xml");
    source.Refresh(sourceFolder, progress);

    std::vector<std::string> names;
    page.CollectPathValues(names);
    std::map<std::string, std::string> newNames;

    for (const std::string& n : names) {
        // Only a bare name can stay inside the two folders.
        if (!IsPlainFileName(n))
            continue;
        int index = source.IndexOfName(n);
        if (index < 0)
            continue;
        source.Rehash(sourceFolder, index);
        std::string id, target;
        if (!source.IdOfName(n, id))
            continue;

        if (NameOfId(id, target)) {
            if (!IsPlainFileName(target))
                continue;
            target = NameOnDisk(folder, target);
        } else {
            auto from = FindFileNoCase(sourceFolder, n);
            if (!from)
                continue;
            bool registered = false;
            auto placed = PlaceCopy(*this, folder, *from, n, id, registered);
            if (registered)
                Save(courseDir / "resources.xml");
            if (!placed)
                continue; // nothing usable was placed: the page keeps its reference
            target = *placed;
        }
        newNames[n] = target;
    }
    // One pass over the original values: a new name that equals another old
    // one, or any value at all, is never taken for something to replace.
    page.ReplacePathValues(newNames);
    page.SaveToFile(targetPage);
}

} // namespace vlm
