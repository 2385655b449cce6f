#include "page/janXMLTree.h"
#include "page/xmp.h"
#include "resources/Resources.h"

#include "fakes/Fakes.h"
#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace vlm {
namespace {

namespace fs = std::filesystem;

std::set<std::string> FilesBelow(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        names.insert(fs::relative(e.path(), folder).generic_string());
    return names;
}

// An "image" class whose "src" is a path and whose "alt" is not.
const char* kDefinitions = "<document>\r\n"
                           "  <class name=\"image\">\r\n"
                           "    <property name=\"src\" type=\"path\" defaultValue=\"\" />\r\n"
                           "    <property name=\"alt\" type=\"text\" defaultValue=\"\" />\r\n"
                           "  </class>\r\n"
                           "</document>\r\n";

class Merge : public ::testing::Test {
protected:
    test::TempFolder root;
    fs::path source = root / "other", course = root / "course";
    TjanXMLTree definitions;
    test::FixedGuidSource guids;
    test::FakeUserPrompt prompt;
    test::FixedClock clock;
    NullProgress progress;
    TProjectResources reg;

    void SetUp() override { definitions.LoadFromText(kDefinitions); }

    // The page of the other course with one image per source value.
    fs::path WritePage(const std::vector<std::string>& sources) {
        std::string text = "<document id=\"{D}\">\r\n  <info />\r\n  <page id=\"{P}\" />\r\n";
        int i = 0;
        for (const auto& src : sources)
            text += "  <image name=\"image" + std::to_string(++i) + "\" src=\"" + src +
                    "\" alt=\"" + src + "\" />\r\n";
        return root.Write("other/p00002/_page.xmp", text + "</document>\r\n");
    }
    // Opens this course the way the program does.
    void OpenCourse() {
        fs::create_directories(course / "resources");
        reg.Load(course / "resources.xml");
        reg.Refresh(course / "resources", progress);
        reg.Save(course / "resources.xml");
    }
    // "src" and "alt" of each image of the merged page, in order.
    std::vector<std::pair<std::string, std::string>> Merged(const std::vector<std::string>& page) {
        TXMPDocument doc(guids, prompt, clock);
        doc.SetDefinitions(&definitions);
        reg.MergePageResources(doc, WritePage(page), course / "p00007" / "_page.xmp", source,
                               course, progress);
        TjanXMLTree out;
        out.LoadFromFile(course / "p00007" / "_page.xmp");
        std::vector<std::pair<std::string, std::string>> values;
        for (const auto& child : out.FindDescendant("document")->Children())
            if (child->Name() == "image")
                values.push_back({child->GetAttributeText("src"), child->GetAttributeText("alt")});
        return values;
    }
};

TEST_F(Merge, ReusesKnownContentAndCopiesTheRestUnderFreeNames) {
    root.Write("other/resources/Dup.PNG", "same bytes");
    root.Write("other/resources/x.png", "x");
    root.Write("other/resources/y.png", "y");
    root.Write("other/resources/photo.jpg", "new photo");
    root.Write("other/resources/unused.png", "u");
    root.Write("course/resources/Existing.PNG", "same bytes");
    root.Write("course/resources/y.png", "x"); // x's content, under the name y
    root.Write("course/resources/photo.jpg", "old photo");
    OpenCourse();

    auto values = Merged({"Dup.PNG", "x.png", "y.png", "photo.jpg", "nothere.png"});
    // The new name of x equals the old name of y: still each replaced once.
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Existing.PNG", "Dup.PNG"},
        {"y.png", "x.png"},
        {"y1.png", "y.png"},
        {"photo1.jpg", "photo.jpg"},
        {"nothere.png", "nothere.png"}};
    EXPECT_EQ(values, expected);
    EXPECT_EQ(
        FilesBelow(course / "resources"),
        (std::set<std::string>{"Existing.PNG", "y.png", "y1.png", "photo.jpg", "photo1.jpg"}));
    EXPECT_EQ(test::ReadAll(course / "resources/y1.png"), "y");
    EXPECT_EQ(test::ReadAll(course / "resources/photo1.jpg"), "new photo");
    // The register knows the copies and was saved with them.
    EXPECT_NE(reg.FindByName("y1.png"), nullptr);
    EXPECT_NE(test::ReadAll(course / "resources.xml").find("fileName=\"photo1.jpg\""),
              std::string::npos);
}

