#include "foundation/CVrxPRegistry.h"

#include "files/CArchive.h"
#include "files/CMemFile.h"

#include <cstdlib>
#include <memory>
#include <vector>

IMPLEMENT_DYNCREATE(CVrxPRegistry, CObject)

namespace
{
const REGSAM readAccess = KEY_READ;
const REGSAM fullAccess = KEY_ALL_ACCESS;
const UINT archiveGrowBytes = 1024;
const UINT pointGrowBytes = 16;
// A point is stored as the DWORD array {x, y, 0, 0, 0}.
const int pointElements = 5;

BOOL IsRoot(HKEY hKey)
{
    return hKey == HKEY_CURRENT_USER || hKey == HKEY_LOCAL_MACHINE;
}

CString WithoutTrailingBackslash(LPCTSTR lpszPath)
{
    CString path(lpszPath != NULL ? lpszPath : "");
    if (!path.IsEmpty() && path[path.GetLength() - 1] == '\\')
        path = path.Left(path.GetLength() - 1);
    return path;
}

[[noreturn]] void ThrowShortData()
{
    AfxThrowArchiveException(CArchiveException::endOfFile);
}
} // namespace

CVrxPRegistry::CVrxPRegistry()
    : lastResult(ERROR_SUCCESS), lastKind(0), lastSize(0), currentKey(HKEY_CURRENT_USER),
      machineWide(FALSE), readOnly(FALSE)
{
}

CVrxPRegistry::~CVrxPRegistry()
{
    if (currentKey != NULL && !IsRoot(currentKey))
        RegCloseKey(currentKey);
}

REGSAM CVrxPRegistry::OpenAccess() const
{
    return readOnly ? readAccess : fullAccess;
}

void CVrxPRegistry::Record(LONG result, DWORD kind, DWORD size)
{
    lastResult = result;
    lastKind = kind;
    lastSize = size;
}

// The key that was current is closed once the new one is in place, so a
// caller that opens key after key does not pile up handles.
void CVrxPRegistry::MakeCurrent(HKEY hKey)
{
    if (currentKey != NULL && !IsRoot(currentKey))
        RegCloseKey(currentKey);
    currentKey = hKey;
}

BOOL CVrxPRegistry::QueryValue(LPCTSTR lpszName, DWORD& type, BYTE* pData, DWORD& nSize)
{
    LONG result = RegQueryValueEx(currentKey, lpszName, NULL, &type, pData, &nSize);
    Record(result, type, result == ERROR_SUCCESS ? nSize : 0);
    return result == ERROR_SUCCESS;
}

BOOL CVrxPRegistry::EnumValueNames(CStringArray& names)
{
    for (DWORD index = 0;; index++)
    {
        char name[maxNameBytes];
        DWORD nLength = maxNameBytes;
        if (RegEnumValue(currentKey, index, name, &nLength, NULL, NULL, NULL, NULL) != ERROR_SUCCESS)
            return index > 0;
        names.Add(CString(name, static_cast<int>(nLength)));
    }
}

BOOL CVrxPRegistry::KeyExists(LPCTSTR lpszPath)
{
    HKEY hKey;
    LONG result = RegOpenKeyEx(currentKey, WithoutTrailingBackslash(lpszPath), 0, OpenAccess(), &hKey);
    Record(result, 0, 0);
    if (result != ERROR_SUCCESS)
        return FALSE;
    RegCloseKey(hKey);
    return TRUE;
}

BOOL CVrxPRegistry::ValueExists(LPCTSTR lpszName)
{
    DWORD type = 0;
    DWORD nSize = 0;
    return QueryValue(lpszName, type, NULL, nSize);
}

BOOL CVrxPRegistry::MakeKey(LPCTSTR lpszPath)
{
    if (readOnly)
        return FALSE;
    HKEY hKey;
    LONG result = RegCreateKeyEx(currentKey, WithoutTrailingBackslash(lpszPath), 0, NULL, REG_OPTION_NON_VOLATILE,
                                 fullAccess, NULL, &hKey, NULL);
    Record(result, 0, 0);
    if (result != ERROR_SUCCESS)
        return FALSE;
    MakeCurrent(hKey);
    return TRUE;
}

BOOL CVrxPRegistry::OpenKey(LPCTSTR lpszPath)
{
    HKEY hKey;
    LONG result = RegOpenKeyEx(currentKey, WithoutTrailingBackslash(lpszPath), 0, OpenAccess(), &hKey);
    Record(result, 0, 0);
    if (result != ERROR_SUCCESS)
        return FALSE;
    MakeCurrent(hKey);
    return TRUE;
}

