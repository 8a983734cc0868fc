#pragma once

// One open registry key with typed reads and writes. Numbers are REG_DWORD,
// strings REG_SZ, everything else REG_BINARY: a framework archive written
// into a memory file and stored whole (CVrxPArchivedValue makes and reads
// those bytes and gives the forms of rectangles, points and word arrays); an
// object is stored as the archive its Serialize writes (by value), or the
// class-tagged archive of WriteObject (by pointer).
//
// Paths given to the key operations are relative to the current key (for
// RemoveKey, to the root the call selects); one trailing backslash is
// ignored. A read-only object refuses every write, key creation and removal
// without calling the registry. Reads leave their target untouched when they
// fail, except ReadString (empties the string) and the container reads
// (which empty the container first). A stored value that is damaged or of the
// wrong form makes its read fail.

#include "collections/CByteArray.h"
#include "collections/CDWordArray.h"
#include "collections/CObList.h"
#include "collections/CStringArray.h"
#include "collections/CStringList.h"
#include "collections/CWordArray.h"
#include "core/CObject.h"
#include "strings/CString.h"

#include <vector>

class CVrxPRegistry : public CObject
{
    DECLARE_DYNCREATE(CVrxPRegistry)
public:
    // The last-operation kind of a point value.
    static constexpr DWORD kindPoint = 2;

    CVrxPRegistry();
    ~CVrxPRegistry() override;

    // The Win32 result of the last registry call (0 = success).
    LONG lastResult;
    // The registry type last written or reported by a number or string read
    // (REG_SZ, REG_BINARY, REG_DWORD), kindPoint for points, 0 for key and
    // delete operations.
    DWORD lastKind;
    // Bytes written or read by the last operation (0 for key operations).
    DWORD lastSize;
    // The key value operations act on: the root until OpenKey or MakeKey
    // succeeds.
    HKEY currentKey;
    BOOL machineWide;
    BOOL readOnly;

    // Appends the name of every value of the current key; FALSE when the key
    // has none or cannot be enumerated.
    virtual BOOL EnumValueNames(CStringArray& names);
    virtual BOOL KeyExists(LPCTSTR lpszPath);
    virtual BOOL ValueExists(LPCTSTR lpszName);
    // Creates or opens the key and makes it current.
    virtual BOOL MakeKey(LPCTSTR lpszPath);
    // Opens the key (read access when read-only) and makes it current.
    virtual BOOL OpenKey(LPCTSTR lpszPath);
    virtual BOOL CloseKey();
    virtual BOOL RemoveValue(LPCTSTR lpszName);
    // Deletes the key and everything below it under HKEY_LOCAL_MACHINE
    // (bMachineWide) or HKEY_CURRENT_USER, whatever this object's root.
    virtual BOOL RemoveKey(LPCTSTR lpszPath, BOOL bMachineWide);

    virtual BOOL WriteObject(LPCTSTR lpszName, CObject* pObject);
    // Every container of the framework archives itself through Serialize.
    virtual BOOL WriteArchived(LPCTSTR lpszName, CObject& object);
    virtual BOOL WriteBinary(LPCTSTR lpszName, const BYTE* pData, UINT nSize);
    virtual BOOL WritePoint(LPCTSTR lpszName, const POINT& point);
    virtual BOOL WriteRect(LPCTSTR lpszName, const RECT& rect);
    virtual BOOL WriteWordArray(LPCTSTR lpszName, const CWordArray& words);
    virtual BOOL WriteString(LPCTSTR lpszName, LPCTSTR lpszValue);
    // Leaves the last-operation fields as they were.
    virtual BOOL WriteDWord(LPCTSTR lpszName, DWORD dwValue);
    virtual BOOL WriteInt(LPCTSTR lpszName, int nValue);

    // A new object of pClass (or a class derived from it) that the caller
    // owns; a stored null or an object of any other class is refused.
    virtual BOOL ReadObject(LPCTSTR lpszName, const CRuntimeClass* pClass, CObject*& pObject);
    virtual BOOL ReadArchived(LPCTSTR lpszName, CObject& object);
    // A new BYTE[] of the value's size that the caller deletes; an empty
    // value gives TRUE, NULL and 0.
    virtual BOOL ReadBinary(LPCTSTR lpszName, BYTE*& pData, UINT& nSize);
    virtual BOOL ReadRect(LPCTSTR lpszName, RECT& rect);
    virtual BOOL ReadPoint(LPCTSTR lpszName, POINT& point);
    virtual BOOL ReadByteArray(LPCTSTR lpszName, CByteArray& bytes);
    virtual BOOL ReadWordArray(LPCTSTR lpszName, CWordArray& words);
    virtual BOOL ReadDWordArray(LPCTSTR lpszName, CDWordArray& dwords);
    virtual BOOL ReadStringArray(LPCTSTR lpszName, CStringArray& strings);
    virtual BOOL ReadStringList(LPCTSTR lpszName, CStringList& strings);
    // The text up to its first zero byte or the end of the value.
    virtual BOOL ReadString(LPCTSTR lpszName, CString& value);
    // Needs a value of exactly 4 bytes, of any type.
    virtual BOOL ReadInt(LPCTSTR lpszName, int& nValue);
    virtual BOOL ReadDWord(LPCTSTR lpszName, DWORD& dwValue);
    // Appends the name of every sub-key of the current key; FALSE when the
    // key has none or cannot be enumerated.
    virtual BOOL EnumSubKeys(CStringArray& names);

private:
    static constexpr UINT maxNameBytes = 1024;

    REGSAM OpenAccess() const;
    void Record(LONG result, DWORD kind, DWORD size);
    void MakeCurrent(HKEY hKey);
    BOOL QueryValue(LPCTSTR lpszName, DWORD& type, BYTE* pData, DWORD& nSize);
    // Stores what the writer puts into a growing memory file.
    template <class Writer>
    BOOL WriteArchive(LPCTSTR lpszName, UINT nGrowBytes, Writer write);
    BOOL WriteArchiveBytes(LPCTSTR lpszName, const std::vector<BYTE>& bytes);
    // Hands the value's bytes to the reader, which answers whether they held
    // what it expects.
    template <class Reader>
    BOOL ReadArchive(LPCTSTR lpszName, Reader read);
};