// Values that are not replaced stay as they are, whatever they read like.
TEST_F(Merge, UntouchedValuesStayEvenWhenTheyLookLikeStandIns) {
    root.Write("other/resources/A.PNG", "a");
    root.Write("other/resources/b.png", "b");
    OpenCourse();

    auto values = Merged({"A.PNG", "*0", "*3", "b.png", "*", "0"});
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"a.png", "A.PNG"}, {"*0", "*0"}, {"*3", "*3"}, {"b.png", "b.png"}, {"*", "*"}, {"0", "0"}};
    EXPECT_EQ(values, expected);
}

// A file that came into the folder after the course was opened is never
// overwritten, and the page only points at it when its content is the same.
TEST_F(Merge, UnregisteredFilesOfTheFolderAreNeitherOverwrittenNorMistaken) {
    root.Write("other/resources/a.png", "imported a");
    root.Write("other/resources/b.png", "imported b");
    OpenCourse();
    root.Write("course/resources/A.PNG", "someone else's a");
    root.Write("course/resources/b.png", "imported b");

    auto values = Merged({"a.png", "b.png"});
    EXPECT_EQ(values[0].first, "a1.png");
    EXPECT_EQ(values[1].first, "b.png");
    EXPECT_EQ(test::ReadAll(course / "resources/A.PNG"), "someone else's a");
    EXPECT_EQ(test::ReadAll(course / "resources/a1.png"), "imported a");
    EXPECT_EQ(reg.Count(), 3); // A.PNG, a1.png and b.png are registered now
}

// Values and register names from another course are untrusted: anything but
// a bare file name stays as it is and nothing is read or written for it.
TEST_F(Merge, ReferencesOutsideTheResourcesFoldersAreLeftAlone) {
    const fs::path outside = root.Write("outside.png", "outside");
    root.Write("other/secret.png", "secret");
    root.Write("other/resources/sub/inner.png", "inner");
    root.Write("other/resources/ok.png", "ok");
    fs::create_symlink(outside, source / "resources" / "link.png");
    // A register that names files outside its folder.
    root.Write("other/resources.xml",
               "<resources version=\"1.0\">\r\n"
               "  <resource fileName=\"../secret.png\" fileSize=\"6\" id=\"1\" hash=\"H\" />\r\n"
               "  <resource fileName=\"" +
                   outside.string() +
                   "\" fileSize=\"7\" id=\"1\" hash=\"H\" />\r\n"
                   "</resources>\r\n");
    OpenCourse();
    const auto filesBefore = FilesBelow(root.path());

    const std::vector<std::string> hostile = {"..\\secret.png",
                                              "../secret.png",
                                              outside.string(),
                                              "sub/inner.png",
                                              "sub\\inner.png",
                                              "..",
                                              ".",
                                              "C:\\outside.png",
                                              "link.png",
                                              "../../course/resources.xml"};
    std::vector<std::string> page = hostile;
    page.push_back("ok.png");
    auto values = Merged(page);
    ASSERT_EQ(values.size(), page.size());
    for (std::size_t i = 0; i < page.size(); ++i)
        EXPECT_EQ(values[i].first, page[i]) << page[i];

    // Only ok.png was copied, only the merged page and the register were written.
    EXPECT_EQ(FilesBelow(course / "resources"), std::set<std::string>{"ok.png"});
    auto filesAfter = FilesBelow(root.path());
    for (const auto& f : filesBefore)
        filesAfter.erase(f);
    EXPECT_EQ(filesAfter, (std::set<std::string>{"course/p00007", "course/p00007/_page.xmp",
                                                 "course/resources/ok.png", "other/p00002",
                                                 "other/p00002/_page.xmp"}));
    EXPECT_EQ(test::ReadAll(outside), "outside");
    EXPECT_EQ(reg.Count(), 1);
}

// A page that cannot be read, or holds no page document, merges nothing and
// leaves the copied target as it is.
TEST_F(Merge, SourceWithoutAPageDocumentLeavesTheTargetAlone) {
    root.Write("other/resources/a.png", "a");
    root.Write("other/p00003/_page.xmp", "<html>\r\n  <image src=\"a.png\" />\r\n</html>\r\n");
    OpenCourse();
    const auto target = root.Write("course/p00007/_page.xmp", "copied page");
    for (const char* page : {"p00002", "p00003"}) {
        TXMPDocument doc(guids, prompt, clock);
        doc.SetDefinitions(&definitions);
        reg.MergePageResources(doc, source / page / "_page.xmp", target, source, course, progress);
        EXPECT_EQ(test::ReadAll(target), "copied page") << page;
    }
    ASSERT_EQ(prompt.calls.size(), 1u); // the missing one
    EXPECT_EQ(prompt.calls[0].text.rfind("OpenError!", 0), 0u);
    EXPECT_EQ(FilesBelow(course / "resources"), std::set<std::string>{});
}

} // namespace
} // namespace vlm
