#pragma once

// An MDI frame loaded from IDR_TEST_FRAME, with children made on demand;
// whatever is left is destroyed after the test.

#include "FramesTestWindows.h"

#include <gtest/gtest.h>

class MdiTestFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestLog().clear();
        m_pFrame = new TestMDIFrame;
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_TEST_FRAME));
        m_hWndFrame = m_pFrame->m_hWnd;
        m_hMenuA = ::LoadMenu(::GetModuleHandle(NULL), MAKEINTRESOURCE(IDR_CHILD_A));
        m_hMenuB = ::LoadMenu(::GetModuleHandle(NULL), MAKEINTRESOURCE(IDR_CHILD_B));
        m_hAccelA = ::LoadAccelerators(::GetModuleHandle(NULL), MAKEINTRESOURCE(IDR_CHILD_A));
    }

    void TearDown() override
    {
        if (AfxGetThread()->m_pMainWnd == m_pFrame)
            AfxGetThread()->m_pMainWnd = nullptr;
        if (::IsWindow(m_hWndFrame))
            ::DestroyWindow(m_hWndFrame);
        // Shared menus belong to whoever handed them to the children.
        ::DestroyMenu(m_hMenuA);
        ::DestroyMenu(m_hMenuB);
        MSG msg;
        ::PeekMessage(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE);
    }

    TestChild* NewChildA()
    {
        return static_cast<TestChild*>(
            m_pFrame->CreateNewChild(RUNTIME_CLASS(TestChild), IDR_CHILD_A, m_hMenuA, m_hAccelA));
    }

    TestChild* NewChildB()
    {
        return static_cast<TestChild*>(m_pFrame->CreateNewChild(RUNTIME_CLASS(TestChild), IDR_CHILD_B, m_hMenuB));
    }

    TestMDIFrame* m_pFrame = nullptr;
    HWND m_hWndFrame = NULL;
    HMENU m_hMenuA = NULL;
    HMENU m_hMenuB = NULL;
    HACCEL m_hAccelA = NULL;
};
