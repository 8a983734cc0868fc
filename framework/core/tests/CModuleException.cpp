// A module of its own whose run-time class the tests create by name.
#include "core/CException.h"

class CModuleException : public CException
{
    DECLARE_DYNCREATE(CModuleException)
public:
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override
    {
        return CopyErrorMessage("raised in the test module", lpszError, nMaxError, pnHelpContext);
    }
};
IMPLEMENT_DYNCREATE(CModuleException, CException)
