#include "ole/COleDataSource.h"

#include "ole/COleDropSource.h"
#include "windows/CWnd.h"

#include <shlobj.h>

#include <cstring>

COleDataSource::COleDataSource() : m_nRefs(0)
{
}

COleDataSource::~COleDataSource()
{
    Empty();
}

void COleDataSource::CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal)
{
    for (Item& item : m_items)
        if (item.format == cfFormat)
        {
            ::GlobalFree(item.hGlobal);
            item.hGlobal = hGlobal;
            return;
        }
    m_items.push_back({cfFormat, hGlobal});
}

void COleDataSource::Empty()
{
    for (const Item& item : m_items)
        ::GlobalFree(item.hGlobal);
    m_items.clear();
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD dwEffects, LPCRECT lpRectStartDrag, COleDropSource* pDropSource)
{
    COleDropSource plainSource;
    if (pDropSource == nullptr)
        pDropSource = &plainSource;
    if (lpRectStartDrag != nullptr)
        pDropSource->m_rectStartDrag = *lpRectStartDrag;
    else
    {
        CPoint cursor;
        ::GetCursorPos(&cursor);
        pDropSource->m_rectStartDrag = CRect(cursor, cursor);
        pDropSource->m_rectStartDrag.InflateRect(::GetSystemMetrics(SM_CXDRAG), ::GetSystemMetrics(SM_CYDRAG));
    }
    HWND hWnd = ::GetCapture();
    if (hWnd == NULL)
        hWnd = ::GetActiveWindow();
    if (!pDropSource->OnBeginDrag(CWnd::FromHandle(hWnd)))
        return DROPEFFECT_NONE;
    DWORD dwEffect = DROPEFFECT_NONE;
    const HRESULT hr = ::DoDragDrop(this, pDropSource->GetInterface(), dwEffects, &dwEffect);
    return hr == DRAGDROP_S_DROP ? dwEffect : DROPEFFECT_NONE;
}

STDMETHODIMP COleDataSource::QueryInterface(REFIID riid, void** ppv)
{
    if (riid == IID_IUnknown || riid == IID_IDataObject)
    {
        *ppv = static_cast<IDataObject*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) COleDataSource::AddRef()
{
    return static_cast<ULONG>(::InterlockedIncrement(&m_nRefs));
}

STDMETHODIMP_(ULONG) COleDataSource::Release()
{
    return static_cast<ULONG>(::InterlockedDecrement(&m_nRefs));
}

const COleDataSource::Item* COleDataSource::FindItem(const FORMATETC* pFormat) const
{
    if (pFormat == nullptr || (pFormat->tymed & TYMED_HGLOBAL) == 0 || pFormat->dwAspect != DVASPECT_CONTENT)
        return nullptr;
    for (const Item& item : m_items)
        if (item.format == pFormat->cfFormat)
            return &item;
    return nullptr;
}

// The receiver gets its own copy and frees it.
STDMETHODIMP COleDataSource::GetData(FORMATETC* pFormat, STGMEDIUM* pMedium)
{
    const Item* pItem = FindItem(pFormat);
    if (pItem == nullptr)
        return DV_E_FORMATETC;
    const SIZE_T nSize = ::GlobalSize(pItem->hGlobal);
    HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, nSize);
    if (hCopy == NULL)
        return E_OUTOFMEMORY;
    std::memcpy(::GlobalLock(hCopy), ::GlobalLock(pItem->hGlobal), nSize);
    ::GlobalUnlock(pItem->hGlobal);
    ::GlobalUnlock(hCopy);
    pMedium->tymed = TYMED_HGLOBAL;
    pMedium->hGlobal = hCopy;
    pMedium->pUnkForRelease = nullptr;
    return S_OK;
}

STDMETHODIMP COleDataSource::GetDataHere(FORMATETC*, STGMEDIUM*)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleDataSource::QueryGetData(FORMATETC* pFormat)
{
    return FindItem(pFormat) != nullptr ? S_OK : DV_E_FORMATETC;
}

STDMETHODIMP COleDataSource::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* pFormatOut)
{
    if (pFormatOut != nullptr)
        pFormatOut->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
}

STDMETHODIMP COleDataSource::SetData(FORMATETC*, STGMEDIUM*, BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleDataSource::EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppEnum)
{
    if (dwDirection != DATADIR_GET)
        return E_NOTIMPL;
    std::vector<FORMATETC> formats;
    for (const Item& item : m_items)
        formats.push_back({item.format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL});
    return ::SHCreateStdEnumFmtEtc(static_cast<UINT>(formats.size()), formats.data(), ppEnum);
}

STDMETHODIMP COleDataSource::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

STDMETHODIMP COleDataSource::DUnadvise(DWORD)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

STDMETHODIMP COleDataSource::EnumDAdvise(IEnumSTATDATA**)
{
    return OLE_E_ADVISENOTSUPPORTED;
}
