#pragma once

// An owner-drawn button with five faces for the colour dialog: the new and
// initial colour preview, a vertical luminance bar, a hue and saturation
// spectrum, a honeycomb of colour cells and a row of greys. Every pick by
// mouse or key is reported to the parent as BN_CLICKED, a double-click in
// the spectrum, honeycomb or greys as BN_DOUBLECLICKED.

#include "controls/CButton.h"
#include "gdi/CBitmap.h"
#include "panes/colours/CVrxPColorHexCell.h"

#include <vector>

class CDC;

class CVrxPColorSelectorCtrl : public CButton
{
    DECLARE_DYNAMIC(CVrxPColorSelectorCtrl)
public:
    enum Mode
    {
        modePreview = 0,
        modeLuminanceBar = 1,
        modeSpectrum = 2,
        modeHoneycomb = 3,
        modeGreys = 4
    };
    // The luminance bar's rows keep this far from the top and bottom.
    static constexpr int barMargin = 5;
    static constexpr double keyStep = 0.05;

    CVrxPColorSelectorCtrl();
    ~CVrxPColorSelectorCtrl() override;

    void SetMode(int nMode) { m_nMode = nMode; }
    int GetMode() const { return m_nMode; }
    void SetOriginalColor(COLORREF colorInitial) { m_colorInitial = colorInitial; }
    // At most three quarters of the client width.
    void SetLuminanceBarWidth(int nWidth);
    // The palette stays the owner's.
    void SetPalette(HPALETTE hPalette);
    void SetColor(COLORREF color);
    // As SetColor, drawn at once.
    void SetRGB(BYTE red, BYTE green, BYTE blue);
    // A component of -1 is left as it is.
    void SetHLS(double dHue, double dLuminance, double dSaturation, BOOL bRedraw = TRUE);
    void GetHLS(double* pHue, double* pLuminance, double* pSaturation) const;
    COLORREF GetColor() const { return m_color; }

    // The honeycomb or grey cells, built on the first paint that needs them.
    const std::vector<CVrxPColorHexCell>& Cells() const { return m_cells; }

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    void PreSubclassWindow() override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    virtual void DrawMarker(CDC* pDC);

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg BOOL OnQueryNewPalette();
    afx_msg void OnPaletteChanged(CWnd* pFocusWnd);

    DECLARE_MESSAGE_MAP()

private:
    void BuildCells(const CRect& rectClient);
    void PaintFace(CDC* pDC, const CRect& rectClient);
    void PaintLuminanceBar(CDC* pDC, const CRect& rectClient);
    void PaintSpectrum(CDC* pDC, const CRect& rectClient);
    void PaintCells(CDC* pDC);
    void BuildSpectrumBitmap(CDC* pDC, const CRect& rectClient);
    // The box the marker of the current values covers, grown by one pixel.
    CRect MarkerBox() const;
    void RepaintMarkerChange(const CRect& rectOld);
    // A pick at the client point; FALSE when it hit no cell.
    BOOL PickAt(CPoint point, UINT nFlags);
    void NotifyParent(UINT nCode);
    COLORREF ToDrawColor(COLORREF color) const;

    int m_nMode;
    double m_dLuminance;
    double m_dSaturation;
    double m_dHue;
    COLORREF m_color;
    COLORREF m_colorInitial;
    int m_nBarWidth;
    HPALETTE m_hPalette;
    CBitmap m_spectrum;
    std::vector<CVrxPColorHexCell> m_cells;
};
