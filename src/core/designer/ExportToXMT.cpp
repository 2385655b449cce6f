#include "designer/ExportToXMT.h"

#include "common/AsciiText.h"
#include "common/Encoding.h"
#include "common/FilesTools.h"
#include "page/xmp.h"

namespace vlm {

namespace fs = std::filesystem;

namespace {

constexpr const char* kInfoNodes[] = {"caption", "author",      "version",
                                      "date",    "description", "group"};

void CompleteInfo(TjanXMLNode& info) {
    for (const char* name : kInfoNodes)
        if (!info.FindDescendant(name))
            info.AddChild(name);
    if (!info.FindDescendant("icon"))
        info.AddChild("icon");
}

// The media the page names, by file name, from the course's resources
// folder; a value naming a place elsewhere still only reaches that folder.
void CopyNamedResources(const TXMPDocument& document, const fs::path& from, const fs::path& to) {
    std::vector<std::string> values;
    document.CollectPathValues(values);
    std::error_code ec;
    fs::create_directories(to, ec);
    for (const std::string& value : values) {
        const fs::path name = PathFromStoredText(value).filename();
        if (name.empty() || name == "." || name == "..")
            continue;
        if (fs::is_regular_file(from / name, ec))
            CopyFileWhole(from / name, to / name, true);
    }
}

} // namespace

bool XMTRequestComplete(const TXMTRequest& request) {
    return !TrimText(request.Name).empty() &&
           (!request.ForAllCourses || !TrimText(request.Group).empty());
}

fs::path SaveAsPageTemplate(const TXMPDocument& page, const TXMTRequest& request,
                            const TXMTPlaces& places, GuidSource& guids, UserPrompt& prompt,
                            const Clock& clock) {
    TXMPDocument xmt(guids, prompt, clock);
    xmt.SetDefinitions(page.Definitions());
    xmt.LoadFromText(page.AsText());
    xmt.NewDocumentId();
    if (xmt.InfoNode())
        CompleteInfo(*xmt.InfoNode());
    xmt.SetInfo("caption", request.Name);
    xmt.SetInfo("author", request.Author);
    xmt.SetInfo("version", request.Version);
    xmt.SetInfo("description", request.Description);
    xmt.SetIconIndex(3);
    xmt.StampDate();
    const std::string id = xmt.GetDocumentId();
    if (request.ForAllCourses) {
        xmt.SetInfo("group", request.Group);
        const fs::path folder = places.UserDataDir / "templates_page" / PathFromCp1250(id);
        const fs::path file = folder / "page.xmt";
        xmt.SaveToFile(file);
        CopyNamedResources(xmt, places.CourseResourcesDir, folder / "resources");
        return file;
    }
    xmt.SetInfo("group", "");
    const fs::path file = places.CourseDir / "templates_page" / PathFromCp1250(id + "page.xmt");
    xmt.SaveToFile(file);
    return file;
}

} // namespace vlm
