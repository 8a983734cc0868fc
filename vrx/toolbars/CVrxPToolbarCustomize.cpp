#include "toolbars/CVrxPToolbarCustomize.h"

#include "app/CWinApp.h"
#include "docking/CVrxPDockBar.h"
#include "docking/CVrxPReBar.h"
#include "docking/mdi/CVrxPMDIFrameWnd.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/VrxPMessages.h"
#include "frames/CMultiDocTemplate.h"
#include "panes/navigation/CVrxPOutlookBar.h"
#include "toolbars/CVrxPMenuBar.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarMenuButton.h"
#include "toolbars/customize/CVrxPCustomizePage.h"
#include "toolbars/customize/CVrxPToolbarsPage.h"

IMPLEMENT_DYNAMIC(CVrxPToolbarCustomize, CPropertySheet)

BEGIN_MESSAGE_MAP(CVrxPToolbarCustomize, CPropertySheet)
    ON_WM_CREATE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace
{
CVrxPToolbarCustomize* s_pActiveSheet = nullptr;

// Bars and the windows that hold them stay enabled: a disabled window is
// no drop target, and buttons are dropped on the bars.
BOOL HostsBars(CWnd* pWnd)
{
    return dynamic_cast<CVrxPToolBar*>(pWnd) != nullptr || dynamic_cast<CVrxPDockBar*>(pWnd) != nullptr ||
           dynamic_cast<CVrxPReBar*>(pWnd) != nullptr || dynamic_cast<CVrxPOutlookBar*>(pWnd) != nullptr;
}

void DeleteList(CObList* pList)
{
    while (!pList->IsEmpty())
        delete pList->RemoveHead();
    delete pList;
}
} // namespace

CVrxPToolbarCustomize::CVrxPToolbarCustomize(CFrameWnd* pFrame, BOOL bAutoFill, UINT nFlags,
                                             const CList<CRuntimeClass*, CRuntimeClass*>*)
    : CPropertySheet(title, pFrame), m_pFrame(pFrame), m_bAutoFill(bAutoFill), m_nFlags(nFlags & ~optionUnused),
      m_bKeepMnemonics((nFlags & optionKeepMnemonics) != 0), m_bUserToolbars(FALSE),
      m_pCommandsPage(new CVrxPCustomizePage), m_pToolbarsPage(new CVrxPToolbarsPage(pFrame)), m_bCreated(FALSE)
{
    AddPage(m_pCommandsPage);
    AddPage(m_pToolbarsPage);
    m_pCommandsPage->SetAllCommandsName(allCommandsName);
    m_pToolbarsPage->ShowTextLabelsOption((m_nFlags & optionTextLabels) != 0);
    if (bAutoFill)
        RegisterFrameMenus();
    CVrxPToolbarMenuButton newMenu(0, NULL, -1, newMenuText);
    RegisterCommand(newMenuCategory, newMenu);
}

CVrxPToolbarCustomize::~CVrxPToolbarCustomize()
{
    for (POSITION pos = m_categories.GetStartPosition(); pos != NULL;)
    {
        CString name;
        CObject* pList = nullptr;
        m_categories.GetNextAssoc(pos, name, pList);
        DeleteList(static_cast<CObList*>(pList));
    }
    m_categories.RemoveAll();
    delete m_pCommandsPage;
    delete m_pToolbarsPage;
}

void CVrxPToolbarCustomize::AllowUserDefinedToolbars(BOOL bAllow)
{
    m_bUserToolbars = bAllow;
    m_pToolbarsPage->AllowUserDefinedToolbars(bAllow);
}

CString CVrxPToolbarCustomize::CleanText(const CString& text) const
{
    CString clean = text;
    if (!m_bKeepMnemonics)
        clean.Remove('&');
    const int nTab = clean.Find('\t');
    if (nTab >= 0)
        clean = clean.Left(nTab);
    return clean;
}

