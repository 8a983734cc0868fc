#include "panes/CVrxPButton.h"

#include "app/ResourceChain.h"
#include "controls/CToolTipCtrl.h"
#include "foundation/CVrxPGlobals.h"
#include "gdi/CClientDC.h"
#include "foundation/CVrxPMemoryDC.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/CVrxPPainter.h"
#include "foundation/CVrxPToolTipFactory.h"
#include "foundation/VrxPMessages.h"
#include "gdi/CDC.h"
#include "themes/CVrxPVisualManager.h"
#include "toolbars/CVrxPPopupMenu.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CVrxPButton, CButton)

BEGIN_MESSAGE_MAP(CVrxPButton, CButton)
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_TIMER()
    ON_WM_CANCELMODE()
    ON_WM_KILLFOCUS()
    ON_WM_ENABLE()
    ON_WM_SETCURSOR()
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(WM_GETFONT, OnGetFont)
    ON_MESSAGE(BM_GETCHECK, OnGetCheck)
    ON_MESSAGE(BM_SETCHECK, OnSetCheck)
    ON_MESSAGE(BM_SETIMAGE, OnSetImage)
    ON_MESSAGE(BM_GETIMAGE, OnGetImage)
    ON_REGISTERED_MESSAGE(VrxM_UPDATETOOLTIPS, OnUpdateToolTips)
END_MESSAGE_MAP()

namespace
{
enum ImageKind
{
    normalImage = 0,
    hotImage = 1,
    disabledImage = 2
};

BOOL s_bVisualStylesInUse = FALSE;
BOOL s_bVisualStylesTested = FALSE;

// A manifest resource (type 24, id 1) asks the platform for visual styles.
const LPCTSTR manifestType = MAKEINTRESOURCE(24);
const LPCTSTR manifestId = MAKEINTRESOURCE(1);

BOOL HasLineFeed(const CString& text)
{
    return text.Find('\n') >= 0;
}
} // namespace

CVrxPButton::CVrxPButton()
    : borderStyle(border3D), labelAlignment(alignCentre), imageOnRight(FALSE), imageOnTop(FALSE), transparent(FALSE),
      drawFocus(TRUE), lightenChecked(TRUE), greyWhenDisabled(TRUE), commandOnPress(FALSE), noVisualStyles(FALSE),
      pushed(FALSE), pressedInside(FALSE), highlighted(FALSE), captured(FALSE), mouseInside(FALSE), cursor(NULL),
      pushOffset(2, 2), textColor(static_cast<COLORREF>(-1)), hotTextColor(static_cast<COLORREF>(-1)),
      faceColor(static_cast<COLORREF>(-1)), autoTooltip(FALSE), closeButton(FALSE), useBarColors(FALSE),
      m_bChecked(FALSE), m_bCheckBox(FALSE), m_bRadio(FALSE), m_bAutomatic(FALSE), m_bDoubleClickPending(FALSE),
      m_imageSize(0, 0), m_nGlyph(-1), m_nDisabledGlyph(-1), m_nGlyphVariant(0), m_pToolTip(nullptr), m_hFont(NULL),
      m_bTooltipCheckPending(FALSE), m_nRepeatDelay(0), m_hImageIcon(NULL)
{
}

CVrxPButton::~CVrxPButton()
{
    ClearImages();
    if (m_pToolTip != nullptr)
        CVrxPToolTipFactory::DestroyToolTip(m_pToolTip);
}

BOOL CVrxPButton::VisualStylesInUse()
{
    if (!s_bVisualStylesTested)
    {
        s_bVisualStylesTested = TRUE;
        HINSTANCE hInstance = AfxFindResourceHandle(manifestId, manifestType);
        s_bVisualStylesInUse = hInstance != NULL && ::FindResource(hInstance, manifestId, manifestType) != NULL;
    }
    return s_bVisualStylesInUse;
}

BOOL CVrxPButton::IsThemed() const
{
    return s_bVisualStylesInUse && !noVisualStyles;
}

