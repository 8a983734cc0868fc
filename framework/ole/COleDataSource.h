#pragma once

// The giving side of a data transfer: global-memory items cached by
// clipboard format and offered through IDataObject, for a drag started with
// DoDragDrop. The object belongs to its C++ owner: the COM reference count
// never deletes it.

#include "core/Platform.h"
#include "ole/DropEffect.h"
#include "strings/CRect.h"

#include <ole2.h>

#include <vector>

class COleDropSource;

class FRAMEWORK_API COleDataSource : public IDataObject
{
public:
    COleDataSource();
    virtual ~COleDataSource();
    COleDataSource(const COleDataSource&) = delete;
    COleDataSource& operator=(const COleDataSource&) = delete;

    // The source owns hGlobal from now on; an item of the same format is
    // replaced.
    void CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal);
    void Empty();

    // Runs a drag of the cached data. lpRectStartDrag (screen) is where the
    // mouse may move before the drag begins (null: the system's drag
    // distance around the cursor); pDropSource null uses a plain one.
    // The effect the drop target performed, DROPEFFECT_NONE when the drag
    // never began, was cancelled or dropped nowhere.
    DROPEFFECT DoDragDrop(DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE, LPCRECT lpRectStartDrag = nullptr,
                          COleDropSource* pDropSource = nullptr);

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetData(FORMATETC* pFormat, STGMEDIUM* pMedium) override;
    STDMETHODIMP GetDataHere(FORMATETC* pFormat, STGMEDIUM* pMedium) override;
    STDMETHODIMP QueryGetData(FORMATETC* pFormat) override;
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC* pFormatIn, FORMATETC* pFormatOut) override;
    STDMETHODIMP SetData(FORMATETC* pFormat, STGMEDIUM* pMedium, BOOL bRelease) override;
    STDMETHODIMP EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppEnum) override;
    STDMETHODIMP DAdvise(FORMATETC* pFormat, DWORD advf, IAdviseSink* pSink, DWORD* pdwConnection) override;
    STDMETHODIMP DUnadvise(DWORD dwConnection) override;
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA** ppEnum) override;

private:
    struct Item
    {
        CLIPFORMAT format;
        HGLOBAL hGlobal;
    };
    const Item* FindItem(const FORMATETC* pFormat) const;

    std::vector<Item> m_items;
    LONG m_nRefs;
};
