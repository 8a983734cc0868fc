#include "panes/navigation/CVrxPTasksPane.h"

#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMemoryDC.h"
#include "foundation/CVrxPRegistry.h"
#include "foundation/CVrxPRegistryHolder.h"
#include "foundation/CVrxPWorkspace.h"
#include "foundation/VrxPBuildRegistryPath.h"
#include "app/CCmdUI.h"
#include "gdi/CClientDC.h"
#include "gdi/CPaintDC.h"
#include "themes/CVrxPVisualManager.h"
#include "toolbars/CVrxPPopupMenuBar.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CVrxPTasksPane, CVrxPDockingControlBar)

BEGIN_MESSAGE_MAP(CVrxPTasksPane, CVrxPDockingControlBar)
    ON_WM_CREATE()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_COMMAND(idBack, OnBack)
    ON_COMMAND(idForward, OnForward)
    ON_COMMAND(idHome, GoHome)
    ON_COMMAND(idClose, OnClose)
    ON_COMMAND(idOtherPanes, OnOtherPanes)
    ON_UPDATE_COMMAND_UI(idBack, OnUpdateBack)
    ON_UPDATE_COMMAND_UI(idForward, OnUpdateForward)
    ON_UPDATE_COMMAND_UI(idClose, OnUpdateClose)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_CANCELMODE()
END_MESSAGE_MAP()

namespace
{
int ValueOr(int nOwn, int nLook)
{
    return nOwn != -1 ? nOwn : nLook;
}
} // namespace

const char CVrxPTasksPane::defaultCaption[] = "Tasks Pane";
const char CVrxPTasksPane::registrySection[] = "VrxPTasksPanes";

CVrxPTasksPane::CVrxPTasksPane() : pageNames{CString()}
{
}

CVrxPTasksPane::~CVrxPTasksPane() = default;

int CVrxPTasksPane::MarginV() const { return ValueOr(verticalMargin, CVrxPVisualManager::Instance()->taskPaneMarginV); }
int CVrxPTasksPane::MarginH() const { return ValueOr(horizontalMargin, CVrxPVisualManager::Instance()->taskPaneMarginH); }
int CVrxPTasksPane::GroupSpacing() const { return ValueOr(groupSpacing, CVrxPVisualManager::Instance()->taskGroupSpacing); }
int CVrxPTasksPane::CaptionHeight() const
{
    return ValueOr(captionHeight, CVrxPVisualManager::Instance()->taskGroupCaptionHeight);
}
int CVrxPTasksPane::CaptionIndentV() const
{
    return ValueOr(captionIndentV, CVrxPVisualManager::Instance()->taskCaptionIndentV);
}
int CVrxPTasksPane::TaskIndent() const { return ValueOr(taskIndent, CVrxPVisualManager::Instance()->taskIndentH); }
int CVrxPTasksPane::IconGap() const { return ValueOr(iconTextGap, CVrxPVisualManager::Instance()->taskIconTextGap); }
int CVrxPTasksPane::TaskSpacing() const { return ValueOr(taskSpacing, CVrxPVisualManager::Instance()->taskSpareMetric); }

int CVrxPTasksPane::AppendPage(LPCTSTR lpszName)
{
    pageNames.push_back(lpszName != nullptr ? lpszName : "");
    return CountPages() - 1;
}

int CVrxPTasksPane::ShowPage(int nPage)
{
    if (history.ShowPage(nPage, CountPages()))
        SwitchPage();
    return history.Position();
}

void CVrxPTasksPane::GoBack()
{
    if (history.GoBack())
        SwitchPage();
}

void CVrxPTasksPane::GoForward()
{
    if (history.GoForward())
        SwitchPage();
}

void CVrxPTasksPane::GoHome()
{
    ShowPage(0);
}

void CVrxPTasksPane::GoBackBy(int i)
{
    if (history.GoBackBy(i))
        SwitchPage();
}

void CVrxPTasksPane::GoForwardBy(int i)
{
    if (history.GoForwardBy(i))
        SwitchPage();
}

std::vector<CString> CVrxPTasksPane::BackPageNames() const
{
    std::vector<CString> names;
    for (const int nPage : history.BackPages())
        names.push_back(pageNames[static_cast<size_t>(nPage)]);
    return names;
}

std::vector<CString> CVrxPTasksPane::ForwardPageNames() const
{
    std::vector<CString> names;
    for (const int nPage : history.ForwardPages())
        names.push_back(pageNames[static_cast<size_t>(nPage)]);
    return names;
}

