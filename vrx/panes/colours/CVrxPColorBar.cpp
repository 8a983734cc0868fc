#include "panes/colours/CVrxPColorBar.h"

#include "files/CArchive.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPToolbarImageList.h"
#include "gdi/CDC.h"
#include "panes/colours/CColorPopup.h"
#include "panes/colours/CVrxPColorMenuButton.h"
#include "panes/colours/CVrxPColorsDialog.h"
#include "themes/CVrxPVisualManager.h"

#include <cmath>
#include <commdlg.h>

IMPLEMENT_SERIAL(CVrxPColorBar, CVrxPPopupMenuBar, 1)

BEGIN_MESSAGE_MAP(CVrxPColorBar, CVrxPPopupMenuBar)
    ON_WM_CREATE()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_KEYDOWN()
    ON_WM_GETDLGCODE()
    ON_WM_QUERYNEWPALETTE()
    ON_WM_PALETTECHANGED()
    ON_WM_PAINT()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

namespace
{
int CeilDiv(int n, int d) { return d > 0 ? (n + d - 1) / d : 0; }
// Menu images are this size; a cell is one pixel more.
const int menuImageSize = 16;
} // namespace

CVrxPColorBar::CVrxPColorBar()
    : columns(0), rowsWhenHorizontal(0), columnsWhenVertical(0), cellWidth(menuImageSize + 1),
      cellHeight(menuImageSize + 1), textRowHeight((menuImageSize + 1) * 3 / 2), selectedColor(noColor),
      automaticColor(noColor), commandId(0), useSystemDialog(FALSE), enabled(TRUE), isToolbar(TRUE),
      showDocumentColors(FALSE), offsetX(0), offsetY(0), acceptsMouseInCustomize(FALSE), marginV(defaultMargin),
      marginH(defaultMargin), m_hPalette(NULL)
{
}

CVrxPColorBar::CVrxPColorBar(const std::vector<COLORREF>& colorList, COLORREF colorSelected, LPCTSTR lpszAutomatic,
                             LPCTSTR lpszOther, LPCTSTR lpszDocument, const std::vector<COLORREF>& documentList,
                             int nColumns, int nRowsWhenHorizontal, int nColumnsWhenVertical,
                             COLORREF colorAutomatic, UINT nCommand)
    : CVrxPColorBar()
{
    colors = colorList;
    selectedColor = colorSelected;
    automaticLabel = lpszAutomatic != nullptr ? lpszAutomatic : "";
    otherLabel = lpszOther != nullptr ? lpszOther : "";
    documentLabel = lpszDocument != nullptr ? lpszDocument : "";
    documentColors = documentList;
    columns = nColumns;
    rowsWhenHorizontal = nRowsWhenHorizontal;
    columnsWhenVertical = nColumnsWhenVertical;
    automaticColor = colorAutomatic;
    commandId = nCommand;
    isToolbar = FALSE;
    showDocumentColors = TRUE;
}

CVrxPColorBar::CVrxPColorBar(const CVrxPColorBar& source, UINT nCommand) : CVrxPColorBar()
{
    columns = source.columns;
    rowsWhenHorizontal = source.rowsWhenHorizontal;
    columnsWhenVertical = source.columnsWhenVertical;
    colors = source.colors;
    selectedColor = source.selectedColor;
    automaticColor = source.automaticColor;
    automaticLabel = source.automaticLabel;
    otherLabel = source.otherLabel;
    documentLabel = source.documentLabel;
    documentColors = source.documentColors;
    useSystemDialog = source.useSystemDialog;
    commandId = nCommand;
}

CVrxPColorBar::~CVrxPColorBar()
{
    if (m_hPalette != NULL)
        ::DeleteObject(m_hPalette);
}

int CVrxPColorBar::FillColorsFromPalette(HPALETTE hPalette, std::vector<COLORREF>& colorList)
{
    if (hPalette == NULL)
        hPalette = static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE));
    const UINT nCount = ::GetPaletteEntries(hPalette, 0, 0, nullptr);
    std::vector<PALETTEENTRY> entries(nCount);
    if (nCount > 0)
        ::GetPaletteEntries(hPalette, 0, nCount, entries.data());
    colorList.clear();
    for (const PALETTEENTRY& entry : entries)
        colorList.push_back(RGB(entry.peRed, entry.peGreen, entry.peBlue));
    return static_cast<int>(colorList.size());
}

