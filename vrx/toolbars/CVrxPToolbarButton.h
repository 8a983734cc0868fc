#pragma once

// One item of a toolbar, of the menu bar and of popup menus: a command with
// an image index, a text and a style word, placed at a rectangle of its bar.
//
// Archive (int32 each unless said): command id, style, effective image
// index, text (counted string), user-image flag, reserved flag, text shown,
// image shown, then the visible flag when the stored state is 0x60410 or
// newer.

#include "core/CObject.h"
#include "strings/CRect.h"
#include "strings/CString.h"

class CArchive;
class CDC;
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
    static constexpr int visibleFlagVersion = 0x60410;
    static constexpr int imageTextGap = 4;

    CVrxPToolbarButton();
    CVrxPToolbarButton(UINT nID, int nImage, LPCTSTR lpszText = nullptr, BOOL bUserImage = FALSE,
                       BOOL bLocked = FALSE);

    void Serialize(CArchive& ar) override;
    // Copies the record of another button (not its place nor its bar).
    virtual void AssignFrom(const CVrxPToolbarButton& other);
    // Buttons that stand for the same command.
    virtual BOOL SameAs(const CVrxPToolbarButton& other) const { return commandId == other.commandId; }
    // The button may be moved by the user (and is stored with its bar).
    virtual BOOL IsDraggable() const { return TRUE; }

    // The image (from pImages, when it has it and the button shows one) at
    // the left of the rectangle, centred in height, then the text after it.
    virtual void Draw(CDC* pDC, const CRect& rectButton, CVrxPToolbarImageList* pImages);

    BOOL IsSeparator() const { return (style & styleSeparator) != 0; }
    int GetEffectiveImage() const { return userImage ? userImageIndex : imageIndex; }
    // The index read from an archive goes where the user-image flag says.
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
