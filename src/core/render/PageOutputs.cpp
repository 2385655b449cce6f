#include "render/PageOutputs.h"

#include "app/IniLang.h"
#include "app/VLMVars.h"
#include "common/Encoding.h"
#include "lexicon/LexiconExport.h"
#include "page/janXMLTree.h"

#include <stdexcept>
#include <system_error>

namespace fs = std::filesystem;

namespace vlm {

namespace {

// The caller shows or draws the file next: an old one left in its place
// would show another page.
void Save(const THTMLTemplate& page, const fs::path& file) {
    if (!page.SaveToFile(file))
        throw std::runtime_error("Cannot create file \"" + PathToCp1250(file) + "\"");
}

THTMLTemplate MakeTemplate(int mode, const TPageOutputContext& context) {
    return THTMLTemplate(mode, context.components, context.course, context.snippets);
}

} // namespace

fs::path WritePreviewWindowPage(const TPageOutputContext& context, const fs::path& pageFile,
                                Progress& progress) {
    THTMLTemplate t = MakeTemplate(tmPreviewWindow, context);
    t.LoadTemplate(context.paths.PageTemplateFile);
    t.BuildPage(pageFile);
    t.SetApiPath(context.paths.ComponentsApiUrl);
    t.SetCommonPath(context.paths.CommonJsUrl);
    t.CleanUp();
    const fs::path out = context.courseTempDir / "preview.html";
    Save(t, out);
    if (context.course.exportLexicon == 1)
        WriteLexicon(context.paths.ProgramDir, context.course.lexiconFile, context.courseTempDir,
                     progress, TLayoutTexts(CurrentLanguage(), ContentLanguage()));
    return out;
}

fs::path WriteDesignerPreviewPage(const TPageOutputContext& context, const fs::path& pageFile,
                                  const std::optional<fs::path>& resourcesFolder) {
    THTMLTemplate t = MakeTemplate(tmPreview, context);
    if (resourcesFolder)
        t.SetResourcesFolder(*resourcesFolder);
    t.LoadTemplate(context.paths.PageTemplateFile);
    t.BuildPage(pageFile);
    t.SetApiPath(context.paths.ComponentsApiUrl);
    t.CleanUp();
    const fs::path out = context.courseTempDir / "preview.html";
    Save(t, out);
    return out;
}

fs::path WriteElementPage(const TPageOutputContext& context, const TjanXMLNode& element) {
    // A detached copy: the page itself keeps the element's place and state.
    const std::unique_ptr<TjanXMLNode> copy = element.Clone();
    for (const char* name : {"x", "y"})
        if (copy->FindAttribute(name))
            copy->SetAttribute(name, "0");
    if (copy->FindAttribute("visibility"))
        copy->SetAttribute("visibility", "true");
    THTMLTemplate t = MakeTemplate(tmDesigning, context);
    t.LoadTemplate(context.paths.PageTemplateFile);
    t.BuildElement(copy.get());
    t.SetApiPath(context.paths.ComponentsApiUrl);
    t.CleanUp();
    const fs::path out = context.courseTempDir / "element.html";
    Save(t, out);
    return out;
}

bool PageHasDocument(const fs::path& pageFile) {
    std::error_code ec;
    if (!fs::is_regular_file(pageFile, ec))
        return false;
    try {
        TjanXMLTree tree;
        tree.LoadFromFile(pageFile);
        return tree.FindDescendant("document") != nullptr;
    } catch (const EFOpenError&) {
        return false;
    }
}

} // namespace vlm
