#include "docking/CVrxPFrameBarManager.h"

#include "app/CCmdUI.h"
#include "docking/CVrxPAutoHideDockBar.h"
#include "docking/CVrxPDockBar.h"
#include "docking/CVrxPDockStateRecord.h"
#include "docking/CVrxPDockingControlBar.h"
#include "docking/containers/CVrxPBarContainerManager.h"
#include "docking/containers/CVrxPSlider.h"
#include "docking/mdi/CVrxPFrameHelper.h"
#include "docking/smart/CVrxPSmartDockingGuide.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "files/CArchive.h"
#include "foundation/CVrxPRegistryHolder.h"
#include "foundation/CVrxPWorkspace.h"
#include "foundation/VrxPBuildRegistryPath.h"
#include "frames/CFrameWnd.h"
#include "toolbars/CVrxPPopupMenu.h"
#include "toolbars/CVrxPToolBar.h"

namespace
{
int s_nGlobalDockStyle = CVrxPFrameBarManager::defaultDockStyle;

// Sides in the order their sites are made.
const DWORD kSideOrder[] = {CBRS_ALIGN_TOP, CBRS_ALIGN_BOTTOM, CBRS_ALIGN_LEFT, CBRS_ALIGN_RIGHT};

CVrxPDockingControlBar* AsPane(CObject* pObject)
{
    return dynamic_cast<CVrxPDockingControlBar*>(pObject);
}

} // namespace

CVrxPFrameBarManager::CVrxPFrameBarManager()
    : m_pOwnerFrame(nullptr), m_dwDockSides(0), m_dwAutoHideSides(0), m_bLoadFailed(FALSE),
      m_bBarMenuEnabled(FALSE), m_bBarMenuShown(FALSE), m_bBarMenuToolbarsOnly(FALSE), m_nCustomizeCommand(0)
{
}

CVrxPFrameBarManager::~CVrxPFrameBarManager()
{
    ForgetLoad();
    while (!m_autoHideBars.IsEmpty())
        delete m_autoHideBars.RemoveHead();
}

CVrxPAutoHideDockBar* CVrxPFrameBarManager::AutoHideBarFor(DWORD dwSide, BOOL bCreate)
{
    if ((m_dwAutoHideSides & dwSide) == 0)
        return nullptr;
    for (POSITION pos = m_autoHideBars.GetHeadPosition(); pos != NULL;)
    {
        CVrxPAutoHideDockBar* pStrip = static_cast<CVrxPAutoHideDockBar*>(m_autoHideBars.GetNext(pos));
        if (pStrip->GetSide() == dwSide)
            return pStrip;
    }
    if (!bCreate || m_pOwnerFrame == nullptr || m_pOwnerFrame->GetSafeHwnd() == NULL)
        return nullptr;
    CVrxPAutoHideDockBar* pStrip = new CVrxPAutoHideDockBar;
    if (!pStrip->Create(m_pOwnerFrame, dwSide))
    {
        delete pStrip;
        return nullptr;
    }
    m_autoHideBars.AddTail(pStrip);
    return pStrip;
}

BOOL CVrxPFrameBarManager::Create(CFrameWnd* pFrame)
{
    m_pOwnerFrame = pFrame;
    return TRUE;
}

BOOL CVrxPFrameBarManager::AddBar(CWnd* pBar, BOOL bAtTail)
{
    if (pBar == nullptr || m_bars.Find(pBar) != NULL)
        return FALSE;
    if (bAtTail)
        m_bars.AddTail(pBar);
    else
        m_bars.AddHead(pBar);
    return TRUE;
}

BOOL CVrxPFrameBarManager::RemoveBarFromList(CWnd* pBar)
{
    POSITION pos = m_bars.Find(pBar);
    if (pos == NULL)
        return FALSE;
    m_bars.RemoveAt(pos);
    if (POSITION loaded = m_loadedPanes.Find(pBar))
        m_loadedPanes.RemoveAt(loaded);
    return TRUE;
}

