// CWinApp's profile: the registry under the application's key, or its .ini file.

#include "app/CWinApp.h"

#include "app/ResourceChain.h"

#include <vector>

namespace
{
// Key names are at most 255 characters.
const DWORD MAX_KEY_NAME = 256;

CString SectionPath(LPCTSTR lpszRegistryKey, LPCTSTR lpszProfileName, LPCTSTR lpszSection)
{
    CString strPath("Software\\");
    strPath += lpszRegistryKey;
    strPath += '\\';
    strPath += lpszProfileName;
    if (lpszSection != NULL)
    {
        strPath += '\\';
        strPath += lpszSection;
    }
    return strPath;
}

// Deletes a key with all its sub-keys (RegDeleteKey takes only empty keys).
LONG DeleteKeyTree(HKEY hParent, LPCTSTR lpszName)
{
    HKEY hKey;
    LONG nResult = RegOpenKeyEx(hParent, lpszName, 0, KEY_READ | KEY_WRITE, &hKey);
    if (nResult != ERROR_SUCCESS)
        return nResult;
    TCHAR szSubKey[MAX_KEY_NAME];
    for (;;)
    {
        DWORD nNameLength = MAX_KEY_NAME;
        if (RegEnumKeyEx(hKey, 0, szSubKey, &nNameLength, NULL, NULL, NULL, NULL) != ERROR_SUCCESS)
            break;
        nResult = DeleteKeyTree(hKey, szSubKey);
        if (nResult != ERROR_SUCCESS)
            break;
    }
    RegCloseKey(hKey);
    return nResult == ERROR_SUCCESS ? RegDeleteKey(hParent, lpszName) : nResult;
}

// The value's bytes and type; false when the key or the value is missing.
bool QueryValue(HKEY hKey, LPCTSTR lpszEntry, DWORD& dwType, std::vector<BYTE>& data)
{
    DWORD nSize = 0;
    if (RegQueryValueEx(hKey, lpszEntry, NULL, &dwType, NULL, &nSize) != ERROR_SUCCESS)
        return false;
    data.resize(nSize);
    if (RegQueryValueEx(hKey, lpszEntry, NULL, &dwType, data.data(), &nSize) != ERROR_SUCCESS)
        return false;
    data.resize(nSize);
    return true;
}

// Reading opens the section without making it.
HKEY OpenSectionForReading(LPCTSTR lpszRegistryKey, LPCTSTR lpszProfileName, LPCTSTR lpszSection)
{
    HKEY hKey;
    if (RegOpenKeyEx(HKEY_CURRENT_USER, SectionPath(lpszRegistryKey, lpszProfileName, lpszSection), 0, KEY_READ,
                     &hKey) != ERROR_SUCCESS)
        return NULL;
    return hKey;
}

// The .ini form of binary data: two hexadecimal digits per byte.
CString EncodeHex(const BYTE* pData, UINT nBytes)
{
    static const char digits[] = "0123456789ABCDEF";
    CString strText;
    LPTSTR pszText = strText.GetBuffer(static_cast<int>(nBytes * 2));
    for (UINT i = 0; i < nBytes; ++i)
    {
        pszText[2 * i] = digits[pData[i] >> 4];
        pszText[2 * i + 1] = digits[pData[i] & 0x0F];
    }
    strText.ReleaseBuffer(static_cast<int>(nBytes * 2));
    return strText;
}

int HexDigit(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    return -1;
}

bool DecodeHex(const CString& strText, std::vector<BYTE>& data)
{
    int nLength = strText.GetLength();
    if (nLength % 2 != 0)
        return false;
    data.resize(nLength / 2);
    for (int i = 0; i < nLength; i += 2)
    {
        int nHigh = HexDigit(strText[i]);
        int nLow = HexDigit(strText[i + 1]);
        if (nHigh < 0 || nLow < 0)
            return false;
        data[i / 2] = static_cast<BYTE>(nHigh << 4 | nLow);
    }
    return true;
}

BOOL HandOver(const std::vector<BYTE>& data, LPBYTE* ppData, UINT* pBytes)
{
    *pBytes = static_cast<UINT>(data.size());
    *ppData = data.empty() ? NULL : new BYTE[data.size()];
    if (!data.empty())
        memcpy(*ppData, data.data(), data.size());
    return TRUE;
}
} // namespace

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    free(const_cast<LPTSTR>(m_pszRegistryKey));
    m_pszRegistryKey = _tcsdup(lpszRegistryKey);
    free(const_cast<LPTSTR>(m_pszProfileName));
    m_pszProfileName = _tcsdup(m_pszAppName != NULL ? m_pszAppName : "");
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString strKey;
    strKey.LoadString(nIDRegistryKey);
    SetRegistryKey(strKey);
}

