#pragma once

#include "core/Platform.h"

class CPoint;

// An extent, interchangeable with SIZE.
class CSize : public tagSIZE
{
public:
    CSize() { cx = cy = 0; }
    CSize(int initCX, int initCY) { cx = initCX; cy = initCY; }
    CSize(SIZE initSize) { cx = initSize.cx; cy = initSize.cy; }
    CSize(POINT initPt) { cx = initPt.x; cy = initPt.y; }
    // As packed in a message's LPARAM: low word cx, high word cy, signed.
    explicit CSize(DWORD dwSize) { cx = static_cast<short>(LOWORD(dwSize)); cy = static_cast<short>(HIWORD(dwSize)); }

    void SetSize(int dx, int dy) { cx = dx; cy = dy; }

    bool operator==(SIZE size) const { return cx == size.cx && cy == size.cy; }
    bool operator!=(SIZE size) const { return !(*this == size); }
    void operator+=(SIZE size) { cx += size.cx; cy += size.cy; }
    void operator-=(SIZE size) { cx -= size.cx; cy -= size.cy; }

    CSize operator+(SIZE size) const { return CSize(cx + size.cx, cy + size.cy); }
    CSize operator-(SIZE size) const { return CSize(cx - size.cx, cy - size.cy); }
    CSize operator-() const { return CSize(-cx, -cy); }
    CPoint operator+(POINT point) const;
    CPoint operator-(POINT point) const;
};

#include "strings/CPoint.h"