void CVrxPTasksPane::SwitchPage()
{
    hotGroup = pressedGroup = nullptr;
    hotTask = pressedTask = nullptr;
    if (m_hWnd == NULL)
    {
        OnPageShown();
        return;
    }
    RefreshCaption();
    OnPageShown();
    RelayoutTasks(TRUE);
}

void CVrxPTasksPane::RefreshCaption()
{
    if (m_hWnd == NULL)
        return;
    const CString& text = CountPages() > 1 ? caption : pageNames[static_cast<size_t>(CurrentPage())];
    // The window text is set past OnSetText: it names the page, not the pane.
    CWnd::DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(text)));
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

BOOL CVrxPTasksPane::Create(LPCTSTR lpszCaption, CWnd* pParentWnd, CSize sizeDefault, BOOL bHasGripper, UINT nID,
                            DWORD dwStyle, DWORD dwTabbedStyle, DWORD dwPaneFlags)
{
    if (!CVrxPDockingControlBar::Create(lpszCaption, pParentWnd, sizeDefault, bHasGripper, nID, dwStyle,
                                        dwTabbedStyle, dwPaneFlags))
        return FALSE;
    // The window gets its text after WM_CREATE: page 0 takes it now.
    if (caption.IsEmpty())
        caption = defaultCaption;
    pageNames.front() = caption;
    RefreshCaption();
    return TRUE;
}

int CVrxPTasksPane::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CVrxPDockingControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    caption = lpCreateStruct->lpszName != nullptr ? lpCreateStruct->lpszName : "";
    return 0;
}

LRESULT CVrxPTasksPane::OnSetText(WPARAM, LPARAM lParam)
{
    const LRESULT result = Default();
    if (lParam != 0)
        caption = reinterpret_cast<LPCTSTR>(lParam);
    return result;
}

// The back and forward menus send their command with the chosen entry as
// the last chosen index; the buttons themselves send it with none.
void CVrxPTasksPane::OnBack()
{
    const int i = CVrxPPopupMenuBar::lastChosenIndex;
    CVrxPPopupMenuBar::lastChosenIndex = -1;
    if (i >= 0)
        GoBackBy(i);
    else
        GoBack();
}

void CVrxPTasksPane::OnForward()
{
    const int i = CVrxPPopupMenuBar::lastChosenIndex;
    CVrxPPopupMenuBar::lastChosenIndex = -1;
    if (i >= 0)
        GoForwardBy(i);
    else
        GoForward();
}

void CVrxPTasksPane::OnClose()
{
    if (CanClose())
        HandleCloseButton();
}

// The page menu's items all send this command; the chosen item names the page.
void CVrxPTasksPane::OnOtherPanes()
{
    const int nPage = CVrxPPopupMenuBar::lastChosenIndex;
    CVrxPPopupMenuBar::lastChosenIndex = -1;
    ShowPage(nPage);
}

void CVrxPTasksPane::OnUpdateBack(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(history.CanGoBack());
}

void CVrxPTasksPane::OnUpdateForward(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(history.CanGoForward());
}

void CVrxPTasksPane::OnUpdateClose(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CanClose());
}

BOOL CVrxPTasksPane::WorkspaceAtLeast(int nVersion)
{
    const CVrxPWorkspace* pWorkspace = VrxPWorkspaceInstance();
    if (pWorkspace == nullptr)
        return FALSE;
    const int nStored = pWorkspace->PackedStateVersion();
    return nStored >= nVersion && nStored != versionWithoutPages;
}

CString CVrxPTasksPane::KeyName(LPCTSTR lpszProfileName, int nIndex, int nSubIndex) const
{
    const CString path = VrxPBuildRegistryPath(registrySection, lpszProfileName);
    return CVrxPTasksPaneState::KeyName(path, nIndex == -1 ? static_cast<int>(GetDlgCtrlID()) : nIndex, nSubIndex);
}

CVrxPTasksPaneState CVrxPTasksPane::SavedState() const
{
    CVrxPTasksPaneState state;
    state.alignment = GetAlignment();
    state.visible = IsBarVisible();
    state.metrics = {verticalMargin, horizontalMargin, groupSpacing, captionHeight, captionIndentH,
                     captionIndentV, taskIndent,       iconTextGap,  taskSpacing};
    state.page = CurrentPage();
    state.pageNames = pageNames;
    state.caption = caption;
    return state;
}

