#include "foundation/CVrxPKeyboardManager.h"

#include "app/CWinApp.h"
#include "app/CWinThread.h"
#include "app/ResourceChain.h"
#include "docking/mdi/CVrxPMDIFrameWnd.h"
#include "foundation/CVrxPAccelFormatter.h"
#include "foundation/CVrxPRegistryHolder.h"
#include "foundation/CVrxPStoredAccelTable.h"
#include "foundation/VrxPBuildRegistryPath.h"
#include "foundation/VrxPSectionNames.h"
#include "frames/CDocument.h"
#include "frames/CFrameWnd.h"
#include "frames/CMultiDocTemplate.h"
#include "frames/CView.h"
#include "toolbars/CVrxPToolBar.h"

#include <cctype>
#include <cstddef>
#include <memory>
#include <vector>

namespace
{
CVrxPKeyboardManager* s_pManager = nullptr;

// A copy of a frame's accelerator table, kept while the frame uses it.
struct TableCopy
{
    std::vector<ACCEL> entries;
    HACCEL hSource = NULL;
};
TableCopy s_copies[2];

// The stored entries are the system's own records.
static_assert(sizeof(ACCEL) == sizeof(VrxPStoredAccel) && offsetof(ACCEL, key) == offsetof(VrxPStoredAccel, key) &&
                  offsetof(ACCEL, cmd) == offsetof(VrxPStoredAccel, cmd),
              "ACCEL and the stored entry differ");

const std::vector<ACCEL>& CopyOf(HACCEL hAccel, BOOL bOtherCache)
{
    TableCopy& copy = s_copies[bOtherCache ? 1 : 0];
    if (copy.hSource != hAccel)
    {
        copy.entries.clear();
        const int nCount = hAccel != NULL ? CopyAcceleratorTable(hAccel, NULL, 0) : 0;
        copy.entries.resize(static_cast<size_t>(nCount));
        if (nCount > 0)
            CopyAcceleratorTable(hAccel, copy.entries.data(), nCount);
        copy.hSource = hAccel;
    }
    return copy.entries;
}

const int numberPadFirst = 0x60;
const int numberPadLast = 0x69;
} // namespace

CVrxPKeyboardManager::CVrxPKeyboardManager()
{
    s_pManager = this;
}

CVrxPKeyboardManager::~CVrxPKeyboardManager()
{
    if (s_pManager == this)
        s_pManager = nullptr;
}

CVrxPKeyboardManager* CVrxPKeyboardManager::Instance()
{
    return s_pManager;
}

void CVrxPKeyboardManager::ReleaseTables()
{
    for (TableCopy& copy : s_copies)
    {
        std::vector<ACCEL>().swap(copy.entries);
        copy.hSource = NULL;
    }
}

CFrameWnd* CVrxPKeyboardManager::FrameOrMainWindow(CFrameWnd* pFrame)
{
    if (pFrame != nullptr)
        return pFrame;
    CWnd* pMainWnd = AfxGetMainWnd();
    return pMainWnd != nullptr && pMainWnd->IsFrameWnd() ? static_cast<CFrameWnd*>(pMainWnd) : nullptr;
}

CString CVrxPKeyboardManager::TablePath(LPCTSTR lpszProfile, int nNumber) const
{
    CString path;
    path.Format(keyFormat, static_cast<LPCTSTR>(VrxPBuildRegistryPath(VrxPSectionKeyboardManager, lpszProfile)),
                nNumber);
    return path;
}

BOOL CVrxPKeyboardManager::StoreState(LPCTSTR lpszProfile, CFrameWnd* pFrame)
{
    for (CMultiDocTemplate* pTemplate : TemplatesWithTables())
        SaveTable(lpszProfile, static_cast<int>(pTemplate->m_nIDResource), pTemplate->m_hAccelTable);
    pFrame = FrameOrMainWindow(pFrame);
    if (pFrame != nullptr && pFrame->m_hAccelTable != NULL)
        SaveTable(lpszProfile, mainFrameTable, pFrame->m_hAccelTable);
    return TRUE;
}

