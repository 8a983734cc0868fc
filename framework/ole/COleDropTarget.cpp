#include "ole/COleDropTarget.h"

#include "windows/CWnd.h"

COleDropTarget::COleDropTarget() : m_target(this), m_hWnd(NULL)
{
}

COleDropTarget::~COleDropTarget()
{
    Revoke();
}

BOOL COleDropTarget::Register(CWnd* pWnd)
{
    HWND hWnd = pWnd != nullptr ? pWnd->GetSafeHwnd() : NULL;
    if (hWnd == NULL || FAILED(::RegisterDragDrop(hWnd, &m_target)))
        return FALSE;
    m_hWnd = hWnd;
    return TRUE;
}

void COleDropTarget::Revoke()
{
    if (m_hWnd != NULL)
        ::RevokeDragDrop(m_hWnd);
    m_hWnd = NULL;
    m_data.Release();
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

void COleDropTarget::OnDragLeave(CWnd*)
{
}

DROPEFFECT COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint)
{
    return DROPEFFECT_NONE;
}

CPoint COleDropTarget::ClientPoint(POINTL pt) const
{
    CPoint point(pt.x, pt.y);
    ::ScreenToClient(m_hWnd, &point);
    return point;
}

STDMETHODIMP COleDropTarget::Target::QueryInterface(REFIID riid, void** ppv)
{
    if (riid == IID_IUnknown || riid == IID_IDropTarget)
    {
        *ppv = static_cast<IDropTarget*>(this);
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

// The handlers' effect is limited to what the source allows.
STDMETHODIMP COleDropTarget::Target::DragEnter(IDataObject* pDataObject, DWORD dwKeyState, POINTL pt, DWORD* pdwEffect)
{
    pDataObject->AddRef();
    owner->m_data.Attach(pDataObject);
    *pdwEffect &= owner->OnDragEnter(CWnd::FromHandle(owner->m_hWnd), &owner->m_data, dwKeyState, owner->ClientPoint(pt));
    return S_OK;
}

STDMETHODIMP COleDropTarget::Target::DragOver(DWORD dwKeyState, POINTL pt, DWORD* pdwEffect)
{
    if (owner->m_data.GetIDataObject() == nullptr)
    {
        *pdwEffect = DROPEFFECT_NONE;
        return S_OK;
    }
    *pdwEffect &= owner->OnDragOver(CWnd::FromHandle(owner->m_hWnd), &owner->m_data, dwKeyState, owner->ClientPoint(pt));
    return S_OK;
}

STDMETHODIMP COleDropTarget::Target::DragLeave()
{
    owner->OnDragLeave(CWnd::FromHandle(owner->m_hWnd));
    owner->m_data.Release();
    return S_OK;
}

// The effect is asked once more at the drop point; none leaves the window.
STDMETHODIMP COleDropTarget::Target::Drop(IDataObject* pDataObject, DWORD dwKeyState, POINTL pt, DWORD* pdwEffect)
{
    COleDataObject data;
    pDataObject->AddRef();
    data.Attach(pDataObject);
    CWnd* pWnd = CWnd::FromHandle(owner->m_hWnd);
    const CPoint point = owner->ClientPoint(pt);
    const DROPEFFECT effect = *pdwEffect & owner->OnDragOver(pWnd, &data, dwKeyState, point);
    owner->m_data.Release();
    if (effect == DROPEFFECT_NONE)
    {
        owner->OnDragLeave(pWnd);
        *pdwEffect = DROPEFFECT_NONE;
        return S_OK;
    }
    *pdwEffect = owner->OnDrop(pWnd, &data, effect, point);
    return S_OK;
}
