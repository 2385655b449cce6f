#include "project/Links.h"

#include "PagePropsTestSupport.h"

namespace vlm::test {
namespace {

class PageLinks : public PagePropsTest {};

TEST_F(PageLinks, StoresEachTextAsCharacterReferencesWithTheSeparators) {
    EXPECT_EQ(LinksToText({{"A", "B", "C.D", "E"}}), "A||B||C&#046;D||E#|#");
    EXPECT_EQ(LinksToText({{"Wstep", "Kurs: Wstep", "060315143105877", "Strona kursu"},
                           {"WWW", "Strona", "http://x.pl/a?b", "Adres internetowy"}}),
              "Wstep||Kurs&#058; Wstep||060315143105877||Strona kursu#|#"
              "WWW||Strona||http&#058;&#047;&#047;x&#046;pl&#047;a&#063;b||Adres internetowy#|#");
    EXPECT_EQ(LinksToText({}), "");
}

TEST_F(PageLinks, ReadsBackWhatItStores) {
    const std::vector<TPageLink> links = {
        {"Z\xF3\xB3w\xB9", "Opis; 100%", "http://a.pl/?x=1&y=2", "U"}, {"B", "", "", "K"}};
    EXPECT_EQ(LinksFromText(LinksToText(links)), links);
}

TEST_F(PageLinks, SplitsTheDecodedTextSoSeparatorsInsideTextsSplitWrongly) {
    struct Case {
        TPageLink stored;
        std::vector<TPageLink> read;
    };
    const std::vector<Case> cases = {
        // "||" in the short name: every field shifts one to the right, the kind is lost.
        {{"a||b", "opis", "cel", "typ"}, {{"a", "b", "opis", "cel"}}},
        // "#|#" in the description: the link falls into two.
        {{"a", "x#|#y", "cel", "typ"}, {{"a", "x", "", ""}, {"y", "cel", "typ", ""}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LinksFromText(LinksToText({c.stored})), c.read) << c.stored.ShortName;
}

TEST_F(PageLinks, ReadsMissingFieldsAsEmptyAndKeepsAMalformedReference) {
    EXPECT_EQ(LinksFromText("A||B#|#"), (std::vector<TPageLink>{{"A", "B", "", ""}}));
    EXPECT_EQ(LinksFromText("A&#x;||B||C||D#|#"),
              (std::vector<TPageLink>{{"A&#x;", "B", "C", "D"}}));
    EXPECT_TRUE(LinksFromText("").empty());
}

TEST_F(PageLinks, GridDropsRowsWithoutShortNameWhenCompacted) {
    TLinksGrid grid;
    grid.Rows = {{"A", "1", "t", "k"}, {"", "x", "t", "k"}, {"C", "3", "t", "k"}};
    grid.Append({"D", "4", "t", "k"});
    ASSERT_EQ(grid.Rows.size(), 3u);
    EXPECT_EQ(grid.Rows[2].ShortName, "D");
    EXPECT_TRUE(grid.RemoveRow(0));
    EXPECT_FALSE(grid.RemoveRow(5));
    ASSERT_EQ(grid.Rows.size(), 2u);
    EXPECT_EQ(grid.Rows[0].ShortName, "C");
    EXPECT_EQ(TLinksGrid::HeaderCaptions(),
              (std::vector<std::string>{"Nazwa", "Opis", "Odnosnik", "Typ"}));
}

TEST_F(PageLinks, LinkDialogNeedsEveryFieldAndGivesAddressesAScheme) {
    struct Case {
        TLinkKind kind;
        std::string target, name, description;
        bool accepted;
        std::string stored;
    };
    const std::vector<Case> cases = {
        {TLinkKind::InternetAddress, "www.x.pl", "X", "Opis", true, "http://www.x.pl"},
        {TLinkKind::InternetAddress, "http://x.pl", "X", "Opis", true, "http://x.pl"},
        // A scheme of its own stays: "http://https://..." would lead nowhere.
        {TLinkKind::InternetAddress, "https://x.pl", "X", "Opis", true, "https://x.pl"},
        {TLinkKind::CoursePage, "060315", "X", "Opis", true, "060315"},
        {TLinkKind::InternetAddress, "", "X", "Opis", false, ""},
        {TLinkKind::InternetAddress, "x.pl", "", "Opis", false, "x.pl"},
        {TLinkKind::CoursePage, "060315", "X", "", false, "060315"},
    };
    for (const Case& c : cases) {
        prompt_.calls.clear();
        TLinkDialog dialog(c.kind);
        dialog.Target = c.target;
        dialog.ShortName = c.name;
        dialog.Description = c.description;
        EXPECT_EQ(dialog.Confirm(prompt_), c.accepted) << c.target;
        EXPECT_EQ(dialog.Target, c.stored);
        if (c.accepted) {
            EXPECT_TRUE(prompt_.calls.empty());
        } else {
            ASSERT_EQ(prompt_.calls.size(), 1u);
            EXPECT_EQ(prompt_.calls[0].kind, "ShowMessage");
            EXPECT_EQ(prompt_.calls[0].text, "Wypelnij wszystkie pola.");
        }
    }
}

TEST_F(PageLinks, LinkDialogLabelsAndKindTextFollowTheKind) {
    TLinkDialog page(TLinkKind::CoursePage), url(TLinkKind::InternetAddress);
    EXPECT_EQ(page.TargetLabel(), "Strona kursu: ");
    EXPECT_FALSE(page.TargetEditable());
    EXPECT_EQ(url.TargetLabel(), "Adres internetowy: ");
    EXPECT_TRUE(url.TargetEditable());
    url.Target = "x.pl";
    url.ShortName = "X";
    url.Description = "D";
    EXPECT_EQ(url.Link(), (TPageLink{"X", "D", "x.pl", "Adres internetowy"}));
}

TEST_F(PageLinks, InternetLinkIsAppendedOnlyOnOk) {
    TLinksGrid grid;
    TLinkSteps steps;
    steps.showLinkDialog = [&](TLinkDialog& d) {
        EXPECT_TRUE(d.Target.empty());
        d.Target = "x.pl";
        d.ShortName = "X";
        d.Description = "Opis";
        return d.Confirm(prompt_);
    };
    EXPECT_TRUE(AddInternetLink(grid, steps));
    steps.showLinkDialog = [](TLinkDialog&) { return false; };
    EXPECT_FALSE(AddInternetLink(grid, steps));
    EXPECT_EQ(grid.Rows,
              (std::vector<TPageLink>{{"X", "Opis", "http://x.pl", "Adres internetowy"}}));
}

} // namespace
} // namespace vlm::test