BOOL CVrxPKeyboardManager::RestoreState(LPCTSTR lpszProfile, CFrameWnd* pFrame)
{
    for (CMultiDocTemplate* pTemplate : TemplatesWithTables())
    {
        HACCEL hAccel = NULL;
        if (LoadTable(lpszProfile, static_cast<int>(pTemplate->m_nIDResource), hAccel) &&
            !SetAccelTable(pTemplate, hAccel, nullptr))
            DestroyAcceleratorTable(hAccel);
    }
    pFrame = FrameOrMainWindow(pFrame);
    if (pFrame != nullptr && pFrame->m_hAccelTable != NULL)
    {
        HACCEL hAccel = NULL;
        if (LoadTable(lpszProfile, mainFrameTable, hAccel) && !SetAccelTable(nullptr, hAccel, pFrame))
            DestroyAcceleratorTable(hAccel);
    }
    return TRUE;
}

void CVrxPKeyboardManager::RestoreDefaultAccelerators()
{
    for (CMultiDocTemplate* pTemplate : TemplatesWithTables())
    {
        HACCEL hAccel = LoadAcceleratorResource(pTemplate->m_nIDResource);
        if (hAccel != NULL && !SetAccelTable(pTemplate, hAccel, nullptr))
            DestroyAcceleratorTable(hAccel);
    }
    CFrameWnd* pFrame = FrameOrMainWindow(nullptr);
    if (pFrame == nullptr || pFrame->m_hAccelTable == NULL)
        return;
    const UINT nMenuId = pFrame->IsKindOf(RUNTIME_CLASS(CVrxPMDIFrameWnd))
                             ? static_cast<CVrxPMDIFrameWnd*>(pFrame)->GetDefaultMenuId()
                             : 0;
    HACCEL hAccel = LoadAcceleratorResource(nMenuId);
    if (hAccel == NULL)
        return;
    DestroyAcceleratorTable(pFrame->m_hAccelTable);
    pFrame->m_hAccelTable = hAccel;
}

std::vector<CMultiDocTemplate*> CVrxPKeyboardManager::TemplatesWithTables()
{
    std::vector<CMultiDocTemplate*> templates;
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return templates;
    for (POSITION pos = pApp->GetFirstDocTemplatePosition(); pos != NULL;)
    {
        CDocTemplate* pTemplate = pApp->GetNextDocTemplate(pos);
        if (!pTemplate->IsKindOf(RUNTIME_CLASS(CMultiDocTemplate)))
            continue;
        CMultiDocTemplate* pMulti = static_cast<CMultiDocTemplate*>(pTemplate);
        if (pMulti->m_hAccelTable != NULL)
            templates.push_back(pMulti);
    }
    return templates;
}

HACCEL CVrxPKeyboardManager::LoadAcceleratorResource(UINT nId)
{
    if (nId == 0)
        return NULL;
    const LPCTSTR lpszName = MAKEINTRESOURCE(nId);
    return LoadAccelerators(AfxFindResourceHandle(lpszName, RT_ACCELERATOR), lpszName);
}

BOOL CVrxPKeyboardManager::SaveTable(LPCTSTR lpszPath, int nNumber, HACCEL hAccel)
{
    const int nCount = CopyAcceleratorTable(hAccel, NULL, 0);
    if (nCount <= 0)
        return FALSE;
    std::vector<VrxPStoredAccel> entries(static_cast<size_t>(nCount));
    CopyAcceleratorTable(hAccel, reinterpret_cast<ACCEL*>(entries.data()), nCount);
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
    if (!registry.MakeKey(TablePath(lpszPath, nNumber)))
        return FALSE;
    const std::vector<BYTE> bytes = CVrxPStoredAccelTable::Store(entries);
    return registry.WriteBinary(valueAccelerators, bytes.data(), static_cast<UINT>(bytes.size()));
}

BOOL CVrxPKeyboardManager::LoadTable(LPCTSTR lpszPath, int nNumber, HACCEL& hAccel)
{
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, TRUE);
    if (!registry.OpenKey(TablePath(lpszPath, nNumber)))
        return FALSE;
    BYTE* pData = nullptr;
    UINT nSize = 0;
    if (!registry.ReadBinary(valueAccelerators, pData, nSize))
        return FALSE;
    std::unique_ptr<BYTE[]> data(pData);
    const CList<UINT, UINT>& forbidden = CVrxPToolBar::ForbiddenCommands();
    std::vector<UINT> forbiddenCommands;
    for (POSITION pos = forbidden.GetHeadPosition(); pos != NULL;)
        forbiddenCommands.push_back(forbidden.GetNext(pos));
    CVrxPStoredAccelTable table;
    if (!table.Read(pData, nSize, forbiddenCommands))
        return FALSE;
    std::vector<VrxPStoredAccel> entries = table.GetEntries();
    HACCEL hLoaded = CreateAcceleratorTable(reinterpret_cast<ACCEL*>(entries.data()), static_cast<int>(entries.size()));
    if (hLoaded == NULL)
        return FALSE;
    hAccel = hLoaded;
    return TRUE;
}

