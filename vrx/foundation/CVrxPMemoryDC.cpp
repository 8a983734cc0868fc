#include "foundation/CVrxPMemoryDC.h"

#include "foundation/CVrxPGlobals.h"
#include "windows/CWnd.h"

namespace
{
const DWORD topDownBuffer = 2;
} // namespace

CVrxPMemoryDC::CVrxPMemoryDC(CDC& target, CWnd* pWnd) : m_pTarget(&target)
{
    pWnd->GetClientRect(&m_rect);
    m_rect.right += pWnd->GetScrollPos(SB_HORZ);
    m_rect.bottom += pWnd->GetScrollPos(SB_VERT);

    const CVrxPGlobals& globals = VrxPGlobals();
    if (globals.pfnBeginBufferedPaint != nullptr && globals.pfnEndBufferedPaint != nullptr)
    {
        HDC hBufferDC = NULL;
        m_hBufferedPaint = globals.pfnBeginBufferedPaint(target.GetSafeHdc(), &m_rect, topDownBuffer, NULL, &hBufferDC);
        if (m_hBufferedPaint != nullptr && hBufferDC != NULL)
        {
            m_memoryDC.Attach(hBufferDC);
            m_bBuffered = TRUE;
            return;
        }
        m_hBufferedPaint = nullptr;
    }
    if (m_memoryDC.CreateCompatibleDC(&target) &&
        m_bitmap.CreateCompatibleBitmap(&target, m_rect.Width(), m_rect.Height()))
    {
        m_bBuffered = TRUE;
        m_pOldBitmap = m_memoryDC.SelectObject(&m_bitmap);
    }
}

CVrxPMemoryDC::~CVrxPMemoryDC()
{
    if (m_hBufferedPaint != nullptr)
    {
        m_memoryDC.Detach();
        VrxPGlobals().pfnEndBufferedPaint(m_hBufferedPaint, TRUE);
        return;
    }
    if (m_bBuffered)
    {
        CRect clip;
        switch (m_pTarget->GetClipBox(&clip))
        {
        case NULLREGION:
            break;
        case SIMPLEREGION:
            m_pTarget->BitBlt(clip.left, clip.top, clip.Width(), clip.Height(), &m_memoryDC, clip.left, clip.top,
                              SRCCOPY);
            break;
        default:
            m_pTarget->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), &m_memoryDC, m_rect.left,
                              m_rect.top, SRCCOPY);
            break;
        }
        m_memoryDC.SelectObject(m_pOldBitmap);
    }
    m_bitmap.DeleteObject();
    m_memoryDC.DeleteDC();
}
