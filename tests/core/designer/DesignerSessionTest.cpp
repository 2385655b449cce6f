#include "DesignerTestSupport.h"

#include "common/FileWrite.h"

using namespace vlm;
using namespace vlm::test;

namespace {

struct Recorder : TDesignerObserver {
    std::vector<TDesignerChange> changes;
    void DesignerChanged(const TDesignerChange& change) override { changes.push_back(change); }
    unsigned All() const {
        unsigned flags = 0;
        for (const auto& c : changes)
            flags |= c.flags;
        return flags;
    }
};

const char* const kThree = "  <button name=\"b1\" x=\"10\" y=\"10\" width=\"50\" height=\"20\" "
                           "globalIndex=\"1\" id=\"{1}\" />\r\n"
                           "  <button name=\"b2\" x=\"10\" y=\"10\" width=\"50\" height=\"20\" "
                           "globalIndex=\"2\" id=\"{2}\" />\r\n"
                           "  <button name=\"b3\" x=\"10\" y=\"10\" width=\"50\" height=\"20\" "
                           "globalIndex=\"3\" id=\"{3}\" />\r\n";

} // namespace

class DesignerSessionTest : public DesignerFixture {};

TEST_F(DesignerSessionTest, OpeningBuildsOneFramePerPaintedElementInDocumentOrder) {
    Recorder recorder;
    session->Frames().AddObserver(&recorder);
    Open(PageText("  <button name=\"b1\" x=\"5\" y=\"540\" width=\"50\" height=\"20\" />\r\n"
                  "  <timer name=\"t1\" />\r\n  <popup name=\"p1\" />\r\n"));
    const auto& frames = session->Frames().Frames();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].record, Named("b1"));
    EXPECT_EQ(frames[0].state.bounds, (TFrameBounds{5, 540, 50, 20}));
    EXPECT_EQ(frames[1].record, Named("p1"));
    EXPECT_EQ(session->ContentHeight(), 570);
    EXPECT_TRUE(session->Designing());
    EXPECT_TRUE(session->Visible());
    // Loading completed the elements and binding gave them identifiers.
    EXPECT_TRUE(session->Modified());
    EXPECT_FALSE(Named("b1")->GetAttributeText("id").empty());
    EXPECT_TRUE(recorder.All() & dcFrames);
    EXPECT_TRUE(prompt.calls.empty());
}

TEST_F(DesignerSessionTest, OpeningFailuresAreToldWithThePathAndTheNodeCaption) {
    EXPECT_FALSE(session->OpenPage(tmp.path() / "none.xmp", "Intro"));
    ASSERT_EQ(prompt.calls.size(), 1u);
    EXPECT_NE(prompt.calls[0].text.find("none.xmp"), std::string::npos);
    EXPECT_NE(prompt.calls[0].text.find("(Intro)"), std::string::npos);
    EXPECT_FALSE(session->Designing());
    WriteText(pageFile, PageText("  <button name=\"b1\" x=\"left\" />\r\n"));
    EXPECT_FALSE(session->OpenPage(pageFile, "Intro"));
    ASSERT_EQ(prompt.calls.size(), 2u);
    EXPECT_EQ(prompt.calls[1].type, DialogType::Error);
}

TEST_F(DesignerSessionTest, NewElementsAreNamedByClassAndNamesComeBackAfterDeletion) {
    Open(PageText("", " globalIndex=\"5\""));
    session->SetPaletteClass("button");
    session->SurfaceMouseDown(TMouseButton::Left, 0, 30, 40);
    EXPECT_TRUE(session->PaletteClass().empty());
    session->SetPaletteClass("button");
    session->SurfaceMouseDown(TMouseButton::Left, 0, 60, 70);
    EXPECT_EQ(Names(), (std::vector<std::string>{"info", "page", "button1", "button2"}));
    const TjanXMLNode* b1 = Named("button1");
    EXPECT_EQ(b1->GetAttributeText("globalIndex"), "6");
    EXPECT_EQ(Named("button2")->GetAttributeText("globalIndex"), "7");
    EXPECT_EQ(b1->GetAttributeText("x"), "30");
    EXPECT_EQ(b1->GetAttributeText("caption"), "Next");
    EXPECT_EQ(b1->GetAttributeText("canDelete"), "true");
    ASSERT_EQ(b1->ChildCount(), 2u);
    EXPECT_EQ(b1->Child(0)->Text(), "go();");
    EXPECT_TRUE(b1->Child(0)->IsCData());
    EXPECT_EQ(b1->Child(1)->GetAttributeText("name"), "onOver");
    EXPECT_EQ(session->Frames().Frames().size(), 2u);
    Press("button1");
    prompt.answers = {mrYes};
    EXPECT_EQ(session->DeleteCommand(), TDeleteResult::Deleted);
    EXPECT_NE(prompt.calls.back().text.find("\rbutton1?"), std::string::npos);
    EXPECT_EQ(session->CreateElement("button", 1, 1)->GetAttributeText("name"), "button1");
}