BOOL CVrxPColorBar::CreateBar(CWnd* pParent, DWORD dwStyle, UINT nID, HPALETTE hPalette, int nColumns,
                              int nRowsWhenHorizontal, int nColumnsWhenVertical)
{
    if (colors.empty())
    {
        columns = nColumns;
        rowsWhenHorizontal = nRowsWhenHorizontal;
        columnsWhenVertical = nColumnsWhenVertical;
        FillColorsFromPalette(hPalette, colors);
    }
    return CreateWithDefaultStyle(pParent, dwStyle, nID);
}

int CVrxPColorBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CVrxPPopupMenuBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    CVrxPToolbarImageList* pImages = SharedImages();
    const CSize sizeImage = pImages != nullptr ? pImages->GetImageSize() : CSize(menuImageSize, menuImageSize);
    cellWidth = std::max(static_cast<int>(sizeImage.cx), menuImageSize) + 1;
    cellHeight = std::max(static_cast<int>(sizeImage.cy), menuImageSize) + 1;
    textRowHeight = cellHeight * 3 / 2;
    RebuildButtons();
    return 0;
}

CColorButton* CVrxPColorBar::ColorButton(int nIndex) const
{
    return dynamic_cast<CColorButton*>(GetButton(nIndex));
}

void CVrxPColorBar::RebuildButtons()
{
    DeleteAllButtons();
    const auto append = [this](CColorButton* pButton) {
        pButton->colorBar = this;
        pButton->parent = this;
        m_buttons.AddTail(pButton);
    };
    const auto appendSeparator = [this]() {
        CVrxPToolbarButton* pSeparator = new CVrxPToolbarButton();
        pSeparator->style = CVrxPToolbarButton::styleSeparator;
        m_buttons.AddTail(pSeparator);
    };
    BOOL bFound = FALSE;
    if (!automaticLabel.IsEmpty())
    {
        append(new CColorButton(automaticColor, TRUE, FALSE, automaticLabel, selectedColor == noColor));
        bFound = selectedColor == noColor;
    }
    for (COLORREF color : colors)
    {
        const BOOL bMatch = color == selectedColor;
        append(new CColorButton(color, FALSE, FALSE, nullptr, bMatch));
        bFound = bFound || bMatch;
    }
    if (!documentLabel.IsEmpty() && !documentColors.empty())
    {
        appendSeparator();
        append(new CColorButton(documentLabel, TRUE));
        for (COLORREF color : documentColors)
        {
            const BOOL bMatch = !bFound && color == selectedColor;
            append(new CColorButton(color, FALSE, FALSE, nullptr, bMatch, TRUE));
        }
    }
    if (!otherLabel.IsEmpty())
    {
        appendSeparator();
        append(new CColorButton(noColor, FALSE, TRUE, otherLabel));
        append(new CColorButton(selectedColor, FALSE, FALSE, nullptr, !bFound, FALSE, TRUE));
    }
}

CSize CVrxPColorBar::GridSize(BOOL bVertical) const
{
    const int n = static_cast<int>(colors.size());
    const BOOL bDocked = isToolbar && !IsFloatingInMiniFrame();
    int nColumns = 0;
    if (bDocked && !bVertical && rowsWhenHorizontal > 0)
        return CSize(CeilDiv(n, rowsWhenHorizontal), rowsWhenHorizontal);
    if (bDocked && columnsWhenVertical > 0)
        nColumns = columnsWhenVertical;
    else
        nColumns = columns > 0 ? columns : static_cast<int>(std::sqrt(static_cast<double>(n))) + 1;
    return CSize(nColumns, CeilDiv(n, nColumns));
}

BOOL CVrxPColorBar::ShowsDocumentSection() const
{
    return !documentLabel.IsEmpty() && !documentColors.empty() && (showDocumentColors || IsFloatingInMiniFrame());
}

CSize CVrxPColorBar::MeasureButtonsExtent(BOOL bVertical) const
{
    const CSize grid = GridSize(bVertical);
    int nExtra = !automaticLabel.IsEmpty() ? textRowHeight : !otherLabel.IsEmpty() ? marginV : 0;
    if (!otherLabel.IsEmpty())
        nExtra += textRowHeight;
    if (ShowsDocumentSection())
        nExtra += marginV + CeilDiv(static_cast<int>(documentColors.size()), grid.cx) * cellHeight + textRowHeight + 4;
    return CSize(grid.cx * cellWidth + 2 * marginH, nExtra + grid.cy * cellHeight + 2 * marginV);
}