CWnd* CVrxPFrameBarManager::FindBarByID(UINT nID) const
{
    for (POSITION pos = m_bars.GetHeadPosition(); pos != NULL;)
    {
        CWnd* pBar = static_cast<CWnd*>(m_bars.GetNext(pos));
        if (pBar->GetSafeHwnd() == NULL)
            continue;
        if (static_cast<UINT>(pBar->GetDlgCtrlID()) == nID)
            return pBar;
        if (CVrxPDockBar* pDockBar = dynamic_cast<CVrxPDockBar*>(pBar))
            if (CVrxPBaseControlBar* pDocked = pDockBar->FindDockedBarById(nID))
                return pDocked;
    }
    return nullptr;
}

CVrxPDockBar* CVrxPFrameBarManager::FindDockBar(DWORD dwAlignment, BOOL bFromHead) const
{
    for (POSITION pos = bFromHead ? m_bars.GetHeadPosition() : m_bars.GetTailPosition(); pos != NULL;)
    {
        CObject* pItem = bFromHead ? m_bars.GetNext(pos) : m_bars.GetPrev(pos);
        CVrxPDockBar* pDockBar = dynamic_cast<CVrxPDockBar*>(pItem);
        if (pDockBar != nullptr && pDockBar->GetAlignment() == (dwAlignment & CBRS_ALIGN_ANY))
            return pDockBar;
    }
    return nullptr;
}

CVrxPDockBar* CVrxPFrameBarManager::FindDockBarOfBar(const CVrxPBaseControlBar* pBar) const
{
    for (POSITION pos = m_bars.GetHeadPosition(); pos != NULL;)
    {
        CVrxPDockBar* pDockBar = dynamic_cast<CVrxPDockBar*>(m_bars.GetNext(pos));
        if (pDockBar != nullptr && pBar->GetSafeHwnd() != NULL &&
            pDockBar->FindDockedBarById(static_cast<UINT>(pBar->GetDlgCtrlID())) == pBar)
            return pDockBar;
    }
    return nullptr;
}

CVrxPBaseControlBar* CVrxPFrameBarManager::BarFromPoint(CPoint point, int nSensitivity, BOOL bExact,
                                                         CRuntimeClass* pClass, BOOL bVisibleOnly,
                                                         const CVrxPBaseControlBar* pExclude) const
{
    const CWnd* pExcludeFrame = pExclude != nullptr ? pExclude->FindMiniFrameParent() : nullptr;
    if (CVrxPMiniFrameWnd* pMiniFrame = MiniFrameFromPoint(point, pExcludeFrame))
    {
        CVrxPBaseControlBar* pBar = pMiniFrame->HostedBarAtPoint(point, bVisibleOnly);
        if (pBar != nullptr && pBar != pExclude && (pClass == nullptr || pBar->IsKindOf(pClass)))
            return pBar;
    }
    for (POSITION pos = m_bars.GetHeadPosition(); pos != NULL;)
    {
        CVrxPBaseControlBar* pBar = dynamic_cast<CVrxPBaseControlBar*>(m_bars.GetNext(pos));
        if (pBar == nullptr || pBar == pExclude || pBar->GetSafeHwnd() == NULL)
            continue;
        if (pClass != nullptr && !pBar->IsKindOf(pClass))
            continue;
        if (bVisibleOnly && !pBar->IsWindowVisible())
            continue;
        CRect rect;
        pBar->GetWindowRect(&rect);
        if (!bExact)
            rect.InflateRect(nSensitivity, nSensitivity);
        if (rect.PtInRect(point))
            return pBar;
    }
    return nullptr;
}

