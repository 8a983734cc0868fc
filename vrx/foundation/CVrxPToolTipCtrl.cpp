#include "foundation/CVrxPToolTipCtrl.h"

#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPPainter.h"
#include "gdi/CBrush.h"
#include "gdi/CClientDC.h"
#include "gdi/CPaintDC.h"
#include "gdi/CPen.h"
#include "gdi/CRgn.h"
#include "foundation/CVrxPToolbarImageList.h"
#include "themes/CVrxPVisualManager.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarButton.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CVrxPToolTipCtrl, CToolTipCtrl)

BEGIN_MESSAGE_MAP(CVrxPToolTipCtrl, CToolTipCtrl)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_NOTIFY_REFLECT(TTN_SHOW, OnShow)
    ON_NOTIFY_REFLECT(TTN_POP, OnPop)
END_MESSAGE_MAP()

namespace
{
const COLORREF noColor = static_cast<COLORREF>(-1);
const int defaultGradientAngle = 90;
const int roundCorner = 4;

CString WithoutTabs(CString text)
{
    text.Replace("\t", "    ");
    return text;
}
} // namespace

CVrxPToolTipCtrl::CVrxPToolTipCtrl() = default;

void CVrxPToolTipCtrl::SetParams(const CVrxPToolTipOptions* pOptions)
{
    m_options = pOptions != nullptr ? *pOptions : CVrxPToolTipOptions();
}

void CVrxPToolTipCtrl::AssignDescription(const CString& description)
{
    FindHotButton();
    m_strDescription = WithoutTabs(description);
}

void CVrxPToolTipCtrl::FindHotButton()
{
    m_pHotButton = nullptr;
    m_pHotImages = nullptr;
    if (m_pOwnerToolbar == nullptr || m_pOwnerToolbar->GetSafeHwnd() == NULL)
        return;
    CPoint cursor;
    ::GetCursorPos(&cursor);
    m_pOwnerToolbar->ScreenToClient(&cursor);
    const int nIndex = m_pOwnerToolbar->ButtonIndexAtPoint(cursor);
    if (nIndex < 0)
        return;
    m_pHotButton = m_pOwnerToolbar->GetButton(nIndex);
    if (m_pHotButton == nullptr)
        return;
    if (m_pOwnerToolbar->HasOwnImages())
        m_pHotImages = m_pOwnerToolbar->OwnImages();
    else if (m_pHotButton->userImage)
        m_pHotImages = CVrxPToolBar::UserImageList();
    else
    {
        m_pHotImages = CVrxPToolBar::SharedImages();
        if (m_pHotImages == nullptr || m_pHotImages->GetCount() == 0)
            m_pHotImages = CVrxPToolBar::SharedSecondImages();
    }
}

CSize CVrxPToolTipCtrl::QueryIconSize()
{
    if (m_pHotButton == nullptr || m_pHotImages == nullptr || m_pHotButton->GetEffectiveImage() < 0)
        return CSize(0, 0);
    return m_pHotImages->GetImageSize();
}

CSize CVrxPToolTipCtrl::ShownIconSize()
{
    return m_options.drawIcon ? QueryIconSize() : CSize(0, 0);
}

BOOL CVrxPToolTipCtrl::PaintIcon(CDC* pDC, CRect rect)
{
    if (m_pHotButton == nullptr || m_pHotImages == nullptr)
        return FALSE;
    const UINT nStyle = m_pHotButton->style;
    const BOOL bTextShown = m_pHotButton->textShown;
    m_pHotButton->style &= ~(CVrxPToolbarButton::styleChecked | CVrxPToolbarButton::stylePressed |
                             CVrxPToolbarButton::styleDisabled);
    // Only the image: the label is the tip's own.
    m_pHotButton->textShown = FALSE;
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(&rect);
    m_pHotButton->Draw(pDC, rect, m_pHotImages);
    pDC->RestoreDC(nSaved);
    m_pHotButton->textShown = bTextShown;
    m_pHotButton->style = nStyle;
    return TRUE;
}

BOOL CVrxPToolTipCtrl::ShowsDescription() const
{
    return m_options.drawDescription && !m_strDescription.IsEmpty();
}

CString CVrxPToolTipCtrl::LabelText() const
{
    CString text;
    GetWindowText(text);
    return WithoutTabs(text);
}

int CVrxPToolTipCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CToolTipCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    // A popup's parent is the top-level window: the window it was made for
    // is the one in the creation data.
    CWnd* pParent = CWnd::FromHandlePermanent(lpCreateStruct->hwndParent);
    m_pOwnerToolbar = pParent != nullptr && pParent->IsKindOf(RUNTIME_CLASS(CVrxPToolBar))
                          ? static_cast<CVrxPToolBar*>(pParent)
                          : nullptr;
    ModifyStyle(WS_BORDER, m_options.balloon ? TTS_BALLOON : 0);
    return 0;
}

BOOL CVrxPToolTipCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CVrxPToolTipCtrl::PaintBackground(CDC* pDC, CRect rect, COLORREF&, COLORREF&)
{
    if (m_options.fillColor == noColor)
        pDC->FillRect(&rect, CBrush::FromHandle(GetSysColorBrush(COLOR_INFOBK)));
    else if (m_options.gradientColor == noColor)
        pDC->FillSolidRect(&rect, m_options.fillColor);
    else
        CVrxPPainter(*pDC).PaintDirectionalGradient(
            rect, m_options.gradientColor, m_options.fillColor,
            m_options.gradientAngle == -1 ? defaultGradientAngle : m_options.gradientAngle);
}

void CVrxPToolTipCtrl::PaintFrame(CDC* pDC, CRect rect, COLORREF colorFrame)
{
    if (m_options.roundedCorners)
    {
        const POINT outline[] = {{rect.left + 2, rect.top},        {rect.right - 3, rect.top},
                                 {rect.right - 1, rect.top + 2},   {rect.right - 1, rect.bottom - 3},
                                 {rect.right - 3, rect.bottom - 1}, {rect.left + 2, rect.bottom - 1},
                                 {rect.left, rect.bottom - 3},     {rect.left, rect.top + 2},
                                 {rect.left + 2, rect.top}};
        pDC->Polyline(outline, static_cast<int>(sizeof(outline) / sizeof(outline[0])));
        return;
    }
    pDC->Draw3dRect(&rect, colorFrame, colorFrame);
}

CSize CVrxPToolTipCtrl::PaintLabel(CDC* pDC, CRect rect, BOOL bMeasure)
{
    CVrxPGlobals& globals = VrxPGlobals();
    const CString text = LabelText();
    CFont* pOldFont =
        pDC->SelectObject(m_options.boldLabel && ShowsDescription() ? &globals.fontBold : &globals.fontRegular);
    CSize size;
    if (text.Find('\n') >= 0)
    {
        CRect textRect = rect;
        const int nHeight = pDC->DrawText(text, &textRect, DT_WORDBREAK | DT_NOPREFIX | (bMeasure ? DT_CALCRECT : 0));
        size = CSize(bMeasure ? textRect.Width() : rect.Width(), nHeight);
    }
    else if (bMeasure)
        size = pDC->GetTextExtent(text);
    else
    {
        const UINT nFormat = DT_SINGLELINE | DT_NOPREFIX | (ShowsDescription() ? 0 : DT_VCENTER);
        CRect textRect = rect;
        size = CSize(rect.Width(), pDC->DrawText(text, &textRect, nFormat));
    }
    pDC->SelectObject(pOldFont);
    return size;
}

CSize CVrxPToolTipCtrl::PaintDescription(CDC* pDC, CRect rect, BOOL bMeasure)
{
    if (!m_options.drawDescription)
        return CSize(0, 0);
    CFont* pOldFont = pDC->SelectObject(&VrxPGlobals().fontRegular);
    CRect textRect(rect.left, rect.top, rect.left + m_options.maxDescriptionWidth, rect.bottom);
    const int nHeight =
        pDC->DrawText(m_strDescription, &textRect, DT_WORDBREAK | DT_NOPREFIX | (bMeasure ? DT_CALCRECT : 0));
    pDC->SelectObject(pOldFont);
    return CSize(textRect.Width(), nHeight);
}

void CVrxPToolTipCtrl::PaintSeparator(CDC* pDC, int x1, int x2, int y)
{
    pDC->MoveTo(x1, y);
    pDC->LineTo(x2, y);
}

