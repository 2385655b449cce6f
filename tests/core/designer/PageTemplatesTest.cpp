// Page templates: language variants, the four folders and their tabs, a new
// page made from a template, and a page saved as a template.

#include "designer/ExportToXMT.h"
#include "designer/NewPage.h"
#include "page/ClassDefinitions.h"
#include "page/ComponentsManager.h"
#include "page/xmp.h"

#include "LanguageScope.h"
#include "fakes/Fakes.h"
#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

namespace vlm {
namespace {

namespace fs = std::filesystem;

const char* kLanguage = "NEW_PAGE_DEFAULT_GROUP=Basic\r\n"
                        "NEW_PAGE_DEFAULT_PROJECT_GROUP=Course\r\n"
                        "NEW_PAGE_INFO=%s\\n\\nAuthor: %s\\nVersion: %s\r\n";

std::string Template(const std::string& info) {
    return "<document>\r\n" + info + "<page name=\"page\" />\r\n</document>\r\n";
}

TEST(PageTemplates, LanguageVariantChoice) {
    struct Case {
        const char* nodes;
        const char* language;
        std::optional<std::string> chosen;
    } cases[] = {
        {"<caption lang=\"pl\">P</caption><caption lang=\"en\">E</caption>", "en", "E"},
        {"<caption lang=\"pl\">P</caption><caption lang=\"en\">E</caption>", "de", "P"},
        {"<caption lang=\"en\">E</caption><caption>Any</caption>", "en", "Any"},
        {"<caption>Any</caption><caption lang=\"en\">E</caption>", "en", "E"},
        {"<caption>Any</caption><caption lang=\"en\">E</caption>", "de", "Any"},
        {"<group>G</group>", "en", std::nullopt},
    };
    for (const Case& c : cases) {
        TjanXMLTree tree;
        tree.LoadFromText(std::string("<info>") + c.nodes + "</info>");
        EXPECT_EQ(ChooseLanguageVariant(*tree.FindDescendant("info"), "caption", c.language),
                  c.chosen)
            << c.nodes << " " << c.language;
    }
}

TEST(PageTemplates, FoldersTabsAndItems) {
    test::LanguageScope language{kLanguage, "EN"};
    test::TempFolder temp;
    const std::string quiz = "<info><caption lang=\"EN\">Quiz</caption>"
                             "<group lang=\"EN\">Tests</group><author>Ann</author>"
                             "<version>2</version><icon index=\"x\" /></info>";
    temp.Write("program/templates_page/a/one.xmt",
               Template("<info><caption>One</caption><icon index=\"4\" />"
                        "<description>Line\\nnext</description></info>"));
    temp.Write("program/templates_page/b/quiz.xmt", Template(quiz));
    temp.Write("program/templates_page/b/broken.xmt", "not a page");
    temp.Write("program/templates_page/b/upper.XMT", Template(""));
    temp.Write("course/templates_page/mine.xmt", Template(quiz));
    temp.Write("course/templates_page/sub/shared.xmt", Template(quiz));
    temp.Write("user/templates_page/{X}/page.xmt", Template("<info><group>Mine</group></info>"));
    temp.Write("program/user_defined/templates_page/bare.xmt", Template(""));

    const std::vector<TVLMNewPageItem> items = ListPageTemplates(
        {temp.path() / "program", temp.path() / "course", temp.path() / "user"}, "EN");
    struct Expected {
        const char* file;
        bool project;
        const char* caption;
        const char* group;
        int icon;
    } expected[] = {
        {"one.xmt", false, "One", "Basic", 4},   {"quiz.xmt", false, "Quiz", "Tests", 0},
        {"mine.xmt", true, "Quiz", "Course", 0}, {"shared.xmt", false, "Quiz", "Tests", 0},
        {"page.xmt", false, "page", "Mine", 0},  {"bare.xmt", false, "bare", "Basic", 0},
    };
    ASSERT_EQ(items.size(), std::size(expected));
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].FileName.filename(), expected[i].file);
        EXPECT_EQ(items[i].Project, expected[i].project) << expected[i].file;
        EXPECT_EQ(items[i].Caption, expected[i].caption) << expected[i].file;
        EXPECT_EQ(items[i].Group, expected[i].group) << expected[i].file;
        EXPECT_EQ(items[i].IconIndex, expected[i].icon) << expected[i].file;
    }
    EXPECT_EQ(items[1].Author, "Ann");
    EXPECT_EQ(TemplateTabs(items), (std::vector<std::string>{"Basic", "Course", "Tests", "Mine"}));
    EXPECT_EQ(TemplatesOfTab(items, "Tests").size(), 2u);
    EXPECT_EQ(TemplateInfoText(items[0]), "Line\n\rnext\n\r\n\rAuthor: \n\rVersion: ");
    EXPECT_EQ(ListPageTemplates({temp.path() / "none", {}, {}}, "EN").size(), 0u);
}

class PageFromTemplateTest : public ::testing::Test {
protected:
    PageFromTemplateTest() {
        definitions = LoadComponentLibrary(library, VLM_DATA_DIR, prompt, CurrentLanguage());
    }
    TNewPageContext Context(const std::string& code) {
        return {DefinitionsDocument(*definitions), code, guids, prompt, clock};
    }

