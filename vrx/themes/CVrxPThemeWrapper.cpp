#include "themes/CVrxPThemeWrapper.h"

#include "app/CWinThread.h"
#include "foundation/CVrxPGlobals.h"
#include "gdi/CDC.h"
#include "docking/CVrxPBaseControlBar.h"
#include "foundation/VrxPFindOwnerFrame.h"
#include "frames/CMiniFrameWnd.h"
#include "windows/CWnd.h"

namespace
{
const wchar_t* const kClassNames[CVrxPThemeWrapper::themeClassCount] = {
    L"WINDOW",  L"TOOLBAR",   L"BUTTON",      L"STATUS",     L"REBAR",    L"COMBOBOX",
    L"PROGRESS", L"HEADER",   L"SCROLLBAR",   L"EXPLORERBAR", L"TREEVIEW", L"STARTPANEL",
    L"TASKBAND", L"TASKBAR",  L"SPIN",        L"TAB",        L"TRACKBAR"};

const int kButtonPushPart = 1;
const int kButtonRadioPart = 2;
const int kButtonCheckPart = 3;
const int kComboDropPart = 1;
const int kProgressBarPart = 1;
const int kProgressChunkPart = 3;
const int kProgressInset = 3;
const int kThemeNameLength = 255;

template <class Fn>
Fn Entry(HMODULE hModule, const char* lpszName)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(::GetProcAddress(hModule, lpszName)));
}
} // namespace

CVrxPThemeWrapper::CVrxPThemeWrapper() : m_themes(), m_hThemeModule(::LoadLibrary("UxTheme.dll"))
{
    if (m_hThemeModule == NULL)
        return;
    EntryPoints entries;
    entries.openThemeData = Entry<OpenThemeDataFn>(m_hThemeModule, "OpenThemeData");
    entries.closeThemeData = Entry<CloseThemeDataFn>(m_hThemeModule, "CloseThemeData");
    entries.drawThemeBackground = Entry<DrawThemeBackgroundFn>(m_hThemeModule, "DrawThemeBackground");
    entries.getThemeColor = Entry<GetThemeColorFn>(m_hThemeModule, "GetThemeColor");
    entries.getThemeSysColor = Entry<GetThemeSysColorFn>(m_hThemeModule, "GetThemeSysColor");
    entries.getCurrentThemeName = Entry<GetCurrentThemeNameFn>(m_hThemeModule, "GetCurrentThemeName");
    entries.getWindowTheme = Entry<GetWindowThemeFn>(m_hThemeModule, "GetWindowTheme");
    BindEntryPoints(entries);
}

CVrxPThemeWrapper::~CVrxPThemeWrapper()
{
    CloseThemes();
    if (m_hThemeModule != NULL)
        ::FreeLibrary(m_hThemeModule);
}

void CVrxPThemeWrapper::BindEntryPoints(const EntryPoints& entries)
{
    CloseThemes();
    m_entries = entries;
    OpenThemes();
}

void CVrxPThemeWrapper::OpenThemes()
{
    CloseThemes();
    if (m_entries.openThemeData == nullptr || m_entries.closeThemeData == nullptr ||
        m_entries.drawThemeBackground == nullptr)
        return;
    CWinThread* pThread = AfxGetThread();
    CWnd* pMainWnd = pThread != nullptr ? pThread->GetMainWnd() : nullptr;
    HWND hWnd = pMainWnd != nullptr ? pMainWnd->GetSafeHwnd() : NULL;
    for (int i = 0; i < themeClassCount; i++)
        m_themes[i] = m_entries.openThemeData(hWnd, kClassNames[i]);
}

// Closed handles are not used again before OpenThemes overwrites them.
void CVrxPThemeWrapper::CloseThemes()
{
    if (m_entries.closeThemeData == nullptr)
        return;
    for (HTHEME& hTheme : m_themes)
    {
        if (hTheme != NULL)
            m_entries.closeThemeData(hTheme);
        hTheme = NULL;
    }
}

BOOL CVrxPThemeWrapper::PaintPart(ThemeClass nClass, CDC* pDC, int nPart, int nState, const RECT& rect)
{
    if (m_themes[nClass] == NULL || m_entries.drawThemeBackground == nullptr)
        return FALSE;
    m_entries.drawThemeBackground(m_themes[nClass], pDC != nullptr ? pDC->GetSafeHdc() : NULL, nPart, nState, &rect,
                             nullptr);
    return TRUE;
}