void CVrxPToolTipCtrl::OnShow(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    if (m_options.takeFromVisualManager)
    {
        CVrxPVisualManager::Instance()->QueryToolTipOptions(&m_options, -1);
        m_options.takeFromVisualManager = TRUE;
    }
    if (m_options.balloon)
        return;
    m_nMarginX = m_options.roundedCorners ? roundedMarginX : marginX;
    m_nMarginY = m_options.roundedCorners ? roundedMarginY : marginY;

    FindHotButton();
    const CSize icon = ShownIconSize();
    CClientDC dc(this);
    CSize size = PaintLabel(&dc, CRect(0, 0, 0, 0), TRUE);
    if (ShowsDescription())
    {
        const CSize description = PaintDescription(&dc, CRect(0, 0, m_options.maxDescriptionWidth, 0), TRUE);
        size.cy += description.cy + 2 * m_nMarginY;
        size.cx = std::max(size.cx, description.cx);
    }
    size.cy = std::max(size.cy, icon.cy);
    if (icon.cx > 0)
        size.cx += icon.cx + m_nMarginX;
    size.cx += 2 * m_nMarginX;
    size.cy += 2 * m_nMarginY;

    CRect window;
    GetWindowRect(&window);
    CRect workArea;
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    if (GetMonitorInfo(MonitorFromPoint(window.TopLeft(), MONITOR_DEFAULTTONEAREST), &monitor))
        workArea = monitor.rcWork;
    else
        SystemParametersInfo(SPI_GETWORKAREA, 0, &workArea, 0);

    POINT cursor;
    GetCursorPos(&cursor);
    BOOL bMoved = FALSE;
    BOOL bMovedUp = FALSE;
    CPoint position = window.TopLeft();
    const int nNeededBottom =
        std::max<int>(window.top + size.cy + 2, cursor.y + GetSystemMetrics(SM_CYCURSOR) + size.cy);
    if (nNeededBottom > workArea.bottom)
    {
        position.y = cursor.y - size.cy - 1;
        bMoved = bMovedUp = TRUE;
    }
    if (window.left + size.cx + 2 > workArea.right)
    {
        position.x = bMovedUp ? cursor.x - size.cx - 1 : workArea.right - size.cx - 1;
        bMoved = TRUE;
    }
    if (bMoved)
    {
        SetWindowPos(nullptr, position.x, position.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        *pResult = 1;
    }
    else
        SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    if (m_options.roundedCorners)
        ::SetWindowRgn(m_hWnd, CreateRoundRectRgn(0, 0, size.cx + 1, size.cy + 1, roundCorner, roundCorner), FALSE);
}

void CVrxPToolTipCtrl::OnPop(NMHDR*, LRESULT* pResult)
{
    m_strDescription.Empty();
    *pResult = 0;
}

void CVrxPToolTipCtrl::OnPaint()
{
    if (m_options.balloon)
    {
        Default();
        return;
    }
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CRect margin;
    GetMargin(&margin);
    CRect text = client;
    text.DeflateRect(margin.left, margin.top, margin.right, margin.bottom);
    text.DeflateRect(m_nMarginX, m_nMarginY);

    COLORREF colorFrame = m_options.borderColor != noColor ? m_options.borderColor : GetSysColor(COLOR_INFOTEXT);
    COLORREF colorText = m_options.textColor != noColor ? m_options.textColor : GetSysColor(COLOR_INFOTEXT);
    PaintBackground(&dc, client, colorText, colorFrame);
    CPen pen(PS_SOLID, 1, colorFrame);
    CPen* pOldPen = dc.SelectObject(&pen);
    PaintFrame(&dc, client, colorFrame);

    const CSize icon = ShownIconSize();
    if (icon.cx > 0 && icon.cy > 0)
    {
        PaintIcon(&dc, CRect(text.TopLeft(), icon));
        text.left += icon.cx + m_nMarginX;
    }

    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(colorText);
    const CSize label = PaintLabel(&dc, text, FALSE);
    if (ShowsDescription())
    {
        const int y = text.top + label.cy + m_nMarginY * 3 / 2;
        if (m_options.drawSeparator)
            PaintSeparator(&dc, text.left, text.right, y - m_nMarginY / 2);
        PaintDescription(&dc, CRect(text.left, y, text.right, text.bottom), FALSE);
    }
    dc.SelectObject(pOldPen);
}