BOOL CVrxPFrameBarManager::EnableDocking(DWORD dwSides)
{
    for (DWORD dwSide : kSideOrder)
    {
        if ((dwSides & dwSide) == 0 || (m_dwDockSides & dwSide) != 0)
            continue;
        if (m_pOwnerFrame == nullptr || m_pOwnerFrame->GetSafeHwnd() == NULL)
            return FALSE;
        CVrxPDockBar* pDockBar = static_cast<CVrxPDockBar*>(RUNTIME_CLASS(CVrxPDockBar)->CreateObject());
        if (pDockBar == nullptr)
            return FALSE;
        if (!pDockBar->Create(WS_CHILD | dwSide, m_pOwnerFrame, 0))
        {
            delete pDockBar;
            return FALSE;
        }
        m_bars.AddTail(pDockBar);
        m_dwDockSides |= dwSide;
    }
    AdjustDockingLayout();
    return TRUE;
}

BOOL CVrxPFrameBarManager::EnableAutoHideBars(DWORD dwSides)
{
    for (DWORD dwSide : kSideOrder)
    {
        if ((dwSides & dwSide) == 0)
            continue;
        if ((m_dwDockSides & dwSide) == 0 && !EnableDocking(dwSide))
            return FALSE;
        m_dwAutoHideSides |= dwSide;
    }
    return TRUE;
}

void CVrxPFrameBarManager::RefreshBarFrames()
{
    const UINT nFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
    for (POSITION pos = m_bars.GetHeadPosition(); pos != NULL;)
    {
        CWnd* pBar = static_cast<CWnd*>(m_bars.GetNext(pos));
        if (pBar->GetSafeHwnd() != NULL)
            pBar->SetWindowPos(nullptr, 0, 0, 0, 0, nFlags);
    }
}

void CVrxPFrameBarManager::SetBarContextMenu(BOOL bEnable, UINT nCustomizeCommand, LPCTSTR lpszCustomizeLabel,
                                             BOOL bToolbarsOnly)
{
    m_bBarMenuEnabled = bEnable;
    m_nCustomizeCommand = nCustomizeCommand;
    m_strCustomizeLabel = lpszCustomizeLabel != nullptr ? lpszCustomizeLabel : "";
    m_bBarMenuToolbarsOnly = bToolbarsOnly;
}

BOOL CVrxPFrameBarManager::IsBarVisible(CWnd* pBar)
{
    if (pBar->GetSafeHwnd() == NULL)
        return FALSE;
    if (CVrxPDockingControlBar* pPane = dynamic_cast<CVrxPDockingControlBar*>(pBar))
        return pPane->IsPaneVisible();
    return (pBar->GetStyle() & WS_VISIBLE) != 0;
}

void CVrxPFrameBarManager::SetBarShown(CWnd* pBar, BOOL bShow)
{
    if (CVrxPDockingControlBar* pPane = dynamic_cast<CVrxPDockingControlBar*>(pBar))
    {
        pPane->ShowPane(bShow);
        return;
    }
    pBar->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
    CFrameWnd* pFrame = pBar->GetTopLevelFrame();
    if (pFrame == nullptr)
        pFrame = m_pOwnerFrame;
    if (pFrame != nullptr && pFrame->GetSafeHwnd() != NULL)
        pFrame->RecalcLayout();
}

// The listed bars, then those docked in the dock bars, then the floating
// ones.
std::vector<CWnd*> CVrxPFrameBarManager::CollectBars() const
{
    std::vector<CWnd*> bars;
    for (POSITION pos = m_bars.GetHeadPosition(); pos != NULL;)
        bars.push_back(static_cast<CWnd*>(m_bars.GetNext(pos)));
    for (POSITION pos = m_bars.GetHeadPosition(); pos != NULL;)
    {
        const CVrxPDockBar* pDockBar = dynamic_cast<const CVrxPDockBar*>(m_bars.GetNext(pos));
        if (pDockBar == nullptr)
            continue;
        for (POSITION posBar = pDockBar->GetDockedBars().GetHeadPosition(); posBar != NULL;)
            bars.push_back(pDockBar->GetDockedBars().GetNext(posBar));
    }
    for (POSITION pos = m_miniFrames.GetHeadPosition(); pos != NULL;)
    {
        const CVrxPMiniFrameWnd* pMiniFrame = dynamic_cast<const CVrxPMiniFrameWnd*>(m_miniFrames.GetNext(pos));
        if (pMiniFrame != nullptr && pMiniFrame->HostedControlBar() != nullptr)
            bars.push_back(pMiniFrame->HostedControlBar());
    }
    return bars;
}

