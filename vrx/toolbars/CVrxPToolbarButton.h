#pragma once

// One item of a toolbar, of the menu bar and of popup menus: a command with
// an image index, a text and a style word, placed at a rectangle of its bar.
// Its archive record and drag data are described in CVrxPStoredButton.h.

#include "collections/CList.h"
#include "core/CObject.h"
#include "strings/CRect.h"
#include "strings/CString.h"

class CArchive;
class CDC;
class COleDataObject;
class COleDataSource;
class CVrxPToolBar;
class CVrxPToolbarImageList;
class CWnd;

class CVrxPToolbarButton : public CObject
{
    DECLARE_SERIAL(CVrxPToolbarButton)
public:
    static constexpr UINT styleSeparator = 0x0001;
    static constexpr UINT styleCheckBox = 0x0002;
    static constexpr UINT styleChecked = 0x10000;
    static constexpr UINT stylePressed = 0x20000;
    static constexpr UINT styleDisabled = 0x40000;
    static constexpr UINT styleIndeterminate = 0x100000;
    static constexpr int imageTextGap = 4;
    // A separator whose image index is 0 or less is this wide.
    static constexpr int defaultSeparatorWidth = 8;
    // The drag and clipboard format's name when the application sets none:
    // the module instance handle in hexadecimal follows.
    static constexpr const char clipboardFormatFormat[] = "VrxToolbarButton%lx";

    CVrxPToolbarButton();
    CVrxPToolbarButton(UINT nID, int nImage, LPCTSTR lpszText = nullptr, BOOL bUserImage = FALSE,
                       BOOL bLocked = FALSE);

    // The visible flag is written and read when the workspace's stored state
    // is of a version that has it (and always for the menu store).
    void Serialize(CArchive& ar) override;

    // The button's class and record in global memory, for drag data or the
    // clipboard; NULL when the button is not draggable or memory ran out.
    HGLOBAL CreateDragData() const;
    // The button held in such memory, or NULL when it holds none of ours.
    static CVrxPToolbarButton* CreateFromDragData(HGLOBAL hData);
    // The drag data cached on the source under the button format; FALSE
    // when it could not be made. A button that cannot be dragged puts
    // nothing and answers TRUE.
    virtual BOOL PutOnDataSource(COleDataSource& source) const;
    // The button the dragged data holds, or null when it holds none of ours.
    static CVrxPToolbarButton* CreateFromDataObject(COleDataObject* pDataObject);
    // The button may be dragged over the bar.
    virtual BOOL CanDropOnto(CVrxPToolBar* pBar) { return TRUE; }
    // FALSE: a copy dropped on the bar is discarded.
    virtual BOOL AcceptsDropOnto(CVrxPToolBar* pBar) { return TRUE; }
    virtual BOOL PrepareForDrag() { return TRUE; }
    // Customise mode may select and change the button: not for reserved
    // commands nor for those the application keeps unchangeable.
    virtual BOOL AllowsEditing() const;
    static CList<UINT, UINT>& NonEditableCommands();
    // Registered once per process; 0 when registration failed.
    static UINT ClipboardFormat();
    // The format's name; empty: clipboardFormatFormat with this module.
    static CString clipboardFormatName;
    // Copies the record of another button (not its place nor its bar).
    virtual void AssignFrom(const CVrxPToolbarButton& other);
    // Buttons that stand for the same command.
    virtual BOOL SameAs(const CVrxPToolbarButton& other) const { return commandId == other.commandId; }
    // The button may be moved by the user (and is stored with its bar).
    virtual BOOL IsDraggable() const { return TRUE; }
    // A click released on the button of pBar; TRUE when the button acted
    // itself (opened its popup) and no command is to be sent.
    virtual BOOL OnClick(CWnd* pBar) { return FALSE; }

    // The image (from pImages, when it has it and the button shows one) at
    // the left of the rectangle, centred in height, then the text after it
    // in the DC's text colour (the bar's look chose it).
    virtual void Draw(CDC* pDC, const CRect& rectButton, CVrxPToolbarImageList* pImages);

    BOOL IsSeparator() const { return (style & styleSeparator) != 0; }
    int GetEffectiveImage() const { return userImage ? userImageIndex : imageIndex; }
    // A separator's index is its width. Otherwise the index goes where the
    // user-image flag says; without an effective image the text is shown
    // instead.
    void AssignImage(int nImage);

    BOOL userImage;
    UINT commandId;
    UINT style;
    CString text;
    BOOL textShown;
    BOOL imageShown;
    BOOL wrap;
    CString customizeName;
    int reserved;
    CRect rect;
    int imageIndex;
    int userImageIndex;
    BOOL locked;
    BOOL visible;
    CWnd* parent;
};
