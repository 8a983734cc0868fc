#pragma once

#include "collections/CMapPtrToPtr.h"
#include "collections/CMapPtrToWord.h"
#include "collections/CMapStringToOb.h"
#include "collections/CMapStringToPtr.h"
#include "collections/CMapWordToOb.h"
#include "collections/CMapWordToPtr.h"

// One of the pointer maps with typed keys and values: the same map, with
// the casts written once here.
template <class BASE_CLASS, class KEY, class VALUE>
class CTypedPtrMap : public BASE_CLASS
{
    typedef typename BASE_CLASS::BASE_KEY BASE_KEY;
    typedef typename BASE_CLASS::BASE_ARG_KEY BASE_ARG_KEY;
    typedef typename BASE_CLASS::BASE_VALUE BASE_VALUE;

public:
    explicit CTypedPtrMap(INT_PTR nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

    BOOL Lookup(BASE_ARG_KEY key, VALUE& rValue) const
    {
        BASE_VALUE value{};
        if (!BASE_CLASS::Lookup(key, value))
            return FALSE;
        rValue = static_cast<VALUE>(value);
        return TRUE;
    }

    VALUE& operator[](BASE_ARG_KEY key) { return reinterpret_cast<VALUE&>(BASE_CLASS::operator[](key)); }
    void SetAt(KEY key, VALUE newValue) { BASE_CLASS::SetAt(static_cast<BASE_ARG_KEY>(key), newValue); }
    BOOL RemoveKey(KEY key) { return BASE_CLASS::RemoveKey(static_cast<BASE_ARG_KEY>(key)); }

    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
    {
        BASE_KEY key{};
        BASE_VALUE value{};
        BASE_CLASS::GetNextAssoc(rNextPosition, key, value);
        rKey = static_cast<KEY>(key);
        rValue = static_cast<VALUE>(value);
    }
};