    test::LanguageScope language{kLanguage, "EN"};
    test::FakeUserPrompt prompt;
    test::FixedGuidSource guids;
    test::FixedClock clock;
    TComponentsCollection library{prompt};
    std::unique_ptr<TjanXMLTree> definitions;
    test::TempFolder temp;
};

TEST_F(PageFromTemplateTest, NewPageTakesTheLanguageValuesResourcesAndAnIdOfItsOwn) {
    const fs::path source = fs::path(VLM_DATA_DIR) / "templates_page" / "basic" / "text_picture";
    const fs::path pageFile = temp / "course" / "p00002" / "_page.xmp";
    temp.Write("course/resources/illustration.png", "the author's own");
    ASSERT_TRUE(CreatePageFromTemplate(source / "text_picture.xmt", pageFile,
                                       temp / "course" / "resources", Context("EN")));
    TXMPDocument page(guids, prompt, clock);
    page.LoadFromFile(pageFile);
    ASSERT_NE(page.DocumentNode(), nullptr);
    const TjanXMLNode* text = page.DocumentNode()->FindChild("text");
    EXPECT_NE(text->GetAttributeText("text").find("Page+heading"), std::string::npos);
    EXPECT_NE(page.GetDocumentId(), "{0944BB9C-7E4A-56DA-88AF-50CBD3F70BB1}");
    EXPECT_EQ(temp.Read("course/resources/illustration.png"), "the author's own");

    EXPECT_FALSE(CreatePageFromTemplate(temp / "missing.xmt", temp / "p3" / "_page.xmp",
                                        temp / "course" / "resources", Context("EN")));
    EXPECT_FALSE(fs::exists(temp / "p3"));
}

TEST_F(PageFromTemplateTest, TemplateForThisCourseIsListedUnderTheCourseTab) {
    TXMPDocument page(guids, prompt, clock);
    page.LoadFromText("<document id=\"{P}\"><page name=\"page\" /></document>");
    const TXMTPlaces places{temp / "course", temp / "course" / "resources", temp / "user"};
    const fs::path file = SaveAsPageTemplate(page, {"Mine", "Ann", "1", "D", false, "ignored"},
                                             places, guids, prompt, clock);
    EXPECT_EQ(file.parent_path(), temp / "course" / "templates_page");
    const std::vector<TVLMNewPageItem> items =
        ListPageTemplates({{}, temp / "course", temp / "user"}, "EN");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_TRUE(items[0].Project);
    EXPECT_EQ(items[0].Caption, "Mine");
    EXPECT_EQ(items[0].Group, "Course");
    EXPECT_EQ(items[0].Date, "2024.05.17 10:30");
    EXPECT_EQ(items[0].IconIndex, 3);
    TjanXMLTree saved;
    saved.LoadFromFile(file);
    const std::string id = saved.FindDescendant("document")->GetAttributeText("id");
    EXPECT_NE(id, "{P}");
    EXPECT_EQ(file.filename().string(), id + "page.xmt");
    EXPECT_EQ(page.GetDocumentId(), "{P}"); // the page itself keeps its identity
}

TEST_F(PageFromTemplateTest, TemplateForAllCoursesTakesTheMediaThePageNames) {
    temp.Write("course/resources/pic.png", "png");
    temp.Write("course/resources/other.png", "unused");
    TXMPDocument page(guids, prompt, clock);
    page.SetDefinitions(DefinitionsDocument(*definitions));
    page.LoadFromText("<document><info><caption>Old</caption></info><page name=\"page\" />"
                      "<image name=\"image1\" globalIndex=\"1\" src=\"..\\resources\\pic.png\" />"
                      "<image name=\"image2\" globalIndex=\"2\" src=\"..\\..\\..\\etc\\passwd\" />"
                      "</document>");
    const TXMTPlaces places{temp / "course", temp / "course" / "resources", temp / "user"};
    const fs::path file = SaveAsPageTemplate(page, {"Shared", "", "", "", true, "Team"}, places,
                                             guids, prompt, clock);
    EXPECT_EQ(file.filename(), "page.xmt");
    EXPECT_EQ(test::ReadText(file.parent_path() / "resources" / "pic.png"), "png");
    EXPECT_FALSE(fs::exists(file.parent_path() / "resources" / "other.png"));
    EXPECT_FALSE(fs::exists(file.parent_path() / "resources" / "passwd"));
    const std::vector<TVLMNewPageItem> items = ListPageTemplates({{}, {}, temp / "user"}, "EN");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].Caption, "Shared");
    EXPECT_EQ(items[0].Group, "Team");
}

TEST(PageTemplates, WizardFinishNeedsANameAndForAllCoursesAGroup) {
    struct Case {
        TXMTRequest request;
        bool complete;
    } cases[] = {
        {{"Name", "", "", "", false, ""}, true},
        {{"  ", "", "", "", false, ""}, false},
        {{"Name", "", "", "", true, " "}, false},
        {{"Name", "", "", "", true, "G"}, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(XMTRequestComplete(c.request), c.complete) << c.request.Name;
}

} // namespace
} // namespace vlm
