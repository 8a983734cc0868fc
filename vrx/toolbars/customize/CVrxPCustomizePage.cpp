#include "toolbars/customize/CVrxPCustomizePage.h"

#include "foundation/CVrxPCommandManager.h"
#include "frames/CFrameWnd.h"
#include "toolbars/CVrxPToolbarButton.h"
#include "toolbars/CVrxPToolbarCustomize.h"
#include "toolbars/customize/VrxPCustomizeResources.h"

IMPLEMENT_DYNAMIC(CVrxPCustomizePage, CPropertyPage)

BEGIN_MESSAGE_MAP(CVrxPCustomizePage, CPropertyPage)
    ON_LBN_SELCHANGE(VrxPIdcCategories, SelectCategory)
    ON_LBN_SELCHANGE(VrxPIdcCommands, OnCommandSelected)
END_MESSAGE_MAP()

CVrxPCustomizePage::CVrxPCustomizePage() : CPropertyPage(VrxPIddCommandsPage), m_pSelected(nullptr)
{
}

BOOL CVrxPCustomizePage::OnInitDialog()
{
    if (!CPropertyPage::OnInitDialog())
        return FALSE;
    m_categories.SubclassDlgItem(VrxPIdcCategories, this);
    m_commands.SubclassDlgItem(VrxPIdcCommands, this);
    if (CVrxPToolbarCustomize* pSheet = dynamic_cast<CVrxPToolbarCustomize*>(GetSheet()))
        pSheet->ListCategoriesInListBox(m_categories, TRUE);
    m_categories.SetCurSel(0);
    SelectCategory();
    return TRUE;
}

CString CVrxPCustomizePage::RowText(const CVrxPToolbarButton& button, const CObList& category, BOOL bAllCommands)
{
    if (button.customizeName.IsEmpty())
        return button.text;
    if (bAllCommands || CVrxPToolbarCustomize::CountCommandsNamed(button.text, category) > 1)
        return button.customizeName;
    return button.text;
}

void CVrxPCustomizePage::SelectCategory()
{
    const int nCategory = m_categories.GetCurSel();
    if (nCategory < 0)
        return;
    HCURSOR hOld = ::SetCursor(::LoadCursor(NULL, IDC_WAIT));
    m_commands.SetRedraw(FALSE);
    m_commands.ResetContent();
    CString name;
    m_categories.GetText(nCategory, name);
    const BOOL bAll = name == m_allCommandsName;
    m_description.Empty();
    m_pSelected = nullptr;

    const CObList* pCategory = static_cast<const CObList*>(m_categories.GetItemDataPtr(nCategory));
    for (POSITION pos = pCategory != nullptr ? pCategory->GetHeadPosition() : NULL; pos != NULL;)
    {
        CVrxPToolbarButton* pButton = static_cast<CVrxPToolbarButton*>(pCategory->GetNext(pos));
        if (pButton->commandId != static_cast<UINT>(-1))
        {
            const int nStandard = VrxPCommandImage(pButton->commandId, FALSE);
            pButton->userImage = nStandard < 0 && pButton->userImageIndex >= 0;
            if (nStandard >= 0)
                pButton->imageIndex = nStandard;
        }
        const CString text = RowText(*pButton, *pCategory, bAll);
        int nAt = m_commands.GetCount();
        if (bAll)
            for (int i = 0; i < m_commands.GetCount(); i++)
            {
                CString row;
                m_commands.GetText(i, row);
                if (row.Compare(text) > 0)
                {
                    nAt = i;
                    break;
                }
            }
        const int nRow = m_commands.InsertString(nAt, text);
        m_commands.SetItemDataPtr(nRow, pButton);
    }
    m_commands.SetRedraw(TRUE);
    m_commands.Invalidate();
    SetDlgItemText(VrxPIdcDescription, m_description);
    ::SetCursor(hOld);
}

void CVrxPCustomizePage::OnCommandSelected()
{
    ShowCommandDescription(m_commands.GetButton(m_commands.GetCurSel()));
}

void CVrxPCustomizePage::ShowCommandDescription(CVrxPToolbarButton* pButton)
{
    m_description.Empty();
    if (pButton != nullptr && pButton->commandId != 0)
    {
        CVrxPToolbarCustomize* pSheet = dynamic_cast<CVrxPToolbarCustomize*>(GetSheet());
        if (pSheet != nullptr && pSheet->GetFrame() != nullptr)
            pSheet->GetFrame()->GetMessageString(pButton->commandId, m_description);
    }
    else if (pButton != nullptr)
    {
        m_description = pButton->text;
    }
    m_pSelected = pButton;
    SetDlgItemText(VrxPIdcDescription, m_description);
}