BOOL CVrxPKeyboardManager::InstallAccelTable(CMultiDocTemplate* pTemplate, const ACCEL* pEntries, int nCount,
                                             CFrameWnd* pFrame)
{
    HACCEL hAccel = CreateAcceleratorTable(const_cast<ACCEL*>(pEntries), nCount);
    if (hAccel == NULL)
        return FALSE;
    if (!SetAccelTable(pTemplate, hAccel, pFrame))
    {
        DestroyAcceleratorTable(hAccel);
        return FALSE;
    }
    return TRUE;
}

BOOL CVrxPKeyboardManager::SetAccelTable(CMultiDocTemplate* pTemplate, HACCEL hAccel, CFrameWnd* pFrame)
{
    HACCEL hOld;
    if (pTemplate != nullptr)
    {
        hOld = pTemplate->m_hAccelTable;
        pTemplate->m_hAccelTable = hAccel;
        POSITION posDocument = pTemplate->GetFirstDocPosition();
        while (posDocument != NULL)
        {
            CDocument* pDocument = pTemplate->GetNextDoc(posDocument);
            POSITION posView = pDocument->GetFirstViewPosition();
            while (posView != NULL)
            {
                CFrameWnd* pViewFrame = pDocument->GetNextView(posView)->GetParentFrame();
                if (pViewFrame != nullptr && pViewFrame->m_hAccelTable == hOld)
                    pViewFrame->m_hAccelTable = hAccel;
            }
        }
    }
    else
    {
        pFrame = FrameOrMainWindow(pFrame);
        if (pFrame == nullptr)
            return FALSE;
        hOld = pFrame->m_hAccelTable;
        pFrame->m_hAccelTable = hAccel;
    }
    if (hOld != NULL && hOld != hAccel)
        DestroyAcceleratorTable(hOld);
    return TRUE;
}

BOOL CVrxPKeyboardManager::IsKeyBound(WORD key, BYTE fVirt, CFrameWnd* pFrame, BOOL bOtherCache)
{
    pFrame = FrameOrMainWindow(pFrame);
    if (pFrame == nullptr)
        return FALSE;
    for (const ACCEL& entry : CopyOf(pFrame->GetDefaultAccelerator(), bOtherCache))
        if (entry.key == key && entry.fVirt == fVirt)
            return TRUE;
    return FALSE;
}

BOOL CVrxPKeyboardManager::LookupShortcutText(UINT nCommand, CString& text, CFrameWnd* pFrame, BOOL bOtherCache)
{
    text.Empty();
    pFrame = FrameOrMainWindow(pFrame);
    if (pFrame == nullptr)
        return FALSE;
    for (const ACCEL& entry : CopyOf(pFrame->GetDefaultAccelerator(), bOtherCache))
        if (entry.cmd == nCommand)
        {
            CVrxPAccelFormatter(&entry).BuildText(text);
            return TRUE;
        }
    return FALSE;
}

BOOL CVrxPKeyboardManager::ProducesCharacter(UINT nVirtualKey)
{
    BYTE keyState[256] = {};
    GetKeyboardState(keyState);
    WORD characters[2] = {};
    return ToAsciiEx(nVirtualKey, MapVirtualKey(nVirtualKey, 0), keyState, characters, 0,
                     GetKeyboardLayout(GetCurrentThreadId())) > 0;
}

UINT CVrxPKeyboardManager::UpperCaseKey(UINT nCode)
{
    const BOOL bAlt = (GetKeyState(VK_MENU) & 0x8000) != 0;
    if (static_cast<int>(nCode) < numberPadFirst || static_cast<int>(nCode) > numberPadLast || bAlt)
    {
        if ((nCode >= 'A' && nCode <= 'Z') || bAlt)
            return nCode;
        return static_cast<UINT>(toupper(static_cast<int>(nCode)));
    }
    BYTE keyState[256] = {};
    GetKeyboardState(keyState);
    WORD characters[2] = {};
    if (ToAsciiEx(nCode, MapVirtualKey(nCode, 0), keyState, characters, 1, GetKeyboardLayout(GetCurrentThreadId())) <= 0)
        return nCode;
    return static_cast<UINT>(toupper(characters[0] & 0xFF));
}
