#pragma once

// A button that looks like a link: underlined text in the link colours, a
// hand cursor, no frame. A click opens its target (the window text when no
// target is set) with the shell, or, in command mode, reaches the parent as
// a plain button click. This first form subclasses an existing button
// control (for example a dialog's) and draws it itself.

#include "strings/CString.h"
#include "windows/CWnd.h"

class CDC;

class CVrxPURLLinkButton : public CWnd
{
    DECLARE_DYNAMIC(CVrxPURLLinkButton)
public:
    // Shell results up to this value are failures.
    static constexpr INT_PTR shellFailureLimit = 32;
    static constexpr int fitMargin = 3;

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

    BOOL multiLine;
    BOOL alwaysUnderlined;
    BOOL commandMode;
    BOOL mouseInside;

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();

    DECLARE_MESSAGE_MAP()

private:
    HFONT LinkFont() const;

    CString m_strTarget;
    CString m_strPrefix;
    BOOL m_bTrackingLeave;
};
