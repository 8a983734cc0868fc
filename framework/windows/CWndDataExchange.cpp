#include "windows/CWnd.h"

#include "dialogs/CDataExchange.h"
#include "windows/ExceptionReport.h"

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try
    {
        DoDataExchange(&dx);
        return TRUE;
    }
    catch (CException* e)
    {
        AfxReportException(e);
        return FALSE;
    }
}

void CWnd::DoDataExchange(CDataExchange*)
{
}