void CVrxPTasksPane::ApplyState(const CVrxPTasksPaneState& state, BOOL bWithPages, BOOL bWithCaption)
{
    SetAlignment(state.alignment);
    savedVisibility = state.visible;
    if (bWithPages)
    {
        int* const metrics[] = {&verticalMargin, &horizontalMargin, &groupSpacing, &captionHeight, &captionIndentH,
                                &captionIndentV, &taskIndent,       &iconTextGap,  &taskSpacing};
        for (size_t i = 0; i < state.metrics.size(); i++)
            *metrics[i] = state.metrics[i];
        if (state.pageNames.size() == pageNames.size())
            pageNames = state.pageNames;
        const int nPage = state.page < CountPages() ? state.page : 0;
        if (nPage != CurrentPage())
            ShowPage(nPage);
        else
            RelayoutTasks(TRUE);
    }
    if (bWithCaption)
    {
        caption = state.caption;
        RefreshCaption();
    }
}

BOOL CVrxPTasksPane::StoreToRegistry(LPCTSTR lpszProfileName, int nIndex, int nSubIndex)
{
    std::vector<BYTE> bytes;
    BOOL bStored = SavedState().Write(bytes);
    if (bStored)
    {
        CVrxPRegistryHolder holder;
        CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
        bStored = registry.MakeKey(KeyName(lpszProfileName, nIndex, nSubIndex)) &&
                  registry.WriteBinary(CVrxPTasksPaneState::valueName, bytes.data(), static_cast<UINT>(bytes.size()));
    }
    // The docking pane's own state is stored even when the value failed.
    return CVrxPDockingControlBar::StoreToRegistry(lpszProfileName, nIndex, nSubIndex) && bStored;
}

BOOL CVrxPTasksPane::RestoreFromRegistry(LPCTSTR lpszProfileName, int nIndex, int nSubIndex)
{
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, TRUE);
    BYTE* pData = nullptr;
    UINT nSize = 0;
    if (!registry.OpenKey(KeyName(lpszProfileName, nIndex, nSubIndex)) ||
        !registry.ReadBinary(CVrxPTasksPaneState::valueName, pData, nSize))
        return FALSE;
    std::unique_ptr<BYTE[]> data(pData);
    const BOOL bWithPages = WorkspaceAtLeast(pagesVersion);
    const BOOL bWithCaption = WorkspaceAtLeast(captionVersion);
    CVrxPTasksPaneState state = SavedState();
    if (!state.Read(pData, nSize, bWithPages, bWithCaption))
        return FALSE;
    ApplyState(state, bWithPages, bWithCaption);
    return CVrxPDockingControlBar::RestoreFromRegistry(lpszProfileName, nIndex, nSubIndex);
}

CVrxPTasksGroup* CVrxPTasksPane::AddGroup(LPCTSTR lpszCaption, int nPage, BOOL bSpecial)
{
    auto group = std::make_unique<CVrxPTasksGroup>();
    group->pane = this;
    group->name = lpszCaption != nullptr ? lpszCaption : "";
    group->page = nPage >= 0 && nPage < CountPages() ? nPage : 0;
    group->special = bSpecial;
    groups.push_back(std::move(group));
    return groups.back().get();
}

CVrxPTask* CVrxPTasksPane::AddTask(CVrxPTasksGroup* pGroup, LPCTSTR lpszText, UINT nCommand, int nImage)
{
    if (pGroup == nullptr || pGroup->pane != this)
        return nullptr;
    auto task = std::make_unique<CVrxPTask>();
    task->group = pGroup;
    task->text = lpszText != nullptr ? lpszText : "";
    task->commandId = nCommand;
    task->image = nImage;
    pGroup->tasks.push_back(std::move(task));
    return pGroup->tasks.back().get();
}

CVrxPTask* CVrxPTasksPane::AddSeparator(CVrxPTasksGroup* pGroup)
{
    CVrxPTask* pTask = AddTask(pGroup, "", 0);
    if (pTask != nullptr)
        pTask->separator = TRUE;
    return pTask;
}

CVrxPTasksGroup* CVrxPTasksPane::GroupAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < CountGroups() ? groups[static_cast<size_t>(nIndex)].get() : nullptr;
}

CRect CVrxPTasksPane::TasksArea() const
{
    CRect rect;
    if (m_hWnd != NULL)
        GetClientRect(&rect);
    return rect;
}

BOOL CVrxPTasksPane::IsShownCollapsed(const CVrxPTasksGroup& group) const
{
    return collapsibleGroups && group.collapsed && !group.name.IsEmpty();
}

