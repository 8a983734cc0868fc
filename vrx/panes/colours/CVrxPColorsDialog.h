#pragma once

// The library's modal colour dialog: the new colour above the initial one,
// a Standard page (honeycomb and greys) and a Custom page (spectrum,
// luminance and numeric edits) in an embedded sheet, and a Select button
// that picks a colour from anywhere on the screen. Below 8 bits per pixel it
// shows the platform's colour dialog instead. After IDOK the caller reads
// newColor.

#include "panes/CVrxPButton.h"
#include "panes/CVrxPDialog.h"
#include "panes/colours/CColorPage1.h"
#include "panes/colours/CColorPage2.h"
#include "panes/colours/CPropertySheetCtrl.h"
#include "panes/colours/CVrxPColorSelectorCtrl.h"

class CVrxPPickOverlayWnd;

class CVrxPColorsDialog : public CVrxPDialog
{
public:
    // The flags are not used. A given palette stays the caller's.
    explicit CVrxPColorsDialog(COLORREF colorInitial, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr,
                               HPALETTE hPalette = NULL);
    ~CVrxPColorsDialog() override;

    // Runs the dialog with no parent and no palette; FALSE when cancelled.
    static BOOL ChooseColor(COLORREF colorInitial, COLORREF& colorOut);

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // At 8 bits per pixel the preview shows the nearest palette entry.
    void SetNewColor(COLORREF color);
    void SyncStandardPage(BYTE red, BYTE green, BYTE blue);
    void SyncCustomPage(BYTE red, BYTE green, BYTE blue);
    // Picks from the screen until a left click, Enter, Escape (the colour
    // from before comes back), a right or middle click, the loss of the
    // mouse capture or WM_QUIT (posted again).
    void PickFromScreen();
    // "RGB (r, g, b)" of the new colour on the clipboard; FALSE when the
    // clipboard could not be opened.
    BOOL CopyColorText();

    CVrxPButton selectButton;
    CVrxPColorSelectorCtrl preview;
    CPropertySheetCtrl sheet;
    CColorPage1 standardPage;
    CColorPage2 customPage;
    COLORREF initialColor;
    COLORREF newColor;
    HPALETTE palette;
    BOOL ownsPalette;
    BOOL isPicking;
    HCURSOR pickCursor;

protected:
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnCancelMode();
    afx_msg void OnSysColorChange();
    afx_msg void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    // The platform's dialog stands in below 8 bits per pixel.
    void RunPlatformDialog();
    void MakeSystemPalette();
    void RunPickLoop(COLORREF colorBefore);

    CVrxPPickOverlayWnd* m_pOverlay;
};
