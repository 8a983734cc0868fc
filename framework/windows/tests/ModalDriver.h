#pragma once

// Drives a modal loop that blocks the test (a dialog, a message box): a
// thread timer runs the steps in order, each until it reports it is done,
// from inside whatever loop pumps the thread's messages.

#include "strings/CString.h"

#include <functional>
#include <vector>

class ModalDriver
{
public:
    using Step = std::function<bool()>;

    explicit ModalDriver(std::vector<Step> steps);
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    bool Finished() const { return m_nNext == m_steps.size(); }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);

    std::vector<Step> m_steps;
    size_t m_nNext = 0;
    UINT_PTR m_nTimer = 0;
};

// A visible message box of this process, or NULL.
HWND FindMessageBox();
// The text a message box shows.
CString MessageBoxText(HWND hWndBox);
// Presses the button with the id in a dialog or message box.
void PressButton(HWND hWndDialog, int nID);