int CVrxPTasksPane::LayoutTasks(BOOL bCalculateOnly)
{
    const CRect area = TasksArea();
    if (m_hWnd == NULL || groups.empty() || area.top < 0 || area.bottom <= area.top || area.left < 0 ||
        area.right <= area.left)
        return 0;
    CRect R = area;
    R.DeflateRect(MarginH(), MarginV());
    CVrxPGlobals& globals = VrxPGlobals();
    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(&globals.fontBold);
    int y = R.top;
    const int nIndent = TaskIndent();
    const int nSpacing = TaskSpacing();
    for (const auto& group : groups)
    {
        if (group->page != CurrentPage())
            continue;
        int h = 0;
        if (!group->name.IsEmpty())
        {
            dc.SelectObject(&globals.fontBold);
            const CSize text = dc.GetTextExtent(group->name);
            h = std::max(CaptionIndentV() + static_cast<int>(text.cy), CaptionHeight());
        }
        if (group->icon != NULL && group->iconSize.cx < R.Width() - h && h < group->iconSize.cy)
            y += group->iconSize.cy - h;
        if (!bCalculateOnly)
            group->captionRect = CRect(R.left, y, R.right, y + h);
        y += h;
        const int T = y;
        dc.SelectObject(&globals.fontRegular);
        if (IsShownCollapsed(*group))
        {
            if (!bCalculateOnly)
            {
                group->tasksRect = CRect(R.left, y - 1, R.right, y - 1);
                for (const auto& task : group->tasks)
                    task->rect.SetRectEmpty();
            }
        }
        else
        {
            BOOL bSpacingBefore = TRUE;
            for (const auto& task : group->tasks)
            {
                if (!task->visible)
                {
                    if (!bCalculateOnly)
                        task->rect.SetRectEmpty();
                    continue;
                }
                if (bSpacingBefore)
                    y += nSpacing;
                const BOOL bWrap = task->HasCommand() ? wrapTasks : wrapLabels;
                const int nLeft = R.left + nIndent;
                int E = 0;
                CFont* pPrevious = dc.SelectObject(&globals.fontUnderline);
                if (bWrap)
                {
                    CRect rectText(nLeft + IconGap() + iconSize.cx, y, R.right - nIndent, y + iconSize.cy);
                    E = dc.DrawText(task->text, &rectText, DT_CALCRECT | DT_WORDBREAK);
                }
                else
                {
                    E = static_cast<int>(dc.GetTextExtent(CString("Wg")).cy);
                }
                dc.SelectObject(pPrevious);
                if (task->separator)
                    E = std::max(E, static_cast<int>(separatorHeight));
                E = std::max(E, static_cast<int>(iconSize.cy));
                if (!bCalculateOnly)
                    task->rect = CRect(nLeft, y, std::max(nLeft, static_cast<int>(R.right) - nIndent), y + E);
                y += E + nSpacing;
                bSpacingBefore = FALSE;
            }
            if (!bCalculateOnly)
                group->tasksRect = CRect(R.left, T, R.right, y);
        }
        y += GroupSpacing();
    }
    dc.SelectObject(pOldFont);

    if (!bCalculateOnly)
    {
        CVrxPTasksGroup* pLast = nullptr;
        for (const auto& group : groups)
            if (group->page == CurrentPage())
                pLast = group.get();
        if (pLast != nullptr && pLast->bottomAligned && !pLast->tasks.empty() && !IsShownCollapsed(*pLast))
        {
            const int D = R.bottom - pLast->tasksRect.bottom;
            if (D > 0)
            {
                for (const auto& task : pLast->tasks)
                    if (task->visible)
                        task->rect.OffsetRect(0, D);
                pLast->captionRect.OffsetRect(0, D);
                pLast->tasksRect.OffsetRect(0, D);
            }
        }
    }
    return MarginV() + y - GroupSpacing();
}

