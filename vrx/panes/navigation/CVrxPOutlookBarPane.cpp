#include "CVrxPOutlookBarPane.h"

#include "gdi/CBrush.h"
#include "gdi/CDC.h"

#include <algorithm>

void CVrxPOutlookBarPane::PaintBackground(CDC* pDC, const CRect& rect) const
{
    BITMAP info;
    if (backImage == NULL || ::GetObject(backImage, sizeof(info), &info) == 0 || info.bmWidth <= 0 ||
        info.bmHeight <= 0)
    {
        pDC->FillSolidRect(&rect, backColor);
        return;
    }
    HDC hImageDC = ::CreateCompatibleDC(pDC->GetSafeHdc());
    HGDIOBJ hOld = ::SelectObject(hImageDC, backImage);
    for (int y = rect.top; y < rect.bottom; y += info.bmHeight)
        for (int x = rect.left; x < rect.right; x += info.bmWidth)
            ::BitBlt(pDC->GetSafeHdc(), x, y, std::min<int>(info.bmWidth, rect.right - x),
                     std::min<int>(info.bmHeight, rect.bottom - y), hImageDC, 0, 0, SRCCOPY);
    ::SelectObject(hImageDC, hOld);
    ::DeleteDC(hImageDC);
}
