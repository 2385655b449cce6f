#include "export/ItemUrl.h"
#include "common/AsciiText.h"

#include "project/Project.h"

#include <gtest/gtest.h>

using namespace vlm;

namespace {

TProjectItem Item(int type, int id, const std::string& address = {}) {
    TProjectItem item;
    item.PageType = type;
    item.Id = id;
    item.Address = address;
    return item;
}

} // namespace

TEST(ItemUrl, PageAndItemAddressesOfEveryKind) {
    struct Case {
        TProjectItem item;
        const char* page;
        const char* leaf;
    };
    const Case cases[] = {
        {Item(ptContent, 12), "pages/p00012/_page.html", "pages/p00012/_page.html"},
        {Item(ptContent, 123456), "pages/p123456/_page.html", "pages/p123456/_page.html"},
        {Item(ptURLLink, 3, "http://x.org/a b:c"), "http://x.org/a b:c",
         "pages/lmsrequest/lmsrequest.html?type=http&amp;src=http%3A%2F%2Fx.org%2Fa+b%3Ac"},
        {Item(ptURLLink, 3, "http:\\\\x.org\\doc"), "http:\\\\x.org\\doc",
         "pages/lmsrequest/lmsrequest.html?type=http&amp;src=http%3A%2F%2Fx.org%2Fdoc"},
        {Item(ptOutsideDocument, 7, "Plan roku.pdf"), "pages\\p00007\\Plan roku.pdf",
         "pages/lmsrequest/lmsrequest.html?type=file&amp;src=pages%2Fp00007%2FPlan+roku.pdf"},
        {Item(ptNone, 4), "ds_blank.html",
         "pages/lmsrequest/lmsrequest.html?type=file&amp;src=blank.html"},
        {Item(9, 4), "ds_blank.html", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.page);
        EXPECT_EQ(PageUrl(c.item), c.page);
        EXPECT_EQ(ItemUrl(c.item), c.leaf);
    }
}

TEST(ItemUrl, TrimTextCutsControlsAndSpacesOnly) {
    EXPECT_EQ(TrimText(" \t a b \r\n"), "a b");
    EXPECT_EQ(TrimText("   "), "");
    EXPECT_EQ(TrimText("\xA0x\xA0"), "\xA0x\xA0"); // a cp1250 no-break space is no blank
}
