// The DDX_ functions: moving values between members and controls.

#include "dialogs/CDataExchange.h"

#include "app/AfxMessageBox.h"
#include "core/CException.h"
#include "dialogs/DialogResources.h"
#include "dialogs/NumberParsing.h"

#include <cctype>
#include <limits>

namespace
{
CString WindowText(HWND hWnd)
{
    CString strText;
    int nLength = ::GetWindowTextLength(hWnd);
    int nCopied = ::GetWindowText(hWnd, strText.GetBuffer(nLength), nLength + 1);
    strText.ReleaseBuffer(nCopied);
    return strText;
}

// Unchanged text is not set again: the control would flicker and lose its
// selection.
void SetWindowTextIfChanged(HWND hWnd, LPCTSTR lpszText)
{
    if (WindowText(hWnd) != lpszText)
        ::SetWindowText(hWnd, lpszText);
}

[[noreturn]] void FailWithMessage(CDataExchange* pDX, const CString& strMessage)
{
    AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
    pDX->Fail();
}

[[noreturn]] void FailWithMessage(CDataExchange* pDX, UINT nIDPrompt)
{
    CString strMessage;
    strMessage.LoadString(nIDPrompt);
    FailWithMessage(pDX, strMessage);
}

[[noreturn]] void FailOutOfRange(CDataExchange* pDX, long long minVal, long long maxVal)
{
    CString strMin;
    strMin.Format("%I64d", minVal);
    CString strMax;
    strMax.Format("%I64d", maxVal);
    CString strMessage;
    strMessage.Format(AFX_IDP_PARSE_INT_RANGE, static_cast<LPCTSTR>(strMin), static_cast<LPCTSTR>(strMax));
    FailWithMessage(pDX, strMessage);
}

BOOL IsNegative(LPCTSTR lpszText)
{
    while (std::isspace(static_cast<unsigned char>(*lpszText)))
        ++lpszText;
    return *lpszText == '-';
}

enum class IntegerKind
{
    signedNumber,
    unsignedNumber,
    byteNumber
};

// A whole number that fits the member's type. The message for a refused
// text says what is wanted: a whole number, one of 0 or more, or (for a
// byte, and for any number outside the type) the range.
template <class TValue>
void ExchangeInteger(CDataExchange* pDX, int nIDC, TValue& value, IntegerKind kind)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    const long long minVal = std::numeric_limits<TValue>::min();
    const long long maxVal = static_cast<long long>(std::numeric_limits<TValue>::max());
    if (!pDX->m_bSaveAndValidate)
    {
        CString strText;
        strText.Format("%I64d", static_cast<long long>(value));
        SetWindowTextIfChanged(hWndCtrl, strText);
        return;
    }
    CString strText = WindowText(hWndCtrl);
    long long nValue = 0;
    NumberParse result = AfxParseInteger(strText, minVal, maxVal, nValue);
    if (result == NumberParse::ok)
    {
        value = static_cast<TValue>(nValue);
        return;
    }
    if (kind == IntegerKind::byteNumber)
        FailOutOfRange(pDX, minVal, maxVal);
    if (kind == IntegerKind::unsignedNumber && (result == NumberParse::notANumber || IsNegative(strText)))
        FailWithMessage(pDX, AFX_IDP_PARSE_UINT);
    if (result == NumberParse::notANumber)
        FailWithMessage(pDX, AFX_IDP_PARSE_INT);
    FailOutOfRange(pDX, minVal, maxVal);
}
} // namespace

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = WindowText(hWndCtrl);
    else
        SetWindowTextIfChanged(hWndCtrl, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    ExchangeInteger(pDX, nIDC, value, IntegerKind::signedNumber);
}

void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    ExchangeInteger(pDX, nIDC, value, IntegerKind::unsignedNumber);
}

void DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    ExchangeInteger(pDX, nIDC, value, IntegerKind::signedNumber);
}

void DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value)
{
    ExchangeInteger(pDX, nIDC, value, IntegerKind::unsignedNumber);
}

void DDX_Text(CDataExchange* pDX, int nIDC, short& value)
{
    ExchangeInteger(pDX, nIDC, value, IntegerKind::signedNumber);
}

