#pragma once

// The tasks pane: a docking pane showing, on its current page, groups of
// tasks under captions. A click on a caption collapses or expands its group;
// a click on a task with a command posts the command to the owner. Pages
// are shown one at a time, with a back and forward history; the pane keeps
// its metrics, current page, page names and caption in the registry.

#include "docking/CVrxPDockingControlBar.h"
#include "panes/navigation/CVrxPTask.h"
#include "panes/navigation/CVrxPTasksGroup.h"
#include "panes/navigation/CVrxPTasksPaneHistory.h"
#include "panes/navigation/CVrxPTasksPaneState.h"

#include <memory>
#include <vector>

class CCmdUI;
class CImageList;

class CVrxPTasksPane : public CVrxPDockingControlBar
{
    DECLARE_DYNCREATE(CVrxPTasksPane)
public:
    // A separator is at least this high.
    static constexpr int separatorHeight = 10;
    // The navigation commands; the pane handles them itself.
    static constexpr UINT idBack = 17020;
    static constexpr UINT idForward = 17021;
    static constexpr UINT idHome = 17022;
    static constexpr UINT idClose = 17023;
    static constexpr UINT idOtherPanes = 17024;
    // The caption of a pane created without a window text.
    static const char defaultCaption[];
    // The panes' registry section under the profile.
    static const char registrySection[];
    // Stored metrics, page and names are read from workspaces newer than
    // the first; the caption from newer still; never from the one between.
    static constexpr int pagesVersion = 0x60210;
    static constexpr int captionVersion = 0x60500;
    static constexpr int versionWithoutPages = 0x70000;

    CVrxPTasksPane();
    ~CVrxPTasksPane() override;

    // Page 0 is named after the caption, "Tasks Pane" when there is none.
    BOOL Create(LPCTSTR lpszCaption, CWnd* pParentWnd, CSize sizeDefault, BOOL bHasGripper, UINT nID,
                DWORD dwStyle, DWORD dwTabbedStyle, DWORD dwPaneFlags) override;
    using CVrxPDockingControlBar::Create;

    // Pages: page 0 always exists.
    int AppendPage(LPCTSTR lpszName);
    int CountPages() const { return static_cast<int>(pageNames.size()); }
    int CurrentPage() const { return history.CurrentPage(); }
    const CVrxPTasksPaneHistory& GetHistory() const { return history; }
    // A new history entry; the current page or an index outside the pages
    // is ignored. The history position.
    int ShowPage(int nPage);
    virtual void GoBack();
    virtual void GoForward();
    virtual void GoHome();
    // The i-th entry of the back menu (newest first) or of the forward
    // menu; an entry outside the history is ignored.
    void GoBackBy(int i);
    void GoForwardBy(int i);
    // Page names of the back and forward menus, in their orders.
    std::vector<CString> BackPageNames() const;
    std::vector<CString> ForwardPageNames() const;

    const CString& GetCaption() const { return caption; }
    // The window text: the caption with several pages, else the current
    // page's name.
    void RefreshCaption();

    // The "Settings" value under VrxPTasksPanes: FALSE when it could not be
    // written (or read) or the docking pane's own state failed.
    BOOL StoreToRegistry(LPCTSTR lpszProfileName, int nIndex, int nSubIndex) override;
    BOOL RestoreFromRegistry(LPCTSTR lpszProfileName, int nIndex, int nSubIndex) override;
    CVrxPTasksPaneState SavedState() const;
    // A stored page outside the pages shows page 0; names replace the
    // pages' only when there are as many.
    void ApplyState(const CVrxPTasksPaneState& state, BOOL bWithPages, BOOL bWithCaption);

    // A page outside the pages puts the group on page 0.
    CVrxPTasksGroup* AddGroup(LPCTSTR lpszCaption, int nPage = 0, BOOL bSpecial = FALSE);
    CVrxPTask* AddTask(CVrxPTasksGroup* pGroup, LPCTSTR lpszText, UINT nCommand, int nImage = -1);
    CVrxPTask* AddSeparator(CVrxPTasksGroup* pGroup);
    int CountGroups() const { return static_cast<int>(groups.size()); }
    CVrxPTasksGroup* GroupAt(int nIndex) const;

    // Lays the current page out in the tasks area; the content's height.
    // With bCalculateOnly nothing is moved.
    int LayoutTasks(BOOL bCalculateOnly);
    void RelayoutTasks(BOOL bRedraw);
    CVrxPTask* TaskAtPoint(CPoint point) const;
    CVrxPTasksGroup* GroupCaptionAtPoint(CPoint point) const;
    CRect TasksArea() const;

    // The metrics: -1 takes the look's value.
    int MarginV() const;
    int MarginH() const;
    int GroupSpacing() const;
    int CaptionHeight() const;
    int CaptionIndentV() const;
    int TaskIndent() const;
    int IconGap() const;
    int TaskSpacing() const;

    int verticalMargin = -1;
    int horizontalMargin = -1;
    int groupSpacing = -1;
    int captionHeight = -1;
    int captionIndentH = -1;
    int captionIndentV = -1;
    int taskIndent = -1;
    int iconTextGap = -1;
    int taskSpacing = -1;
    // Task texts wrap over several lines: tasks with a command, and labels
    // (tasks without one).
    BOOL wrapTasks = FALSE;
    BOOL wrapLabels = FALSE;
    BOOL collapsibleGroups = TRUE;
    // Not owned.
    CImageList* taskImages = nullptr;
    CSize iconSize = CSize(16, 16);

    std::vector<CString> pageNames;
    std::vector<std::unique_ptr<CVrxPTasksGroup>> groups;
    CVrxPTasksGroup* hotGroup = nullptr;
    CVrxPTasksGroup* pressedGroup = nullptr;
    CVrxPTask* hotTask = nullptr;
    CVrxPTask* pressedTask = nullptr;

protected:
    // Runs after the current page changed.
    virtual void OnPageShown() {}
    void PaintTasks(CDC& dc);
    void ExecuteTask(const CVrxPTask& task);
    BOOL IsShownCollapsed(const CVrxPTasksGroup& group) const;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg void OnBack();
    afx_msg void OnForward();
    afx_msg void OnClose();
    afx_msg void OnOtherPanes();
    afx_msg void OnUpdateBack(CCmdUI* pCmdUI);
    afx_msg void OnUpdateForward(CCmdUI* pCmdUI);
    afx_msg void OnUpdateClose(CCmdUI* pCmdUI);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();

    DECLARE_MESSAGE_MAP()

private:
    // The old page's hosted state goes, the new page is laid out.
    void SwitchPage();
    CString KeyName(LPCTSTR lpszProfileName, int nIndex, int nSubIndex) const;
    static BOOL WorkspaceAtLeast(int nVersion);

    CVrxPTasksPaneHistory history;
    CString caption;
};

// A tasks pane whose groups are the pages of a toolbox: their captions are
// drawn as shaded bars with an expand box.
class CVrxPToolBoxEx : public CVrxPTasksPane
{
};
