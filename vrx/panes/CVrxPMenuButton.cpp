#include "panes/CVrxPMenuButton.h"

#include "foundation/CVrxPContextMenuManager.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "gdi/CDC.h"
#include "toolbars/CVrxPPopupMenu.h"

IMPLEMENT_DYNAMIC(CVrxPMenuButton, CVrxPButton)

BEGIN_MESSAGE_MAP(CVrxPMenuButton, CVrxPButton)
    ON_WM_KEYDOWN()
    ON_WM_GETDLGCODE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CVrxPMenuButton::CVrxPMenuButton()
    : menuOnRight(FALSE), menu(NULL), chosenCommand(0), stayPressed(FALSE), systemTracking(TRUE), split(FALSE),
      m_bMenuOpen(FALSE), m_bOpenedByPress(FALSE)
{
}

CRect CVrxPMenuButton::ArrowArea(const CRect& rect)
{
    CRect rectArrow = rect;
    rectArrow.left = rect.right - CVrxPMenuGlyphs::GetImageSize().cx - arrowMargin;
    return rectArrow;
}

CSize CVrxPMenuButton::MeasureContent(BOOL bCalcOnly)
{
    CSize size = CVrxPButton::MeasureContent(TRUE);
    size.cx += CVrxPMenuGlyphs::GetImageSize().cx;
    if (!bCalcOnly)
        SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return size;
}

void CVrxPMenuButton::DrawContent(CDC* pDC, CRect rect, UINT nState)
{
    const CRect rectArrow = ArrowArea(rect);
    CRect rectRest = rect;
    rectRest.right = rectArrow.left;
    CVrxPButton::DrawContent(pDC, rectRest, nState);

    CVrxPMenuGlyphs::EnsureLoaded();
    CVrxPMenuGlyphs::DrawGlyphCentered(pDC, menuOnRight ? rightArrowGlyph : downArrowGlyph, rectArrow,
                                       (nState & ODS_DISABLED) != 0 ? 1 : 0);
    if (split)
    {
        CRect rectSeparator(rectArrow.left, rectArrow.top + 2, rectArrow.left + 2, rectArrow.bottom - 2);
        if (!IsThemed())
            rectSeparator.OffsetRect(pushOffset.cx, pushOffset.cy);
        pDC->Draw3dRect(&rectSeparator, VrxPGlobals().colorShade, VrxPGlobals().colorLightEdge);
    }
}

void CVrxPMenuButton::DropMenu()
{
    if (menu == NULL || m_bMenuOpen)
        return;
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    const CPoint anchor = menuOnRight ? CPoint(rectWindow.right, rectWindow.top)
                                      : CPoint(rectWindow.left, rectWindow.bottom);
    if (stayPressed)
        pushed = highlighted = TRUE;
    m_bMenuOpen = TRUE;
    Invalidate();

    const HWND hWnd = m_hWnd;
    CVrxPContextMenuManager* pManager = CVrxPContextMenuManager::Instance();
    if (!systemTracking && pManager != nullptr)
    {
        chosenCommand = static_cast<int>(pManager->TrackPopup(menu, anchor.x, anchor.y, this, FALSE));
        // A click that closed the menu may have given another control the
        // focus on its way there: taking it back would cancel that click.
        const HWND hFocus = ::GetFocus();
        if (::IsWindow(hWnd) && (hFocus == NULL || hFocus == hWnd))
            SetFocus();
    }
    else
    {
        chosenCommand = static_cast<int>(::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY, anchor.x, anchor.y, 0,
                                                          m_hWnd, nullptr));
    }
    if (!::IsWindow(hWnd))
        return;
    if (chosenCommand != 0)
        if (CWnd* pParent = GetParent())
            pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), 0), reinterpret_cast<LPARAM>(m_hWnd));
    if (!::IsWindow(hWnd))
        return;
    pushed = highlighted = m_bMenuOpen = FALSE;
    RedrawNow();
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    captured = FALSE;
}

void CVrxPMenuButton::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar == VK_SPACE || nChar == VK_DOWN)
    {
        m_bOpenedByPress = TRUE;
        DropMenu();
        return;
    }
    Default();
}

BOOL CVrxPMenuButton::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN && CVrxPPopupMenu::ActivePopup() == nullptr)
    {
        m_bOpenedByPress = TRUE;
        DropMenu();
        return TRUE;
    }
    return CVrxPButton::PreTranslateMessage(pMsg);
}

UINT CVrxPMenuButton::OnGetDlgCode()
{
    return DLGC_WANTARROWS;
}

void CVrxPMenuButton::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_bMenuOpen)
    {
        Default();
        return;
    }
    m_bOpenedByPress = TRUE;
    CRect rectClient;
    GetClientRect(&rectClient);
    if (split && !ArrowArea(rectClient).PtInRect(point))
    {
        m_bOpenedByPress = FALSE;
        chosenCommand = 0;
        CVrxPButton::OnLButtonDown(nFlags, point);
        return;
    }
    SetFocus();
    DropMenu();
}

void CVrxPMenuButton::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (stayPressed && m_bMenuOpen && pushed)
    {
        pressedInside = FALSE;
        Default();
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
        captured = FALSE;
        return;
    }
    if (m_bOpenedByPress)
    {
        m_bOpenedByPress = FALSE;
        return;
    }
    CVrxPButton::OnLButtonUp(nFlags, point);
}

void CVrxPMenuButton::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_bMenuOpen)
        return;
    CVrxPButton::OnLButtonDblClk(nFlags, point);
}

void CVrxPMenuButton::OnKillFocus(CWnd* pNewWnd)
{
    if (stayPressed && m_bMenuOpen && pushed)
    {
        Default();
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
        captured = FALSE;
        pressedInside = mouseInside = FALSE;
        return;
    }
    CVrxPButton::OnKillFocus(pNewWnd);
}
