#include "app/CCmdUI.h"

#include "app/CCmdTarget.h"
#include "app/CWindowLayer.h"

CCmdUI::CCmdUI()
    : m_nID(0), m_nIndex(0), m_nIndexMax(0), m_pMenu(nullptr), m_pSubMenu(nullptr), m_pParentMenu(nullptr),
      m_pOther(nullptr), m_bEnableChanged(FALSE), m_bContinueRouting(FALSE)
{
}

// The window layer applies a change to a menu item or a window; an item
// that is neither only records it.
static CWindowLayer* ItemLayer(const CCmdUI* pCmdUI)
{
    if (pCmdUI->m_pMenu == nullptr && pCmdUI->m_pOther == nullptr)
        return nullptr;
    return AfxGetWindowLayer();
}

void CCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    if (CWindowLayer* pLayer = ItemLayer(this))
        pLayer->EnableItem(this, bOn);
}

void CCmdUI::SetCheck(int nCheck)
{
    if (CWindowLayer* pLayer = ItemLayer(this))
        pLayer->CheckItem(this, nCheck);
}

void CCmdUI::SetRadio(BOOL bOn)
{
    if (CWindowLayer* pLayer = ItemLayer(this))
        pLayer->SetItemRadio(this, bOn);
}

void CCmdUI::SetText(LPCTSTR lpszText)
{
    if (CWindowLayer* pLayer = ItemLayer(this))
        pLayer->SetItemText(this, lpszText);
}

void CCmdUI::ContinueRouting()
{
    m_bContinueRouting = TRUE;
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    // Id 0 is a separator: nothing to ask about.
    if (m_nID == 0)
        return FALSE;

    m_bEnableChanged = FALSE;
    BOOL bHandled = pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
    if (bDisableIfNoHndler && !m_bEnableChanged)
    {
        AFX_CMDHANDLERINFO info = {nullptr, nullptr};
        Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
    }
    return bHandled;
}
