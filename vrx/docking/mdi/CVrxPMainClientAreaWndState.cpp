// The client area's arrangement saved to and loaded from the registry.

#include "docking/mdi/CVrxPMainClientAreaWnd.h"

#include "docking/mdi/CVrxPMDIChildWnd.h"
#include "docking/mdi/CVrxPMDIFrameWnd.h"
#include "docking/mdi/CVrxPMDITabsState.h"
#include "foundation/CVrxPRegistryHolder.h"
#include "foundation/CVrxPWorkspace.h"
#include "foundation/VrxPBuildRegistryPath.h"

#include <algorithm>
#include <vector>

namespace
{
using State = CVrxPMDITabsState;

const char stateValue[] = "MDITabsState";
// Entries hold the hosted pane's id from this stored version on.
const int paneIdVersion = 0x901FF;

CString StateKey(LPCTSTR lpszProfileName, int nId)
{
    CString key;
    key.Format("%sMDIClientArea-%d", static_cast<LPCTSTR>(VrxPBuildRegistryPath("MDIClientArea", lpszProfileName)),
               nId);
    return key;
}

CVrxPMDIChildWnd* LibraryChild(HWND hWnd)
{
    return dynamic_cast<CVrxPMDIChildWnd*>(CWnd::FromHandlePermanent(hWnd));
}

State::Document DocumentOf(CVrxPMDIChildWnd* pChild)
{
    State::Document document;
    CObject* pObject = nullptr;
    document.name = pChild->DocumentName(&pObject);
    document.object.reset(pObject);
    return document;
}
} // namespace

CVrxPMDITabsState CVrxPMainClientAreaWnd::CurrentState()
{
    State state;
    state.options = {m_options.location,   m_options.style,         m_options.closeButton,   m_options.icons,
                     m_options.autoColors, m_options.tabListButton, m_options.reorderByDrag, m_options.borderSize};
    state.mdiTabsOn = m_mdiTabsOn;
    state.tabsShown = m_tabsShown;
    const HWND hActive = reinterpret_cast<HWND>(::SendMessage(m_hWnd, WM_MDIGETACTIVE, 0, 0));
    if (m_mdiTabsOn)
    {
        State::TabWindow strip;
        for (int i = 0; i < m_mainTabs.CountTabs(); i++)
        {
            CWnd* pWnd = m_mainTabs.TabWindowAt(i);
            CVrxPMDIChildWnd* pChild = pWnd != nullptr ? LibraryChild(pWnd->GetSafeHwnd()) : nullptr;
            State::Tab tab;
            if (pChild != nullptr)
                tab.document = DocumentOf(pChild);
            m_mainTabs.TabLabelAt(i, tab.label);
            tab.color = static_cast<int>(m_mainTabs.TabColorAt(i));
            strip.tabs.push_back(std::move(tab));
        }
        strip.active = strip.tabs.empty() ? -1 : std::max(0, m_mainTabs.ActiveTabIndex());
        strip.autoColors = m_mainTabs.UsesAutoTabColors();
        strip.palette = m_mainTabs.AutoColorPalette();
        strip.tabListButton = m_options.tabListButton;
        strip.reorderByDrag = m_mainTabs.allowDragReorder;
        strip.borderSize = std::max(0, m_mainTabs.TabBorderSize());
        m_mainTabs.GetWindowRect(&strip.windowRect);
        state.tabWindows.push_back(std::move(strip));
        return state;
    }
    std::vector<HWND> children;
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != NULL; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        children.push_back(hChild);
    std::reverse(children.begin(), children.end());
    for (HWND hChild : children)
    {
        CVrxPMDIChildWnd* pChild = LibraryChild(hChild);
        if (pChild == nullptr)
            continue;
        State::Child child;
        child.document = DocumentOf(pChild);
        WINDOWPLACEMENT placement = {};
        placement.length = sizeof(placement);
        if (child.document.name.IsEmpty() || !::GetWindowPlacement(hChild, &placement))
            continue;
        child.flags = static_cast<int>(placement.flags);
        child.maxPosition = placement.ptMaxPosition;
        child.minPosition = placement.ptMinPosition;
        child.normalPosition = placement.rcNormalPosition;
        child.showCmd = static_cast<int>(placement.showCmd);
        child.active = hChild == hActive;
        state.children.push_back(std::move(child));
    }
    return state;
}

BOOL CVrxPMainClientAreaWnd::SaveState(LPCTSTR lpszProfileName, int nId)
{
    if (GetSafeHwnd() == NULL)
        return FALSE;
    const std::vector<BYTE> bytes = CurrentState().Bytes();
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
    return registry.MakeKey(StateKey(lpszProfileName, nId)) &&
           registry.WriteBinary(stateValue, bytes.data(), static_cast<UINT>(bytes.size()));
}

