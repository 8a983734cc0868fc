#pragma once

// Double-buffered painting: constructed on the stack in a paint handler with
// the target DC and the window being painted; the handler draws into GetDC();
// the destructor puts the buffer on the target. When no buffer can be made,
// GetDC() is the target itself.

#include "gdi/CBitmap.h"
#include "gdi/CDC.h"
#include "strings/CRect.h"

class CWnd;

class CVrxPMemoryDC
{
public:
    CVrxPMemoryDC(CDC& target, CWnd* pWnd);
    virtual ~CVrxPMemoryDC();
    CVrxPMemoryDC(const CVrxPMemoryDC&) = delete;
    CVrxPMemoryDC& operator=(const CVrxPMemoryDC&) = delete;

    CDC& GetDC() { return m_bBuffered ? m_memoryDC : *m_pTarget; }
    BOOL IsBuffered() const { return m_bBuffered; }

private:
    CDC* m_pTarget;
    BOOL m_bBuffered = FALSE;
    HANDLE m_hBufferedPaint = nullptr;
    CDC m_memoryDC;
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap = nullptr;
    CRect m_rect;
};