// Like every popup item bar, the colour bar draws over its whole window: no
// border or gripper room is added.
CSize CVrxPColorBar::ComputeLayoutSize(int nMode, int)
{
    return MeasureButtonsExtent((nMode & layoutHorizontal) == 0);
}

void CVrxPColorBar::LayoutButtons()
{
    if (m_hWnd == NULL)
        return;
    CRect rectWork;
    GetClientRect(&rectWork);
    rectWork.DeflateRect(marginH + offsetX, marginV + offsetY);
    int x = rectWork.left;
    int y = rectWork.top;
    BOOL bPending = automaticLabel.IsEmpty() || selectedColor != noColor;
    BOOL bPreviousSeparator = FALSE;
    const BOOL bShowDocument = showDocumentColors || IsFloatingInMiniFrame();
    const auto newRow = [&]() {
        if (x != rectWork.left)
        {
            y += cellHeight + marginV;
            x = rectWork.left;
        }
    };
    for (int i = 0; i < GetCount(); i++)
    {
        CVrxPToolbarButton* pItem = GetButton(i);
        CRect rect;
        if (pItem->IsSeparator())
        {
            if (!bPreviousSeparator)
            {
                newRow();
                rect.SetRect(rectWork.left, y, rectWork.right, y + 2);
                y += 4;
            }
            bPreviousSeparator = TRUE;
            pItem->rect = rect;
            continue;
        }
        bPreviousSeparator = FALSE;
        CColorButton* pButton = static_cast<CColorButton*>(pItem);
        if (pButton->isDocument && !bShowDocument)
            rect.SetRectEmpty();
        else if (pButton->isAutomatic || pButton->isOther || pButton->isLabel)
        {
            newRow();
            const int nHeight = textRowHeight - marginV / 2;
            if (pButton->isOther && bPending)
            {
                rect.SetRect(x, y, rectWork.right - cellWidth, y + nHeight);
                x = rect.right;
                y += (nHeight - cellHeight) / 2;
            }
            else
            {
                rect.SetRect(rectWork.left, y, rectWork.right, y + nHeight);
                x = rectWork.left;
                y += nHeight;
            }
            if (pButton->isOther)
                rect.DeflateRect(marginH / 2, marginV / 2);
        }
        else
        {
            if (x + cellWidth > rectWork.right)
            {
                y += cellHeight;
                x = rectWork.left;
            }
            if (pButton->isCustom && !bPending)
                rect.SetRectEmpty();
            else
            {
                rect.SetRect(x, y, x + cellWidth, y + cellHeight);
                x += cellWidth;
            }
            if (!pButton->isCustom && pButton->color == selectedColor)
                bPending = FALSE;
        }
        pItem->rect = rect;
    }
}

void CVrxPColorBar::SelectColor(COLORREF color)
{
    if (color == selectedColor)
        return;
    selectedColor = color;
    if (m_hWnd == NULL)
        return;
    SetHotIndex(-1);
    CColorButton* pSlot = nullptr;
    for (int i = 0; i < GetCount(); i++)
    {
        CColorButton* pButton = ColorButton(i);
        if (pButton == nullptr || pButton->isOther || pButton->isLabel)
            continue;
        if (pButton->highlighted)
        {
            pButton->highlighted = FALSE;
            InvalidateRect(&pButton->rect);
        }
        if (pButton->isCustom)
        {
            pSlot = pButton;
            continue;
        }
        const BOOL bMatch = color == noColor ? pButton->isAutomatic
                                             : (pButton->isAutomatic ? automaticColor : pButton->color) == color;
        if (bMatch)
        {
            pButton->highlighted = TRUE;
            SetHotIndex(i);
            InvalidateRect(&pButton->rect);
        }
    }
    if (pSlot != nullptr)
    {
        pSlot->color = color;
        pSlot->highlighted = TRUE;
        // The slot shows or hides as the layout finds: the bar is laid out
        // again and repainted whole when that changed.
        const BOOL bSlotShown = !pSlot->rect.IsRectEmpty();
        LayoutButtons();
        if (bSlotShown != !pSlot->rect.IsRectEmpty())
            Invalidate();
        else
            InvalidateRect(&pSlot->rect);
    }
    UpdateWindow();
}

