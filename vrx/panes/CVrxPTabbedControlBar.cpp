#include "panes/CVrxPTabbedControlBar.h"

IMPLEMENT_DYNAMIC(CVrxPTabbedControlBar, CVrxPDockingControlBar)

int CVrxPTabbedControlBar::SharedTabStyle = 0;
BOOL CVrxPTabbedControlBar::SharedAutoColors = FALSE;

namespace
{
CPtrList& PaneList()
{
    static CPtrList panes;
    return panes;
}
} // namespace

CVrxPTabbedControlBar::CVrxPTabbedControlBar() : m_nTabStyle(SharedTabStyle), m_bAutoColors(SharedAutoColors)
{
    PaneList().AddTail(this);
}

CVrxPTabbedControlBar::~CVrxPTabbedControlBar()
{
    if (POSITION pos = PaneList().Find(this))
        PaneList().RemoveAt(pos);
}

const CPtrList& CVrxPTabbedControlBar::LivePanes()
{
    return PaneList();
}

void CVrxPTabbedControlBar::ApplyTabSettingsToAll()
{
    for (POSITION pos = PaneList().GetHeadPosition(); pos != NULL;)
        static_cast<CVrxPTabbedControlBar*>(PaneList().GetNext(pos))->ApplyTabSettings();
}

void CVrxPTabbedControlBar::ApplyTabSettings()
{
    m_nTabStyle = SharedTabStyle;
    m_bAutoColors = SharedAutoColors;
    if (GetSafeHwnd() != NULL)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}
