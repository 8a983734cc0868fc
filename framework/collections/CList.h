#pragma once

#include "collections/CNodePool.h"
#include "collections/ElementHelpers.h"
#include "collections/Position.h"

#include <utility>

// A doubly linked list. A POSITION is a node; GetNext/GetPrev move it on,
// to NULL past either end. A NULL POSITION, or one that is not a node of
// this list (from another list, or of a removed element), throws
// CInvalidArgException, as do GetHead/GetTail/RemoveHead/RemoveTail on an
// empty list. Removing the element at a POSITION leaves every other
// POSITION valid, so elements can be removed while walking the list.
template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject
{
protected:
    struct CNode
    {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };

public:
    explicit CList(INT_PTR nBlockSize = 10) : m_pool(nBlockSize) {}
    ~CList() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead() { return NonEmpty(m_pNodeHead)->data; }
    const TYPE& GetHead() const { return NonEmpty(m_pNodeHead)->data; }
    TYPE& GetTail() { return NonEmpty(m_pNodeTail)->data; }
    const TYPE& GetTail() const { return NonEmpty(m_pNodeTail)->data; }

    TYPE RemoveHead()
    {
        CNode* pNode = NonEmpty(m_pNodeHead);
        TYPE value(std::move(pNode->data));
        Unlink(pNode);
        return value;
    }

    TYPE RemoveTail()
    {
        CNode* pNode = NonEmpty(m_pNodeTail);
        TYPE value(std::move(pNode->data));
        Unlink(pNode);
        return value;
    }

    POSITION AddHead(ARG_TYPE newElement) { return Link(NewNode(newElement), nullptr, m_pNodeHead); }
    POSITION AddTail(ARG_TYPE newElement) { return Link(NewNode(newElement), m_pNodeTail, nullptr); }

    // Another list's elements, in their order. A list may add itself: the
    // count taken first keeps the walk to the original elements.
    void AddHead(const CList* pNewList)
    {
        CheckList(pNewList);
        const CNode* pNode = pNewList->m_pNodeTail;
        for (INT_PTR nCount = pNewList->m_nCount; nCount > 0; --nCount, pNode = pNode->pPrev)
            AddHead(pNode->data);
    }

    void AddTail(const CList* pNewList)
    {
        CheckList(pNewList);
        const CNode* pNode = pNewList->m_pNodeHead;
        for (INT_PTR nCount = pNewList->m_nCount; nCount > 0; --nCount, pNode = pNode->pNext)
            AddTail(pNode->data);
    }

    void RemoveAll()
    {
        for (CNode* pNode = m_pNodeHead; pNode != nullptr;)
        {
            CNode* pNext = pNode->pNext;
            pNode->~CNode();
            pNode = pNext;
        }
        m_pool.FreeAll();
        m_pNodeHead = m_pNodeTail = nullptr;
        m_nCount = 0;
    }

    POSITION GetHeadPosition() const { return ToPosition(m_pNodeHead); }
    POSITION GetTailPosition() const { return ToPosition(m_pNodeTail); }

    TYPE& GetNext(POSITION& rPosition)
    {
        CNode* pNode = NodeAt(rPosition);
        rPosition = ToPosition(pNode->pNext);
        return pNode->data;
    }

    const TYPE& GetNext(POSITION& rPosition) const
    {
        const CNode* pNode = NodeAt(rPosition);
        rPosition = ToPosition(pNode->pNext);
        return pNode->data;
    }

    TYPE& GetPrev(POSITION& rPosition)
    {
        CNode* pNode = NodeAt(rPosition);
        rPosition = ToPosition(pNode->pPrev);
        return pNode->data;
    }

    const TYPE& GetPrev(POSITION& rPosition) const
    {
        const CNode* pNode = NodeAt(rPosition);
        rPosition = ToPosition(pNode->pPrev);
        return pNode->data;
    }

    TYPE& GetAt(POSITION position) { return NodeAt(position)->data; }
    const TYPE& GetAt(POSITION position) const { return NodeAt(position)->data; }
    void SetAt(POSITION position, ARG_TYPE newElement) { NodeAt(position)->data = newElement; }

    void RemoveAt(POSITION position) { Unlink(NodeAt(position)); }

    // A NULL position inserts at the head (InsertBefore) or tail (InsertAfter).
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement)
    {
        if (position == NULL)
            return AddHead(newElement);
        CNode* pNode = NodeAt(position);
        return Link(NewNode(newElement), pNode->pPrev, pNode);
    }

    POSITION InsertAfter(POSITION position, ARG_TYPE newElement)
    {
        if (position == NULL)
            return AddTail(newElement);
        CNode* pNode = NodeAt(position);
        return Link(NewNode(newElement), pNode, pNode->pNext);
    }

    // Searches after startAfter, or from the head.
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = NULL) const
    {
        const CNode* pNode = startAfter == NULL ? m_pNodeHead : NodeAt(startAfter)->pNext;
        for (; pNode != nullptr; pNode = pNode->pNext)
        {
            if (CompareElements<TYPE>(&pNode->data, &searchValue))
                return ToPosition(pNode);
        }
        return NULL;
    }

    // NULL when nIndex is outside the list.
    POSITION FindIndex(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nCount)
            return NULL;
        const CNode* pNode = m_pNodeHead;
        while (nIndex-- > 0)
            pNode = pNode->pNext;
        return ToPosition(pNode);
    }

    // The count, then each element.
    void Serialize(CArchive& ar) override
    {
        CObject::Serialize(ar);
        if (ar.IsStoring())
        {
            ar.WriteCount(m_nCount);
            for (CNode* pNode = m_pNodeHead; pNode != nullptr; pNode = pNode->pNext)
                SerializeElements<TYPE>(ar, &pNode->data, 1);
        }
        else
        {
            for (DWORD_PTR nCount = ar.ReadCount(); nCount > 0; --nCount)
            {
                TYPE newData{};
                SerializeElements<TYPE>(ar, &newData, 1);
                AddTail(newData);
            }
        }
    }

