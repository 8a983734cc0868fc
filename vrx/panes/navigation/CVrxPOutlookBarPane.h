#pragma once

// One page of an outlook bar: a column of large outlook buttons centred in
// the page, on a colour or a tiled image. When the column is longer than
// the page, two small scroll buttons at the right edge move it by whole
// buttons (or by a page), repeating while held.

#include "panes/CVrxPButton.h"
#include "toolbars/CVrxPToolBar.h"

class CDC;
class CVrxPOutlookButton;

class CVrxPOutlookBarPane : public CVrxPToolBar
{
    DECLARE_SERIAL(CVrxPOutlookBarPane)
public:
    // The scroll buttons' place from the pane's right edge and top or bottom.
    static constexpr int scrollButtonMargin = 5;
    static constexpr int scrollRepeatDelay = 200;

    CVrxPOutlookBarPane();
    ~CVrxPOutlookBarPane() override;

    BOOL Create(CWnd* pParent, DWORD dwStyle, UINT nID, DWORD dwBarFlags);

    // Every pane's images share one list; the first image added fixes its
    // image size.
    static CVrxPToolbarImageList* PaneImages();
    // Drawn on a bitmap filled with the transparent colour (none when it is
    // -1) unless bAlpha keeps the icon's own alpha channel.
    BOOL AddButton(HICON hIcon, LPCTSTR lpszLabel, UINT nCommand, int nPosition = -1, BOOL bAlpha = FALSE);
    int AddBitmapImage(HBITMAP hBitmap);
    BOOL AddButtonWithImage(int nImage, LPCTSTR lpszLabel, UINT nCommand, int nPosition = -1);

    void ScrollUp();
    void ScrollDown();
    void PageUp();
    void PageDown();
    int ScrollOffset() const { return m_nScrollOffset; }
    int FirstVisibleButton() const { return m_nFirstVisible; }
    BOOL CanScrollDown() const { return m_bCanScrollDown; }
    CVrxPButton& UpperScrollButton() { return m_scrollUp; }
    CVrxPButton& LowerScrollButton() { return m_scrollDown; }

    // The image (when set) tiled from the rectangle's top-left corner, else
    // the background colour.
    void PaintBackground(CDC* pDC, const CRect& rect) const;
    BOOL HasHighColorBackground() const { return backImage != NULL && VrxPHighColorScreen(); }
    static BOOL VrxPHighColorScreen();

    CSize CalcBarSize(BOOL bStretch, BOOL bHorizontal) override;
    void LayoutButtons() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    COLORREF backColor;
    // Not owned.
    HBITMAP backImage = NULL;
    // -1: the look's button text colour (the window text on an image).
    COLORREF textColor = static_cast<COLORREF>(-1);
    COLORREF transparentColor = RGB(255, 0, 255);
    int buttonSpacing = 0;
    // The scroll buttons move by a client height instead of one button.
    BOOL pageScrolling = FALSE;

protected:
    void DrawButton(CDC& dc, int nIndex, BOOL bHot, BOOL bPressed) override;
    CVrxPOutlookButton* OutlookButtonAt(int nIndex) const;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSysColorChange();

    DECLARE_MESSAGE_MAP()

private:
    int ButtonsPerPage() const;
    CVrxPButton m_scrollUp;
    CVrxPButton m_scrollDown;
    int m_nScrollOffset = 0;
    int m_nFirstVisible = 0;
    BOOL m_bCanScrollDown = FALSE;
};
