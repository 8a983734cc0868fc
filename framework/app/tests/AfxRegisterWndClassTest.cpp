#include "app/AfxRegisterWndClass.h"
#include "app/ResourceChain.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
TEST(AfxRegisterWndClass, EqualArgumentsGiveTheSameClass)
{
    HCURSOR hCursor = LoadCursor(NULL, IDC_CROSS);
    HBRUSH hBrush = GetSysColorBrush(COLOR_WINDOW);

    LPCTSTR lpszFirst = AfxRegisterWndClass(CS_DBLCLKS, hCursor, hBrush);
    LPCTSTR lpszAgain = AfxRegisterWndClass(CS_DBLCLKS, hCursor, hBrush);
    EXPECT_EQ(lpszFirst, lpszAgain);

    std::string others[] = {AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW, hCursor, hBrush),
                            AfxRegisterWndClass(CS_DBLCLKS, NULL, hBrush),
                            AfxRegisterWndClass(CS_DBLCLKS, hCursor, NULL),
                            AfxRegisterWndClass(CS_DBLCLKS, hCursor, hBrush, LoadIcon(NULL, IDI_APPLICATION))};
    for (const std::string& other : others)
        EXPECT_NE(std::string(lpszFirst), other);

    WNDCLASS wndClass;
    ASSERT_TRUE(GetClassInfo(AfxGetInstanceHandle(), lpszFirst, &wndClass));
    EXPECT_EQ(UINT(CS_DBLCLKS), wndClass.style);
    EXPECT_EQ(hCursor, wndClass.hCursor);
    EXPECT_EQ(hBrush, wndClass.hbrBackground);

    HWND hWnd = CreateWindow(lpszFirst, "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, AfxGetInstanceHandle(), NULL);
    EXPECT_NE(HWND(NULL), hWnd);
    DestroyWindow(hWnd);
}

TEST(AfxRegisterWndClass, AllZeroArgumentsGiveAPlainClass)
{
    LPCTSTR lpszName = AfxRegisterWndClass(0);
    WNDCLASS wndClass;
    ASSERT_TRUE(GetClassInfo(AfxGetInstanceHandle(), lpszName, &wndClass));
    EXPECT_EQ(0u, wndClass.style);
    EXPECT_EQ(HCURSOR(NULL), wndClass.hCursor);
    EXPECT_EQ(HBRUSH(NULL), wndClass.hbrBackground);
    EXPECT_EQ(HICON(NULL), wndClass.hIcon);
}

TEST(AfxRegisterClass, AnExistingClassIsNoFailure)
{
    WNDCLASS wndClass = {};
    wndClass.lpfnWndProc = DefWindowProc;
    wndClass.hInstance = GetModuleHandle(NULL);
    wndClass.lpszClassName = "AppTestsClassTwice";
    EXPECT_TRUE(AfxRegisterClass(&wndClass));
    EXPECT_TRUE(AfxRegisterClass(&wndClass));
}
} // namespace
