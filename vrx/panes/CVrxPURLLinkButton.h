#pragma once

// A button that looks like a link: underlined text in the link colours, a
// hand cursor, no frame. A click opens its target (the window text when no
// target is set) with the shell, or, in command mode, reaches the parent as
// a plain button click.

#include "panes/CVrxPButton.h"
#include "strings/CString.h"

class CVrxPURLLinkButton : public CVrxPButton
{
    DECLARE_DYNAMIC(CVrxPURLLinkButton)
public:
    // Shell results up to this value are failures.
    static constexpr INT_PTR shellFailureLimit = 32;
    static constexpr int fitMargin = 3;
    // The library's hand cursor resource.
    static constexpr UINT idCursorHand = 16919;

    CVrxPURLLinkButton();

    void SetURL(LPCTSTR lpszTarget) { m_strTarget = lpszTarget != nullptr ? lpszTarget : ""; }
    void SetURLPrefix(LPCTSTR lpszPrefix) { m_strPrefix = lpszPrefix != nullptr ? lpszPrefix : ""; }
    // What the shell is given: the prefix, then the target or the text.
    CString BuildShellTarget() const;
    // Resizes the link to its text (grown by fitMargin on every side),
    // keeping it centred as asked; the new size.
    virtual CSize FitToText(BOOL bVerticalCentre, BOOL bHorizontalCentre);
    // TRUE when the click was taken (the parent then hears nothing).
    BOOL OnClicked();
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void UseHandCursor();

    BOOL multiLine;
    BOOL alwaysUnderlined;
    BOOL commandMode;

protected:
    void DrawFocusFrame(CDC* pDC, const CRect& rect) override;
    void DrawContent(CDC* pDC, CRect rect, UINT nState) override;
    // A target the shell could not open is heard (a beep).
    virtual void ReportOpenFailure(INT_PTR nResult);

    DECLARE_MESSAGE_MAP()

private:
    CString m_strTarget;
    CString m_strPrefix;
    UINT m_nPressedKey;
};
