#include "toolbars/CVrxPButtonDragSource.h"

CVrxPButtonDragSource::CVrxPButtonDragSource() : lastKeyState(0), dragStarted(FALSE)
{
}

CVrxPButtonDragSource& CVrxPButtonDragSource::Shared()
{
    static CVrxPButtonDragSource source;
    return source;
}

BOOL CVrxPButtonDragSource::OnBeginDrag(CWnd* pWnd)
{
    dragStarted = COleDropSource::OnBeginDrag(pWnd);
    return dragStarted;
}

SCODE CVrxPButtonDragSource::QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState)
{
    lastKeyState = dwKeyState;
    return COleDropSource::QueryContinueDrag(bEscapePressed, dwKeyState);
}