void CVrxPButton::ReadKindFromStyle(DWORD dwStyle)
{
    switch (dwStyle & 0xF)
    {
    case BS_CHECKBOX:
        m_bCheckBox = TRUE;
        break;
    case BS_AUTOCHECKBOX:
        m_bCheckBox = m_bAutomatic = TRUE;
        break;
    case BS_RADIOBUTTON:
        m_bRadio = TRUE;
        break;
    case BS_AUTORADIOBUTTON:
        m_bRadio = m_bAutomatic = TRUE;
        break;
    default:
        break;
    }
    if (m_bCheckBox || m_bRadio)
    {
        switch (dwStyle & 0x300)
        {
        case BS_LEFT:
            labelAlignment = alignLeft;
            break;
        case BS_RIGHT:
            labelAlignment = alignRight;
            break;
        case BS_CENTER:
            labelAlignment = alignCentre;
            break;
        default:
            break;
        }
    }
    VisualStylesInUse();
}

// The button type bits are replaced whole: or-ing the owner-draw bits into a
// radio button's type would give a type that is not owner-drawn.
void CVrxPButton::PreSubclassWindow()
{
    const DWORD dwStyle = GetStyle();
    ReadKindFromStyle(dwStyle);
    ::SetWindowLong(m_hWnd, GWL_STYLE, static_cast<LONG>((dwStyle & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW));
    CButton::PreSubclassWindow();
}

BOOL CVrxPButton::PreCreateWindow(CREATESTRUCT& cs)
{
    ReadKindFromStyle(static_cast<DWORD>(cs.style));
    cs.style = static_cast<LONG>((static_cast<DWORD>(cs.style) & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW);
    return CButton::PreCreateWindow(cs);
}

void CVrxPButton::SetListTransparentColor(CVrxPToolbarImageList& list, COLORREF color)
{
    if (list.ChangeTransparentColor(color) != color)
    {
        list.BuildDerivedImage(CVrxPToolbarImageList::fadedImage);
        list.BuildDerivedImage(CVrxPToolbarImageList::dropShadeImage);
    }
}

void CVrxPButton::AssignBitmaps(HBITMAP hNormal, BOOL bDestroy, HBITMAP hHot, BOOL bGreyKey, BOOL bCheckedSet,
                                HBITMAP hDisabled)
{
    ClearImageSet(bCheckedSet);
    if (hNormal == NULL)
        return;
    const HBITMAP bitmaps[3] = {hNormal, hHot, hDisabled};
    const int nCount = hDisabled != NULL ? 3 : 2;
    for (int i = 0; i < nCount && bitmaps[i] != NULL; i++)
    {
        BITMAP info = {};
        ::GetObject(bitmaps[i], sizeof(info), &info);
        const CSize size(info.bmWidth, info.bmHeight);
        if (i == 0)
            m_imageSize = size;
        CVrxPToolbarImageList& list = ImageList(bCheckedSet, i);
        list.SetImageSize(size);
        const BOOL bLightGrey = bGreyKey || (info.bmBitsPixel > 8 && info.bmBitsPixel < 32);
        SetListTransparentColor(list, bLightGrey ? greyKeyColor : ::GetSysColor(COLOR_BTNFACE));
        list.AppendImage(bitmaps[i]);
    }
    if (bDestroy)
        for (HBITMAP hBitmap : bitmaps)
            if (hBitmap != NULL)
                ::DeleteObject(hBitmap);
}

void CVrxPButton::AssignIcons(HICON hNormal, BOOL bDestroy, HICON hHot, BOOL bCheckedSet, HICON hDisabled,
                              BOOL bAlpha)
{
    ClearImageSet(bCheckedSet);
    if (hNormal == NULL)
        return;
    const HICON icons[3] = {hNormal, hHot, hDisabled};
    const int nCount = hDisabled != NULL ? 3 : 2;
    for (int i = 0; i < nCount && icons[i] != NULL; i++)
    {
        ICONINFO iconInfo = {};
        ::GetIconInfo(icons[i], &iconInfo);
        BITMAP info = {};
        ::GetObject(iconInfo.hbmColor != NULL ? iconInfo.hbmColor : iconInfo.hbmMask, sizeof(info), &info);
        if (iconInfo.hbmColor != NULL)
            ::DeleteObject(iconInfo.hbmColor);
        if (iconInfo.hbmMask != NULL)
            ::DeleteObject(iconInfo.hbmMask);
        const CSize size(info.bmWidth, iconInfo.hbmColor != NULL ? info.bmHeight : info.bmHeight / 2);
        m_imageSize = size;
        CVrxPToolbarImageList& list = ImageList(bCheckedSet, i);
        list.SetImageSize(size);
        if (!bAlpha)
            SetListTransparentColor(list, ::GetSysColor(COLOR_BTNFACE));
        list.AppendIcon(icons[i], bAlpha);
    }
    if (bDestroy)
        for (HICON hIcon : icons)
            if (hIcon != NULL)
                ::DestroyIcon(hIcon);
}

void CVrxPButton::LoadBitmapSet(UINT nNormalId, UINT nHotId, BOOL bCheckedSet, UINT nDisabledId)
{
    ClearImageSet(bCheckedSet);
    if (nNormalId == 0)
        return;
    auto load = [](UINT nId) -> HBITMAP {
        if (nId == 0)
            return NULL;
        HINSTANCE hInstance = AfxFindResourceHandle(MAKEINTRESOURCE(nId), RT_BITMAP);
        if (hInstance == NULL)
            return NULL;
        return static_cast<HBITMAP>(::LoadImage(hInstance, MAKEINTRESOURCE(nId), IMAGE_BITMAP, 0, 0,
                                                LR_CREATEDIBSECTION | LR_LOADMAP3DCOLORS));
    };
    AssignBitmaps(load(nNormalId), TRUE, load(nHotId), FALSE, bCheckedSet, load(nDisabledId));
}

void CVrxPButton::LoadImagesFromResources(UINT nNormalId, UINT nHotId, UINT nDisabledId)
{
    LoadBitmapSet(nNormalId, nHotId, FALSE, nDisabledId);
}

void CVrxPButton::UseMenuGlyph(int nGlyph, int nColorVariant, int nDisabledGlyph)
{
    ClearImages();
    CVrxPMenuGlyphs::EnsureLoaded();
    m_imageSize = CVrxPMenuGlyphs::GetImageSize();
    m_nGlyph = nGlyph;
    m_nGlyphVariant = nColorVariant;
    m_nDisabledGlyph = nDisabledGlyph;
}

void CVrxPButton::ClearImageSet(BOOL bCheckedSet)
{
    m_nGlyph = -1;
    m_nDisabledGlyph = -1;
    m_imageSize = CSize(0, 0);
    if (!bCheckedSet && m_hImageIcon != NULL)
    {
        ::DestroyIcon(m_hImageIcon);
        m_hImageIcon = NULL;
    }
    for (int nKind = normalImage; nKind <= disabledImage; nKind++)
        ImageList(bCheckedSet, nKind).RemoveAllImages();
}

void CVrxPButton::ClearImages()
{
    ClearImageSet(FALSE);
    ClearImageSet(TRUE);
}

void CVrxPButton::AssignTooltipText(LPCTSTR lpszText)
{
    if (lpszText == nullptr)
    {
        if (m_pToolTip != nullptr && m_pToolTip->GetSafeHwnd() != NULL)
            m_pToolTip->Activate(FALSE);
        return;
    }
    if (m_pToolTip != nullptr && m_pToolTip->GetSafeHwnd() != NULL)
        m_pToolTip->UpdateTipText(lpszText, this);
    else if (CVrxPToolTipFactory::MakeToolTip(m_pToolTip, this, CVrxPToolTipFactory::kindButton))
        m_pToolTip->AddTool(this, lpszText);
    if (m_pToolTip != nullptr && m_pToolTip->GetSafeHwnd() != NULL)
        m_pToolTip->Activate(TRUE);
}

CSize CVrxPButton::MeasureContent(BOOL bCalcOnly)
{
    CString label;
    GetWindowText(label);
    CClientDC dc(this);
    HGDIOBJ hOldFont = ::SelectObject(dc.GetSafeHdc(), SelectLabelFont(&dc));
    CSize labelSize(0, 0);
    if (HasLineFeed(label))
    {
        CRect rect;
        GetClientRect(&rect);
        ::DrawText(dc.GetSafeHdc(), label, -1, &rect, DT_CALCRECT);
        labelSize = rect.Size();
    }
    else if (!label.IsEmpty())
    {
        ::GetTextExtentPoint32(dc.GetSafeHdc(), label, label.GetLength(), &labelSize);
    }
    ::SelectObject(dc.GetSafeHdc(), hOldFont);

    const int nSpaceX = HorizontalSpacing();
    const int nSpaceY = VerticalSpacing();
    CSize size;
    if (!imageOnTop)
    {
        size.cx = nSpaceX + m_imageSize.cx + labelSize.cx + (labelSize.cx > 0 ? nSpaceX : 0);
        size.cy = std::max(m_imageSize.cy, labelSize.cy) + 2 * nSpaceY;
    }
    else
    {
        size.cx = nSpaceX + std::max(m_imageSize.cx, labelSize.cx) + (labelSize.cx > 0 ? nSpaceX : 0);
        size.cy = m_imageSize.cy + 2 * nSpaceY + labelSize.cy + (labelSize.cy > 0 ? nSpaceY : 0);
    }
    if (!bCalcOnly)
        SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return size;
}

void CVrxPButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* pTarget = CDC::FromHandle(lpDrawItemStruct->hDC);
    CVrxPMemoryDC buffer(*pTarget, this);
    CDC* pDC = &buffer.GetDC();
    CRect rect = lpDrawItemStruct->rcItem;
    DrawBackground(pDC, rect);
    DrawBorder(pDC, rect, lpDrawItemStruct->itemState);
    DrawContent(pDC, rect, lpDrawItemStruct->itemState);
    if ((lpDrawItemStruct->itemState & ODS_FOCUS) != 0 && drawFocus)
        DrawFocusFrame(pDC, rect);
}

void CVrxPButton::DrawBackground(CDC* pDC, const CRect& rect)
{
    if (transparent)
        VrxPGlobals().PaintParentBackground(this, pDC);
    else if (faceColor == static_cast<COLORREF>(-1))
        ::FillRect(pDC->GetSafeHdc(), &rect, ::GetSysColorBrush(COLOR_BTNFACE));
    else
        pDC->FillSolidRect(&rect, faceColor);
    if (m_bChecked && lightenChecked && !(pushed && highlighted))
        CVrxPPainter(*pDC).LightenRect(rect, -1);
}

void CVrxPButton::DrawBorder(CDC* pDC, CRect& rect, UINT nState)
{
    if (borderStyle == borderNone)
    {
        rect.DeflateRect(2, 2);
        return;
    }
    const CVrxPGlobals& globals = VrxPGlobals();
    const BOOL bThemed = IsThemed();
    const BOOL bDrawnByLook =
        bThemed && CVrxPVisualManager::Instance()->PaintThemedButton(pDC, rect, this, static_cast<int>(nState));
    if ((pushed && highlighted) || (nState & ODS_SELECTED) != 0 || m_bChecked)
    {
        if (bDrawnByLook)
        {
            rect.DeflateRect(2, 2);
        }
        else
        {
            pDC->Draw3dRect(&rect, globals.colorDarkShade, globals.colorLightEdge);
            rect.DeflateRect(1, 1);
            if (borderStyle != borderFlat)
                pDC->Draw3dRect(&rect, globals.colorShade, globals.colorLight);
            rect.DeflateRect(1, 1);
        }
        if (!bThemed)
        {
            rect.left += pushOffset.cx;
            rect.top += pushOffset.cy;
        }
        return;
    }
    if (bDrawnByLook || (borderStyle == borderFlat && !highlighted))
    {
        rect.DeflateRect(2, 2);
        return;
    }
    pDC->Draw3dRect(&rect, globals.colorLightEdge, globals.colorDarkShade);
    rect.DeflateRect(1, 1);
    if (borderStyle == border3D || (borderStyle == borderSemiFlat && highlighted))
        pDC->Draw3dRect(&rect, globals.colorLight, globals.colorShade);
    rect.DeflateRect(1, 1);
}

void CVrxPButton::DrawContent(CDC* pDC, CRect rect, UINT nState)
{
    CString label;
    GetWindowText(label);
    CRect rectText = rect;
    CRect rectImage = rect;
    const int nSpaceX = HorizontalSpacing();
    const int nSpaceY = VerticalSpacing();
    if (m_imageSize.cx != 0)
    {
        if (!label.IsEmpty() && imageOnTop)
        {
            rectImage.bottom = rectText.top = rect.top + m_imageSize.cy + nSpaceY;
            rectText.bottom -= nSpaceY;
        }
        else if (!label.IsEmpty() && imageOnRight)
        {
            rectText.right = rect.right - m_imageSize.cx - nSpaceX / 2;
            rectImage.left = rectText.right;
            rectImage.right -= nSpaceX / 2;
        }
        else if (!label.IsEmpty())
        {
            rectText.left += m_imageSize.cx + nSpaceX / 2;
            rectImage.left += nSpaceX / 2;
            rectImage.right = rectText.left;
        }
        rectImage.DeflateRect((rectImage.Width() - m_imageSize.cx) / 2,
                              std::max(0, static_cast<int>((rectImage.Height() - m_imageSize.cy) / 2)));
    }
    else
    {
        rectImage.SetRectEmpty();
    }

    HGDIOBJ hOldFont = ::SelectObject(pDC->GetSafeHdc(), SelectLabelFont(pDC));
    pDC->SetBkMode(TRANSPARENT);
    UINT nFormat = DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER;
    if (HasLineFeed(label))
    {
        nFormat = DT_END_ELLIPSIS;
        rectText.DeflateRect(0, nSpaceY / 2);
    }
    if (labelAlignment == alignLeft)
    {
        rectText.left += nSpaceX / 2;
    }
    else if (labelAlignment == alignRight)
    {
        rectText.right -= nSpaceX / 2;
        nFormat |= DT_RIGHT;
    }
    else
    {
        nFormat |= DT_CENTER;
    }
    if ((GetExStyle() & WS_EX_LAYOUTRTL) != 0)
        nFormat |= DT_RTLREADING;

    COLORREF color = textColor == static_cast<COLORREF>(-1) ? ::GetSysColor(COLOR_BTNTEXT) : textColor;
    if (highlighted && hotTextColor != static_cast<COLORREF>(-1))
        color = hotTextColor;
    if ((nState & ODS_DISABLED) != 0 && greyWhenDisabled)
    {
        pDC->SetTextColor(VrxPGlobals().colorLightEdge);
        DrawLabel(pDC, rectText + CPoint(1, 1), label, nFormat, nState);
        color = VrxPGlobals().colorGrayText;
    }
    pDC->SetTextColor(color);
    if (m_bTooltipCheckPending)
    {
        CSize extent(0, 0);
        ::GetTextExtentPoint32(pDC->GetSafeHdc(), label, label.GetLength(), &extent);
        AssignTooltipText(!HasLineFeed(label) && extent.cx > rectText.Width() ? static_cast<LPCTSTR>(label) : nullptr);
        m_bTooltipCheckPending = FALSE;
    }
    DrawLabel(pDC, rectText, label, nFormat, nState);
    if (!rectImage.IsRectEmpty())
        ChooseAndDrawImage(pDC, rectImage, nState);
    ::SelectObject(pDC->GetSafeHdc(), hOldFont);
}

void CVrxPButton::ChooseAndDrawImage(CDC* pDC, const CRect& rectImage, UINT nState)
{
    const BOOL bGreyed = (nState & ODS_DISABLED) != 0 && greyWhenDisabled;
    if (m_nGlyph != -1)
    {
        const int nGlyph = bGreyed && m_nDisabledGlyph != 0 ? m_nDisabledGlyph : m_nGlyph;
        CVrxPMenuGlyphs::DrawGlyph(pDC, nGlyph, rectImage.TopLeft(), m_nGlyphVariant);
        return;
    }
    auto choose = [&](BOOL bCheckedSet) -> CVrxPToolbarImageList& {
        if (bGreyed && ImageList(bCheckedSet, disabledImage).GetCount() > 0)
            return ImageList(bCheckedSet, disabledImage);
        if (highlighted && ImageList(bCheckedSet, hotImage).GetCount() > 0)
            return ImageList(bCheckedSet, hotImage);
        return ImageList(bCheckedSet, normalImage);
    };
    const BOOL bCheckedSet = m_bChecked && choose(TRUE).GetCount() > 0;
    CVrxPToolbarImageList& list = choose(bCheckedSet);
    if (list.GetCount() == 0)
        return;
    const BOOL bDisabledDraw = bGreyed && ImageList(bCheckedSet, disabledImage).GetCount() == 0;
    CVrxPImageDrawState state;
    if (!list.BeginDraw(state))
        return;
    list.DrawImage(pDC, rectImage.left, rectImage.top, 0, FALSE, bDisabledDraw);
    list.EndDraw(state);
}

void CVrxPButton::DrawFocusFrame(CDC* pDC, const CRect& rect)
{
    CRect rectFocus = rect;
    rectFocus.DeflateRect(1, 1);
    if (!IsThemed())
    {
        rectFocus.DeflateRect(1, 1);
        const COLORREF color = faceColor == static_cast<COLORREF>(-1) ? ::GetSysColor(COLOR_BTNFACE) : faceColor;
        pDC->Draw3dRect(&rectFocus, color, color);
    }
    pDC->DrawFocusRect(&rectFocus);
}

void CVrxPButton::DrawLabel(CDC* pDC, CRect rect, const CString& text, UINT nFormat, UINT)
{
    pDC->DrawText(text, &rect, nFormat);
}

HFONT CVrxPButton::SelectLabelFont(CDC*)
{
    if (m_hFont != NULL && ::GetObjectType(m_hFont) != OBJ_FONT)
        m_hFont = NULL;
    return m_hFont != NULL ? m_hFont : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

void CVrxPButton::RedrawNow(BOOL bErase)
{
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | (bErase ? RDW_ERASE : 0));
}

void CVrxPButton::SendClickToParent()
{
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), reinterpret_cast<LPARAM>(m_hWnd));
}

