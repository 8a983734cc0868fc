// Prints how long opening a 40-item popup menu (create, lay out, paint,
// close) and one keyboard step in it take; not run by ctest (it needs a
// display).

#include "toolbars/CVrxPPopupMenu.h"
#include "toolbars/CVrxPPopupMenuBar.h"
#include "toolbars/tests/TestMdiFrame.h"

#include "foundation/benchmarks/VrxPBenchmarkRuns.h"

int main()
{
    TestMdiFrame frame;
    if (!frame.Create(nullptr, "popup benchmark", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 800, 700)))
        return 1;
    HMENU hMenu = ::CreatePopupMenu();
    for (int i = 0; i < 40; i++)
    {
        CString text;
        text.Format("Command &%d\tCtrl+%d", i, i % 10);
        if (i % 8 == 7)
            ::AppendMenu(hMenu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenu(hMenu, MF_STRING | (i % 5 == 0 ? MF_CHECKED : 0u), static_cast<UINT>(0x8000 + i), text);
    }
    PumpMessages();
    VrxPMeasureRuns("40-item popup: create, lay out, paint", 100, [&](int) {
        CVrxPPopupMenu* pPopup = new CVrxPPopupMenu;
        pPopup->destroyMenuHandle = FALSE;
        pPopup->CreatePopup(&frame, 100, 20, hMenu, FALSE, TRUE);
        pPopup->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        pPopup->DestroyWindow();
    });
    CVrxPPopupMenu* pPopup = new CVrxPPopupMenu;
    pPopup->destroyMenuHandle = FALSE;
    pPopup->CreatePopup(&frame, 100, 20, hMenu, FALSE, TRUE);
    VrxPMeasureRuns("one keyboard step (Down, repaint)", 400, [&](int) {
        pPopup->OnMenuKey(VK_DOWN);
        pPopup->MenuBar()->UpdateWindow();
    });
    pPopup->DestroyWindow();
    frame.DestroyWindow();
    ::DestroyMenu(hMenu);
    return 0;
}
