#include "toolbars/CVrxPToolBar.h"

#include "app/AfxRegisterWndClass.h"
#include "app/ResourceChain.h"
#include "docking/CVrxPDockBar.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "docking/VrxPShowBarContextMenu.h"
#include "files/CArchive.h"
#include "foundation/CVrxPAccelFormatter.h"
#include "foundation/CVrxPArchivedValue.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPKeyboardManager.h"
#include "foundation/CVrxPMemoryDC.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/CVrxPRegistryHolder.h"
#include "foundation/CVrxPToolTipFactory.h"
#include "foundation/CVrxPToolbarImageList.h"
#include "foundation/CVrxPUserToolsManager.h"
#include "foundation/CVrxPWorkspace.h"
#include "foundation/VrxPBuildRegistryPath.h"
#include "foundation/VrxPFindOwnerFrame.h"
#include "foundation/VrxPLibrary.h"
#include "foundation/VrxPMessages.h"
#include "frames/CFrameWnd.h"
#include "gdi/CPaintDC.h"
#include "themes/CVrxPVisualManager.h"
#include "toolbars/CVrxPCommandUsage.h"
#include "toolbars/CVrxPMenuBar.h"
#include "toolbars/CVrxPMenuSound.h"
#include "toolbars/CVrxPMenuStore.h"
#include "toolbars/CVrxPStoredButton.h"
#include "toolbars/CVrxPToolbarButton.h"
#include "toolbars/CVrxPToolbarCmdUI.h"
#include "toolbars/CVrxPToolbarLayout.h"
#include "toolbars/CVrxPToolbarResource.h"
#include "toolbars/VrxPTrackMouseLeave.h"
#include "windows/FrameworkMessages.h"

#include <algorithm>
#include <map>
#include <vector>

IMPLEMENT_SERIAL(CVrxPToolBar, CVrxPControlBar, 1)

BEGIN_MESSAGE_MAP(CVrxPToolBar, CVrxPControlBar)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_WM_NCCALCSIZE()
    ON_MESSAGE(WM_NCPAINT, OnNcPaintRegion)
    ON_WM_NCHITTEST()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_CANCELMODE()
    ON_WM_SETFOCUS()
    ON_WM_CONTEXTMENU()
    ON_WM_SETTINGCHANGE()
    ON_WM_SYSCOLORCHANGE()
    ON_MESSAGE(TB_BUTTONCOUNT, OnButtonCount)
    ON_MESSAGE(TB_GETITEMRECT, OnGetItemRect)
    ON_MESSAGE(TB_GETBUTTON, OnGetButton)
    ON_MESSAGE(TB_GETBUTTONTEXTA, OnGetButtonText)
END_MESSAGE_MAP()

BOOL CVrxPToolBar::AltDragEnabled = FALSE;
BOOL CVrxPToolBar::customizeMode = FALSE;
COLORREF CVrxPToolBar::hotTextColor = static_cast<COLORREF>(-1);

COLORREF CVrxPToolBar::ControlTextColor()
{
    return hotTextColor != static_cast<COLORREF>(-1) ? hotTextColor : VrxPGlobals().colorBarText;
}
BOOL CVrxPToolBar::showTooltips = TRUE;
BOOL CVrxPToolBar::showShortcutKeys = TRUE;
BOOL CVrxPToolBar::largeIcons = FALSE;
int CVrxPToolBar::menuAnimation = 0;
BOOL CVrxPToolBar::menuShadows = TRUE;
BOOL CVrxPToolBar::showAllMenusAfterDelay = TRUE;
CVrxPToolBar* CVrxPToolBar::hoveredBar = nullptr;
HHOOK CVrxPToolBar::hotTrackHook = NULL;
CVrxPToolbarImageList* CVrxPToolBar::userImages = nullptr;
CVrxPToolbarImageList* CVrxPToolBar::sharedImages = nullptr;
CVrxPToolbarImageList* CVrxPToolBar::sharedSecondImages = nullptr;

namespace
{
CList<UINT, UINT>& BasicCommandList()
{
    static CList<UINT, UINT> commands;
    return commands;
}

CVrxPToolbarButton* AsButton(CObject* pObject)
{
    return static_cast<CVrxPToolbarButton*>(pObject);
}

void DeleteButtons(CObList& list)
{
    while (!list.IsEmpty())
        delete list.RemoveHead();
}

BOOL WriteButtonList(CVrxPRegistry& registry, LPCTSTR lpszName, CObList& buttons)
{
    std::vector<BYTE> bytes;
    return CVrxPArchivedValue::Store(bytes, CVrxPArchivedValue::growBytes, [&](CArchive& ar) { buttons.Serialize(ar); }) &&
           registry.WriteBinary(lpszName, bytes.data(), static_cast<UINT>(bytes.size()));
}

BOOL ReadButtonListValue(CVrxPRegistry& registry, LPCTSTR lpszName, CObList& loaded)
{
    BYTE* pData = nullptr;
    UINT nSize = 0;
    if (!registry.ReadBinary(lpszName, pData, nSize))
        return FALSE;
    const BOOL bLoaded = VrxPLoadButtonList(pData, nSize, RUNTIME_CLASS(CVrxPToolbarButton), loaded);
    delete[] pData;
    return bLoaded;
}

std::map<UINT, int>& DefaultImages()
{
    static std::map<UINT, int> images;
    return images;
}

BOOL HasSameButton(const CObList& list, const CVrxPToolbarButton& button)
{
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
        if (AsButton(list.GetNext(pos))->SameAs(button))
            return TRUE;
    return FALSE;
}
} // namespace

CVrxPToolBar::CVrxPToolBar()
    : m_nResourceId(0), m_bLocked(FALSE), m_nFirstSharedImage(0), m_painter(this), m_bTextLabels(FALSE),
      m_bOriginalsChanged(FALSE), m_nMruLength(CVrxPToolbarLayout::unlimited), m_nButtonHeight(0),
      m_bFloatingInMiniFrame(FALSE), m_nHot(-1), m_nPressed(-1), m_bTrackingLeave(FALSE), m_nKeyboard(-1),
      m_lastMouse(-1, -1), m_hSavedFocus(NULL), m_pOwnImages(nullptr), m_nSelected(-1), m_nDropIndex(-1),
      m_pDragged(nullptr), m_dragStart(-1, -1), m_bDragCopy(FALSE)
{
}

void CVrxPToolBar::SetSharedImages(CVrxPToolbarImageList* pFirst, CVrxPToolbarImageList* pSecond)
{
    sharedImages = pFirst;
    sharedSecondImages = pSecond;
}

CVrxPToolbarImageList* CVrxPToolBar::ImagesFor(const CVrxPToolbarButton& button) const
{
    if (m_pOwnImages != nullptr)
        return m_pOwnImages;
    if (button.userImage)
        return userImages;
    if (sharedImages != nullptr && sharedImages->GetCount() > 0)
        return sharedImages;
    return sharedSecondImages;
}

CVrxPToolBar::~CVrxPToolBar()
{
    DeleteButtons(m_buttons);
    DeleteButtons(m_resetButtons);
    DeleteButtons(m_originalItems);
}

int CVrxPToolBar::DefaultImageOf(UINT nCommand)
{
    const auto found = DefaultImages().find(nCommand);
    return found == DefaultImages().end() ? -1 : found->second;
}

void CVrxPToolBar::ForgetDefaultImages()
{
    DefaultImages().clear();
}

BOOL CVrxPToolBar::LoadToolbarResource(UINT nToolbarId, BOOL bLocked, UINT nImagesId)
{
    LPCTSTR lpszName = MAKEINTRESOURCE(nToolbarId);
    LPCTSTR lpszType = MAKEINTRESOURCE(CVrxPToolbarResource::resourceType);
    HINSTANCE hModule = AfxFindResourceHandle(lpszName, lpszType);
    HRSRC hFound = ::FindResource(hModule, lpszName, lpszType);
    HGLOBAL hLoaded = hFound != NULL ? ::LoadResource(hModule, hFound) : NULL;
    const BYTE* pData = hLoaded != NULL ? static_cast<const BYTE*>(::LockResource(hLoaded)) : nullptr;
    CVrxPToolbarResource resource;
    if (pData == nullptr || !resource.Parse(pData, ::SizeofResource(hModule, hFound)))
        return FALSE;
    // A reload keeps the images the first load brought.
    if (m_nResourceId != nToolbarId)
    {
        CVrxPToolbarImageList* pImages = bLocked ? m_pOwnImages : sharedImages;
        const UINT nBitmap = nImagesId != 0 ? nImagesId : nToolbarId;
        if (pImages == nullptr)
            return FALSE;
        if (pImages->GetCount() == 0)
            pImages->SetImageSize(CSize(resource.imageWidth, resource.imageHeight));
        if (!pImages->LoadFromResource(nBitmap, NULL, TRUE))
            return FALSE;
        m_nFirstSharedImage = bLocked ? 0 : pImages->FirstIndexOfResource(nBitmap);
    }
    m_bLocked = bLocked;
    m_nResourceId = nToolbarId;
    std::vector<UINT> ids(resource.commands.begin(), resource.commands.end());
    if (!AssignButtons(ids.data(), static_cast<int>(ids.size()), TRUE))
    {
        m_nResourceId = 0;
        return FALSE;
    }
    return TRUE;
}

