#include "page/ElementFiles.h"

#include "common/FileWrite.h"
#include "fakes/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using namespace vlm;

namespace {

class ElementFiles : public ::testing::Test {
protected:
    test::TempFolder tmp;
    const fs::path dir = tmp.path();
    std::string folder = dir.string() + "/";
    void Touch(const std::string& name, const std::string& bytes = "x") {
        ASSERT_TRUE(WriteFileBytes(dir / name, bytes));
    }
};

TEST_F(ElementFiles, DeleteRemovesTheElementAndOnlyItsOwnFiles) {
    for (const char* name :
         {"c00012.png", "c00012.gif", "c00012_1.gif", "c000120.png", "c00013.png"})
        Touch(name);
    TjanXMLTree tree;
    tree.LoadFromText(
        "<document><text globalIndex=\"12\" /><text globalIndex=\"13\" /></document>");
    TjanXMLNode* doc = tree.FirstChild();
    DeleteElement(*doc, doc->Child(0), folder);
    ASSERT_EQ(doc->ChildCount(), 1u);
    EXPECT_EQ(doc->Child(0)->GetAttributeText("globalIndex"), "13");
    for (const char* kept : {"c00012_1.gif", "c000120.png", "c00013.png"})
        EXPECT_TRUE(fs::exists(dir / kept)) << kept;
    EXPECT_FALSE(fs::exists(dir / "c00012.png"));
    EXPECT_FALSE(fs::exists(dir / "c00012.gif"));
}

struct PathCase {
    const char* path;
    bool inPagesResources;
    bool relative;
};

class ResourcePathTexts : public ::testing::TestWithParam<PathCase> {};

TEST_P(ResourcePathTexts, ContainmentIgnoresCaseAndSeparatorKind) {
    EXPECT_EQ(IsInPagesResources("C:\\Kurs\\", GetParam().path), GetParam().inPagesResources)
        << GetParam().path;
    EXPECT_EQ(IsInPagesResources("c:/kurs", GetParam().path), GetParam().inPagesResources);
    EXPECT_EQ(IsRelativeResource(GetParam().path), GetParam().relative) << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ResourcePathTexts,
    ::testing::Values(PathCase{"C:\\Kurs\\pages\\resources\\a.png", true, false},
                      PathCase{"c:\\kurs\\PAGES\\Resources\\a.png", true, false},
                      PathCase{"C:/Kurs/pages/resources/a.png", true, false},
                      PathCase{"C:\\Other\\pages\\resources\\a.png", false, false},
                      PathCase{"..\\resources\\a.png", false, true},
                      PathCase{"..\\RESOURCES\\a.png", false, true},
                      PathCase{"x\\..\\resources\\", false, true},
                      PathCase{"resources\\a.png", false, false}, PathCase{"", false, false}));

TEST_F(ElementFiles, MediaPathOfElements) {
    Touch("c00012.png");
    Touch("c00012.gif_over");
    TjanXMLTree t;
    t.LoadFromText("<d><image globalIndex=\"12\" src=\"C:\\pics\\a.png\" buttonSrc=\"b.gif\" />"
                   "<button globalIndex=\"12\" buttonSrc=\"b.gif\" />"
                   "<image globalIndex=\"12\" src=\"..\\resources\\x.png\" />"
                   "<image globalIndex=\"7\" src=\"a.png\" /></d>");
    const TjanXMLNode* d = t.FirstChild();
    EXPECT_EQ(ResolveElementMediaPath(*d->Child(0), folder, ""), folder + "c00012.png");
    EXPECT_EQ(ResolveElementMediaPath(*d->Child(1), folder, "over"), folder + "c00012.gif_over");
    EXPECT_EQ(ResolveElementMediaPath(*d->Child(1), folder, ""), "");
    EXPECT_EQ(ResolveElementMediaPath(*d->Child(2), folder, ""), "..\\resources\\x.png");
    EXPECT_EQ(ResolveElementMediaPath(*d->Child(3), folder, ""), "");
}

TEST_F(ElementFiles, AssignResourceFileCases) {
    Touch("source.png", "picture");
    const std::string source = folder + "source.png";
    TjanXMLNode element("image");
    element.AddAttribute("globalIndex", "12");
    element.AddAttribute("src", source);
    // Already that file: nothing.
    EXPECT_EQ(AssignResourceFile(element, "src", "C:\\Kurs\\", "", source, folder + "t/"), "");
    EXPECT_FALSE(fs::exists(dir / "t"));
    // Inside the course's page resources: stored as a relative resource.
    EXPECT_EQ(AssignResourceFile(element, "src", "C:\\Kurs\\", "",
                                 "C:\\Kurs\\pages\\resources\\photo.jpg", folder + "t/"),
              "..\\resources\\photo.jpg");
    EXPECT_EQ(element.GetAttributeText("src"), "..\\resources\\photo.jpg");
    // Elsewhere: copied under the private name, replacing an older copy.
    fs::create_directories(dir / "t");
    ASSERT_TRUE(WriteFileBytes(dir / "t" / "c00012_up.png", "old"));
    EXPECT_EQ(AssignResourceFile(element, "src", "C:\\Kurs\\", "up", source, folder + "t/"),
              "c00012_up.png");
    EXPECT_EQ(ReadFileBytes(dir / "t" / "c00012_up.png").value_or(""), "picture");
    EXPECT_EQ(element.GetAttributeText("src"), source);
    // A copy that fails is not recorded.
    element.SetAttribute("src", "");
    EXPECT_EQ(
        AssignResourceFile(element, "src", "C:\\Kurs\\", "", folder + "missing.png", folder + "t/"),
        "");
    EXPECT_EQ(element.GetAttributeText("src"), "");
}

} // namespace