void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value)
{
    ExchangeInteger(pDX, nIDC, value, IntegerKind::byteNumber);
}

void DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate)
    {
        CString strText;
        strText.Format("%.15g", value);
        SetWindowTextIfChanged(hWndCtrl, strText);
        return;
    }
    if (AfxParseReal(WindowText(hWndCtrl), value) != NumberParse::ok)
        FailWithMessage(pDX, AFX_IDP_PARSE_REAL);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != NULL)
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl))
        AfxThrowNotSupportedException();
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        value = static_cast<int>(::SendMessage(hWndCtrl, BM_GETCHECK, 0, 0));
        return;
    }
    if (value < BST_UNCHECKED || value > BST_INDETERMINATE)
        value = BST_UNCHECKED;
    ::SendMessage(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int iButton = 0;
    // The group runs up to the next control that starts a group.
    do
    {
        if (::SendMessage(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)
        {
            if (!pDX->m_bSaveAndValidate)
                ::SendMessage(hWndCtrl, BM_SETCHECK, iButton == value, 0);
            else if (::SendMessage(hWndCtrl, BM_GETCHECK, 0, 0) == BST_CHECKED)
                value = iButton;
            ++iButton;
        }
        hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
    } while (hWndCtrl != NULL && !(::GetWindowLong(hWndCtrl, GWL_STYLE) & WS_GROUP));
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessage(hWndCtrl, CB_GETCURSEL, 0, 0));
    else
        ::SendMessage(hWndCtrl, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

namespace
{
BOOL ComboHasEdit(HWND hWndCombo)
{
    return (::GetWindowLong(hWndCombo, GWL_STYLE) & 0x3) != CBS_DROPDOWNLIST;
}

CString SelectedComboText(HWND hWndCombo)
{
    int nIndex = static_cast<int>(::SendMessage(hWndCombo, CB_GETCURSEL, 0, 0));
    CString strText;
    if (nIndex == CB_ERR)
        return strText;
    int nLength = static_cast<int>(::SendMessage(hWndCombo, CB_GETLBTEXTLEN, nIndex, 0));
    if (nLength == CB_ERR)
        return strText;
    ::SendMessage(hWndCombo, CB_GETLBTEXT, nIndex, reinterpret_cast<LPARAM>(strText.GetBuffer(nLength)));
    strText.ReleaseBuffer(nLength);
    return strText;
}

void ExchangeComboString(CDataExchange* pDX, int nIDC, CString& value, BOOL bExact)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    BOOL bEdit = ComboHasEdit(hWndCtrl);
    if (pDX->m_bSaveAndValidate)
    {
        value = bEdit ? WindowText(hWndCtrl) : SelectedComboText(hWndCtrl);
        return;
    }
    LPARAM lParam = reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(value));
    LRESULT nIndex = bExact ? ::SendMessage(hWndCtrl, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), lParam)
                            : ::SendMessage(hWndCtrl, CB_FINDSTRING, static_cast<WPARAM>(-1), lParam);
    if (nIndex != CB_ERR)
        ::SendMessage(hWndCtrl, CB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
    else if (bEdit)
        SetWindowTextIfChanged(hWndCtrl, value);
    else
        ::SendMessage(hWndCtrl, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}
} // namespace

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    ExchangeComboString(pDX, nIDC, value, FALSE);
}

void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value)
{
    ExchangeComboString(pDX, nIDC, value, TRUE);
}

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessage(hWndCtrl, LB_GETCURSEL, 0, 0));
    else
        ::SendMessage(hWndCtrl, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate)
    {
        ::SendMessage(hWndCtrl, LB_SELECTSTRING, static_cast<WPARAM>(-1),
                      reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(value)));
        return;
    }
    value.Empty();
    int nIndex = static_cast<int>(::SendMessage(hWndCtrl, LB_GETCURSEL, 0, 0));
    if (nIndex == LB_ERR)
        return;
    int nLength = static_cast<int>(::SendMessage(hWndCtrl, LB_GETTEXTLEN, nIndex, 0));
    ::SendMessage(hWndCtrl, LB_GETTEXT, nIndex, reinterpret_cast<LPARAM>(value.GetBuffer(nLength)));
    value.ReleaseBuffer(nLength);
}
