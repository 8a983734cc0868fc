#include "panes/colours/CVrxPColorMenuButton.h"

#include "files/CArchive.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPToolbarImageList.h"
#include "foundation/VrxPLibrary.h"
#include "gdi/CDC.h"
#include "panes/colours/CColorPopup.h"
#include "panes/colours/CVrxPColorsDialog.h"
#include "themes/CVrxPVisualManager.h"
#include "toolbars/CVrxPToolBar.h"

IMPLEMENT_SERIAL(CVrxPColorMenuButton, CVrxPToolbarMenuButton, VERSIONABLE_SCHEMA | 1)

const UINT CVrxPColorMenuButton::documentColorsMessage = ::RegisterWindowMessageA("VrxTOOLBAR__GETDOCUMENTCOLORS");

CVrxPColorMenuButton::CVrxPColorMenuButton()
    : color(noColor), automaticColor(0), columns(-1), columnsWhenVertical(-1), rowsWhenHorizontal(-1),
      showAutomatic(FALSE), showOther(FALSE), showDocumentColors(FALSE), useSystemDialog(FALSE), m_pPopup(nullptr)
{
}

CVrxPColorMenuButton::CVrxPColorMenuButton(UINT nID, LPCTSTR lpszText, int nImage) : CVrxPColorMenuButton()
{
    commandId = nID;
    text = lpszText != nullptr ? lpszText : "";
    AssignImage(nImage);
}

CVrxPColorMenuButton::~CVrxPColorMenuButton()
{
    // An open popup must not report to a button that is gone.
    if (m_pPopup != nullptr)
    {
        m_pPopup->menuButton = nullptr;
        m_pPopup->DestroyWindow();
    }
}

void CVrxPColorMenuButton::Serialize(CArchive& ar)
{
    CVrxPToolbarMenuButton::Serialize(ar);
    if (ar.IsStoring())
    {
        ar << static_cast<int>(colors.size());
        for (COLORREF entry : colors)
            ar << static_cast<int>(entry);
        ar << columns << columnsWhenVertical << rowsWhenHorizontal;
        ar << static_cast<int>(showAutomatic) << static_cast<int>(showOther) << static_cast<int>(showDocumentColors);
        ar << automaticLabel << otherLabel << documentLabel;
        ar << static_cast<int>(automaticColor) << static_cast<int>(useSystemDialog);
        return;
    }
    int nCount = 0;
    ar >> nCount;
    if (nCount < 0 || nCount > 0x10000)
        AfxThrowArchiveException(CArchiveException::badIndex);
    std::vector<COLORREF> loaded;
    for (int i = 0; i < nCount; i++)
    {
        int nColor = 0;
        ar >> nColor;
        loaded.push_back(static_cast<COLORREF>(nColor));
    }
    int nAutomatic = 0;
    int nOther = 0;
    int nDocument = 0;
    int nAutomaticColor = 0;
    int nSystem = 0;
    ar >> columns >> columnsWhenVertical >> rowsWhenHorizontal >> nAutomatic >> nOther >> nDocument;
    ar >> automaticLabel >> otherLabel >> documentLabel >> nAutomaticColor >> nSystem;
    colors = loaded;
    showAutomatic = nAutomatic;
    showOther = nOther;
    showDocumentColors = nDocument;
    automaticColor = static_cast<COLORREF>(nAutomaticColor);
    useSystemDialog = nSystem;
    // The colour comes from the buttons of the command already live.
    for (POSITION pos = VrxPAllToolBars().GetHeadPosition(); pos != NULL;)
    {
        CVrxPToolBar* pBar = static_cast<CVrxPToolBar*>(VrxPAllToolBars().GetNext(pos));
        for (int i = 0; i < pBar->GetCount(); i++)
        {
            auto* pOther = dynamic_cast<CVrxPColorMenuButton*>(pBar->GetButton(i));
            if (pOther != nullptr && pOther != this && pOther->commandId == commandId && pOther->color != noColor)
                color = pOther->color;
        }
    }
}

void CVrxPColorMenuButton::AssignFrom(const CVrxPToolbarButton& other)
{
    CVrxPToolbarMenuButton::AssignFrom(other);
    const auto* pSource = dynamic_cast<const CVrxPColorMenuButton*>(&other);
    if (pSource == nullptr)
        return;
    color = pSource->color;
    colors = pSource->colors;
    showAutomatic = pSource->showAutomatic;
    showOther = pSource->showOther;
    showDocumentColors = pSource->showDocumentColors;
    automaticLabel = pSource->automaticLabel;
    otherLabel = pSource->otherLabel;
    documentLabel = pSource->documentLabel;
    automaticColor = pSource->automaticColor;
    columns = pSource->columns;
    columnsWhenVertical = pSource->columnsWhenVertical;
    rowsWhenHorizontal = pSource->rowsWhenHorizontal;
    useSystemDialog = pSource->useSystemDialog;
}

COLORREF CVrxPColorMenuButton::StripColor() const
{
    if ((style & styleDisabled) != 0)
        return VrxPGlobals().colorShade;
    return color == noColor ? automaticColor : color;
}

