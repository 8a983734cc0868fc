#pragma once

// A look's brushes and pens are remade in place whenever its palette is
// reloaded, so every drawing keeps the same objects.

#include "gdi/CBrush.h"
#include "gdi/CPen.h"

inline void RemakeBrush(CBrush& brush, COLORREF color)
{
    brush.DeleteObject();
    brush.CreateSolidBrush(color);
}

inline void RemakePen(CPen& pen, COLORREF color)
{
    pen.DeleteObject();
    pen.CreatePen(PS_SOLID, 1, color);
}
