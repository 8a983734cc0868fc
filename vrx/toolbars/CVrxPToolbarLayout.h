#pragma once

// The row arithmetic of a toolbar, on buttons already measured: where rows
// wrap for a width, how large the laid-out buttons are, and the narrowest
// width that keeps a length's row count. No window is touched here.

#include <vector>

struct VrxPLaidButton
{
    int cx = 0;
    int cy = 0;
    bool separator = false;
    bool visible = true;
    // Set by Wrap: a new row starts after this button.
    bool wrap = false;
};

class CVrxPToolbarLayout
{
public:
    // Rows of a horizontal bar lie this far apart.
    static constexpr int rowGap = 5;
    // A length without limit.
    static constexpr int unlimited = 0x7FFF;

    // buttonWidth, buttonHeight: the bar's effective button size.
    CVrxPToolbarLayout(std::vector<VrxPLaidButton> buttons, int buttonWidth, int buttonHeight, bool horizontal);

    // Marks the wraps for rows at most nWidth long (a button wider than that
    // still gets a row of its own); the number of rows. A docked bar starts
    // no row whose top and button height would reach nHeightLimit.
    int Wrap(int nWidth, bool bDocked = false, int nHeightLimit = unlimited);

    struct Extent
    {
        int cx;
        int cy;
    };
    // The laid-out buttons' size, borders excluded.
    Extent MeasureExtent() const;

    // Wraps for a length: by width, at the narrowest width that gives the
    // length's row count; by height, at the narrowest whole number of button
    // widths whose rows fit in the height.
    void FitToLength(int nLength, bool bByHeight);

    const std::vector<VrxPLaidButton>& Buttons() const { return m_buttons; }

private:
    // A separator that starts a row takes no room.
    int LengthAlong(const VrxPLaidButton& button, bool bRowStart) const;

    std::vector<VrxPLaidButton> m_buttons;
    int m_nButtonWidth;
    int m_nButtonHeight;
    bool m_bHorizontal;
};
