#include "gdi/CImageList.h"

#include "app/ResourceChain.h"
#include "gdi/CBitmap.h"
#include "gdi/CDC.h"
#include "gdi/CHandleMap.h"

IMPLEMENT_DYNCREATE(CImageList, CObject)

namespace {

CImageList* NewTemporaryImageList(HIMAGELIST hImageList)
{
    CImageList* pImageList = new CImageList;
    pImageList->m_hImageList = hImageList;
    return pImageList;
}

void ReleaseTemporaryImageList(CImageList* pImageList)
{
    pImageList->m_hImageList = nullptr;
    delete pImageList;
}

HIMAGELIST HandleOf(const CImageList* pImageList)
{
    return pImageList->m_hImageList;
}

CHandleMap<HIMAGELIST, CImageList>& ImageListMap()
{
    static CHandleMap<HIMAGELIST, CImageList> map(NewTemporaryImageList, ReleaseTemporaryImageList, HandleOf);
    return map;
}

HBITMAP BitmapOf(CBitmap* pBitmap)
{
    return static_cast<HBITMAP>(pBitmap->GetSafeHandle());
}

} // namespace

CImageList::CImageList()
    : m_hImageList(nullptr)
{
}

CImageList::~CImageList()
{
    DeleteImageList();
}

HIMAGELIST CImageList::GetSafeHandle() const
{
    // Read through a volatile copy: the compiler may not assume it non-null.
    const CImageList* volatile self = this;
    return self == nullptr ? nullptr : self->m_hImageList;
}

CImageList* CImageList::FromHandle(HIMAGELIST hImageList)
{
    return ImageListMap().FromHandle(hImageList);
}

CImageList* CImageList::FromHandlePermanent(HIMAGELIST hImageList)
{
    return ImageListMap().LookupPermanent(hImageList);
}

void CImageList::DeleteTempMap()
{
    ImageListMap().DeleteTemporary();
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    if (hImageList == nullptr)
        return FALSE;
    m_hImageList = hImageList;
    ImageListMap().SetPermanent(hImageList, this);
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST hImageList = m_hImageList;
    if (hImageList != nullptr)
        ImageListMap().RemovePermanent(hImageList, this);
    m_hImageList = nullptr;
    return hImageList;
}

BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == nullptr)
        return FALSE;
    return ImageList_Destroy(Detach());
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    return Attach(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return Create(MAKEINTRESOURCE(nBitmapID), cx, nGrow, crMask);
}

BOOL CImageList::Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask)
{
    HINSTANCE hInstance = AfxFindResourceHandle(lpszBitmapID, RT_BITMAP);
    return Attach(ImageList_LoadImage(hInstance, lpszBitmapID, cx, nGrow, crMask, IMAGE_BITMAP, 0));
}

BOOL CImageList::Create(CImageList& imagelist1, int nImage1, CImageList& imagelist2, int nImage2,
                        int dx, int dy)
{
    return Attach(ImageList_Merge(imagelist1.m_hImageList, nImage1, imagelist2.m_hImageList, nImage2, dx, dy));
}

BOOL CImageList::Create(CImageList* pImageList)
{
    return Attach(ImageList_Duplicate(pImageList->GetSafeHandle()));
}

int CImageList::GetImageCount() const
{
    return ImageList_GetImageCount(m_hImageList);
}

BOOL CImageList::SetImageCount(UINT uNewCount)
{
    return ImageList_SetImageCount(m_hImageList, uNewCount);
}

BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
{
    return ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
}

BOOL CImageList::GetIconSize(int* pcx, int* pcy) const
{
    return ImageList_GetIconSize(m_hImageList, pcx, pcy);
}

COLORREF CImageList::SetBkColor(COLORREF cr)
{
    return ImageList_SetBkColor(m_hImageList, cr);
}

COLORREF CImageList::GetBkColor() const
{
    return ImageList_GetBkColor(m_hImageList);
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Add(m_hImageList, BitmapOf(pbmImage), BitmapOf(pbmMask));
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    return ImageList_AddMasked(m_hImageList, BitmapOf(pbmImage), crMask);
}

int CImageList::Add(HICON hIcon)
{
    return ImageList_ReplaceIcon(m_hImageList, -1, hIcon);
}

BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Replace(m_hImageList, nImage, BitmapOf(pbmImage), BitmapOf(pbmMask));
}

int CImageList::Replace(int nImage, HICON hIcon)
{
    return ImageList_ReplaceIcon(m_hImageList, nImage, hIcon);
}

BOOL CImageList::Remove(int nImage)
{
    return ImageList_Remove(m_hImageList, nImage);
}

HICON CImageList::ExtractIcon(int nImage)
{
    return ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL);
}

BOOL CImageList::Copy(int iDst, int iSrc, UINT uFlags)
{
    return ImageList_Copy(m_hImageList, iDst, m_hImageList, iSrc, uFlags);
}

BOOL CImageList::Copy(int iDst, CImageList* pSrc, int iSrc, UINT uFlags)
{
    return ImageList_Copy(m_hImageList, iDst, pSrc->GetSafeHandle(), iSrc, uFlags);
}

BOOL CImageList::SetOverlayImage(int nImage, int nOverlay)
{
    return ImageList_SetOverlayImage(m_hImageList, nImage, nOverlay);
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
    return ImageList_Draw(m_hImageList, nImage, pDC->GetSafeHdc(), pt.x, pt.y, nStyle);
}

BOOL CImageList::DrawEx(CDC* pDC, int nImage, POINT pt, SIZE sz, COLORREF clrBk, COLORREF clrFg, UINT nStyle)
{
    return ImageList_DrawEx(m_hImageList, nImage, pDC->GetSafeHdc(), pt.x, pt.y, sz.cx, sz.cy, clrBk,
                            clrFg, nStyle);
}

BOOL CImageList::DrawIndirect(IMAGELISTDRAWPARAMS* pimldp)
{
    pimldp->himl = m_hImageList;
    return ImageList_DrawIndirect(pimldp);
}

BOOL CImageList::BeginDrag(int nImage, CPoint ptHotSpot)
{
    return ImageList_BeginDrag(m_hImageList, nImage, ptHotSpot.x, ptHotSpot.y);
}

void CImageList::EndDrag()
{
    ImageList_EndDrag();
}

BOOL CImageList::DragMove(CPoint pt)
{
    return ImageList_DragMove(pt.x, pt.y);
}

BOOL CImageList::SetDragCursorImage(int nDrag, CPoint ptHotSpot)
{
    return ImageList_SetDragCursorImage(m_hImageList, nDrag, ptHotSpot.x, ptHotSpot.y);
}

BOOL CImageList::DragShowNolock(BOOL bShow)
{
    return ImageList_DragShowNolock(bShow);
}

BOOL CImageList::DragEnter(HWND hWndLock, CPoint point)
{
    return ImageList_DragEnter(hWndLock, point.x, point.y);
}

BOOL CImageList::DragLeave(HWND hWndLock)
{
    return ImageList_DragLeave(hWndLock);
}
