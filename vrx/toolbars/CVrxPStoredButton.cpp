#include "toolbars/CVrxPStoredButton.h"

#include "core/CException.h"
#include "files/CArchive.h"
#include "files/CMemFile.h"

#include <memory>
#include <vector>

void CVrxPStoredButton::Serialize(CArchive& ar, bool bVisibleFlag)
{
    if (ar.IsStoring())
    {
        ar << commandId << style << image << text << userImage << reserved << textShown << imageShown;
        if (bVisibleFlag)
            ar << visible;
        return;
    }
    ar >> commandId >> style >> image >> text >> userImage >> reserved >> textShown >> imageShown;
    if (bVisibleFlag)
        ar >> visible;
}

CObject* VrxPReadArchivedButton(const BYTE* pData, size_t nBytes, const CRuntimeClass* pBase)
{
    if (pData == nullptr || nBytes == 0 || nBytes > CVrxPStoredButton::maxDataBytes)
        return nullptr;
    // The memory file reads from a buffer of its own: the caller's may be locked global memory.
    std::vector<BYTE> copy(pData, pData + nBytes);
    CMemFile file(copy.data(), static_cast<UINT>(copy.size()));
    std::unique_ptr<CObject> pButton;
    try
    {
        CArchive ar(&file, CArchive::load);
        // The class is checked before anything of it is made.
        CRuntimeClass* pClass = ar.ReadClass(pBase);
        if (pClass == nullptr)
            return nullptr;
        pButton.reset(pClass->CreateObject());
        if (pButton == nullptr)
            return nullptr;
        pButton->Serialize(ar);
        ar.Close();
    }
    catch (CException* pError)
    {
        pError->Delete();
        return nullptr;
    }
    return pButton.release();
}

void VrxPReadButtonList(CArchive& ar, const CRuntimeClass* pBase, CObList& loaded)
{
    const DWORD_PTR nCount = ar.ReadCount();
    for (DWORD_PTR i = 0; i < nCount; i++)
    {
        CObject* pObject = ar.ReadOwnedObject(pBase);
        if (pObject == nullptr)
            AfxThrowArchiveException(CArchiveException::badIndex);
        loaded.AddTail(pObject);
    }
}

bool VrxPLoadButtonList(const BYTE* pData, size_t nBytes, const CRuntimeClass* pBase, CObList& loaded)
{
    if (pData == nullptr || nBytes == 0 || nBytes > CVrxPStoredButton::maxListBytes)
        return false;
    std::vector<BYTE> copy(pData, pData + nBytes);
    CMemFile file(copy.data(), static_cast<UINT>(copy.size()));
    bool bLoaded = false;
    try
    {
        CArchive ar(&file, CArchive::load);
        VrxPReadButtonList(ar, pBase, loaded);
        ar.Close();
        bLoaded = file.GetPosition() == copy.size();
    }
    catch (CException* pError)
    {
        pError->Delete();
    }
    if (!bLoaded)
        while (!loaded.IsEmpty())
            delete loaded.RemoveHead();
    return bLoaded;
}