TEST_F(DesignerSessionTest, AClassNameThatCannotNameAnElementAddsNothing) {
    Open(PageText(""));
    session->SetPaletteClass("bad name");
    session->SurfaceMouseDown(TMouseButton::Left, 0, 30, 40);
    EXPECT_EQ(Names(), (std::vector<std::string>{"info", "page"}));
    EXPECT_EQ(session->PaletteClass(), "bad name");
    ASSERT_EQ(prompt.calls.size(), 1u);
    EXPECT_FALSE(session->CanUndo());
}

TEST_F(DesignerSessionTest, SendToBackAndBringToFrontMoveTheMarkedElement) {
    Open(PageText("  <button name=\"only\" />\r\n"));
    Press("only");
    session->SendToBack();
    EXPECT_EQ(Names(), (std::vector<std::string>{"info", "page", "only"}));
    Open(PageText(kThree));
    Press("b3");
    session->SendToBack();
    EXPECT_EQ(Names(), (std::vector<std::string>{"info", "page", "b3", "b1", "b2"}));
    EXPECT_FALSE(session->HasSelection()); // the rebuild drops the selection
    session->SelectElement(Named("b1"));
    session->BringToFront();
    EXPECT_EQ(Names(), (std::vector<std::string>{"info", "page", "b3", "b2", "b1"}));
    EXPECT_EQ(session->Frames().Frames()[2].record, Named("b1"));
    EXPECT_TRUE(session->Modified());
}

TEST_F(DesignerSessionTest, PopupsAndFeedbacksFollowTheirOptions) {
    Open(PageText("  <popup name=\"p1\" />\r\n  <button name=\"b1\" />\r\n"));
    TOption popups{"ShowPopups", false, {}};
    session->OptionChanged(popups);
    EXPECT_FALSE(session->Frames().Frames()[0].visible);
    EXPECT_TRUE(session->Frames().Frames()[1].visible);
    popups.Value = true;
    session->OptionChanged(popups);
    EXPECT_TRUE(session->Frames().Frames()[0].visible);
}

TEST_F(DesignerSessionTest, SavingWritesThePageAndClearsTheMark) {
    Open(PageText(kThree));
    session->SetModified(true);
    EXPECT_TRUE(session->SavePage());
    EXPECT_FALSE(session->Modified());
    EXPECT_EQ(ReadText(pageFile), session->Document().AsText());
    std::filesystem::remove(pageFile);
    std::filesystem::create_directory(pageFile); // a folder where the file should be
    session->SetModified(true);
    EXPECT_FALSE(session->SavePage());
    EXPECT_TRUE(session->Modified());
    EXPECT_EQ(prompt.calls.back().text, LangText("ERROR_FILE_NOT_SAVED"));
}

TEST_F(DesignerSessionTest, GestureStepsMoveTheRecordAndReleaseMarksThePage) {
    Open(PageText(kThree));
    session->SavePage();
    const int b2 = FrameOf("b2");
    session->FramePress(b2, TMouseButton::Left, 0, 5, 5);
    EXPECT_EQ(session->Current(), b2);
    EXPECT_EQ(session->LastPressedName(), "b2");
    session->FrameMove(b2, 105, 55);
    EXPECT_EQ(Named("b2")->GetAttributeText("x"), "110");
    EXPECT_EQ(Named("b2")->GetAttributeText("y"), "60");
    session->FrameRelease(b2);
    EXPECT_TRUE(session->Modified());
    EXPECT_TRUE(session->CanUndo());
    const TBackground background = session->Background();
    EXPECT_EQ(background.color, (TRgb{255, 255, 255}));
    EXPECT_TRUE(background.gridLines.empty());
}

