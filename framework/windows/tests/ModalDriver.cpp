#include "ModalDriver.h"

namespace
{
ModalDriver* g_pActiveDriver = nullptr;
// The text control of a message box.
const int kMessageBoxTextId = 0xFFFF;

BOOL CALLBACK FindBoxWindow(HWND hWnd, LPARAM lParam)
{
    char szClass[32];
    if (::IsWindowVisible(hWnd) && ::GetClassNameA(hWnd, szClass, sizeof(szClass)) > 0 &&
        lstrcmpA(szClass, "#32770") == 0 && ::GetDlgItem(hWnd, kMessageBoxTextId) != NULL)
    {
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
    }
    return TRUE;
}
} // namespace

ModalDriver::ModalDriver(std::vector<Step> steps) : m_steps(std::move(steps))
{
    g_pActiveDriver = this;
    m_nTimer = ::SetTimer(NULL, 0, 20, OnTimer);
}

ModalDriver::~ModalDriver()
{
    ::KillTimer(NULL, m_nTimer);
    g_pActiveDriver = nullptr;
}

void CALLBACK ModalDriver::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    ModalDriver* pDriver = g_pActiveDriver;
    // A step may run a nested loop that fires the timer again.
    static bool bRunning = false;
    if (pDriver == nullptr || pDriver->Finished() || bRunning)
        return;
    bRunning = true;
    if (pDriver->m_steps[pDriver->m_nNext]())
        ++pDriver->m_nNext;
    bRunning = false;
}

HWND FindMessageBox()
{
    HWND hWndBox = NULL;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindBoxWindow, reinterpret_cast<LPARAM>(&hWndBox));
    return hWndBox;
}

CString MessageBoxText(HWND hWndBox)
{
    char szText[512] = "";
    ::GetDlgItemTextA(hWndBox, kMessageBoxTextId, szText, sizeof(szText));
    return szText;
}

void PressButton(HWND hWndDialog, int nID)
{
    ::PostMessage(hWndDialog, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                  reinterpret_cast<LPARAM>(::GetDlgItem(hWndDialog, nID)));
}
