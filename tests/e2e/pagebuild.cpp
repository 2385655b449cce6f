// Builds one page (or one element) with the program's page assembly, for the
// browser tests: pagebuild PROGRAMDIR PAGEFILE OUTFILE MODE RESOURCES API [ELEMENT]
// Any message the library shows (a missing class file) is printed and fails the run.
#include "app/IniLang.h"
#include "app/UserPrompt.h"
#include "page/ClassDefinitions.h"
#include "page/ComponentsManager.h"
#include "page/janXMLTree.h"
#include "render/HTMLTemplate.h"

#include <filesystem>
#include <iostream>
#include <string>

namespace {

class PrintingPrompt : public vlm::UserPrompt {
public:
    int shown = 0;
    int MessageBox(const std::string&, const std::string& text, vlm::DialogType, vlm::ButtonSet,
                   const std::string&, bool*) override {
        return Show(text);
    }
    int MessageDlg(const std::string& text, vlm::DialogType, vlm::ButtonSet, int) override {
        return Show(text);
    }
    void ShowMessage(const std::string& text) override { Show(text); }

private:
    int Show(const std::string& text) {
        ++shown;
        std::cerr << "message: " << text << "\n";
        return 1;
    }
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 7) {
        std::cerr << "usage: pagebuild PROGRAMDIR PAGEFILE OUTFILE MODE RESOURCES API [ELEMENT]\n";
        return 2;
    }
    try {
        const std::filesystem::path programDir = argv[1];
        const int mode = std::stoi(argv[4]);
        PrintingPrompt prompt;
        vlm::TComponentsCollection library(prompt);
        const auto definitions =
            vlm::LoadComponentLibrary(library, programDir, prompt, vlm::CurrentLanguage());
        if (!definitions)
            return 1;
        vlm::THTMLTemplate page(mode, &library);
        page.SetResourcesPath(argv[5]);
        if (mode >= 4)
            page.SetPageIndex(1);
        page.LoadTemplate(programDir / "exports" / "Page" / "page.html");
        if (argc > 7) {
            vlm::TjanXMLTree tree;
            tree.LoadFromFile(argv[2]);
            const vlm::TjanXMLNode* document = tree.FindDescendant("document");
            const vlm::TjanXMLNode* found =
                document ? document->FindChildByAttribute("name", argv[7]) : nullptr;
            if (!found) {
                std::cerr << "no element " << argv[7] << "\n";
                return 2;
            }
            // The design surface shows a copy at the origin, always visible.
            std::unique_ptr<vlm::TjanXMLNode> copy = found->Clone();
            for (const char* name : {"x", "y"})
                if (copy->FindAttribute(name))
                    copy->SetAttribute(name, "0");
            if (copy->FindAttribute("visibility"))
                copy->SetAttribute("visibility", "true");
            page.BuildElement(copy.get());
        } else {
            page.BuildPage(argv[2]);
        }
        page.SetApiPath(argv[6]);
        if (mode >= 4)
            page.SetCommonPath("../../js/");
        page.CleanUp();
        if (!page.SaveToFile(argv[3])) {
            std::cerr << "cannot write " << argv[3] << "\n";
            return 1;
        }
        return prompt.shown == 0 ? 0 : 3;
    } catch (const std::exception& e) {
        std::cerr << "error: " << e.what() << "\n";
        return 1;
    }
}
