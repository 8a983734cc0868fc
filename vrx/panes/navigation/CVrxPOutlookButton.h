#pragma once

// A button of an outlook bar pane: a large image with its label under it,
// drawn light-on-dark by the looks rather than as a toolbar button.

#include "toolbars/CVrxPToolbarButton.h"

class CVrxPOutlookBarPane;

class CVrxPOutlookButton : public CVrxPToolbarButton
{
    DECLARE_SERIAL(CVrxPOutlookButton)
public:
    // Padding around the image and between it and the label.
    static constexpr int imageMargin = 5;
    static constexpr int labelGap = 2;

    void AssignFrom(const CVrxPToolbarButton& other) override;

    // The size in a column (bVertical) or a row against the available width
    // and the image height; also says whether the label fits.
    CSize Measure(CDC& dc, int nWidth, int nImageHeight, BOOL bVertical);
    void DrawInPane(CDC& dc, const CRect& rectButton, BOOL bHighlighted, BOOL bPressed);

    CVrxPOutlookBarPane* pane = nullptr;
    int imageWidth = 0;
    int imageHeight = 0;
    BOOL labelFits = TRUE;
};
