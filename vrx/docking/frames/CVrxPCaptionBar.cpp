#include "docking/frames/CVrxPCaptionBar.h"

#include "docking/VrxPShowBarContextMenu.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMemoryDC.h"
#include "foundation/VrxPFindOwnerFrame.h"
#include "frames/CFrameWnd.h"
#include "gdi/CDC.h"
#include "gdi/CPaintDC.h"
#include "gdi/CWindowDC.h"
#include "themes/CVrxPVisualManager.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/VrxPTrackMouseLeave.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CVrxPCaptionBar, CVrxPControlBar)

BEGIN_MESSAGE_MAP(CVrxPCaptionBar, CVrxPControlBar)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_RBUTTONUP()
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(WM_GETFONT, OnGetFont)
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
END_MESSAGE_MAP()

BOOL CVrxPCaptionBar::CreateBar(CWnd* pParent, UINT nID, DWORD dwAlignment)
{
    SetBarStyle(dwAlignment & alignmentMask);
    return CVrxPControlBar::CreateEx(0, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pParent, nID, 0);
}

int CVrxPCaptionBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CVrxPControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    SetWindowText(windowText);
    return 0;
}

HFONT CVrxPCaptionBar::CurrentFont() const
{
    return m_font != NULL ? m_font : static_cast<HFONT>(VrxPGlobals().fontRegular.GetSafeHandle());
}

CSize CVrxPCaptionBar::ImageSize() const
{
    if (m_images.GetCount() > 0)
        return m_images.GetImageSize();
    if (m_icon == NULL)
        return CSize(0, 0);
    ICONINFO info = {};
    if (!::GetIconInfo(m_icon, &info))
        return CSize(0, 0);
    BITMAP bitmap = {};
    HBITMAP hMeasured = info.hbmColor != NULL ? info.hbmColor : info.hbmMask;
    ::GetObject(hMeasured, sizeof(bitmap), &bitmap);
    // A monochrome icon keeps its image and mask one above the other.
    const int nHeight = info.hbmColor != NULL ? bitmap.bmHeight : bitmap.bmHeight / 2;
    if (info.hbmColor != NULL)
        ::DeleteObject(info.hbmColor);
    if (info.hbmMask != NULL)
        ::DeleteObject(info.hbmMask);
    return CSize(bitmap.bmWidth, nHeight);
}

void CVrxPCaptionBar::SyncLayoutRect()
{
    HDC hScreen = ::GetDC(NULL);
    HGDIOBJ hOldFont = ::SelectObject(hScreen, CurrentFont());
    TEXTMETRIC metrics = {};
    ::GetTextMetrics(hScreen, &metrics);
    const CSize imageSize = ImageSize();
    m_height = CVrxPCaptionBarLayout::BarHeight(m_fixedHeight, m_borderSize, m_margin, metrics.tmHeight,
                                                imageSize.cy);

    CRect client;
    if (m_hWnd != NULL)
        GetClientRect(&client);
    CVrxPCaptionBarLayout::Input input = {};
    input.client = client;
    input.margin = m_margin;
    input.spacing = m_spacing;
    input.hasImage = HasImage();
    input.imageSize = imageSize;
    input.stretchImage = m_stretchImage;
    input.imageAlign = m_imageAlign;
    input.hasButton = !m_buttonText.IsEmpty();
    if (input.hasButton)
    {
        SIZE extent = {};
        ::GetTextExtentPoint32(hScreen, m_buttonText, m_buttonText.GetLength(), &extent);
        input.buttonLabelWidth = static_cast<int>(extent.cx);
    }
    input.buttonArrow = ButtonHasArrow();
    input.buttonAlign = m_buttonAlign;
    input.hasText = !m_text.IsEmpty();
    if (input.hasText)
    {
        RECT bounds = client;
        ::DrawText(hScreen, m_text, m_text.GetLength(), &bounds, DT_CALCRECT | DT_SINGLELINE);
        input.textSize.cx = bounds.right - bounds.left;
        input.textSize.cy = bounds.bottom - bounds.top;
    }
    input.textAlign = m_textAlign;
    ::SelectObject(hScreen, hOldFont);
    ::ReleaseDC(NULL, hScreen);
    if (client.IsRectEmpty())
        return;

    const CVrxPCaptionBarLayout::Result result = CVrxPCaptionBarLayout::Arrange(input);
    m_imageRect = result.image;
    m_buttonRect = result.button;
    m_textBounds = result.textBounds;
    m_textRect = result.text;
}

void CVrxPCaptionBar::AdjustBarLayout()
{
    if (CFrameWnd* pFrame = VrxPFindOwnerFrame(this))
        pFrame->RecalcLayout(TRUE);
    SyncLayoutRect();
}

CSize CVrxPCaptionBar::CalcBarSize(BOOL, BOOL)
{
    SyncLayoutRect();
    return CSize(stretchLength, m_height);
}

void CVrxPCaptionBar::SetText(const CString& text, int nAlign)
{
    m_text = text;
    m_textAlign = nAlign;
    AdjustBarLayout();
    Invalidate();
}

