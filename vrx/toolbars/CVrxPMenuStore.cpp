#include "toolbars/CVrxPMenuStore.h"

#include "files/CArchive.h"
#include "files/CFile.h"
#include "toolbars/CVrxPToolBar.h"

namespace
{
BOOL s_bStoring = FALSE;
} // namespace

CVrxPMenuStore::CVrxPMenuStore() = default;

CVrxPMenuStore::~CVrxPMenuStore()
{
    CloseAll();
}

CVrxPMenuStore& CVrxPMenuStore::Global()
{
    static CVrxPMenuStore store;
    return store;
}

BOOL CVrxPMenuStore::IsStoring()
{
    return s_bStoring;
}

BOOL CVrxPMenuStore::HasStored(HMENU hMenu) const
{
    HANDLE hFile = NULL;
    return m_files.Lookup(hMenu, hFile);
}

// The new file is written before the old one goes, so a failed store
// loses nothing.
BOOL CVrxPMenuStore::Store(HMENU hMenu, CVrxPToolBar* pBar)
{
    if (pBar == nullptr || pBar->GetCount() == 0)
        return FALSE;
    char folder[MAX_PATH] = "";
    char path[MAX_PATH] = "";
    if (::GetTempPath(sizeof(folder), folder) == 0 || ::GetTempFileName(folder, tempFilePrefix, 0, path) == 0)
        return FALSE;
    HANDLE hFile = ::CreateFile(path, GENERIC_READ | GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                                FILE_FLAG_DELETE_ON_CLOSE | FILE_ATTRIBUTE_TEMPORARY, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    s_bStoring = TRUE;
    try
    {
        CFile file(hFile);
        CArchive ar(&file, CArchive::store);
        pBar->Serialize(ar);
        ar.Close();
    }
    catch (CException* e)
    {
        e->Delete();
        s_bStoring = FALSE;
        ::CloseHandle(hFile);
        return FALSE;
    }
    s_bStoring = FALSE;
    Discard(hMenu);
    m_files.SetAt(hMenu, hFile);
    return TRUE;
}

BOOL CVrxPMenuStore::Restore(HMENU hMenu, CVrxPToolBar* pBar)
{
    HANDLE hFile = NULL;
    if (pBar == nullptr || !m_files.Lookup(hMenu, hFile))
        return FALSE;
    if (::SetFilePointer(hFile, 0, NULL, FILE_BEGIN) == INVALID_SET_FILE_POINTER)
        return FALSE;
    s_bStoring = TRUE;
    try
    {
        CFile file(hFile);
        CArchive ar(&file, CArchive::load);
        pBar->Serialize(ar);
        ar.Close();
    }
    catch (CException* e)
    {
        e->Delete();
        s_bStoring = FALSE;
        return FALSE;
    }
    s_bStoring = FALSE;
    return TRUE;
}

BOOL CVrxPMenuStore::Discard(HMENU hMenu)
{
    HANDLE hFile = NULL;
    if (!m_files.Lookup(hMenu, hFile))
        return FALSE;
    ::CloseHandle(hFile);
    m_files.RemoveKey(hMenu);
    return TRUE;
}

void CVrxPMenuStore::CloseAll()
{
    for (POSITION pos = m_files.GetStartPosition(); pos != NULL;)
    {
        HMENU hMenu = NULL;
        HANDLE hFile = NULL;
        m_files.GetNextAssoc(pos, hMenu, hFile);
        ::CloseHandle(hFile);
    }
    m_files.RemoveAll();
}
