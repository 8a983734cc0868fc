#include "DemoDrawChild.h"

#include "DemoDrawView.h"

IMPLEMENT_DYNCREATE(CDemoDrawChild, CMDIChildWnd)

BOOL CDemoDrawChild::OnCreateClient(LPCREATESTRUCT, CCreateContext*)
{
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CDemoDrawView);
    context.m_pCurrentFrame = this;
    return CreateView(&context) != nullptr;
}
