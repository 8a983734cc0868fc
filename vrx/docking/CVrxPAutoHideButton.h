#pragma once

// One button of an auto-hide strip, bound to one auto-hidden pane.

#include "strings/CRect.h"

class CVrxPDockingControlBar;

class CVrxPAutoHideButton
{
public:
    explicit CVrxPAutoHideButton(CVrxPDockingControlBar* pPane);

    // The docking side: the CBRS_ALIGN_* bit of its pane's style.
    DWORD GetDockSide() const;
    CVrxPDockingControlBar* GetPane() const { return m_pPane; }

    // When 1, buttons measure without their text.
    static int labelsHidden;

    CRect rect;

private:
    CVrxPDockingControlBar* m_pPane;
};
