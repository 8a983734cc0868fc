#pragma once

// A top-level window holding colour selector controls; it notes every
// notification they send and can keep a picture of itself.

#include "panes/colours/CVrxPColorSelectorCtrl.h"

#include <memory>
#include <string>
#include <vector>

class SelectorHost : public CWnd
{
public:
    struct Notice
    {
        int id;
        int code;
    };

    ~SelectorHost() override;

    BOOL Open(CSize client);
    // A selector of the mode at the client rectangle; ids count from 100.
    CVrxPColorSelectorCtrl* Add(int nMode, const CRect& rect);
    // The client point in screen coordinates.
    CPoint ToScreen(CWnd& control, CPoint point) const;
    // The pixel as the screen shows it.
    COLORREF ScreenPixel(CWnd& control, CPoint point) const;
    // The window as a picture under ..\artifacts.
    bool SavePicture(const std::string& name);

    std::vector<std::unique_ptr<CVrxPColorSelectorCtrl>> selectors;
    std::vector<Notice> notices;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
};