BOOL CVrxPRegistry::CloseKey()
{
    LONG result = ERROR_SUCCESS;
    if (currentKey != NULL && !IsRoot(currentKey))
        result = RegCloseKey(currentKey);
    currentKey = NULL;
    return result == ERROR_SUCCESS;
}

BOOL CVrxPRegistry::RemoveValue(LPCTSTR lpszName)
{
    LONG result = RegDeleteValue(currentKey, lpszName);
    Record(result, 0, 0);
    return result == ERROR_SUCCESS;
}

BOOL CVrxPRegistry::RemoveKey(LPCTSTR lpszPath, BOOL bMachineWide)
{
    if (readOnly)
        return FALSE;
    HKEY hRoot = bMachineWide ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    CString path = WithoutTrailingBackslash(lpszPath);
    HKEY hKey;
    if (RegOpenKeyEx(hRoot, path, 0, fullAccess, &hKey) != ERROR_SUCCESS)
        return FALSE;
    for (;;)
    {
        DWORD nSubKeys = 0;
        DWORD nLongestName = 0;
        if (RegQueryInfoKey(hKey, NULL, NULL, NULL, &nSubKeys, &nLongestName, NULL, NULL, NULL, NULL, NULL, NULL) !=
            ERROR_SUCCESS)
        {
            RegCloseKey(hKey);
            return FALSE;
        }
        if (nSubKeys == 0)
            break;
        std::vector<char> name(nLongestName + 1);
        DWORD nLength = static_cast<DWORD>(name.size());
        if (RegEnumKeyEx(hKey, 0, name.data(), &nLength, NULL, NULL, NULL, NULL) != ERROR_SUCCESS ||
            !RemoveKey(path + "\\" + CString(name.data(), static_cast<int>(nLength)), bMachineWide))
        {
            RegCloseKey(hKey);
            return FALSE;
        }
    }
    RegCloseKey(hKey);
    LONG result = RegDeleteKey(hRoot, path);
    Record(result, 0, 0);
    return result == ERROR_SUCCESS;
}

template <class Writer>
BOOL CVrxPRegistry::WriteArchive(LPCTSTR lpszName, UINT nGrowBytes, DWORD kind, Writer write)
{
    if (readOnly)
        return FALSE;
    CMemFile file(nGrowBytes);
    try
    {
        CArchive ar(&file, CArchive::store);
        try
        {
            write(ar);
            ar.Close();
        }
        catch (CException*)
        {
            ar.Abort();
            throw;
        }
    }
    catch (CException* e)
    {
        e->Delete();
        return FALSE;
    }
    UINT nSize = static_cast<UINT>(file.GetLength());
    BYTE* pData = file.Detach();
    BOOL bResult;
    if (kind == kindPoint)
    {
        LONG result = RegSetValueEx(currentKey, lpszName, 0, REG_BINARY, pData, nSize);
        Record(result, kindPoint, nSize);
        bResult = result == ERROR_SUCCESS;
    }
    else
        bResult = WriteBinary(lpszName, pData, nSize);
    free(pData);
    return bResult;
}

