#pragma once

// What a drag asks its source while it runs: whether it goes on, and which
// cursor shows the effect. The defaults: Escape cancels, releasing every
// mouse button drops, and the system's cursors show.

#include "core/Platform.h"
#include "ole/DropEffect.h"
#include "strings/CRect.h"

#include <ole2.h>

class CWnd;

class FRAMEWORK_API COleDropSource
{
public:
    COleDropSource();
    virtual ~COleDropSource();
    COleDropSource(const COleDropSource&) = delete;
    COleDropSource& operator=(const COleDropSource&) = delete;

    // Holds the mouse until it leaves the start rectangle (TRUE) or the
    // button is released, Escape pressed or the capture lost (FALSE).
    virtual BOOL OnBeginDrag(CWnd* pWnd);
    virtual SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState);
    virtual SCODE GiveFeedback(DROPEFFECT dropEffect);

    IDropSource* GetInterface() { return &m_source; }

    // Screen coordinates; set by COleDataSource::DoDragDrop.
    CRect m_rectStartDrag;

private:
    struct Source : IDropSource
    {
        explicit Source(COleDropSource* pOwner) : owner(pOwner) {}
        STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
        STDMETHODIMP_(ULONG) AddRef() override { return 1; }
        STDMETHODIMP_(ULONG) Release() override { return 1; }
        STDMETHODIMP QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState) override;
        STDMETHODIMP GiveFeedback(DWORD dwEffect) override;
        COleDropSource* owner;
    };
    Source m_source;
};
