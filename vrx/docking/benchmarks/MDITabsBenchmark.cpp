// Prints how long switching between MDI tabs takes: the child activated and
// the frame repainted, for four children shown as MDI tabs as korvo shows
// its plug-in windows; not run by ctest (it needs a display).

#include "docking/tests/KorvoLikeMdi.h"

#include "foundation/benchmarks/VrxPBenchmarkRuns.h"

#include <vector>

namespace
{
void Repaint(CWnd& frame)
{
    frame.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}
} // namespace

int main()
{
    KorvoLikeFrame frame;
    if (!frame.Create(nullptr, "tabs", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 900, 700)))
        return 1;
    frame.SetMDITabsOptions(TRUE, TRUE, 1, TRUE, 5, FALSE);
    std::vector<HWND> children;
    for (const char* title : {"COM connection", "ZIM", "Tailor", "Seedvaults"})
    {
        CMDIChildWnd* pChild = frame.CreateNewChild(RUNTIME_CLASS(KorvoLikeChild), 0);
        if (pChild == nullptr)
            return 1;
        pChild->SetWindowText(title);
        CRect rect;
        pChild->GetClientRect(&rect);
        ::CreateWindowEx(0, "EDIT", "A plug-in's text\r\nsecond line", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0,
                         rect.Width(), rect.Height(), pChild->GetSafeHwnd(), NULL, NULL, NULL);
        pChild->ActivateFrame(SW_SHOWMAXIMIZED);
        children.push_back(pChild->GetSafeHwnd());
        VrxPPumpBenchmarkMessages();
    }
    Repaint(frame);
    VrxPPumpBenchmarkMessages();

    CVrxPTabWnd& tabs = frame.GetClientArea().MainTabs();
    VrxPMeasureRuns("MDI tab chosen in the strip (activation and repaint)", 200, [&](int i) {
        tabs.ActivateTab(i % tabs.CountTabs());
        frame.UpdateWindow();
        Repaint(frame);
    });
    VrxPMeasureRuns("child activated through the MDI client (tabs follow, repaint)", 200, [&](int i) {
        ::SendMessage(frame.m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(children[i % children.size()]),
                      0);
        Repaint(frame);
    });
    VrxPMeasureRuns("next MDI window (Ctrl+F6 path, repaint)", 200, [&](int) {
        ::SendMessage(frame.m_hWndMDIClient, WM_MDINEXT, 0, 0);
        Repaint(frame);
    });
    VrxPMeasureRuns("MDI tab chosen, no repaint", 200, [&](int i) { tabs.ActivateTab(i % tabs.CountTabs()); });
    frame.DestroyWindow();
    return 0;
}
