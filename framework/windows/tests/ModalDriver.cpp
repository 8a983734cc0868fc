#include "ModalDriver.h"

#include "WindowDriver.h"

namespace
{
ModalDriver* g_pActiveDriver = nullptr;
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
    return windriver::find_message_box(0);
}

CString MessageBoxText(HWND hWndBox)
{
    return windriver::message_box_text(hWndBox).c_str();
}

void PressButton(HWND hWndDialog, int nID)
{
    windriver::press_button(hWndDialog, nID);
}
