#pragma once

// The diamond of smart docking over the pane under the cursor: five markers
// (beside the pane on each side, into its tabs) in one topmost popup whose
// region is the diamond and the markers.

#include "docking/VrxPBarStyles.h"
#include "windows/CWnd.h"

class CVrxPCentralGroupWnd : public CWnd
{
public:
    CVrxPCentralGroupWnd() = default;
    BOOL Create(CWnd* pFrame);

    // Markers 4..7 follow the sides' CBRS_ALIGN_* bits.
    void SetEnabledSides(DWORD dwSides);
    // centre state 0 hides the centre marker, 1 shows it, -1 leaves it.
    void SetCentreState(int nCentreState);
    // The marker drawn as under the cursor, or -1.
    void SetHighlight(int nMarker);
    DWORD GetEnabledSides() const { return m_dwSides; }
    BOOL IsCentreShown() const { return m_bCentreShown; }
    int GetHighlight() const { return m_nHighlight; }

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnClose();
    DECLARE_MESSAGE_MAP()

private:
    void Redraw();

    DWORD m_dwSides = CBRS_ALIGN_ANY;
    BOOL m_bCentreShown = TRUE;
    int m_nHighlight = -1;
};
