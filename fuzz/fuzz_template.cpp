// Feeds arbitrary bytes to the page template readers as a ".xmt" file in a
// template folder: listing (captions, tabs, description text), a new page
// made from it with fixed class definitions, and the page saved as a
// template for the course again. A page made from the template must read
// back with its "document" node.
#include "designer/ExportToXMT.h"
#include "designer/NewPage.h"
#include "page/janXMLTree.h"
#include "page/xmp.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

class SilentPrompt : public vlm::UserPrompt {
public:
    int MessageBox(const std::string&, const std::string&, vlm::DialogType, vlm::ButtonSet,
                   const std::string&, bool*) override {
        return vlm::mrOK;
    }
    int MessageDlg(const std::string&, vlm::DialogType, vlm::ButtonSet, int) override {
        return vlm::mrOK;
    }
    void ShowMessage(const std::string&) override {}
};

class CountingGuids : public vlm::GuidSource {
public:
    std::string NewGuid() override { return "{" + std::to_string(++n_) + "}"; }

private:
    unsigned long n_ = 0;
};

class FixedClock : public vlm::Clock {
public:
    vlm::DateTime Now() const override { return {2026, 12, 11, 10, 0, 0, 0}; }
    std::uint64_t TickCount() const override { return 0; }
};

const char* const kDefinitions =
    "<document><class name=\"image\" extends=\"component\"><property name=\"src\" "
    "type=\"path\" defaultValue=\"RESOURCE_PATH\\a.png\" /><events><event name=\"onclick\" />"
    "</events></class><class name=\"component\"><property name=\"x\" defaultValue=\"0\" />"
    "</class></document>";

const fs::path& Work() {
    static const fs::path work = [] {
        const fs::path made =
            fs::temp_directory_path() / ("vlm_fuzz_" + std::to_string(getpid()) + "_template");
        fs::create_directories(made / "program" / "templates_page" / "t" / "resources");
        std::ofstream(made / "program" / "templates_page" / "t" / "resources" / "a.png") << "png";
        return made;
    }();
    return work;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fs::path& work = Work();
    const fs::path file = work / "program" / "templates_page" / "t" / "t.xmt";
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    const fs::path course = work / "course";
    std::error_code ec;
    fs::remove_all(course, ec);

    const std::vector<vlm::TVLMNewPageItem> items =
        vlm::ListPageTemplates({work / "program", course, {}}, "EN");
    if (items.size() > 1)
        std::abort();
    for (const std::string& tab : vlm::TemplateTabs(items))
        for (const vlm::TVLMNewPageItem* item : vlm::TemplatesOfTab(items, tab))
            (void)vlm::TemplateInfoText(*item);

    vlm::TjanXMLTree definitions;
    definitions.LoadFromText(kDefinitions);
    SilentPrompt prompt;
    CountingGuids guids;
    FixedClock clock;
    const vlm::TNewPageContext context{definitions.FindDescendant("document"), "EN", guids, prompt,
                                       clock};
    const fs::path page = course / "p00001" / "_page.xmp";
    if (vlm::CreatePageFromTemplate(file, page, course / "resources", context)) {
        vlm::TXMPDocument made(guids, prompt, clock);
        made.SetDefinitions(context.definitions);
        made.LoadFromFile(page);
        if (!made.DocumentNode())
            std::abort();
        vlm::SaveAsPageTemplate(made, {"Name", "", "", "", false, ""},
                                {course, course / "resources", work / "user"}, guids, prompt,
                                clock);
    }
    return 0;
}