TEST_F(DesignerSessionTest, MarkedFramesAreReReadAndRenderedOnRefresh) {
    Open(PageText(kThree));
    Recorder recorder;
    session->Frames().AddObserver(&recorder);
    session->MarkChanged("2");
    Named("b2")->SetAttribute("width", "77");
    session->RefreshChangedElements();
    ASSERT_EQ(recorder.changes.size(), 1u);
    EXPECT_EQ(recorder.changes[0].frame, FrameOf("b2"));
    EXPECT_EQ(recorder.changes[0].flags, dcBounds | dcContents);
    EXPECT_EQ(session->Frames().Frames()[1].state.bounds.width, 77);
    session->RefreshChangedElements();
    EXPECT_EQ(recorder.changes.size(), 1u);
}

TEST_F(DesignerSessionTest, PicturesArePendingUntilTheViewHasDrawnEveryFrame) {
    Open(PageText(kThree));
    EXPECT_TRUE(session->PreviewsPending());
    for (int i = 0; i < 3; ++i)
        session->FrameRendered(i);
    EXPECT_FALSE(session->PreviewsPending());
    session->MarkChanged("3");
    session->RefreshChangedElements();
    EXPECT_TRUE(session->PreviewsPending());
    session->FrameRendered(2);
    EXPECT_FALSE(session->PreviewsPending());
}

TEST_F(DesignerSessionTest, PressesOnTheBackgroundAskForPageCommandsOrDropThePaletteClass) {
    EXPECT_EQ(session->SurfaceMouseDown(TMouseButton::Left, ssDouble, 5, 5),
              TSurfaceCommand::None); // no page yet
    Open(PageText(""));
    EXPECT_EQ(session->SurfaceMouseDown(TMouseButton::Left, ssDouble, 5, 5),
              TSurfaceCommand::PageProperties);
    session->SetPaletteClass("button");
    EXPECT_EQ(session->SurfaceMouseDown(TMouseButton::Right, 0, 5, 5), TSurfaceCommand::PageMenu);
    EXPECT_TRUE(session->PaletteClass().empty());
    EXPECT_EQ(Names(), (std::vector<std::string>{"info", "page"}));
    session->SetPaletteClass("button");
    EXPECT_EQ(session->SurfaceMouseDown(TMouseButton::Left, 0, 5, 5), TSurfaceCommand::None);
    EXPECT_NE(Named("button1"), nullptr);
}

TEST_F(DesignerSessionTest, TheBackgroundTakesThePageColourAndTheGridWhenShown) {
    Open(PageText("", " bgColor=\"#102030\""));
    TBackground background = session->Background();
    EXPECT_EQ(background.color, (TRgb{0x10, 0x20, 0x30}));
    EXPECT_TRUE(background.gridLines.empty());
    session->SetGridShown(true);
    background = session->Background();
    EXPECT_EQ(background.gridLines.front(), (TLine{25, 0, 25, 550}));
    EXPECT_EQ(background.gridColor, (TRgb{0, 128, 0}));
    session->ClosePage();
    EXPECT_EQ(session->Background().color, (TRgb{255, 255, 255}));
}

TEST_F(DesignerSessionTest, OptionChangesReachTheGridAndTheFrames) {
    Open(PageText(kThree));
    Recorder recorder;
    session->Frames().AddObserver(&recorder);
    session->SetGridShown(true);
    session->OptionChanged({"GridSpaceV", std::int32_t{40}, {}});
    session->OptionChanged({"GridColor", std::int32_t{0x0000FF}, {}});
    const TBackground background = session->Background();
    EXPECT_EQ(background.gridLines.front(), (TLine{40, 0, 40, 550}));
    EXPECT_EQ(background.gridColor, (TRgb{255, 0, 0}));
    session->SetSnapping(true);
    EXPECT_EQ(session->SnapToGrid(38, true), 40);
    EXPECT_EQ(session->SnapToGrid(23, false), 25);
    recorder.changes.clear();
    Press("b1");
    session->OptionChanged({"ElementFrame", false, {}});
    EXPECT_FALSE(session->ElementFrame());
    EXPECT_TRUE(recorder.All() & dcFrames);
    EXPECT_FALSE(session->HasSelection());
}
