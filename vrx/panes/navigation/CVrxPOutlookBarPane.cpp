#include "panes/navigation/CVrxPOutlookBarPane.h"

#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/CVrxPToolbarImageList.h"
#include "gdi/CBrush.h"
#include "gdi/CClientDC.h"
#include "gdi/CDC.h"
#include "panes/navigation/CVrxPOutlookButton.h"

#include <algorithm>
#include <memory>

IMPLEMENT_SERIAL(CVrxPOutlookBarPane, CVrxPToolBar, 1)

BEGIN_MESSAGE_MAP(CVrxPOutlookBarPane, CVrxPToolBar)
    ON_WM_CREATE()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

namespace
{
constexpr int upperGlyph = 24;
constexpr int lowerGlyph = 13;
// The gripper and border bits a pane never shows.
constexpr DWORD paneBarStyleMask = 0xFFBFF0FF;
} // namespace

CVrxPOutlookBarPane::CVrxPOutlookBarPane() : backColor(VrxPGlobals().colorShade)
{
    for (CVrxPButton* pButton : {&m_scrollUp, &m_scrollDown})
    {
        pButton->borderStyle = CVrxPButton::border3D;
        pButton->drawFocus = FALSE;
        pButton->SetRepeatDelay(scrollRepeatDelay);
    }
}

CVrxPOutlookBarPane::~CVrxPOutlookBarPane() = default;

CVrxPToolbarImageList* CVrxPOutlookBarPane::PaneImages()
{
    static CVrxPToolbarImageList* pImages = [] {
        auto* pList = new CVrxPToolbarImageList;
        pList->ChangeTransparentColor(RGB(255, 0, 255));
        return pList;
    }();
    return pImages;
}

BOOL CVrxPOutlookBarPane::VrxPHighColorScreen()
{
    return VrxPGlobals().bitsPerPixel > 8;
}

BOOL CVrxPOutlookBarPane::Create(CWnd* pParent, DWORD dwStyle, UINT nID, DWORD dwBarFlags)
{
    if (!CreateWithDefaultStyle(pParent, dwStyle, nID))
        return FALSE;
    barFlags = dwBarFlags;
    return TRUE;
}

int CVrxPOutlookBarPane::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CVrxPToolBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    SetBarStyle(GetBarStyle() & paneBarStyleMask);
    SetWindowPos(&CWnd::wndBottom, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    const CSize glyph = CVrxPMenuGlyphs::GetImageSize();
    const CRect rect(0, 0, glyph.cx + 6, glyph.cy + 6);
    if (!m_scrollUp.Create("", WS_CHILD, rect, this, static_cast<UINT>(-1)) ||
        !m_scrollDown.Create("", WS_CHILD, rect, this, static_cast<UINT>(-1)))
        return -1;
    m_scrollUp.UseMenuGlyph(upperGlyph);
    m_scrollDown.UseMenuGlyph(lowerGlyph);
    return 0;
}

int CVrxPOutlookBarPane::AddBitmapImage(HBITMAP hBitmap)
{
    CVrxPToolbarImageList* pImages = PaneImages();
    if (pImages->GetCount() == 0)
    {
        BITMAP info;
        if (::GetObject(hBitmap, sizeof(info), &info) == 0)
            return -1;
        pImages->SetImageSize(CSize(info.bmWidth, info.bmHeight));
    }
    return pImages->AppendImage(hBitmap);
}

BOOL CVrxPOutlookBarPane::AddButton(HICON hIcon, LPCTSTR lpszLabel, UINT nCommand, int nPosition, BOOL bAlpha)
{
    ICONINFO info;
    if (hIcon == NULL || !::GetIconInfo(hIcon, &info))
        return FALSE;
    BITMAP colour = {};
    if (info.hbmColor != NULL)
        ::GetObject(info.hbmColor, sizeof(colour), &colour);
    else if (info.hbmMask != NULL && ::GetObject(info.hbmMask, sizeof(colour), &colour) != 0)
        colour.bmHeight /= 2;
    if (info.hbmColor != NULL)
        ::DeleteObject(info.hbmColor);
    if (info.hbmMask != NULL)
        ::DeleteObject(info.hbmMask);
    const CSize size(colour.bmWidth, colour.bmHeight);
    if (size.cx <= 0 || size.cy <= 0)
        return FALSE;

    CVrxPToolbarImageList* pImages = PaneImages();
    int nImage = -1;
    if (bAlpha)
    {
        if (pImages->GetCount() == 0)
            pImages->SetImageSize(size);
        nImage = pImages->AppendIcon(hIcon, TRUE);
    }
    else
    {
        CClientDC screen(nullptr);
        CDC dc;
        CBitmap bitmap;
        if (!dc.CreateCompatibleDC(&screen) || !bitmap.CreateCompatibleBitmap(&screen, size.cx, size.cy))
            return FALSE;
        CBitmap* pOld = dc.SelectObject(&bitmap);
        if (transparentColor != static_cast<COLORREF>(-1))
            dc.FillSolidRect(0, 0, size.cx, size.cy, transparentColor);
        ::DrawIconEx(dc.GetSafeHdc(), 0, 0, hIcon, size.cx, size.cy, 0, NULL, DI_NORMAL);
        dc.SelectObject(pOld);
        nImage = AddBitmapImage(static_cast<HBITMAP>(bitmap.GetSafeHandle()));
    }
    if (nImage < 0)
        return FALSE;
    return AddButtonWithImage(nImage, lpszLabel, nCommand, nPosition);
}

