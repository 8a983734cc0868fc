#include "foundation/VrxPPixelBuffer.h"

#include "foundation/CVrxPPainter.h"

VrxPPixelBuffer::VrxPPixelBuffer(CDC* pDC, int nWidth, int nHeight) : m_nWidth(nWidth), m_nHeight(nHeight)
{
    if (nWidth <= 0 || nHeight <= 0 || !m_dc.CreateCompatibleDC(pDC))
        return;
    void* pBits = nullptr;
    m_hBitmap = CVrxPPainter::MakeDibSection32(nWidth, nHeight, &pBits);
    if (m_hBitmap == nullptr)
        return;
    m_hOldBitmap = m_dc.SelectObject(static_cast<HGDIOBJ>(m_hBitmap));
    m_pBits = static_cast<DWORD*>(pBits);
}

VrxPPixelBuffer::~VrxPPixelBuffer()
{
    if (m_hOldBitmap != nullptr)
        m_dc.SelectObject(m_hOldBitmap);
    if (m_hBitmap != nullptr)
        DeleteObject(m_hBitmap);
}

void VrxPPixelBuffer::CopyFrom(CDC* pSource, int x, int y)
{
    m_dc.BitBlt(0, 0, m_nWidth, m_nHeight, pSource, x, y, SRCCOPY);
    GdiFlush();
}

void VrxPPixelBuffer::CopyTo(CDC* pTarget, int x, int y)
{
    GdiFlush();
    pTarget->BitBlt(x, y, m_nWidth, m_nHeight, &m_dc, 0, 0, SRCCOPY);
}

HBITMAP VrxPPixelBuffer::DetachBitmap()
{
    if (m_hOldBitmap != nullptr)
        m_dc.SelectObject(m_hOldBitmap);
    m_hOldBitmap = nullptr;
    HBITMAP hBitmap = m_hBitmap;
    m_hBitmap = nullptr;
    m_pBits = nullptr;
    return hBitmap;
}
