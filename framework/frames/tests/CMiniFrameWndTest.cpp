#include "frames/CMiniFrameWnd.h"

#include <gtest/gtest.h>

namespace
{
class CountedMiniFrame : public CMiniFrameWnd
{
public:
    ~CountedMiniFrame() override { ++s_nDeleted; }
    static int s_nDeleted;
};

int CountedMiniFrame::s_nDeleted = 0;

TEST(CMiniFrameWnd, AnOwnedPopupWithItsOwnClassThatDeletesItself)
{
    CFrameWnd* pOwner = new CFrameWnd;
    ASSERT_TRUE(pOwner->Create(NULL, "owner", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
    CountedMiniFrame::s_nDeleted = 0;
    CountedMiniFrame* pMini = new CountedMiniFrame;
    ASSERT_TRUE(pMini->Create(NULL, "mini", WS_POPUP | WS_BORDER, CRect(20, 30, 120, 90), pOwner));
    HWND hWndMini = pMini->m_hWnd;

    EXPECT_TRUE(pMini->IsKindOf(RUNTIME_CLASS(CFrameWnd)));
    EXPECT_TRUE(pMini->IsFrameWnd());
    EXPECT_EQ(pOwner->m_hWnd, ::GetWindow(hWndMini, GW_OWNER));
    EXPECT_FALSE(::GetWindowLong(hWndMini, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_STREQ("mini", pMini->GetTitle());

    // Mini frames paint their own background, unlike ordinary frames.
    char szMini[256], szOwner[256];
    ::GetClassName(hWndMini, szMini, 256);
    ::GetClassName(pOwner->m_hWnd, szOwner, 256);
    EXPECT_STRNE(szOwner, szMini);
    EXPECT_EQ(0, ::GetClassLongPtr(hWndMini, GCLP_HBRBACKGROUND));
    EXPECT_TRUE(::GetClassLong(hWndMini, GCL_STYLE) & CS_DBLCLKS);

    ::DestroyWindow(hWndMini);
    EXPECT_EQ(1, CountedMiniFrame::s_nDeleted);
    pOwner->DestroyWindow();
}

TEST(CMiniFrameWnd, AClientEdgeAskedForIsDropped)
{
    CountedMiniFrame::s_nDeleted = 0;
    CountedMiniFrame* pMini = new CountedMiniFrame;
    ASSERT_TRUE(pMini->CreateEx(WS_EX_TOOLWINDOW | WS_EX_CLIENTEDGE, NULL, "tool", WS_POPUP, CRect(0, 0, 50, 50),
                                NULL, 0));
    const LONG lExStyle = ::GetWindowLong(pMini->m_hWnd, GWL_EXSTYLE);
    EXPECT_TRUE(lExStyle & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(lExStyle & WS_EX_CLIENTEDGE);
    pMini->DestroyWindow();
    EXPECT_EQ(1, CountedMiniFrame::s_nDeleted);
}
} // namespace