BOOL CVrxPToolBar::AssignButtons(const UINT* pIds, int nCount, BOOL bRemap)
{
    DeleteAllButtons();
    DeleteButtons(m_originalItems);
    if (pIds == nullptr)
    {
        for (int i = 0; i < nCount; i++)
            InsertSeparatorAt(-1);
        return TRUE;
    }
    int nImage = m_nFirstSharedImage < 0 ? 0 : m_nFirstSharedImage;
    for (int i = 0; i < nCount; i++)
    {
        const UINT nID = pIds[i];
        m_originalItems.AddTail(new CVrxPToolbarButton(nID, -1));
        if (nID == 0)
        {
            InsertSeparatorAt(-1);
            continue;
        }
        if (bRemap)
        {
            if (InsertButtonCopy(CVrxPToolbarButton(nID, nImage, nullptr, FALSE, m_bLocked)) != -1 && !m_bLocked)
                DefaultImages()[nID] = nImage;
            nImage++;
        }
        else if (DefaultImageOf(nID) >= 0)
            InsertButtonCopy(CVrxPToolbarButton(nID, DefaultImageOf(nID), nullptr, FALSE, m_bLocked));
    }
    if (m_hWnd != NULL)
    {
        CWnd* pTarget = GetHostFrame();
        if (pTarget == nullptr)
            pTarget = GetParent();
        if (pTarget != nullptr)
            pTarget->SendMessage(VrxTOOLBAR_RESETTOOLBAR, m_nResourceId, 0);
    }
    CObList resetButtons;
    for (POSITION pos = m_buttons.GetHeadPosition(); pos != NULL;)
    {
        const CVrxPToolbarButton* pButton = AsButton(m_buttons.GetNext(pos));
        CVrxPToolbarButton* pCopy = static_cast<CVrxPToolbarButton*>(pButton->GetRuntimeClass()->CreateObject());
        pCopy->AssignFrom(*pButton);
        resetButtons.AddTail(pCopy);
    }
    ReplaceResetButtons(resetButtons);
    return TRUE;
}

BOOL CVrxPToolBar::RestoreOriginalState()
{
    if (!CanRestoreOriginal())
        return FALSE;
    const BOOL bLoaded = LoadToolbarResource(m_nResourceId, m_bLocked);
    if (m_hWnd != NULL)
        RecalcBarLayout();
    return bLoaded;
}

BOOL CVrxPToolBar::MergeOriginalItems(const CObList& stored)
{
    BOOL bChanged = FALSE;
    for (POSITION pos = stored.GetHeadPosition(); pos != NULL;)
    {
        const CVrxPToolbarButton& item = *AsButton(stored.GetNext(pos));
        if (HasSameButton(m_originalItems, item))
            continue;
        bChanged = TRUE;
        RemoveButtonAt(CommandToIndex(item.commandId));
    }
    int nIndex = 0;
    for (POSITION pos = m_originalItems.GetHeadPosition(); pos != NULL; nIndex++)
    {
        const CVrxPToolbarButton& item = *AsButton(m_originalItems.GetNext(pos));
        if (HasSameButton(stored, item))
            continue;
        bChanged = TRUE;
        const int nAt = std::min(nIndex, GetCount());
        if (item.commandId == 0)
            InsertSeparatorAt(nAt);
        else
            InsertButtonCopy(CVrxPToolbarButton(item.commandId, DefaultImageOf(item.commandId), nullptr, FALSE, m_bLocked),
                             nAt);
    }
    if (stored.GetCount() != m_originalItems.GetCount())
        return TRUE;
    POSITION posStored = stored.GetHeadPosition();
    for (POSITION pos = m_originalItems.GetHeadPosition(); pos != NULL && !bChanged;)
        bChanged = !AsButton(stored.GetNext(posStored))->SameAs(*AsButton(m_originalItems.GetNext(pos)));
    return bChanged;
}

// The bar style takes the bar bits of dwStyle (alignment, borders, sizing,
// gripper); the window only its visible bit.
BOOL CVrxPToolBar::CreateWithDefaultStyle(CWnd* pParent, DWORD dwStyle, UINT nID)
{
    const DWORD dwBarStyle = (dwStyle & 0xFFFF) | (dwStyle & CBRS_GRIPPER);
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW),
                                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    const DWORD dwWindowStyle = (dwStyle & WS_VISIBLE) | WS_CHILD;
    SetBarStyle(dwBarStyle);
    if (!CVrxPControlBar::CreateEx(0, lpszClass, dwWindowStyle, CRect(0, 0, 0, 0), pParent, nID,
                                   flagFloat | flagDockable))
        return FALSE;
    SetBarStyle(dwBarStyle);
    return TRUE;
}

int CVrxPToolBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CVrxPControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    VrxPAllToolBars().AddTail(this);
    EnableToolTips(TRUE);
    // Without OLE on this thread the bar simply takes no drops.
    m_dropTarget.RegisterOwner(this);
    return 0;
}

void CVrxPToolBar::OnDestroy()
{
    if (hoveredBar == this)
        hoveredBar = nullptr;
    if (selectedBar == this)
        selectedBar = nullptr;
    m_dropTarget.Revoke();
    ::KillTimer(m_hWnd, TME_LEAVE);
    CObList& all = VrxPAllToolBars();
    if (POSITION pos = all.Find(this))
        all.RemoveAt(pos);
    CVrxPControlBar::OnDestroy();
}

void CVrxPToolBar::AllowDocking(DWORD dwAlignment)
{
    CVrxPControlBar::AllowDocking(dwAlignment & CBRS_ALIGN_ANY);
}

BOOL CVrxPToolBar::OnAfterReparent(CWnd* pOldParent)
{
    m_bFloatingInMiniFrame = dynamic_cast<CVrxPMiniFrameWnd*>(GetParent()) != nullptr;
    return CVrxPControlBar::OnAfterReparent(pOldParent);
}

void CVrxPToolBar::OnAfterDock(CVrxPBaseControlBar* pTarget, const CRect* pRect, int nMethod)
{
    m_bFloatingInMiniFrame = FALSE;
    CVrxPControlBar::OnAfterDock(pTarget, pRect, nMethod);
}

// The floating bar wraps at its recent floating length, and its frame fits
// it.
void CVrxPToolBar::OnBecameFloating()
{
    CVrxPControlBar::OnBecameFloating();
    m_bFloatingInMiniFrame = TRUE;
    barStyle |= styleFloating;
    RecalcBarLayout();
}

// The dock bar left behind is painted again where the bar lay.
BOOL CVrxPToolBar::FloatBar(const CRect& rectScreen, int nMethod, BOOL bShow)
{
    CVrxPDockBar* pOldSite = GetDockSite();
    if (!CVrxPControlBar::FloatBar(rectScreen, nMethod, bShow))
        return FALSE;
    if (m_bFloatingInMiniFrame)
        RecalcBarLayout();
    if (pOldSite != nullptr && pOldSite->GetSafeHwnd() != NULL)
        pOldSite->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW | RDW_ALLCHILDREN);
    return TRUE;
}

CSize CVrxPToolBar::GetMinimumSize() const
{
    return IsAlignedHorizontally() ? CSize(minimumLength, minimumThickness) : CSize(minimumThickness, minimumLength);
}

CVrxPToolbarButton* CVrxPToolBar::GetButton(int nIndex) const
{
    POSITION pos = nIndex < 0 ? NULL : m_buttons.FindIndex(nIndex);
    return pos == NULL ? nullptr : AsButton(m_buttons.GetAt(pos));
}