void CVrxPFrameBarManager::BuildBarMenu(HMENU hMenu, BOOL bToolbarsOnly)
{
    m_barMenuItems.RemoveAll();
    const std::vector<CWnd*> bars = CollectBars();
    for (int nPass = 0; nPass < (bToolbarsOnly ? 1 : 2); nPass++)
    {
        BOOL bFirstOfPass = TRUE;
        for (CWnd* pBar : bars)
        {
            CVrxPToolBar* pToolBar = dynamic_cast<CVrxPToolBar*>(pBar);
            const BOOL bListed = pToolBar != nullptr ? pToolBar->CanBeClosed()
                                                     : dynamic_cast<CVrxPDockingControlBar*>(pBar) != nullptr;
            if ((pToolBar != nullptr) != (nPass == 0) || !bListed || pBar->GetSafeHwnd() == NULL)
                continue;
            const UINT nID = static_cast<UINT>(pBar->GetDlgCtrlID());
            CWnd* pListed = nullptr;
            if (m_barMenuItems.Lookup(nID, pListed))
                continue;
            if (nPass == 1 && bFirstOfPass && ::GetMenuItemCount(hMenu) > 0)
                ::AppendMenu(hMenu, MF_SEPARATOR, 0, nullptr);
            bFirstOfPass = FALSE;
            CString caption;
            pBar->GetWindowText(caption);
            ::AppendMenu(hMenu, MF_STRING, nID, caption);
            m_barMenuItems.SetAt(nID, pBar);
        }
    }
    if (m_nCustomizeCommand == 0)
        return;
    if (::GetMenuItemCount(hMenu) > 0)
        ::AppendMenu(hMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenu(hMenu, MF_STRING, m_nCustomizeCommand, m_strCustomizeLabel);
}

BOOL CVrxPFrameBarManager::ShowBarListMenu(int x, int y)
{
    if (!m_bBarMenuEnabled)
        return FALSE;
    CFrameWnd* pOwner = VrxPTopLevelFrameOverride;
    if (pOwner == nullptr && m_pOwnerFrame != nullptr)
        pOwner = m_pOwnerFrame->GetTopLevelFrame();
    if (pOwner == nullptr)
        pOwner = m_pOwnerFrame;
    if (pOwner == nullptr || pOwner->GetSafeHwnd() == NULL)
        return FALSE;
    HMENU hMenu = ::CreatePopupMenu();
    BuildBarMenu(hMenu, m_bBarMenuToolbarsOnly);
    CVrxPPopupMenu* pPopup = new CVrxPPopupMenu;
    pPopup->destroyMenuHandle = FALSE;
    m_bBarMenuShown = TRUE;
    pPopup->CreatePopup(pOwner, x, y, hMenu, FALSE, FALSE);
    m_bBarMenuShown = FALSE;
    return ::DestroyMenu(hMenu);
}

BOOL CVrxPFrameBarManager::OnBarMenuCommand(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO*)
{
    if (!m_bBarMenuEnabled || m_barMenuItems.IsEmpty())
        return FALSE;
    if (nCode == CN_UPDATE_COMMAND_UI && !m_bBarMenuShown)
        return FALSE;
    CWnd* pBar = nullptr;
    if (!m_barMenuItems.Lookup(nID, pBar))
        return FALSE;
    if (nCode == CN_UPDATE_COMMAND_UI)
    {
        if (pExtra == nullptr)
            return FALSE;
        static_cast<CCmdUI*>(pExtra)->SetCheck(IsBarVisible(pBar));
        return TRUE;
    }
    if ((HIWORD(nCode) != WM_COMMAND && HIWORD(nCode) != 0) || pExtra != nullptr)
        return TRUE;
    SetBarShown(pBar, !IsBarVisible(pBar));
    m_barMenuItems.RemoveAll();
    return TRUE;
}

void CVrxPFrameBarManager::SetGlobalDockStyle(int nStyle)
{
    s_nGlobalDockStyle = nStyle == smartMarkersStyle ? smartMarkersStyle | 1 : nStyle;
}

int CVrxPFrameBarManager::GetGlobalDockStyle()
{
    return s_nGlobalDockStyle;
}

CString CVrxPFrameBarManager::BuildKeyPath(LPCTSTR lpszProfileName, int nIndex)
{
    CString key;
    key.Format(dockManagerKeyFormat, (LPCTSTR)VrxPBuildRegistryPath(dockManagersSection, lpszProfileName), nIndex);
    return key;
}

BOOL CVrxPFrameBarManager::SaveState(LPCTSTR lpszProfileName, int nIndex)
{
    for (POSITION pos = m_bars.GetHeadPosition(); pos != NULL;)
        if (CVrxPDockingControlBar* pPane = AsPane(m_bars.GetNext(pos)))
            pPane->StoreToRegistry(lpszProfileName, -1, -1);
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
    if (!registry.MakeKey(BuildKeyPath(lpszProfileName, nIndex)))
        return FALSE;
    return registry.WriteArchived(dockStateValueName, *this);
}

BOOL CVrxPFrameBarManager::LoadState(LPCTSTR lpszProfileName, int nIndex)
{
    for (POSITION pos = m_bars.GetHeadPosition(); pos != NULL;)
        if (CVrxPDockingControlBar* pPane = AsPane(m_bars.GetNext(pos)))
            pPane->RestoreFromRegistry(lpszProfileName, -1, -1);
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, TRUE);
    if (!registry.OpenKey(BuildKeyPath(lpszProfileName, nIndex)) || !registry.ValueExists(dockStateValueName))
        return FALSE;
    if (!registry.ReadArchived(dockStateValueName, *this))
    {
        for (POSITION pos = m_loadedPanes.GetHeadPosition(); pos != NULL;)
            AsPane(m_loadedPanes.GetNext(pos))->SetStateRestored(FALSE);
        ForgetLoad();
        m_bLoadFailed = TRUE;
        return FALSE;
    }
    m_bLoadFailed = FALSE;
    return TRUE;
}

