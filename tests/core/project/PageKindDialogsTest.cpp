#include "project/PageKindDialogs.h"

#include "project/CourseTree.h"
#include "project/PageKind.h"

#include "PagePropsTestSupport.h"

namespace vlm::test {
namespace {

namespace fs = std::filesystem;

class Recorder : public TCourseTreeObserver {
public:
    std::vector<unsigned> flags;
    void CourseTreeChanged(const TCourseTreeChange& change) override {
        flags.push_back(change.flags);
    }
};

class PageKindDialogs : public PagePropsTest {
protected:
    TProject project_{prompt_};
    TCourseTree tree_{prompt_, clock_, random_};
    Recorder recorder_;

    void SetUp() override {
        PagePropsTest::SetUp();
        const fs::path file = WriteCourse(
            "kurs", "Kurs", {{"Dokument", 7, 1, ptOutsideDocument, "stary.pdf", "id_7_7"}});
        project_.LoadFromFile(file);
        tree_.Paths = TCoursePaths::ForProjectFile(file);
        tree_.BuildTree(project_);
        tree_.AddObserver(&recorder_);
    }
    TProjectItem& Item() { return tree_.Root()->Child(0)->Item(); }
    fs::path PageDir() { return dir_ / "kurs" / "p00007"; }
};

TEST_F(PageKindDialogs, InternetAddressGetsHttpWithoutAScheme) {
    struct Case {
        std::string current, preset, typed, result;
    };
    const std::vector<Case> cases = {
        {"", "http://", "", "http://"},
        {"", "http://", "www.x.pl", "http://www.x.pl"},
        {"http://a.pl", "http://a.pl", "https://b.pl/x", "https://b.pl/x"},
        {"", "http://", "ftp://c.pl", "ftp://c.pl"},
        {"", "http://", "c.pl/a://b", "c.pl/a://b"},
    };
    for (const Case& c : cases) {
        const auto result = AskInternetAddress(c.current, [&](TInternetAddressDialog& d) {
            EXPECT_EQ(d.Address, c.preset);
            d.Address = c.typed;
            return true;
        });
        EXPECT_EQ(result, c.result) << c.typed;
    }
    EXPECT_FALSE(AskInternetAddress("x", [](TInternetAddressDialog&) { return false; }));
}

TEST_F(PageKindDialogs, ExternalDocumentMustExist) {
    const fs::path doc = Write("a.pdf", "pdf");
    TExternalDocumentDialog dialog("stary.pdf");
    EXPECT_EQ(dialog.Label, "Aktualny dokument: stary.pdf");
    EXPECT_TRUE(TExternalDocumentDialog("").Label.empty());
    EXPECT_TRUE(dialog.FileName.empty());

    for (const std::string& missing :
         {std::string(), (dir_ / "brak.pdf").string(), dir_.string()}) {
        prompt_.calls.clear();
        dialog.FileName = missing;
        EXPECT_FALSE(dialog.Confirm(prompt_)) << missing;
        ASSERT_EQ(prompt_.calls.size(), 1u);
        EXPECT_EQ(prompt_.calls[0].kind, "MessageDlg");
        EXPECT_EQ(prompt_.calls[0].type, DialogType::Warning);
        EXPECT_EQ(prompt_.calls[0].buttons, kButtonsOK);
        EXPECT_EQ(prompt_.calls[0].text, "Nie znaleziono pliku: " + missing);
    }
    const auto chosen = AskExternalDocument("", [&](TExternalDocumentDialog& d) {
        d.FileName = doc.string();
        return d.Confirm(prompt_);
    });
    EXPECT_EQ(chosen, doc);
}

TEST_F(PageKindDialogs, CopiesTheDocumentReplacingTheOldOneAndSavesAtOnce) {
    Write("kurs/p00007/stary.pdf", "old");
    Write("kurs/p00007/inny.txt", "stays");
    const fs::path doc = Write("zrodlo/nowy.pdf", "new");
    EXPECT_TRUE(CopyExternalDocument(doc, Item(), tree_));
    EXPECT_EQ(Item().Address, "nowy.pdf");
    EXPECT_EQ(Read(PageDir() / "nowy.pdf"), "new");
    EXPECT_FALSE(Exists(PageDir() / "stary.pdf"));
    EXPECT_EQ(Read(PageDir() / "inny.txt"), "stays");
    EXPECT_EQ(Read(doc), "new");
    ASSERT_EQ(recorder_.flags.size(), 1u);
    EXPECT_TRUE(recorder_.flags[0] & tcSaveNow);

    // A file of the same name replaces the copy.
    const fs::path again = Write("zrodlo2/nowy.pdf", "newer");
    EXPECT_TRUE(CopyExternalDocument(again, Item(), tree_));
    EXPECT_EQ(Read(PageDir() / "nowy.pdf"), "newer");
    EXPECT_EQ(Item().Address, "nowy.pdf");
}

TEST_F(PageKindDialogs, MissingFileDoesNothingAndTheFolderIsMadeWhenNeeded) {
    EXPECT_FALSE(CopyExternalDocument(dir_ / "brak.pdf", Item(), tree_));
    EXPECT_FALSE(Exists(PageDir()));
    EXPECT_EQ(Item().Address, "stary.pdf");
    EXPECT_TRUE(recorder_.flags.empty());

    EXPECT_TRUE(CopyExternalDocument(Write("d.doc", "d"), Item(), tree_));
    EXPECT_EQ(Read(PageDir() / "d.doc"), "d");
}

TEST_F(PageKindDialogs, PickingTheCopyInThePageFolderKeepsIt) {
    const fs::path copy = Write("kurs/p00007/stary.pdf", "old");
    EXPECT_TRUE(CopyExternalDocument(copy, Item(), tree_));
    EXPECT_EQ(Read(copy), "old");
    EXPECT_EQ(Item().Address, "stary.pdf");
}

// Address comes from the project file: only a bare name in the page folder
// may be deleted, whatever it says.
TEST_F(PageKindDialogs, StoredAddressNeverLeadsOutOfThePageFolder) {
    const fs::path victim = Write("kurs/ofiara.txt", "keep");
    const fs::path outside = Write("ofiara2.txt", "keep");
    const fs::path sub = Write("kurs/p00007/sub/x.txt", "keep");
    const std::vector<std::string> addresses = {
        "../ofiara.txt", "..\\ofiara.txt", outside.string(), "..", "sub", "sub/x.txt", "",
        "c:ofiara.txt"};
    for (const std::string& address : addresses) {
        Item().Address = address;
        EXPECT_TRUE(CopyExternalDocument(Write("src/n.pdf", "n"), Item(), tree_)) << address;
        EXPECT_EQ(Read(victim), "keep") << address;
        EXPECT_EQ(Read(outside), "keep") << address;
        EXPECT_EQ(Read(sub), "keep") << address;
        EXPECT_EQ(Item().Address, "n.pdf");
    }
}

TEST_F(PageKindDialogs, DocumentNameIsStoredAsAPlainName) {
    const fs::path odd = Write("src/..\\..\\x:y.pdf", "odd");
    EXPECT_TRUE(CopyExternalDocument(odd, Item(), tree_));
    EXPECT_EQ(Item().Address, ".._.._x_y.pdf");
    EXPECT_EQ(Read(PageDir() / ".._.._x_y.pdf"), "odd");
    EXPECT_FALSE(Exists(dir_ / "x:y.pdf"));
}

TEST_F(PageKindDialogs, LinkInPlaceOfThePageFolderIsNotWrittenThrough) {
    fs::create_directories(dir_ / "elsewhere");
    fs::create_directories(dir_ / "kurs");
    fs::create_directory_symlink(dir_ / "elsewhere", PageDir());
    EXPECT_FALSE(CopyExternalDocument(Write("src/n.pdf", "n"), Item(), tree_));
    EXPECT_TRUE(fs::is_empty(dir_ / "elsewhere"));
    EXPECT_EQ(Item().Address, "stary.pdf");
}

TEST_F(PageKindDialogs, ChoosingAPageKindGoesThroughTheDialogs) {
    TCourseNode* page = tree_.Add(nullptr);
    ASSERT_NE(page, nullptr);
    const fs::path doc = Write("zrodlo/instrukcja.pdf", "pdf");
    TPageKindSteps steps;
    UsePageKindDialogs(
        steps, tree_,
        [](TInternetAddressDialog& d) {
            d.Address = "www.vellumar.example";
            return true;
        },
        [&](TExternalDocumentDialog& d) {
            d.FileName = doc.string();
            return d.Confirm(prompt_);
        });

    EXPECT_EQ(ChoosePageKind(tree_, *page, ptOutsideDocument, steps), ptOutsideDocument);
    EXPECT_EQ(page->Item().PageType, ptOutsideDocument);
    EXPECT_EQ(page->Item().Address, "instrukcja.pdf");
    EXPECT_EQ(Read(tree_.PageFolder(&page->Item()) / "instrukcja.pdf"), "pdf");

    TCourseNode* url = tree_.Add(nullptr);
    EXPECT_EQ(ChoosePageKind(tree_, *url, ptURLLink, steps), ptURLLink);
    EXPECT_EQ(url->Item().Address, "http://www.vellumar.example");
    EXPECT_FALSE(Exists(tree_.PageFolder(&url->Item())));
}

} // namespace
} // namespace vlm::test
