#pragma once

// The caption bar (a message bar across the frame), in its first form:
// what the looks read of it. Its layout, texts and button come with the
// docking work.

#include "docking/CVrxPBaseControlBar.h"

class CVrxPCaptionBar : public CVrxPBaseControlBar
{
public:
    // -1: the look's bar shadow.
    COLORREF backColor = static_cast<COLORREF>(-1);
};