void CVrxPFrameBarManager::ApplyState()
{
    if (m_bLoadFailed)
        return;
    for (POSITION pos = m_loadedPanes.GetHeadPosition(); pos != NULL;)
        AsPane(m_loadedPanes.GetNext(pos))->ApplyRestoredPlace();
    m_loadedPanes.RemoveAll();
    if (m_pOwnerFrame != nullptr && m_pOwnerFrame->GetSafeHwnd() != NULL)
        m_pOwnerFrame->RecalcLayout();
}

void CVrxPFrameBarManager::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        CVrxPDockStateRecord record;
        StoreDockList(record);
        for (INT_PTR i = 0; i < m_closedPaneIds.GetSize(); i++)
            record.closedPaneIds.push_back(m_closedPaneIds[i]);
        const std::vector<BYTE> bytes = record.Write();
        ar.Write(bytes.data(), static_cast<UINT>(bytes.size()));
        return;
    }
    ForgetLoad();
    // The whole stream is checked before anything is taken from it.
    std::vector<BYTE> bytes;
    BYTE chunk[4096];
    for (UINT nRead; (nRead = ar.Read(chunk, sizeof(chunk))) > 0;)
        bytes.insert(bytes.end(), chunk, chunk + nRead);
    CVrxPWorkspace* pWorkspace = VrxPWorkspaceInstance();
    const BOOL bWithClosedPanes = pWorkspace != nullptr && pWorkspace->PackedStateVersion() >= closedPanesVersion;
    CVrxPDockStateRecord record;
    if (!record.Read(bytes.data(), bytes.size(), bWithClosedPanes))
        AfxThrowArchiveException(CArchiveException::genericException);
    LoadDockList(record);
    LoadAutoHideRecords(record);
    for (int nId : record.closedPaneIds)
        if (nId != -1)
            m_closedPaneIds.Add(nId);
}

