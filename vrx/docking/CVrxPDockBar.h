#pragma once

// The dock site along one edge of a frame: a thin child window of the frame
// that holds rows of docked control bars, stacked from its top (or left)
// edge. It grows and shrinks by the thickness of its visible rows, decides
// into which row a docked bar goes, and turns the drag of a docked bar into
// a move inside its row, into another row, into a new row or an exchange of
// two rows. It owns its rows, not its bars.

#include "collections/CList.h"
#include "docking/CVrxPBaseControlBar.h"

class CVrxPControlBar;
class CVrxPDockBarRow;

class CVrxPDockBar : public CVrxPBaseControlBar
{
    DECLARE_DYNCREATE(CVrxPDockBar)
public:
    static constexpr UINT idTop = 0xE81B;
    static constexpr UINT idLeft = 0xE81C;
    static constexpr UINT idRight = 0xE81D;
    static constexpr UINT idBottom = 0xE81E;
    // How far a dragged bar may leave its dock bar before it floats.
    static constexpr int tearOffThreshold = 15;

    CVrxPDockBar() = default;
    ~CVrxPDockBar() override;

    BOOL DocksAtFrameSide() const override { return FALSE; }
    BOOL IsFloatAllowed() const override { return FALSE; }
    BOOL CanAcceptBar(const CVrxPBaseControlBar* pBar) const override { return pBar != nullptr; }
    void AdjustBarLayout() override;
    // Fits each visible row to its content; the dock bar's window size.
    CSize CalcBarSize(BOOL bStretch, BOOL bHorizontal) override;

    virtual BOOL HasBarInDragMode() const;
    virtual CVrxPDockBarRow* CreateRow(int nOffset, int nExtent);
    // Non-zero when the bar was docked here already.
    virtual BOOL DockBar(CVrxPControlBar* pBar, int nMethod, const CRect* pRect);
    virtual BOOL DockBarLeftOf(CVrxPControlBar* pBar, CVrxPControlBar* pOtherBar);
    virtual void RemoveBar(CVrxPControlBar* pBar);
    // A drag step of a docked bar; TRUE when it tore the bar off.
    virtual BOOL MoveBar(CVrxPControlBar* pBar, int dx, int dy);
    virtual int ResizeRow(CVrxPDockBarRow* pRow, int nDelta);
    // Fits the rows to a new client rectangle of the dock bar.
    virtual void AdjustLayout(const CRect& rectNewClient);
    virtual void RefreshBarRects();
    virtual BOOL ShowBar(CVrxPBaseControlBar* pBar, BOOL bShow, BOOL bDelay, BOOL bActivate);
    virtual CVrxPBaseControlBar* BarFromPoint(CPoint pointScreen) const;
    virtual void AdjustDockingLayout();
    virtual UINT GetDockBarId() const { return m_nDockBarId; }
    virtual BOOL Create(DWORD dwStyle, CWnd* pParentWnd, DWORD dwBarStyle);

    // A row of the given thickness before pBefore (at the end when null);
    // null when it could not be made (the dock bar is then unchanged).
    CVrxPDockBarRow* InsertRow(CVrxPDockBarRow* pBefore, int nExtent);
    void RemoveRow(CVrxPDockBarRow* pRow);
    // The applied change; 0 when the row's content does not fit the extent.
    int SetRowExtent(CVrxPDockBarRow* pRow, int nExtent, BOOL bLayout);
    void ShowRow(CVrxPDockBarRow* pRow, BOOL bShow, BOOL bLayout);
    // Moves the edge that faces away from the frame edge by nDelta.
    void ResizeDockBar(int nDelta, BOOL bLayout);
    CVrxPDockBarRow* RowFromPoint(CPoint pointScreen, BOOL& bBefore) const;
    CVrxPDockBarRow* RowFromRect(const CRect& rectClient) const;
    CVrxPDockBarRow* RowOfBar(const CVrxPBaseControlBar* pBar) const;
    // 0 also for a row that is not here.
    int RowIndexOf(const CVrxPDockBarRow* pRow) const;
    CVrxPBaseControlBar* FindDockedBarById(UINT nId) const;
    void SwapRows(CVrxPDockBarRow* pRowA, CVrxPDockBarRow* pRowB);
    // The sum of the visible rows' thicknesses.
    int GetThickness() const;

    const CList<CVrxPDockBarRow*, CVrxPDockBarRow*>& GetRows() const { return m_lstRows; }
    const CList<CVrxPBaseControlBar*, CVrxPBaseControlBar*>& GetDockedBars() const { return m_lstDockedBars; }

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnDestroy();
    void PostNcDestroy() override;

    DECLARE_MESSAGE_MAP()

    // Rows after pos move away from the frame edge by the row's thickness,
    // or back toward it.
    void ShiftRowsAfter(POSITION pos);
    void ShiftRowsBack(POSITION pos, BOOL bForce);
    void OnShowRow(POSITION pos, BOOL bShow);
    CVrxPDockBarRow* NextVisibleRow(POSITION pos, BOOL bForward) const;

    CList<CVrxPBaseControlBar*, CVrxPBaseControlBar*> m_lstDockedBars;
    CList<CVrxPDockBarRow*, CVrxPDockBarRow*> m_lstRows;
    UINT m_nDockBarId = 0;
};
