#pragma once

// The application object: one per program, a static of the exe,
// constructed before WinMain (see app/AfxWinMain.h). It is the
// user-interface thread's CWinThread and the last command target of every
// route.
//
// The profile functions read and write HKEY_CURRENT_USER\Software\<registry
// key>\<profile name>\<section> once SetRegistryKey was called, and the
// private profile (.ini) file m_pszProfileName otherwise. Reading never
// creates keys; a missing section or entry gives the default.

#include "app/AfxWinMain.h"
#include "app/CWinThread.h"
#include "app/FrameworkResources.h"
#include "collections/Position.h"
#include "strings/CString.h"

class CCommandLineInfo;
class CDocManager;
class CDocTemplate;

class FRAMEWORK_API CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    // Without a name, AfxWinInit takes it from the exe's string
    // AFX_IDS_APP_TITLE, or else from the exe's file name.
    explicit CWinApp(LPCTSTR lpszAppName = NULL);
    ~CWinApp() override;

    // Owned by the application and freed with free(): code that replaces one
    // frees the old text and stores a copy made with _tcsdup.
    LPCTSTR m_pszAppName;
    // The exe's file name without directory and extension.
    LPCTSTR m_pszExeName;
    // The exe's path with the extension .HLP.
    LPCTSTR m_pszHelpFilePath;
    // The application name once a registry key is set; else the .ini file.
    LPCTSTR m_pszProfileName;
    LPCTSTR m_pszRegistryKey;

    HINSTANCE m_hInstance;
    LPTSTR m_lpCmdLine;
    int m_nCmdShow;

    // NULL until the first document template is added; owned.
    CDocManager* m_pDocManager;
    void AddDocTemplate(CDocTemplate* pTemplate);
    // The templates in the order they were added; NULL when there are none.
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& rPos) const;

    // Runs once before InitInstance; FALSE ends the program.
    virtual BOOL InitApplication();

    // 1 shows the wait cursor (counted), -1 takes one back, 0 shows it
    // again while the count is above 0.
    virtual void DoWaitCursor(int nCode);

    // The profile moves to HKEY_CURRENT_USER\Software\<key>\<app name>.
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    // Opened (made when missing) for reading and writing; the caller closes
    // it. NULL without a registry key.
    HKEY GetAppRegistryKey();
    HKEY GetSectionKey(LPCTSTR lpszSection);

    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = NULL);
    // A NULL value removes the entry, a NULL entry the whole section.
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    // On success *ppData is a new BYTE[*pBytes] that the caller deletes with
    // delete[] (NULL for an empty value); on failure NULL and 0.
    BOOL GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    BOOL WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes);

    // Hands each argument of the program's command line to
    // rCmdInfo.ParseParam, flags ('/' or '-') without their mark.
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);

    // From the first module of the resource chain that has the resource.
    HICON LoadIcon(LPCTSTR lpszResourceName) const;
    HICON LoadIcon(UINT nIDResource) const;
    HCURSOR LoadCursor(LPCTSTR lpszResourceName) const;
    HCURSOR LoadCursor(UINT nIDResource) const;
    // The system's own (IDC_ARROW, IDI_APPLICATION...).
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const;
    HICON LoadStandardIcon(LPCTSTR lpszIconName) const;

protected:
    // ID_APP_EXIT: closes the main window, which ends the message loop; quits
    // directly when there is none.
    afx_msg void OnAppExit();

    DECLARE_MESSAGE_MAP()

private:
    int m_nWaitCursorCount;
    HCURSOR m_hcurWaitCursorRestore;
};

// The application object; NULL before it is constructed and after it is
// destroyed.
FRAMEWORK_API CWinApp* AfxGetApp();
