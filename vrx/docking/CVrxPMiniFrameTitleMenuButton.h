#pragma once

// A caption button that drops a popup menu below itself and reports the
// command chosen from it; it sends no command of its own.

#include "docking/CVrxPMiniFrameTitleButton.h"

class CWnd;

class CVrxPMiniFrameTitleMenuButton : public CVrxPMiniFrameTitleButton
{
public:
    CVrxPMiniFrameTitleMenuButton() = default;
    CVrxPMiniFrameTitleMenuButton(int nHitCode, BOOL bLeftSide) : CVrxPMiniFrameTitleButton(nHitCode, bLeftSide) {}

    // Horizontal is passed on; only bForceDisabled draws it disabled.
    void Draw(CDC* pDC, BOOL bActive, BOOL bHorizontal, int nState, BOOL bForceDisabled) override;
    // Tracks the menu at the button's lower right corner on the screen,
    // pushed meanwhile, and keeps the chosen command (0: none).
    void ShowMenu(HMENU hMenu, CWnd* pHost);

    UINT chosenCommand = 0;
    // FALSE: the library's context-menu manager tracks the menu when there
    // is one.
    BOOL plainPopup = TRUE;
    BOOL menuOpen = FALSE;

private:
    void RedrawIn(CWnd* pHost) const;
};
