#pragma once

#include "core/CObject.h"
#include "gdi/CImageList.h"
#include "ole/COleDateTime.h"

class CBitmap;
class CDC;

// One small clock for every five minutes of the day, composed once from the
// library's face and minute-hand strips, drawn where a view shows a time.
class CVrxPPlannerClockIcons : public CObject
{
    DECLARE_DYNCREATE(CVrxPPlannerClockIcons)
public:
    // Icons per day, and strip images: two faces an hour, twelve hands for
    // the morning and twelve for the afternoon.
    static const int iconCount = 24 * 12;
    static const int faceCount = 48;
    static const int handCount = 24;

    CVrxPPlannerClockIcons();
    ~CVrxPPlannerClockIcons() override;

    // Each builds the icons first; nothing is drawn while they cannot be.
    virtual void DrawIcon(CDC* pDC, POINT point, int nHour, int nMinute);
    virtual void DrawTime(CDC* pDC, POINT point, const COleDateTime& date);
    // 0 x 0 while the icons are not built.
    virtual SIZE GetIconSize();
    // Builds the icons once; false (and nothing kept) when a strip, a list,
    // the device context or the bitmap cannot be had, so the next call
    // tries again.
    virtual bool Initialize();

    // The icon of a time of day (hour x 12 + minute div 5), and the face
    // and hand it is composed of for a five-minute step 0..11 of an hour.
    static int IconIndex(int nHour, int nMinute) { return nMinute / 5 + nHour * 12; }
    static int FaceOf(int nHour, int nStep) { return 2 * nHour + (nStep >= 5 ? 1 : 0); }
    static int HandOf(int nHour, int nStep) { return nStep + (nHour >= 12 ? 12 : 0); }

protected:
    // Loads one of the library's strips.
    virtual bool LoadStrip(UINT nBitmapId, CBitmap& strip);

private:
    bool Compose(CImageList& faces, CImageList& hands);

    CImageList m_icons;
    int m_nIconWidth;
    int m_nIconHeight;
    int m_bBuilt;
};