BOOL CVrxPThemeWrapper::ReadThemeColor(ThemeClass nClass, int nPart, int nState, int nProperty, COLORREF& color) const
{
    if (m_themes[nClass] == NULL || m_entries.getThemeColor == nullptr)
        return FALSE;
    COLORREF read = 0;
    if (FAILED(m_entries.getThemeColor(m_themes[nClass], nPart, nState, nProperty, &read)))
        return FALSE;
    color = read;
    return TRUE;
}

int CVrxPThemeWrapper::CheckBoxState(int nState, BOOL bEnabled, BOOL bPressed, BOOL bHighlighted)
{
    static const int kBase[] = {1, 5, 9};
    const int nClamped = nState < 0 ? 0 : (nState > 2 ? 2 : nState);
    const int nOffset = !bEnabled ? 3 : (bPressed ? 2 : (bHighlighted ? 1 : 0));
    return kBase[nClamped] + nOffset;
}

int CVrxPThemeWrapper::RadioButtonState(BOOL bChecked, BOOL bEnabled, BOOL bPressed, BOOL bHighlighted)
{
    if (!bEnabled)
        return bChecked ? 8 : 4;
    if (bPressed)
        return bChecked ? 7 : 3;
    if (bChecked)
        return bHighlighted ? 6 : 5;
    return bHighlighted ? 2 : 1;
}

int CVrxPThemeWrapper::PushButtonState(BOOL bEnabled, BOOL bPressedOrChecked, BOOL bHighlighted, BOOL bFocused)
{
    if (!bEnabled)
        return 4;
    if (bPressedOrChecked)
        return 3;
    if (bHighlighted)
        return 2;
    return bFocused ? 5 : 1;
}

BOOL CVrxPThemeWrapper::PaintThemePushButton(CDC* pDC, CRect rect, CWnd* pButton, int)
{
    if (m_themes[themeButton] == NULL || pButton == nullptr || pButton->GetSafeHwnd() == NULL)
        return FALSE;
    const LRESULT nState = pButton->SendMessage(BM_GETSTATE, 0, 0);
    const BOOL bHighlighted = (nState & BST_HOT) != 0;
    const BOOL bPressed = (nState & BST_PUSHED) != 0 && bHighlighted;
    const BOOL bChecked = pButton->SendMessage(BM_GETCHECK, 0, 0) != 0;
    const BOOL bFocused = ::GetFocus() == pButton->GetSafeHwnd();
    VrxPGlobals().PaintParentBackground(pButton, pDC, &rect);
    return PaintPart(themeButton, pDC, kButtonPushPart,
                     PushButtonState(pButton->IsWindowEnabled(), bPressed || bChecked, bHighlighted, bFocused), rect);
}

BOOL CVrxPThemeWrapper::PaintThemeRebarBackground(CDC* pDC, CWnd* pWnd, CRect rect)
{
    if (m_entries.drawThemeBackground == nullptr || m_themes[themeRebar] == NULL)
    {
        pDC->FillRect(&rect, &VrxPGlobals().brushBarFace);
        return TRUE;
    }
    CWnd* pFrame = pWnd != nullptr && pWnd->GetSafeHwnd() != NULL ? VrxPFindOwnerFrame(pWnd) : nullptr;
    if ((pFrame == nullptr || pFrame->GetSafeHwnd() == NULL) && pWnd != nullptr && pWnd->GetSafeHwnd() != NULL)
        pFrame = pWnd->GetParent();
    if (pFrame != nullptr && pFrame->GetSafeHwnd() != NULL)
    {
        CRect rectFrame;
        pFrame->GetWindowRect(&rectFrame);
        pWnd->ScreenToClient(&rectFrame);
        if (rectFrame.right > rect.right)
            rect.right = rectFrame.right;
        if (rectFrame.bottom > rect.bottom)
            rect.bottom = rectFrame.bottom;
        const CVrxPBaseControlBar* pBar = dynamic_cast<CVrxPBaseControlBar*>(pWnd);
        if (pBar != nullptr && !pBar->IsFloatingInMiniFrame() && dynamic_cast<CMiniFrameWnd*>(pWnd->GetParent()) == nullptr)
        {
            rect.left = rectFrame.left;
            rect.top = rectFrame.top;
        }
    }
    return m_entries.drawThemeBackground(m_themes[themeRebar], pDC->GetSafeHdc(), 0, 0, &rect, nullptr) == S_OK;
}

int CVrxPThemeWrapper::ComboButtonState(BOOL bDisabled, BOOL bDropped, BOOL bHot)
{
    return bDisabled ? 4 : (bDropped ? 3 : (bHot ? 2 : 1));
}