void CVrxPCaptionBar::SetButton(const CString& label, UINT nCommand, int nAlign, BOOL bEnabled)
{
    m_buttonText = label;
    m_buttonCommand = nCommand;
    m_buttonAlign = nAlign;
    m_buttonEnabled = bEnabled;
    m_buttonHot = FALSE;
    m_buttonPressed = FALSE;
    AdjustBarLayout();
    Invalidate();
}

void CVrxPCaptionBar::SetButtonChecked(BOOL bChecked)
{
    m_buttonChecked = bChecked;
    RepaintButton();
}

void CVrxPCaptionBar::SetIcon(HICON hIcon, int nAlign)
{
    m_icon = hIcon;
    m_imageAlign = nAlign;
    AdjustBarLayout();
    Invalidate();
}

BOOL CVrxPCaptionBar::SetBitmap(HBITMAP hBitmap, int nAlign, BOOL bStretch)
{
    m_images.RemoveAllImages();
    BITMAP bitmap = {};
    if (hBitmap == NULL || !::GetObject(hBitmap, sizeof(bitmap), &bitmap))
        return FALSE;
    m_images.SetImageSize(CSize(bitmap.bmWidth, bitmap.bmHeight));
    const BOOL bAdded = m_images.AppendImage(hBitmap) >= 0;
    m_icon = NULL;
    m_imageAlign = nAlign;
    m_stretchImage = bStretch;
    AdjustBarLayout();
    Invalidate();
    return bAdded;
}

void CVrxPCaptionBar::SetBorderSize(int nSize)
{
    m_borderSize = nSize;
    if (m_hWnd != NULL)
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    AdjustBarLayout();
}

void CVrxPCaptionBar::SetMargin(int nMargin)
{
    m_margin = nMargin;
    AdjustBarLayout();
    Invalidate();
}

void CVrxPCaptionBar::SetFixedHeight(int nHeight)
{
    m_fixedHeight = nHeight;
    AdjustBarLayout();
}

void CVrxPCaptionBar::DrawBackground(CDC* pDC, CRect rect)
{
    CVrxPVisualManager::Instance()->PaintBarBackground(pDC, this, rect, rect, FALSE);
}

void CVrxPCaptionBar::DrawBorder(CDC* pDC, CRect rect)
{
    rect.InflateRect(2, 0);
    CVrxPVisualManager::Instance()->PaintCaptionBarBackground(pDC, this, rect, m_borderColor, m_flatBorder);
}

void CVrxPCaptionBar::DrawText(CDC* pDC, CRect rect, const CString& text)
{
    pDC->DrawText(text, &rect, DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER);
}

void CVrxPCaptionBar::DrawImage(CDC* pDC, CRect rect)
{
    if (m_icon != NULL)
    {
        ::DrawIconEx(pDC->GetSafeHdc(), rect.left, rect.top, m_icon, rect.Width(), rect.Height(), 0, NULL,
                     DI_NORMAL);
        return;
    }
    if (m_images.GetCount() == 0)
        return;
    const CRect rectImage(m_imageRect);
    const CSize size = m_stretchImage ? rect.Size() : rectImage.Size();
    CVrxPImageDrawState state;
    if (!m_images.BeginDraw(state, size.cx, size.cy))
        return;
    m_images.DrawImage(pDC, rect.left, rect.top, 0);
    m_images.EndDraw(state);
}

void CVrxPCaptionBar::DrawButton(CDC* pDC, CRect rect, const CString& label, BOOL bEnabled)
{
    const BOOL bArrow = m_buttonCommand != 0 && bEnabled;
    CRect rectLabel = rect;
    rectLabel.DeflateRect(m_spacing, 0);
    if (bArrow)
        rectLabel.right -= CVrxPCaptionBarLayout::arrowWidth;
    CString text = label;
    pDC->DrawText(text, &rectLabel, DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER);
    if (bArrow)
    {
        CRect box(rectLabel.right, rect.bottom - m_margin - CVrxPCaptionBarLayout::arrowWidth, rect.right,
                  rect.bottom - m_margin);
        box.DeflateRect(0, 3);
        const int nThird = box.Height() / 3;
        box.DeflateRect(nThird, nThird);
        const int cx = box.CenterPoint().x;
        const int h = box.Height();
        const POINT triangle[3] = {{cx - h - 1, box.top}, {cx + h + 1, box.top}, {cx, box.bottom + 1}};
        HBRUSH hBrush = ::CreateSolidBrush(pDC->GetTextColor());
        HGDIOBJ hOldBrush = ::SelectObject(pDC->GetSafeHdc(), hBrush);
        HGDIOBJ hOldPen = ::SelectObject(pDC->GetSafeHdc(), ::GetStockObject(NULL_PEN));
        const int nOldFill = ::SetPolyFillMode(pDC->GetSafeHdc(), WINDING);
        ::Polygon(pDC->GetSafeHdc(), triangle, 3);
        ::SetPolyFillMode(pDC->GetSafeHdc(), nOldFill);
        ::SelectObject(pDC->GetSafeHdc(), hOldPen);
        ::SelectObject(pDC->GetSafeHdc(), hOldBrush);
        ::DeleteObject(hBrush);
    }
    const CVrxPGlobals& globals = VrxPGlobals();
    if (m_buttonPressed || m_buttonChecked)
        pDC->Draw3dRect(&rect, globals.colorDarkShade, globals.colorLightEdge);
    else if (m_buttonHot)
        pDC->Draw3dRect(&rect, globals.colorLightEdge, globals.colorDarkShade);
}

