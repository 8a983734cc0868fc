#include "panes/CVrxPDialog.h"

#include "app/CWinThread.h"
#include "foundation/CVrxPGlobals.h"
#include "gdi/CDC.h"

IMPLEMENT_DYNAMIC(CVrxPDialog, CDialog)

BEGIN_MESSAGE_MAP(CVrxPDialog, CDialog)
    ON_WM_ACTIVATE()
    ON_WM_NCACTIVATE()
    ON_WM_ERASEBKGND()
    ON_WM_CTLCOLOR()
    ON_WM_DESTROY()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_SETTINGCHANGE()
END_MESSAGE_MAP()

CVrxPDialog::CVrxPDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : CDialog(nIDTemplate, pParentWnd), backgroundBitmap(NULL), bitmapPlacement(-1), deleteBitmap(FALSE),
      m_guard(this), m_pPopup(nullptr)
{
}

CVrxPDialog::~CVrxPDialog()
{
    backgroundBrush.DeleteObject();
}

void CVrxPDialog::SetCurrentPopupMenu(CVrxPPopupMenu* pPopup)
{
    m_pPopup = pPopup;
    m_guard.SetActivePopup(pPopup);
}

BOOL CVrxPDialog::PreTranslateMessage(MSG* pMsg)
{
    if (m_guard.FilterMessage(pMsg))
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

BOOL CVrxPDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_guard.FilterCommand(wParam))
        return TRUE;
    return CDialog::OnCommand(wParam, lParam);
}

BOOL CVrxPDialog::IsMainWindow() const
{
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr && pThread->m_pMainWnd == this;
}

void CVrxPDialog::OnActivate(UINT nState, CWnd* pWndOther, BOOL)
{
    m_guard.TrackActivation(nState != WA_INACTIVE, pWndOther);
}

BOOL CVrxPDialog::OnNcActivate(BOOL bActive)
{
    return static_cast<BOOL>(DefWindowProc(WM_NCACTIVATE, m_guard.AdjustNcActive(bActive), 0));
}

BOOL CVrxPDialog::OnEraseBkgnd(CDC* pDC)
{
    const BOOL bHasBrush = backgroundBrush.GetSafeHandle() != NULL;
    if (!bHasBrush && backgroundBitmap == NULL)
        return static_cast<BOOL>(Default());
    CRect rectClient;
    GetClientRect(&rectClient);
    if (bitmapPlacement != placeTiled || backgroundBitmap == NULL)
    {
        if (!bHasBrush)
            Default();
        else
            pDC->FillRect(&rectClient, &backgroundBrush);
    }
    if (backgroundBitmap != NULL)
        PaintBackgroundBitmap(pDC, rectClient);
    return TRUE;
}

void CVrxPDialog::PaintBackgroundBitmap(CDC* pDC, const CRect& rectClient)
{
    BITMAP info = {};
    ::GetObject(backgroundBitmap, sizeof(info), &info);
    const int cx = info.bmWidth;
    const int cy = info.bmHeight;
    if (cx <= 0 || cy <= 0)
        return;
    auto draw = [&](int x, int y) {
        ::DrawState(pDC->GetSafeHdc(), NULL, NULL, reinterpret_cast<LPARAM>(backgroundBitmap), 0, x, y, cx, cy,
                    DST_BITMAP);
    };
    switch (bitmapPlacement)
    {
    case placeTiled:
        for (int y = rectClient.top; y < rectClient.bottom; y += cy)
            for (int x = rectClient.left; x < rectClient.right; x += cx)
                draw(x, y);
        break;
    case placeTopRight:
        draw(rectClient.right - cx, rectClient.top);
        break;
    case placeBottomLeft:
        draw(rectClient.left, rectClient.bottom - cy);
        break;
    case placeBottomRight:
        draw(rectClient.right - cx, rectClient.bottom - cy);
        break;
    default:
        draw(rectClient.left, rectClient.top);
        break;
    }
}

HBRUSH CVrxPDialog::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if ((backgroundBrush.GetSafeHandle() != NULL || backgroundBitmap != NULL) && nCtlColor == CTLCOLOR_STATIC &&
        pWnd != nullptr)
    {
        char className[16] = {};
        ::GetClassName(pWnd->GetSafeHwnd(), className, sizeof(className));
        if (lstrcmpi(className, "Static") == 0 || lstrcmpi(className, "Button") == 0)
        {
            pDC->SetBkMode(TRANSPARENT);
            return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
        }
    }
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}

void CVrxPDialog::OnDestroy()
{
    if (deleteBitmap && backgroundBitmap != NULL)
    {
        ::DeleteObject(backgroundBitmap);
        backgroundBitmap = NULL;
    }
    m_guard.ForgetOwner();
    m_pPopup = nullptr;
    CDialog::OnDestroy();
}

void CVrxPDialog::OnSysColorChange()
{
    CDialog::OnSysColorChange();
    if (IsMainWindow())
        VrxPGlobals().RefreshSysColors();
}

void CVrxPDialog::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CDialog::OnSettingChange(uFlags, lpszSection);
    if (IsMainWindow())
        VrxPGlobals().RefreshShellSettings();
}
