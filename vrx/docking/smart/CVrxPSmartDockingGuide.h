#pragma once

// The markers shown over a frame while a pane is dragged in marker style:
// four side markers near the edges of the docking area, the diamond over the
// pane under the cursor, and the translucent highlight of where a drop
// lands. The frame bar manager owns one; the drag moves and asks it.

#include "docking/smart/CVrxPCentralGroupWnd.h"
#include "docking/smart/CVrxPDockHighlightWnd.h"
#include "docking/smart/CVrxPMarkerWnd.h"
#include "docking/smart/CVrxPSmartDockingLayout.h"

class CVrxPSmartDockingGuide
{
public:
    CVrxPSmartDockingGuide() = default;
    ~CVrxPSmartDockingGuide();
    CVrxPSmartDockingGuide(const CVrxPSmartDockingGuide&) = delete;
    CVrxPSmartDockingGuide& operator=(const CVrxPSmartDockingGuide&) = delete;

    BOOL Create(CWnd* pFrame);
    void Destroy();
    // The area in the frame's client coordinates.
    void SetDockingArea(const CRect& rectClient);
    // Side markers of the allowed sides (CBRS_ALIGN_* bits) appear.
    void Show(CWnd* pDragged, DWORD dwAllowedSides);
    void Hide();
    // The shown marker under the screen point becomes current and is drawn
    // highlighted; returns it (-1 for none).
    int HitTestMarkers(CPoint point);
    // The diamond over a screen rectangle, its side markers enabled by the
    // sides; centre state 0 hides its centre, 1 shows it, -1 leaves it.
    void PlaceCentralGroup(const CRect& rectTarget, int nCentreState, DWORD dwSides);
    void ShowCentralGroup(BOOL bShow);
    void ShowHighlight(const CRect& rect);
    void HideHighlight();
    // Asks the dragged window to end its drag.
    void CancelDrag();

    BOOL IsCreated() const { return m_bCreated; }
    BOOL IsShown() const { return m_bShown; }
    int GetCurrentMarker() const { return m_nMarker; }
    const CVrxPSmartDockingLayout::State& GetState() const { return m_state; }
    CVrxPMarkerWnd& GetSideMarker(int nMarker) { return m_sideMarkers[nMarker]; }
    CVrxPCentralGroupWnd& GetCentralGroup() { return m_group; }
    CVrxPDockHighlightWnd& GetHighlight() { return m_highlight; }

private:
    void PlaceSideMarkers();

    BOOL m_bCreated = FALSE;
    BOOL m_bShown = FALSE;
    int m_nMarker = CVrxPSmartDockingLayout::none;
    CWnd* m_pFrame = nullptr;
    CWnd* m_pDragged = nullptr;
    CVrxPSmartDockingLayout::State m_state{};
    CVrxPMarkerWnd m_sideMarkers[4];
    CVrxPCentralGroupWnd m_group;
    CVrxPDockHighlightWnd m_highlight;
};
