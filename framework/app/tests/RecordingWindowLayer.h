#pragma once

// A window layer for tests: records what the application layer asks of it
// and takes the messages it is told to take. Installed for its lifetime;
// the layer that was installed before comes back afterwards.

#include "app/CWindowLayer.h"

#include <set>
#include <string>
#include <vector>

class RecordingWindowLayer : public CWindowLayer
{
public:
    RecordingWindowLayer();
    ~RecordingWindowLayer();

    BOOL WalkPreTranslateTree(CWnd* pMainWnd, MSG* pMsg) override;
    void UpdateIdleCommandUI(CWinThread* pThread) override;
    void DeleteTempObjects() override;
    HWND GetSafeHwnd(CWnd* pWnd) override;
    void EnableItem(CCmdUI* pCmdUI, BOOL bOn) override;
    void CheckItem(CCmdUI* pCmdUI, int nCheck) override;
    void SetItemRadio(CCmdUI* pCmdUI, BOOL bOn) override;
    void SetItemText(CCmdUI* pCmdUI, LPCTSTR lpszText) override;

    // Messages the walk takes.
    std::set<UINT> m_messagesTaken;
    // The handle GetSafeHwnd gives for any window.
    HWND m_hWndForAnyWindow = NULL;
    // One line per call, e.g. "walk 1025", "idle-update", "enable 1".
    std::vector<std::string> m_calls;

private:
    CWindowLayer* m_pPrevious;
};
