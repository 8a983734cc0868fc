#include "toolbars/CVrxPButtonDragTarget.h"

#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarButton.h"

BOOL CVrxPButtonDragTarget::RegisterOwner(CVrxPToolBar* pBar)
{
    owner = pBar;
    return Register(pBar);
}

BOOL CVrxPButtonDragTarget::Accepts(COleDataObject* pDataObject)
{
    return CVrxPToolBar::customizeMode &&
           pDataObject->IsDataAvailable(static_cast<CLIPFORMAT>(CVrxPToolbarButton::ClipboardFormat()));
}

DROPEFFECT CVrxPButtonDragTarget::OnDragEnter(CWnd*, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    return Accepts(pDataObject) ? owner->HandleDragEnter(pDataObject, dwKeyState, point) : DROPEFFECT_NONE;
}

DROPEFFECT CVrxPButtonDragTarget::OnDragOver(CWnd*, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    return Accepts(pDataObject) ? owner->HandleDragOver(pDataObject, dwKeyState, point) : DROPEFFECT_NONE;
}

void CVrxPButtonDragTarget::OnDragLeave(CWnd*)
{
    owner->HandleDragLeave();
}

DROPEFFECT CVrxPButtonDragTarget::OnDrop(CWnd*, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point)
{
    if (!Accepts(pDataObject))
        return DROPEFFECT_NONE;
    return owner->HandleDrop(pDataObject, dropEffect, point) ? dropEffect : DROPEFFECT_NONE;
}
