#include "DesignerTestSupport.h"

#include "designer/UndoHistory.h"

using namespace vlm;
using namespace vlm::test;

class UndoTest : public DesignerFixture {
protected:
    std::string Saved() {
        session->SavePage();
        return ReadText(pageFile);
    }
};

TEST_F(UndoTest, EveryKindOfChangeUndoesAndRedoesToByteIdenticalFiles) {
    const std::string elements =
        "  <button name=\"b1\" x=\"100\" y=\"100\" width=\"50\" height=\"20\" globalIndex=\"1\" "
        "canDelete=\"true\" />\r\n"
        "  <button name=\"b2\" x=\"200\" y=\"100\" width=\"50\" height=\"20\" globalIndex=\"2\" "
        "canDelete=\"true\" />\r\n";
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"create", [&] { session->CreateElement("button", 5, 6); }},
        {"drag",
         [&] {
             const int f = FrameOf("b1");
             session->FramePress(f, TMouseButton::Left, 0, 5, 5);
             session->FrameMove(f, 40, 30);
             session->FrameRelease(f);
         }},
        {"resize",
         [&] {
             const int f = FrameOf("b1");
             session->FramePress(f, TMouseButton::Left, 0, 49, 5);
             session->FrameMove(f, 80, 5);
             session->FrameRelease(f);
         }},
        {"nudge", [&] { session->FrameKeyRelease(FrameOf("b2"), TArrowKey::Left, ssShift); }},
        {"property", [&] { session->Change([&] { Named("b1")->SetAttribute("caption", "Go"); }); }},
        {"delete",
         [&] {
             Press("b1");
             prompt.answers = {mrYes};
             session->DeleteCommand();
         }},
        {"paste",
         [&] {
             Press("b2");
             session->PasteFromClipboard(session->CopyToClipboard());
         }},
        {"front",
         [&] {
             Press("b1");
             session->BringToFront();
         }},
    };
    for (const auto& [what, change] : changes) {
        Open(PageText(elements));
        const std::string before = Saved();
        change();
        ASSERT_TRUE(session->CanUndo()) << what;
        const std::string after = Saved();
        ASSERT_NE(after, before) << what;
        ASSERT_TRUE(session->Undo()) << what;
        EXPECT_TRUE(session->Modified()) << what;
        EXPECT_EQ(Saved(), before) << what;
        EXPECT_FALSE(session->CanUndo()) << what;
        ASSERT_TRUE(session->Redo()) << what;
        EXPECT_EQ(Saved(), after) << what;
        EXPECT_FALSE(session->CanRedo()) << what;
    }
}

TEST_F(UndoTest, NudgesOfOneElementInARowAreOneStep) {
    Open(PageText("  <button name=\"b1\" x=\"10\" y=\"10\" />\r\n"
                  "  <button name=\"b2\" x=\"50\" y=\"10\" />\r\n"));
    for (int i = 0; i < 3; ++i)
        session->FrameKeyRelease(FrameOf("b1"), TArrowKey::Right, ssShift);
    session->FrameKeyRelease(FrameOf("b2"), TArrowKey::Right, ssShift);
    session->FrameKeyRelease(FrameOf("b1"), TArrowKey::Right, ssShift);
    EXPECT_EQ(Named("b1")->GetAttributeText("x"), "14");
    ASSERT_TRUE(session->Undo());
    EXPECT_EQ(Named("b1")->GetAttributeText("x"), "13");
    ASSERT_TRUE(session->Undo());
    EXPECT_EQ(Named("b2")->GetAttributeText("x"), "50");
    ASSERT_TRUE(session->Undo());
    EXPECT_EQ(Named("b1")->GetAttributeText("x"), "10");
    EXPECT_FALSE(session->CanUndo());
}

TEST_F(UndoTest, AClickWithoutChangeIsNoStepAndOpeningAnotherPageForgetsTheHistory) {
    Open(PageText("  <button name=\"b1\" x=\"10\" y=\"10\" />\r\n"));
    session->SavePage();
    session->FramePress(0, TMouseButton::Left, 0, 3, 3);
    session->FrameRelease(0);
    EXPECT_TRUE(session->Modified());
    EXPECT_FALSE(session->CanUndo());
    session->CreateElement("button", 1, 1);
    EXPECT_TRUE(session->CanUndo());
    Open(PageText(""));
    EXPECT_FALSE(session->CanUndo());
    EXPECT_FALSE(session->CanRedo());
}

TEST_F(UndoTest, ACommandFromTheElementMenuIsAStepOfItsOwn) {
    Open(PageText("  <button name=\"b1\" />\r\n  <button name=\"b2\" />\r\n"));
    const TFrameEffects press = session->FramePress(0, TMouseButton::Right, 0, 3, 3);
    EXPECT_EQ(press.command, TFrameCommand::ElementMenu);
    session->BringToFront(); // the menu took the release
    EXPECT_TRUE(session->CanUndo());
    ASSERT_TRUE(session->Undo());
    EXPECT_EQ(Names(), (std::vector<std::string>{"info", "page", "b1", "b2"}));
}

TEST(UndoHistory, KeepsTheNewestStepsUpToItsLimit) {
    TUndoHistory history(100);
    for (int i = 0; i < 150; ++i)
        history.Push(std::to_string(i));
    EXPECT_EQ(history.UndoCount(), 100u);
    std::string text;
    for (int i = 149; i >= 50; --i) {
        ASSERT_TRUE(history.Undo("now", text));
        EXPECT_EQ(text, std::to_string(i));
    }
    EXPECT_FALSE(history.Undo("now", text));
    history.Push("new");
    EXPECT_FALSE(history.CanRedo());
}
