#include "panes/colours/CColorPage2.h"

#include "foundation/CVrxPPainter.h"
#include "panes/colours/CVrxPColorsDialog.h"
#include "panes/colours/VrxPColoursResources.h"

#include <algorithm>
#include <commctrl.h>

IMPLEMENT_DYNCREATE(CColorPage2, CDialog)

BEGIN_MESSAGE_MAP(CColorPage2, CDialog)
    ON_EN_CHANGE(VrxPIdcColorRed, OnRgbChanged)
    ON_EN_CHANGE(VrxPIdcColorGreen, OnRgbChanged)
    ON_EN_CHANGE(VrxPIdcColorBlue, OnRgbChanged)
    ON_EN_CHANGE(VrxPIdcColorHue, OnHlsChanged)
    ON_EN_CHANGE(VrxPIdcColorSat, OnHlsChanged)
    ON_EN_CHANGE(VrxPIdcColorLum, OnHlsChanged)
    ON_BN_CLICKED(VrxPIdcColorSpectrum, OnSpectrumPicked)
    ON_BN_CLICKED(VrxPIdcColorLuminance, OnLuminancePicked)
    ON_BN_DOUBLECLICKED(VrxPIdcColorSpectrum, OnSpectrumDoubleClicked)
END_MESSAGE_MAP()

namespace
{
constexpr int barWidth = 14;
const int spinIds[] = {VrxPIdcColorHueSpin, VrxPIdcColorSatSpin, VrxPIdcColorLumSpin,
                       VrxPIdcColorRedSpin, VrxPIdcColorGreenSpin, VrxPIdcColorBlueSpin};
} // namespace

CColorPage2::CColorPage2()
    : red(0), blue(0), green(0), lum(0), hue(0), sat(0), initialized(FALSE), updating(FALSE)
{
}

UINT CColorPage2::ToByteScale(double dValue)
{
    return std::min(255u, static_cast<UINT>(dValue * 255 + 0.5));
}

BOOL CColorPage2::OnInitDialog()
{
    CDialog::OnInitDialog();
    spectrum.SetMode(CVrxPColorSelectorCtrl::modeSpectrum);
    luminanceBar.SetMode(CVrxPColorSelectorCtrl::modeLuminanceBar);
    spectrum.SubclassDlgItem(VrxPIdcColorSpectrum, this);
    luminanceBar.SubclassDlgItem(VrxPIdcColorLuminance, this);
    spectrum.SetPalette(dialog->palette);
    luminanceBar.SetPalette(dialog->palette);
    double dHue = 0;
    double dLuminance = 0;
    double dSaturation = 0;
    spectrum.GetHLS(&dHue, &dLuminance, &dSaturation);
    luminanceBar.SetHLS(dHue, dLuminance, dSaturation);
    luminanceBar.SetLuminanceBarWidth(barWidth);
    for (int nId : spinIds)
        SendDlgItemMessage(nId, UDM_SETRANGE, 0, MAKELPARAM(255, 0));
    initialized = TRUE;
    return TRUE;
}

void CColorPage2::SetRGB(BYTE redNew, BYTE greenNew, BYTE blueNew)
{
    const COLORREF color = RGB(redNew, greenNew, blueNew);
    double dHue = 0;
    double dSaturation = 0;
    double dLuminance = 0;
    CVrxPPainter::ColorToHLS(color, dHue, dSaturation, dLuminance);
    SetHlsValues(dHue, dLuminance, dSaturation);
    red = redNew;
    green = greenNew;
    blue = blueNew;
    hue = ToByteScale(dHue);
    sat = ToByteScale(dSaturation);
    lum = ToByteScale(dLuminance);
    if (GetSafeHwnd() != NULL)
        WriteEdits();
}

void CColorPage2::SetHlsValues(double dHue, double dLuminance, double dSaturation)
{
    spectrum.SetHLS(dHue, dLuminance, dSaturation, TRUE);
    luminanceBar.SetHLS(dHue, dLuminance, dSaturation, TRUE);
}

