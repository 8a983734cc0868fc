#include "panes/CVrxPURLLinkButton.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
const UINT linkId = 1041;

// The parent of the link: notes the button clicks it hears of.
class LinkParent : public CWnd
{
public:
    std::vector<UINT> clicks;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (HIWORD(wParam) == BN_CLICKED)
            clicks.push_back(LOWORD(wParam));
        return CWnd::OnCommand(wParam, lParam);
    }
};

class LinkButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, "#32770", "link", WS_POPUP | WS_VISIBLE, CRect(100, 100, 500, 300), nullptr, 0));
        HWND hButton = ::CreateWindowEx(0, "BUTTON", "www.example.org", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20,
                                        40, 300, 60, parent.GetSafeHwnd(),
                                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(linkId)), NULL, NULL);
        ASSERT_NE(static_cast<HWND>(NULL), hButton);
        ASSERT_TRUE(link.SubclassDlgItem(linkId, &parent));
    }
    void TearDown() override { parent.DestroyWindow(); }

    CRect LinkRect()
    {
        CRect rect;
        link.GetWindowRect(&rect);
        parent.ScreenToClient(&rect);
        return rect;
    }

    LinkParent parent;
    CVrxPURLLinkButton link;
};

TEST_F(LinkButtonTest, OpensThePrefixAndTheTargetOrItsText)
{
    EXPECT_STREQ("www.example.org", (LPCTSTR)link.BuildShellTarget());
    link.SetURLPrefix("mailto:");
    link.SetURL("service@example.org");
    EXPECT_STREQ("mailto:service@example.org", (LPCTSTR)link.BuildShellTarget());
}

TEST_F(LinkButtonTest, FitsItsTextKeepingTheCentreAsked)
{
    const CRect before = LinkRect();
    const CSize size = link.FitToText(TRUE, TRUE);
    const CRect after = LinkRect();
    EXPECT_EQ(size, after.Size());
    EXPECT_LT(size.cx, before.Width());
    EXPECT_LT(size.cy, before.Height());
    EXPECT_LE(abs(before.CenterPoint().x - after.CenterPoint().x), 1);
    EXPECT_LE(abs(before.CenterPoint().y - after.CenterPoint().y), 1);

    link.FitToText(FALSE, FALSE);
    EXPECT_EQ(after.TopLeft(), LinkRect().TopLeft()) << "without centring only the size changes";
}

TEST_F(LinkButtonTest, InCommandModeAClickReachesTheParent)
{
    link.commandMode = TRUE;
    link.SendMessage(BM_CLICK, 0, 0);
    ASSERT_EQ(1u, parent.clicks.size());
    EXPECT_EQ(linkId, parent.clicks[0]);
}

TEST_F(LinkButtonTest, EnterActsAtItsReleaseOnlyWhenItWasPressedOnTheLink)
{
    link.commandMode = TRUE;
    MSG release = {};
    release.hwnd = link.GetSafeHwnd();
    release.message = WM_KEYUP;
    release.wParam = VK_RETURN;
    EXPECT_TRUE(link.PreTranslateMessage(&release));
    EXPECT_TRUE(parent.clicks.empty()) << "the press went elsewhere, e.g. to the menu that opened this dialog";

    MSG press = release;
    press.message = WM_KEYDOWN;
    EXPECT_TRUE(link.PreTranslateMessage(&press));
    EXPECT_TRUE(parent.clicks.empty()) << "nothing at the press";
    EXPECT_TRUE(link.PreTranslateMessage(&release));
    EXPECT_EQ(std::vector<UINT>{linkId}, parent.clicks);
    EXPECT_TRUE(link.PreTranslateMessage(&release));
    EXPECT_EQ(1u, parent.clicks.size()) << "one press, one click";
}

TEST_F(LinkButtonTest, ADisabledLinkDoesNothing)
{
    link.commandMode = TRUE;
    link.EnableWindow(FALSE);
    EXPECT_TRUE(link.OnClicked());
    EXPECT_TRUE(parent.clicks.empty());
}

} // namespace
