#include "Showcase.h"

#include "docking/mdi/CVrxPMDIChildWnd.h"
#include "docking/CVrxPMiniFrameWnd.h"

namespace
{
const DWORD kMenuBarStyle = 0x50402808;
const UINT kMenuBarId = 0xE806;
const DWORD kPaneFlags = 15;
const UINT kRedrawAll = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW;

HMENU BuildMenu()
{
    HMENU hMenu = ::CreateMenu();
    const char* const titles[] = {"&File", "&Edit", "&View", "&Window", "&Help"};
    for (const char* title : titles)
    {
        HMENU hPopup = ::CreatePopupMenu();
        ::AppendMenu(hPopup, MF_STRING, 100, "&Open...");
        ::AppendMenu(hPopup, MF_SEPARATOR, 0, nullptr);
        ::AppendMenu(hPopup, MF_STRING | MF_CHECKED, 101, "&Checked");
        ::AppendMenu(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(hPopup), title);
    }
    return hMenu;
}
} // namespace

Showcase::~Showcase()
{
    if (frame_.GetSafeHwnd() != NULL)
        frame_.DestroyWindow();
    if (menu_ != NULL)
        ::DestroyMenu(menu_);
}

BOOL Showcase::Open()
{
    if (!frame_.Create(nullptr, "Vrx showcase", WS_OVERLAPPEDWINDOW, CRect(10, 10, 1010, 750)))
        return FALSE;
    menu_ = BuildMenu();
    ::SetMenu(frame_.GetSafeHwnd(), menu_);
    frame_.AllowDockingSides(CBRS_ALIGN_ANY);
    frame_.CreateAutoHideSites(CBRS_ALIGN_ANY);
    if (!menuBar_.CreateWithDefaultStyle(&frame_, kMenuBarStyle, kMenuBarId) || !frame_.PlaceBarDocked(&menuBar_))
        return FALSE;
    const DWORD dwChild = WS_CHILD | WS_VISIBLE;
    if (!output_.Create("Output", &frame_, CSize(150, 150), TRUE, 1, dwChild | CBRS_ALIGN_BOTTOM, 32, kPaneFlags) ||
        !properties_.Create("Properties", &frame_, CSize(200, 200), TRUE, 2, dwChild | CBRS_ALIGN_RIGHT, 32,
                            kPaneFlags) ||
        !floating_.Create("Floating", &frame_, CSize(120, 120), TRUE, 3, dwChild | CBRS_ALIGN_BOTTOM, 32,
                          kPaneFlags) ||
        !hidden_.Create("Hidden", &frame_, CSize(160, 160), TRUE, 4, dwChild | CBRS_ALIGN_LEFT, 32, kPaneFlags))
        return FALSE;
    for (CVrxPDockingControlBar* pPane : {&output_, &properties_, &floating_, &hidden_})
        if (!frame_.PlaceBarDocked(pPane))
            return FALSE;
    frame_.ShowWindow(SW_SHOW);
    if (!floating_.FloatPane(CRect(520, 420, 760, 560)) || !hidden_.SwitchAutoHide(TRUE))
        return FALSE;
    CVrxPMDIChildWnd* pSecond = new CVrxPMDIChildWnd;
    if (!pSecond->Create(nullptr, "Second document", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                         CRect(40, 40, 400, 260), &frame_))
        return FALSE;
    CVrxPMDIChildWnd* pChild = new CVrxPMDIChildWnd;
    if (!pChild->Create(nullptr, "Look sampler", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                        CRect(0, 0, LookSampler::width + 30, LookSampler::height + 50), &frame_))
        return FALSE;
    if (!sampler_.Create(pChild, CRect(4, 4, 4 + LookSampler::width, 4 + LookSampler::height)))
        return FALSE;
    pChild->MDIActivate();
    Repaint();
    return TRUE;
}

void Showcase::Repaint()
{
    frame_.RedrawWindow(nullptr, nullptr, kRedrawAll);
    if (CVrxPMiniFrameWnd* pMiniFrame = floating_.GetMiniFrame())
        pMiniFrame->RedrawWindow(nullptr, nullptr, kRedrawAll);
}
