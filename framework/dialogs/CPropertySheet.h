#pragma once

// A modeless property sheet: a tab strip over the pages, one visible at a
// time, and a row of push buttons below them (Close, id IDCANCEL, and Help,
// id 9; OK, id IDOK, exists hidden for sheets that want it). Every page's
// window is made when the sheet's is, so a page keeps its state while
// another is shown. The sheet does not own its pages.

#include "collections/CPtrArray.h"
#include "dialogs/CPropertyPage.h"

class FRAMEWORK_API CPropertySheet : public CWnd
{
    DECLARE_DYNAMIC(CPropertySheet)
public:
    static constexpr UINT tabControlId = 0x3020;
    static constexpr UINT helpButtonId = 9;
    static constexpr int margin = 7;
    static constexpr int buttonWidth = 75;
    static constexpr int buttonHeight = 23;

    explicit CPropertySheet(LPCTSTR lpszCaption = NULL, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);

    void AddPage(CPropertyPage* pPage);
    int GetPageCount() const { return static_cast<int>(m_pages.GetSize()); }
    CPropertyPage* GetPage(int nPage) const { return static_cast<CPropertyPage*>(m_pages.GetAt(nPage)); }
    int GetPageIndex(const CPropertyPage* pPage) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const { return m_nActive; }
    // FALSE when the page is unknown or the current page refuses to go.
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage) { return SetActivePage(GetPageIndex(pPage)); }
    HWND GetTabControl() const { return m_hTabs; }
    void SetTitle(LPCTSTR lpszTitle);

    // The modeless window with every page; FALSE when it or a page could
    // not be made (nothing is left open then).
    virtual BOOL Create(CWnd* pParentWnd = NULL, DWORD dwStyle = (DWORD)-1, DWORD dwExStyle = 0);
    // After the pages exist and before the sheet is shown.
    virtual BOOL OnInitDialog();

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    CPtrArray m_pages;
    CString m_strCaption;
    CWnd* m_pParentWnd;
    int m_nActive;

private:
    BOOL CreatePages();
    void LayOut();

    HWND m_hTabs;
};
