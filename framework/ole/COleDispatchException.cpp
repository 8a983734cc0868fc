#include "ole/COleDispatchException.h"

#include "ole/COleException.h"

IMPLEMENT_DYNAMIC(COleDispatchException, CException)

COleDispatchException::COleDispatchException(LPCTSTR lpszDescription, UINT nHelpID, WORD wCode)
    : m_wCode(wCode), m_scError(S_OK), m_strDescription(lpszDescription), m_dwHelpContext(nHelpID)
{
}

BOOL COleDispatchException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (!m_strDescription.IsEmpty())
    {
        BOOL bResult = CopyErrorMessage(m_strDescription, lpszError, nMaxError, pnHelpContext);
        if (pnHelpContext != nullptr)
            *pnHelpContext = m_dwHelpContext;
        return bResult;
    }
    if (m_scError != S_OK)
        return COleException(m_scError, FALSE).GetErrorMessage(lpszError, nMaxError, pnHelpContext);
    CString text;
    text.Format("Automation error %u", static_cast<unsigned>(m_wCode));
    return CopyErrorMessage(text, lpszError, nMaxError, pnHelpContext);
}

void AfxThrowOleDispatchException(WORD wCode, LPCTSTR lpszDescription, UINT nHelpID)
{
    throw new COleDispatchException(lpszDescription, nHelpID, wCode);
}