// The whole value is read and checked before any child is closed: damaged
// or foreign bytes leave the open windows as they are.
BOOL CVrxPMainClientAreaWnd::LoadState(LPCTSTR lpszProfileName, int nId)
{
    if (GetSafeHwnd() == NULL || MDIFrame() == nullptr)
        return FALSE;
    std::vector<BYTE> bytes;
    {
        CVrxPRegistryHolder holder;
        CVrxPRegistry& registry = holder.Open(FALSE, TRUE);
        BYTE* pData = nullptr;
        UINT nSize = 0;
        if (!registry.OpenKey(StateKey(lpszProfileName, nId)) || !registry.ReadBinary(stateValue, pData, nSize))
            return FALSE;
        bytes.assign(pData, pData + nSize);
        delete[] pData;
    }
    CVrxPWorkspace* pWorkspace = VrxPWorkspaceInstance();
    const BOOL bWithPaneIds = pWorkspace != nullptr && pWorkspace->PackedStateVersion() > paneIdVersion;
    State state;
    // Without a workspace, or without a stored version, nothing tells which
    // layout the entries have, and this system always writes pane ids: the
    // layout the version names is tried first, then the other one.
    if (!state.Read(bytes, bWithPaneIds) && !state.Read(bytes, !bWithPaneIds))
        return FALSE;
    // This client area arranges one strip of tabs or plain windows only.
    if (state.groupsOn && !state.mdiTabsOn)
        return FALSE;
    ApplyState(state);
    return TRUE;
}

void CVrxPMainClientAreaWnd::CloseAllChildren()
{
    std::vector<HWND> children;
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != NULL; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        if (LibraryChild(hChild) != nullptr)
            children.push_back(hChild);
    for (HWND hChild : children)
        if (::IsWindow(hChild))
            ::SendMessage(hChild, WM_CLOSE, 0, 0);
}

CVrxPMDIChildWnd* CVrxPMainClientAreaWnd::OpenStoredDocument(State::Document& document, int nPaneId,
                                                             std::vector<CString>& opened, BOOL bFirstByName)
{
    // Panes shown as documents are not kept in this client area's state.
    if (document.name.IsEmpty() || nPaneId != State::noPane)
        return nullptr;
    CVrxPMDIFrameWnd* pFrame = MDIFrame();
    const BOOL bOpen = std::find(opened.begin(), opened.end(), document.name) != opened.end();
    if (bOpen || !bFirstByName)
        return pFrame->OpenAnotherWindow(document.name, document.object.get());
    opened.push_back(document.name);
    return pFrame->OpenDocumentWindow(document.name, document.object.get());
}

void CVrxPMainClientAreaWnd::ApplyState(State& state)
{
    CloseAllChildren();
    m_restoring = TRUE;
    m_options.location = state.options.location;
    m_options.style = state.options.style;
    m_options.closeButton = state.options.closeButton;
    m_options.icons = state.options.icons;
    m_options.autoColors = state.options.autoColors;
    m_options.tabListButton = state.options.tabListButton;
    m_options.reorderByDrag = state.options.reorderByDrag;
    m_options.borderSize = state.options.borderSize;
    std::vector<CString> opened;
    if (state.mdiTabsOn)
    {
        State::TabWindow& strip = state.tabWindows.front();
        // The tabs keep their stored order, whatever order the windows lie in.
        std::vector<HWND> made;
        std::vector<COLORREF> colors;
        for (State::Tab& tab : strip.tabs)
        {
            CVrxPMDIChildWnd* pChild = OpenStoredDocument(tab.document, tab.paneId, opened, TRUE);
            if (pChild == nullptr)
                continue;
            m_mainTabs.AppendTab(pChild, tab.label, -1, TRUE);
            made.push_back(pChild->GetSafeHwnd());
            colors.push_back(static_cast<COLORREF>(tab.color));
        }
        m_options.autoColors = strip.autoColors;
        m_options.tabListButton = strip.tabListButton;
        m_options.reorderByDrag = strip.reorderByDrag;
        m_options.borderSize = strip.borderSize;
        m_mainTabs.AssignAutoColorPalette(strip.palette);
        m_restoring = FALSE;
        EnableMDITabs(TRUE, m_options);
        // Setting the palette and the automatic colours clears every tab's
        // colour, so the stored ones come last.
        for (size_t i = 0; i < made.size(); i++)
            m_mainTabs.SetTabColorAt(m_mainTabs.TabIndexFromHwnd(made[i]), colors[i]);
        if (!made.empty())
        {
            const size_t nActive = std::min(static_cast<size_t>(strip.active), made.size() - 1);
            ::SendMessage(m_hWnd, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(made[nActive]), 0);
        }
    }
    else
    {
        HWND hActive = NULL;
        BOOL bMaximized = FALSE;
        for (State::Child& child : state.children)
        {
            CVrxPMDIChildWnd* pChild = OpenStoredDocument(child.document, child.paneId, opened, FALSE);
            if (pChild == nullptr)
                continue;
            WINDOWPLACEMENT placement = {};
            placement.length = sizeof(placement);
            placement.flags = static_cast<UINT>(child.flags);
            placement.showCmd = bMaximized ? SW_MAXIMIZE : static_cast<UINT>(child.showCmd);
            placement.ptMaxPosition = child.maxPosition;
            placement.ptMinPosition = child.minPosition;
            placement.rcNormalPosition = child.normalPosition;
            pChild->SetWindowPlacement(&placement);
            if (placement.showCmd == SW_MAXIMIZE)
                bMaximized = TRUE;
            if (child.active)
                hActive = pChild->GetSafeHwnd();
        }
        m_restoring = FALSE;
        if (hActive != NULL)
            ::SendMessage(m_hWnd, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hActive), 0);
    }
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->RecalcLayout();
}
