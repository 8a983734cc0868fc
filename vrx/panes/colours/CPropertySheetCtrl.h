#pragma once

// A set of dialog pages under a tab strip that lives as a child control of
// another dialog. It is a member of its owner: nothing deletes it when its
// window goes.

#include "windows/CWnd.h"

#include <vector>

class CDialog;

class CPropertySheetCtrl : public CWnd
{
    DECLARE_DYNAMIC(CPropertySheetCtrl)
public:
    static constexpr UINT tabControlId = 0x3020;

    CPropertySheetCtrl();
    ~CPropertySheetCtrl() override;

    // Pages are shown in the order added; the sheet does not own them.
    void AddPage(CDialog* pPage, UINT nTemplateId, LPCTSTR lpszTitle);
    // A child over the rectangle (parent client coordinates); each page's
    // window is made from its template.
    BOOL Create(CWnd* pParent, const CRect& rect, UINT nID);

    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CDialog* GetPage(int nIndex) const { return m_pages[static_cast<size_t>(nIndex)].page; }
    int GetActiveIndex() const { return m_nActive; }
    BOOL SetActivePage(int nIndex);
    HWND GetTabControl() const { return m_hTab; }
    // The tab strip fills the client area; the pages fill its display area.
    void Layout();

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    struct Page
    {
        CDialog* page;
        UINT templateId;
        CString title;
    };
    std::vector<Page> m_pages;
    HWND m_hTab;
    int m_nActive;
};