int CVrxPToolBar::InsertButtonAt(CVrxPToolbarButton* pButton, int nIndex)
{
    if (nIndex < -1 || nIndex > GetCount() || ForbiddenCommands().Find(pButton->commandId) != NULL)
        return -1;
    pButton->parent = this;
    if (nIndex == -1 || nIndex == GetCount())
    {
        m_buttons.AddTail(pButton);
        nIndex = GetCount() - 1;
    }
    else
        m_buttons.InsertBefore(m_buttons.FindIndex(nIndex), pButton);
    RebuildMnemonicMap();
    return nIndex;
}

int CVrxPToolBar::InsertButtonCopy(const CVrxPToolbarButton& button, int nIndex)
{
    CVrxPToolbarButton* pCopy = static_cast<CVrxPToolbarButton*>(button.GetRuntimeClass()->CreateObject());
    pCopy->AssignFrom(button);
    const int nInserted = InsertButtonAt(pCopy, nIndex);
    if (nInserted == -1)
        delete pCopy;
    return nInserted;
}

int CVrxPToolBar::InsertSeparatorAt(int nIndex)
{
    if (GetCount() == 0 || nIndex == 0)
        return -1;
    CVrxPToolbarButton* pSeparator = new CVrxPToolbarButton;
    pSeparator->style = CVrxPToolbarButton::styleSeparator;
    pSeparator->imageIndex = separatorWidth;
    const int nInserted = InsertButtonAt(pSeparator, nIndex);
    if (nInserted == -1)
        delete pSeparator;
    return nInserted;
}

namespace
{
// An index into the list after the entry at nRemoved went.
int IndexAfterRemoval(int nIndex, int nRemoved)
{
    if (nIndex == nRemoved)
        return -1;
    return nIndex > nRemoved ? nIndex - 1 : nIndex;
}
} // namespace

void CVrxPToolBar::DeleteEntry(int nIndex)
{
    POSITION pos = m_buttons.FindIndex(nIndex);
    delete m_buttons.GetAt(pos);
    m_buttons.RemoveAt(pos);
    m_nPressed = IndexAfterRemoval(m_nPressed, nIndex);
    m_nHot = IndexAfterRemoval(m_nHot, nIndex);
    m_nKeyboard = IndexAfterRemoval(m_nKeyboard, nIndex);
    m_nSelected = IndexAfterRemoval(m_nSelected, nIndex);
}

// A bar neither ends with a separator nor shows two in a row.
BOOL CVrxPToolBar::RemoveButtonAt(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return FALSE;
    DeleteEntry(nIndex);
    for (int nLast = GetCount() - 1; nLast > 0 && GetButton(nLast)->IsSeparator(); nLast--)
        DeleteEntry(nLast);
    if (nIndex > 0 && nIndex < GetCount() && GetButton(nIndex - 1)->IsSeparator() && GetButton(nIndex)->IsSeparator())
        DeleteEntry(nIndex);
    RebuildMnemonicMap();
    return TRUE;
}

void CVrxPToolBar::DeleteAllButtons()
{
    DeleteButtons(m_buttons);
    m_nHot = m_nPressed = m_nKeyboard = m_nSelected = -1;
    m_mnemonics.clear();
}

int CVrxPToolBar::CommandToIndex(UINT nID, int nStart) const
{
    for (int i = nStart < 0 ? 0 : nStart; i < GetCount(); i++)
        if (GetButton(i)->commandId == nID)
            return i;
    return -1;
}

int CVrxPToolBar::ButtonIndexAtPoint(CPoint point) const
{
    int nIndex = 0;
    for (POSITION pos = m_buttons.GetHeadPosition(); pos != NULL; nIndex++)
    {
        const CVrxPToolbarButton* pButton = AsButton(m_buttons.GetNext(pos));
        if (pButton->visible && !pButton->IsSeparator() && pButton->rect.PtInRect(point))
            return nIndex;
    }
    return -1;
}

CSize CVrxPToolBar::MeasureButton(CDC& dc, const CVrxPToolbarButton& button) const
{
    if (button.IsSeparator())
        return CSize(button.imageIndex > 0 ? button.imageIndex : separatorWidth, 0);
    CRect rectText(0, 0, 0, 0);
    ::DrawText(dc.GetSafeHdc(), button.text.IsEmpty() ? " " : (LPCTSTR)button.text, -1, &rectText,
               DT_SINGLELINE | DT_CALCRECT);
    CSize size(rectText.Width(), rectText.Height());
    CVrxPToolbarImageList* pImages = ImagesFor(button);
    const int nImage = button.GetEffectiveImage();
    if (button.imageShown && pImages != nullptr && nImage >= 0 && nImage < pImages->GetCount())
    {
        const CSize sizeImage = pImages->GetImageSize();
        size.cx = button.textShown ? size.cx + sizeImage.cx + CVrxPToolbarButton::imageTextGap : sizeImage.cx;
        size.cy = sizeImage.cy > size.cy ? sizeImage.cy : size.cy;
    }
    return CSize(size.cx + 2 * buttonPaddingX, size.cy + 2 * buttonPaddingY);
}

CRect CVrxPToolBar::BorderInsets(BOOL bHorizontal) const
{
    CRect insets(0, 0, 0, 0);
    ApplyBorderInsets(insets, bHorizontal);
    return insets;
}

std::vector<VrxPLaidButton> CVrxPToolBar::MeasureButtons()
{
    const BOOL bHorizontal = IsAlignedHorizontally();
    std::vector<VrxPLaidButton> laid;
    laid.reserve(static_cast<size_t>(GetCount()));
    HDC hDC = ::GetDC(m_hWnd);
    CDC* pDC = CDC::FromHandle(hDC);
    HGDIOBJ hOldFont = ::SelectObject(hDC, VrxPGlobals().fontRegular.GetSafeHandle());
    TEXTMETRIC tm;
    ::GetTextMetrics(hDC, &tm);
    m_nButtonHeight = tm.tmHeight + 2 * buttonPaddingY;
    for (POSITION pos = m_buttons.GetHeadPosition(); pos != NULL;)
    {
        const CVrxPToolbarButton* pButton = AsButton(m_buttons.GetNext(pos));
        const CSize size = MeasureButton(*pDC, *pButton);
        VrxPLaidButton button;
        button.separator = pButton->IsSeparator() != FALSE;
        button.visible = pButton->visible != FALSE;
        button.cx = size.cx;
        // A separator is as thick across a vertical bar as along a horizontal one.
        button.cy = button.separator ? size.cx : size.cy;
        if (button.visible && !button.separator)
            m_nButtonHeight = std::max(m_nButtonHeight, static_cast<int>(size.cy));
        laid.push_back(button);
    }
    ::SelectObject(hDC, hOldFont);
    ::ReleaseDC(m_hWnd, hDC);
    for (VrxPLaidButton& button : laid)
        if (!button.separator && bHorizontal)
            button.cy = m_nButtonHeight;
    return laid;
}

