// An outlook bar's custom pages read back, with and without the shown-button
// count. Accepted pages are written back and read again to the same pages; a
// refused value leaves the reader holding what it held.
#include "panes/navigation/CVrxPOutlookCustomPages.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<BYTE> value(data, data + size);
    static const CVrxPOutlookCustomPages held({{3, "Held"}}, 2);
    for (const BOOL bWithShownButtons : {TRUE, FALSE})
    {
        CVrxPOutlookCustomPages read = held;
        if (!read.Read(value.data(), static_cast<UINT>(value.size()), bWithShownButtons))
        {
            if (!(read == held))
                std::abort();
            continue;
        }
        if (!bWithShownButtons && read.GetShownButtons() != held.GetShownButtons())
            std::abort();
        std::vector<BYTE> again;
        CVrxPOutlookCustomPages reread;
        if (!read.Write(again) || !reread.Read(again.data(), static_cast<UINT>(again.size()), TRUE) ||
            !(reread == read))
            std::abort();
        std::vector<BYTE> third;
        if (!reread.Write(third) || third != again)
            std::abort();
    }
    return 0;
}
