#pragma once

// The tasks pane: a docking pane showing, on its current page, groups of
// tasks under captions. A click on a caption collapses or expands its group;
// a click on a task with a command posts the command to the owner.

#include "docking/CVrxPDockingControlBar.h"
#include "panes/navigation/CVrxPTask.h"
#include "panes/navigation/CVrxPTasksGroup.h"

#include <memory>
#include <vector>

class CImageList;

class CVrxPTasksPane : public CVrxPDockingControlBar
{
    DECLARE_DYNCREATE(CVrxPTasksPane)
public:
    // A separator is at least this high.
    static constexpr int separatorHeight = 10;

    CVrxPTasksPane();
    ~CVrxPTasksPane() override;

    // Pages: page 0 always exists.
    int AppendPage(LPCTSTR lpszName);
    int CountPages() const { return static_cast<int>(pageNames.size()); }
    int CurrentPage() const { return currentPage; }
    // An index outside the pages is ignored.
    void ShowPage(int nPage);

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
    int currentPage = 0;
    std::vector<std::unique_ptr<CVrxPTasksGroup>> groups;
    CVrxPTasksGroup* hotGroup = nullptr;
    CVrxPTasksGroup* pressedGroup = nullptr;
    CVrxPTask* hotTask = nullptr;
    CVrxPTask* pressedTask = nullptr;

protected:
    void PaintTasks(CDC& dc);
    void ExecuteTask(const CVrxPTask& task);
    BOOL IsShownCollapsed(const CVrxPTasksGroup& group) const;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();

    DECLARE_MESSAGE_MAP()
};

// A tasks pane whose groups are the pages of a toolbox: their captions are
// drawn as shaded bars with an expand box.
class CVrxPToolBoxEx : public CVrxPTasksPane
{
};
