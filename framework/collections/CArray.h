#pragma once

#include "collections/ElementHelpers.h"

#include <algorithm>
#include <new>
#include <stdexcept>
#include <type_traits>
#include <utility>
#include <vector>

// A growable array. An index outside the array throws CInvalidArgException
// (except where an operation grows the array: SetAtGrow, InsertAt). New
// elements are value-initialised (zero for numbers and pointers).
template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject
{
    static_assert(!std::is_same_v<TYPE, bool>, "use BOOL or BYTE elements");

public:
    CArray() = default;

    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    BOOL IsEmpty() const { return m_data.empty(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }

    // nGrowBy: how many elements to add room for when the array must grow;
    // -1 keeps the current setting (by default, room grows with the size).
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1)
    {
        if (nNewSize < 0)
            AfxThrowInvalidArgException();
        if (nGrowBy >= 0)
            m_nGrowBy = nGrowBy;
        Grow(nNewSize);
    }

    void FreeExtra() { m_data.shrink_to_fit(); }
    void RemoveAll() { std::vector<TYPE>().swap(m_data); }

    const TYPE& GetAt(INT_PTR nIndex) const { return m_data[CheckIndex(nIndex)]; }
    TYPE& GetAt(INT_PTR nIndex) { return m_data[CheckIndex(nIndex)]; }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_data[CheckIndex(nIndex)] = newElement; }
    TYPE& ElementAt(INT_PTR nIndex) { return GetAt(nIndex); }
    const TYPE& ElementAt(INT_PTR nIndex) const { return GetAt(nIndex); }
    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return GetAt(nIndex); }

    const TYPE* GetData() const { return m_data.data(); }
    TYPE* GetData() { return m_data.data(); }

    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
    {
        if (nIndex < 0)
            AfxThrowInvalidArgException();
        // Copied first: newElement may be an element that growing moves.
        TYPE value(newElement);
        if (nIndex >= GetSize())
            Grow(nIndex + 1);
        m_data[nIndex] = std::move(value);
    }

    INT_PTR Add(ARG_TYPE newElement)
    {
        INT_PTR nIndex = GetSize();
        SetAtGrow(nIndex, newElement);
        return nIndex;
    }

    // Returns the index of the first appended element.
    INT_PTR Append(const CArray& src)
    {
        INT_PTR nOldSize = GetSize();
        std::vector<TYPE> copy(src.m_data);
        Grow(nOldSize + static_cast<INT_PTR>(copy.size()));
        std::move(copy.begin(), copy.end(), m_data.begin() + nOldSize);
        return nOldSize;
    }

    void Copy(const CArray& src)
    {
        if (this != &src)
            m_data = src.m_data;
    }

    // Past the end, the array first grows to nIndex.
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1)
    {
        if (nIndex < 0 || nCount < 0)
            AfxThrowInvalidArgException();
        TYPE value(newElement);
        if (nIndex > GetSize())
            Grow(nIndex);
        Reserve(GetSize() + nCount);
        m_data.insert(m_data.begin() + nIndex, nCount, value);
    }

    void InsertAt(INT_PTR nStartIndex, const CArray* pNewArray)
    {
        if (pNewArray == nullptr || nStartIndex < 0)
            AfxThrowInvalidArgException();
        std::vector<TYPE> copy(pNewArray->m_data);
        if (nStartIndex > GetSize())
            Grow(nStartIndex);
        Reserve(GetSize() + static_cast<INT_PTR>(copy.size()));
        m_data.insert(m_data.begin() + nStartIndex, copy.begin(), copy.end());
    }

    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1)
    {
        if (nIndex < 0 || nCount < 0 || nCount > GetSize() - nIndex)
            AfxThrowInvalidArgException();
        m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
    }

    // The count, then the elements. Loading grows the array as elements
    // arrive, so a damaged count meets the end of the data before it can
    // claim a huge amount of memory.
    void Serialize(CArchive& ar) override
    {
        CObject::Serialize(ar);
        if (ar.IsStoring())
        {
            ar.WriteCount(m_data.size());
            if (!m_data.empty())
                SerializeElements<TYPE>(ar, m_data.data(), GetSize());
            return;
        }
        DWORD_PTR nCount = ar.ReadCount();
        RemoveAll();
        const INT_PTR nChunk = std::max<INT_PTR>(1, loadChunkBytes / sizeof(TYPE));
        while (nCount > 0)
        {
            INT_PTR nRead = static_cast<INT_PTR>(std::min<DWORD_PTR>(nCount, nChunk));
            INT_PTR nOldSize = GetSize();
            Grow(nOldSize + nRead);
            SerializeElements<TYPE>(ar, m_data.data() + nOldSize, nRead);
            nCount -= nRead;
        }
    }

private:
    static const INT_PTR loadChunkBytes = 64 * 1024;

    INT_PTR CheckIndex(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= GetSize())
            AfxThrowInvalidArgException();
        return nIndex;
    }

    void Reserve(INT_PTR nSize)
    {
        if (static_cast<size_t>(nSize) <= m_data.capacity())
            return;
        INT_PTR nGrowBy = m_nGrowBy > 0 ? m_nGrowBy : std::clamp<INT_PTR>(GetSize() / 8, 4, 1024);
        try
        {
            m_data.reserve(std::max(nSize, GetSize() + nGrowBy));
        }
        catch (const std::bad_alloc&)
        {
            AfxThrowMemoryException();
        }
        catch (const std::length_error&)
        {
            AfxThrowMemoryException();
        }
    }

    void Grow(INT_PTR nNewSize)
    {
        Reserve(nNewSize);
        m_data.resize(nNewSize);
    }

    std::vector<TYPE> m_data;
    INT_PTR m_nGrowBy = -1;
};
