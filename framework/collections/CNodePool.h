#pragma once

#include "core/CException.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <vector>

// Storage for the nodes of a list or map, allocated nBlockSize nodes at a
// time. Freed nodes are reused; the blocks are given back only by FreeAll.
// Holds() tells whether a pointer is a node in use of this pool, so that a
// POSITION from another container or of a removed element is refused rather
// than followed.
template <class NODE>
class CNodePool
{
public:
    explicit CNodePool(INT_PTR nBlockSize) : m_nBlockSize(nBlockSize > 0 ? nBlockSize : 10) {}
    ~CNodePool() { FreeAll(); }
    CNodePool(const CNodePool&) = delete;
    CNodePool& operator=(const CNodePool&) = delete;

    // Raw storage for one NODE; the caller constructs it in place.
    void* Allocate()
    {
        if (m_pFreeList == nullptr)
            AddBlock();
        Slot* pSlot = m_pFreeList;
        m_pFreeList = pSlot->pNextFree;
        pSlot->bInUse = true;
        return pSlot->storage;
    }

    // Takes back the storage of a node the caller has destroyed.
    void Free(void* pNode)
    {
        Slot* pSlot = static_cast<Slot*>(pNode);
        pSlot->bInUse = false;
        pSlot->pNextFree = m_pFreeList;
        m_pFreeList = pSlot;
    }

    // Gives back every block; the caller has destroyed all nodes.
    void FreeAll()
    {
        for (Slot* pBlock : m_blocks)
            ::operator delete(pBlock);
        m_blocks.clear();
        m_pFreeList = nullptr;
    }

    bool Holds(const void* pNode) const
    {
        const auto address = reinterpret_cast<std::uintptr_t>(pNode);
        auto next = std::upper_bound(m_blocks.begin(), m_blocks.end(), address,
                                     [](std::uintptr_t a, const Slot* pBlock) { return a < reinterpret_cast<std::uintptr_t>(pBlock); });
        if (next == m_blocks.begin())
            return false;
        const Slot* pBlock = *(next - 1);
        const std::uintptr_t offset = address - reinterpret_cast<std::uintptr_t>(pBlock);
        if (offset >= sizeof(Slot) * static_cast<std::uintptr_t>(m_nBlockSize) || offset % sizeof(Slot) != 0)
            return false;
        return pBlock[offset / sizeof(Slot)].bInUse;
    }

private:
    // The node's storage comes first, so a node's address is its slot's.
    struct Slot
    {
        alignas(NODE) unsigned char storage[sizeof(NODE)];
        Slot* pNextFree;
        bool bInUse;
    };

    void AddBlock()
    {
        if (static_cast<size_t>(m_nBlockSize) > SIZE_MAX / sizeof(Slot))
            AfxThrowMemoryException();
        Slot* pBlock;
        try
        {
            m_blocks.reserve(m_blocks.size() + 1);
            pBlock = static_cast<Slot*>(::operator new(sizeof(Slot) * m_nBlockSize));
        }
        catch (const std::bad_alloc&)
        {
            AfxThrowMemoryException();
        }
        // Kept in address order for Holds().
        m_blocks.insert(std::upper_bound(m_blocks.begin(), m_blocks.end(), pBlock,
                                         [](const Slot* a, const Slot* b) {
                                             return reinterpret_cast<std::uintptr_t>(a) < reinterpret_cast<std::uintptr_t>(b);
                                         }),
                        pBlock);
        // Threaded so that the block's first node is handed out first.
        for (INT_PTR i = m_nBlockSize - 1; i >= 0; --i)
        {
            Slot* pSlot = new (&pBlock[i]) Slot;
            pSlot->bInUse = false;
            pSlot->pNextFree = m_pFreeList;
            m_pFreeList = pSlot;
        }
    }

    INT_PTR m_nBlockSize;
    std::vector<Slot*> m_blocks;
    Slot* m_pFreeList = nullptr;
};
