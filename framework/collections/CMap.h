#pragma once

#include "collections/CNodePool.h"
#include "collections/ElementHelpers.h"
#include "collections/Position.h"

#include <vector>

// A hash map with chained buckets. The table has a fixed number of buckets
// (17 unless InitHashTable says otherwise), allocated on the first insert.
// Iteration: GetStartPosition, then GetNextAssoc until the position is NULL;
// it runs bucket by bucket, and removing the entry just returned is allowed.
// A NULL or foreign POSITION throws CInvalidArgException.
template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject
{
public:
    typedef KEY BASE_KEY;
    typedef ARG_KEY BASE_ARG_KEY;
    typedef VALUE BASE_VALUE;
    typedef ARG_VALUE BASE_ARG_VALUE;

    static const UINT defaultHashTableSize = 17;

    explicit CMap(INT_PTR nBlockSize = 10) : m_pool(nBlockSize) {}
    ~CMap() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }
    UINT GetHashTableSize() const { return m_nHashTableSize; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const
    {
        const CAssoc* pAssoc = Find(key, HashKey<ARG_KEY>(key));
        if (pAssoc == nullptr)
            return FALSE;
        rValue = pAssoc->value;
        return TRUE;
    }

    // The value of key, added value-initialised when missing.
    VALUE& operator[](ARG_KEY key)
    {
        const UINT nHash = HashKey<ARG_KEY>(key);
        CAssoc* pAssoc = Find(key, nHash);
        if (pAssoc == nullptr)
            pAssoc = NewAssoc(key, nHash);
        return pAssoc->value;
    }

    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }

    BOOL RemoveKey(ARG_KEY key)
    {
        if (m_table.empty())
            return FALSE;
        const UINT nHash = HashKey<ARG_KEY>(key);
        for (CAssoc** ppLink = &m_table[nHash % m_nHashTableSize]; *ppLink != nullptr; ppLink = &(*ppLink)->pNext)
        {
            CAssoc* pAssoc = *ppLink;
            if (CompareElements<KEY>(&pAssoc->key, &key))
            {
                *ppLink = pAssoc->pNext;
                FreeAssoc(pAssoc);
                return TRUE;
            }
        }
        return FALSE;
    }

    void RemoveAll()
    {
        for (CAssoc* pBucket : m_table)
        {
            for (CAssoc* pAssoc = pBucket; pAssoc != nullptr;)
            {
                CAssoc* pNext = pAssoc->pNext;
                pAssoc->~CAssoc();
                pAssoc = pNext;
            }
        }
        std::vector<CAssoc*>().swap(m_table);
        m_pool.FreeAll();
        m_nCount = 0;
    }

    POSITION GetStartPosition() const { return m_nCount == 0 ? NULL : BEFORE_START_POSITION; }

    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
    {
        const CAssoc* pAssoc;
        if (rNextPosition == BEFORE_START_POSITION && m_nCount > 0)
            pAssoc = FirstInBuckets(0);
        else if (rNextPosition != NULL && m_pool.Holds(rNextPosition))
            pAssoc = reinterpret_cast<const CAssoc*>(rNextPosition);
        else
            AfxThrowInvalidArgException();
        const CAssoc* pNext = pAssoc->pNext != nullptr ? pAssoc->pNext : FirstInBuckets(pAssoc->nHashValue % m_nHashTableSize + 1);
        rNextPosition = reinterpret_cast<POSITION>(const_cast<CAssoc*>(pNext));
        rKey = pAssoc->key;
        rValue = pAssoc->value;
    }

    // Sets the number of buckets (best a prime a little above the expected
    // count); entries already held move to their new buckets.
    void InitHashTable(UINT nHashSize, BOOL bAllocNow = TRUE)
    {
        if (nHashSize == 0)
            AfxThrowInvalidArgException();
        std::vector<CAssoc*> oldTable;
        oldTable.swap(m_table);
        m_nHashTableSize = nHashSize;
        if (bAllocNow || m_nCount > 0)
            AllocTable();
        for (CAssoc* pBucket : oldTable)
        {
            for (CAssoc* pAssoc = pBucket; pAssoc != nullptr;)
            {
                CAssoc* pNext = pAssoc->pNext;
                CAssoc*& rBucket = m_table[pAssoc->nHashValue % m_nHashTableSize];
                pAssoc->pNext = rBucket;
                rBucket = pAssoc;
                pAssoc = pNext;
            }
        }
    }

    // The count, then key and value of each entry in table order.
    void Serialize(CArchive& ar) override
    {
        CObject::Serialize(ar);
        if (ar.IsStoring())
        {
            ar.WriteCount(m_nCount);
            for (CAssoc* pBucket : m_table)
            {
                for (CAssoc* pAssoc = pBucket; pAssoc != nullptr; pAssoc = pAssoc->pNext)
                {
                    SerializeElements<KEY>(ar, &pAssoc->key, 1);
                    SerializeElements<VALUE>(ar, &pAssoc->value, 1);
                }
            }
            return;
        }
        for (DWORD_PTR nCount = ar.ReadCount(); nCount > 0; --nCount)
        {
            KEY newKey{};
            VALUE newValue{};
            SerializeElements<KEY>(ar, &newKey, 1);
            SerializeElements<VALUE>(ar, &newValue, 1);
            SetAt(newKey, newValue);
        }
    }

protected:
    struct CAssoc
    {
        CAssoc* pNext;
        UINT nHashValue;
        KEY key;
        VALUE value;
    };

private:
    CAssoc* Find(ARG_KEY key, UINT nHash) const
    {
        if (m_table.empty())
            return nullptr;
        for (CAssoc* pAssoc = m_table[nHash % m_nHashTableSize]; pAssoc != nullptr; pAssoc = pAssoc->pNext)
        {
            if (CompareElements<KEY>(&pAssoc->key, &key))
                return pAssoc;
        }
        return nullptr;
    }

    const CAssoc* FirstInBuckets(UINT nFirstBucket) const
    {
        for (UINT nBucket = nFirstBucket; nBucket < m_table.size(); ++nBucket)
        {
            if (m_table[nBucket] != nullptr)
                return m_table[nBucket];
        }
        return nullptr;
    }

    void AllocTable()
    {
        try
        {
            m_table.assign(m_nHashTableSize, nullptr);
        }
        catch (const std::bad_alloc&)
        {
            AfxThrowMemoryException();
        }
    }

    CAssoc* NewAssoc(ARG_KEY key, UINT nHash)
    {
        if (m_table.empty())
            AllocTable();
        void* pStorage = m_pool.Allocate();
        CAssoc* pAssoc;
        try
        {
            pAssoc = new (pStorage) CAssoc{nullptr, nHash, KEY(key), VALUE()};
        }
        catch (...)
        {
            m_pool.Free(pStorage);
            throw;
        }
        CAssoc*& rBucket = m_table[nHash % m_nHashTableSize];
        pAssoc->pNext = rBucket;
        rBucket = pAssoc;
        ++m_nCount;
        return pAssoc;
    }

    void FreeAssoc(CAssoc* pAssoc)
    {
        pAssoc->~CAssoc();
        m_pool.Free(pAssoc);
        if (--m_nCount == 0)
            RemoveAll();
    }

    std::vector<CAssoc*> m_table;
    UINT m_nHashTableSize = defaultHashTableSize;
    INT_PTR m_nCount = 0;
    CNodePool<CAssoc> m_pool;
};
