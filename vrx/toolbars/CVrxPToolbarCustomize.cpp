#include "toolbars/CVrxPToolbarCustomize.h"

#include "app/AfxRegisterWndClass.h"
#include "app/CWinApp.h"
#include "docking/mdi/CVrxPMDIFrameWnd.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/VrxPMessages.h"
#include "frames/CMultiDocTemplate.h"
#include "toolbars/CVrxPMenuBar.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarMenuButton.h"

IMPLEMENT_DYNAMIC(CVrxPToolbarCustomize, CWnd)

BEGIN_MESSAGE_MAP(CVrxPToolbarCustomize, CWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace
{
CVrxPToolbarCustomize* s_pActiveSheet = nullptr;

const UINT kCategoriesId = 16601;
const UINT kCommandsId = 16602;
const UINT kCloseId = IDCANCEL;
const int kMargin = 8;
const int kLabelHeight = 16;
const int kListWidth = 180;
const int kListHeight = 220;
const int kButtonWidth = 80;
const int kButtonHeight = 24;

void DeleteList(CObList* pList)
{
    while (!pList->IsEmpty())
        delete pList->RemoveHead();
    delete pList;
}

HWND MakeControl(HWND hParent, LPCTSTR lpszClass, LPCTSTR lpszText, DWORD dwStyle, int x, int y, int cx, int cy,
                 UINT nID)
{
    HWND hWnd = ::CreateWindowEx(lstrcmp(lpszClass, WC_LISTBOX) == 0 ? WS_EX_CLIENTEDGE : 0, lpszClass, lpszText,
                                 WS_CHILD | WS_VISIBLE | dwStyle, x, y, cx, cy, hParent,
                                 reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), ::GetModuleHandle(NULL),
                                 NULL);
    ::SendMessage(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return hWnd;
}
} // namespace

CVrxPToolbarCustomize::CVrxPToolbarCustomize(CFrameWnd* pFrame, BOOL bAutoFill, UINT nFlags,
                                             const CList<CRuntimeClass*, CRuntimeClass*>*)
    : m_pFrame(pFrame), m_bAutoFill(bAutoFill), m_nFlags(nFlags & ~optionUnused),
      m_bKeepMnemonics((nFlags & optionKeepMnemonics) != 0), m_bUserToolbars(FALSE), m_hCategories(NULL),
      m_hCommands(NULL)
{
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

BOOL CVrxPToolbarCustomize::Create()
{
    CRect rect(0, 0, 3 * kMargin + 2 * kListWidth, 4 * kMargin + kLabelHeight + kListHeight + kButtonHeight);
    ::AdjustWindowRectEx(&rect, WS_POPUP | WS_CAPTION | WS_SYSMENU, FALSE, WS_EX_DLGMODALFRAME);
    CRect rectFrame;
    if (m_pFrame != nullptr && m_pFrame->GetSafeHwnd() != NULL)
        m_pFrame->GetWindowRect(&rectFrame);
    rect.OffsetRect(rectFrame.left + 60 - rect.left, rectFrame.top + 60 - rect.top);
    DWORD dwExStyle = WS_EX_DLGMODALFRAME;
    if (m_pFrame != nullptr && m_pFrame->GetSafeHwnd() != NULL && (m_pFrame->GetExStyle() & WS_EX_LAYOUTRTL) != 0)
        dwExStyle |= WS_EX_LAYOUTRTL;
    if ((m_nFlags & optionContextHelp) != 0)
        dwExStyle |= WS_EX_CONTEXTHELP;
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW),
                                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (!CreateEx(dwExStyle, lpszClass, title, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, rect, m_pFrame, 0))
        return FALSE;
    ToggleCustomizeMode(TRUE);
    return TRUE;
}

int CVrxPToolbarCustomize::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    s_pActiveSheet = this;
    const int xRight = 2 * kMargin + kListWidth;
    const int yList = kMargin + kLabelHeight;
    MakeControl(m_hWnd, WC_STATIC, "Cate&gories:", 0, kMargin, kMargin, kListWidth, kLabelHeight, 0xFFFF);
    MakeControl(m_hWnd, WC_STATIC, "Comman&ds:", 0, xRight, kMargin, kListWidth, kLabelHeight, 0xFFFF);
    m_hCategories = MakeControl(m_hWnd, WC_LISTBOX, "", WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY, kMargin, yList,
                                kListWidth, kListHeight, kCategoriesId);
    m_hCommands = MakeControl(m_hWnd, WC_LISTBOX, "", WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_SORT, xRight, yList,
                              kListWidth, kListHeight, kCommandsId);
    MakeControl(m_hWnd, WC_BUTTON, "Close", WS_TABSTOP | BS_DEFPUSHBUTTON, xRight + kListWidth - kButtonWidth,
                yList + kListHeight + kMargin, kButtonWidth, kButtonHeight, kCloseId);
    for (POSITION pos = m_categoryNames.GetHeadPosition(); pos != NULL;)
        ::SendMessage(m_hCategories, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>((LPCTSTR)m_categoryNames.GetNext(pos)));
    ::SendMessage(m_hCategories, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(allCommandsName));
    ::SendMessage(m_hCategories, LB_SETCURSEL, 0, 0);
    ShowCategory(0);
    return 0;
}

void CVrxPToolbarCustomize::ShowCategory(int nIndex)
{
    ::SendMessage(m_hCommands, LB_RESETCONTENT, 0, 0);
    char name[maxItemText] = "";
    if (nIndex < 0 || ::SendMessage(m_hCategories, LB_GETTEXTLEN, nIndex, 0) >= static_cast<LRESULT>(sizeof(name)))
        return;
    ::SendMessage(m_hCategories, LB_GETTEXT, nIndex, reinterpret_cast<LPARAM>(name));
    const CObList* pList = GetCategory(name);
    for (POSITION pos = pList != nullptr ? pList->GetHeadPosition() : NULL; pos != NULL;)
    {
        const CVrxPToolbarButton* pButton = static_cast<CVrxPToolbarButton*>(pList->GetNext(pos));
        ::SendMessage(m_hCommands, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>((LPCTSTR)pButton->text));
    }
}

BOOL CVrxPToolbarCustomize::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == kCloseId)
    {
        DestroyWindow();
        return TRUE;
    }
    if (LOWORD(wParam) == kCategoriesId && HIWORD(wParam) == LBN_SELCHANGE)
    {
        ShowCategory(static_cast<int>(::SendMessage(m_hCategories, LB_GETCURSEL, 0, 0)));
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

void CVrxPToolbarCustomize::OnClose()
{
    DestroyWindow();
}

void CVrxPToolbarCustomize::OnDestroy()
{
    if (s_pActiveSheet == this)
        s_pActiveSheet = nullptr;
    CWnd::OnDestroy();
}

void CVrxPToolbarCustomize::PostNcDestroy()
{
    ToggleCustomizeMode(FALSE);
    CWnd::PostNcDestroy();
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
            if (dynamic_cast<CVrxPToolBar*>(CWnd::FromHandlePermanent(hChild)) != nullptr || !::IsWindowEnabled(hChild))
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
