#include "foundation/CVrxPArchivedValue.h"

#include "collections/CDWordArray.h"

void CVrxPArchivedValue::ThrowShortData()
{
    AfxThrowArchiveException(CArchiveException::endOfFile);
}

void CVrxPArchivedValue::ThrowDamaged()
{
    AfxThrowArchiveException(CArchiveException::genericException);
}

BOOL CVrxPArchivedValue::StoreRect(std::vector<BYTE>& bytes, const RECT& rect)
{
    return Store(bytes, growBytes, [&rect](CArchive& ar) {
        const LONG edges[4] = {rect.left, rect.top, rect.right, rect.bottom};
        ar.Write(edges, sizeof(edges));
    });
}

BOOL CVrxPArchivedValue::LoadRect(const BYTE* pData, UINT nSize, RECT& rect)
{
    LONG edges[4];
    if (!Load(pData, nSize, [&edges](CArchive& ar) {
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

BOOL CVrxPArchivedValue::StorePoint(std::vector<BYTE>& bytes, const POINT& point)
{
    return Store(bytes, pointGrowBytes, [&point](CArchive& ar) {
        CDWordArray elements;
        elements.SetSize(pointElements);
        elements[0] = static_cast<DWORD>(point.x);
        elements[1] = static_cast<DWORD>(point.y);
        elements.Serialize(ar);
    });
}

BOOL CVrxPArchivedValue::LoadPoint(const BYTE* pData, UINT nSize, POINT& point)
{
    CDWordArray elements;
    if (!Load(pData, nSize, [&elements](CArchive& ar) { elements.Serialize(ar); }) || elements.GetSize() < 2)
        return FALSE;
    point.x = static_cast<LONG>(elements[0]);
    point.y = static_cast<LONG>(elements[1]);
    return TRUE;
}

BOOL CVrxPArchivedValue::StoreWordArray(std::vector<BYTE>& bytes, const CWordArray& words)
{
    return Store(bytes, growBytes, [&words](CArchive& ar) {
        ar << static_cast<DWORD>(words.GetSize());
        for (INT_PTR i = 0; i < words.GetSize(); i++)
            ar << words[i];
    });
}

// The stored count is checked against the bytes that follow it, so a damaged
// count cannot size the array beyond the value.
BOOL CVrxPArchivedValue::LoadWordArray(const BYTE* pData, UINT nSize, CWordArray& words)
{
    return Load(pData, nSize, [&words, nSize](CArchive& ar) {
        DWORD nCount;
        ar >> nCount;
        if (nCount > (nSize - sizeof(nCount)) / sizeof(WORD))
            ThrowShortData();
        words.SetSize(static_cast<INT_PTR>(nCount));
        for (DWORD i = 0; i < nCount; i++)
            ar >> words[i];
    });
}
