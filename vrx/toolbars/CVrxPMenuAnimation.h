#pragma once

// The opening animation of a popup menu: how far it has grown or faded at
// each 15 ms tick. Window-free; the popup paints what this says.

#include "core/Platform.h"

class CVrxPMenuAnimation
{
public:
    enum Type
    {
        none = 0,
        unfold = 1,
        slide = 2,
        fade = 3,
        systemChoice = 999
    };
    static constexpr unsigned stepMilliseconds = 15;
    static constexpr int fadeStep = 10;
    static constexpr int fadeDone = 101;

    // The animation one popup runs. The library's stored option is never
    // changed here: a remote display, or 8 bits per pixel or less for a
    // fade, only switch this popup's animation off.
    static int TypeForPopup(int nOption, BOOL bSystemAnimation, BOOL bSystemFade, BOOL bRemoteDisplay,
                            int nBitsPerPixel, BOOL bCustomizeMode);

    // content: the popup without its shade; button: one item's size.
    void Start(int nType, SIZE content, int nShade, SIZE button);
    // One tick, nElapsed milliseconds after the previous one; TRUE when the
    // full menu shows.
    BOOL Step(unsigned nElapsed);

    int type = none;
    SIZE animatedSize = {};
    int alpha = 0;
    BOOL done = TRUE;

private:
    SIZE m_content = {};
    SIZE m_button = {};
    int m_nShade = 0;
};
