#pragma once

// The colour dialog's resources.

#define VrxPIddColorsDialog 16961
#define VrxPIddColorPageStandard 16962
#define VrxPIddColorPageCustom 16963
#define VrxPIdcColorSheetPlace 16970
#define VrxPIdcColorSelect 17045
#define VrxPIdcColorPreview 16662
#define VrxPIdcColorHex 16974
#define VrxPIdcColorGrey 16972
#define VrxPIdcColorSpectrum 16662
#define VrxPIdcColorLuminance 16973
#define VrxPIdcColorRed 16964
#define VrxPIdcColorGreen 16965
#define VrxPIdcColorBlue 16966
#define VrxPIdcColorLum 16967
#define VrxPIdcColorSat 16968
#define VrxPIdcColorHue 16969
#define VrxPIdcColorHueSpin 16976
#define VrxPIdcColorSatSpin 16977
#define VrxPIdcColorLumSpin 16978
#define VrxPIdcColorRedSpin 16979
#define VrxPIdcColorGreenSpin 16980
#define VrxPIdcColorBlueSpin 16981
