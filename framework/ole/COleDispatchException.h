#pragma once

#include "core/CException.h"

#include <ole2.h>

// An error that an automation object raised in answer to a call (its
// EXCEPINFO), or one the program raises in the same form.
class FRAMEWORK_API COleDispatchException : public CException
{
    DECLARE_DYNAMIC(COleDispatchException)

public:
    COleDispatchException(LPCTSTR lpszDescription, UINT nHelpID, WORD wCode);

    // The object's description; the status code's text when it gave none.
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;

    WORD m_wCode;
    SCODE m_scError;
    CString m_strSource;
    CString m_strDescription;
    CString m_strHelpFile;
    DWORD m_dwHelpContext;
};

[[noreturn]] FRAMEWORK_API void AfxThrowOleDispatchException(WORD wCode, LPCTSTR lpszDescription, UINT nHelpID = 0);
