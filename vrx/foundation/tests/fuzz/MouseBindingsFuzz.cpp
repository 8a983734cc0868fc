// A stored "Mouse" value read back, whole and through an archive as the
// manager's Serialize reads it. An accepted value must be exactly what the
// manager writes for the bindings read; a refused one leaves no binding.
#include "foundation/CVrxPArchivedValue.h"
#include "foundation/CVrxPStoredMouseBindings.h"

#include <cstdlib>
#include <set>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<BYTE> value(data, data + size);
    CVrxPStoredMouseBindings stored;
    const BOOL bRead = stored.Read(value.data(), static_cast<UINT>(value.size()));
    if (!bRead)
    {
        if (!stored.GetBindings().empty())
            std::abort();
    }
    else
    {
        std::set<int> views;
        for (const CVrxPStoredMouseBindings::Binding& binding : stored.GetBindings())
            if (binding.second == 0 || !views.insert(binding.first).second)
                std::abort();
        std::vector<BYTE> again;
        if (!CVrxPArchivedValue::Store(again, CVrxPArchivedValue::growBytes, [&stored](CArchive& ar) {
                CVrxPStoredMouseBindings::Store(ar, stored.GetBindings());
            }) ||
            again != value)
            std::abort();
    }

    // The archive form takes a value that goes on after the bindings.
    CVrxPStoredMouseBindings streamed;
    const BOOL bLoaded =
        CVrxPArchivedValue::Load(value.data(), static_cast<UINT>(value.size()), [&streamed](CArchive& ar) { streamed.Load(ar); });
    if ((bRead && (!bLoaded || streamed.GetBindings() != stored.GetBindings())) ||
        (!bLoaded && !streamed.GetBindings().empty()))
        std::abort();
    return 0;
}