void CVrxPToolbarCustomize::RegisterCommand(LPCTSTR lpszCategory, const CVrxPToolbarButton& button)
{
    for (POSITION pos = CVrxPToolBar::ForbiddenCommands().GetHeadPosition(); pos != NULL;)
        if (CVrxPToolBar::ForbiddenCommands().GetNext(pos) == button.commandId)
            return;
    CString text = button.text;
    text.Trim();
    if (text.IsEmpty())
    {
        CString resource;
        if (resource.LoadString(button.commandId))
        {
            const int nNewLine = resource.Find('\n');
            if (nNewLine >= 0)
                text = resource.Mid(nNewLine + 1);
        }
    }
    else
    {
        text = CleanText(text);
    }
    if (text.IsEmpty())
        return;

    CObject* pObject = nullptr;
    CObList* pList = nullptr;
    if (m_categories.Lookup(lpszCategory, pObject))
    {
        pList = static_cast<CObList*>(pObject);
        for (POSITION pos = pList->GetHeadPosition(); pos != NULL;)
        {
            CVrxPToolbarButton* pListed = static_cast<CVrxPToolbarButton*>(pList->GetNext(pos));
            const BOOL bSameId = button.commandId != static_cast<UINT>(-1) && pListed->commandId == button.commandId;
            const BOOL bSameText = button.commandId == static_cast<UINT>(-1) &&
                                   pListed->commandId == static_cast<UINT>(-1) && pListed->text == button.text;
            if (bSameId || bSameText)
            {
                if (pListed->text.IsEmpty())
                    pListed->text = button.text;
                return;
            }
        }
    }
    else
    {
        pList = new CObList;
        m_categories.SetAt(lpszCategory, pList);
        if (CString(lpszCategory) != allCommandsName)
            m_categoryNames.AddTail(lpszCategory);
    }
    CVrxPToolbarButton* pCopy = static_cast<CVrxPToolbarButton*>(button.GetRuntimeClass()->CreateObject());
    pCopy->AssignFrom(button);
    pCopy->text = text;
    pList->AddTail(pCopy);
    if (CString(lpszCategory) != allCommandsName)
        RegisterCommand(allCommandsName, button);
}

void CVrxPToolbarCustomize::RegisterMenuCommands(HMENU hMenu, LPCTSTR lpszCategory, LPCTSTR lpszPath)
{
    const int nItems = hMenu != NULL ? ::GetMenuItemCount(hMenu) : 0;
    for (int i = 0; i < nItems; i++)
    {
        const UINT nID = ::GetMenuItemID(hMenu, i);
        char buffer[maxItemText] = "";
        ::GetMenuString(hMenu, static_cast<UINT>(i), buffer, sizeof(buffer), MF_BYPOSITION);
        CString text = buffer;
        if (!m_bKeepMnemonics)
            text.Remove('&');
        if (nID == 0)
            continue;
        if (nID == static_cast<UINT>(-1))
        {
            CString category = lpszCategory != nullptr ? CString(lpszCategory) : text;
            if (lpszCategory == nullptr)
                category.Remove('&');
            const CString path = CString(lpszPath != nullptr ? lpszPath : "") + text;
            RegisterMenuCommands(::GetSubMenu(hMenu, i), category, path);
            continue;
        }
        CVrxPToolbarButton button(nID, -1, text);
        if (lpszPath != nullptr)
        {
            CString name;
            const CString full = CString(lpszPath) + text;
            BOOL bUpper = FALSE;
            for (int j = 0; j < full.GetLength() && full[j] != '\t'; j++)
            {
                if (full[j] == ' ')
                {
                    bUpper = TRUE;
                    continue;
                }
                name += bUpper ? static_cast<char>(toupper(static_cast<unsigned char>(full[j]))) : full[j];
                bUpper = FALSE;
            }
            button.customizeName = name;
        }
        RegisterCommand(lpszCategory != nullptr ? lpszCategory : allCommandsName, button);
    }
}

