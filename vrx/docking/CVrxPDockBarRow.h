#pragma once

// One row of bars inside a dock bar: a strip the dock bar's whole length, at
// an offset from its top (or left) edge and with a thickness (its extent).
// It keeps its bars in order along the row and places their windows: where
// a docked bar lands, how bars push one another, how they shrink from the
// last one when the row becomes too short and grow back from the first one
// when it becomes longer. It has no window of its own.
//
// Along is the row's direction (x in a top or bottom dock bar, y in a left
// or right one), across the other. Every layout is first computed on the
// bars' scratch rectangles (screen coordinates) and then applied to the
// windows in one deferred batch.

#include "collections/CList.h"
#include "core/CObject.h"
#include "strings/CRect.h"

class CVrxPControlBar;
class CVrxPDockBar;

class CVrxPDockBarRow : public CObject
{
    DECLARE_DYNAMIC(CVrxPDockBarRow)
public:
    // Distance between the last bar and a bar docked after it.
    static constexpr int barSpacing = 14;
    // The border that neighbouring auto-hide buttons share.
    static constexpr int autoHideButtonBorder = 1;

    CVrxPDockBarRow(CVrxPDockBar* pDockBar, int nOffset, int nExtent);

    virtual BOOL Create() { return TRUE; }
    virtual int GetVisibleBarCount() const;
    // The content size: lengths summed along, the largest thickness across;
    // a hidden row asks for nothing across.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorizontal) const;
    // Puts the bar at rectScreen (empty: the row's start, or after the last
    // bar when bAfterLast).
    virtual void PlaceBar(CVrxPControlBar* pBar, int nMethod, const CRect& rectScreen, BOOL bAfterLast);
    // Puts the bar at the cursor (method 1) or where its window is.
    virtual void AddBarByMethod(CVrxPControlBar* pBar, int nMethod);
    virtual void RemoveBar(CVrxPControlBar* pBar);
    virtual int Resize(int nDelta);
    virtual void Move(int nDelta);
    // Removes overlaps and fits the bars into the row after a change to pBar.
    virtual void RepositionBars(CVrxPControlBar* pBar);
    // The dock bar's length changed at its end by nAmount.
    virtual void OnDockBarResized(const CRect& rectNewClient, int nSizingEdge, BOOL bGrowing, int nAmount);
    virtual BOOL IsEmpty() const { return m_lstBars.IsEmpty(); }
    virtual void UpdateVisibility(BOOL bDelay);
    virtual void Show(BOOL bShow, BOOL bDelay);
    virtual BOOL ReplaceBar(CVrxPControlBar* pOldBar, CVrxPControlBar* pNewBar);
    virtual BOOL ShowBar(CVrxPControlBar* pBar, BOOL bShow, BOOL bDelay);
    virtual void OnBarSized(CVrxPControlBar* /*pBar*/) {}
    virtual BOOL IsVisible() const { return m_bVisible; }
    // The row's length less the visible bars' (windows, or saved rectangles).
    virtual int GetFreeLength(BOOL bSavedRects) const;
    virtual BOOL HasExclusiveBar() const;
    virtual void AddBar(CVrxPControlBar* pBar);

    CRect GetRowScreenRect() const;
    // In dock-bar client coordinates, across from 0 to the extent.
    CRect GetRowRectInDockBar() const;
    // Refreshes the bars' saved rectangles from their windows (mode 0), or
    // moves the windows back to them (mode 1); pExcluded stays as it is.
    void RestoreBarPositions(int nMode, CVrxPControlBar* pExcluded);
    // Hands the free length to the bars from the first on.
    void ExpandBars();
    void FitBars();
    // A drag step of a bar inside the row.
    void MoveBar(CVrxPControlBar* pBar, int dx, int dy, BOOL bReorder);
    // Lays the visible bars end to end from nStart after the row's start,
    // nSpacing apart; a bar that continues a group overlaps the one before
    // it by the auto-hide button's border (and, in looks that draw such
    // buttons as tabs, by half its thickness more).
    void ArrangeBars(int nStart, int nSpacing);
    int MaxBarThickness(BOOL bVisibleOnly) const;
    int GetLastBarEnd() const;
    BOOL ContainsBar(const CVrxPControlBar* pBar) const;
    const CList<CVrxPControlBar*, CVrxPControlBar*>& GetBars() const { return m_lstBars; }
    BOOL IsHorizontal() const;
    int GetExtent() const { return m_nExtent; }
    int GetOffset() const { return m_nOffset; }
    CVrxPDockBar* GetDockBar() const { return m_pDockBar; }

    BOOL m_bCountHidden = FALSE;
    int m_nExtraSpace = 0;
    BOOL m_bExtraSpaceFirst = FALSE;

protected:
    BOOL IsBarShown(const CVrxPControlBar* pBar) const;

    // Scratch layout: the bars' rect members, screen coordinates.
    void LoadFitRects();
    void ApplyFitRects();
    int GetFreeLengthFit() const;
    int StretchBarFit(CVrxPControlBar* pBar, int nDelta);
    void OffsetBarFit(CVrxPControlBar* pBar, int nDelta);
    void ShiftBarsFit(CVrxPControlBar* pBar, int nDelta, BOOL bForward);
    void ResolveOverlapsFit(CVrxPControlBar* pBar, BOOL bForward);
    void RepositionBarsFit(CVrxPControlBar* pBar, BOOL bMoveSingleToStart);
    BOOL CanMoveBarFit(CVrxPControlBar* pBar, BOOL bForward, int& nRoom);
    BOOL ReorderOnMoveFit(const CRect& rectNew, CVrxPControlBar* pBar, BOOL bForward, int nStep, BOOL bReorder);
    void PullBarsBackFit(CVrxPControlBar* pBar, int nStep, BOOL bForward);
    void KeepBarInsideFit(CVrxPControlBar* pBar, const CRect& rectRow);
    CVrxPControlBar* NextShown(CVrxPControlBar* pBar, BOOL bForward) const;
    // The row's free length goes to the shown bars from the first on; then
    // overlaps are resolved (a single bar moved to the row's start).
    void HandOutFreeLength(BOOL bMoveSingleToStart);

    BOOL m_bVisible = TRUE;
    int m_nExtent;
    int m_nOffset;
    CList<CVrxPControlBar*, CVrxPControlBar*> m_lstBars;
    DWORD m_dwAlignment;
    CVrxPDockBar* m_pDockBar;
};
