#pragma once

#include "core/CException.h"

#ifdef _WIN32
#include <ole2.h>
#endif

// A failed COM or automation call, with its status code.
class FRAMEWORK_API COleException : public CException
{
    DECLARE_DYNAMIC(COleException)

public:
    explicit COleException(SCODE sc = S_OK, BOOL bAutoDelete = TRUE);

    // The status code that best describes any framework exception.
    static SCODE Process(const CException* pAnyException);

    // The system's text for the code, or the code in hexadecimal.
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;

    SCODE m_sc;
};

[[noreturn]] FRAMEWORK_API void AfxThrowOleException(SCODE sc);
