#pragma once

// The colour dialog's Custom page: a hue and saturation spectrum, a
// luminance bar and numeric edits for red, green, blue, hue, saturation and
// luminance (each 0..255).

#include "panes/colours/CColorPage.h"
#include "panes/colours/CVrxPColorSelectorCtrl.h"

class CColorPage2 : public CColorPage
{
    DECLARE_DYNCREATE(CColorPage2)
public:
    CColorPage2();

    BOOL OnInitDialog() override;
    // The colour goes to the spectrum, the luminance bar and the edits.
    void SetRGB(BYTE red, BYTE green, BYTE blue);
    // A 0..1 component as 0..255.
    static UINT ToByteScale(double dValue);

    CVrxPColorSelectorCtrl luminanceBar;
    CVrxPColorSelectorCtrl spectrum;
    int red;
    int blue;
    int green;
    UINT lum;
    UINT hue;
    UINT sat;
    BOOL initialized;
    BOOL updating;

protected:
    afx_msg void OnRgbChanged();
    afx_msg void OnHlsChanged();
    afx_msg void OnSpectrumPicked();
    afx_msg void OnLuminancePicked();
    afx_msg void OnSpectrumDoubleClicked();

    DECLARE_MESSAGE_MAP()

private:
    // The six values from their edits; FALSE when one is empty or no number.
    BOOL ReadEdits();
    void WriteEdits();
    void SetHlsValues(double dHue, double dLuminance, double dSaturation);
    // The spectrum's or bar's values became the colour: edits and dialog
    // follow.
    void TakeSelectorColour(const CVrxPColorSelectorCtrl& source);
};
