#include "core/CException.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

#ifdef _WIN32

// "Could not find 'x'." becomes "Could not find 'x': The system cannot ...".
void AppendSystemText(CString& text, DWORD dwOsError)
{
    char* pszSystemText = nullptr;
    DWORD nLength = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, dwOsError, 0, reinterpret_cast<LPSTR>(&pszSystemText), 0, nullptr);
    if (nLength == 0)
        return;
    CString systemText(pszSystemText, static_cast<int>(nLength));
    LocalFree(pszSystemText);
    systemText.TrimRight();
    if (systemText.IsEmpty())
        return;
    text.Delete(text.GetLength() - 1);
    text += ": " + systemText;
}
#else
// The native build has no system message table: the cause's text stands alone.
void AppendSystemText(CString&, DWORD)
{
}
#endif

} // namespace

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CException)
IMPLEMENT_DYNAMIC(CInvalidArgException, CException)
IMPLEMENT_DYNAMIC(CResourceException, CException)
IMPLEMENT_DYNAMIC(CUserException, CException)
IMPLEMENT_DYNAMIC(CFileException, CException)
IMPLEMENT_DYNAMIC(CArchiveException, CException)

CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete)
{
}

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    return CopyErrorMessage(NULL, lpszError, nMaxError, pnHelpContext);
}

BOOL CException::CopyErrorMessage(LPCTSTR lpszText, LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    if (lpszError != NULL && nMaxError > 0)
    {
        const char* text = lpszText != NULL ? lpszText : "";
        const size_t nCopy = std::min<size_t>(std::strlen(text), nMaxError - 1);
        std::memcpy(lpszError, text, nCopy);
        lpszError[nCopy] = '\0';
    }
    return lpszText != NULL;
}

BOOL CMemoryException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    return CopyErrorMessage("Out of memory.", lpszError, nMaxError, pnHelpContext);
}

BOOL CNotSupportedException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    return CopyErrorMessage("The operation is not supported.", lpszError, nMaxError, pnHelpContext);
}

BOOL CInvalidArgException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    return CopyErrorMessage("An argument was out of range.", lpszError, nMaxError, pnHelpContext);
}

BOOL CResourceException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    return CopyErrorMessage("A resource could not be found or created.", lpszError, nMaxError, pnHelpContext);
}

CFileException::CFileException(int cause, LONG lOsError, LPCTSTR lpszFileName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszFileName)
{
}

BOOL CFileException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    static const char* const causeTexts[] = {
        "No error occurred with %s.",
        "An error occurred with %s.",
        "Could not find %s.",
        "The path of %s is not valid.",
        "Could not open %s: too many files are open.",
        "Access to %s was denied.",
        "The handle of %s is not valid.",
        "Could not remove %s: it is the current folder.",
        "Could not create %s: the folder is full.",
        "A seek failed on %s.",
        "A hardware error occurred while accessing %s.",
        "A sharing violation occurred while accessing %s.",
        "A lock violation occurred while accessing %s.",
        "The disk is full while writing %s.",
        "An attempt was made to access %s past its end.",
    };
    const char* format = m_cause >= none && m_cause <= endOfFile ? causeTexts[m_cause] : causeTexts[genericException];
    CString name = m_strFileName.IsEmpty() ? CString("an unnamed file") : "'" + m_strFileName + "'";
    CString text;
    text.Format(format, static_cast<LPCTSTR>(name));
    if (m_lOsError > 0)
        AppendSystemText(text, static_cast<DWORD>(m_lOsError));
    return CopyErrorMessage(text, lpszError, nMaxError, pnHelpContext);
}

int CFileException::OsErrorToException(LONG lOsError)
{
    switch (lOsError)
    {
    case NO_ERROR:
        return none;
    case ERROR_FILE_NOT_FOUND:
        return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_NAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_DIRECTORY:
    case ERROR_BAD_NETPATH:
        return badPath;
    case ERROR_TOO_MANY_OPEN_FILES:
        return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return accessDenied;
    case ERROR_INVALID_HANDLE:
    case ERROR_INVALID_ACCESS:
        return invalidFile;
    case ERROR_CURRENT_DIRECTORY:
        return removeCurrentDir;
    case ERROR_CANNOT_MAKE:
        return directoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK:
        return badSeek;
    case ERROR_NOT_READY:
    case ERROR_CRC:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_WRITE_FAULT:
    case ERROR_READ_FAULT:
    case ERROR_GEN_FAILURE:
        return hardIO;
    case ERROR_SHARING_VIOLATION:
        return sharingViolation;
    case ERROR_LOCK_VIOLATION:
        return lockViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return diskFull;
    case ERROR_HANDLE_EOF:
        return endOfFile;
    default:
        return genericException;
    }
}

void CFileException::ThrowOsError(LONG lOsError, LPCTSTR lpszFileName)
{
    AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

CArchiveException::CArchiveException(int cause, LPCTSTR lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName)
{
}

BOOL CArchiveException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    static const char* const causeTexts[] = {
        "No archive error occurred.",
        "An unexpected archive error occurred.",
        "An attempt was made to write to an archive opened for loading.",
        "An attempt was made to read past the end of an archive.",
        "An attempt was made to read from an archive opened for storing.",
        "The archive holds an invalid object reference.",
        "The archive holds an object of an unknown class.",
        "The archive holds an object of an unsupported version.",
    };
    const char* text = m_cause >= none && m_cause <= badSchema ? causeTexts[m_cause] : causeTexts[genericException];
    return CopyErrorMessage(text, lpszError, nMaxError, pnHelpContext);
}

void AfxThrowMemoryException()
{
    // Shared and never deleted: throwing it needs no memory.
    static CMemoryException outOfMemory(FALSE);
    throw &outOfMemory;
}

void AfxThrowNotSupportedException()
{
    throw new CNotSupportedException;
}

void AfxThrowInvalidArgException()
{
    throw new CInvalidArgException;
}

void AfxThrowResourceException()
{
    throw new CResourceException;
}

void AfxThrowUserException()
{
    throw new CUserException;
}

void AfxThrowFileException(int cause, LONG lOsError, LPCTSTR lpszFileName)
{
    throw new CFileException(cause, lOsError, lpszFileName);
}

void AfxThrowArchiveException(int cause, LPCTSTR lpszArchiveName)
{
    throw new CArchiveException(cause, lpszArchiveName);
}
