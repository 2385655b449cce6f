#include "DesignerTestSupport.h"

#include "designer/ClipboardRecord.h"
#include "designer/ElementRecords.h"

using namespace vlm;
using namespace vlm::test;

class DeletionTest : public DesignerFixture {};

TEST_F(DeletionTest, DeletingLeavesTheStepAndTakesDependentRecordsAndFiles) {
    Open(PageText("  <Step name=\"Step002\" number=\"2\" elements=\"text1,image1\" />\r\n"
                  "  <button name=\"text1\" step=\"2\" globalIndex=\"12\" canDelete=\"true\" />\r\n"
                  "  <button name=\"image1\" step=\"2\" globalIndex=\"13\" />\r\n"
                  "  <link name=\"l1\" sourceObject=\"text1\" globalIndex=\"14\" />\r\n"
                  "  <link name=\"l2\" param=\"text1\" globalIndex=\"*\" />\r\n"
                  "  <link name=\"l3\" target=\"text1\" />\r\n"
                  "  <link name=\"l4\" target=\"image1\" />\r\n"));
    const auto course = tmp.path() / "course";
    for (const char* file :
         {"c00012.png", "c00012.gif", "c00012_1.gif", "c000120.png", "c00014.jpg", "c00013.png"})
        WriteText(course / file, "x");
    Press("text1");
    prompt.answers = {mrYes};
    EXPECT_EQ(session->DeleteCommand(), TDeleteResult::Deleted);
    EXPECT_EQ(Names(), (std::vector<std::string>{"info", "page", "Step002", "image1", "l4"}));
    EXPECT_EQ(Named("Step002")->GetAttributeText("elements"), "image1");
    for (const char* gone : {"c00012.png", "c00012.gif", "c00014.jpg"})
        EXPECT_FALSE(std::filesystem::exists(course / gone)) << gone;
    // Not the element's, and a globalIndex that is not a number deletes nothing.
    for (const char* kept : {"c00012_1.gif", "c000120.png", "c00013.png"})
        EXPECT_TRUE(std::filesystem::exists(course / kept)) << kept;
    EXPECT_FALSE(session->HasSelection());
    EXPECT_TRUE(session->Modified());
}

TEST_F(DeletionTest, TheQuestionDecidesAndUndeletableElementsAreOnlyCopiedByCut) {
    Open(PageText("  <button name=\"b1\" canDelete=\"true\" />\r\n"
                  "  <button name=\"b2\" canDelete=\"false\" />\r\n"));
    struct Case {
        int answer;
        TDeleteResult result;
    };
    for (const Case& c :
         {Case{mrNo, TDeleteResult::Declined}, Case{mrCancel, TDeleteResult::Cancelled}}) {
        Press("b1");
        prompt.answers = {c.answer};
        EXPECT_EQ(session->DeleteCommand(), c.result);
        EXPECT_NE(Named("b1"), nullptr);
    }
    Press("b2");
    const std::size_t asked = prompt.calls.size();
    TDeleteResult result{};
    const std::string bytes = session->CutToClipboard(&result);
    EXPECT_EQ(result, TDeleteResult::NotAllowed);
    EXPECT_FALSE(bytes.empty());
    EXPECT_NE(Named("b2"), nullptr);
    EXPECT_EQ(prompt.calls.size(), asked);
}

