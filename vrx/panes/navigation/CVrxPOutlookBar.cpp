#include "panes/navigation/CVrxPOutlookBar.h"

#include "foundation/CVrxPMemoryDC.h"
#include "foundation/CVrxPRegistry.h"
#include "foundation/CVrxPRegistryHolder.h"
#include "foundation/CVrxPWorkspace.h"
#include "foundation/VrxPBuildRegistryPath.h"
#include "gdi/CPaintDC.h"
#include "panes/navigation/CVrxPOutlookBarPane.h"
#include "panes/navigation/CVrxPOutlookCustomPages.h"
#include "panes/navigation/CVrxPOutlookWnd.h"
#include "themes/CVrxPVisualManager.h"

#include <memory>

IMPLEMENT_DYNCREATE(CVrxPOutlookBar, CVrxPDockingControlBar)

BEGIN_MESSAGE_MAP(CVrxPOutlookBar, CVrxPDockingControlBar)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
END_MESSAGE_MAP()

namespace
{
constexpr DWORD outlookTabbedStyle = 0x40;
} // namespace

CVrxPOutlookBar::CVrxPOutlookBar() = default;

CVrxPOutlookBar::~CVrxPOutlookBar()
{
    for (CVrxPOutlookBarPane* pPage : m_customPages)
    {
        if (pPage->GetSafeHwnd() != NULL)
            pPage->DestroyWindow();
        delete pPage;
    }
    delete m_pPages;
}

BOOL CVrxPOutlookBar::Create(LPCTSTR lpszCaption, CWnd* pParentWnd, CSize sizeDefault, UINT nID, DWORD dwStyle,
                             DWORD dwBarFlags)
{
    if (lpszCaption != nullptr)
        caption = lpszCaption;
    return CVrxPDockingControlBar::Create(lpszCaption, pParentWnd, sizeDefault, FALSE, nID, dwStyle,
                                          outlookTabbedStyle, dwBarFlags);
}

int CVrxPOutlookBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CVrxPDockingControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    auto pPages = std::make_unique<CVrxPOutlookWnd>();
    if (!pPages->Create(CRect(0, 0, lpCreateStruct->cx, lpCreateStruct->cy), this, pageWindowId))
        return -1;
    pPages->destroyWindowsOnRemove = FALSE;
    if (CanFloat())
        pPages->HideSingleTab(TRUE);
    m_pPages = pPages.release();
    return 0;
}