void CVrxPColorBar::HighlightSelection()
{
    for (int i = 0; i < GetCount(); i++)
    {
        const CColorButton* pButton = ColorButton(i);
        if (pButton != nullptr && pButton->highlighted && !pButton->rect.IsRectEmpty())
        {
            SetHotIndex(i);
            return;
        }
    }
}

void CVrxPColorBar::ConfigureOtherColorsButton(LPCTSTR lpszLabel, BOOL bLibraryDialog, BOOL bShow)
{
    useSystemDialog = !bLibraryDialog;
    otherLabel = bShow && lpszLabel != nullptr ? lpszLabel : "";
    RebuildButtons();
    RecalcBarLayout();
}

void CVrxPColorBar::SetVerticalPadding(int nPadding)
{
    marginV = nPadding;
    RecalcBarLayout();
}

void CVrxPColorBar::SetHorizontalPadding(int nPadding)
{
    marginH = nPadding;
    RecalcBarLayout();
}

HPALETTE CVrxPColorBar::Palette()
{
    if (VrxPGlobals().bitsPerPixel != 8)
    {
        if (m_hPalette != NULL)
        {
            ::DeleteObject(m_hPalette);
            m_hPalette = NULL;
        }
        return NULL;
    }
    if (m_hPalette == NULL && !colors.empty())
    {
        const int nCount = std::min(static_cast<int>(colors.size()), maxPaletteColors);
        std::vector<BYTE> memory(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * static_cast<size_t>(nCount));
        LOGPALETTE* pLog = reinterpret_cast<LOGPALETTE*>(memory.data());
        pLog->palVersion = 0x300;
        pLog->palNumEntries = static_cast<WORD>(nCount);
        for (int i = 0; i < nCount; i++)
            pLog->palPalEntry[i] = {GetRValue(colors[static_cast<size_t>(i)]), GetGValue(colors[static_cast<size_t>(i)]),
                                    GetBValue(colors[static_cast<size_t>(i)]), 0};
        m_hPalette = ::CreatePalette(pLog);
    }
    return m_hPalette;
}

void CVrxPColorBar::PaintBar(CDC* pDC)
{
    HPALETTE hPalette = Palette();
    HPALETTE hOld = NULL;
    if (hPalette != NULL)
    {
        hOld = ::SelectPalette(pDC->GetSafeHdc(), hPalette, FALSE);
        ::RealizePalette(pDC->GetSafeHdc());
    }
    CVrxPToolBar::PaintBar(pDC);
    if (hPalette != NULL)
        ::SelectPalette(pDC->GetSafeHdc(), hOld, FALSE);
}

void CVrxPColorBar::DrawButton(CDC& dc, int nIndex, BOOL bHot, BOOL bPressed)
{
    const CRect& rect = GetButton(nIndex)->rect;
    if (rect.IsRectEmpty())
        return;
    CColorButton* pButton = ColorButton(nIndex);
    if (pButton == nullptr)
        return;
    pButton->DrawItem(&dc, pButton->rect, bHot, bPressed, customizeMode && !acceptsMouseInCustomize, Palette());
}

// Separators run across the grid between its sections.
void CVrxPColorBar::DrawSeparator(CDC& dc, const CRect& rect, BOOL)
{
    dc.Draw3dRect(rect.left, rect.top, rect.Width(), 2, VrxPGlobals().colorShade, VrxPGlobals().colorLightEdge);
}

INT_PTR CVrxPColorBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    const int nIndex = ButtonIndexAtPoint(point);
    const CColorButton* pButton = nIndex >= 0 ? ColorButton(nIndex) : nullptr;
    if (pButton == nullptr)
        return -1;
    const CString tip = pButton->TooltipText();
    if (tip.IsEmpty())
        return -1;
    if (pTI != nullptr)
    {
        pTI->hwnd = m_hWnd;
        pTI->uId = static_cast<UINT_PTR>(nIndex + 1);
        pTI->rect = pButton->rect;
        pTI->lpszText = static_cast<LPSTR>(malloc(static_cast<size_t>(tip.GetLength()) + 1));
        if (pTI->lpszText != nullptr)
            memcpy(pTI->lpszText, static_cast<LPCTSTR>(tip), static_cast<size_t>(tip.GetLength()) + 1);
    }
    return nIndex + 1;
}

CVrxPColorMenuButton* CVrxPColorBar::OwningMenuButton() const
{
    CColorPopup* pPopup = dynamic_cast<CColorPopup*>(GetParent());
    return pPopup != nullptr ? pPopup->menuButton : nullptr;
}

