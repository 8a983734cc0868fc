#pragma once

// Where the caption bar's image, button and message lie in its client area,
// from sizes its window measured: free of windows so that a table of cases
// can check it.

#include "core/Platform.h"

class CVrxPCaptionBarLayout
{
public:
    static constexpr int alignLeft = 1;
    static constexpr int alignRight = 2;
    static constexpr int alignCenter = 3;
    // Width of the drop-down arrow strip of a button with a command.
    static constexpr int arrowWidth = 10;

    struct Input
    {
        RECT client;
        int margin;
        int spacing;
        // The image, when there is one.
        BOOL hasImage;
        SIZE imageSize;
        BOOL stretchImage;
        int imageAlign;
        // The button, when its label is not empty.
        BOOL hasButton;
        int buttonLabelWidth;
        BOOL buttonArrow;
        int buttonAlign;
        // The message, when it is not empty (its DT_CALCRECT size).
        BOOL hasText;
        SIZE textSize;
        int textAlign;
    };

    struct Result
    {
        RECT image;
        RECT button;
        RECT textBounds;
        RECT text;
    };

    // The bar's height unless a fixed one is set (fixedHeight -1).
    static int BarHeight(int fixedHeight, int borderSize, int margin, int textHeight, int imageHeight);
    static Result Arrange(const Input& input);
    // Moves or cuts rect so that it keeps spacing from other and lies
    // before (left of) it or after it; a rectangle left on the wrong side
    // collapses to no width.
    static void KeepOnOneSide(RECT& rect, const RECT& other, BOOL bBefore, int spacing);
};
