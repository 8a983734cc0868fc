// The MDI tabs' stored arrangement read back. Input: a byte whose low bit
// says whether the entries hold pane ids, then the "MDITabsState" bytes. An
// accepted state must be written again in a form that reads back to the
// same bytes; a refused one must leave the state as it was.
#include "docking/mdi/CVrxPMDITabsState.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const BOOL bWithPaneIds = (data[0] & 1) != 0;
    const std::vector<BYTE> bytes(data + 1, data + size);

    // A state no stored bytes give, so that any member taken shows.
    CVrxPMDITabsState state;
    state.arrangement = 77;
    state.children.resize(1);
    const std::vector<BYTE> before = state.Bytes();
    if (!state.Read(bytes, bWithPaneIds))
    {
        if (state.Bytes() != before)
            std::abort();
        return 0;
    }
    const std::vector<BYTE> written = state.Bytes();
    CVrxPMDITabsState again;
    if (!again.Read(written, TRUE) || again.Bytes() != written)
        std::abort();
    return 0;
}
