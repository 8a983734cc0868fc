#pragma once

#include "core/CObject.h"
#include "strings/CString.h"

#include <vector>

// Serializable objects for the archive tests. Every CSampleNode alive is
// known, so a test can tell whether a failed load left a half-read one behind.
class CSampleNode : public CObject
{
    DECLARE_SERIAL(CSampleNode)
public:
    CSampleNode();
    CSampleNode(int nValue, LPCTSTR lpszText);
    ~CSampleNode() override;

    // A number, a text, a reference to any object (not owned) and a counted
    // list of numbers.
    void Serialize(CArchive& ar) override;

    static int AliveCount();
    // TRUE when an alive node was created by loading and its Serialize did not finish.
    static bool AnyHalfLoaded();
    static void DeleteAll();

    int m_nValue;
    CString m_strText;
    CObject* m_pLink;
    std::vector<int> m_values;
    bool m_bLoading;
};

// Schema 2, versionable: schema 1 held the number only.
class CVersionedNode : public CObject
{
    DECLARE_SERIAL(CVersionedNode)
public:
    void Serialize(CArchive& ar) override;

    int m_nValue = 0;
    CString m_strText;
    UINT m_nLoadedSchema = 0;
    UINT m_nSchemaAskedAgain = 0;
};

// Dynamic but not serializable.
class CDynamicOnly : public CObject
{
    DECLARE_DYNCREATE(CDynamicOnly)
};