void CVrxPToolBar::AdjustBarLayout()
{
    if (m_hWnd == NULL || dockRow == nullptr)
        return;
    const BOOL bHorizontal = IsAlignedHorizontally();
    const CSize size = CalcBarSize(FALSE, bHorizontal);
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    if (bHorizontal && rectWindow.Height() != size.cy)
        SetWindowPos(nullptr, 0, 0, rectWindow.Width(), size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    else if (!bHorizontal && rectWindow.Width() != size.cx)
        SetWindowPos(nullptr, 0, 0, size.cx, rectWindow.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

CSize CVrxPToolBar::CalcBarSize(BOOL bStretch, BOOL bHorizontal)
{
    return ComputeLayoutSize((bStretch ? layoutStretch : 0) | (bHorizontal ? layoutHorizontal : 0), -1);
}

CSize CVrxPToolBar::ComputeLayoutSize(int nMode, int nLength)
{
    const BOOL bHorizontal = (nMode & layoutHorizontal) != 0;
    const CRect insets = BorderInsets(bHorizontal);
    CVrxPToolbarLayout layout(MeasureButtons(), m_nButtonHeight, m_nButtonHeight, bHorizontal != FALSE);
    const DWORD dwStyle = GetBarStyle();
    const int nUnlimited = CVrxPToolbarLayout::unlimited;
    if ((dwStyle & CBRS_SIZE_FIXED) != 0)
        layout.Wrap(nUnlimited);
    else
    {
        int nFit = bHorizontal ? nUnlimited : 0;
        if ((dwStyle & CBRS_SIZE_DYNAMIC) != 0)
        {
            if ((nMode & layoutMruWidth) != 0)
                nFit = m_nMruLength;
            else if ((nMode & layoutHorizontalDock) != 0)
                nFit = nUnlimited;
            else if ((nMode & layoutVerticalDock) != 0)
                nFit = 0;
            else if (nLength != -1)
                nFit = nLength + ((nMode & layoutLengthIsHeight) != 0 ? insets.bottom - insets.top
                                                                     : insets.right - insets.left);
            else if (IsFloatingInMiniFrame())
                nFit = m_nMruLength;
        }
        layout.FitToLength(nFit, (nMode & layoutLengthIsHeight) != 0);
    }
    const CVrxPToolbarLayout::Extent extent = layout.MeasureExtent();
    if ((nMode & layoutCommit) != 0 && IsFloatingInMiniFrame() && (dwStyle & CBRS_SIZE_DYNAMIC) != 0 && bHorizontal)
        m_nMruLength = extent.cx;
    CSize size(extent.cx + insets.left - insets.right, extent.cy + insets.top - insets.bottom);
    if ((nMode & layoutStretch) != 0)
    {
        if (bHorizontal)
            size.cx = std::max(static_cast<int>(size.cx), nUnlimited);
        else
            size.cy = std::max(static_cast<int>(size.cy), nUnlimited);
    }
    return size;
}

CSize CVrxPToolBar::SizeForLength(int nLength, BOOL bByHeight)
{
    const BOOL bHorizontal = IsAlignedHorizontally();
    CVrxPToolbarLayout layout(MeasureButtons(), m_nButtonHeight, m_nButtonHeight, bHorizontal != FALSE);
    layout.FitToLength(nLength, bByHeight != FALSE);
    const CVrxPToolbarLayout::Extent extent = layout.MeasureExtent();
    if (!IsDockedInFrame() || m_bFloatingInMiniFrame)
        m_nMruLength = bHorizontal ? extent.cx : extent.cy;
    return CSize(extent.cx, extent.cy);
}

int CVrxPToolBar::WrapLength(const CRect& rectClient) const
{
    return m_bFloatingInMiniFrame ? rectClient.Width() - firstPosition : CVrxPToolbarLayout::unlimited;
}

void CVrxPToolBar::LayoutButtons()
{
    if (m_hWnd == NULL)
        return;
    const BOOL bHorizontal = IsAlignedHorizontally();
    CRect rectClient;
    GetClientRect(&rectClient);
    CVrxPToolbarLayout layout(MeasureButtons(), m_nButtonHeight, m_nButtonHeight, bHorizontal != FALSE);
    if (bHorizontal)
        layout.FitToLength(WrapLength(rectClient), false);
    int nPosition = firstPosition;
    int nRowTop = 0;
    BOOL bRowStart = TRUE;
    int i = 0;
    for (POSITION pos = m_buttons.GetHeadPosition(); pos != NULL; i++)
    {
        CVrxPToolbarButton* pButton = AsButton(m_buttons.GetNext(pos));
        const VrxPLaidButton& laid = layout.Buttons()[static_cast<size_t>(i)];
        pButton->wrap = bHorizontal && laid.wrap;
        if (!laid.visible)
        {
            pButton->rect.SetRectEmpty();
            continue;
        }
        // A separator that starts a row takes no room.
        const BOOL bHidden = laid.separator && bRowStart;
        if (bHorizontal)
        {
            const int nWidth = bHidden ? 0 : laid.cx;
            pButton->rect.SetRect(rectClient.left + nPosition, rectClient.top + nRowTop,
                                  rectClient.left + nPosition + nWidth, rectClient.top + nRowTop + m_nButtonHeight);
            nPosition += nWidth;
        }
        else
        {
            const int nHeight = bHidden ? 0 : laid.cy;
            pButton->rect.SetRect(rectClient.left, rectClient.top + nPosition, rectClient.right,
                                  rectClient.top + nPosition + nHeight);
            nPosition += nHeight;
        }
        bRowStart = FALSE;
        if (pButton->wrap)
        {
            nPosition = firstPosition;
            nRowTop += m_nButtonHeight + CVrxPToolbarLayout::rowGap;
            bRowStart = TRUE;
        }
    }
    Invalidate();
}

void CVrxPToolBar::RecalcBarLayout()
{
    if (m_hWnd == NULL)
        return;
    const CSize size = CalcBarSize(FALSE, IsAlignedHorizontally());
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    if (rectWindow.Size() != size)
    {
        SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RecomputeLayoutRect();
        FitSurroundings(size);
    }
    LayoutButtons();
    RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW);
}

void CVrxPToolBar::FitSurroundings(CSize size)
{
    if (CVrxPMiniFrameWnd* pMiniFrame = dynamic_cast<CVrxPMiniFrameWnd*>(GetParent()))
    {
        pMiniFrame->FitClientTo(size);
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    else if (dockRow != nullptr)
    {
        UpdateBarSize(TRUE);
    }
    else
    {
        RequestHostLayout(NULL);
    }
}

void CVrxPToolBar::OnSize(UINT nType, int cx, int cy)
{
    CVrxPControlBar::OnSize(nType, cx, cy);
    LayoutButtons();
}

void CVrxPToolBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    m_painter.AdjustNonClientRect(&lpncsp->rgrc[0]);
}

LRESULT CVrxPToolBar::OnNcPaintRegion(WPARAM wParam, LPARAM)
{
    m_painter.PaintNonClient(reinterpret_cast<HRGN>(wParam));
    return 0;
}

// The gripper answers as a caption, so a press on it drags the bar.
LRESULT CVrxPToolBar::OnNcHitTest(CPoint point)
{
    CRect rectGripper;
    m_painter.GripperRect(&rectGripper, FALSE);
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    if (rectGripper.PtInRect(CPoint(point.x - rectWindow.left, point.y - rectWindow.top)))
        return HTCAPTION;
    CRect rectClient;
    GetClientRect(&rectClient);
    ClientToScreen(&rectClient);
    return rectClient.PtInRect(point) ? HTCLIENT : HTBORDER;
}

void CVrxPToolBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (nHitTest == HTCAPTION && !IsDragging() && CanFloat())
    {
        BeginDragFromCursor(TRUE);
        return;
    }
    CVrxPControlBar::OnNcLButtonDown(nHitTest, point);
}

void CVrxPToolBar::PaintBar(CDC* pDC)
{
    CRect rectUpdate;
    pDC->GetClipBox(&rectUpdate);
    CRect rectClient;
    GetClientRect(&rectClient);
    CVrxPMemoryDC memory(*pDC, this);
    CDC& dc = memory.GetDC();
    CVrxPVisualManager* pLook = CVrxPVisualManager::Instance();
    if ((GetStyle() & TBSTYLE_TRANSPARENT) == 0 || !m_painter.PaintParentBackground(&dc))
        pLook->PaintBarBackground(&dc, this, rectClient, rectUpdate, FALSE);
    HGDIOBJ hOldFont = ::SelectObject(dc.GetSafeHdc(), VrxPGlobals().fontRegular.GetSafeHandle());
    dc.SetBkMode(TRANSPARENT);
    const BOOL bHorizontal = IsAlignedHorizontally();
    CRect rectShared;
    int i = 0;
    for (POSITION pos = m_buttons.GetHeadPosition(); pos != NULL; i++)
    {
        const CVrxPToolbarButton* pButton = AsButton(m_buttons.GetNext(pos));
        if (!pButton->visible || pButton->rect.IsRectEmpty() || !rectShared.IntersectRect(&pButton->rect, &rectUpdate))
            continue;
        if (pButton->IsSeparator())
            DrawSeparator(dc, pButton->rect, bHorizontal);
        else
            DrawButton(dc, i, IsButtonHighlighted(i), i == m_nPressed && i == m_nHot);
    }
    PaintCustomizeMarks(dc);
    ::SelectObject(dc.GetSafeHdc(), hOldFont);
}

BOOL CVrxPToolBar::IsButtonHighlighted(int nIndex) const
{
    if (nIndex < 0 || nIndex != m_nHot || (customizeMode && !m_bLocked))
        return FALSE;
    return m_nPressed < 0 || m_nPressed == nIndex;
}

void CVrxPToolBar::DrawSeparator(CDC& dc, const CRect& rect, BOOL bHorizontal)
{
    // Upright across a row, flat across a column.
    CVrxPVisualManager::Instance()->PaintSeparator(&dc, this, rect, bHorizontal);
}

// The look paints the face and the frame for the button's state and gives
// the text its colour.
void CVrxPToolBar::DrawButton(CDC& dc, int nIndex, BOOL bHot, BOOL bPressed)
{
    CVrxPToolbarButton* pButton = GetButton(nIndex);
    CVrxPVisualManager* pLook = CVrxPVisualManager::Instance();
    const BOOL bChecked = (pButton->style & CVrxPToolbarButton::styleChecked) != 0;
    int nState = 0;
    if (bPressed || (bChecked && !bHot))
        nState = CVrxPVisualManager::statePressed;
    else if (bHot)
        nState = CVrxPVisualManager::stateHighlighted;
    CRect rect = pButton->rect;
    pLook->PaintButtonFace(&dc, pButton, rect, nState);
    pLook->PaintButtonFrame(&dc, pButton, rect, nState);
    if (bPressed)
        rect.OffsetRect(1, 1);
    dc.SetTextColor(pLook->QueryButtonTextColor(pButton, nState));
    pButton->Draw(&dc, rect, ImagesFor(*pButton));
}

CString CVrxPToolBar::TooltipText(const CVrxPToolbarButton& button) const
{
    CString text;
    const BOOL bValidCommand = button.commandId != 0 && button.commandId != static_cast<UINT>(-1);
    if (bValidCommand && !button.userImage && text.LoadString(button.commandId))
    {
        const int nNewline = text.Find('\n');
        text = nNewline >= 0 ? text.Mid(nNewline + 1) : CString();
    }
    if (text.IsEmpty())
    {
        text = button.text;
        text.Remove('&');
    }
    if (text.IsEmpty() || !showShortcutKeys || !bValidCommand)
        return text;
    const CString shortcut = ShortcutText(button.commandId);
    if (!shortcut.IsEmpty())
        text += " (" + shortcut + ")";
    return text;
}

// The first shortcut of the command in the owner frame's accelerators.
CString CVrxPToolBar::ShortcutText(UINT nCommand) const
{
    // A floating bar's parent frame is its mini frame: the shortcuts are its
    // own frame's.
    CFrameWnd* pFrame = GetHostFrame();
    if (pFrame == nullptr)
        pFrame = VrxPFindOwnerFrame(const_cast<CVrxPToolBar*>(this));
    HACCEL hAccel = pFrame != nullptr ? pFrame->m_hAccelTable : NULL;
    if (hAccel == NULL && pFrame != nullptr)
        hAccel = pFrame->GetDefaultAccelerator();
    CString text;
    const int nEntries = hAccel != NULL ? ::CopyAcceleratorTable(hAccel, nullptr, 0) : 0;
    if (nEntries <= 0)
        return text;
    std::vector<ACCEL> entries(static_cast<size_t>(nEntries));
    ::CopyAcceleratorTable(hAccel, entries.data(), nEntries);
    for (const ACCEL& entry : entries)
        if (entry.cmd == nCommand)
        {
            CVrxPAccelFormatter(&entry).BuildText(text);
            break;
        }
    return text;
}

INT_PTR CVrxPToolBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    if (!showTooltips)
        return -1;
    const INT_PTR nChild = CWnd::OnToolHitTest(point, pTI);
    if (nChild != -1)
        return nChild;
    const CVrxPToolbarButton* pButton = GetButton(ButtonIndexAtPoint(point));
    if (pButton == nullptr || pButton->IsSeparator())
        return -1;
    const CString text = TooltipText(*pButton);
    if (text.IsEmpty())
        return -1;
    const UINT nTool = pButton->commandId == static_cast<UINT>(-1) ? 0 : pButton->commandId;
    if (pTI != nullptr)
    {
        pTI->hwnd = m_hWnd;
        pTI->uId = nTool;
        pTI->rect = pButton->rect;
        CVrxPToolTipFactory::SetToolText(pTI, nullptr, CVrxPToolTipFactory::kindToolBar, text, nullptr);
    }
    return static_cast<INT_PTR>(nTool);
}