void CVrxPTasksPane::RelayoutTasks(BOOL bRedraw)
{
    LayoutTasks(FALSE);
    if (bRedraw && m_hWnd != NULL)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

CVrxPTask* CVrxPTasksPane::TaskAtPoint(CPoint point) const
{
    if (!TasksArea().PtInRect(point))
        return nullptr;
    for (const auto& group : groups)
    {
        if (group->page != CurrentPage() || IsShownCollapsed(*group))
            continue;
        for (const auto& task : group->tasks)
            if (task->visible && task->HasCommand() && task->rect.PtInRect(point))
                return task.get();
    }
    return nullptr;
}

CVrxPTasksGroup* CVrxPTasksPane::GroupCaptionAtPoint(CPoint point) const
{
    if (!collapsibleGroups || !TasksArea().PtInRect(point))
        return nullptr;
    for (const auto& group : groups)
        if (group->page == CurrentPage() && group->captionRect.PtInRect(point))
            return group.get();
    return nullptr;
}

void CVrxPTasksPane::PaintTasks(CDC& dc)
{
    CVrxPVisualManager* pLook = CVrxPVisualManager::Instance();
    pLook->PaintTasksPaneBackground(&dc, TasksArea());
    dc.SetBkMode(TRANSPARENT);
    for (const auto& group : groups)
    {
        if (group->page != CurrentPage())
            continue;
        if (!IsShownCollapsed(*group) && !group->tasksRect.IsRectEmpty())
            pLook->PaintTaskGroupBackground(&dc, group->tasksRect, group->special);
        if (!group->captionRect.IsRectEmpty())
            pLook->PaintTaskGroupCaption(&dc, group.get(), group.get() == hotGroup, FALSE, collapsibleGroups);
        if (IsShownCollapsed(*group))
            continue;
        for (const auto& task : group->tasks)
        {
            if (!task->visible || task->rect.IsRectEmpty())
                continue;
            const int nSaved = dc.SaveDC();
            dc.IntersectClipRect(&task->rect);
            pLook->PaintTask(&dc, task.get(), taskImages, task.get() == hotTask, FALSE);
            dc.RestoreDC(nSaved);
        }
    }
}

void CVrxPTasksPane::OnPaint()
{
    CPaintDC paintDC(this);
    CVrxPMemoryDC memory(paintDC, this);
    PaintTasks(memory.GetDC());
}

void CVrxPTasksPane::OnSize(UINT nType, int cx, int cy)
{
    CVrxPDockingControlBar::OnSize(nType, cx, cy);
    RelayoutTasks(TRUE);
}

void CVrxPTasksPane::OnMouseMove(UINT nFlags, CPoint point)
{
    CVrxPDockingControlBar::OnMouseMove(nFlags, point);
    CVrxPTasksGroup* pGroup = GroupCaptionAtPoint(point);
    CVrxPTask* pTask = pGroup == nullptr ? TaskAtPoint(point) : nullptr;
    if (pTask != nullptr && !pTask->enabled)
        pTask = nullptr;
    if (pTask == hotTask && pGroup == hotGroup)
        return;
    hotTask = pTask;
    hotGroup = pGroup;
    if (pTask != nullptr || pGroup != nullptr)
    {
        if (CWnd::GetCapture() == nullptr)
            SetCapture();
    }
    else if (CWnd::GetCapture() == this && pressedGroup == nullptr && pressedTask == nullptr)
    {
        ::ReleaseCapture();
    }
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CVrxPTasksPane::OnLButtonDown(UINT, CPoint point)
{
    pressedGroup = GroupCaptionAtPoint(point);
    pressedTask = pressedGroup == nullptr ? TaskAtPoint(point) : nullptr;
}

// A quick second click on a caption or a task is a second press.
void CVrxPTasksPane::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    OnLButtonDown(nFlags, point);
}

void CVrxPTasksPane::OnLButtonUp(UINT nFlags, CPoint point)
{
    CVrxPDockingControlBar::OnLButtonUp(nFlags, point);
    if (hotGroup == nullptr && hotTask == nullptr && pressedGroup == nullptr && pressedTask == nullptr)
        return;
    if (CWnd::GetCapture() == this)
        ::ReleaseCapture();
    CVrxPTasksGroup* pClickedGroup = hotGroup != nullptr && hotGroup == pressedGroup ? hotGroup : nullptr;
    CVrxPTask* pClickedTask = hotTask != nullptr && hotTask == pressedTask ? hotTask : nullptr;
    pressedGroup = nullptr;
    pressedTask = nullptr;
    if (pClickedGroup != nullptr)
    {
        hotGroup = nullptr;
        pClickedGroup->collapsed = !pClickedGroup->collapsed;
        RelayoutTasks(TRUE);
        SendMessage(WM_MOUSEMOVE, nFlags, MAKELPARAM(point.x, point.y));
        return;
    }
    hotTask = nullptr;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    if (pClickedTask != nullptr)
        ExecuteTask(*pClickedTask);
}

void CVrxPTasksPane::OnCancelMode()
{
    CVrxPDockingControlBar::OnCancelMode();
    hotGroup = pressedGroup = nullptr;
    hotTask = pressedTask = nullptr;
}

void CVrxPTasksPane::ExecuteTask(const CVrxPTask& task)
{
    if (task.commandId == 0)
        return;
    CWnd* pTarget = GetOwner() != nullptr ? GetOwner() : GetParent();
    if (pTarget != nullptr)
        pTarget->PostMessage(WM_COMMAND, task.commandId, 0);
}
