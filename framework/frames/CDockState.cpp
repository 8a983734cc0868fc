#include "frames/CDockState.h"

#include "app/CWinApp.h"
#include "core/CException.h"
#include "files/CArchive.h"
#include "files/CMemFile.h"
#include "frames/FrameIds.h"

#include <memory>

IMPLEMENT_SERIAL(CDockState, CObject, 1)

namespace
{
const UINT headerBytes = 4;
const UINT barBytes = 3;

BOOL IsBarId(UINT nID)
{
    return nID >= AFX_IDW_CONTROLBAR_FIRST && nID <= AFX_IDW_CONTROLBAR_LAST;
}
} // namespace

CDockState::CDockState() = default;

CDockState::~CDockState() = default;

void CDockState::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << formNumber << static_cast<WORD>(m_arrBarInfo.GetSize());
        for (INT_PTR i = 0; i < m_arrBarInfo.GetSize(); ++i)
            ar << static_cast<WORD>(m_arrBarInfo[i].nBarID) << static_cast<BYTE>(m_arrBarInfo[i].bVisible ? 1 : 0);
        return;
    }
    Clear();
    WORD wForm = 0;
    WORD wCount = 0;
    ar >> wForm >> wCount;
    if (wForm != formNumber)
        AfxThrowArchiveException(CArchiveException::badSchema);
    // More bars than the id range holds cannot come from a frame.
    if (wCount > AFX_IDW_CONTROLBAR_LAST - AFX_IDW_CONTROLBAR_FIRST + 1)
        AfxThrowArchiveException(CArchiveException::genericException);
    for (WORD i = 0; i < wCount; ++i)
    {
        WORD wID = 0;
        BYTE bVisible = 0;
        ar >> wID >> bVisible;
        if (!IsBarId(wID) || bVisible > 1)
        {
            Clear();
            AfxThrowArchiveException(CArchiveException::genericException);
        }
        m_arrBarInfo.Add(BarInfo{wID, bVisible});
    }
}

BOOL CDockState::LoadState(LPCTSTR lpszProfileName)
{
    Clear();
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return FALSE;
    LPBYTE pData = NULL;
    UINT nBytes = 0;
    if (!pApp->GetProfileBinary(lpszProfileName, valueName, &pData, &nBytes))
        return FALSE;
    std::unique_ptr<BYTE[]> data(pData);
    if (nBytes == 0)
        return FALSE;
    CMemFile file(data.get(), nBytes);
    BOOL bLoaded = FALSE;
    try
    {
        CArchive ar(&file, CArchive::load);
        Serialize(ar);
        ar.Close();
        // Bytes left over mean a value of some other form.
        bLoaded = nBytes == headerBytes + barBytes * static_cast<UINT>(m_arrBarInfo.GetSize());
    }
    catch (CException* e)
    {
        e->Delete();
    }
    if (!bLoaded)
        Clear();
    return bLoaded;
}

BOOL CDockState::SaveState(LPCTSTR lpszProfileName) const
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return FALSE;
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        const_cast<CDockState*>(this)->Serialize(ar);
        ar.Close();
    }
    const UINT nBytes = static_cast<UINT>(file.GetLength());
    BYTE* pData = file.Detach();
    const BOOL bSaved = pApp->WriteProfileBinary(lpszProfileName, valueName, pData, nBytes);
    free(pData);
    return bSaved;
}

void CDockState::Clear()
{
    m_arrBarInfo.RemoveAll();
}