CRect CVrxPColorMenuButton::StripRect(const CRect& rectButton, CSize sizeImage) const
{
    const int nTop = rectButton.top + (rectButton.Height() - sizeImage.cy) / 2;
    CRect rectStrip(rectButton.left, nTop, rectButton.left + sizeImage.cx, nTop + sizeImage.cy);
    rectStrip.top = rectStrip.bottom - (CVrxPToolBar::largeIcons ? largeStripHeight : stripHeight);
    rectStrip.OffsetRect(0, 1);
    return rectStrip;
}

void CVrxPColorMenuButton::Draw(CDC* pDC, const CRect& rectButton, CVrxPToolbarImageList* pImages)
{
    CVrxPToolbarMenuButton::Draw(pDC, rectButton, pImages);
    if (!imageShown || GetEffectiveImage() < 0 || pImages == nullptr)
        return;
    const CRect rectStrip = StripRect(rectButton, pImages->GetImageSize());
    pDC->FillSolidRect(&rectStrip, 0x02000000 | StripColor());
    const CVrxPGlobals& globals = VrxPGlobals();
    if (!CVrxPVisualManager::Instance()->flatButtons)
        pDC->Draw3dRect(&rectStrip, globals.colorShade, globals.colorLight);
    else if (StripColor() == globals.colorFace)
        pDC->Draw3dRect(&rectStrip, globals.colorDarkShade, globals.colorDarkShade);
}

void CVrxPColorMenuButton::SetColor(COLORREF colorNew, BOOL bNotify)
{
    color = colorNew;
    if (parent != nullptr && parent->GetSafeHwnd() != NULL)
        parent->InvalidateRect(&rect);
    if (bNotify)
        ApplyToButtons(commandId, colorNew, this);
}

void CVrxPColorMenuButton::ApplyToButtons(UINT nCommand, COLORREF colorNew, const CVrxPColorMenuButton* pExcept)
{
    for (POSITION pos = VrxPAllToolBars().GetHeadPosition(); pos != NULL;)
    {
        CVrxPToolBar* pBar = static_cast<CVrxPToolBar*>(VrxPAllToolBars().GetNext(pos));
        if (auto* pColorBar = dynamic_cast<CVrxPColorBar*>(pBar))
        {
            if (pColorBar->commandId == nCommand && dynamic_cast<CColorPopup*>(pColorBar->GetParent()) == nullptr)
                pColorBar->SelectColor(colorNew);
            continue;
        }
        for (int i = 0; i < pBar->GetCount(); i++)
        {
            auto* pOther = dynamic_cast<CVrxPColorMenuButton*>(pBar->GetButton(i));
            if (pOther != nullptr && pOther != pExcept && pOther->commandId == nCommand)
                pOther->SetColor(colorNew, FALSE);
        }
    }
}

BOOL CVrxPColorMenuButton::OpenColorDialog(COLORREF colorInitial, COLORREF& colorOut)
{
    if (useSystemDialog)
        return CVrxPColorBar::OpenPlatformColorDialog(parent, colorInitial, colorOut);
    return CVrxPColorsDialog::ChooseColor(colorInitial, colorOut);
}

BOOL CVrxPColorMenuButton::OnClick(CWnd* pBar)
{
    if (m_pPopup != nullptr)
    {
        m_pPopup->Close(0);
        return TRUE;
    }
    if (CVrxPToolBar::customizeMode || pBar == nullptr || pBar->GetSafeHwnd() == NULL)
        return TRUE;
    std::vector<COLORREF> documentList;
    if (showDocumentColors)
    {
        CWnd* pFrame = pBar->GetTopLevelFrame();
        if (pFrame == nullptr)
            pFrame = pBar->GetTopLevelParent();
        if (pFrame != nullptr)
            pFrame->SendMessage(documentColorsMessage, commandId, reinterpret_cast<LPARAM>(&documentList));
    }
    auto* pPopup = new CColorPopup(colors, color, showAutomatic ? (LPCTSTR)automaticLabel : nullptr,
                                   showOther ? (LPCTSTR)otherLabel : nullptr,
                                   showDocumentColors ? (LPCTSTR)documentLabel : nullptr, documentList, columns,
                                   rowsWhenHorizontal, columnsWhenVertical, automaticColor, commandId,
                                   useSystemDialog);
    pPopup->menuButton = this;
    if (auto* pToolBar = dynamic_cast<CVrxPToolBar*>(pBar))
        pPopup->receiver = pToolBar->GetOwnerForCommands();
    CPoint corner(rect.left, rect.bottom);
    pBar->ClientToScreen(&corner);
    m_pPopup = pPopup;
    popupOpen = TRUE;
    // A failed popup has deleted itself.
    if (!pPopup->Open(pBar, corner))
    {
        m_pPopup = nullptr;
        popupOpen = FALSE;
    }
    return TRUE;
}

void CVrxPColorMenuButton::OnPopupClosed(CColorPopup* pPopup)
{
    if (m_pPopup != pPopup)
        return;
    m_pPopup = nullptr;
    popupOpen = FALSE;
    if (parent != nullptr && parent->GetSafeHwnd() != NULL)
        parent->InvalidateRect(&rect);
}
