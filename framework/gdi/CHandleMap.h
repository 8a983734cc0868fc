#pragma once

// Maps a Win32 handle to the framework object that wraps it.
//
// Permanent entries are objects that own or attached their handle; they are
// shared by every thread. Temporary entries are wrappers made on demand by
// FromHandle for handles nobody attached; each thread has its own set, and
// DeleteTemporary frees that set (at idle time, and when the thread ends).
// A temporary wrapper never destroys its handle.
//
// Only framework sources include this header: the maps live in the DLL.

#include "core/Platform.h"

#include <pthread.h>

#include <mutex>
#include <unordered_map>
#include <vector>

template <class THandle, class TObject>
class CHandleMap
{
public:
    using NewObjectFunc = TObject* (*)(THandle);
    // Clears the handles of a temporary wrapper and deletes it.
    using ReleaseFunc = void (*)(TObject*);
    using HandleOfFunc = THandle (*)(const TObject*);

    CHandleMap(NewObjectFunc pfnNew, ReleaseFunc pfnRelease, HandleOfFunc pfnHandleOf)
        : m_pfnNew(pfnNew), m_pfnRelease(pfnRelease), m_pfnHandleOf(pfnHandleOf)
    {
    }
    CHandleMap(const CHandleMap&) = delete;
    CHandleMap& operator=(const CHandleMap&) = delete;

    void SetPermanent(THandle h, TObject* pObject)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_permanent[h] = pObject;
    }

    // Only the object that holds the entry may remove it: two objects may
    // attach the same stock handle.
    void RemovePermanent(THandle h, const TObject* pObject)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_permanent.find(h);
        if (it != m_permanent.end() && it->second == pObject)
            m_permanent.erase(it);
    }

    TObject* LookupPermanent(THandle h) const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_permanent.find(h);
        return it == m_permanent.end() ? nullptr : it->second;
    }

    // The permanent object of h, else this thread's temporary wrapper of it
    // (made now when there is none). NULL for a NULL handle.
    TObject* FromHandle(THandle h)
    {
        if (h == nullptr)
            return nullptr;
        if (TObject* pObject = LookupPermanent(h))
            return pObject;
        auto& temps = ThreadTemporaries();
        temps.pfnRelease = m_pfnRelease;
        auto it = temps.objects.find(h);
        if (it != temps.objects.end())
        {
            if (m_pfnHandleOf(it->second) == h)
                return it->second;
            // Someone deleted or detached the wrapper's handle, and the handle
            // value came back for a new object: the old wrapper may still be in
            // a caller's hands until idle time, so it is kept apart.
            temps.retired.push_back(it->second);
            temps.objects.erase(it);
        }
        TObject* pObject = m_pfnNew(h);
        temps.objects.emplace(h, pObject);
        return pObject;
    }

    void DeleteTemporary()
    {
        ThreadTemporaries().ReleaseAll();
    }

private:
    struct Temporaries
    {
        std::unordered_map<THandle, TObject*> objects;
        std::vector<TObject*> retired;
        ReleaseFunc pfnRelease = nullptr;

        ~Temporaries() { ReleaseAll(); }

        void ReleaseAll()
        {
            // Moved out first: a destructor may look the map up again.
            std::unordered_map<THandle, TObject*> doomed;
            doomed.swap(objects);
            std::vector<TObject*> doomedRetired;
            doomedRetired.swap(retired);
            for (auto& entry : doomed)
                pfnRelease(entry.second);
            for (TObject* pObject : doomedRetired)
                pfnRelease(pObject);
        }
    };

    // One set per thread and per map instantiation (each map type is used by
    // exactly one static map). The set is kept under a thread key, whose
    // destructor frees it when the thread ends: this toolchain's thread_local
    // destructors crash when a thread of a DLL user ends.
    static Temporaries& ThreadTemporaries()
    {
        static const pthread_key_t key = CreateThreadKey();
        auto* pTemps = static_cast<Temporaries*>(pthread_getspecific(key));
        if (pTemps == nullptr)
        {
            pTemps = new Temporaries;
            pthread_setspecific(key, pTemps);
        }
        return *pTemps;
    }

    static pthread_key_t CreateThreadKey()
    {
        pthread_key_t key;
        pthread_key_create(&key, &DestroyTemporaries);
        return key;
    }

    static void DestroyTemporaries(void* pTemps)
    {
        delete static_cast<Temporaries*>(pTemps);
    }

    NewObjectFunc m_pfnNew;
    ReleaseFunc m_pfnRelease;
    HandleOfFunc m_pfnHandleOf;
    mutable std::mutex m_mutex;
    std::unordered_map<THandle, TObject*> m_permanent;
};
