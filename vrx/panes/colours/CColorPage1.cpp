#include "panes/colours/CColorPage1.h"

#include "foundation/CVrxPPainter.h"
#include "panes/colours/CVrxPColorsDialog.h"
#include "panes/colours/VrxPColoursResources.h"

IMPLEMENT_DYNCREATE(CColorPage1, CDialog)

BEGIN_MESSAGE_MAP(CColorPage1, CDialog)
    ON_BN_CLICKED(VrxPIdcColorHex, OnHexagonPicked)
    ON_BN_CLICKED(VrxPIdcColorGrey, OnGreyPicked)
    ON_BN_DOUBLECLICKED(VrxPIdcColorHex, OnDoubleClicked)
    ON_BN_DOUBLECLICKED(VrxPIdcColorGrey, OnDoubleClicked)
END_MESSAGE_MAP()

BOOL CColorPage1::OnInitDialog()
{
    CDialog::OnInitDialog();
    hexagons.SetMode(CVrxPColorSelectorCtrl::modeHoneycomb);
    greys.SetMode(CVrxPColorSelectorCtrl::modeGreys);
    hexagons.SubclassDlgItem(VrxPIdcColorHex, this);
    greys.SubclassDlgItem(VrxPIdcColorGrey, this);
    hexagons.SetPalette(dialog->palette);
    greys.SetPalette(dialog->palette);
    return TRUE;
}

void CColorPage1::OnHexagonPicked()
{
    const COLORREF color = hexagons.GetColor();
    dialog->SetNewColor(color);
    dialog->SyncCustomPage(GetRValue(color), GetGValue(color), GetBValue(color));
    greys.SetRGB(GetRValue(color), GetGValue(color), GetBValue(color));
}

void CColorPage1::OnGreyPicked()
{
    double dHue = 0;
    double dLuminance = 0;
    double dSaturation = 0;
    greys.GetHLS(&dHue, &dLuminance, &dSaturation);
    const COLORREF color = CVrxPPainter::ColorFromHLSDegrees(dHue, dLuminance, dSaturation);
    dialog->SetNewColor(color);
    dialog->SyncCustomPage(GetRValue(color), GetGValue(color), GetBValue(color));
    hexagons.SetRGB(GetRValue(color), GetGValue(color), GetBValue(color));
}

void CColorPage1::OnDoubleClicked()
{
    dialog->EndDialog(IDOK);
}