BOOL CVrxPButton::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CVrxPButton::OnLButtonDown(UINT, CPoint)
{
    if (commandOnPress)
    {
        SendClickToParent();
        return;
    }
    pushed = pressedInside = highlighted = TRUE;
    if (!captured)
    {
        SetCapture();
        captured = TRUE;
    }
    RedrawNow();
    if (m_nRepeatDelay > 0)
        SetTimer(repeatTimer, static_cast<UINT>(m_nRepeatDelay), nullptr);
    Default();
}

void CVrxPButton::OnMouseMove(UINT nFlags, CPoint point)
{
    mouseInside = FALSE;
    const BOOL bLeftDown = (nFlags & MK_LBUTTON) != 0;
    if (bLeftDown || borderStyle != border3D || IsThemed())
    {
        CRect rectClient;
        GetClientRect(&rectClient);
        BOOL bChanged = FALSE;
        if (rectClient.PtInRect(point))
        {
            mouseInside = TRUE;
            bChanged = !highlighted;
            highlighted = TRUE;
            if (bLeftDown && !pushed && pressedInside)
            {
                pushed = TRUE;
                bChanged = TRUE;
            }
            if (!captured)
            {
                SetCapture();
                captured = TRUE;
                bChanged = TRUE;
            }
        }
        else
        {
            if (bLeftDown)
            {
                bChanged = pushed;
                pushed = FALSE;
            }
            else
            {
                bChanged = highlighted;
                highlighted = FALSE;
            }
            if (captured && nFlags == 0)
            {
                ::ReleaseCapture();
                captured = FALSE;
                bChanged = TRUE;
            }
        }
        if (bChanged)
            RedrawNow();
    }
    Default();
}

