#include "project/PageImport.h"

#include "common/Progress.h"
#include "page/janXMLTree.h"
#include "page/xmp.h"
#include "project/CourseNodeView.h"
#include "project/Links.h"
#include "resources/Resources.h"

#include "PagePropsTestSupport.h"

#include <functional>
#include <set>

namespace vlm::test {
namespace {

namespace fs = std::filesystem;

// An "image" class whose "src" is a path.
const char* kDefinitions = "<document>\r\n"
                           "  <class name=\"image\">\r\n"
                           "    <property name=\"src\" type=\"path\" defaultValue=\"\" />\r\n"
                           "  </class>\r\n"
                           "</document>\r\n";

std::string PageWithImage(const std::string& src) {
    return "<document id=\"{D}\">\r\n  <info />\r\n  <page id=\"{P}\" />\r\n"
           "  <image name=\"image1\" src=\"" +
           src + "\" />\r\n</document>\r\n";
}

std::set<std::string> FilesBelow(const fs::path& folder) {
    std::set<std::string> names;
    std::error_code ec;
    if (!fs::exists(folder, ec))
        return names;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        names.insert(fs::relative(e.path(), folder).generic_string());
    return names;
}

class PageImport : public PagePropsTest {
protected:
    TProject project_{prompt_};
    TCourseTree tree_{prompt_, clock_, random_};
    TProjectResources resources_;
    TjanXMLTree definitions_;
    FixedGuidSource guids_;
    TXMPDocument page_{guids_, prompt_, clock_};
    NullProgress progress_;
    fs::path course_, other_;
    std::vector<std::string> log_;

    void SetUp() override {
        PagePropsTest::SetUp();
        definitions_.LoadFromText(kDefinitions);
        page_.SetDefinitions(&definitions_);
        MakeCourses();
    }
    // Both courses afresh, as a case of a table needs them.
    void Fresh() {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        log_.clear();
        prompt_.calls.clear();
        resources_.Clear();
        MakeCourses();
    }
    void MakeCourses() {
        other_ = WriteCourse("inny", "Inny kurs",
                             {{"Projekt", 2, 1, ptContent, "", "id_0602_0603"},
                              {"WWW", 3, 1, ptURLLink, "http://x.pl", "id_0302_0303"},
                              {"Dokument", 4, 1, ptOutsideDocument, "plik.pdf", "id_0402_0403"},
                              {"Pusta", 5, 1, ptNone, "", "id_0502_0503"},
                              {"Bez dokumentu", 6, 1, ptContent, "", "id_0702_0703"},
                              {"Zly", 7, 1, ptOutsideDocument, "..\\..\\sekret.txt", "id_08_08"},
                              {"Zly2", 8, 1, ptOutsideDocument, "../../sekret.txt", "id_09_09"},
                              {"HTTPS", 9, 1, ptURLLink, "https://y.pl", "id_10_10"}});
        Write("inny/p00002/_page.xmp", PageWithImage("foto.png"));
        Write("inny/p00002/notatki.txt", "n");
        Write("inny/p00002/c00001/skrypt.js", "js");
        Write("inny/resources/foto.png", "pixels");
        Write("inny/p00004/plik.pdf", "pdf");
        Write("inny/p00004/dodatek.txt", "extra");
        Write("sekret.txt", "secret");
        Write("inny/sekret.txt", "secret");

        course_ = WriteCourse(
            "kurs", "Kurs",
            {{"Nowa", 2, 1, ptNone, "", "id_2_2"}, {"Z mediami", 3, 1, ptContent, "", "id_3_3"}});
        Write("kurs/p00003/_page.xmp", PageWithImage("logo.png"));
        Write("kurs/resources/logo.png", "logo bytes");
        project_.LoadFromFile(course_);
        tree_.Paths = TCoursePaths::ForProjectFile(course_);
        tree_.IdCounter = project_.MaxItemId();
        tree_.BuildTree(project_);
        resources_.Refresh(tree_.Paths.CourseResourcesDir, progress_);
        resources_.Save(tree_.Paths.CourseDir / "resources.xml");
    }

