#include "ole/COleException.h"

IMPLEMENT_DYNAMIC(COleException, CException)

COleException::COleException(SCODE sc, BOOL bAutoDelete)
    : CException(bAutoDelete), m_sc(sc)
{
}

SCODE COleException::Process(const CException* pAnyException)
{
    if (pAnyException->IsKindOf(RUNTIME_CLASS(COleException)))
        return static_cast<const COleException*>(pAnyException)->m_sc;
    if (pAnyException->IsKindOf(RUNTIME_CLASS(CMemoryException)))
        return E_OUTOFMEMORY;
    if (pAnyException->IsKindOf(RUNTIME_CLASS(CNotSupportedException)))
        return E_NOTIMPL;
    if (pAnyException->IsKindOf(RUNTIME_CLASS(CInvalidArgException)))
        return E_INVALIDARG;
    return E_UNEXPECTED;
}

BOOL COleException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    CString text;
#ifdef _WIN32
    LPTSTR lpszSystem = nullptr;
    DWORD nLength = ::FormatMessage(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                        FORMAT_MESSAGE_IGNORE_INSERTS,
                                    nullptr, static_cast<DWORD>(m_sc), 0,
                                    reinterpret_cast<LPTSTR>(&lpszSystem), 0, nullptr);
    if (nLength != 0)
    {
        text = lpszSystem;
        text.TrimRight();
    }
    if (lpszSystem != nullptr)
        ::LocalFree(lpszSystem);
#endif
    if (text.IsEmpty())
        text.Format("OLE error 0x%08lX", static_cast<unsigned long>(m_sc));
    return CopyErrorMessage(text, lpszError, nMaxError, pnHelpContext);
}

void AfxThrowOleException(SCODE sc)
{
    throw new COleException(sc);
}