// Written from the tail, as the layout reads them back: a default slider
// comes before the panes it holds.
void CVrxPFrameBarManager::StoreDockList(CVrxPDockStateRecord& record)
{
    for (POSITION pos = m_bars.GetTailPosition(); pos != NULL;)
    {
        CObject* pBar = m_bars.GetPrev(pos);
        CVrxPDockStateRecord::DockEntry entry;
        if (CVrxPDockingControlBar* pPane = AsPane(pBar))
        {
            if (!pPane->CanFloat() || pPane->GetSafeHwnd() == NULL ||
                !CVrxPBarContainerManager::PaneEntryOf(pPane, entry.pane))
                continue;
            entry.kind = CVrxPDockStateRecord::kindPane;
        }
        else if (CVrxPSlider* pSlider = dynamic_cast<CVrxPSlider*>(pBar))
        {
            if (!pSlider->IsDefault() || pSlider->GetSafeHwnd() == NULL || !pSlider->CanFloatAnyPane())
                continue;
            entry.kind = CVrxPDockStateRecord::kindSlider;
            pSlider->StoreRecord(entry.slider);
        }
        else
            continue;
        record.dockList.push_back(entry);
    }
}

// Sliders are not made again from the stream: the panes it names, beside a
// slider or on their own, take their own restored places.
void CVrxPFrameBarManager::LoadDockList(const CVrxPDockStateRecord& record)
{
    const auto load = [this](const CVrxPDockStateRecord::PaneEntry& entry) {
        if (entry.id == CVrxPDockStateRecord::tabbedPaneId)
            return;
        CVrxPDockingControlBar* pPane = AsPane(FindBarByID(static_cast<UINT>(entry.id)));
        if (pPane != nullptr && m_loadedPanes.Find(pPane) == NULL)
            m_loadedPanes.AddHead(pPane);
    };
    for (const CVrxPDockStateRecord::DockEntry& entry : record.dockList)
    {
        if (entry.kind == CVrxPDockStateRecord::kindPane)
            load(entry.pane);
        else if (entry.slider.manager)
            for (const CVrxPDockStateRecord::PaneEntry& pane : entry.slider.manager->panes)
                load(pane);
    }
}

void CVrxPFrameBarManager::LoadAutoHideRecords(const CVrxPDockStateRecord& record)
{
    for (const CVrxPDockStateRecord::AutoHideRecord& stored : record.autoHide)
    {
        AutoHideRecord* pRecord = new AutoHideRecord;
        m_autoHideRecords.Add(pRecord);
        pRecord->id = stored.id;
        pRecord->alignment = stored.alignment;
        pRecord->visible = stored.visible;
        for (int nId : stored.ids)
            if (nId != -1)
                pRecord->ids.Add(nId);
        pRecord->rect = stored.rect;
        for (int i = 0; i < 3; i++)
            pRecord->state[i] = stored.state[i];
    }
}

void CVrxPFrameBarManager::ForgetLoad()
{
    m_loadedPanes.RemoveAll();
    for (INT_PTR i = 0; i < m_autoHideRecords.GetSize(); i++)
        delete m_autoHideRecords[i];
    m_autoHideRecords.RemoveAll();
    m_closedPaneIds.RemoveAll();
}