BOOL CColorPage2::ReadEdits()
{
    const int ids[] = {VrxPIdcColorRed, VrxPIdcColorGreen, VrxPIdcColorBlue,
                       VrxPIdcColorHue, VrxPIdcColorSat,   VrxPIdcColorLum};
    UINT values[6] = {};
    for (int i = 0; i < 6; i++)
    {
        if (GetDlgItem(ids[i]) == nullptr || GetDlgItem(ids[i])->GetWindowTextLength() == 0)
            return FALSE;
        BOOL bNumber = FALSE;
        values[i] = GetDlgItemInt(ids[i], &bNumber, FALSE);
        if (!bNumber)
            return FALSE;
        values[i] = std::min(values[i], 255u);
    }
    red = static_cast<int>(values[0]);
    green = static_cast<int>(values[1]);
    blue = static_cast<int>(values[2]);
    hue = values[3];
    sat = values[4];
    lum = values[5];
    return TRUE;
}

void CColorPage2::WriteEdits()
{
    const BOOL bWasUpdating = updating;
    updating = TRUE;
    SetDlgItemInt(VrxPIdcColorRed, static_cast<UINT>(red), TRUE);
    SetDlgItemInt(VrxPIdcColorGreen, static_cast<UINT>(green), TRUE);
    SetDlgItemInt(VrxPIdcColorBlue, static_cast<UINT>(blue), TRUE);
    SetDlgItemInt(VrxPIdcColorHue, hue, FALSE);
    SetDlgItemInt(VrxPIdcColorSat, sat, FALSE);
    SetDlgItemInt(VrxPIdcColorLum, lum, FALSE);
    updating = bWasUpdating;
}

void CColorPage2::OnRgbChanged()
{
    if (!initialized || updating || !ReadEdits())
        return;
    updating = TRUE;
    const COLORREF color = RGB(red, green, blue);
    dialog->SetNewColor(color);
    dialog->SyncStandardPage(GetRValue(color), GetGValue(color), GetBValue(color));
    double dHue = 0;
    double dSaturation = 0;
    double dLuminance = 0;
    CVrxPPainter::ColorToHLS(color, dHue, dSaturation, dLuminance);
    hue = ToByteScale(dHue);
    sat = ToByteScale(dSaturation);
    lum = ToByteScale(dLuminance);
    WriteEdits();
    SetHlsValues(dHue, dLuminance, dSaturation);
    updating = FALSE;
}

void CColorPage2::OnHlsChanged()
{
    if (!initialized || updating || !ReadEdits())
        return;
    updating = TRUE;
    const double dHue = std::min(1.0, (hue + 0.5) / 255);
    const double dSaturation = std::min(1.0, (sat + 0.5) / 255);
    const double dLuminance = std::min(1.0, (lum + 0.5) / 255);
    const COLORREF color = CVrxPPainter::ColorFromHLS(dHue, dLuminance, dSaturation);
    red = GetRValue(color);
    green = GetGValue(color);
    blue = GetBValue(color);
    WriteEdits();
    dialog->SetNewColor(color);
    dialog->SyncStandardPage(GetRValue(color), GetGValue(color), GetBValue(color));
    SetHlsValues(dHue, dLuminance, dSaturation);
    updating = FALSE;
}

void CColorPage2::TakeSelectorColour(const CVrxPColorSelectorCtrl& source)
{
    const COLORREF colorPicked = source.GetColor();
    red = GetRValue(colorPicked);
    green = GetGValue(colorPicked);
    blue = GetBValue(colorPicked);
    double dHue = 0;
    double dLuminance = 0;
    double dSaturation = 0;
    source.GetHLS(&dHue, &dLuminance, &dSaturation);
    hue = ToByteScale(dHue);
    lum = ToByteScale(dLuminance);
    sat = ToByteScale(dSaturation);
    const COLORREF color = CVrxPPainter::ColorFromHLS(dHue, dLuminance, dSaturation);
    dialog->SetNewColor(color);
    dialog->SyncStandardPage(GetRValue(color), GetGValue(color), GetBValue(color));
    updating = TRUE;
    WriteEdits();
    updating = FALSE;
}

void CColorPage2::OnSpectrumPicked()
{
    double dHue = 0;
    double dLuminance = 0;
    double dSaturation = 0;
    spectrum.GetHLS(&dHue, &dLuminance, &dSaturation);
    luminanceBar.SetHLS(dHue, -1, dSaturation, TRUE);
    TakeSelectorColour(spectrum);
}

void CColorPage2::OnLuminancePicked()
{
    double dHue = 0;
    double dLuminance = 0;
    double dSaturation = 0;
    luminanceBar.GetHLS(&dHue, &dLuminance, &dSaturation);
    spectrum.SetHLS(-1, dLuminance, -1, TRUE);
    TakeSelectorColour(luminanceBar);
}

void CColorPage2::OnSpectrumDoubleClicked()
{
    dialog->EndDialog(IDOK);
}
