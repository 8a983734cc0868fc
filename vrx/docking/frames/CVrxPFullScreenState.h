#pragma once

// A frame's full-screen mode, embedded in its frame helper: entering keeps
// the frame's rectangle and its bar manager's layout (under a profile) and
// puts a floating toolbar with the command that leaves; leaving puts the
// frame back where it was and reloads that layout.

#include "core/Platform.h"
#include "strings/CString.h"

class CFrameWnd;
class CVrxPFrameHelper;
class CVrxPToolBar;

class CVrxPFullScreenState
{
public:
    explicit CVrxPFullScreenState(CVrxPFrameHelper* pHelper) : helper(pHelper) {}
    virtual ~CVrxPFullScreenState();
    CVrxPFullScreenState(const CVrxPFullScreenState&) = delete;
    CVrxPFullScreenState& operator=(const CVrxPFullScreenState&) = delete;

    // The frame's client area covers its monitor; the toolbar (control id
    // nToolbarId) holds the command nLeaveCommand. FALSE when the frame is
    // full screen already or the toolbar cannot be made.
    BOOL EnterFullScreen(CFrameWnd* pFrame, LPCTSTR lpszProfile, UINT nToolbarId, UINT nLeaveCommand);
    void LeaveFullScreen(CFrameWnd* pFrame);
    // FALSE when not full screen; else the frame may grow to the full-screen
    // rectangle.
    BOOL FullScreenLimits(MINMAXINFO* pInfo) const;
    BOOL IsActive() const { return active; }

    RECT fullScreenRect = {};
    CVrxPToolBar* toolbar = nullptr;
    BOOL active = FALSE;
    BOOL showMenu = TRUE;
    RECT savedFrameRect = {};
    CVrxPFrameHelper* helper;
    int toolbarResourceId = -1;
    CString profile;

private:
    void DestroyToolbar();
};