BOOL CVrxPThemeWrapper::PaintThemeProgress(CDC* pDC, CWnd*, CRect rect, int nRange, int nPos, COLORREF, COLORREF,
                                           COLORREF, BOOL bShowPercent)
{
    if (!PaintPart(themeProgress, pDC, kProgressBarPart, 0, rect))
        return FALSE;
    if (nRange == 0)
        return TRUE;
    CRect rectChunk = rect;
    rectChunk.DeflateRect(kProgressInset, kProgressInset);
    rectChunk.right = rectChunk.left + static_cast<int>(static_cast<long long>(nPos) * rectChunk.Width() / nRange);
    PaintPart(themeProgress, pDC, kProgressChunkPart, 0, rectChunk);
    if (bShowPercent)
    {
        CString text;
        text.Format("%d%%", static_cast<int>(static_cast<long long>(nPos) * 100 / nRange));
        pDC->SetTextColor(VrxPGlobals().colorButtonText);
        pDC->SetBkMode(TRANSPARENT);
        ::DrawText(pDC->GetSafeHdc(), text, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    return TRUE;
}

BOOL CVrxPThemeWrapper::PaintThemeComboButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot)
{
    return PaintPart(themeComboBox, pDC, kComboDropPart, ComboButtonState(bDisabled, bDropped, bHot), rect);
}

BOOL CVrxPThemeWrapper::PaintThemeComboFrame(CDC* pDC, CRect rect, BOOL, BOOL bDropped, BOOL bHot)
{
    if (m_themes[themeWindow] == NULL)
        return FALSE;
    if (bDropped || bHot)
    {
        rect.DeflateRect(1, 1);
        pDC->Draw3dRect(&rect, VrxPGlobals().colorSelection, VrxPGlobals().colorSelection);
    }
    return TRUE;
}

BOOL CVrxPThemeWrapper::PaintThemeCheckBox(CDC* pDC, CRect rect, BOOL bHighlighted, int nState, BOOL bEnabled,
                                           BOOL bPressed)
{
    return PaintPart(themeButton, pDC, kButtonCheckPart, CheckBoxState(nState, bEnabled, bPressed, bHighlighted),
                     rect);
}

BOOL CVrxPThemeWrapper::PaintThemeRadioButton(CDC* pDC, CRect rect, BOOL bHighlighted, BOOL bChecked,
                                              BOOL bEnabled, BOOL bPressed)
{
    return PaintPart(themeButton, pDC, kButtonRadioPart, RadioButtonState(bChecked, bEnabled, bPressed, bHighlighted),
                     rect);
}

int CVrxPThemeWrapper::SchemeOf(LPCWSTR lpszThemeFile, LPCWSTR lpszColorName, BOOL bAccentRead, COLORREF accent)
{
    LPCWSTR lpszBase = lpszThemeFile;
    for (LPCWSTR p = lpszThemeFile; *p != L'\0'; p++)
        if (*p == L'\\' || *p == L'/')
            lpszBase = p + 1;
    LPCWSTR lpszDot = wcsrchr(lpszBase, L'.');
    const size_t nBaseLength = lpszDot != nullptr ? static_cast<size_t>(lpszDot - lpszBase) : wcslen(lpszBase);
    if (nBaseLength != 4 || _wcsnicmp(lpszBase, L"Luna", 4) != 0)
        return 0;
    if (!bAccentRead || accent == 1)
        return 0;
    if (_wcsicmp(lpszColorName, L"normalcolor") == 0)
        return 1;
    if (_wcsicmp(lpszColorName, L"homestead") == 0)
        return 2;
    if (_wcsicmp(lpszColorName, L"metallic") == 0)
        return 3;
    return 0;
}

int CVrxPThemeWrapper::DetectThemeScheme()
{
    if (m_entries.getCurrentThemeName == nullptr)
        return -1;
    WCHAR file[kThemeNameLength + 1] = L"";
    WCHAR color[kThemeNameLength + 1] = L"";
    if (FAILED(m_entries.getCurrentThemeName(file, kThemeNameLength, color, kThemeNameLength, nullptr, 0)))
        return -1;
    COLORREF accent = 0;
    BOOL bAccentRead = TRUE;
    if (m_entries.getThemeColor != nullptr && m_themes[themeButton] != NULL)
        bAccentRead = SUCCEEDED(m_entries.getThemeColor(m_themes[themeButton], kButtonPushPart, 0, accentColorProperty,
                                                   &accent));
    return SchemeOf(file, color, bAccentRead, accent);
}
