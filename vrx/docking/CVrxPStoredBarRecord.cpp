#include "docking/CVrxPStoredBarRecord.h"

#include "core/CException.h"
#include "files/CArchive.h"

const char* const CVrxPStoredBarRecord::valueNames[valueCount] = {
    "ID", "RectRecentFloat", "RectRecentDocked", "RecentFrameAlignment", "RecentRowIndex", "IsFloating", "MRUWidth",
    "PinState"};
const char CVrxPStoredBarRecord::isVisibleName[] = "IsVisible";

namespace
{
DWORD NumberAt(const BYTE* pBytes)
{
    return static_cast<DWORD>(pBytes[0]) | static_cast<DWORD>(pBytes[1]) << 8 | static_cast<DWORD>(pBytes[2]) << 16 |
           static_cast<DWORD>(pBytes[3]) << 24;
}

enum class Outcome
{
    missing,
    accepted,
    damaged
};

Outcome ReadInRange(const CVrxPStoredBarRecord::Stored& value, int& nValue, int nLow, int nHigh)
{
    if (!value.present)
        return Outcome::missing;
    DWORD dwRead = 0;
    if (!CVrxPStoredBarRecord::ReadNumber(value.bytes, dwRead))
        return Outcome::damaged;
    const int nRead = static_cast<int>(dwRead);
    if (nRead < nLow || nRead > nHigh)
        return Outcome::damaged;
    nValue = nRead;
    return Outcome::accepted;
}

// An edge pair that runs backwards is no rectangle a bar stored.
Outcome ReadRectangle(const CVrxPStoredBarRecord::Stored& value, RECT& rect)
{
    if (!value.present)
        return Outcome::missing;
    if (value.bytes.size() != 16)
        return Outcome::damaged;
    LONG edges[4];
    for (size_t i = 0; i < 4; i++)
        edges[i] = static_cast<LONG>(NumberAt(&value.bytes[4 * i]));
    if (edges[0] > edges[2] || edges[1] > edges[3])
        return Outcome::damaged;
    rect.left = edges[0];
    rect.top = edges[1];
    rect.right = edges[2];
    rect.bottom = edges[3];
    return Outcome::accepted;
}

bool IsOneSide(int nAlignment)
{
    return nAlignment == CVrxPStoredBarRecord::alignLeft || nAlignment == CVrxPStoredBarRecord::alignTop ||
           nAlignment == CVrxPStoredBarRecord::alignRight || nAlignment == CVrxPStoredBarRecord::alignBottom;
}
} // namespace

BOOL CVrxPStoredBarRecord::ReadNumber(const std::vector<BYTE>& bytes, DWORD& dwNumber)
{
    if (bytes.size() != 4)
        return FALSE;
    dwNumber = NumberAt(bytes.data());
    return TRUE;
}

std::vector<BYTE> CVrxPStoredBarRecord::NumberBytes(DWORD dwNumber)
{
    return {static_cast<BYTE>(dwNumber), static_cast<BYTE>(dwNumber >> 8), static_cast<BYTE>(dwNumber >> 16),
            static_cast<BYTE>(dwNumber >> 24)};
}

BOOL CVrxPStoredBarRecord::Read(const Stored (&values)[valueCount], int nBarId, Place& place)
{
    Place read = place;
    int nStoredId = nBarId;
    const Outcome reads[] = {
        ReadInRange(values[id], nStoredId, nBarId, nBarId),
        ReadRectangle(values[rectRecentFloat], read.floatRect),
        ReadRectangle(values[rectRecentDocked], read.dockedRect),
        ReadInRange(values[recentFrameAlignment], read.alignment, alignLeft, alignBottom),
        ReadInRange(values[recentRowIndex], read.rowIndex, 0, maxRowIndex),
        ReadInRange(values[isFloating], read.floating, 0, 1),
        ReadInRange(values[mruWidth], read.mruWidth, 0, noMruWidth),
        ReadInRange(values[pinState], read.pinState, 0, 1),
    };
    for (Outcome result : reads)
        if (result == Outcome::damaged)
            return FALSE;
    if (!IsOneSide(read.alignment))
        return FALSE;
    place = read;
    return TRUE;
}

std::vector<BYTE> CVrxPStoredBarRecord::ValueBytes(Value value, int nBarId, const Place& place)
{
    const RECT* pRect = nullptr;
    int nNumber = 0;
    switch (value)
    {
    case id:
        nNumber = nBarId;
        break;
    case rectRecentFloat:
        pRect = &place.floatRect;
        break;
    case rectRecentDocked:
        pRect = &place.dockedRect;
        break;
    case recentFrameAlignment:
        nNumber = place.alignment;
        break;
    case recentRowIndex:
        nNumber = place.rowIndex;
        break;
    case isFloating:
        nNumber = place.floating;
        break;
    case mruWidth:
        nNumber = place.mruWidth;
        break;
    case pinState:
        nNumber = place.pinState;
        break;
    case valueCount:
        return {};
    }
    if (pRect == nullptr)
        return NumberBytes(static_cast<DWORD>(nNumber));
    std::vector<BYTE> bytes;
    for (LONG edge : {pRect->left, pRect->top, pRect->right, pRect->bottom})
    {
        const std::vector<BYTE> edgeBytes = NumberBytes(static_cast<DWORD>(edge));
        bytes.insert(bytes.end(), edgeBytes.begin(), edgeBytes.end());
    }
    return bytes;
}

BOOL CVrxPStoredBarRecord::ReadVisible(const Stored& value, BOOL& bVisible)
{
    int nVisible = 0;
    const Outcome result = ReadInRange(value, nVisible, 0, 1);
    if (result == Outcome::accepted)
        bVisible = nVisible;
    return result != Outcome::damaged;
}

std::vector<BYTE> CVrxPStoredBarRecord::VisibleBytes(BOOL bVisible)
{
    return NumberBytes(bVisible ? 1 : 0);
}

void CVrxPStoredBarRecord::StoreDockingState(CArchive& ar, DWORD dwAlignment, BOOL bVisible)
{
    ar << static_cast<int>(dwAlignment & alignmentMask) << (bVisible ? 1 : 0);
}

void CVrxPStoredBarRecord::LoadDockingState(CArchive& ar, DWORD& dwAlignment, BOOL& bVisible)
{
    int nAlignment = 0;
    int nVisible = 0;
    ar >> nAlignment >> nVisible;
    if ((static_cast<DWORD>(nAlignment) & ~alignmentMask) != 0 || (nVisible != 0 && nVisible != 1))
        AfxThrowArchiveException(CArchiveException::badIndex);
    dwAlignment = static_cast<DWORD>(nAlignment);
    bVisible = nVisible;
}
