#pragma once

// The library's showcase: an MDI frame holding what the library can show so
// far: the menu bar, docking panes docked at two sides, one floating and
// one hidden at its side, MDI children, and a sampler of the look's drawing
// of the elements that have no window yet. Not shipped: the showcase test
// photographs it per look and the look benchmark times it.

#include "LookSampler.h"
#include "docking/CVrxPDockingControlBar.h"
#include "docking/mdi/CVrxPMDIFrameWnd.h"
#include "toolbars/CVrxPMenuBar.h"

class Showcase
{
public:
    Showcase() = default;
    ~Showcase();
    Showcase(const Showcase&) = delete;
    Showcase& operator=(const Showcase&) = delete;

    // Builds and shows it; FALSE when a window cannot be made.
    BOOL Open();
    // Everything drawn again now, the floating frame included.
    void Repaint();

    CVrxPMDIFrameWnd& Frame() { return frame_; }
    CVrxPDockingControlBar& Output() { return output_; }
    LookSampler& Sampler() { return sampler_; }

private:
    class OwnedFrame : public CVrxPMDIFrameWnd
    {
    protected:
        void PostNcDestroy() override {}
    };

    OwnedFrame frame_;
    CVrxPMenuBar menuBar_;
    CVrxPDockingControlBar output_;
    CVrxPDockingControlBar properties_;
    CVrxPDockingControlBar floating_;
    CVrxPDockingControlBar hidden_;
    LookSampler sampler_;
    HMENU menu_ = NULL;
};