CWnd* CVrxPColorBar::CommandTarget() const
{
    CWnd* pOwner = GetOwner();
    return pOwner != nullptr ? pOwner : GetParent();
}

BOOL CVrxPColorBar::OpenPlatformColorDialog(CWnd* pOwner, COLORREF colorInitial, COLORREF& colorOut)
{
    static COLORREF customColors[16] = {};
    CHOOSECOLORA choice = {};
    choice.lStructSize = sizeof(choice);
    choice.hwndOwner = pOwner != nullptr ? pOwner->GetSafeHwnd() : NULL;
    choice.rgbResult = colorInitial == noColor ? 0 : colorInitial;
    choice.lpCustColors = customColors;
    choice.Flags = CC_FULLOPEN | CC_ANYCOLOR | CC_RGBINIT;
    if (!::ChooseColorA(&choice))
        return FALSE;
    colorOut = choice.rgbResult;
    return TRUE;
}

BOOL CVrxPColorBar::OpenColorDialog(COLORREF colorInitial, COLORREF& colorOut)
{
    if (CVrxPColorMenuButton* pMenuButton = OwningMenuButton())
        return pMenuButton->OpenColorDialog(colorInitial, colorOut);
    if (useSystemDialog)
        return OpenPlatformColorDialog(this, colorInitial, colorOut);
    return CVrxPColorsDialog::ChooseColor(colorInitial, colorOut);
}

BOOL CVrxPColorBar::HandleButtonCommand(CColorButton* pButton)
{
    CColorPopup* pPopup = dynamic_cast<CColorPopup*>(GetParent());
    CVrxPColorMenuButton* pMenuButton = OwningMenuButton();
    if (pButton == nullptr || pButton->isLabel || (pButton->style & CVrxPToolbarButton::styleDisabled) != 0)
        return FALSE;
    COLORREF colorPick = pButton->isAutomatic ? noColor : pButton->color;
    if (pButton->isOther)
    {
        const HWND hBar = m_hWnd;
        if (pPopup != nullptr)
            pPopup->ShowWindow(SW_HIDE);
        COLORREF colorChosen = 0;
        const BOOL bChosen =
            OpenColorDialog(selectedColor == noColor ? automaticColor : selectedColor, colorChosen);
        if (!::IsWindow(hBar))
            return TRUE;
        if (!bChosen)
        {
            if (pPopup != nullptr)
                pPopup->Close(0);
            else if (CWnd* pFrame = GetTopLevelFrame())
                pFrame->SetFocus();
            return TRUE;
        }
        colorPick = colorChosen;
    }
    if (pMenuButton != nullptr && pPopup != nullptr)
    {
        pMenuButton->SetColor(colorPick, TRUE);
        pPopup->Close(pMenuButton->commandId);
        return TRUE;
    }
    SelectColor(colorPick);
    CVrxPColorMenuButton::ApplyToButtons(commandId, colorPick, nullptr);
    if (CWnd* pTarget = CommandTarget())
        pTarget->SendMessage(WM_COMMAND, commandId, 0);
    if (pPopup != nullptr)
        pPopup->Close(0);
    else if (CWnd* pFrame = GetTopLevelFrame())
        pFrame->SetFocus();
    return TRUE;
}

void CVrxPColorBar::OnClickButton(int nIndex)
{
    HandleButtonCommand(ColorButton(nIndex));
}

BOOL CVrxPColorBar::IgnoresMouse() const
{
    return customizeMode && !acceptsMouseInCustomize;
}

void CVrxPColorBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!IgnoresMouse())
        CVrxPToolBar::OnMouseMove(nFlags, point);
}

void CVrxPColorBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!IgnoresMouse())
        CVrxPToolBar::OnLButtonDown(nFlags, point);
}

void CVrxPColorBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (IgnoresMouse())
        return;
    // The pick happens where the button comes up, whatever was pressed.
    const int nIndex = ButtonIndexAtPoint(point);
    if (nIndex >= 0 && m_nPressed >= 0)
        m_nPressed = nIndex;
    CVrxPToolBar::OnLButtonUp(nFlags, point);
}

void CVrxPColorBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (!IgnoresMouse())
        OnLButtonDown(nFlags, point);
}

