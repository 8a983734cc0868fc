#pragma once

// One button of an auto-hide strip, bound to one auto-hidden pane. The strip
// makes its buttons of the class in VrxPAutoHideButtonClass
// (foundation/VrxPLibrary.h), this one unless the application put a class
// derived from it there.

#include "core/CObject.h"
#include "strings/CRect.h"

class CVrxPDockingControlBar;

class CVrxPAutoHideButton : public CObject
{
    DECLARE_DYNCREATE(CVrxPAutoHideButton)
public:
    CVrxPAutoHideButton();

    void SetPane(CVrxPDockingControlBar* pPane) { m_pPane = pPane; }

    // The docking side: the CBRS_ALIGN_* bit of its pane's style.
    DWORD GetDockSide() const;
    CVrxPDockingControlBar* GetPane() const { return m_pPane; }

    // When 1, buttons measure without their text.
    static int labelsHidden;

    CRect rect;

private:
    CVrxPDockingControlBar* m_pPane;
};
