#pragma once

// A toolbar or menu button that opens a colour popup and shows the chosen
// colour as a strip under its image. Every button of one command shows the
// same colour.
//
// Archive, after the menu button's: int32 count, count x int32 colours,
// int32 columns, int32 columns when vertical, int32 rows when horizontal,
// int32 show-automatic, int32 show-other, int32 show-document-colours, the
// automatic, other and document labels (strings), int32 automatic colour,
// int32 use-system-dialog. The current colour is not stored: a loaded
// button takes that of another button of its command.

#include "toolbars/CVrxPToolbarMenuButton.h"

#include <vector>

class CColorPopup;

class CVrxPColorMenuButton : public CVrxPToolbarMenuButton
{
    DECLARE_SERIAL(CVrxPColorMenuButton)
public:
    static constexpr COLORREF noColor = static_cast<COLORREF>(-1);
    // The strip under the image: this high with small and with large icons.
    static constexpr int stripHeight = 5;
    static constexpr int largeStripHeight = 10;

    CVrxPColorMenuButton();
    CVrxPColorMenuButton(UINT nID, LPCTSTR lpszText, int nImage = -1);
    ~CVrxPColorMenuButton() override;

    void Serialize(CArchive& ar) override;
    void AssignFrom(const CVrxPToolbarButton& other) override;
    // Stored with its bar.
    BOOL IsDraggable() const override { return TRUE; }
    void Draw(CDC* pDC, const CRect& rectButton, CVrxPToolbarImageList* pImages) override;
    // Opens the popup under the button (or closes an open one).
    BOOL OnClick(CWnd* pBar) override;

    // With bNotify every other button and torn-off bar of the command
    // follows.
    virtual void SetColor(COLORREF colorNew, BOOL bNotify = TRUE);
    COLORREF GetColor() const { return color; }
    virtual BOOL OpenColorDialog(COLORREF colorInitial, COLORREF& colorOut);
    // The strip's colour as drawn: the dark edge when disabled, the
    // automatic colour for -1.
    COLORREF StripColor() const;
    // The strip's rectangle for the button rectangle and image size.
    CRect StripRect(const CRect& rectButton, CSize sizeImage) const;

    // Every colour menu button of the command but pExcept takes the colour,
    // and every colour bar of the command selects it.
    static void ApplyToButtons(UINT nCommand, COLORREF colorNew, const CVrxPColorMenuButton* pExcept);
    void OnPopupClosed(CColorPopup* pPopup);
    CColorPopup* OpenPopup() const { return m_pPopup; }
    // "VrxTOOLBAR__GETDOCUMENTCOLORS", sent to the top-level frame before
    // the popup opens: wParam the command, lParam a std::vector<COLORREF>*
    // the frame fills with the document's colours.
    static const UINT documentColorsMessage;

    COLORREF color;
    COLORREF automaticColor;
    std::vector<COLORREF> colors;
    int columns;
    int columnsWhenVertical;
    int rowsWhenHorizontal;
    BOOL showAutomatic;
    BOOL showOther;
    BOOL showDocumentColors;
    CString automaticLabel;
    CString otherLabel;
    CString documentLabel;
    BOOL useSystemDialog;

private:
    CColorPopup* m_pPopup;
};
