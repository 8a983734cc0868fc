#pragma once

// A caption button of a frame's own caption: its buttons need not all have
// the standard size, so it keeps a rectangle of its own (frame window
// coordinates), answered whether hidden or not.

#include "docking/CVrxPMiniFrameTitleButton.h"

class CVrxPFrameTitleButton : public CVrxPMiniFrameTitleButton
{
public:
    explicit CVrxPFrameTitleButton(int nHitCode) : CVrxPMiniFrameTitleButton(nHitCode, FALSE) {}

    CRect GetRect() const override { return rect; }

    CRect rect;
};
