// A control bar's stored values read back. Input: the eight values of the
// bar's key in the record's order, then "IsVisible", each after a byte that
// says whether it is there and how long it is (0xFF: missing); the rest is
// the bar's part of a docking archive. An accepted record must be a sound
// place whose values the writer gives back as they were read; a refused one
// must leave the place as it was.
#include "core/CException.h"
#include "docking/CVrxPStoredBarRecord.h"
#include "files/CArchive.h"
#include "files/CMemFile.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace
{
using Record = CVrxPStoredBarRecord;
const int barId = 59400;

Record::Stored Take(const uint8_t*& data, size_t& size)
{
    Record::Stored value;
    if (size == 0)
        return value;
    const uint8_t length = *data++;
    size--;
    if (length == 0xFF)
        return value;
    const size_t n = std::min<size_t>(length, size);
    value.present = true;
    value.bytes.assign(data, data + n);
    data += n;
    size -= n;
    return value;
}

bool Sound(const RECT& rect)
{
    return rect.left <= rect.right && rect.top <= rect.bottom;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Record::Stored values[Record::valueCount];
    for (Record::Stored& value : values)
        value = Take(data, size);
    const Record::Stored visible = Take(data, size);

    // A place no stored value can hold, so that any member taken shows.
    Record::Place place{{9, 9, -9, -9}, {9, 9, -9, -9}, -1, -1, -1, -1, -1};
    const Record::Place before = place;
    if (Record::Read(values, barId, place))
    {
        for (int i = 0; i < Record::valueCount; i++)
            if (values[i].present &&
                Record::ValueBytes(static_cast<Record::Value>(i), barId, place) != values[i].bytes)
                std::abort();
        if (values[Record::rectRecentFloat].present != Sound(place.floatRect) ||
            values[Record::rectRecentDocked].present != Sound(place.dockedRect) || place.alignment == -1 ||
            (values[Record::recentRowIndex].present && (place.rowIndex < 0 || place.rowIndex > Record::maxRowIndex)))
            std::abort();
    }
    else if (std::memcmp(&place, &before, sizeof(place)) != 0)
        std::abort();

    BOOL bVisible = 7;
    if (Record::ReadVisible(visible, bVisible))
    {
        if (visible.present ? Record::VisibleBytes(bVisible) != visible.bytes : bVisible != 7)
            std::abort();
    }
    else if (bVisible != 7)
        std::abort();

    // An accepted docking state is stored again as the first 8 bytes.
    std::vector<BYTE> rest(data, data + size);
    CMemFile file(rest.data(), static_cast<UINT>(rest.size()));
    DWORD dwAlignment = 0x77;
    bVisible = 7;
    BOOL bLoaded = TRUE;
    try
    {
        CArchive ar(&file, CArchive::load);
        Record::LoadDockingState(ar, dwAlignment, bVisible);
    }
    catch (CException* e)
    {
        e->Delete();
        bLoaded = FALSE;
    }
    if (!bLoaded)
    {
        if (dwAlignment != 0x77 || bVisible != 7)
            std::abort();
        return 0;
    }
    CMemFile again;
    {
        CArchive ar(&again, CArchive::store);
        Record::StoreDockingState(ar, dwAlignment, bVisible);
    }
    std::vector<BYTE> stored(static_cast<size_t>(again.GetLength()));
    again.SeekToBegin();
    again.Read(stored.data(), static_cast<UINT>(stored.size()));
    if (rest.size() < 8 || !std::equal(stored.begin(), stored.end(), rest.begin()))
        std::abort();
    return 0;
}
