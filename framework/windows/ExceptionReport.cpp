#include "windows/ExceptionReport.h"

#include "app/AfxMessageBox.h"
#include "windows/WindowsResources.h"

void AfxReportException(CException* e)
{
    if (!e->IsKindOf(RUNTIME_CLASS(CUserException)))
    {
        TCHAR szMessage[512];
        CString strMessage;
        if (e->GetErrorMessage(szMessage, 512))
            strMessage = szMessage;
        else
            strMessage.LoadString(AFX_IDS_UNEXPECTED_ERROR);
        AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
    }
    e->Delete();
}

void AfxReportForeignException(LPCSTR lpszWhat)
{
    CString strMessage;
    if (lpszWhat != NULL && *lpszWhat != '\0')
        strMessage.Format(AFX_IDS_UNEXPECTED_ERROR_DETAIL, lpszWhat);
    else
        strMessage.LoadString(AFX_IDS_UNEXPECTED_ERROR);
    AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
}
