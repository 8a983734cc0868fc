#include "foundation/CVrxPRegistry.h"

#include "foundation/CVrxPArchivedValue.h"

#include <cstring>
#include <memory>
#include <vector>

IMPLEMENT_DYNCREATE(CVrxPRegistry, CObject)

namespace
{
const REGSAM readAccess = KEY_READ;
const REGSAM fullAccess = KEY_ALL_ACCESS;

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
BOOL CVrxPRegistry::WriteArchive(LPCTSTR lpszName, UINT nGrowBytes, Writer write)
{
    if (readOnly)
        return FALSE;
    std::vector<BYTE> bytes;
    return CVrxPArchivedValue::Store(bytes, nGrowBytes, write) && WriteArchiveBytes(lpszName, bytes);
}

BOOL CVrxPRegistry::WriteArchiveBytes(LPCTSTR lpszName, const std::vector<BYTE>& bytes)
{
    return WriteBinary(lpszName, bytes.data(), static_cast<UINT>(bytes.size()));
}

template <class Reader>
BOOL CVrxPRegistry::ReadArchive(LPCTSTR lpszName, Reader read)
{
    BYTE* pData = NULL;
    UINT nSize = 0;
    if (!ReadBinary(lpszName, pData, nSize))
        return FALSE;
    std::unique_ptr<BYTE[]> data(pData);
    return read(static_cast<const BYTE*>(pData), nSize);
}

BOOL CVrxPRegistry::WriteObject(LPCTSTR lpszName, CObject* pObject)
{
    return WriteArchive(lpszName, CVrxPArchivedValue::growBytes, [pObject](CArchive& ar) { ar << pObject; });
}

BOOL CVrxPRegistry::WriteArchived(LPCTSTR lpszName, CObject& object)
{
    return WriteArchive(lpszName, CVrxPArchivedValue::growBytes, [&object](CArchive& ar) { object.Serialize(ar); });
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
    if (readOnly)
        return FALSE;
    std::vector<BYTE> bytes;
    if (!CVrxPArchivedValue::StorePoint(bytes, point))
        return FALSE;
    const UINT nSize = static_cast<UINT>(bytes.size());
    LONG result = RegSetValueEx(currentKey, lpszName, 0, REG_BINARY, bytes.data(), nSize);
    Record(result, kindPoint, nSize);
    return result == ERROR_SUCCESS;
}

BOOL CVrxPRegistry::WriteRect(LPCTSTR lpszName, const RECT& rect)
{
    if (readOnly)
        return FALSE;
    std::vector<BYTE> bytes;
    return CVrxPArchivedValue::StoreRect(bytes, rect) && WriteArchiveBytes(lpszName, bytes);
}

BOOL CVrxPRegistry::WriteWordArray(LPCTSTR lpszName, const CWordArray& words)
{
    if (readOnly)
        return FALSE;
    std::vector<BYTE> bytes;
    return CVrxPArchivedValue::StoreWordArray(bytes, words) && WriteArchiveBytes(lpszName, bytes);
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

BOOL CVrxPRegistry::ReadObject(LPCTSTR lpszName, const CRuntimeClass* pClass, CObject*& pObject)
{
    CObject* pLoaded = NULL;
    if (!ReadArchive(lpszName, [&pLoaded, pClass](const BYTE* pData, UINT nSize) {
            return CVrxPArchivedValue::Load(pData, nSize, [&pLoaded, pClass](CArchive& ar) {
                pLoaded = ar.ReadOwnedObject(pClass);
                if (pLoaded == NULL)
                    CVrxPArchivedValue::ThrowDamaged();
            });
        }))
    {
        // Bytes after the object make the value damaged too.
        delete pLoaded;
        return FALSE;
    }
    pObject = pLoaded;
    return TRUE;
}

BOOL CVrxPRegistry::ReadArchived(LPCTSTR lpszName, CObject& object)
{
    return ReadArchive(lpszName, [&object](const BYTE* pData, UINT nSize) {
        return CVrxPArchivedValue::Load(pData, nSize, [&object](CArchive& ar) { object.Serialize(ar); });
    });
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
    return ReadArchive(lpszName,
                       [&rect](const BYTE* pData, UINT nSize) { return CVrxPArchivedValue::LoadRect(pData, nSize, rect); });
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
    if (!ReadArchive(lpszName, [&point](const BYTE* pData, UINT nValueSize) {
            return CVrxPArchivedValue::LoadPoint(pData, nValueSize, point);
        }))
        return FALSE;
    Record(ERROR_SUCCESS, kindPoint, sizeof(POINT));
    return TRUE;
}

BOOL CVrxPRegistry::ReadByteArray(LPCTSTR lpszName, CByteArray& bytes)
{
    bytes.RemoveAll();
    return ReadArchived(lpszName, bytes);
}

BOOL CVrxPRegistry::ReadWordArray(LPCTSTR lpszName, CWordArray& words)
{
    words.RemoveAll();
    return ReadArchive(lpszName, [&words](const BYTE* pData, UINT nSize) {
        return CVrxPArchivedValue::LoadWordArray(pData, nSize, words);
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
