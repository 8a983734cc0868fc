#pragma once

#include "frames/CFrameWnd.h"

// A frame window that a test owns: it does not delete itself when its window
// is destroyed.
class TestFrame : public CFrameWnd
{
protected:
    void PostNcDestroy() override {}
};
