#pragma once

// What the container tests lay out: panes of a chosen minimum size in a
// plain window that stands for the frame, and a default slider on its
// left side that owns the container tree.

#include "app/AfxRegisterWndClass.h"
#include "docking/CVrxPDockingControlBar.h"
#include "docking/containers/CVrxPBarContainer.h"
#include "docking/containers/CVrxPBarContainerManager.h"
#include "docking/containers/CVrxPSlider.h"
#include "docking/tests/DockingTestBars.h"

#include <memory>
#include <vector>

class TestPane : public CVrxPDockingControlBar
{
public:
    BOOL CreateIn(CWnd* pSite, UINT nId, CSize minimum, const CRect& rect)
    {
        SetMinimumSize(minimum);
        if (!Create(_T("Pane"), pSite, CSize(100, 100), TRUE, nId, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT, 0,
                    flagFloat | flagDockable | flagClose))
            return FALSE;
        MoveWindow(&rect, FALSE);
        return TRUE;
    }
};

class ContainerTestSite
{
public:
    static constexpr int thickness = CVrxPSlider::defaultThickness;

    ~ContainerTestSite()
    {
        if (site.GetSafeHwnd() != NULL)
            site.DestroyWindow();
        panes.clear();
    }

    // A site of the given client size with its default slider at the left.
    BOOL Create(int nWidth, int nHeight)
    {
        LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW),
                                                reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1));
        if (!site.CreateEx(0, lpszClass, _T("site"), WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                           CRect(20, 20, 20 + nWidth, 20 + nHeight), nullptr, 0))
            return FALSE;
        defaultSlider = new CVrxPSlider(TRUE, &site);
        defaultSlider->SetAlignment(CBRS_ALIGN_LEFT);
        if (!defaultSlider->CreateEx(0, CVrxPSlider::styleVertical | WS_VISIBLE, CRect(0, 0, thickness, nHeight),
                                     &site, 60000))
            return FALSE;
        return TRUE;
    }

    TestPane* NewPane(CSize minimum, const CRect& rect = CRect(0, 0, 100, 100))
    {
        auto pane = std::make_unique<TestPane>();
        if (!pane->CreateIn(&site, UINT(100 + panes.size()), minimum, rect))
            return nullptr;
        panes.push_back(std::move(pane));
        return panes.back().get();
    }

    CVrxPBarContainerManager* Manager() const { return defaultSlider->GetContainerManager(); }
    CVrxPBarContainer* Root() const { return Manager()->GetRootContainer(); }

    // The docked area laid out in the site's client rectangle rect.
    void Layout(const CRect& rect)
    {
        CRect rectScreen = rect;
        site.ClientToScreen(&rectScreen);
        HDWP hdwp = ::BeginDeferWindowPos(20);
        hdwp = defaultSlider->RepositionPanes(rectScreen, hdwp);
        if (hdwp != NULL)
            ::EndDeferWindowPos(hdwp);
    }

    CRect InSite(HWND hWnd) const
    {
        CRect rect;
        ::GetWindowRect(hWnd, &rect);
        site.ScreenToClient(&rect);
        return rect;
    }
    CRect InSite(const CWnd* pWnd) const { return InSite(pWnd->GetSafeHwnd()); }

    CWnd site;
    CVrxPSlider* defaultSlider = nullptr;
    std::vector<std::unique_ptr<TestPane>> panes;
};
