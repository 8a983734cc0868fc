// The DDV_ functions: checks of the value the previous DDX_ read.

#include "dialogs/CDataExchange.h"

#include "app/AfxMessageBox.h"
#include "dialogs/DialogResources.h"

namespace
{
[[noreturn]] void FailRange(CDataExchange* pDX, UINT nIDPrompt, const CString& strMin, const CString& strMax)
{
    CString strMessage;
    strMessage.Format(nIDPrompt, static_cast<LPCTSTR>(strMin), static_cast<LPCTSTR>(strMax));
    AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
    pDX->Fail();
}

template <class TValue>
void CheckWholeRange(CDataExchange* pDX, TValue value, TValue minVal, TValue maxVal, LPCTSTR lpszFormat)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString strMin;
    strMin.Format(lpszFormat, minVal);
    CString strMax;
    strMax.Format(lpszFormat, maxVal);
    FailRange(pDX, AFX_IDP_PARSE_INT_RANGE, strMin, strMax);
}
} // namespace

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    CheckWholeRange(pDX, value, minVal, maxVal, "%d");
}

void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    CheckWholeRange(pDX, value, minVal, maxVal, "%u");
}

void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal)
{
    CheckWholeRange(pDX, value, minVal, maxVal, "%ld");
}

void DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal)
{
    CheckWholeRange(pDX, value, minVal, maxVal, "%lu");
}

void DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString strMin;
    strMin.Format("%.15g", minVal);
    CString strMax;
    strMax.Format("%.15g", maxVal);
    FailRange(pDX, AFX_IDP_PARSE_REAL_RANGE, strMin, strMax);
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (!pDX->m_bSaveAndValidate)
    {
        if (pDX->m_hWndLastControl != NULL && pDX->m_bEditLastControl)
            ::SendMessage(pDX->m_hWndLastControl, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
        return;
    }
    if (value.GetLength() <= nChars)
        return;
    CString strMessage;
    strMessage.Format(AFX_IDP_PARSE_STRING_SIZE, nChars);
    AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
    pDX->Fail();
}
