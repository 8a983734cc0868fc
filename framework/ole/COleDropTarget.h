#pragma once

// A window's side of drag and drop: registered for the window, it turns the
// system's calls into virtual handlers with client coordinates and the data
// wrapped as a COleDataObject. The defaults accept nothing.

#include "core/Platform.h"
#include "ole/DropEffect.h"
#include "ole/COleDataObject.h"
#include "strings/CPoint.h"

#include <ole2.h>

class CWnd;

class FRAMEWORK_API COleDropTarget
{
public:
    COleDropTarget();
    virtual ~COleDropTarget();
    COleDropTarget(const COleDropTarget&) = delete;
    COleDropTarget& operator=(const COleDropTarget&) = delete;

    // FALSE when the window has no handle or the platform's drag and drop
    // is not started on this thread (OleInitialize).
    BOOL Register(CWnd* pWnd);
    void Revoke();
    HWND GetRegisteredWindow() const { return m_hWnd; }

    virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual void OnDragLeave(CWnd* pWnd);
    // The effect performed, DROPEFFECT_NONE when nothing was dropped.
    virtual DROPEFFECT OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);

private:
    struct Target : IDropTarget
    {
        explicit Target(COleDropTarget* pOwner) : owner(pOwner) {}
        STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
        STDMETHODIMP_(ULONG) AddRef() override { return 1; }
        STDMETHODIMP_(ULONG) Release() override { return 1; }
        STDMETHODIMP DragEnter(IDataObject* pDataObject, DWORD dwKeyState, POINTL pt, DWORD* pdwEffect) override;
        STDMETHODIMP DragOver(DWORD dwKeyState, POINTL pt, DWORD* pdwEffect) override;
        STDMETHODIMP DragLeave() override;
        STDMETHODIMP Drop(IDataObject* pDataObject, DWORD dwKeyState, POINTL pt, DWORD* pdwEffect) override;
        COleDropTarget* owner;
    };
    CPoint ClientPoint(POINTL pt) const;

    Target m_target;
    HWND m_hWnd;
    // The data of the drag over the window, held from enter to leave or drop.
    COleDataObject m_data;
};