LRESULT CVrxPToolBar::OnButtonCount(WPARAM, LPARAM)
{
    return GetCount();
}

LRESULT CVrxPToolBar::OnGetItemRect(WPARAM wParam, LPARAM lParam)
{
    const CVrxPToolbarButton* pButton = GetButton(static_cast<int>(wParam));
    if (pButton == nullptr || lParam == 0)
        return FALSE;
    *reinterpret_cast<RECT*>(lParam) = pButton->rect;
    return TRUE;
}

LRESULT CVrxPToolBar::OnGetButton(WPARAM wParam, LPARAM lParam)
{
    const CVrxPToolbarButton* pButton = GetButton(static_cast<int>(wParam));
    if (pButton == nullptr || lParam == 0)
        return FALSE;
    TBBUTTON* pInfo = reinterpret_cast<TBBUTTON*>(lParam);
    *pInfo = TBBUTTON();
    pInfo->idCommand = static_cast<int>(pButton->commandId);
    pInfo->fsState = static_cast<BYTE>(pButton->style >> 16);
    pInfo->fsStyle = static_cast<BYTE>(pButton->style & 0xFF);
    return TRUE;
}

// Without a buffer only the length is answered, as the platform's toolbar
// does: the caller asks first, then gives a buffer that long plus one.
LRESULT CVrxPToolBar::OnGetButtonText(WPARAM wParam, LPARAM lParam)
{
    const int nIndex = CommandToIndex(static_cast<UINT>(wParam));
    if (nIndex < 0)
        return -1;
    const CString& text = GetButton(nIndex)->text;
    if (lParam != 0)
        memcpy(reinterpret_cast<char*>(lParam), static_cast<LPCTSTR>(text), static_cast<size_t>(text.GetLength()) + 1);
    return text.GetLength();
}

void CVrxPToolBar::SetHotIndex(int nIndex)
{
    if (nIndex == m_nHot)
        return;
    // Only the buttons that lose and gain the highlight are drawn again.
    for (int nChanged : {m_nHot, nIndex})
        if (const CVrxPToolbarButton* pButton = GetButton(nChanged))
            InvalidateRect(&pButton->rect);
    m_nHot = nIndex;
}

UINT CVrxPToolBar::PromptStringId(UINT nCommand)
{
    const UINT firstSystemCommand = 0xF000;
    const UINT lastSystemCommand = 0xF1EF;
    const UINT firstSystemPrompt = 0xEF00;
    const UINT reservedPrompt = 0xEF1F;
    if (nCommand >= firstSystemCommand && nCommand <= lastSystemCommand)
        return ((nCommand - firstSystemCommand) >> 4) + firstSystemPrompt;
    if (nCommand == static_cast<UINT>(-1) || nCommand == static_cast<UINT>(-20))
        return idleMessageId;
    if (nCommand > 0xFEFF)
        return reservedPrompt;
    return nCommand;
}

void CVrxPToolBar::SendPrompt(UINT nStringId) const
{
    CWnd* pTarget = GetOwner();
    if (pTarget == nullptr)
        pTarget = GetParent();
    if (pTarget != nullptr && pTarget->GetSafeHwnd() != NULL)
        pTarget->SendMessage(WM_SETMESSAGESTRING, nStringId, 0);
}

// While the hot-track hook is on a menu is open and owns the status bar.
UINT CVrxPToolBar::ShowCommandPrompt(UINT nCommand) const
{
    if (IsHotTrackHookInstalled())
        return 0;
    const UINT nStringId = PromptStringId(nCommand);
    SendPrompt(nStringId);
    return nStringId;
}

void CVrxPToolBar::SendIdlePrompt() const
{
    if (!IsHotTrackHookInstalled())
        SendPrompt(idleMessageId);
}

