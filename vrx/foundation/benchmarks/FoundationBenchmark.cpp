// Prints how long the foundation's pixel effects take; not run by ctest.

#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/CVrxPPainter.h"
#include "foundation/CVrxPToolbarImageList.h"

#include "gdi/CBitmap.h"
#include "gdi/CDC.h"

#include <chrono>
#include <cstdio>
#include <functional>

namespace
{
void Measure(const char* name, int nRuns, const std::function<void()>& run)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < nRuns; i++)
        run();
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    printf("%-40s %8.3f ms per run (%d runs)\n", name, ms / nRuns, nRuns);
}
} // namespace

int main()
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    void* pBits = nullptr;
    HBITMAP hCanvas = CVrxPPainter::MakeDibSection32(600, 600, &pBits);
    HGDIOBJ hOld = dc.SelectObject(static_cast<HGDIOBJ>(hCanvas));
    dc.FillSolidRect(0, 0, 600, 600, RGB(200, 210, 220));
    CVrxPPainter painter(dc);

    Measure("banded gradient 500 x 500", 200,
            [&] { painter.PaintGradient(CRect(0, 0, 500, 500), RGB(0, 0, 0), RGB(255, 255, 255)); });
    Measure("directional gradient 45 degrees 500 x 500", 50,
            [&] { painter.PaintDirectionalGradient(CRect(0, 0, 500, 500), RGB(0, 0, 0), RGB(255, 255, 255), 45); });
    Measure("drop shade 400 x 300, depth 6", 200,
            [&] { painter.PaintDropShade(CRect(10, 10, 410, 310), 6); });
    Measure("lighten 500 x 500", 50, [&] { painter.LightenRect(CRect(0, 0, 500, 500), 130); });
    Measure("ring gradient 200 x 100, 8 rings", 50,
            [&] { painter.PaintRingGradient(CRect(0, 0, 200, 100), RGB(0, 0, 0), RGB(255, 255, 255), -1); });

    HBITMAP hStrip = CVrxPPainter::MakeDibSection32(256, 256, &pBits);
    DWORD* pPixels = static_cast<DWORD*>(pBits);
    for (int i = 0; i < 256 * 256; i++)
        pPixels[i] = (i / 7) % 2 == 0 ? 0x00FF00FF : 0x00000000;
    Measure("region from a 256 x 256 bitmap", 20, [&] {
        HRGN hRegion = CVrxPToolbarImageList::RegionFromBitmap(hStrip, RGB(255, 0, 255));
        DeleteObject(hRegion);
    });
    DeleteObject(hStrip);

    CVrxPMenuGlyphs::EnsureLoaded();
    Measure("one menu glyph", 2000, [&] { CVrxPMenuGlyphs::DrawGlyph(&dc, 5, CPoint(20, 20), 1); });

    dc.SelectObject(hOld);
    DeleteObject(hCanvas);
    return 0;
}