void CVrxPToolbarCustomize::RegisterFrameMenus()
{
    if (CWinApp* pApp = AfxGetApp())
    {
        for (POSITION pos = pApp->GetFirstDocTemplatePosition(); pos != NULL;)
            if (CMultiDocTemplate* pTemplate = dynamic_cast<CMultiDocTemplate*>(pApp->GetNextDocTemplate(pos)))
                if (pTemplate->m_hMenuShared != NULL)
                    RegisterMenuCommands(pTemplate->m_hMenuShared, nullptr, nullptr);
    }
    if (m_pFrame == nullptr)
        return;
    HMENU hMenu = m_pFrame->m_hMenuDefault;
    if (hMenu == NULL)
        if (CVrxPMDIFrameWnd* pFrame = dynamic_cast<CVrxPMDIFrameWnd*>(m_pFrame))
            if (pFrame->GetFrameHelper().menuBar != nullptr)
                hMenu = pFrame->GetFrameHelper().menuBar->GetDefaultMenu();
    RegisterMenuCommands(hMenu, nullptr, nullptr);
}

const CObList* CVrxPToolbarCustomize::GetCategory(LPCTSTR lpszCategory) const
{
    CObject* pObject = nullptr;
    return m_categories.Lookup(lpszCategory, pObject) ? static_cast<CObList*>(pObject) : nullptr;
}

LPCTSTR CVrxPToolbarCustomize::CommandTextById(UINT nID) const
{
    const CObList* pList = GetCategory(allCommandsName);
    for (POSITION pos = pList != nullptr ? pList->GetHeadPosition() : NULL; pos != NULL;)
    {
        const CVrxPToolbarButton* pButton = static_cast<CVrxPToolbarButton*>(pList->GetNext(pos));
        if (pButton->commandId == nID)
            return pButton->text;
    }
    return nullptr;
}

int CVrxPToolbarCustomize::CountCommandsNamed(LPCTSTR lpszText, const CObList& list)
{
    int nCount = 0;
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
        if (static_cast<CVrxPToolbarButton*>(list.GetNext(pos))->text == lpszText)
            nCount++;
    return nCount;
}

CVrxPToolbarCustomize* CVrxPToolbarCustomize::ActiveSheet()
{
    return s_pActiveSheet;
}

BOOL CVrxPToolbarCustomize::HoldsRealCommand(const CObList& list)
{
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
    {
        const UINT nID = static_cast<CVrxPToolbarButton*>(list.GetNext(pos))->commandId;
        if (nID != 0 && nID != static_cast<UINT>(-1))
            return TRUE;
    }
    return FALSE;
}

void CVrxPToolbarCustomize::ListCategoriesInListBox(CListBox& list, BOOL bIncludeEmpty) const
{
    for (POSITION pos = m_categoryNames.GetHeadPosition(); pos != NULL;)
    {
        const CString& name = m_categoryNames.GetNext(pos);
        const CObList* pCategory = GetCategory(name);
        if (pCategory == nullptr || (!bIncludeEmpty && !HoldsRealCommand(*pCategory)))
            continue;
        const int nRow = list.AddString(name);
        list.SetItemDataPtr(nRow, const_cast<CObList*>(pCategory));
    }
    const int nRow = list.AddString(allCommandsName);
    list.SetItemDataPtr(nRow, const_cast<CObList*>(GetCategory(allCommandsName)));
}

void CVrxPToolbarCustomize::NoteToolbarVisibility(CVrxPToolBar* pBar, BOOL bShown)
{
    m_pToolbarsPage->SetToolbarCheck(pBar, bShown);
}

BOOL CVrxPToolbarCustomize::Create()
{
    DWORD dwExStyle = 0;
    if (m_pFrame != nullptr && m_pFrame->GetSafeHwnd() != NULL && (m_pFrame->GetExStyle() & WS_EX_LAYOUTRTL) != 0)
        dwExStyle |= WS_EX_LAYOUTRTL;
    if (!CPropertySheet::Create(m_pFrame, static_cast<DWORD>(-1), dwExStyle))
        return FALSE;
    m_bCreated = TRUE;
    ToggleCustomizeMode(TRUE);
    return TRUE;
}

int CVrxPToolbarCustomize::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CPropertySheet::OnCreate(lpCreateStruct) == -1)
        return -1;
    if ((m_nFlags & optionContextHelp) != 0)
        ModifyStyleEx(0, WS_EX_CONTEXTHELP);
    s_pActiveSheet = this;
    return 0;
}