void CVrxPToolBar::OnMouseMove(UINT, CPoint point)
{
    // In customise mode buttons are selected and dragged, never hot.
    if (customizeMode && !m_bLocked)
        return;
    if (point == m_lastMouse)
        return;
    m_lastMouse = point;
    // The leave notice of the bar left behind may come late or not at all
    // when the mouse goes straight onto another bar.
    if (hoveredBar != this)
    {
        if (hoveredBar != nullptr)
        {
            hoveredBar->m_bTrackingLeave = FALSE;
            hoveredBar->m_lastMouse = CPoint(-1, -1);
            hoveredBar->SetHotIndex(-1);
            hoveredBar->m_nKeyboard = -1;
            hoveredBar->UpdateWindow();
        }
        hoveredBar = this;
    }
    int nHit = ButtonIndexAtPoint(point);
    // The keyboard highlight stays while the mouse is over no button.
    if (nHit < 0 && m_nKeyboard >= 0 && ::GetFocus() == m_hWnd)
        return;
    const CVrxPToolbarButton* pHit = GetButton(nHit);
    if (pHit != nullptr && (pHit->style & CVrxPToolbarButton::styleDisabled) != 0 && !HighlightsDisabledItems())
        nHit = -1;
    if (!m_bTrackingLeave)
    {
        TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, m_hWnd, 0};
        m_bTrackingLeave = EmulateTrackMouseLeave(&track) != 0;
    }
    if (nHit == m_nHot)
        return;
    if (pHit != nullptr && nHit >= 0 && (m_nPressed < 0 || m_nPressed == nHit))
        ShowCommandPrompt(pHit->commandId);
    else if (nHit < 0 && m_nPressed < 0)
        SendIdlePrompt();
    // The pressed button looks pressed only while the mouse is over it.
    if (CVrxPToolbarButton* pPressed = GetButton(m_nPressed))
    {
        const UINT nStyle = nHit == m_nPressed ? pPressed->style | CVrxPToolbarButton::stylePressed
                                                : pPressed->style & ~CVrxPToolbarButton::stylePressed;
        ChangeButtonStyle(m_nPressed, nStyle);
    }
    SetHotIndex(nHit);
    m_nKeyboard = nHit;
    UpdateWindow();
}

// The hot-track hook hands the moves on while a menu is open.
void CVrxPToolBar::OnMouseLeave()
{
    if (IsHotTrackHookInstalled())
        return;
    m_bTrackingLeave = FALSE;
    m_lastMouse = CPoint(-1, -1);
    if (m_nHot < 0)
    {
        SendIdlePrompt();
        return;
    }
    if (::GetFocus() == m_hWnd || m_nPressed >= 0)
        return;
    SetHotIndex(-1);
    m_nKeyboard = -1;
    UpdateWindow();
    SendIdlePrompt();
}

// A disabled button is not pressed; a pressed one shows its prompt and
// holds the mouse until it is released.
void CVrxPToolBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (HandleCustomizePress(nFlags, point))
        return;
    const int nHit = ButtonIndexAtPoint(point);
    CVrxPToolbarButton* pButton = GetButton(nHit);
    m_nPressed = -1;
    if (pButton == nullptr)
        return;
    UpdateButtonCmdUI(nHit);
    if ((pButton->style & CVrxPToolbarButton::styleDisabled) != 0)
        return;
    m_nPressed = nHit;
    ChangeButtonStyle(nHit, pButton->style | CVrxPToolbarButton::stylePressed);
    ShowCommandPrompt(pButton->commandId);
    SetCapture();
    Invalidate();
}

// A second quick click on a button is a press like the first; elsewhere the
// bar floats or docks.
void CVrxPToolBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (ButtonIndexAtPoint(point) >= 0)
        OnLButtonDown(nFlags, point);
    else
        CVrxPControlBar::OnLButtonDblClk(nFlags, point);
}

// Released over the pressed button: a check box toggles (an indeterminate
// one becomes checked) and the command goes to the owner. Released
// elsewhere: nothing is sent and the style is as before the press.
void CVrxPToolBar::OnLButtonUp(UINT, CPoint point)
{
    const int nPressed = m_nPressed;
    if (nPressed < 0)
        return;
    m_nPressed = -1;
    ::ReleaseCapture();
    CVrxPToolbarButton* pButton = GetButton(nPressed);
    BOOL bReleasedOver = ButtonIndexAtPoint(point) == nPressed;
    if (bReleasedOver)
    {
        UpdateButtonCmdUI(nPressed);
        bReleasedOver = (pButton->style & CVrxPToolbarButton::styleDisabled) == 0;
    }
    UINT nStyle = pButton->style & ~CVrxPToolbarButton::stylePressed;
    if (bReleasedOver && (pButton->style & CVrxPToolbarButton::styleCheckBox) != 0)
    {
        const BOOL bWasIndeterminate = (nStyle & CVrxPToolbarButton::styleIndeterminate) != 0;
        nStyle &= ~CVrxPToolbarButton::styleIndeterminate;
        nStyle = bWasIndeterminate ? nStyle | CVrxPToolbarButton::styleChecked
                                   : nStyle ^ CVrxPToolbarButton::styleChecked;
    }
    ChangeButtonStyle(nPressed, nStyle);
    SendIdlePrompt();
    RestoreSavedFocus();
    Invalidate();
    if (bReleasedOver)
        OnClickButton(nPressed);
    m_lastMouse = CPoint(-1, -1);
    OnMouseMove(0, point);
}

void CVrxPToolBar::OnCancelMode()
{
    CVrxPControlBar::OnCancelMode();
    if (CVrxPToolbarButton* pPressed = GetButton(m_nPressed))
    {
        pPressed->style &= ~CVrxPToolbarButton::stylePressed;
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
    }
    m_nPressed = -1;
    SetHotIndex(-1);
    m_nKeyboard = -1;
    if (m_hWnd != NULL)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// The window that gave the bar the focus gets it back afterwards, unless
// it is another toolbar or inside one.
void CVrxPToolBar::OnSetFocus(CWnd* pOldWnd)
{
    CVrxPControlBar::OnSetFocus(pOldWnd);
    for (CWnd* pWnd = pOldWnd; pWnd != nullptr; pWnd = pWnd->GetParent())
        if (dynamic_cast<CVrxPToolBar*>(pWnd) != nullptr)
            return;
    m_hSavedFocus = pOldWnd != nullptr ? pOldWnd->GetSafeHwnd() : NULL;
}

void CVrxPToolBar::RestoreSavedFocus()
{
    const HWND hSaved = m_hSavedFocus;
    m_hSavedFocus = NULL;
    if (hSaved != NULL && ::IsWindow(hSaved))
        ::SetFocus(hSaved);
}

void CVrxPToolBar::SetHighlightedIndex(int nIndex)
{
    if (nIndex == m_nKeyboard || GetButton(nIndex) == nullptr)
        nIndex = -1;
    m_nKeyboard = nIndex;
    if (m_nKeyboard == m_nHot)
        return;
    SetHotIndex(m_nKeyboard);
    if (m_hWnd != NULL)
        UpdateWindow();
}

BOOL CVrxPToolBar::HighlightButton(CVrxPToolbarButton* pButton)
{
    if (pButton == nullptr)
    {
        m_nKeyboard = -1;
        SetHotIndex(-1);
        return TRUE;
    }
    int nIndex = 0;
    for (POSITION pos = m_buttons.GetHeadPosition(); pos != NULL; nIndex++)
        if (m_buttons.GetNext(pos) == pButton)
        {
            if (nIndex != m_nKeyboard)
                SetHighlightedIndex(nIndex);
            return TRUE;
        }
    return FALSE;
}

void CVrxPToolBar::ClearHighlight()
{
    if (GetButton(m_nHot) != nullptr)
    {
        m_nKeyboard = -1;
        SetHotIndex(-1);
        if (m_hWnd != NULL)
            UpdateWindow();
        SendPrompt(idleMessageId);
    }
    RestoreSavedFocus();
}

void CVrxPToolBar::RebuildMnemonicMap()
{
    m_mnemonics.clear();
    for (POSITION pos = m_buttons.GetHeadPosition(); pos != NULL;)
    {
        CVrxPToolbarButton* pButton = AsButton(m_buttons.GetNext(pos));
        if (pButton->IsSeparator() || !pButton->textShown)
            continue;
        const int nAmpersand = pButton->text.Find('&');
        if (nAmpersand < 0 || nAmpersand + 1 >= pButton->text.GetLength())
            continue;
        const UINT nKey = CVrxPKeyboardManager::UpperCaseKey(static_cast<BYTE>(pButton->text[nAmpersand + 1]));
        m_mnemonics.emplace(nKey, pButton);
    }
}

BOOL CVrxPToolBar::HandleMnemonicKey(UINT nChar)
{
    if (!CVrxPKeyboardManager::ProducesCharacter(nChar))
        return FALSE;
    const auto found = m_mnemonics.find(CVrxPKeyboardManager::UpperCaseKey(nChar));
    if (found == m_mnemonics.end())
        return FALSE;
    return ExecuteByKeyboard(found->second);
}

BOOL CVrxPToolBar::ExecuteByKeyboard(CVrxPToolbarButton* pButton)
{
    if (pButton == nullptr || pButton->commandId == 0 || pButton->commandId == static_cast<UINT>(-1))
        return FALSE;
    CWnd* pTarget = GetOwner();
    if (pTarget == nullptr)
        pTarget = GetParent();
    if (pTarget == nullptr)
        return FALSE;
    RequestMenuSound(CVrxPMenuSound::command);
    RecordCommandUse(pButton->commandId);
    pTarget->PostMessage(WM_COMMAND, pButton->commandId, 0);
    return TRUE;
}

// Escape leaves keyboard mode, giving the focus back, while no menu of the
// bar is open.
BOOL CVrxPToolBar::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE && pMsg->hwnd == m_hWnd)
    {
        ClearHighlight();
        return TRUE;
    }
    return CVrxPControlBar::PreTranslateMessage(pMsg);
}

