#include "DemoForm.h"

#include "DemoIds.h"
#include "dialogs/CDataExchange.h"

IMPLEMENT_DYNAMIC(CDemoForm, CFormView)

BEGIN_MESSAGE_MAP(CDemoForm, CFormView)
    ON_BN_CLICKED(IDC_DEMO_APPLY, OnApply)
    ON_COMMAND(ID_FORM_FILL, OnFormFill)
END_MESSAGE_MAP()

namespace
{
const UINT kFewest = 1;
const UINT kMost = 100;
} // namespace

CDemoForm::CDemoForm() : CFormView(IDD_DEMO_FORM), m_strName("World"), m_nCount(3)
{
}

void CDemoForm::DoDataExchange(CDataExchange* pDX)
{
    CFormView::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_DEMO_NAME, m_strName);
    DDX_Text(pDX, IDC_DEMO_COUNT, m_nCount);
    DDV_MinMaxUInt(pDX, m_nCount, kFewest, kMost);
}

void CDemoForm::OnApply()
{
    if (!UpdateData(TRUE))
        return;
    CString strResult;
    strResult.Format("Hello %s x%u", static_cast<LPCTSTR>(m_strName), m_nCount);
    SetDlgItemText(IDC_DEMO_RESULT, strResult);
}

void CDemoForm::OnFormFill()
{
    m_strName = "Filled by command";
    UpdateData(FALSE);
}
