#pragma once

// The drawing child: a child frame whose client is a CDemoDrawView.

#include "frames/CMDIChildWnd.h"

class CDemoDrawChild : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CDemoDrawChild)
protected:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
};