void CVrxPButton::OnLButtonUp(UINT, CPoint)
{
    const BOOL bClicked = pushed && pressedInside && highlighted;
    pushed = pressedInside = highlighted = FALSE;
    if (bClicked && m_bAutomatic)
    {
        if (m_bCheckBox)
        {
            m_bChecked = !m_bChecked;
        }
        else if (m_bRadio && !m_bChecked)
        {
            m_bChecked = TRUE;
            UncheckRadioSiblings();
        }
    }
    // The parent's handlers below may destroy the button.
    const HWND hWnd = m_hWnd;
    if (m_bDoubleClickPending)
    {
        m_bDoubleClickPending = FALSE;
        SendClickToParent();
    }
    if (!WindowAlive(hWnd))
        return;
    RedrawNow();
    Default();
    if (!WindowAlive(hWnd))
        return;
    if (captured || ::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    captured = FALSE;
    if (m_nRepeatDelay > 0)
        KillTimer(repeatTimer);
    if (m_pToolTip != nullptr && m_pToolTip->GetSafeHwnd() != NULL)
    {
        m_pToolTip->Pop();
        CString text;
        m_pToolTip->GetText(text, this);
        m_pToolTip->UpdateTipText(text, this);
    }
}

void CVrxPButton::OnLButtonDblClk(UINT, CPoint)
{
    pushed = pressedInside = highlighted = TRUE;
    RedrawNow();
    Default();
    m_bDoubleClickPending = TRUE;
}

void CVrxPButton::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == repeatTimer && pushed && highlighted)
        SendClickToParent();
    Default();
}

