#pragma once

// A control bar's stored place as the registry holds it, read and written
// without a window: under the bar's "VrxPControlBar-<id>" key the 16-byte
// rectangles (four 32-bit edges, left to right and top to bottom) and six
// 32-bit numbers; under its "VrxPBaseControlBar-<id>" key "IsVisible". A
// value may be missing, and then leaves its member as it was; a value that
// is present but damaged or foreign refuses the whole record. The bar's
// part of the frame's docking archive is read here too.

#include "core/Platform.h"

#include <vector>

class CArchive;

class CVrxPStoredBarRecord
{
public:
    enum Value
    {
        id,
        rectRecentFloat,
        rectRecentDocked,
        recentFrameAlignment,
        recentRowIndex,
        isFloating,
        mruWidth,
        pinState,
        valueCount
    };

    // A dock bar never holds that many rows; a larger index would make the
    // restore add rows without end.
    static constexpr int maxRowIndex = 100;
    // The width a bar stores when it never had one.
    static constexpr int noMruWidth = 32767;
    // The sides a bar docks at; a stored alignment is exactly one of them.
    static constexpr int alignLeft = 0x1000;
    static constexpr int alignTop = 0x2000;
    static constexpr int alignRight = 0x4000;
    static constexpr int alignBottom = 0x8000;

    // The registry's name of each value, in the order of Value.
    static const char* const valueNames[valueCount];
    static const char isVisibleName[];

    // A value as the registry hands it out, whatever its type.
    struct Stored
    {
        bool present = false;
        std::vector<BYTE> bytes;
    };

    struct Place
    {
        RECT floatRect;
        RECT dockedRect;
        int alignment;
        int rowIndex;
        int floating;
        int mruWidth;
        int pinState;
    };

    // FALSE, leaving place as it was, when a present value is damaged or
    // belongs to a bar whose id is not nBarId.
    static BOOL Read(const Stored (&values)[valueCount], int nBarId, Place& place);
    // The bytes of each value as a bar stores them.
    static std::vector<BYTE> ValueBytes(Value value, int nBarId, const Place& place);
    static BOOL IsRectangle(Value value) { return value == rectRecentFloat || value == rectRecentDocked; }

    // FALSE, leaving bVisible, unless a present value is the number 0 or 1.
    static BOOL ReadVisible(const Stored& value, BOOL& bVisible);
    static std::vector<BYTE> VisibleBytes(BOOL bVisible);

    // The bar's part of the docking archive: a 32-bit alignment (the bar
    // style's side bits) and a 32-bit 0 or 1 for visible.
    static constexpr DWORD alignmentMask = 0xF000;
    static void StoreDockingState(CArchive& ar, DWORD dwAlignment, BOOL bVisible);
    // Throws the archive's exception, leaving both, when the stream ends
    // early or holds bits beside the sides or another number than 0 or 1.
    static void LoadDockingState(CArchive& ar, DWORD& dwAlignment, BOOL& bVisible);

    // A number value: exactly 4 bytes, low byte first.
    static BOOL ReadNumber(const std::vector<BYTE>& bytes, DWORD& dwNumber);
    static std::vector<BYTE> NumberBytes(DWORD dwNumber);
};