void CVrxPToolBar::SetHotTrackHook(BOOL bOn)
{
    if (bOn)
    {
        if (hotTrackHook == NULL)
            hotTrackHook = ::SetWindowsHookEx(WH_MOUSE, HotTrackHookProc, NULL, ::GetCurrentThreadId());
        return;
    }
    if (hotTrackHook != NULL)
        ::UnhookWindowsHookEx(hotTrackHook);
    hotTrackHook = NULL;
    hoveredBar = nullptr;
    CObList& all = VrxPAllToolBars();
    for (POSITION pos = all.GetHeadPosition(); pos != NULL;)
    {
        CVrxPToolBar* pBar = static_cast<CVrxPToolBar*>(all.GetNext(pos));
        if (pBar->GetSafeHwnd() != NULL)
            pBar->OnCancelMode();
    }
}

void CVrxPToolBar::TrackHotAcrossBars(CPoint pointScreen)
{
    CVrxPToolBar* pBar = dynamic_cast<CVrxPToolBar*>(CWnd::FromHandlePermanent(::WindowFromPoint(pointScreen)));
    CVrxPToolBar* pPrevious = hoveredBar;
    if (pPrevious != nullptr && pPrevious != pBar && pPrevious->GetSafeHwnd() != NULL)
    {
        pPrevious->m_bTrackingLeave = FALSE;
        pPrevious->m_lastMouse = CPoint(-1, -1);
        pPrevious->m_nKeyboard = -1;
        pPrevious->SetHotIndex(-1);
        pPrevious->UpdateWindow();
    }
    hoveredBar = pBar;
    if (pBar == nullptr)
        return;
    CPoint point = pointScreen;
    pBar->ScreenToClient(&point);
    pBar->OnMouseMove(0, point);
}

LRESULT CALLBACK CVrxPToolBar::HotTrackHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode != HC_ACTION)
        return ::CallNextHookEx(hotTrackHook, nCode, wParam, lParam);
    if (wParam == WM_MOUSEMOVE)
        TrackHotAcrossBars(reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam)->pt);
    return 0;
}

void CVrxPToolBar::OnContextMenu(CWnd*, CPoint point)
{
    if (!customizeMode)
        VrxPShowBarContextMenu(this, point);
}

// The owner, else the parent; the owner frame when neither is a frame.
CWnd* CVrxPToolBar::GetOwnerForCommands() const
{
    CWnd* pOwner = GetOwner();
    if (pOwner == nullptr)
        pOwner = GetParent();
    if (pOwner == nullptr || !pOwner->IsFrameWnd())
        pOwner = VrxPFindOwnerFrame(const_cast<CVrxPToolBar*>(this));
    return pOwner;
}

void CVrxPToolBar::ChangeButtonStyle(int nIndex, UINT nStyle)
{
    CVrxPToolbarButton* pButton = GetButton(nIndex);
    if (pButton == nullptr || pButton->style == nStyle)
        return;
    pButton->style = nStyle;
    if (m_hWnd != NULL)
        InvalidateRect(&pButton->rect);
}

namespace
{
// Commands no update handler is asked about: system commands and the
// framework's reserved ids.
BOOL IsUpdatedCommand(UINT nID)
{
    const UINT firstSystemCommand = 0xF000;
    const UINT lastSystemCommand = 0xF1EF;
    const UINT firstReservedId = 0xFF00;
    return nID != 0 && (nID < firstSystemCommand || nID > lastSystemCommand) && nID < firstReservedId;
}
} // namespace

void CVrxPToolBar::OnUpdateCmdUI(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    if (pTarget == nullptr)
        return;
    for (int i = 0; i < GetCount(); i++)
        UpdateButtonCmdUI(i, pTarget, bDisableIfNoHndler);
}

// A frame disables unhandled commands as it does in its menus.
void CVrxPToolBar::UpdateButtonCmdUI(int nIndex)
{
    CWnd* pTarget = GetOwnerForCommands();
    CFrameWnd* pFrame = pTarget != nullptr && pTarget->IsFrameWnd() ? static_cast<CFrameWnd*>(pTarget) : nullptr;
    UpdateButtonCmdUI(nIndex, pTarget, pFrame != nullptr && pFrame->m_bAutoMenuEnable);
}

void CVrxPToolBar::UpdateButtonCmdUI(int nIndex, CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    const CVrxPToolbarButton* pButton = GetButton(nIndex);
    if (pTarget == nullptr || pButton == nullptr || pButton->IsSeparator() || !IsUpdatedCommand(pButton->commandId))
        return;
    const CVrxPUserToolsManager* pTools = CVrxPUserToolsManager::Instance();
    CVrxPToolbarCmdUI state(this);
    state.m_nIndex = static_cast<UINT>(nIndex);
    state.m_nID = pButton->commandId;
    const BOOL bUserTool = pTools != nullptr && pTools->IsToolCommandId(pButton->commandId);
    state.DoUpdate(pTarget, bDisableIfNoHndler && !bUserTool);
}

// Idle time: wParam says whether a command nobody handles is disabled.
LRESULT CVrxPToolBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if ((GetStyle() & WS_VISIBLE) != 0)
        OnUpdateCmdUI(GetOwnerForCommands(), static_cast<BOOL>(wParam));
    return 0;
}

void CVrxPToolBar::OnClickButton(int nIndex)
{
    CVrxPToolbarButton* pButton = GetButton(nIndex);
    if ((pButton->style & CVrxPToolbarButton::styleDisabled) != 0 || pButton->OnClick(this) ||
        pButton->commandId == 0)
        return;
    RecordCommandUse(pButton->commandId);
    if (CWnd* pTarget = GetOwnerForCommands())
        pTarget->PostMessage(WM_COMMAND, pButton->commandId, 0);
}

namespace
{
CVrxPCommandUsage::Context UsageContext()
{
    CVrxPCommandUsage::Context context;
    context.customizeMode = CVrxPToolBar::customizeMode;
    context.basicCommands = &CVrxPToolBar::BasicCommands();
    return context;
}
} // namespace

void CVrxPToolBar::RecordCommandUse(UINT nCommand)
{
    CVrxPCommandUsage::Global().AddCommandUsage(nCommand, UsageContext());
}

BOOL CVrxPToolBar::IsRarelyUsedCommand(UINT nCommand)
{
    return CVrxPCommandUsage::Global().IsRarelyUsed(nCommand, UsageContext());
}

void CVrxPToolBar::Serialize(CArchive& ar)
{
    CVrxPWorkspace* pWorkspace = VrxPWorkspaceInstance();
    const BOOL bMruStored = CVrxPMenuStore::IsStoring() ||
                            (pWorkspace != nullptr && pWorkspace->PackedStateVersion() >= mruLengthVersion);
    if (ar.IsStoring())
    {
        ar << static_cast<int>(GetBarStyle() & CBRS_ALIGN_ANY);
        ar << static_cast<int>(m_hWnd != NULL && (GetStyle() & WS_VISIBLE) != 0);
        CObList stored;
        for (POSITION pos = m_buttons.GetHeadPosition(); pos != NULL;)
        {
            CVrxPToolbarButton* pButton = AsButton(m_buttons.GetNext(pos));
            if (pButton->IsDraggable())
                stored.AddTail(pButton);
        }
        stored.Serialize(ar);
        ar << static_cast<int>(m_bTextLabels);
        CString text;
        if (m_hWnd != NULL)
            GetWindowText(text);
        ar << text << m_nMruLength;
        return;
    }
    int nAlignment = 0, nVisible = 0, nTextLabels = 0;
    ar >> nAlignment >> nVisible;
    SetBarStyle(GetBarStyle() | (static_cast<DWORD>(nAlignment) & CBRS_ALIGN_ANY));
    CObList loaded;
    try
    {
        VrxPReadButtonList(ar, RUNTIME_CLASS(CVrxPToolbarButton), loaded);
    }
    catch (CException*)
    {
        DeleteButtons(loaded);
        throw;
    }
    DeleteAllButtons();
    while (!loaded.IsEmpty())
    {
        CVrxPToolbarButton* pButton = AsButton(loaded.RemoveHead());
        pButton->style &= ~(CVrxPToolbarButton::styleChecked | CVrxPToolbarButton::stylePressed);
        pButton->parent = this;
        m_buttons.AddTail(pButton);
    }
    for (int i = GetCount() - 1; i >= 0; i--)
        if (ForbiddenCommands().Find(GetButton(i)->commandId) != NULL)
            DeleteEntry(i);
    RebuildMnemonicMap();
    ar >> nTextLabels;
    m_bTextLabels = nTextLabels;
    CString text;
    ar >> text;
    if (m_hWnd != NULL)
        SetWindowText(text);
    if (bMruStored)
        ar >> m_nMruLength;
}