template <class Reader>
BOOL CVrxPRegistry::ReadArchive(LPCTSTR lpszName, Reader read)
{
    BYTE* pData = NULL;
    UINT nSize = 0;
    if (!ReadBinary(lpszName, pData, nSize))
        return FALSE;
    std::unique_ptr<BYTE[]> data(pData);
    try
    {
        CMemFile file(pData, nSize);
        CArchive ar(&file, CArchive::load);
        try
        {
            read(ar, nSize);
            ar.Close();
        }
        catch (CException*)
        {
            ar.Abort();
            throw;
        }
    }
    catch (CException* e)
    {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

BOOL CVrxPRegistry::WriteObject(LPCTSTR lpszName, CObject* pObject)
{
    return WriteArchive(lpszName, archiveGrowBytes, REG_BINARY, [pObject](CArchive& ar) { ar << pObject; });
}

BOOL CVrxPRegistry::WriteArchived(LPCTSTR lpszName, CObject& object)
{
    return WriteArchive(lpszName, archiveGrowBytes, REG_BINARY, [&object](CArchive& ar) { object.Serialize(ar); });
}

BOOL CVrxPRegistry::WriteBinary(LPCTSTR lpszName, const BYTE* pData, UINT nSize)
{
    if (readOnly)
        return FALSE;
    LONG result = RegSetValueEx(currentKey, lpszName, 0, REG_BINARY, pData, nSize);
    Record(result, REG_BINARY, nSize);
    return result == ERROR_SUCCESS;
}

BOOL CVrxPRegistry::WritePoint(LPCTSTR lpszName, const POINT& point)
{
    return WriteArchive(lpszName, pointGrowBytes, kindPoint, [&point](CArchive& ar) {
        CDWordArray elements;
        elements.SetSize(pointElements);
        elements[0] = static_cast<DWORD>(point.x);
        elements[1] = static_cast<DWORD>(point.y);
        elements.Serialize(ar);
    });
}

BOOL CVrxPRegistry::WriteRect(LPCTSTR lpszName, const RECT& rect)
{
    return WriteArchive(lpszName, archiveGrowBytes, REG_BINARY, [&rect](CArchive& ar) {
        LONG edges[4] = {rect.left, rect.top, rect.right, rect.bottom};
        ar.Write(edges, sizeof(edges));
    });
}

BOOL CVrxPRegistry::WriteWordArray(LPCTSTR lpszName, const CWordArray& words)
{
    return WriteArchive(lpszName, archiveGrowBytes, REG_BINARY, [&words](CArchive& ar) {
        ar << static_cast<DWORD>(words.GetSize());
        for (INT_PTR i = 0; i < words.GetSize(); i++)
            ar << words[i];
    });
}

BOOL CVrxPRegistry::WriteString(LPCTSTR lpszName, LPCTSTR lpszValue)
{
    if (readOnly)
        return FALSE;
    const char* pszText = lpszValue != NULL ? lpszValue : "";
    DWORD nSize = static_cast<DWORD>(strlen(pszText) + 1);
    LONG result = RegSetValueEx(currentKey, lpszName, 0, REG_SZ, reinterpret_cast<const BYTE*>(pszText), nSize);
    Record(result, REG_SZ, nSize);
    return result == ERROR_SUCCESS;
}

BOOL CVrxPRegistry::WriteDWord(LPCTSTR lpszName, DWORD dwValue)
{
    if (readOnly)
        return FALSE;
    return RegSetValueEx(currentKey, lpszName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue),
                         sizeof(dwValue)) == ERROR_SUCCESS;
}

BOOL CVrxPRegistry::WriteInt(LPCTSTR lpszName, int nValue)
{
    if (readOnly)
        return FALSE;
    DWORD dwValue = static_cast<DWORD>(nValue);
    LONG result = RegSetValueEx(currentKey, lpszName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue),
                                sizeof(dwValue));
    Record(result, REG_DWORD, sizeof(dwValue));
    return result == ERROR_SUCCESS;
}

BOOL CVrxPRegistry::ReadObject(LPCTSTR lpszName, CObject*& pObject)
{
    CObject* pLoaded = NULL;
    if (!ReadArchive(lpszName, [&pLoaded](CArchive& ar, UINT) { ar >> pLoaded; }))
        return FALSE;
    pObject = pLoaded;
    return TRUE;
}

BOOL CVrxPRegistry::ReadArchived(LPCTSTR lpszName, CObject& object)
{
    return ReadArchive(lpszName, [&object](CArchive& ar, UINT) { object.Serialize(ar); });
}

BOOL CVrxPRegistry::ReadObList(LPCTSTR lpszName, CObList& list)
{
    while (!list.IsEmpty())
        delete list.RemoveHead();
    return ReadArchived(lpszName, list);
}

BOOL CVrxPRegistry::ReadBinary(LPCTSTR lpszName, BYTE*& pData, UINT& nSize)
{
    DWORD type = 0;
    DWORD nValueSize = 0;
    if (!QueryValue(lpszName, type, NULL, nValueSize))
        return FALSE;
    if (nValueSize == 0)
    {
        pData = NULL;
        nSize = 0;
        return TRUE;
    }
    std::unique_ptr<BYTE[]> data(new BYTE[nValueSize]);
    DWORD nRead = nValueSize;
    if (!QueryValue(lpszName, type, data.get(), nRead))
        return FALSE;
    pData = data.release();
    nSize = nRead;
    return TRUE;
}

