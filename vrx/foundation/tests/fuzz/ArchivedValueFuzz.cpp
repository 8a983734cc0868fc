// A registry value read back as the registry's typed reads take it. Input:
// a byte that picks the read, then the value. A rectangle, point or word
// array that is accepted must be written again as the bytes it was read
// from. (Objects read by class are the framework archive harness's part.)
#include "FuzzValues.h"

#include "collections/CByteArray.h"
#include "collections/CDWordArray.h"
#include "collections/CStringArray.h"
#include "collections/CStringList.h"
#include "foundation/CVrxPArchivedValue.h"

#include <cstdlib>
#include <cstring>

namespace
{
enum Read
{
    readRect,
    readPoint,
    readWordArray,
    readByteArray,
    readDWordArray,
    readStringArray,
    readStringList,
    readCount
};

bool StartsWith(const std::vector<BYTE>& value, const std::vector<BYTE>& prefix)
{
    return prefix.size() <= value.size() && std::equal(prefix.begin(), prefix.end(), value.begin());
}

template <class Container>
void ReadContainer(const std::vector<BYTE>& value)
{
    Container container;
    CVrxPArchivedValue::Load(value.data(), static_cast<UINT>(value.size()),
                             [&container](CArchive& ar) { container.Serialize(ar); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzValues input(data, size);
    const uint8_t byRead = input.Byte();
    const std::vector<BYTE> value = input.Rest();
    const UINT nSize = static_cast<UINT>(value.size());
    switch (byRead % readCount)
    {
    case readRect:
    {
        RECT rect{};
        std::vector<BYTE> again;
        if (CVrxPArchivedValue::LoadRect(value.data(), nSize, rect) &&
            (!CVrxPArchivedValue::StoreRect(again, rect) || !StartsWith(value, again)))
            std::abort();
        break;
    }
    case readPoint:
    {
        POINT point{};
        DWORD elements[2];
        // The count (16 bits, or 0xFFFF and 32 bits) comes before x and y.
        const size_t nOffset = value.size() >= 2 && value[0] == 0xFF && value[1] == 0xFF ? 6 : 2;
        if (CVrxPArchivedValue::LoadPoint(value.data(), nSize, point))
        {
            if (value.size() < nOffset + sizeof(elements))
                std::abort();
            std::memcpy(elements, &value[nOffset], sizeof(elements));
            if (static_cast<DWORD>(point.x) != elements[0] || static_cast<DWORD>(point.y) != elements[1])
                std::abort();
        }
        break;
    }
    case readWordArray:
    {
        CWordArray words;
        std::vector<BYTE> again;
        if (CVrxPArchivedValue::LoadWordArray(value.data(), nSize, words) &&
            (!CVrxPArchivedValue::StoreWordArray(again, words) || !StartsWith(value, again)))
            std::abort();
        break;
    }
    case readByteArray: ReadContainer<CByteArray>(value); break;
    case readDWordArray: ReadContainer<CDWordArray>(value); break;
    case readStringArray: ReadContainer<CStringArray>(value); break;
    case readStringList: ReadContainer<CStringList>(value); break;
    }
    return 0;
}