BOOL CVrxPOutlookBarPane::AddButtonWithImage(int nImage, LPCTSTR lpszLabel, UINT nCommand, int nPosition)
{
    auto pButton = std::make_unique<CVrxPOutlookButton>();
    pButton->commandId = nCommand;
    pButton->text = lpszLabel != nullptr ? lpszLabel : "";
    pButton->AssignImage(nImage);
    pButton->textShown = TRUE;
    pButton->pane = this;
    if (InsertButtonAt(pButton.get(), nPosition) < 0)
        return FALSE;
    pButton.release();
    RecalcBarLayout();
    return TRUE;
}

CVrxPOutlookButton* CVrxPOutlookBarPane::OutlookButtonAt(int nIndex) const
{
    return dynamic_cast<CVrxPOutlookButton*>(GetButton(nIndex));
}

// The pane always fills its page: it keeps the size it was given.
CSize CVrxPOutlookBarPane::CalcBarSize(BOOL, BOOL)
{
    CRect rect;
    if (m_hWnd != NULL)
        GetWindowRect(&rect);
    return rect.Size();
}

void CVrxPOutlookBarPane::LayoutButtons()
{
    if (m_hWnd == NULL)
        return;
    const CSize glyph = CVrxPMenuGlyphs::GetImageSize();
    const CSize scroll(glyph.cx + 6, glyph.cy + 6);
    CRect rectClient;
    GetClientRect(&rectClient);
    const BOOL bRoomForScroll = rectClient.Width() >= scroll.cx + scrollButtonMargin &&
                                rectClient.Height() >= scroll.cy + scrollButtonMargin;

    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(&VrxPGlobals().fontRegular);
    const int nAvailable = rectClient.Width() - 2;
    const int nImageHeight = PaneImages()->GetImageSize().cy;

    if (m_nFirstVisible >= 1 && bRoomForScroll)
    {
        m_scrollUp.SetWindowPos(nullptr, rectClient.right - scroll.cx - scrollButtonMargin,
                                rectClient.top + scrollButtonMargin, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_scrollUp.ShowWindow(SW_SHOWNOACTIVATE);
    }
    else
    {
        m_scrollUp.ShowWindow(SW_HIDE);
    }

    int y = rectClient.top + buttonSpacing - m_nScrollOffset;
    for (int i = 0; i < GetCount(); i++)
    {
        CVrxPToolbarButton* pButton = GetButton(i);
        CSize size;
        if (CVrxPOutlookButton* pOutlook = OutlookButtonAt(i))
        {
            pOutlook->textShown = TRUE;
            pOutlook->imageWidth = PaneImages()->GetImageSize().cx;
            pOutlook->imageHeight = nImageHeight;
            size = pOutlook->Measure(dc, nAvailable, nImageHeight, TRUE);
        }
        else
        {
            size = CSize(nAvailable, nImageHeight + 10);
        }
        size.cx = std::min(static_cast<int>(size.cx), rectClient.Width() - 1);
        const int nLeft = rectClient.left + (rectClient.Width() - 1 - size.cx) / 2;
        pButton->rect = CRect(nLeft, y, nLeft + size.cx, y + size.cy);
        y += size.cy + buttonSpacing;
    }
    dc.SelectObject(pOldFont);
    m_bCanScrollDown = rectClient.bottom < y;

    if (m_bCanScrollDown && bRoomForScroll)
    {
        m_scrollDown.SetWindowPos(&CWnd::wndTop, rectClient.right - scroll.cx - scrollButtonMargin,
                                  rectClient.bottom - scroll.cy - scrollButtonMargin, 0, 0,
                                  SWP_NOSIZE | SWP_NOACTIVATE);
        m_scrollDown.ShowWindow(SW_SHOWNOACTIVATE);
    }
    else
    {
        m_scrollDown.ShowWindow(SW_HIDE);
    }
    for (CVrxPButton* pButton : {&m_scrollUp, &m_scrollDown})
        if (pButton->GetSafeHwnd() != NULL)
            pButton->RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
}

void CVrxPOutlookBarPane::ScrollUp()
{
    if (m_nScrollOffset <= 0 || m_nFirstVisible <= 0)
    {
        m_nScrollOffset = 0;
        m_nFirstVisible = 0;
        return;
    }
    const CVrxPToolbarButton* pButton = GetButton(m_nFirstVisible - 1);
    if (pButton == nullptr)
        return;
    m_nFirstVisible--;
    m_nScrollOffset = m_nFirstVisible == 0 ? 0 : m_nScrollOffset - (pButton->rect.Height() + buttonSpacing);
    LayoutButtons();
    Invalidate();
    UpdateWindow();
}

void CVrxPOutlookBarPane::ScrollDown()
{
    if (!m_bCanScrollDown || m_nFirstVisible + 1 >= GetCount())
        return;
    m_nScrollOffset += GetButton(m_nFirstVisible)->rect.Height() + buttonSpacing;
    m_nFirstVisible++;
    LayoutButtons();
    Invalidate();
    UpdateWindow();
}

// A page is as many buttons as the client shows, at least one.
int CVrxPOutlookBarPane::ButtonsPerPage() const
{
    const CVrxPToolbarButton* pButton = GetButton(m_nFirstVisible);
    CRect rectClient;
    GetClientRect(&rectClient);
    const int nStep = pButton != nullptr ? buttonSpacing + pButton->rect.Height() : 0;
    return std::max(rectClient.Height() / std::max(nStep, 1), 1);
}

void CVrxPOutlookBarPane::PageUp()
{
    for (int i = ButtonsPerPage(); i > 0; i--)
        ScrollUp();
}

void CVrxPOutlookBarPane::PageDown()
{
    for (int i = ButtonsPerPage(); i > 0; i--)
        ScrollDown();
}

BOOL CVrxPOutlookBarPane::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const HWND hFrom = reinterpret_cast<HWND>(lParam);
    if (hFrom == NULL || HIWORD(wParam) != BN_CLICKED ||
        (hFrom != m_scrollUp.GetSafeHwnd() && hFrom != m_scrollDown.GetSafeHwnd()))
        return CVrxPToolBar::OnCommand(wParam, lParam);
    if (hFrom == m_scrollUp.GetSafeHwnd())
        pageScrolling ? PageUp() : ScrollUp();
    else
        pageScrolling ? PageDown() : ScrollDown();
    return TRUE;
}

