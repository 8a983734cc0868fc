#pragma once

// A top-level window holding a tab strip and the plain child windows its
// tabs show; it notes the tab strip's notifications and can refuse a change.

#include "panes/CVrxPTabWnd.h"

#include <memory>
#include <vector>

class TabTestHost : public CWnd
{
public:
    TabTestHost();
    ~TabTestHost() override;

    // Opens the host with a strip of the style over its client area.
    BOOL Open(int nStyle, CVrxPBaseTabWnd::Location location, CSize client = CSize(400, 200),
              BOOL bCloseButton = FALSE);
    // A new child window for a tab; its control id counts up from 100.
    CWnd* MakePage();
    void AddTabs(const std::vector<const char*>& labels);
    std::vector<CString> Labels() const;
    // The tab windows that show now.
    int VisiblePageCount() const;

    CVrxPTabWnd strip;
    std::vector<std::unique_ptr<CWnd>> pages;
    // wParam of every "VrxM_ONCHANGE_ACTIVE_TAB".
    std::vector<int> activeChanges;
    // The index to refuse in "VrxM_ON_CHANGING_ACTIVE_TAB"; -2 none.
    int refuseIndex = -2;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
