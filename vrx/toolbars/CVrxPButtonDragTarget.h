#pragma once

// The drop target every toolbar registers for itself: it takes only button
// drag data and only in customise mode, and hands everything to its bar.

#include "ole/COleDropTarget.h"

class CVrxPToolBar;

class CVrxPButtonDragTarget : public COleDropTarget
{
public:
    CVrxPButtonDragTarget() : owner(nullptr) {}

    BOOL RegisterOwner(CVrxPToolBar* pBar);

    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    void OnDragLeave(CWnd* pWnd) override;
    DROPEFFECT OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override;

    CVrxPToolBar* owner;

private:
    static BOOL Accepts(COleDataObject* pDataObject);
};
