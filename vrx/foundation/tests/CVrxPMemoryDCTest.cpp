#include "foundation/CVrxPMemoryDC.h"

#include "foundation/VrxPFindOwnerFrame.h"
#include "foundation/VrxPMakeWindowClass.h"

#include "frames/CFrameWnd.h"
#include "windows/CWnd.h"

#include "TestCanvas.h"

#include <gtest/gtest.h>

namespace
{
const COLORREF red = RGB(255, 0, 0);
const COLORREF white = RGB(255, 255, 255);

class WindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_window.CreateEx(0, VrxPMakeWindowClass("VrxPTest"), "test", WS_POPUP, CRect(0, 0, 50, 40),
                                      nullptr, 0));
    }
    void TearDown() override { m_window.DestroyWindow(); }

    CWnd m_window;
};

TEST_F(WindowTest, BufferReachesTheTargetOnlyAtTheEnd)
{
    TestCanvas canvas(60, 60);
    {
        CVrxPMemoryDC memory(canvas.DC(), &m_window);
        ASSERT_TRUE(memory.IsBuffered());
        memory.GetDC().FillSolidRect(0, 0, 50, 40, red);
        EXPECT_EQ(white, canvas.Pixel(10, 10));
    }
    EXPECT_EQ(red, canvas.Pixel(10, 10));
    EXPECT_EQ(red, canvas.Pixel(49, 39));
    EXPECT_EQ(white, canvas.Pixel(50, 39));
}

TEST_F(WindowTest, EmptyClipBoxCopiesNothing)
{
    TestCanvas canvas(60, 60);
    canvas.DC().IntersectClipRect(0, 0, 0, 0);
    {
        CVrxPMemoryDC memory(canvas.DC(), &m_window);
        memory.GetDC().FillSolidRect(0, 0, 50, 40, red);
    }
    canvas.DC().SelectClipRgn(nullptr);
    EXPECT_EQ(0, canvas.Count(CRect(0, 0, 60, 60), red));
}

TEST(VrxPMakeWindowClass, SamePrefixGivesTheSameClassOnce)
{
    const CString first = VrxPMakeWindowClass("VrxPToolBar");
    const CString second = VrxPMakeWindowClass("VrxPToolBar");
    EXPECT_STREQ(first, second);
    EXPECT_EQ(0, first.Find("VrxPToolBar:"));
    EXPECT_EQ(first.GetLength() - 3, first.ReverseFind(':'));
    EXPECT_STREQ(":10", first.Right(3));
    WNDCLASS windowClass = {};
    ASSERT_TRUE(GetClassInfo(GetModuleHandle(NULL), first, &windowClass));
    EXPECT_EQ(static_cast<UINT>(CS_DBLCLKS), windowClass.style);
    EXPECT_STRNE(first, VrxPMakeWindowClass("VrxPSlider"));
}

TEST(VrxPFindOwnerFrame, NearestFrameAbove)
{
    EXPECT_EQ(nullptr, VrxPFindOwnerFrame(nullptr));
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, "frame"));
    CWnd child, grandChild;
    ASSERT_TRUE(child.CreateEx(0, VrxPMakeWindowClass("VrxPTest"), "", WS_CHILD, CRect(0, 0, 10, 10), pFrame, 1));
    ASSERT_TRUE(grandChild.CreateEx(0, VrxPMakeWindowClass("VrxPTest"), "", WS_CHILD, CRect(0, 0, 5, 5), &child, 2));
    EXPECT_EQ(pFrame, VrxPFindOwnerFrame(&grandChild));
    EXPECT_EQ(pFrame, VrxPFindOwnerFrame(&child));
    EXPECT_EQ(nullptr, VrxPFindOwnerFrame(pFrame));
    grandChild.DestroyWindow();
    child.DestroyWindow();
    pFrame->DestroyWindow();
}
} // namespace