HKEY CWinApp::GetAppRegistryKey()
{
    return GetSectionKey(NULL);
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection)
{
    if (m_pszRegistryKey == NULL)
        return NULL;
    HKEY hKey;
    if (RegCreateKeyEx(HKEY_CURRENT_USER, SectionPath(m_pszRegistryKey, m_pszProfileName, lpszSection), 0, NULL,
                       REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, NULL, &hKey, NULL) != ERROR_SUCCESS)
        return NULL;
    return hKey;
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    if (m_pszRegistryKey == NULL)
    {
        // Parsed here: the platform's reader turns negative numbers into 0.
        CString strValue = GetProfileString(lpszSection, lpszEntry);
        LPTSTR pszEnd;
        long nValue = _tcstol(strValue, &pszEnd, 10);
        return pszEnd != static_cast<LPCTSTR>(strValue) ? static_cast<UINT>(nValue) : static_cast<UINT>(nDefault);
    }

    HKEY hKey = OpenSectionForReading(m_pszRegistryKey, m_pszProfileName, lpszSection);
    if (hKey == NULL)
        return nDefault;
    DWORD dwType;
    std::vector<BYTE> data;
    bool bFound = QueryValue(hKey, lpszEntry, dwType, data);
    RegCloseKey(hKey);
    if (!bFound || dwType != REG_DWORD || data.size() != sizeof(DWORD))
        return nDefault;
    DWORD dwValue;
    memcpy(&dwValue, data.data(), sizeof dwValue);
    return dwValue;
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    if (m_pszRegistryKey == NULL)
    {
        CString strValue;
        strValue.Format("%d", nValue);
        return WritePrivateProfileString(lpszSection, lpszEntry, strValue, m_pszProfileName);
    }

    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == NULL)
        return FALSE;
    DWORD dwValue = static_cast<DWORD>(nValue);
    LONG nResult = RegSetValueEx(hKey, lpszEntry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue),
                                 sizeof dwValue);
    RegCloseKey(hKey);
    return nResult == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    if (m_pszRegistryKey == NULL)
    {
        // The call says the text was cut short by returning the buffer size
        // less one; grow until it fits.
        CString strValue;
        for (DWORD nSize = 256;; nSize *= 2)
        {
            DWORD nCopied = GetPrivateProfileString(lpszSection, lpszEntry, lpszDefault != NULL ? lpszDefault : "",
                                                    strValue.GetBuffer(static_cast<int>(nSize)), nSize,
                                                    m_pszProfileName);
            strValue.ReleaseBuffer(static_cast<int>(nCopied));
            if (nCopied + 1 < nSize)
                return strValue;
        }
    }

    HKEY hKey = OpenSectionForReading(m_pszRegistryKey, m_pszProfileName, lpszSection);
    DWORD dwType = REG_NONE;
    std::vector<BYTE> data;
    bool bFound = hKey != NULL && QueryValue(hKey, lpszEntry, dwType, data);
    if (hKey != NULL)
        RegCloseKey(hKey);
    if (!bFound || (dwType != REG_SZ && dwType != REG_EXPAND_SZ))
        return CString(lpszDefault);
    // Stored text need not carry its terminator.
    int nLength = 0;
    while (nLength < static_cast<int>(data.size()) && data[nLength] != '\0')
        ++nLength;
    return CString(reinterpret_cast<LPCSTR>(data.data()), nLength);
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    if (m_pszRegistryKey == NULL)
        return WritePrivateProfileString(lpszSection, lpszEntry, lpszValue, m_pszProfileName);

    if (lpszEntry == NULL)
    {
        HKEY hAppKey = GetAppRegistryKey();
        if (hAppKey == NULL)
            return FALSE;
        LONG nResult = DeleteKeyTree(hAppKey, lpszSection);
        RegCloseKey(hAppKey);
        return nResult == ERROR_SUCCESS || nResult == ERROR_FILE_NOT_FOUND;
    }

    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == NULL)
        return FALSE;
    LONG nResult;
    if (lpszValue == NULL)
    {
        nResult = RegDeleteValue(hKey, lpszEntry);
        if (nResult == ERROR_FILE_NOT_FOUND)
            nResult = ERROR_SUCCESS;
    }
    else
    {
        nResult = RegSetValueEx(hKey, lpszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                                static_cast<DWORD>(_tcslen(lpszValue) + 1));
    }
    RegCloseKey(hKey);
    return nResult == ERROR_SUCCESS;
}

BOOL CWinApp::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    *ppData = NULL;
    *pBytes = 0;
    std::vector<BYTE> data;

    if (m_pszRegistryKey == NULL)
    {
        // The default tells a missing entry from an empty one: it is not hex.
        CString strText = GetProfileString(lpszSection, lpszEntry, "?");
        return DecodeHex(strText, data) && HandOver(data, ppData, pBytes);
    }

    HKEY hKey = OpenSectionForReading(m_pszRegistryKey, m_pszProfileName, lpszSection);
    if (hKey == NULL)
        return FALSE;
    DWORD dwType;
    bool bFound = QueryValue(hKey, lpszEntry, dwType, data);
    RegCloseKey(hKey);
    return bFound && dwType == REG_BINARY && HandOver(data, ppData, pBytes);
}

BOOL CWinApp::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    if (m_pszRegistryKey == NULL)
        return WriteProfileString(lpszSection, lpszEntry, EncodeHex(pData, nBytes));

    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == NULL)
        return FALSE;
    LONG nResult = RegSetValueEx(hKey, lpszEntry, 0, REG_BINARY, pData, nBytes);
    RegCloseKey(hKey);
    return nResult == ERROR_SUCCESS;
}
