#include "toolbars/CVrxPToolbarCmdUI.h"

#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarButton.h"

namespace
{
// The part of a button text before its shortcut column.
CString BeforeTab(const CString& text)
{
    const int nTab = text.Find('\t');
    return nTab < 0 ? text : text.Left(nTab);
}
} // namespace

CVrxPToolbarCmdUI::CVrxPToolbarCmdUI(CVrxPToolBar* pBar) : m_pBar(pBar)
{
    m_nIndexMax = static_cast<UINT>(pBar->GetCount());
}

void CVrxPToolbarCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    const CVrxPToolbarButton* pButton = m_pBar->GetButton(static_cast<int>(m_nIndex));
    if (pButton == nullptr)
        return;
    UINT nStyle = pButton->style & ~CVrxPToolbarButton::styleDisabled;
    if (!bOn)
        nStyle |= CVrxPToolbarButton::styleDisabled;
    m_pBar->ChangeButtonStyle(static_cast<int>(m_nIndex), nStyle);
}

void CVrxPToolbarCmdUI::SetCheck(int nCheck)
{
    const CVrxPToolbarButton* pButton = m_pBar->GetButton(static_cast<int>(m_nIndex));
    if (pButton == nullptr)
        return;
    if (nCheck > maximumCheckState)
        nCheck = 1;
    UINT nStyle = pButton->style & ~(CVrxPToolbarButton::styleChecked | CVrxPToolbarButton::styleIndeterminate);
    if (nCheck == 1)
        nStyle |= CVrxPToolbarButton::styleChecked;
    else if (nCheck == 2)
        nStyle |= CVrxPToolbarButton::styleIndeterminate;
    m_pBar->ChangeButtonStyle(static_cast<int>(m_nIndex), nStyle | CVrxPToolbarButton::styleCheckBox);
}

void CVrxPToolbarCmdUI::SetRadio(BOOL bOn)
{
    SetCheck(bOn ? 1 : 0);
}

void CVrxPToolbarCmdUI::SetText(LPCTSTR lpszText)
{
    CVrxPToolbarButton* pButton = m_pBar->GetButton(static_cast<int>(m_nIndex));
    if (pButton == nullptr || lpszText == nullptr)
        return;
    const CString text(lpszText);
    if (BeforeTab(text) == BeforeTab(pButton->text))
        return;
    pButton->text = text;
    m_pBar->RecalcBarLayout();
}
