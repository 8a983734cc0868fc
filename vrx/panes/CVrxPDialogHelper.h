#pragma once

// The popup guard of a library dialog, page or sheet. While a library popup
// menu is open on the window's behalf, a click anywhere outside the popup
// closes it (the click then goes on to its target), keys go to the popup,
// an accelerator only closes it, and the window's caption stays painted
// active while the focus is in the popup.

#include "core/Platform.h"
#include "strings/CPoint.h"

class CVrxPPopupMenu;
class CWnd;

class CVrxPDialogHelper
{
public:
    explicit CVrxPDialogHelper(CWnd* pOwner) : m_pOwner(pOwner) {}
    virtual ~CVrxPDialogHelper();
    CVrxPDialogHelper(const CVrxPDialogHelper&) = delete;
    CVrxPDialogHelper& operator=(const CVrxPDialogHelper&) = delete;

    // A popup opened for the owner (installs the mouse hook), or NULL when
    // the popup chain closed (removes it).
    void SetActivePopup(CVrxPPopupMenu* pPopup);
    // TRUE when the message is consumed.
    BOOL FilterMessage(MSG* pMsg);
    BOOL FilterCommand(WPARAM wParam);
    // TRUE when the click is consumed.
    BOOL ClosePopupOnClick(CPoint point);
    void TrackActivation(BOOL bActivating, CWnd* pOther);
    BOOL AdjustNcActive(BOOL bActive) const;
    // The owner's window is going: the guard stops serving it.
    void ForgetOwner();

    static BOOL IsPointOutsideActivePopup(CPoint point);
    static CVrxPDialogHelper* CurrentGuard();
    static BOOL HookInstalled();

private:
    static LRESULT CALLBACK MouseHookProc(int nCode, WPARAM wParam, LPARAM lParam);
    static void ClosePopup(CVrxPPopupMenu* pPopup);

    CWnd* m_pOwner;
};
