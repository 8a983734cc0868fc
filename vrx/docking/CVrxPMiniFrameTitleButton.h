#pragma once

// One button drawn in a window's non-client caption: the close, pin and
// window-position menu buttons of a docking pane, the buttons of a mini
// frame's caption. It is no window, only the record the host lays out and
// the look draws from: its hit code (also its identity), its place and its
// state flags. The host owns it, places it when it arranges its caption and
// sets its flags as the mouse moves and clicks.

#include "core/CObject.h"
#include "strings/CRect.h"

class CDC;

class CVrxPMiniFrameTitleButton : public CObject
{
public:
    // Hit codes with a glyph of their own.
    static constexpr int hitMenu = 8;
    static constexpr int hitPin = 9;
    static constexpr int hitPaneClose = 19;
    static constexpr int hitFrameClose = 20;
    static constexpr int hitBack = 23;
    static constexpr int hitForward = 24;
    static constexpr int hitMenuButton = 25;
    // Room around the glyph, each side.
    static constexpr int glyphBorderX = 3;
    static constexpr int glyphBorderY = 4;

    CVrxPMiniFrameTitleButton() = default;
    CVrxPMiniFrameTitleButton(int nHitCode, BOOL bLeftSide) : hitCode(nHitCode), leftSide(bLeftSide) {}

    // Hidden: empty at its position; else the standard size from there.
    virtual CRect GetRect() const;
    // The look draws it; horizontal is not passed on, and a button that is
    // not enabled is drawn disabled.
    virtual void Draw(CDC* pDC, BOOL bActive, BOOL bHorizontal, int nState, BOOL bForceDisabled);
    // The menu glyph of the hit code for the orientation and state; -1 when
    // the code has none.
    virtual int GetImageIndex(BOOL bHorizontal, int nState) const;

    int HitCode() const { return hitCode; }
    // The menu glyph's size, the look's extra size and the borders.
    static CSize GetStandardSize();

    BOOL pushed = FALSE;
    BOOL highlighted = FALSE;
    BOOL hidden = FALSE;
    BOOL enabled = TRUE;
    // The button's menu is showing; a pushed button that is highlighted or
    // dropped draws pressed.
    BOOL dropped = FALSE;
    // The caption's text colour while the caption draws; -1: the look
    // chooses by the caption's activity.
    COLORREF glyphColor = static_cast<COLORREF>(-1);
    int hitCode = 0;
    // The host places it at the caption's left end.
    BOOL leftSide = FALSE;
    // Window coordinates of the host, written when it arranges its caption.
    int x = 0;
    int y = 0;
    // Made by the mini frame's own caption-button list.
    BOOL addedByFrame = FALSE;
};
