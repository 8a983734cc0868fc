// A tasks pane's "Settings" value read back under each workspace's rules.
// Accepted values are written back and read again to the same state; a
// refused value leaves the reader holding what it held.
#include "panes/navigation/CVrxPTasksPaneState.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<BYTE> value(data, data + size);
    CVrxPTasksPaneState held;
    held.pageNames = {"Held"};
    held.caption = "Held";
    for (const BOOL bWithPages : {TRUE, FALSE})
        for (const BOOL bWithCaption : {TRUE, FALSE})
        {
            CVrxPTasksPaneState read = held;
            if (!read.Read(value.data(), static_cast<UINT>(value.size()), bWithPages, bWithCaption))
            {
                if (!(read == held))
                    std::abort();
                continue;
            }
            if ((!bWithPages && read.pageNames != held.pageNames) || (!bWithCaption && !(read.caption == held.caption)))
                std::abort();
            std::vector<BYTE> again;
            CVrxPTasksPaneState reread;
            if (!read.Write(again) || !reread.Read(again.data(), static_cast<UINT>(again.size()), TRUE, TRUE) ||
                !(reread == read))
                std::abort();
        }
    return 0;
}
