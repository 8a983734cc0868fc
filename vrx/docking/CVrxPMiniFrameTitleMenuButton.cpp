#include "docking/CVrxPMiniFrameTitleMenuButton.h"

#include "foundation/CVrxPContextMenuManager.h"
#include "themes/CVrxPVisualManager.h"
#include "windows/CWnd.h"

void CVrxPMiniFrameTitleMenuButton::Draw(CDC* pDC, BOOL bActive, BOOL bHorizontal, int nState, BOOL bForceDisabled)
{
    if (hidden)
        return;
    CVrxPVisualManager::Instance()->PaintCaptionButton(pDC, this, bActive, bHorizontal, nState, bForceDisabled, -1);
}

void CVrxPMiniFrameTitleMenuButton::RedrawIn(CWnd* pHost) const
{
    CRect rect = GetRect();
    pHost->InvalidateRect(&rect, TRUE);
    pHost->SendMessage(WM_NCPAINT, 0, 0);
}

void CVrxPMiniFrameTitleMenuButton::ShowMenu(HMENU hMenu, CWnd* pHost)
{
    CRect rectHost;
    pHost->GetWindowRect(&rectHost);
    const CSize size = GetStandardSize();
    const int xMenu = rectHost.left + x + size.cx;
    const int yMenu = rectHost.top + y + size.cy;

    menuOpen = TRUE;
    pushed = TRUE;
    RedrawIn(pHost);
    CVrxPContextMenuManager* pManager = CVrxPContextMenuManager::Instance();
    if (!plainPopup && pManager != nullptr)
        chosenCommand = pManager->TrackPopup(hMenu, xMenu, yMenu, pHost, TRUE);
    else
        chosenCommand = static_cast<UINT>(::TrackPopupMenu(hMenu, TPM_RETURNCMD | TPM_NONOTIFY, xMenu, yMenu, 0,
                                                           pHost->GetSafeHwnd(), nullptr));
    menuOpen = FALSE;
    pushed = FALSE;
    RedrawIn(pHost);
}
