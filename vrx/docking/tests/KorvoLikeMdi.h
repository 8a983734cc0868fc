#pragma once

// The MDI frame and children as korvo makes them: a frame the test owns
// (nothing deletes it when its window goes) and children without a system
// menu.

#include "docking/mdi/CVrxPMDIChildWnd.h"
#include "docking/mdi/CVrxPMDIFrameWnd.h"

class KorvoLikeFrame : public CVrxPMDIFrameWnd
{
protected:
    void PostNcDestroy() override {}
};

class KorvoLikeChild : public CVrxPMDIChildWnd
{
    DECLARE_DYNCREATE(KorvoLikeChild)
protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
};
