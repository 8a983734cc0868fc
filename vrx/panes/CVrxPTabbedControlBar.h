#pragma once

// A docking pane that holds other panes as tabs. This first form keeps the
// tab settings every tabbed pane shares and applies them to each live pane;
// the tab window itself comes with the tab windows.

#include "collections/CPtrList.h"
#include "docking/CVrxPDockingControlBar.h"

class CVrxPTabbedControlBar : public CVrxPDockingControlBar
{
    DECLARE_DYNAMIC(CVrxPTabbedControlBar)
public:
    CVrxPTabbedControlBar();
    ~CVrxPTabbedControlBar() override;

    // The shared tab style (0 to 7) and automatic tab colours.
    static int SharedTabStyle;
    static BOOL SharedAutoColors;
    // Every live tabbed pane takes the shared settings again.
    static void ApplyTabSettingsToAll();
    static const CPtrList& LivePanes();

    virtual void ApplyTabSettings();
    int GetTabStyle() const { return m_nTabStyle; }
    BOOL HasAutoColors() const { return m_bAutoColors; }

private:
    int m_nTabStyle;
    BOOL m_bAutoColors;
};
