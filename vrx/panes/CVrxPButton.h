#pragma once

// The library's owner-drawn button: a push button, check box or radio button
// with its own face, frame, image (or a shared menu glyph) and label. It
// tracks the mouse for a hot look, repeats its click while held, and can
// carry a tooltip and a cursor. It works on a standard button window that it
// subclasses or creates, and turns owner-drawn.
//
// The appearance members are set by the owner before the window is shown.

#include "controls/CButton.h"
#include "foundation/CVrxPToolbarImageList.h"
#include "strings/CSize.h"

class CDC;
class CToolTipCtrl;

class CVrxPButton : public CButton
{
    DECLARE_DYNCREATE(CVrxPButton)
public:
    enum BorderStyle
    {
        border3D = 0,
        // A frame only while hot.
        borderFlat = 1,
        // A thin frame, the full frame while hot.
        borderSemiFlat = 2,
        borderNone = 3
    };
    enum LabelAlignment
    {
        alignLeft = 0,
        alignRight = 1,
        alignCentre = 2
    };
    static constexpr UINT_PTR repeatTimer = 1;
    // The transparent colour of bitmaps given with the grey key.
    static constexpr COLORREF greyKeyColor = RGB(192, 192, 192);

    CVrxPButton();
    ~CVrxPButton() override;

    // Fills one image set (the checked set or the plain one) from two or
    // three bitmaps: normal, hot and, when given, disabled.
    void AssignBitmaps(HBITMAP hNormal, BOOL bDestroy = FALSE, HBITMAP hHot = NULL, BOOL bGreyKey = FALSE,
                       BOOL bCheckedSet = FALSE, HBITMAP hDisabled = NULL);
    void AssignIcons(HICON hNormal, BOOL bDestroy = FALSE, HICON hHot = NULL, BOOL bCheckedSet = FALSE,
                     HICON hDisabled = NULL, BOOL bAlpha = FALSE);
    void LoadBitmapSet(UINT nNormalId, UINT nHotId = 0, BOOL bCheckedSet = FALSE, UINT nDisabledId = 0);
    void LoadImagesFromResources(UINT nNormalId, UINT nHotId = 0, UINT nDisabledId = 0);
    // A shared menu glyph instead of an image; nDisabledGlyph 0 means the
    // same glyph while disabled.
    void UseMenuGlyph(int nGlyph, int nColorVariant = 0, int nDisabledGlyph = 0);
    // NULL deactivates the tooltip.
    void AssignTooltipText(LPCTSTR lpszText);
    void SetRepeatDelay(int nMilliseconds) { m_nRepeatDelay = nMilliseconds; }
    void ClearImageSet(BOOL bCheckedSet);
    virtual void ClearImages();
    // The size the content needs; the window takes it unless bCalcOnly.
    virtual CSize MeasureContent(BOOL bCalcOnly = FALSE);

    BOOL IsThemed() const;
    BOOL IsCheckBox() const { return m_bCheckBox; }
    BOOL IsRadio() const { return m_bRadio; }
    BOOL IsChecked() const { return m_bChecked; }
    CSize GetImageSize() const { return m_imageSize; }
    CToolTipCtrl* GetToolTip() const { return m_pToolTip; }
    // Moves the check to the next (or previous) radio button of the group.
    BOOL MoveRadioSelection(BOOL bForward);

    // Visual styles are in use (a manifest resource was found); read once.
    static BOOL VisualStylesInUse();

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    int borderStyle;
    int labelAlignment;
    BOOL imageOnRight;
    BOOL imageOnTop;
    BOOL transparent;
    BOOL drawFocus;
    BOOL lightenChecked;
    BOOL greyWhenDisabled;
    // The parent gets the click at mouse-down.
    BOOL commandOnPress;
    BOOL noVisualStyles;
    // The left button is down over the button.
    BOOL pushed;
    // The current press started here.
    BOOL pressedInside;
    // The mouse is over the button (hot look).
    BOOL highlighted;
    BOOL captured;
    BOOL mouseInside;
    HCURSOR cursor;
    // How far the content moves while the button looks pressed (unthemed).
    CSize pushOffset;
    COLORREF textColor;
    COLORREF hotTextColor;
    COLORREF faceColor;
    // The whole label as tooltip when it does not fit.
    BOOL autoTooltip;
    // Set by the frames and panes that use the button for their caption.
    BOOL closeButton;
    BOOL useBarColors;

protected:
    virtual void DrawBackground(CDC* pDC, const CRect& rect);
    virtual void DrawBorder(CDC* pDC, CRect& rect, UINT nState);
    virtual void DrawFocusFrame(CDC* pDC, const CRect& rect);
    virtual void DrawContent(CDC* pDC, CRect rect, UINT nState);
    virtual void DrawLabel(CDC* pDC, CRect rect, const CString& text, UINT nFormat, UINT nState);
    virtual HFONT SelectLabelFont(CDC* pDC);
    virtual int HorizontalSpacing() const { return 10; }
    virtual int VerticalSpacing() const { return 5; }

    void PreSubclassWindow() override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void ReadKindFromStyle(DWORD dwStyle);
    void UncheckRadioSiblings();
    void SendClickToParent();
    void RedrawNow(BOOL bErase = FALSE);
    // The window still exists after a handler that may have destroyed it.
    BOOL WindowAlive(HWND hWnd) const { return ::IsWindow(hWnd) && m_hWnd == hWnd; }

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnCancelMode();
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnGetCheck(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetCheck(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetImage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetImage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnUpdateToolTips(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

    BOOL m_bChecked;
    BOOL m_bCheckBox;
    BOOL m_bRadio;
    BOOL m_bAutomatic;
    BOOL m_bDoubleClickPending;
    CSize m_imageSize;
    // Plain set: normal, hot, disabled; then the checked set.
    CVrxPToolbarImageList m_images[6];
    int m_nGlyph;
    int m_nDisabledGlyph;
    int m_nGlyphVariant;
    CToolTipCtrl* m_pToolTip;
    HFONT m_hFont;
    BOOL m_bTooltipCheckPending;
    int m_nRepeatDelay;

private:
    CVrxPToolbarImageList& ImageList(BOOL bCheckedSet, int nKind) { return m_images[(bCheckedSet ? 3 : 0) + nKind]; }
    void SetListTransparentColor(CVrxPToolbarImageList& list, COLORREF color);
    void ChooseAndDrawImage(CDC* pDC, const CRect& rectImage, UINT nState);
    // The icon BM_GETIMAGE gives for the plain normal image: made once per
    // image set and destroyed with it.
    HICON m_hImageIcon;
};