    TImportPageContext Context() {
        return {tree_, project_, resources_, page_, prompt_, clock_, random_, progress_};
    }
    // Steps that pick the page at `index` below the other course's root.
    TImportPageSteps Steps(const fs::path& file, int index, bool copyName = false) {
        TImportPageSteps steps;
        steps.askProjectFile = [this, file](const std::string& title, const std::string& filter) {
            log_.push_back("ask " + title + " " + filter);
            return std::optional<fs::path>(file);
        };
        steps.showPicker = [this, index, copyName](TPagePicker& picker) {
            log_.push_back("picker " + picker.Caption());
            picker.CopyItemName = copyName;
            return picker.Choose(picker.Tree().Root()->Child(index));
        };
        steps.closePage = [this] { log_.push_back("close"); };
        steps.clickNode = [this](TCourseNode& node) {
            log_.push_back("click " + node.Item().Name);
        };
        return steps;
    }
    TCourseNode& P() { return *tree_.Root()->Child(0); }
    fs::path PDir() { return dir_ / "kurs" / "p00002"; }
    std::string Src(const fs::path& pageFile) {
        TjanXMLTree t;
        t.LoadFromFile(pageFile);
        return t.FindDescendant("image")->GetAttributeText("src");
    }
};

TEST_F(PageImport, PickerShowsTheOtherCourse) {
    TPagePicker picker(prompt_, clock_, random_);
    int counter = 5;
    picker.Setup(other_, counter);
    EXPECT_EQ(picker.Caption(), "Importowanie strony z kursu Inny kurs");
    EXPECT_EQ(NodeText(*picker.Tree().Root()), "Kurs: Inny kurs");
    EXPECT_TRUE(picker.Tree().Root()->Expanded);
    EXPECT_EQ(picker.Paths().CourseDir, dir_ / "inny" / "");
    EXPECT_EQ(TPagePicker::NodeHint(*picker.Tree().Root()->Child(1)), "WWW [http://x.pl]");
    EXPECT_EQ(TPagePicker::NodeHint(*picker.Tree().Root()->Child(0)), "Projekt");
    EXPECT_FALSE(picker.Choose(picker.Tree().Root()));
    EXPECT_FALSE(picker.Picked());
    EXPECT_EQ(picker.Result().ChosenKind, ptNone);
    EXPECT_EQ(counter, 5);
}

TEST_F(PageImport, PickerResultsByKind) {
    struct Case {
        int index;
        int kind;
        fs::path targetFile; // empty: the target is `target`
        std::string target, name, stamp;
    };
    const fs::path innyDir = dir_ / "inny";
    const std::vector<Case> cases = {
        {0, ptContent, innyDir / "p00002" / "_page.xmp", "", "Projekt", "id_0602_0603"},
        {1, ptURLLink, {}, "http://x.pl", "WWW", "id_0302_0303"},
        {2, ptOutsideDocument, innyDir / "p00004" / "plik.pdf", "", "Dokument", "id_0402_0403"},
        {3, ptNone, {}, "", "Pusta", "id_0502_0503"},
        // A designed page without its document brings nothing but its kind.
        {4, ptContent, {}, "", "", ""},
        // A stored name with a folder part is no document of that page.
        {5, ptOutsideDocument, {}, "", "Zly", "id_08_08"},
        {6, ptOutsideDocument, {}, "", "Zly2", "id_09_09"},
    };
    TPagePicker picker(prompt_, clock_, random_);
    int counter = 0;
    picker.Setup(other_, counter);
    for (const Case& c : cases) {
        ASSERT_TRUE(picker.Choose(picker.Tree().Root()->Child(c.index)));
        const TImportChoice& r = picker.Result();
        EXPECT_EQ(r.ChosenKind, c.kind) << c.index;
        if (c.targetFile.empty())
            EXPECT_EQ(r.ChosenTarget, c.target) << c.index;
        else
            EXPECT_EQ(r.TargetPath(), c.targetFile) << c.index;
        EXPECT_EQ(r.ChosenName, c.name) << c.index;
        EXPECT_EQ(r.ChosenStamp, c.stamp) << c.index;
        EXPECT_EQ(r.ChosenDescription, c.name.empty() ? "" : "Inny kurs: " + c.name) << c.index;
    }
}

TEST_F(PageImport, PickerRenumbersDuplicatesFromTheOpenCoursesCounter) {
    const fs::path twice =
        WriteCourse("podwojny", "Podwojny",
                    {{"A", 2, 1, ptContent, "", "id_a_a"}, {"B", 2, 1, ptContent, "", "id_b_b"}});
    prompt_.answers = {mrYes};
    TPagePicker picker(prompt_, clock_, random_);
    int counter = 40;
    picker.Setup(twice, counter);
    EXPECT_EQ(picker.Tree().Root()->Child(1)->Item().Id, 41);
    EXPECT_EQ(picker.Tree().Root()->Child(1)->Item().PageType, ptNone);
    EXPECT_EQ(counter, 41);
    ASSERT_EQ(prompt_.calls.size(), 1u);
    EXPECT_EQ(prompt_.calls[0].text, "Powtorzone numery\r\nPoprawic?");
}

TEST_F(PageImport, UnreadableOtherCourseStopsTheCommand) {
    TImportPageSteps steps = Steps(dir_ / "brak.vlmproject", 0);
    EXPECT_THROW(ImportPage(P(), Context(), steps), Abort);
    ASSERT_EQ(prompt_.calls.size(), 1u);
    EXPECT_EQ(P().Item().PageType, ptNone);
    EXPECT_EQ(P().Item().Stamp, "id_2_2");
}

TEST_F(PageImport, DesignedPageFromAnotherCourseBringsItsFolderAndMedia) {
    ASSERT_TRUE(ImportPage(P(), Context(), Steps(other_, 0, true)));
    EXPECT_EQ(FilesBelow(PDir()),
              (std::set<std::string>{"_page.xmp", "notatki.txt", "c00001", "c00001/skrypt.js"}));
    EXPECT_EQ(Src(PDir() / "_page.xmp"), "foto.png");
    EXPECT_EQ(Read(dir_ / "kurs" / "resources" / "foto.png"), "pixels");
    EXPECT_TRUE(resources_.FindByName("foto.png"));
    // The other course is read, not changed.
    EXPECT_EQ(Src(dir_ / "inny" / "p00002" / "_page.xmp"), "foto.png");

    const TProjectItem& item = P().Item();
    EXPECT_EQ(item.PageType, ptContent);
    EXPECT_EQ(item.Name, "Projekt");
    EXPECT_NE(item.Stamp, "id_0602_0603");
    EXPECT_EQ(item.Stamp.rfind("id_240517103015", 0), 0u) << item.Stamp;
    EXPECT_EQ(project_.GetItem(1).PageType, ptContent);
    EXPECT_EQ(project_.GetItem(1).Stamp, item.Stamp);
    EXPECT_EQ(log_, (std::vector<std::string>{"ask Wybierz kurs Kursy|*.vlmproject;*.prj",
                                              "picker Importowanie strony z kursu Inny kurs",
                                              "close", "click Projekt"}));
}

TEST_F(PageImport, SameCourseFindsItsMediaAlreadyRegistered) {
    ASSERT_TRUE(ImportPage(P(), Context(), Steps(course_, 1)));
    EXPECT_EQ(FilesBelow(PDir()), (std::set<std::string>{"_page.xmp"}));
    EXPECT_EQ(Src(PDir() / "_page.xmp"), "logo.png");
    EXPECT_EQ(FilesBelow(dir_ / "kurs" / "resources"), (std::set<std::string>{"logo.png"}));
    EXPECT_EQ(P().Item().PageType, ptContent);
    EXPECT_EQ(P().Item().Name, "Nowa");
}

TEST_F(PageImport, MediaOfTheSameContentUnderAnotherNameAreReused) {
    Write("kurs/resources/zdjecie.png", "pixels");
    resources_.Refresh(tree_.Paths.CourseResourcesDir, progress_);
    ASSERT_TRUE(ImportPage(P(), Context(), Steps(other_, 0)));
    EXPECT_EQ(Src(PDir() / "_page.xmp"), "zdjecie.png");
    EXPECT_FALSE(Exists(dir_ / "kurs" / "resources" / "foto.png"));
}

TEST_F(PageImport, EdgeCasesByPickedKind) {
    struct Case {
        int index;
        bool copyName;
        int kind;
        std::string address, name;
        std::set<std::string> files;
        bool closed;
    };
    const std::vector<Case> cases = {
        {1, true, ptURLLink, "http://x.pl", "WWW", {}, true},
        {2, false, ptOutsideDocument, "plik.pdf", "Nowa", {"plik.pdf", "dodatek.txt"}, true},
        {3, true, ptNone, "", "Pusta", {}, false},
        {3, false, ptNone, "", "Nowa", {}, false},
        // No document: a designed page still to be made; no empty name taken over.
        {4, true, ptContent, "", "Nowa", {}, false},
        {5, true, ptOutsideDocument, "", "Zly", {}, false},
        {6, false, ptOutsideDocument, "", "Nowa", {}, false},
    };
    for (const Case& c : cases) {
        Fresh();
        ASSERT_TRUE(ImportPage(P(), Context(), Steps(other_, c.index, c.copyName))) << c.index;
        const TProjectItem& item = P().Item();
        EXPECT_EQ(item.PageType, c.kind) << c.index;
        EXPECT_EQ(item.Address, c.address) << c.index;
        EXPECT_EQ(item.Name, c.name) << c.index;
        EXPECT_NE(item.Stamp, "id_2_2") << c.index;
        EXPECT_EQ(FilesBelow(PDir()), c.files) << c.index;
        EXPECT_EQ(std::count(log_.begin(), log_.end(), "close"), c.closed ? 1 : 0) << c.index;
        // Nothing else in the course changed, nothing came from outside the page folders.
        std::set<std::string> course = {"resources", "resources/logo.png", "resources.xml",
                                        "p00003", "p00003/_page.xmp"};
        for (const auto& f : c.files)
            course.insert("p00002/" + f);
        if (!c.files.empty())
            course.insert("p00002");
        EXPECT_EQ(FilesBelow(dir_ / "kurs"), course) << c.index;
    }
}

// A course from elsewhere may carry links: they must not bring in files
// from outside it.
TEST_F(PageImport, LinksInThePickedPageFolderBringNothingIn) {
    struct Case {
        int index;
        std::function<void()> plant;
    };
    const std::vector<Case> cases = {
        {0, [&] { fs::create_symlink(dir_ / "sekret.txt", dir_ / "inny/p00002/klucz.txt"); }},
        {0, [&] { fs::create_symlink(dir_ / "sekret.txt", dir_ / "inny/p00002/c00001/k"); }},
        {0,
         [&] {
             fs::remove(dir_ / "inny/p00002/_page.xmp");
             fs::create_symlink(Write("obcy.xmp", PageWithImage("foto.png")),
                                dir_ / "inny/p00002/_page.xmp");
         }},
        {2,
         [&] {
             Write("gdzies/plik.pdf", "pdf");
             Write("gdzies/prywatny.txt", "secret");
             fs::remove_all(dir_ / "inny/p00004");
             fs::create_directory_symlink(dir_ / "gdzies", dir_ / "inny/p00004");
         }},
    };
    for (const Case& c : cases) {
        Fresh();
        c.plant();
        ASSERT_TRUE(ImportPage(P(), Context(), Steps(other_, c.index))) << c.index;
        EXPECT_TRUE(FilesBelow(PDir()).empty()) << c.index;
        EXPECT_EQ(FilesBelow(dir_ / "kurs" / "resources"), (std::set<std::string>{"logo.png"}));
        EXPECT_EQ(P().Item().PageType, c.index == 0 ? ptContent : ptOutsideDocument);
        EXPECT_EQ(P().Item().Address, "");
    }
}

// The other course's media folder leads elsewhere: nothing is taken from
// it, the author is told, and the page comes without its files.
TEST_F(PageImport, AMediaFolderLinkedOutOfTheOtherCourseIsNotRead) {
    Write("gdzies/foto.png", "stolen");
    fs::remove_all(dir_ / "inny" / "resources");
    fs::create_directory_symlink(dir_ / "gdzies", dir_ / "inny" / "resources");
    ASSERT_TRUE(ImportPage(P(), Context(), Steps(other_, 0)));
    EXPECT_TRUE(FilesBelow(PDir()).empty());
    EXPECT_EQ(FilesBelow(dir_ / "kurs" / "resources"), (std::set<std::string>{"logo.png"}));
    ASSERT_EQ(prompt_.calls.size(), 1u);
    EXPECT_EQ(prompt_.calls[0].type, DialogType::Error);
}

TEST_F(PageImport, ReplaceQuestionGuardsAnExistingPage) {
    Write("kurs/p00002/_page.xmp", PageWithImage("stare.png"));
    Write("kurs/p00002/stare.txt", "old");

    prompt_.answers = {mrNo};
    EXPECT_FALSE(ImportPage(P(), Context(), Steps(other_, 0)));
    EXPECT_TRUE(log_.empty());
    ASSERT_EQ(prompt_.calls.size(), 1u);
    EXPECT_EQ(prompt_.calls[0].caption, "Importowanie strony");
    EXPECT_EQ(prompt_.calls[0].text, "Zastapic strone?");
    EXPECT_EQ(prompt_.calls[0].type, DialogType::Confirmation);
    EXPECT_EQ(prompt_.calls[0].buttons, kButtonsYesNoCancel);

    prompt_.answers = {mrCancel};
    EXPECT_THROW(ImportPage(P(), Context(), Steps(other_, 0)), Abort);

    // Yes, then no file chosen: nothing is lost.
    prompt_.answers = {mrYes};
    TImportPageSteps none = Steps(other_, 0);
    none.askProjectFile = [](const std::string&, const std::string&) {
        return std::optional<fs::path>();
    };
    EXPECT_FALSE(ImportPage(P(), Context(), none));
    EXPECT_EQ(Read(PDir() / "stare.txt"), "old");
    EXPECT_EQ(P().Item().Stamp, "id_2_2");

    prompt_.answers = {mrYes};
    ASSERT_TRUE(ImportPage(P(), Context(), Steps(other_, 0)));
    EXPECT_FALSE(Exists(PDir() / "stare.txt"));
    EXPECT_EQ(Src(PDir() / "_page.xmp"), "foto.png");
}

TEST_F(PageImport, PageImportedOntoItselfKeepsItsFiles) {
    // The file on disk still knows page 2 as the designed page it was.
    Write("kurs/p00002/_page.xmp", PageWithImage("logo.png"));
    Write("kurs/p00002/extra.txt", "x");
    const fs::path self = WriteCourse("kurs", "Kurs", {{"Nowa", 2, 1, ptContent, "", "id_2_2"}});
    prompt_.answers = {mrYes};
    ASSERT_TRUE(ImportPage(P(), Context(), Steps(self, 0)));
    EXPECT_EQ(FilesBelow(PDir()), (std::set<std::string>{"_page.xmp", "extra.txt"}));
    EXPECT_EQ(Src(PDir() / "_page.xmp"), "logo.png");
    EXPECT_EQ(P().Item().PageType, ptContent);
}

TEST_F(PageImport, ReplacingRemovesALinkInPlaceOfThePageFolderNotWhereItLeads) {
    Write("gdzie/_page.xmp", PageWithImage("x.png"));
    Write("gdzie/cenne.txt", "keep");
    fs::create_directory_symlink(dir_ / "gdzie", PDir());
    prompt_.answers = {mrYes};
    ASSERT_TRUE(ImportPage(P(), Context(), Steps(other_, 0)));
    EXPECT_EQ(Read(dir_ / "gdzie" / "cenne.txt"), "keep");
    EXPECT_EQ(Src(dir_ / "gdzie" / "_page.xmp"), "x.png");
    EXPECT_FALSE(fs::is_symlink(PDir()));
    EXPECT_EQ(Src(PDir() / "_page.xmp"), "foto.png");
}

TEST_F(PageImport, CancelledPickerChangesNothing) {
    TImportPageSteps steps = Steps(other_, 0);
    steps.showPicker = [](TPagePicker&) { return false; };
    EXPECT_FALSE(ImportPage(P(), Context(), steps));
    EXPECT_EQ(P().Item().PageType, ptNone);
    EXPECT_EQ(P().Item().Stamp, "id_2_2");
    EXPECT_FALSE(Exists(PDir()));
}

TEST_F(PageImport, EnabledOnlyForAPageWithoutKind) {
    EXPECT_FALSE(ImportPageEnabled(nullptr));
    EXPECT_FALSE(ImportPageEnabled(tree_.Root()));
    EXPECT_TRUE(ImportPageEnabled(&P()));
    EXPECT_FALSE(ImportPageEnabled(tree_.Root()->Child(1)));
}

TEST_F(PageImport, CoursePageLinksFromThePicker) {
    struct Case {
        int index;
        bool made;
        TLinkKind kind;
        std::string target;
    };
    const std::vector<Case> cases = {
        {0, true, TLinkKind::CoursePage, "0602"},
        {1, true, TLinkKind::InternetAddress, "http://x.pl"},
        {2, true, TLinkKind::CoursePage, "0402"},
        {7, true, TLinkKind::CoursePage, "10"},
        {3, false, TLinkKind::CoursePage, ""},
        {4, false, TLinkKind::CoursePage, ""},
    };
    for (const Case& c : cases) {
        TLinksGrid grid;
        TLinkSteps steps;
        steps.askProjectFile = [this](const std::string& filter) {
            EXPECT_EQ(filter, "Kursy|*.vlmproject;*.prj");
            return std::optional<fs::path>(other_);
        };
        steps.showPicker = [&](TPagePicker& p) {
            return p.Choose(p.Tree().Root()->Child(c.index));
        };
        bool shown = false;
        steps.showLinkDialog = [&](TLinkDialog& d) {
            shown = true;
            EXPECT_EQ(d.Kind, c.kind) << c.index;
            EXPECT_EQ(d.TargetEditable(), c.kind == TLinkKind::InternetAddress);
            return d.Confirm(prompt_);
        };
        TPagePicker picker(prompt_, clock_, random_);
        int counter = 0;
        EXPECT_EQ(AddCoursePageLink(grid, picker, counter, steps), c.made) << c.index;
        EXPECT_EQ(shown, c.made) << c.index;
        if (!c.made)
            continue;
        ASSERT_EQ(grid.Rows.size(), 1u);
        const std::string name = picker.Result().ChosenName;
        EXPECT_EQ(grid.Rows[0], (TPageLink{name, "Inny kurs: " + name, c.target,
                                           c.kind == TLinkKind::CoursePage ? "Strona kursu"
                                                                           : "Adres internetowy"}));
    }
}

} // namespace
} // namespace vlm::test