void CVrxPOutlookBarPane::OnSize(UINT nType, int cx, int cy)
{
    CVrxPToolBar::OnSize(nType, cx, cy);
    // A taller pane scrolls back until the last button ends at the bottom.
    while (m_nScrollOffset > 0 && GetCount() > 0 && GetButton(GetCount() - 1)->rect.bottom < cy)
    {
        const int nBefore = m_nScrollOffset;
        ScrollUp();
        if (m_nScrollOffset == nBefore)
            break;
    }
}

void CVrxPOutlookBarPane::OnSysColorChange()
{
    Default();
    backColor = VrxPGlobals().colorShade;
    Invalidate();
}

void CVrxPOutlookBarPane::DrawButton(CDC& dc, int nIndex, BOOL bHot, BOOL bPressed)
{
    CVrxPOutlookButton* pButton = OutlookButtonAt(nIndex);
    if (pButton == nullptr)
    {
        CVrxPToolBar::DrawButton(dc, nIndex, bHot, bPressed);
        return;
    }
    const BOOL bHighlighted = (!customizeMode) && (bHot || bPressed) && (m_nPressed < 0 || bPressed);
    pButton->DrawInPane(dc, pButton->rect, bHighlighted, bPressed);
}

void CVrxPOutlookBarPane::PaintBackground(CDC* pDC, const CRect& rect) const
{
    BITMAP info;
    if (backImage == NULL || ::GetObject(backImage, sizeof(info), &info) == 0 || info.bmWidth <= 0 ||
        info.bmHeight <= 0)
    {
        pDC->FillSolidRect(&rect, backColor);
        return;
    }
    HDC hImageDC = ::CreateCompatibleDC(pDC->GetSafeHdc());
    HGDIOBJ hOld = ::SelectObject(hImageDC, backImage);
    for (int y = rect.top; y < rect.bottom; y += info.bmHeight)
        for (int x = rect.left; x < rect.right; x += info.bmWidth)
            ::BitBlt(pDC->GetSafeHdc(), x, y, std::min<int>(info.bmWidth, rect.right - x),
                     std::min<int>(info.bmHeight, rect.bottom - y), hImageDC, 0, 0, SRCCOPY);
    ::SelectObject(hImageDC, hOld);
    ::DeleteDC(hImageDC);
}
