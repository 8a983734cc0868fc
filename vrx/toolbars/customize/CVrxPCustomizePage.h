#pragma once

// The customise sheet's Commands page: the categories the sheet collected
// from the menus, the commands of the chosen one, and the chosen command's
// description. A command is dragged from the list onto a bar.

#include "dialogs/CPropertyPage.h"
#include "toolbars/customize/CVrxPCustomizeCommandList.h"

class CObList;
class CVrxPToolbarButton;

class CVrxPCustomizePage : public CPropertyPage
{
    DECLARE_DYNAMIC(CVrxPCustomizePage)
public:
    CVrxPCustomizePage();

    BOOL OnInitDialog() override;
    void SetAllCommandsName(LPCTSTR lpszName) { m_allCommandsName = lpszName; }

    CListBox& GetCategoryList() { return m_categories; }
    CVrxPCustomizeCommandList& GetCommandList() { return m_commands; }
    const CString& GetDescription() const { return m_description; }
    CVrxPToolbarButton* GetSelectedButton() const { return m_pSelected; }

    void SelectCategory();
    void ShowCommandDescription(CVrxPToolbarButton* pButton);

protected:
    afx_msg void OnCommandSelected();

    DECLARE_MESSAGE_MAP()

private:
    // The text the row of the button shows in the category.
    static CString RowText(const CVrxPToolbarButton& button, const CObList& category, BOOL bAllCommands);

    CListBox m_categories;
    CVrxPCustomizeCommandList m_commands;
    CString m_description;
    CString m_allCommandsName;
    CVrxPToolbarButton* m_pSelected;
};
