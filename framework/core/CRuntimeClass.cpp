#include "core/CRuntimeClass.h"

#include "core/CException.h"
#include "core/CObject.h"
#include "files/CArchive.h"

#include <cstring>
#include <mutex>
#include <new>

namespace {

// The registry is a list threaded through the records themselves, so it
// needs no storage of its own and works at any point of any module's static
// initialisation or teardown. Records are appended: the framework's classes
// come first, then the exe's, then those of DLLs in the order they load.
std::mutex registryLock;
CRuntimeClass* firstClass = nullptr;

CRuntimeClass** FindLink(CRuntimeClass* pClass)
{
    for (CRuntimeClass** link = &firstClass; *link != nullptr; link = &(*link)->m_pNextClass)
    {
        if (*link == pClass)
            return link;
    }
    return nullptr;
}

} // namespace

void AfxRegisterClass(CRuntimeClass* pClass, HMODULE hModule)
{
    std::lock_guard<std::mutex> lock(registryLock);
    if (FindLink(pClass) != nullptr)
        return;
    pClass->m_hModule = hModule;
    pClass->m_pNextClass = nullptr;
    CRuntimeClass** link = &firstClass;
    while (*link != nullptr)
        link = &(*link)->m_pNextClass;
    *link = pClass;
}

void AfxUnregisterClass(CRuntimeClass* pClass)
{
    std::lock_guard<std::mutex> lock(registryLock);
    CRuntimeClass** link = FindLink(pClass);
    if (link == nullptr)
        return;
    *link = pClass->m_pNextClass;
    pClass->m_pNextClass = nullptr;
}

void AfxUnregisterModuleClasses(HMODULE hModule)
{
    std::lock_guard<std::mutex> lock(registryLock);
    CRuntimeClass** link = &firstClass;
    while (*link != nullptr)
    {
        CRuntimeClass* pClass = *link;
        if (pClass->m_hModule == hModule)
        {
            *link = pClass->m_pNextClass;
            pClass->m_pNextClass = nullptr;
        }
        else
        {
            link = &pClass->m_pNextClass;
        }
    }
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    if (lpszClassName == NULL)
        return nullptr;
    std::lock_guard<std::mutex> lock(registryLock);
    for (CRuntimeClass* pClass = firstClass; pClass != nullptr; pClass = pClass->m_pNextClass)
    {
        if (std::strcmp(pClass->m_lpszClassName, lpszClassName) == 0)
            return pClass;
    }
    return nullptr;
}

CObject* CRuntimeClass::CreateObject(LPCSTR lpszClassName)
{
    CRuntimeClass* pClass = FromName(lpszClassName);
    return pClass != nullptr ? pClass->CreateObject() : nullptr;
}

CObject* CRuntimeClass::CreateObject() const
{
    if (m_pfnCreateObject == nullptr)
        return nullptr;
    try
    {
        return m_pfnCreateObject();
    }
    catch (CException* e)
    {
        e->Delete();
    }
    catch (const std::bad_alloc&)
    {
    }
    return nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* pClass = this; pClass != nullptr;
         pClass = pClass->m_pfnGetBaseClass != nullptr ? pClass->m_pfnGetBaseClass() : nullptr)
    {
        if (pClass == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

void CRuntimeClass::Store(CArchive& ar) const
{
    const WORD nLength = static_cast<WORD>(std::strlen(m_lpszClassName));
    ar << static_cast<WORD>(m_wSchema) << nLength;
    ar.Write(m_lpszClassName, nLength);
}

CRuntimeClass* CRuntimeClass::Load(CArchive& ar, UINT* pwSchemaNum)
{
    WORD wSchema = 0;
    WORD nLength = 0;
    ar >> wSchema >> nLength;
    if (pwSchemaNum != NULL)
        *pwSchemaNum = wSchema;
    CString name;
    if (ar.Read(name.GetBufferSetLength(nLength), nLength) != nLength)
        AfxThrowArchiveException(CArchiveException::endOfFile);
    // A name with a NUL inside names no class, whatever precedes the NUL.
    if (name.Find('\0') != -1)
        return nullptr;
    return FromName(name);
}
