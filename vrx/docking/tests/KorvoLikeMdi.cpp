#include "KorvoLikeMdi.h"

IMPLEMENT_DYNCREATE(KorvoLikeChild, CVrxPMDIChildWnd)

BOOL KorvoLikeChild::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CVrxPMDIChildWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style &= ~WS_SYSMENU;
    return TRUE;
}
