#pragma once

// A message bar across the frame: an image, a message and a push button,
// each aligned left, right or centred, between a border band above and
// below. It never floats; the frame lays it out like any docked bar and the
// current look paints it. The button sends its command to the bar's owner.

#include "docking/CVrxPControlBar.h"
#include "docking/frames/CVrxPCaptionBarLayout.h"
#include "foundation/CVrxPToolbarImageList.h"
#include "strings/CString.h"

class CDC;

class CVrxPCaptionBar : public CVrxPControlBar
{
    DECLARE_DYNCREATE(CVrxPCaptionBar)
public:
    static constexpr const char windowText[] = "Caption Bar";

    CVrxPCaptionBar() = default;

    // At an edge of the parent frame; the frame's bar manager then lays it
    // out with its other bars once it is added to its list.
    BOOL CreateBar(CWnd* pParent, UINT nID, DWORD dwAlignment = CBRS_ALIGN_TOP);

    BOOL IsFloatAllowed() const override { return FALSE; }
    // It spans its edge of the frame, outside the dock bars' rows.
    BOOL DocksAtFrameSide() const override { return TRUE; }
    // The owning frame lays out again, then the bar.
    void AdjustBarLayout() override;
    // Places the image, the button and the message in the client area.
    void SyncLayoutRect() override;
    CSize CalcBarSize(BOOL bStretch, BOOL bHorizontal) override;
    BOOL ShowWindowPositionMenu(int, int) override { return FALSE; }

    // A change shows at the next layout, which these start.
    void SetText(const CString& text, int nAlign = CVrxPCaptionBarLayout::alignLeft);
    // An empty label removes the button; a command of 0 makes it inert.
    void SetButton(const CString& label, UINT nCommand, int nAlign = CVrxPCaptionBarLayout::alignLeft,
                   BOOL bEnabled = TRUE);
    void SetButtonChecked(BOOL bChecked);
    // The icon is not owned; null removes the image.
    void SetIcon(HICON hIcon, int nAlign = CVrxPCaptionBarLayout::alignLeft);
    // The bitmap becomes the image list's first image (the bar copies it).
    BOOL SetBitmap(HBITMAP hBitmap, int nAlign = CVrxPCaptionBarLayout::alignLeft, BOOL bStretch = FALSE);
    void SetBorderSize(int nSize);
    void SetMargin(int nMargin);
    void SetFixedHeight(int nHeight);

    COLORREF m_textColor = static_cast<COLORREF>(-1);
    // -1: the look's default.
    COLORREF m_backColor = static_cast<COLORREF>(-1);
    COLORREF m_borderColor = static_cast<COLORREF>(-1);
    HICON m_icon = NULL;
    CVrxPToolbarImageList m_images;
    BOOL m_stretchImage = FALSE;
    int m_imageAlign = CVrxPCaptionBarLayout::alignLeft;
    RECT m_imageRect = {};
    HFONT m_font = NULL;
    CString m_text;
    int m_textAlign = CVrxPCaptionBarLayout::alignLeft;
    RECT m_textBounds = {};
    RECT m_textRect = {};
    CString m_buttonText;
    UINT m_buttonCommand = 0;
    int m_buttonAlign = CVrxPCaptionBarLayout::alignLeft;
    RECT m_buttonRect = {};
    BOOL m_buttonPressed = FALSE;
    BOOL m_buttonHot = FALSE;
    BOOL m_buttonChecked = FALSE;
    BOOL m_tracking = FALSE;
    BOOL m_buttonEnabled = TRUE;
    int m_borderSize = 4;
    int m_margin = 4;
    int m_spacing = 4;
    int m_fixedHeight = -1;
    int m_height = 0;
    BOOL m_flatBorder = FALSE;

protected:
    virtual void DrawBackground(CDC* pDC, CRect rect);
    virtual void DrawBorder(CDC* pDC, CRect rect);
    virtual void DrawText(CDC* pDC, CRect rect, const CString& text);
    virtual void DrawImage(CDC* pDC, CRect rect);
    virtual void DrawButton(CDC* pDC, CRect rect, const CString& label, BOOL bEnabled);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSysColorChange();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    HFONT CurrentFont() const;
    BOOL HasImage() const { return m_icon != NULL || m_images.GetCount() > 0; }
    BOOL ButtonHasArrow() const { return m_buttonCommand != 0 && m_buttonEnabled; }
    CSize ImageSize() const;
    void RepaintButton();
};