void CVrxPButton::OnCancelMode()
{
    Default();
    if (captured)
    {
        ::ReleaseCapture();
        pushed = pressedInside = highlighted = captured = mouseInside = FALSE;
        RedrawNow();
    }
    KillTimer(repeatTimer);
}

void CVrxPButton::OnKillFocus(CWnd*)
{
    Default();
    if (captured || ::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    captured = FALSE;
    pushed = pressedInside = highlighted = mouseInside = FALSE;
    RedrawNow();
}

void CVrxPButton::OnEnable(BOOL bEnable)
{
    if (!bEnable)
    {
        pushed = pressedInside = highlighted = FALSE;
        if (captured || ::GetCapture() == m_hWnd)
            ::ReleaseCapture();
        captured = FALSE;
    }
    RedrawNow(TRUE);
    Default();
}

BOOL CVrxPButton::OnSetCursor(CWnd*, UINT, UINT)
{
    if (cursor != NULL)
    {
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        CRect rectClient;
        GetClientRect(&rectClient);
        if (rectClient.PtInRect(point))
        {
            ::SetCursor(cursor);
            return TRUE;
        }
    }
    return static_cast<BOOL>(Default());
}

void CVrxPButton::OnSize(UINT, int, int)
{
    m_bTooltipCheckPending = autoTooltip;
    Default();
}

LRESULT CVrxPButton::OnSetFont(WPARAM wParam, LPARAM lParam)
{
    m_hFont = reinterpret_cast<HFONT>(wParam);
    if (LOWORD(lParam) != 0)
        RedrawNow();
    return 0;
}

LRESULT CVrxPButton::OnGetFont(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(m_hFont);
}

void CVrxPButton::OnDestroy()
{
    CVrxPToolTipFactory::DestroyToolTip(m_pToolTip);
    Default();
}

LRESULT CVrxPButton::OnGetCheck(WPARAM, LPARAM)
{
    return (m_bCheckBox || m_bRadio) && m_bChecked ? BST_CHECKED : BST_UNCHECKED;
}

LRESULT CVrxPButton::OnSetCheck(WPARAM wParam, LPARAM)
{
    const BOOL bChecked = wParam != 0;
    if ((m_bCheckBox || m_bRadio) && bChecked != m_bChecked)
    {
        m_bChecked = bChecked;
        if (m_bRadio)
            UncheckRadioSiblings();
        RedrawNow();
    }
    return 0;
}

LRESULT CVrxPButton::OnSetImage(WPARAM wParam, LPARAM lParam)
{
    if (wParam == IMAGE_BITMAP)
        AssignBitmaps(reinterpret_cast<HBITMAP>(lParam), FALSE, NULL, TRUE);
    else if (wParam == IMAGE_ICON)
        AssignIcons(reinterpret_cast<HICON>(lParam));
    return 0;
}

LRESULT CVrxPButton::OnGetImage(WPARAM wParam, LPARAM)
{
    CVrxPToolbarImageList& list = ImageList(FALSE, normalImage);
    if (wParam == IMAGE_BITMAP)
        return reinterpret_cast<LRESULT>(list.GetStrip());
    if (wParam != IMAGE_ICON || list.GetCount() == 0)
        return 0;
    if (m_hImageIcon == NULL)
        m_hImageIcon = list.IconFromImage(0);
    return reinterpret_cast<LRESULT>(m_hImageIcon);
}

LRESULT CVrxPButton::OnUpdateToolTips(WPARAM wParam, LPARAM)
{
    if (m_pToolTip == nullptr || m_pToolTip->GetSafeHwnd() == NULL ||
        (static_cast<UINT>(wParam) & CVrxPToolTipFactory::kindButton) == 0)
        return 0;
    CString text;
    m_pToolTip->GetText(text, this);
    if (CVrxPToolTipFactory::MakeToolTip(m_pToolTip, this, CVrxPToolTipFactory::kindButton))
        m_pToolTip->AddTool(this, text);
    return 0;
}

void CVrxPButton::UncheckRadioSiblings()
{
    CWnd* pParent = GetParent();
    if (pParent == nullptr || !IsWindowEnabled())
        return;
    for (CWnd* pWnd = pParent->GetNextDlgGroupItem(this); pWnd != nullptr && pWnd->GetSafeHwnd() != m_hWnd;
         pWnd = pParent->GetNextDlgGroupItem(pWnd))
    {
        CVrxPButton* pButton = dynamic_cast<CVrxPButton*>(CWnd::FromHandlePermanent(pWnd->GetSafeHwnd()));
        if (pButton != nullptr && pButton->m_bRadio && pButton->m_bChecked)
        {
            pButton->m_bChecked = FALSE;
            pButton->RedrawNow();
        }
    }
}

BOOL CVrxPButton::MoveRadioSelection(BOOL bForward)
{
    CWnd* pParent = GetParent();
    if (!m_bRadio || pParent == nullptr)
        return FALSE;
    CVrxPButton* pFound = nullptr;
    for (CWnd* pWnd = pParent->GetNextDlgGroupItem(this, !bForward); pWnd != nullptr;
         pWnd = pParent->GetNextDlgGroupItem(pWnd, !bForward))
    {
        if (pWnd->GetSafeHwnd() == m_hWnd)
            break;
        CVrxPButton* pButton = dynamic_cast<CVrxPButton*>(CWnd::FromHandlePermanent(pWnd->GetSafeHwnd()));
        if (pButton != nullptr && pButton->m_bRadio && pButton->IsWindowVisible() && pButton->IsWindowEnabled())
        {
            pFound = pButton;
            break;
        }
    }
    if (pFound == nullptr || pFound->m_bChecked)
        return FALSE;
    pFound->SendMessage(BM_SETCHECK, BST_CHECKED);
    pFound->SetFocus();
    pFound->SendClickToParent();
    return TRUE;
}

BOOL CVrxPButton::PreTranslateMessage(MSG* pMsg)
{
    if (m_pToolTip != nullptr && m_pToolTip->GetSafeHwnd() != NULL &&
        (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_LBUTTONDOWN || pMsg->message == WM_LBUTTONUP))
        m_pToolTip->RelayEvent(pMsg);
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN && CVrxPPopupMenu::ActivePopup() == nullptr)
    {
        SendClickToParent();
        return TRUE;
    }
    if (pMsg->message == WM_KEYDOWN && m_bAutomatic && GetParent() != nullptr)
    {
        switch (pMsg->wParam)
        {
        case VK_SPACE:
            if (m_bCheckBox)
            {
                m_bChecked = !m_bChecked;
                RedrawNow();
                SendClickToParent();
                return TRUE;
            }
            break;
        case VK_LEFT:
        case VK_UP:
            if (MoveRadioSelection(FALSE))
                return TRUE;
            break;
        case VK_RIGHT:
        case VK_DOWN:
            if (MoveRadioSelection(TRUE))
                return TRUE;
            break;
        default:
            break;
        }
    }
    return CButton::PreTranslateMessage(pMsg);
}