BOOL CVrxPRegistry::ReadRect(LPCTSTR lpszName, RECT& rect)
{
    LONG edges[4];
    if (!ReadArchive(lpszName, [&edges](CArchive& ar, UINT) {
            if (ar.Read(edges, sizeof(edges)) != sizeof(edges))
                ThrowShortData();
        }))
        return FALSE;
    rect.left = edges[0];
    rect.top = edges[1];
    rect.right = edges[2];
    rect.bottom = edges[3];
    return TRUE;
}

BOOL CVrxPRegistry::ReadPoint(LPCTSTR lpszName, POINT& point)
{
    DWORD type = 0;
    DWORD nSize = 0;
    LONG result = RegQueryValueEx(currentKey, lpszName, NULL, &type, NULL, &nSize);
    if (result == ERROR_SUCCESS && type != REG_BINARY)
        result = ERROR_INVALID_DATA;
    Record(result, kindPoint, sizeof(POINT));
    if (result != ERROR_SUCCESS)
        return FALSE;
    CDWordArray elements;
    if (!ReadArchive(lpszName, [&elements](CArchive& ar, UINT) { elements.Serialize(ar); }) ||
        elements.GetSize() < 2)
        return FALSE;
    point.x = static_cast<LONG>(elements[0]);
    point.y = static_cast<LONG>(elements[1]);
    Record(ERROR_SUCCESS, kindPoint, sizeof(POINT));
    return TRUE;
}

BOOL CVrxPRegistry::ReadByteArray(LPCTSTR lpszName, CByteArray& bytes)
{
    bytes.RemoveAll();
    return ReadArchived(lpszName, bytes);
}

// The stored count is checked against the bytes that follow it, so a damaged
// count cannot size the array beyond the value.
BOOL CVrxPRegistry::ReadWordArray(LPCTSTR lpszName, CWordArray& words)
{
    words.RemoveAll();
    return ReadArchive(lpszName, [&words](CArchive& ar, UINT nValueSize) {
        DWORD nCount;
        ar >> nCount;
        if (nCount > (nValueSize - sizeof(nCount)) / sizeof(WORD))
            ThrowShortData();
        words.SetSize(static_cast<INT_PTR>(nCount));
        for (DWORD i = 0; i < nCount; i++)
            ar >> words[i];
    });
}

BOOL CVrxPRegistry::ReadDWordArray(LPCTSTR lpszName, CDWordArray& dwords)
{
    dwords.RemoveAll();
    return ReadArchived(lpszName, dwords);
}

BOOL CVrxPRegistry::ReadStringArray(LPCTSTR lpszName, CStringArray& strings)
{
    strings.RemoveAll();
    return ReadArchived(lpszName, strings);
}

BOOL CVrxPRegistry::ReadStringList(LPCTSTR lpszName, CStringList& strings)
{
    strings.RemoveAll();
    return ReadArchived(lpszName, strings);
}

BOOL CVrxPRegistry::ReadString(LPCTSTR lpszName, CString& value)
{
    value.Empty();
    DWORD type = 0;
    DWORD nSize = 0;
    if (!QueryValue(lpszName, type, NULL, nSize))
        return FALSE;
    std::vector<char> text(nSize + 1, '\0');
    DWORD nRead = nSize;
    if (!QueryValue(lpszName, type, reinterpret_cast<BYTE*>(text.data()), nRead))
        return FALSE;
    value = CString(text.data());
    return TRUE;
}

BOOL CVrxPRegistry::ReadInt(LPCTSTR lpszName, int& nValue)
{
    DWORD dwValue = 0;
    if (!ReadDWord(lpszName, dwValue))
        return FALSE;
    nValue = static_cast<int>(dwValue);
    return TRUE;
}

// A value of another size is not a number: reading a shorter one would leave
// bytes of the result undefined.
BOOL CVrxPRegistry::ReadDWord(LPCTSTR lpszName, DWORD& dwValue)
{
    DWORD type = 0;
    DWORD dwRead = 0;
    DWORD nSize = sizeof(dwRead);
    if (!QueryValue(lpszName, type, reinterpret_cast<BYTE*>(&dwRead), nSize) || nSize != sizeof(dwRead))
        return FALSE;
    dwValue = dwRead;
    return TRUE;
}

BOOL CVrxPRegistry::EnumSubKeys(CStringArray& names)
{
    for (DWORD index = 0;; index++)
    {
        char name[maxNameBytes];
        DWORD nLength = maxNameBytes;
        if (RegEnumKeyEx(currentKey, index, name, &nLength, NULL, NULL, NULL, NULL) != ERROR_SUCCESS)
            return index > 0;
        names.Add(CString(name, static_cast<int>(nLength)));
    }
}