void CVrxPColorBar::MoveKeyboardHighlight(int nStep)
{
    const int nCount = GetCount();
    if (nCount == 0)
        return;
    int nIndex = m_nHot;
    for (int nTries = 0; nTries < nCount; nTries++)
    {
        nIndex = nIndex < 0 ? (nStep > 0 ? 0 : nCount - 1) : (nIndex + nStep + nCount) % nCount;
        const CColorButton* pButton = ColorButton(nIndex);
        if (pButton != nullptr && !pButton->isLabel && !pButton->rect.IsRectEmpty())
        {
            SetHotIndex(nIndex);
            UpdateWindow();
            return;
        }
    }
}

void CVrxPColorBar::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const int nColumns = GridSize(!IsAlignedHorizontally()).cx;
    switch (nChar)
    {
    case VK_RETURN:
        if (m_nHot >= 0)
        {
            if (CWnd* pTarget = CommandTarget())
                pTarget->SendMessage(WM_SETMESSAGESTRING, 0xE001);
            HandleButtonCommand(ColorButton(m_nHot));
        }
        return;
    case VK_ESCAPE:
        if (CColorPopup* pPopup = dynamic_cast<CColorPopup*>(GetParent()))
            pPopup->Close(0);
        return;
    case VK_LEFT:
        MoveKeyboardHighlight(-1);
        return;
    case VK_RIGHT:
        MoveKeyboardHighlight(1);
        return;
    case VK_UP:
        MoveKeyboardHighlight(-nColumns);
        return;
    case VK_DOWN:
        MoveKeyboardHighlight(nColumns);
        return;
    default:
        CVrxPPopupMenuBar::OnKeyDown(nChar, nRepCnt, nFlags);
    }
}

// The grid paints as a toolbar does, not as a menu's rows.
void CVrxPColorBar::OnPaint()
{
    CVrxPBaseControlBar::OnPaint();
}

// The swatches have no commands of their own to update.
LRESULT CVrxPColorBar::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    return 0;
}

// Escape reaches OnKeyDown and closes the popup: the grid has no keyboard
// mode for the toolbar to leave.
BOOL CVrxPColorBar::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE && pMsg->hwnd == m_hWnd)
        return FALSE;
    return CVrxPPopupMenuBar::PreTranslateMessage(pMsg);
}

UINT CVrxPColorBar::OnGetDlgCode() { return DLGC_WANTALLKEYS; }

BOOL CVrxPColorBar::OnQueryNewPalette()
{
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    return CVrxPPopupMenuBar::OnQueryNewPalette();
}

void CVrxPColorBar::OnPaletteChanged(CWnd* pFocusWnd)
{
    CVrxPPopupMenuBar::OnPaletteChanged(pFocusWnd);
    if (pFocusWnd != this)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CVrxPColorBar::Serialize(CArchive& ar)
{
    CVrxPPopupMenuBar::Serialize(ar);
    if (ar.IsStoring())
    {
        ar << columns << rowsWhenHorizontal << columnsWhenVertical << static_cast<int>(automaticColor);
        ar << automaticLabel << otherLabel << documentLabel;
        ar << static_cast<int>(isToolbar) << static_cast<int>(commandId) << static_cast<int>(useSystemDialog);
        ar << static_cast<int>(colors.size());
        for (COLORREF color : colors)
            ar << static_cast<int>(color);
        return;
    }
    int nAutomatic = 0;
    int nToolbar = 0;
    int nCommand = 0;
    int nSystem = 0;
    int nCount = 0;
    ar >> columns >> rowsWhenHorizontal >> columnsWhenVertical >> nAutomatic;
    ar >> automaticLabel >> otherLabel >> documentLabel;
    ar >> nToolbar >> nCommand >> nSystem >> nCount;
    if (nCount < 0 || nCount > 0x10000)
        AfxThrowArchiveException(CArchiveException::badIndex);
    std::vector<COLORREF> loaded;
    for (int i = 0; i < nCount; i++)
    {
        int nColor = 0;
        ar >> nColor;
        loaded.push_back(static_cast<COLORREF>(nColor));
    }
    automaticColor = static_cast<COLORREF>(nAutomatic);
    isToolbar = nToolbar;
    commandId = static_cast<UINT>(nCommand);
    useSystemDialog = nSystem;
    colors = loaded;
    documentColors.clear();
    selectedColor = noColor;
    RebuildButtons();
    if (m_hWnd != NULL)
        LayoutButtons();
}
