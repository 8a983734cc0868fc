#include "panes/CVrxPURLLinkButton.h"

#include "app/ResourceChain.h"
#include "foundation/CVrxPGlobals.h"
#include "gdi/CClientDC.h"
#include "gdi/CDC.h"

#include <shellapi.h>

IMPLEMENT_DYNAMIC(CVrxPURLLinkButton, CVrxPButton)

BEGIN_MESSAGE_MAP(CVrxPURLLinkButton, CVrxPButton)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

CVrxPURLLinkButton::CVrxPURLLinkButton()
    : multiLine(FALSE), alwaysUnderlined(TRUE), commandMode(FALSE), m_nPressedKey(0)
{
    borderStyle = borderNone;
    transparent = TRUE;
    pushOffset = CSize(0, 0);
    UseHandCursor();
}

// One cursor for every link: the library's own, else the system's hand.
void CVrxPURLLinkButton::UseHandCursor()
{
    CVrxPGlobals& globals = VrxPGlobals();
    if (globals.cursorHand == NULL)
    {
        HINSTANCE hInstance = AfxFindResourceHandle(MAKEINTRESOURCE(idCursorHand), RT_GROUP_CURSOR);
        if (hInstance != NULL)
            globals.cursorHand = ::LoadCursor(hInstance, MAKEINTRESOURCE(idCursorHand));
        if (globals.cursorHand == NULL)
            globals.cursorHand = ::LoadCursor(NULL, IDC_HAND);
    }
    cursor = globals.cursorHand;
}

CString CVrxPURLLinkButton::BuildShellTarget() const
{
    CString target = m_strTarget;
    if (target.IsEmpty() && m_hWnd != NULL)
        GetWindowText(target);
    return m_strPrefix + target;
}

void CVrxPURLLinkButton::DrawContent(CDC* pDC, CRect rect, UINT nState)
{
    const CVrxPGlobals& globals = VrxPGlobals();
    HFONT hFont = alwaysUnderlined || mouseInside ? static_cast<HFONT>(globals.fontGuiUnderline.GetSafeHandle())
                                                  : SelectLabelFont(pDC);
    HGDIOBJ hOldFont = ::SelectObject(pDC->GetSafeHdc(), hFont);
    COLORREF color = mouseInside ? globals.colorLinkHot : globals.colorLink;
    if ((nState & ODS_DISABLED) != 0)
        color = globals.colorGrayText;
    pDC->SetTextColor(color);
    pDC->SetBkMode(TRANSPARENT);
    CString text;
    GetWindowText(text);
    pDC->DrawText(text, &rect, multiLine ? DT_WORDBREAK : DT_SINGLELINE);
    ::SelectObject(pDC->GetSafeHdc(), hOldFont);
}

void CVrxPURLLinkButton::DrawFocusFrame(CDC* pDC, const CRect& rect)
{
    pDC->DrawFocusRect(&rect);
}

void CVrxPURLLinkButton::ReportOpenFailure(INT_PTR)
{
    ::MessageBeep(MB_ICONEXCLAMATION);
}

// The link opens in a normal window, and a target the shell cannot open is
// heard rather than ignored.
BOOL CVrxPURLLinkButton::OnClicked()
{
    if (!IsWindowEnabled())
        return TRUE;
    if (commandMode)
    {
        mouseInside = FALSE;
        RedrawNow();
        return FALSE;
    }
    HCURSOR hOldCursor = ::SetCursor(::LoadCursor(NULL, IDC_WAIT));
    const INT_PTR nResult =
        reinterpret_cast<INT_PTR>(::ShellExecuteA(NULL, NULL, BuildShellTarget(), NULL, NULL, SW_SHOWNORMAL));
    ::SetCursor(hOldCursor);
    if (nResult <= shellFailureLimit)
        ReportOpenFailure(nResult);
    mouseInside = FALSE;
    RedrawNow();
    return TRUE;
}

// A key acts at its release, so the press cannot open the link twice; and
// only a key pressed here: the release of an Enter that chose the menu
// command which opened this dialog must not open the link too.
BOOL CVrxPURLLinkButton::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd == m_hWnd && (pMsg->wParam == VK_SPACE || pMsg->wParam == VK_RETURN))
    {
        if (pMsg->message == WM_KEYDOWN)
        {
            m_nPressedKey = static_cast<UINT>(pMsg->wParam);
            return TRUE;
        }
        if (pMsg->message == WM_KEYUP)
        {
            const BOOL bPressedHere = m_nPressedKey == pMsg->wParam;
            m_nPressedKey = 0;
            if (bPressedHere && pMsg->wParam == VK_RETURN && !OnClicked())
                SendClickToParent();
            return TRUE;
        }
    }
    return CVrxPButton::PreTranslateMessage(pMsg);
}

CSize CVrxPURLLinkButton::FitToText(BOOL bVerticalCentre, BOOL bHorizontalCentre)
{
    if (m_imageSize.cx != 0)
        return MeasureContent(FALSE);
    CRect rectText;
    GetClientRect(&rectText);
    CString text;
    GetWindowText(text);
    {
        CClientDC dc(this);
        HGDIOBJ hOldFont = ::SelectObject(dc.GetSafeHdc(), VrxPGlobals().fontGuiUnderline.GetSafeHandle());
        ::DrawText(dc.GetSafeHdc(), text, -1, &rectText, DT_SINGLELINE | DT_CALCRECT);
        ::SelectObject(dc.GetSafeHdc(), hOldFont);
    }
    rectText.InflateRect(fitMargin, fitMargin);
    const CSize size(rectText.Width(), rectText.Height());
    if (!bVerticalCentre && !bHorizontalCentre)
    {
        SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return size;
    }
    CRect rectOld;
    GetWindowRect(&rectOld);
    GetParent()->ScreenToClient(&rectOld);
    const int x = bHorizontalCentre ? rectOld.left + (rectOld.Width() - size.cx) / 2 : rectOld.left;
    const int y = bVerticalCentre ? rectOld.top + (rectOld.Height() - size.cy) / 2 : rectOld.top;
    SetWindowPos(nullptr, x, y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    return size;
}