void CVrxPCaptionBar::OnPaint()
{
    CPaintDC paintDC(m_hWnd);
    CVrxPMemoryDC memory(paintDC, this);
    CDC& dc = memory.GetDC();
    CRect client;
    GetClientRect(&client);
    DrawBackground(&dc, client);
    const int nOldMode = dc.SetBkMode(TRANSPARENT);
    const COLORREF colorText = m_textColor != static_cast<COLORREF>(-1)
                                   ? m_textColor
                                   : CVrxPVisualManager::Instance()->QueryCaptionBarTextColor(this);
    const COLORREF colorOld = dc.SetTextColor(colorText);
    HGDIOBJ hOldFont = ::SelectObject(dc.GetSafeHdc(), CurrentFont());
    if (!m_buttonText.IsEmpty())
        DrawButton(&dc, CRect(m_buttonRect), m_buttonText, m_buttonEnabled);
    DrawText(&dc, CRect(m_textRect), m_text);
    if (HasImage())
        DrawImage(&dc, CRect(m_imageRect));
    ::SelectObject(dc.GetSafeHdc(), hOldFont);
    dc.SetTextColor(colorOld);
    dc.SetBkMode(nOldMode);
}

BOOL CVrxPCaptionBar::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CVrxPCaptionBar::OnSize(UINT nType, int cx, int cy)
{
    CVrxPControlBar::OnSize(nType, cx, cy);
    SyncLayoutRect();
    Invalidate();
    UpdateWindow();
}

void CVrxPCaptionBar::OnSysColorChange() {}

void CVrxPCaptionBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    lpncsp->rgrc[0].top += m_borderSize;
    lpncsp->rgrc[0].bottom -= m_borderSize;
}

void CVrxPCaptionBar::OnNcPaint()
{
    CWindowDC dc(m_hWnd);
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    CRect rectClient;
    GetClientRect(&rectClient);
    ClientToScreen(&rectClient);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    dc.ExcludeClipRect(&rectClient);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    DrawBorder(&dc, CRect(rectWindow.left, rectWindow.bottom - m_borderSize, rectWindow.right, rectWindow.bottom));
    DrawBorder(&dc, CRect(rectWindow.left, rectWindow.top, rectWindow.right, rectWindow.top + m_borderSize));
}

void CVrxPCaptionBar::RepaintButton()
{
    if (m_hWnd == NULL)
        return;
    InvalidateRect(&m_buttonRect);
    UpdateWindow();
}

void CVrxPCaptionBar::OnMouseMove(UINT nFlags, CPoint point)
{
    CVrxPControlBar::OnMouseMove(nFlags, point);
    if (m_buttonCommand == 0 || !m_buttonEnabled)
        return;
    const BOOL bHot = ::PtInRect(&m_buttonRect, point);
    if (bHot != m_buttonHot)
    {
        m_buttonHot = bHot;
        m_buttonPressed = (nFlags & MK_LBUTTON) != 0 && bHot;
        RepaintButton();
    }
    if (!m_tracking)
    {
        TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, m_hWnd, 0};
        m_tracking = EmulateTrackMouseLeave(&track) != 0;
    }
}

LRESULT CVrxPCaptionBar::OnMouseLeave(WPARAM, LPARAM)
{
    m_tracking = FALSE;
    if (m_buttonPressed || m_buttonHot)
    {
        m_buttonPressed = FALSE;
        m_buttonHot = FALSE;
        RepaintButton();
    }
    return 0;
}

void CVrxPCaptionBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    CVrxPControlBar::OnLButtonDown(nFlags, point);
    if (m_buttonCommand == 0 || !m_buttonEnabled || !m_buttonHot)
        return;
    m_buttonPressed = TRUE;
    RepaintButton();
    CWnd* pOwner = GetOwner();
    if (pOwner == nullptr)
        pOwner = GetParent();
    if (pOwner != nullptr)
        pOwner->SendMessage(WM_COMMAND, m_buttonCommand, 0);
}

void CVrxPCaptionBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_buttonPressed)
    {
        m_buttonPressed = FALSE;
        RepaintButton();
    }
    CVrxPControlBar::OnLButtonUp(nFlags, point);
}

void CVrxPCaptionBar::OnRButtonUp(UINT, CPoint point)
{
    if (CVrxPToolBar::customizeMode)
    {
        Default();
        return;
    }
    CPoint screen = point;
    ClientToScreen(&screen);
    VrxPShowBarContextMenu(this, screen);
}

LRESULT CVrxPCaptionBar::OnSetFont(WPARAM wParam, LPARAM)
{
    m_font = reinterpret_cast<HFONT>(wParam);
    AdjustBarLayout();
    return 0;
}

LRESULT CVrxPCaptionBar::OnGetFont(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(m_font);
}