private:
    static POSITION ToPosition(const CNode* pNode) { return reinterpret_cast<POSITION>(const_cast<CNode*>(pNode)); }

    static void CheckList(const CList* pList)
    {
        if (pList == nullptr)
            AfxThrowInvalidArgException();
    }

    static CNode* NonEmpty(CNode* pNode)
    {
        if (pNode == nullptr)
            AfxThrowInvalidArgException();
        return pNode;
    }

    CNode* NodeAt(POSITION position) const
    {
        if (position == NULL || !m_pool.Holds(position))
            AfxThrowInvalidArgException();
        return reinterpret_cast<CNode*>(position);
    }

    CNode* NewNode(ARG_TYPE value)
    {
        void* pStorage = m_pool.Allocate();
        try
        {
            return new (pStorage) CNode{nullptr, nullptr, TYPE(value)};
        }
        catch (...)
        {
            m_pool.Free(pStorage);
            throw;
        }
    }

    POSITION Link(CNode* pNode, CNode* pPrev, CNode* pNext)
    {
        pNode->pPrev = pPrev;
        pNode->pNext = pNext;
        (pPrev != nullptr ? pPrev->pNext : m_pNodeHead) = pNode;
        (pNext != nullptr ? pNext->pPrev : m_pNodeTail) = pNode;
        ++m_nCount;
        return ToPosition(pNode);
    }

    void Unlink(CNode* pNode)
    {
        (pNode->pPrev != nullptr ? pNode->pPrev->pNext : m_pNodeHead) = pNode->pNext;
        (pNode->pNext != nullptr ? pNode->pNext->pPrev : m_pNodeTail) = pNode->pPrev;
        pNode->~CNode();
        m_pool.Free(pNode);
        if (--m_nCount == 0)
            m_pool.FreeAll();
    }

    CNode* m_pNodeHead = nullptr;
    CNode* m_pNodeTail = nullptr;
    INT_PTR m_nCount = 0;
    CNodePool<CNode> m_pool;
};
