#include "docking/CVrxPBaseControlBar.h"

#include "dialogs/CDialog.h"
#include "docking/CVrxPControlBar.h"
#include "docking/CVrxPDockBar.h"
#include "docking/CVrxPDockBarRow.h"
#include "docking/CVrxPFrameBarManager.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "files/CArchive.h"
#include "foundation/CVrxPRegistryHolder.h"
#include "foundation/VrxPBuildRegistryPath.h"
#include "foundation/VrxPFindOwnerFrame.h"
#include "frames/CFrameWnd.h"
#include "gdi/CDC.h"
#include "gdi/CPaintDC.h"
#include "themes/CVrxPVisualManager.h"

#include <memory>

IMPLEMENT_DYNAMIC(CVrxPBaseControlBar, CWnd)

BEGIN_MESSAGE_MAP(CVrxPBaseControlBar, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
END_MESSAGE_MAP()

BOOL CVrxPBaseControlBar::applyingState = FALSE;
BOOL CVrxPBaseControlBar::barsOutsideFrame = FALSE;

BOOL CVrxPBaseControlBar::IsDockedInFrame() const
{
    const CVrxPMiniFrameWnd* pMiniFrame = FindMiniFrameParent();
    return pMiniFrame == nullptr || !pMiniFrame->HasHostedBar();
}

CVrxPMiniFrameWnd* CVrxPBaseControlBar::FindMiniFrameParent() const
{
    if (m_hWnd == NULL)
        return nullptr;
    for (CWnd* pParent = GetParent(); pParent != nullptr; pParent = pParent->GetParent())
        if (CVrxPMiniFrameWnd* pMiniFrame = dynamic_cast<CVrxPMiniFrameWnd*>(pParent))
            return pMiniFrame;
    return nullptr;
}

BOOL CVrxPBaseControlBar::IsBarVisible() const
{
    if (applyingState)
        return GetSavedVisibility();
    return m_hWnd != NULL && (GetStyle() & WS_VISIBLE) != 0;
}

CFrameWnd* CVrxPBaseControlBar::GetHostFrame() const
{
    if (hostFrame == nullptr && m_hWnd != NULL && dynamic_cast<CDialog*>(GetParent()) != nullptr)
        barsOutsideFrame = TRUE;
    return hostFrame;
}

int CVrxPBaseControlBar::GetDockingStyle() const
{
    return dockingStyle != 0 ? dockingStyle : CVrxPFrameBarManager::GetGlobalDockStyle();
}

CSize CVrxPBaseControlBar::CalcBarSize(BOOL bStretch, BOOL bHorizontal)
{
    if (!bStretch)
        return CSize(0, 0);
    return bHorizontal ? CSize(stretchLength, 0) : CSize(0, stretchLength);
}

void CVrxPBaseControlBar::SetBarShown(BOOL bShow, BOOL bDelay, BOOL)
{
    if (IsFloatingInMiniFrame())
    {
        CVrxPMiniFrameWnd* pMiniFrame = FindMiniFrameParent();
        ShowWindow(bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
        pMiniFrame->ShowWindow(bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
    }
    else if (dockSite != nullptr)
    {
        dockSite->ShowBar(this, bShow, bDelay, FALSE);
    }
    else
    {
        ShowWindow(bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
        if (!bDelay)
            RequestHostLayout(NULL);
    }
    if (dockRow != nullptr)
        dockRow->RestoreBarPositions(0, nullptr);
}

CString CVrxPBaseControlBar::BuildBaseKeyPath(LPCTSTR lpszProfileName, int nIndex, int nSubIndex) const
{
    const CString path = VrxPBuildRegistryPath(baseBarsSection, lpszProfileName);
    const int nId = nIndex == -1 ? GetDlgCtrlID() : nIndex;
    CString key;
    if (nSubIndex == -1)
        key.Format(baseBarKeyFormat, (LPCTSTR)path, nId);
    else
        key.Format(baseBarSubKeyFormat, (LPCTSTR)path, nId, nSubIndex);
    return key;
}

BOOL CVrxPBaseControlBar::StoreToRegistry(LPCTSTR lpszProfileName, int nIndex, int nSubIndex)
{
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
    if (!registry.MakeKey(BuildBaseKeyPath(lpszProfileName, nIndex, nSubIndex)))
        return FALSE;
    return WriteStoredValue(registry, CVrxPStoredBarRecord::isVisibleName, CVrxPStoredBarRecord::VisibleBytes(IsBarVisible()));
}

BOOL CVrxPBaseControlBar::ReadStoredValue(CVrxPRegistry& registry, LPCTSTR lpszName, CVrxPStoredBarRecord::Stored& value)
{
    if (!registry.ValueExists(lpszName))
        return TRUE;
    BYTE* pData = nullptr;
    UINT nSize = 0;
    if (!registry.ReadBinary(lpszName, pData, nSize))
        return FALSE;
    std::unique_ptr<BYTE[]> data(pData);
    value.present = true;
    value.bytes.assign(pData, pData + nSize);
    return TRUE;
}

// Numbers go in as REG_DWORD, everything else as REG_BINARY.
BOOL CVrxPBaseControlBar::WriteStoredValue(CVrxPRegistry& registry, LPCTSTR lpszName, const std::vector<BYTE>& bytes)
{
    DWORD dwNumber = 0;
    if (CVrxPStoredBarRecord::ReadNumber(bytes, dwNumber))
        return registry.WriteDWord(lpszName, dwNumber);
    return registry.WriteBinary(lpszName, bytes.data(), static_cast<UINT>(bytes.size()));
}

// A value that is not 0 or 1 was not written by a bar: the state stays.
BOOL CVrxPBaseControlBar::RestoreFromRegistry(LPCTSTR lpszProfileName, int nIndex, int nSubIndex)
{
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, TRUE);
    if (!registry.OpenKey(BuildBaseKeyPath(lpszProfileName, nIndex, nSubIndex)))
        return FALSE;
    CVrxPStoredBarRecord::Stored value;
    BOOL bVisible = savedVisibility;
    if (!ReadStoredValue(registry, CVrxPStoredBarRecord::isVisibleName, value) ||
        !CVrxPStoredBarRecord::ReadVisible(value, bVisible))
        return FALSE;
    savedVisibility = bVisible;
    stateRestored = TRUE;
    return TRUE;
}

// The stored alignment replaces the bits it stands for; a damaged record
// leaves the bar as it was.
void CVrxPBaseControlBar::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        CVrxPStoredBarRecord::StoreDockingState(ar, barStyle, IsBarVisible());
        return;
    }
    DWORD dwAlignment = 0;
    BOOL bVisible = savedVisibility;
    CVrxPStoredBarRecord::LoadDockingState(ar, dwAlignment, bVisible);
    barStyle = (barStyle & ~alignmentMask) | dwAlignment;
    savedVisibility = bVisible;
}

HDWP CVrxPBaseControlBar::MoveBarWindow(const CRect& rectTarget, BOOL bRepaint, HDWP hdwp)
{
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    CWnd* pCoordinates = FindMiniFrameParent();
    if (pCoordinates == nullptr || !IsFloatingInMiniFrame())
        pCoordinates = GetParent();
    if (pCoordinates != nullptr)
        pCoordinates->ScreenToClient(&rectWindow);
    if (rectWindow == rectTarget)
        return hdwp;
    if (hdwp != NULL)
        return ::DeferWindowPos(hdwp, m_hWnd, NULL, rectTarget.left, rectTarget.top, rectTarget.Width(),
                                rectTarget.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    MoveWindow(&rectTarget, bRepaint);
    return NULL;
}

HDWP CVrxPBaseControlBar::PositionBar(const CWnd* pInsertAfter, int x, int y, int cx, int cy, UINT nFlags, HDWP hdwp)
{
    if (hdwp == NULL)
    {
        SetWindowPos(pInsertAfter, x, y, cx, cy, nFlags);
        return NULL;
    }
    HDWP hNext = ::DeferWindowPos(hdwp, m_hWnd, AfxGetSafeHwnd(pInsertAfter), x, y, cx, cy, nFlags);
    if (hNext != NULL)
        return hNext;
    PositionBar(pInsertAfter, x, y, cx, cy, nFlags, NULL);
    return hdwp;
}

void CVrxPBaseControlBar::CopyStateFrom(const CVrxPBaseControlBar& bar)
{
    allowedDocking = bar.GetAllowedDocking();
    savedVisibility = bar.GetSavedVisibility();
    stateRestored = bar.WasStateRestored();
    hostFrame = bar.GetHostFrame();
    rect = bar.rect;
    dialogParent = bar.dialogParent;
    barStyle = bar.GetBarStyle();
    barFlags = bar.GetBarFlags();
}

BOOL CVrxPBaseControlBar::CreateBarWindow(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                                          DWORD dwStyle, const CRect& rectWindow, CWnd* pParentWnd, UINT nID,
                                          DWORD dwBarFlags, CCreateContext* pContext)
{
    dialogParent = dynamic_cast<CDialog*>(pParentWnd) != nullptr;
    extraStyle &= 0x10000000;
    SetBarStyle(dwStyle | GetBarStyle());
    barFlags = dwBarFlags;
    if (!CWnd::CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rectWindow, pParentWnd, nID, pContext))
        return FALSE;
    hostFrame = dynamic_cast<CFrameWnd*>(pParentWnd);
    if (hostFrame == nullptr && pParentWnd != nullptr)
        hostFrame = dynamic_cast<CFrameWnd*>(VrxPFindOwnerFrame(pParentWnd));
    dialogParent = dynamic_cast<CDialog*>(pParentWnd) != nullptr;
    return TRUE;
}

void CVrxPBaseControlBar::PaintBar(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(&rectClient);
    CRect rectClip;
    pDC->GetClipBox(&rectClip);
    CVrxPVisualManager::Instance()->PaintBarBackground(pDC, this, rectClient, rectClip, FALSE);
}

void CVrxPBaseControlBar::RequestHostLayout(HDWP)
{
    CFrameWnd* pFrame = GetHostFrame();
    if (pFrame != nullptr && pFrame->GetSafeHwnd() != NULL)
        pFrame->RecalcLayout();
}

void CVrxPBaseControlBar::OnPaint()
{
    CPaintDC dc(this);
    if ((GetStyle() & WS_VISIBLE) != 0)
        PaintBar(&dc);
}

BOOL CVrxPBaseControlBar::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CVrxPBaseControlBar::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (dockRow != nullptr)
        dockRow->OnBarSized(dynamic_cast<CVrxPControlBar*>(this));
}
