#pragma once

#include "core/CObject.h"
#include "strings/CPoint.h"
#include "strings/CSize.h"

#include <commctrl.h>

class CBitmap;
class CDC;

// An image list of the common controls. Like the GDI objects, a list that
// created or attached its handle is found again by FromHandle; other
// handles get a temporary object of the calling thread.
class FRAMEWORK_API CImageList : public CObject
{
    DECLARE_DYNCREATE(CImageList)

public:
    HIMAGELIST m_hImageList;

    CImageList();
    virtual ~CImageList();

    operator HIMAGELIST() const { return m_hImageList; }
    // Callers ask a NULL pointer for its handle too (and get NULL).
    HIMAGELIST GetSafeHandle() const;

    static CImageList* FromHandle(HIMAGELIST hImageList);
    static CImageList* FromHandlePermanent(HIMAGELIST hImageList);
    static void DeleteTempMap();
    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();
    BOOL DeleteImageList();

    // nFlags: ILC_COLOR4...ILC_COLOR32, plus ILC_MASK for a masked list.
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // A strip of cx-wide images from a bitmap resource (found along the
    // resource chain); crMask is the transparent colour, CLR_NONE for none.
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask);
    // Image nImage2 of imagelist2 drawn over image nImage1 of imagelist1.
    BOOL Create(CImageList& imagelist1, int nImage1, CImageList& imagelist2, int nImage2, int dx, int dy);
    // A copy of another list.
    BOOL Create(CImageList* pImageList);

    int GetImageCount() const;
    BOOL SetImageCount(UINT uNewCount);
    BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const;
    BOOL GetIconSize(int* pcx, int* pcy) const;
    COLORREF SetBkColor(COLORREF cr);
    COLORREF GetBkColor() const;

    // Each Add returns the index of the first new image, or -1.
    int Add(CBitmap* pbmImage, CBitmap* pbmMask);
    int Add(CBitmap* pbmImage, COLORREF crMask);
    int Add(HICON hIcon);
    BOOL Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask);
    int Replace(int nImage, HICON hIcon);
    // -1 removes every image.
    BOOL Remove(int nImage);
    // A new icon the caller destroys, or NULL.
    HICON ExtractIcon(int nImage);
    BOOL Copy(int iDst, int iSrc, UINT uFlags = ILCF_MOVE);
    BOOL Copy(int iDst, CImageList* pSrc, int iSrc, UINT uFlags = ILCF_MOVE);
    BOOL SetOverlayImage(int nImage, int nOverlay);

    // nStyle: ILD_NORMAL, ILD_TRANSPARENT, ILD_SELECTED, ILD_FOCUS, ILD_MASK,
    // plus INDEXTOOVERLAYMASK(n).
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
    BOOL DrawEx(CDC* pDC, int nImage, POINT pt, SIZE sz, COLORREF clrBk, COLORREF clrFg, UINT nStyle);
    BOOL DrawIndirect(IMAGELISTDRAWPARAMS* pimldp);

    BOOL BeginDrag(int nImage, CPoint ptHotSpot);
    static void EndDrag();
    static BOOL DragMove(CPoint pt);
    BOOL SetDragCursorImage(int nDrag, CPoint ptHotSpot);
    static BOOL DragShowNolock(BOOL bShow);
    static BOOL DragEnter(HWND hWndLock, CPoint point);
    static BOOL DragLeave(HWND hWndLock);
    // The same for a window object (a CWnd or anything with GetSafeHwnd).
    template <class TWnd>
    static BOOL DragEnter(TWnd* pWndLock, CPoint point)
    {
        return DragEnter(pWndLock != nullptr ? pWndLock->GetSafeHwnd() : nullptr, point);
    }
    template <class TWnd>
    static BOOL DragLeave(TWnd* pWndLock)
    {
        return DragLeave(pWndLock != nullptr ? pWndLock->GetSafeHwnd() : nullptr);
    }
};