// Close takes Cancel's place below the pages, with room around it.
BOOL CVrxPToolbarCustomize::OnInitDialog()
{
    CPropertySheet::OnInitDialog();
    CWnd* pClose = GetDlgItem(IDCANCEL);
    CWnd* pOK = GetDlgItem(IDOK);
    pClose->SetWindowText(closeText);
    pClose->ShowWindow(SW_SHOW);
    pClose->EnableWindow(TRUE);
    pClose->ModifyStyle(0, BS_DEFPUSHBUTTON);
    pOK->ModifyStyle(BS_DEFPUSHBUTTON, 0);

    CRect close;
    pClose->GetWindowRect(&close);
    ScreenToClient(&close);
    CRect window;
    GetWindowRect(&window);
    SetWindowPos(nullptr, 0, 0, window.Width(), window.Height() + close.Height() + closeButtonGrowth,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CRect client;
    GetClientRect(&client);
    pClose->SetWindowPos(nullptr, client.Width() - close.Width() - 8, close.top + 4, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    CWnd* pHelp = GetDlgItem(helpButtonId);
    if ((m_nFlags & optionNoHelp) != 0)
    {
        pHelp->ShowWindow(SW_HIDE);
        pHelp->EnableWindow(FALSE);
    }
    else
    {
        pHelp->SetWindowPos(nullptr, 8, close.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return TRUE;
}

BOOL CVrxPToolbarCustomize::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == IDCANCEL)
    {
        DestroyWindow();
        return TRUE;
    }
    if (LOWORD(wParam) == helpButtonId && HIWORD(wParam) == BN_CLICKED)
    {
        if (m_pFrame != nullptr && m_pFrame->GetSafeHwnd() != NULL)
            m_pFrame->SendMessage(VrxTOOLBAR_CUSTOMIZEHELP, GetActiveIndex(), reinterpret_cast<LPARAM>(this));
        return TRUE;
    }
    return CPropertySheet::OnCommand(wParam, lParam);
}

void CVrxPToolbarCustomize::OnDestroy()
{
    if (s_pActiveSheet == this)
        s_pActiveSheet = nullptr;
    CPropertySheet::OnDestroy();
}

// A window that failed on its way up leaves the object to the caller.
void CVrxPToolbarCustomize::PostNcDestroy()
{
    CPropertySheet::PostNcDestroy();
    if (!m_bCreated)
        return;
    ToggleCustomizeMode(FALSE);
    delete this;
}

// A window that was disabled before customising stays disabled after it.
void CVrxPToolbarCustomize::ToggleCustomizeMode(BOOL bOn)
{
    HCURSOR hOldCursor = ::SetCursor(::LoadCursor(NULL, IDC_WAIT));
    HWND hFrame = m_pFrame != nullptr ? m_pFrame->GetSafeHwnd() : NULL;
    if (bOn && hFrame != NULL)
    {
        m_disabled.RemoveAll();
        for (HWND hChild = ::GetWindow(hFrame, GW_CHILD); hChild != NULL; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        {
            if (HostsBars(CWnd::FromHandlePermanent(hChild)) || !::IsWindowEnabled(hChild))
                continue;
            ::EnableWindow(hChild, FALSE);
            m_disabled.AddTail(hChild);
        }
    }
    else if (!bOn)
    {
        while (!m_disabled.IsEmpty())
        {
            HWND hChild = m_disabled.RemoveHead();
            if (::IsWindow(hChild))
                ::EnableWindow(hChild, TRUE);
        }
    }
    CVrxPToolBar::SetCustomizeMode(bOn);
    if (hFrame != NULL)
    {
        ::SendMessage(hFrame, VrxTOOLBAR_CUSTOMIZE, bOn, 0);
        if (!bOn)
            if (CFrameWnd* pActive = m_pFrame->GetActiveFrame())
                if (pActive != m_pFrame && pActive->GetSafeHwnd() != NULL)
                    pActive->PostMessage(WM_SETFOCUS, 0, 0);
    }
    ::SetCursor(hOldCursor);
}