void CVrxPOutlookBar::OnSize(UINT nType, int cx, int cy)
{
    CVrxPDockingControlBar::OnSize(nType, cx, cy);
    if (m_pPages != nullptr && m_pPages->GetSafeHwnd() != NULL)
        m_pPages->SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CVrxPOutlookBar::OnPaint()
{
    CPaintDC paintDC(this);
    CVrxPMemoryDC memory(paintDC, this);
    CRect rect;
    GetClientRect(&rect);
    CVrxPVisualManager::Instance()->PaintBarBackground(&memory.GetDC(), this, rect, rect, FALSE);
}

void CVrxPOutlookBar::AddPage(CWnd* pWnd, LPCTSTR lpszLabel, int nImage, BOOL bDetachable)
{
    if (m_pPages == nullptr || pWnd == nullptr || pWnd->GetSafeHwnd() == NULL)
        return;
    pWnd->SetParent(m_pPages);
    m_pPages->AppendTab(pWnd, lpszLabel, nImage, bDetachable);
    if (m_pPages->ActiveTabIndex() < 0)
        m_pPages->ActivateTab(m_pPages->CountTabs() - 1);
    else
        pWnd->ShowWindow(SW_HIDE);
    m_pPages->ArrangeTabs();
}

CVrxPOutlookBarPane* CVrxPOutlookBar::AddCustomPage(UINT nID, LPCTSTR lpszCaption)
{
    if (m_pPages == nullptr)
        return nullptr;
    auto pPage = std::make_unique<CVrxPOutlookBarPane>();
    if (!pPage->Create(m_pPages, customPageStyle, nID, 0))
        return nullptr;
    pPage->SetOwner(GetOwner() != nullptr ? GetOwner() : GetParent());
    // The caption is the page's own text too: it is what is stored again.
    pPage->SetWindowText(lpszCaption);
    m_customPages.push_back(pPage.get());
    AddPage(pPage.release(), lpszCaption, -1, TRUE);
    return m_customPages.back();
}

BOOL CVrxPOutlookBar::StoredPagesHaveShownButtons()
{
    const CVrxPWorkspace* pWorkspace = VrxPWorkspaceInstance();
    if (pWorkspace == nullptr)
        return FALSE;
    const int nVersion = pWorkspace->PackedStateVersion();
    return nVersion >= shownButtonsVersion && nVersion != versionWithoutShownButtons;
}

CString CVrxPOutlookBar::CustomPagesKey(LPCTSTR lpszProfileName, int nIndex, int nSubIndex) const
{
    const CString path = VrxPBuildRegistryPath(registrySection, lpszProfileName);
    return CVrxPOutlookCustomPages::KeyName(path, nIndex == -1 ? static_cast<int>(GetDlgCtrlID()) : nIndex,
                                            nSubIndex);
}

BOOL CVrxPOutlookBar::StoreToRegistry(LPCTSTR lpszProfileName, int nIndex, int nSubIndex)
{
    BOOL bStored = CVrxPDockingControlBar::StoreToRegistry(lpszProfileName, nIndex, nSubIndex);
    std::vector<CVrxPOutlookCustomPage> pages;
    for (CVrxPOutlookBarPane* pPage : m_customPages)
    {
        const int nId = static_cast<int>(pPage->GetDlgCtrlID());
        if (!pPage->StoreToRegistry(lpszProfileName, nId, nId))
            bStored = FALSE;
        CVrxPOutlookCustomPage page;
        page.controlId = nId;
        pPage->GetWindowText(page.caption);
        pages.push_back(page);
    }
    const CVrxPOutlookCustomPages stored(pages, m_pPages != nullptr ? m_pPages->ShownButtons() : -1);
    std::vector<BYTE> bytes;
    if (!stored.Write(bytes))
        return FALSE;
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
    if (!registry.MakeKey(CustomPagesKey(lpszProfileName, nIndex, nSubIndex)) ||
        !registry.WriteBinary(CVrxPOutlookCustomPages::valueName, bytes.data(), static_cast<UINT>(bytes.size())))
        return FALSE;
    return bStored;
}

BOOL CVrxPOutlookBar::RestoreFromRegistry(LPCTSTR lpszProfileName, int nIndex, int nSubIndex)
{
    CVrxPDockingControlBar::RestoreFromRegistry(lpszProfileName, nIndex, nSubIndex);
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, TRUE);
    BYTE* pData = nullptr;
    UINT nSize = 0;
    if (!registry.OpenKey(CustomPagesKey(lpszProfileName, nIndex, nSubIndex)) ||
        !registry.ReadBinary(CVrxPOutlookCustomPages::valueName, pData, nSize))
        return FALSE;
    std::unique_ptr<BYTE[]> data(pData);
    CVrxPOutlookCustomPages stored({}, m_pPages != nullptr ? m_pPages->ShownButtons() : -1);
    if (!stored.Read(pData, nSize, StoredPagesHaveShownButtons()))
        return FALSE;
    for (const CVrxPOutlookCustomPage& page : stored.GetPages())
    {
        CVrxPOutlookBarPane* pPage = AddCustomPage(static_cast<UINT>(page.controlId), page.caption);
        if (pPage == nullptr)
            return FALSE;
        pPage->RestoreFromRegistry(lpszProfileName, page.controlId, page.controlId);
    }
    if (m_pPages != nullptr && stored.HasShownButtons())
    {
        m_pPages->SetShownButtons(stored.GetShownButtons());
        m_pPages->ArrangeTabs();
    }
    return TRUE;
}
