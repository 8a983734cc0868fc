#pragma once

// The element operations the collection templates use. Each is a function
// template that a module may specialise for its own element types, before
// the container that needs it is used.

#include "core/CException.h"
#include "core/CObject.h"
#include "files/CArchive.h"
#include "strings/CString.h"

#include <cstring>
#include <type_traits>

template <class TYPE, class ARG_TYPE>
BOOL CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2)
{
    return *pElement1 == *pElement2;
}

// Integers hash to themselves (the tables have prime sizes); pointers drop
// the low bits that allocation alignment keeps at zero.
template <class ARG_KEY>
UINT HashKey(ARG_KEY key)
{
    using Key = std::remove_cv_t<std::remove_reference_t<ARG_KEY>>;
    if constexpr (std::is_pointer_v<Key>)
        return static_cast<UINT>(reinterpret_cast<UINT_PTR>(key) >> 4);
    else
    {
        static_assert(std::is_integral_v<Key> || std::is_enum_v<Key>,
                      "HashKey needs a specialisation for this key type");
        return static_cast<UINT>(key);
    }
}

namespace AfxCollections {

inline UINT HashText(LPCTSTR key, int nLength)
{
    UINT nHash = 0;
    for (int i = 0; i < nLength; ++i)
        nHash = (nHash << 5) + nHash + static_cast<BYTE>(key[i]);
    return nHash;
}

} // namespace AfxCollections

template <>
inline UINT HashKey<LPCTSTR>(LPCTSTR key)
{
    return key != NULL ? AfxCollections::HashText(key, static_cast<int>(std::strlen(key))) : 0;
}

template <>
inline UINT HashKey<const CString&>(const CString& key)
{
    return AfxCollections::HashText(key, key.GetLength());
}

template <>
inline UINT HashKey<CString>(CString key)
{
    return AfxCollections::HashText(key, key.GetLength());
}

// Writes or reads nCount elements. Strings go in their archive form,
// pointers to CObject classes as objects (WriteObject/ReadObject), and
// other plain data as its bytes; anything else needs a specialisation.
template <class TYPE>
void SerializeElements(CArchive& ar, TYPE* pElements, INT_PTR nCount)
{
    if constexpr (std::is_same_v<TYPE, CString>)
    {
        for (INT_PTR i = 0; i < nCount; ++i)
        {
            if (ar.IsStoring())
                ar << pElements[i];
            else
                ar >> pElements[i];
        }
    }
    else if constexpr (std::is_pointer_v<TYPE> &&
                       std::is_base_of_v<CObject, std::remove_cv_t<std::remove_pointer_t<TYPE>>>)
    {
        using Class = std::remove_cv_t<std::remove_pointer_t<TYPE>>;
        for (INT_PTR i = 0; i < nCount; ++i)
        {
            if (ar.IsStoring())
                ar.WriteObject(pElements[i]);
            else
                pElements[i] = static_cast<TYPE>(ar.ReadObject(RUNTIME_CLASS(Class)));
        }
    }
    else
    {
        static_assert(std::is_trivially_copyable_v<TYPE>, "SerializeElements needs a specialisation for this type");
        const UINT nBytes = static_cast<UINT>(nCount * sizeof(TYPE));
        if (ar.IsStoring())
            ar.Write(pElements, nBytes);
        else if (ar.Read(pElements, nBytes) != nBytes)
            AfxThrowArchiveException(CArchiveException::endOfFile);
    }
}