CString CVrxPToolBar::BuildToolbarKeyPath(LPCTSTR lpszProfile, int nIndex, int nID) const
{
    const CString path = VrxPBuildRegistryPath(toolBarsSection, lpszProfile);
    const int nBarId = nIndex == -1 ? GetDlgCtrlID() : nIndex;
    CString key;
    if (nID == -1)
        key.Format(toolBarKeyFormat, (LPCTSTR)path, nBarId);
    else
        key.Format(toolBarFrameKeyFormat, (LPCTSTR)path, nBarId, nID);
    return key;
}

// The buttons first, then the bar's place; a failure of either fails the
// store.
BOOL CVrxPToolBar::StoreToRegistry(LPCTSTR lpszProfile, int nIndex, int nID)
{
    BOOL bStored = FALSE;
    {
        CVrxPRegistryHolder holder;
        CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
        if (registry.MakeKey(BuildToolbarKeyPath(lpszProfile, nIndex, nID)))
        {
            CString name;
            if (m_hWnd != NULL)
                GetWindowText(name);
            bStored = (m_hWnd == NULL || registry.WriteString("Name", name)) &&
                      registry.WriteArchived("Buttons", *this) &&
                      (m_originalItems.IsEmpty() || WriteButtonList(registry, "OriginalItems", m_originalItems)) &&
                      (m_resetButtons.IsEmpty() || WriteButtonList(registry, "OrigResetItems", m_resetButtons));
        }
    }
    const BOOL bPlaceStored = m_hWnd == NULL || CVrxPControlBar::StoreToRegistry(lpszProfile, nIndex, nID);
    return bStored && bPlaceStored;
}

// A damaged state is reported and the bar is rebuilt from its resource (or
// left empty without one) rather than half loaded. Saved buttons then follow
// the changes of the resource since they were saved.
BOOL CVrxPToolBar::RestoreFromRegistry(LPCTSTR lpszProfile, int nIndex, int nID)
{
    {
        CVrxPRegistryHolder holder;
        CVrxPRegistry& registry = holder.Open(FALSE, TRUE);
        if (!registry.OpenKey(BuildToolbarKeyPath(lpszProfile, nIndex, nID)) || !registry.ValueExists("Buttons"))
            return FALSE;
        if (!registry.ReadArchived("Buttons", *this))
        {
            DeleteAllButtons();
            RestoreOriginalState();
            return FALSE;
        }
        CObList resetItems;
        if (registry.ValueExists("OrigResetItems") && ReadButtonListValue(registry, "OrigResetItems", resetItems) &&
            !resetItems.IsEmpty())
            ReplaceResetButtons(resetItems);
        CObList storedOriginals;
        if (registry.ValueExists("OriginalItems") && ReadButtonListValue(registry, "OriginalItems", storedOriginals))
            m_bOriginalsChanged = MergeOriginalItems(storedOriginals);
        DeleteButtons(storedOriginals);
    }
    if (m_hWnd == NULL)
        return TRUE;
    // A bar whose place was never stored keeps where it is.
    CVrxPControlBar::RestoreFromRegistry(lpszProfile, nIndex, nID);
    RecalcBarLayout();
    return TRUE;
}

BOOL CVrxPToolBar::RemoveStateFromRegistry(LPCTSTR lpszProfile, int nIndex, int nID)
{
    CVrxPRegistryHolder holder;
    return holder.Open(FALSE, FALSE).RemoveKey(BuildToolbarKeyPath(lpszProfile, nIndex, nID), FALSE);
}

void CVrxPToolBar::RefreshButtonImages()
{
    if (m_hWnd != NULL && (GetStyle() & WS_VISIBLE) != 0)
        RecalcBarLayout();
}

void CVrxPToolBar::RefreshButtonFonts()
{
    RecalcBarLayout();
}

void CVrxPToolBar::ReleaseSharedImages()
{
    for (CVrxPToolbarImageList* pImages : {sharedImages, sharedSecondImages})
        if (pImages != nullptr)
            pImages->RemoveAllImages();
    CVrxPToolbarImageList::ReleaseShared();
    CVrxPMenuGlyphs::ReleaseAll();
}

// A new menu font changes every bar's button sizes, so the frame places its
// bars again.
void CVrxPToolBar::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CVrxPControlBar::OnSettingChange(uFlags, lpszSection);
    VrxPGlobals().RefreshShellSettings();
    if (uFlags != SPI_SETNONCLIENTMETRICS)
        return;
    VrxPGlobals().RefreshFonts();
    RecalcBarLayout();
}

// The look's tints are mixed from the system colours; they are mixed again
// before the bar repaints.
void CVrxPToolBar::OnSysColorChange()
{
    CVrxPControlBar::OnSysColorChange();
    VrxPGlobals().RefreshSysColors();
    CVrxPVisualManager::Instance()->ReloadPalette();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

void CVrxPToolBar::ReplaceResetButtons(CObList& buttons)
{
    DeleteButtons(m_resetButtons);
    m_resetButtons.AddTail(&buttons);
    buttons.RemoveAll();
}

void CVrxPToolBar::ReplaceBasicCommands(const CList<UINT, UINT>& commands)
{
    CList<UINT, UINT>& basic = BasicCommandList();
    basic.RemoveAll();
    for (POSITION pos = commands.GetHeadPosition(); pos != NULL;)
        basic.AddTail(commands.GetNext(pos));
}

CList<UINT, UINT>& CVrxPToolBar::ForbiddenCommands()
{
    static CList<UINT, UINT> commands;
    return commands;
}

const CList<UINT, UINT>& CVrxPToolBar::BasicCommands()
{
    return BasicCommandList();
}

BOOL CVrxPToolBar::StoreGlobalOptions(LPCTSTR lpszProfile)
{
    CString key;
    key.Format(parametersKeyFormat, (LPCTSTR)VrxPBuildRegistryPath(toolBarsSection, lpszProfile));
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
    if (!registry.MakeKey(key))
        return FALSE;
    return registry.WriteInt("Tooltips", showTooltips) && registry.WriteInt("ShortcutKeys", showShortcutKeys) &&
           registry.WriteInt("LargeIcons", largeIcons) && registry.WriteInt("MenuAnimation", menuAnimation) &&
           registry.WriteInt("RecentlyUsedMenus", CVrxPMenuBar::recentlyUsedMenus) &&
           registry.WriteInt("MenuShadows", menuShadows) &&
           registry.WriteInt("ShowAllMenusAfterDelay", showAllMenusAfterDelay) &&
           registry.WriteInt("Look2000", CVrxPVisualManager::Instance()->look2000);
}

BOOL CVrxPToolBar::ReadGlobalOptions(LPCTSTR lpszProfile)
{
    CString key;
    key.Format(parametersKeyFormat, (LPCTSTR)VrxPBuildRegistryPath(toolBarsSection, lpszProfile));
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, TRUE);
    if (!registry.OpenKey(key))
        return FALSE;
    int nAnimation = 0;
    int nLook2000 = CVrxPVisualManager::Instance()->look2000;
    registry.ReadInt("Tooltips", showTooltips) && registry.ReadInt("ShortcutKeys", showShortcutKeys) &&
        registry.ReadInt("LargeIcons", largeIcons) && registry.ReadInt("MenuAnimation", nAnimation) &&
        registry.ReadInt("RecentlyUsedMenus", CVrxPMenuBar::recentlyUsedMenus) &&
        registry.ReadInt("MenuShadows", menuShadows) &&
        registry.ReadInt("ShowAllMenusAfterDelay", showAllMenusAfterDelay) &&
        registry.ReadInt("Look2000", nLook2000);
    menuAnimation = nAnimation;
    CVrxPVisualManager::Instance()->ApplyLook2000Option(nLook2000);
    return TRUE;
}