TEST(ClipboardRecord, BytesRoundTripAndQuoteWhatNeedsIt) {
    const std::string folder = "/home/a b/course/resources/";
    const std::string xml = "<button name=\"b\" caption=\"a,\"\"b\">\r\n  <event name=\"x\" />\r\n"
                            "</button>\r\n";
    const std::string bytes = EncodeClipboardRecord(folder, xml);
    EXPECT_EQ(bytes.back(), '\0');
    EXPECT_EQ(bytes.substr(0, folder.size() + 3), "\"" + folder + "\",");
    EXPECT_EQ(ParseCommaList(bytes), (std::vector<std::string>{folder, xml}));
    struct Case {
        const char* text;
        std::vector<std::string> fields;
    };
    const Case cases[] = {
        {"a,b", {"a", "b"}},  {"  a b ,c", {"a", "b", "c"}},
        {"a,", {"a", ""}},    {"\"x\"\"y\",z", {"x\"y", "z"}},
        {"\"open", {"open"}}, {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseCommaList(c.text), c.fields) << c.text;
    EXPECT_EQ(ParseCommaList(std::string("a,b\0,c", 6)), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(CommaListText({"plain", "with space", "q\"", ""}), "plain,\"with space\",\"q\"\"\",");
}

class ClipboardTest : public DesignerFixture {};

TEST_F(ClipboardTest, PastingTwiceGivesTwoNewElementsMovedBy20) {
    Open(PageText("  <button name=\"b1\" x=\"100\" y=\"100\" globalIndex=\"4\" id=\"{B}\" />\r\n"
                  "  <button name=\"b0\" x=\"0\" y=\"7\" globalIndex=\"5\" id=\"{C}\" />\r\n"));
    Press("b1");
    const std::string bytes = session->CopyToClipboard();
    ASSERT_TRUE(session->PasteFromClipboard(bytes));
    ASSERT_TRUE(session->PasteFromClipboard(bytes));
    const TjanXMLNode* first = Named("button1");
    const TjanXMLNode* second = Named("button2");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    for (const TjanXMLNode* e : {first, second}) {
        EXPECT_EQ(e->GetAttributeText("x"), "120");
        EXPECT_EQ(e->GetAttributeText("y"), "120");
    }
    EXPECT_EQ(first->GetAttributeText("globalIndex"), "6");
    EXPECT_EQ(second->GetAttributeText("globalIndex"), "7");
    EXPECT_NE(first->GetAttributeText("id"), second->GetAttributeText("id"));
    EXPECT_EQ(session->Frames().Frames().size(), 4u);
    Press("b0");
    ASSERT_TRUE(session->PasteFromClipboard(session->CopyToClipboard()));
    EXPECT_EQ(Named("button3")->GetAttributeText("x"), "0");
    EXPECT_EQ(Named("button3")->GetAttributeText("y"), "27");
}

TEST_F(ClipboardTest, ABrokenRecordIsRefusedAndThePageIsUnchanged) {
    Open(PageText("  <button name=\"b1\" />\r\n"));
    const std::string before = session->Document().AsText();
    for (const std::string& bad : {std::string(), std::string("onlyone"), std::string("a,"),
                                   std::string("a,b\0<button />", 14)}) {
        EXPECT_FALSE(session->PasteFromClipboard(bad));
        EXPECT_EQ(session->Document().AsText(), before);
    }
    EXPECT_EQ(prompt.calls.size(), 4u);
    EXPECT_FALSE(session->CanUndo());
}

TEST_F(ClipboardTest, ResourcesComeFromTheOtherCourseAndStayInsideThisOne) {
    TempFolder other;
    const auto otherResources = other.path() / "resources";
    WriteText(otherResources / "pic.png", "picture");
    WriteText(other.path() / "secret.txt", "secret");
    WriteText(tmp.path() / "course" / "resources" / "kept.png", "mine");
    WriteText(otherResources / "kept.png", "theirs");
    // A class library with "buttonSrc" as a path property.
    const auto library = tmp.path() / "components" / "button";
    WriteText(library / "definition.xml", std::string(R"(<document><class name="button">)") +
                                              R"(<property name="buttonSrc" type="path" />)" +
                                              R"(<property name="icon" type="path" />)" +
                                              R"(<property name="other" type="path" />)" +
                                              "</class></document>");
    TComponentsCollection components(prompt);
    components.ScanFolder(tmp.path() / "components");
    TDesignerSession withLibrary(prompt, guids, clock, definitions, &components);
    TCoursePaths paths;
    paths.CourseDir = tmp.path() / "course" / "";
    paths.CourseResourcesDir = tmp.path() / "course" / "resources" / "";
    withLibrary.SetCoursePaths(paths);
    WriteText(pageFile, PageText(""));
    ASSERT_TRUE(withLibrary.OpenPage(pageFile, "p"));
    const std::string element = "<button name=\"b\" buttonSrc=\"..\\resources\\pic.png\" "
                                "icon=\"..\\resources\\kept.png\" other=\"..\\..\\secret.txt\" />";
    ASSERT_TRUE(withLibrary.PasteFromClipboard(
        EncodeClipboardRecord(otherResources.string() + "/", element)));
    EXPECT_EQ(ReadText(paths.CourseResourcesDir / "pic.png"), "picture");
    EXPECT_EQ(ReadText(paths.CourseResourcesDir / "kept.png"), "mine");
    EXPECT_FALSE(std::filesystem::exists(tmp.path() / "secret.txt"));
}
