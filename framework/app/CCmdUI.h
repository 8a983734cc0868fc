#pragma once

// One user-interface item (a menu item, a button, a control) asked for its
// state: DoUpdate sends CN_UPDATE_COMMAND_UI through a target's OnCmdMsg, and
// the update handler found there calls Enable, SetCheck, SetRadio or SetText.
// Items of other kinds (toolbar buttons, ribbon elements, task items) derive
// from CCmdUI and override those four; the base applies them to m_pMenu or
// m_pOther through the window layer.

#include "core/Platform.h"

class CCmdTarget;
class CMenu;
class CWnd;

class FRAMEWORK_API CCmdUI
{
public:
    CCmdUI();

    UINT m_nID;
    UINT m_nIndex;
    UINT m_nIndexMax;
    CMenu* m_pMenu;
    CMenu* m_pSubMenu;
    CMenu* m_pParentMenu;
    CWnd* m_pOther;
    // Set by Enable: the update handler decided the enabled state itself.
    BOOL m_bEnableChanged;
    // Set by ContinueRouting: the handler passes the question on to the
    // next command target.
    BOOL m_bContinueRouting;

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCTSTR lpszText);

    void ContinueRouting();

    // Asks pTarget to update this item; TRUE when an update handler did.
    // When no handler set the enabled state and bDisableIfNoHndler is set,
    // the item is enabled exactly when a handler for the command exists
    // (asked without running it).
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
};
