// A frame's docking stream read back. Input: one byte whose low bit says
// whether the stream carries its closed-pane section, then the stream. An
// accepted stream must be what the writer gives back for the record read
// (up to the closed panes when they were not read); a refused one must
// leave the record as it was.
#include "docking/CVrxPDockStateRecord.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const BOOL bWithClosedPanes = (data[0] & 1) != 0;
    const BYTE* pStream = data + 1;
    const size_t nStream = size - 1;

    CVrxPDockStateRecord record;
    record.closedPaneIds = {77};
    if (!record.Read(pStream, nStream, bWithClosedPanes))
    {
        if (!record.dockList.empty() || !record.autoHide.empty() || record.closedPaneIds != std::vector<int>{77})
            std::abort();
        return 0;
    }
    const std::vector<BYTE> written = record.Write();
    if (bWithClosedPanes)
    {
        if (written != std::vector<BYTE>(pStream, pStream + nStream))
            std::abort();
        return 0;
    }
    // Without its last section the record writes a zero count there.
    if (!record.closedPaneIds.empty() || written.size() < 4 || written.size() - 4 > nStream ||
        !std::equal(written.begin(), written.end() - 4, pStream))
        std::abort();
    return 0;
}
