#pragma once

// A dialog box from a dialog template found through the resource chain.
//
// DoModal shows it modally: its owner (the parent given, else the main
// window) is disabled while the dialog runs the framework's modal loop, in
// which pre-translation and WM_KICKIDLE go on. Create shows it modeless.
// Either way OnInitDialog fills list and combo boxes from the template's
// RT_DLGINIT data and then moves the members into the controls
// (UpdateData(FALSE)); OnOK moves them back and closes the dialog only when
// every value was accepted.

#include "windows/CWnd.h"

class FRAMEWORK_API CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);

    // Modeless. lpDialogInit, when given, is RT_DLGINIT data ending with its
    // WORD 0.
    virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    virtual BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL,
                                void* lpDialogInit = NULL);

    // Modal: the result EndDialog gave, or -1 when the dialog could not be
    // made.
    virtual INT_PTR DoModal();
    // A modal dialog from a template in memory.
    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL, void* lpDialogInit = NULL);
    // Ends the modal loop with the result, or hides a modeless dialog.
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();

    void GotoDlgCtrl(CWnd* pWndCtrl);
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void SetDefID(UINT nID);
    DWORD GetDefID() const;
    void MapDialogRect(LPRECT lpRect) const;

    // The dialog's keyboard interface (IsDialogMessage) for its controls.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Commands the dialog has no handler for go on to its owner and then to
    // the thread; control notifications stay with the dialog.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    virtual void OnOK();
    virtual void OnCancel();
    // Called at WM_INITDIALOG, before OnInitDialog.
    virtual void PreInitDialog();

    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

    LPCTSTR m_lpszTemplateName;
    LPCDLGTEMPLATE m_lpDialogTemplate;
    // RT_DLGINIT data for a dialog made from a template in memory.
    void* m_lpDialogInit;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()

private:
    // The template and the module it comes from; NULL when there is none.
    LPCDLGTEMPLATE FindTemplate(HINSTANCE& hInst) const;
};
