#include "app/AfxMessageBox.h"
#include "app/CWinApp.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace
{
// The text of the message box captioned lpszCaption; waits for it to
// appear. NULL when none appears.
HWND FindMessageBox(LPCTSTR lpszCaption, LPCTSTR lpszText)
{
    for (int nTry = 0; nTry < 500; ++nTry)
    {
        for (HWND hWnd = FindWindow("#32770", lpszCaption); hWnd != NULL;
             hWnd = FindWindowEx(NULL, hWnd, "#32770", lpszCaption))
        {
            char szText[64] = "";
            GetDlgItemText(hWnd, 0xFFFF, szText, sizeof szText);
            if (std::string(szText) == lpszText)
                return hWnd;
        }
        Sleep(10);
    }
    return NULL;
}

// Both boxes at once: closing a message box takes Wine a while without a
// window manager.
TEST(AfxMessageBox, FromWorkerThreadsWithTheAppNameAndNoOwner)
{
    CWinApp app("message box test");
    int nTextResult = 0;
    int nResourceResult = 0;
    std::thread textWorker([&] { nTextResult = AfxMessageBox("Worker says hello", MB_OKCANCEL); });
    std::thread resourceWorker([&] { nResourceResult = AfxMessageBox(AFX_IDS_IDLEMESSAGE); });

    HWND hTextBox = FindMessageBox("message box test", "Worker says hello");
    HWND hResourceBox = FindMessageBox("message box test", "Ready");
    EXPECT_NE(HWND(NULL), hTextBox);
    EXPECT_NE(HWND(NULL), hResourceBox);
    EXPECT_EQ(HWND(NULL), GetWindow(hTextBox, GW_OWNER));
    EXPECT_EQ(HWND(NULL), GetWindow(hResourceBox, GW_OWNER));
    // MB_OK has no Cancel button, MB_OKCANCEL has.
    EXPECT_EQ(HWND(NULL), GetDlgItem(hResourceBox, IDCANCEL));
    EXPECT_NE(HWND(NULL), GetDlgItem(hTextBox, IDCANCEL));

    PostMessage(hTextBox, WM_COMMAND, IDCANCEL, 0);
    PostMessage(hResourceBox, WM_COMMAND, IDOK, 0);
    textWorker.join();
    resourceWorker.join();
    EXPECT_EQ(IDCANCEL, nTextResult);
    EXPECT_EQ(IDOK, nResourceResult);
}
} // namespace
