#pragma once

// One page of a property sheet: a child dialog made from a template with
// WS_CHILD (and DS_CONTROL, so the sheet's keyboard interface reaches its
// controls). Its caption, from the template, names its tab. Enter and
// Escape inside the page go to the sheet, which decides whether it closes.

#include "dialogs/CDialog.h"

class CPropertySheet;

class FRAMEWORK_API CPropertyPage : public CDialog
{
    DECLARE_DYNAMIC(CPropertyPage)
public:
    CPropertyPage();
    explicit CPropertyPage(UINT nIDTemplate);

    // The page becomes the sheet's visible page; FALSE keeps the one before.
    virtual BOOL OnSetActive();
    // The page is about to be left; FALSE keeps it active.
    virtual BOOL OnKillActive();

    // The sheet the page's window lives in, or null before it is made.
    CPropertySheet* GetSheet() const;
    LPCTSTR GetTemplateName() const { return m_lpszTemplateName; }

protected:
    void OnOK() override;
    void OnCancel() override;
};
