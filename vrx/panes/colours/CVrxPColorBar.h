#pragma once

// A grid of colour swatches laid out as the items of a popup menu bar, with
// an optional automatic button, document-colours section, other-colours
// button and a slot for a selected colour that is none of the swatches. It
// fills the colour popup of a colour menu button; torn off, it lives on as
// a toolbar.
//
// Archive, after the toolbar's own: int32 columns, int32 rows when
// horizontal, int32 columns when vertical, int32 automatic colour, the
// automatic, other and document labels (strings), int32 is-toolbar, int32
// command id, int32 use-system-dialog, int32 count, count x int32 colours.
// The document colours and the selection are not stored.

#include "panes/colours/CColorButton.h"
#include "toolbars/CVrxPPopupMenuBar.h"

#include <vector>

class CVrxPColorMenuButton;

class CVrxPColorBar : public CVrxPPopupMenuBar
{
    DECLARE_SERIAL(CVrxPColorBar)
public:
    static constexpr COLORREF noColor = static_cast<COLORREF>(-1);
    // The stock default palette's entries, used without a palette.
    static constexpr int defaultPaletteSize = 20;
    static constexpr int defaultMargin = 4;
    // The bar keeps this many colours in its 8-bit palette at most.
    static constexpr int maxPaletteColors = 100;

    CVrxPColorBar();
    // The body of a colour popup.
    CVrxPColorBar(const std::vector<COLORREF>& colorList, COLORREF colorSelected, LPCTSTR lpszAutomatic,
                  LPCTSTR lpszOther, LPCTSTR lpszDocument, const std::vector<COLORREF>& documentList, int nColumns,
                  int nRowsWhenHorizontal, int nColumnsWhenVertical, COLORREF colorAutomatic, UINT nCommand);
    // A torn-off copy of a popup's bar.
    CVrxPColorBar(const CVrxPColorBar& source, UINT nCommand);
    ~CVrxPColorBar() override;

    // Without colours yet, the bar takes the palette's (or the default
    // palette's) and the counts.
    virtual BOOL CreateBar(CWnd* pParent, DWORD dwStyle, UINT nID, HPALETTE hPalette = NULL, int nColumns = 0,
                           int nRowsWhenHorizontal = 0, int nColumnsWhenVertical = 0);
    static int FillColorsFromPalette(HPALETTE hPalette, std::vector<COLORREF>& colorList);

    void SelectColor(COLORREF color);
    COLORREF GetSelectedColor() const { return selectedColor; }
    void ConfigureOtherColorsButton(LPCTSTR lpszLabel, BOOL bLibraryDialog, BOOL bShow);
    void SetVerticalPadding(int nPadding);
    void SetHorizontalPadding(int nPadding);
    virtual BOOL OpenColorDialog(COLORREF colorInitial, COLORREF& colorOut);
    // The platform's colour dialog, fully open; FALSE when cancelled.
    static BOOL OpenPlatformColorDialog(CWnd* pOwner, COLORREF colorInitial, COLORREF& colorOut);
    virtual void RebuildButtons();
    // What a click on the item does; FALSE: nothing.
    virtual BOOL HandleButtonCommand(CColorButton* pButton);
    // The selected item becomes the keyboard highlight.
    void HighlightSelection();

    // Columns (cx) and rows (cy) of the standard swatches.
    CSize GridSize(BOOL bVertical) const;
    // The bar's size without borders.
    CSize MeasureButtonsExtent(BOOL bVertical) const;
    CSize ComputeLayoutSize(int nMode, int nLength) override;
    void LayoutButtons() override;
    void Serialize(CArchive& ar) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

    CColorButton* ColorButton(int nIndex) const;
    // The document section shows: a label, colours, and docked-off or floating.
    BOOL ShowsDocumentSection() const;

    int columns;
    int rowsWhenHorizontal;
    int columnsWhenVertical;
    std::vector<COLORREF> colors;
    int cellWidth;
    int cellHeight;
    int textRowHeight;
    COLORREF selectedColor;
    COLORREF automaticColor;
    CString automaticLabel;
    CString otherLabel;
    CString documentLabel;
    std::vector<COLORREF> documentColors;
    UINT commandId;
    BOOL useSystemDialog;
    BOOL enabled;
    BOOL isToolbar;
    BOOL showDocumentColors;
    int offsetX;
    int offsetY;
    // The bar keeps taking the mouse in customise mode (the image editor's).
    BOOL acceptsMouseInCustomize;
    int marginV;
    int marginH;

protected:
    void PaintBar(CDC* pDC) override;
    void DrawButton(CDC& dc, int nIndex, BOOL bHot, BOOL bPressed) override;
    void DrawSeparator(CDC& dc, const CRect& rect, BOOL bHorizontal) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnClickButton(int nIndex) override;
    // The colour menu button whose popup holds the bar, or null.
    CVrxPColorMenuButton* OwningMenuButton() const;
    HPALETTE Palette();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    afx_msg BOOL OnQueryNewPalette();
    afx_msg void OnPaletteChanged(CWnd* pFocusWnd);
    afx_msg void OnPaint();
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    BOOL IgnoresMouse() const;
    CWnd* CommandTarget() const;
    void MoveKeyboardHighlight(int nStep);

    HPALETTE m_hPalette;
};
