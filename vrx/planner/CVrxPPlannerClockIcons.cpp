#include "CVrxPPlannerClockIcons.h"

#include "VrxPPlannerResources.h"

#include "gdi/CBitmap.h"
#include "gdi/CDC.h"

IMPLEMENT_DYNCREATE(CVrxPPlannerClockIcons, CObject)

namespace {

// White in the composed icons lets the background show.
const COLORREF transparentColor = RGB(255, 255, 255);

} // namespace

CVrxPPlannerClockIcons::CVrxPPlannerClockIcons() : m_nIconWidth(0), m_nIconHeight(0), m_bBuilt(0)
{
}

CVrxPPlannerClockIcons::~CVrxPPlannerClockIcons() = default;

bool CVrxPPlannerClockIcons::LoadStrip(UINT nBitmapId, CBitmap& strip)
{
    return strip.LoadBitmap(nBitmapId) != FALSE;
}

bool CVrxPPlannerClockIcons::Initialize()
{
    if (m_bBuilt)
        return true;
    CBitmap faceStrip;
    if (!LoadStrip(VrxPIdbClockFaces, faceStrip))
        return false;
    BITMAP faceInfo = {};
    if (faceStrip.GetBitmap(&faceInfo) == 0 || faceInfo.bmWidth < faceCount || faceInfo.bmHeight <= 0)
        return false;
    const int nWidth = faceInfo.bmWidth / faceCount;
    const int nHeight = faceInfo.bmHeight;
    CImageList faces;
    if (!faces.Create(nWidth, nHeight, ILC_COLOR24, faceCount, 0) || faces.Add(&faceStrip, nullptr) < 0)
        return false;

    CBitmap handStrip;
    CImageList hands;
    if (!LoadStrip(VrxPIdbClockHands, handStrip) || !hands.Create(nWidth, nHeight, ILC_COLOR24, handCount, 0) ||
        hands.Add(&handStrip, nullptr) < 0)
        return false;

    m_nIconWidth = nWidth;
    m_nIconHeight = nHeight;
    if (!Compose(faces, hands))
    {
        m_icons.DeleteImageList();
        m_nIconWidth = m_nIconHeight = 0;
        return false;
    }
    m_bBuilt = 1;
    return true;
}

// Lays the hand of each five minutes over the face of its hour: a morning
// hand is black on white (AND), an afternoon hand white on black (OR).
bool CVrxPPlannerClockIcons::Compose(CImageList& faces, CImageList& hands)
{
    CDC memoryDC;
    if (!memoryDC.CreateCompatibleDC(nullptr))
        return false;
    CBitmap composed;
    {
        const HDC hScreen = GetDC(nullptr);
        const HBITMAP hComposed = CreateCompatibleBitmap(hScreen, iconCount * m_nIconWidth, m_nIconHeight);
        ReleaseDC(nullptr, hScreen);
        if (hComposed == nullptr)
            return false;
        composed.Attach(hComposed);
    }
    CBitmap* pOld = memoryDC.SelectObject(&composed);
    for (int nHour = 0; nHour < 24; ++nHour)
    {
        for (int nStep = 0; nStep < 12; ++nStep)
        {
            IMAGELISTDRAWPARAMS params = {};
            params.cbSize = sizeof params;
            params.hdcDst = memoryDC.GetSafeHdc();
            params.x = (nHour * 12 + nStep) * m_nIconWidth;
            params.rgbBk = CLR_DEFAULT;
            params.rgbFg = CLR_DEFAULT;
            params.i = FaceOf(nHour, nStep);
            params.fStyle = ILD_IMAGE;
            faces.DrawIndirect(&params);
            params.i = HandOf(nHour, nStep);
            params.fStyle = ILD_IMAGE | ILD_ROP;
            params.dwRop = nHour < 12 ? SRCAND : SRCPAINT;
            hands.DrawIndirect(&params);
        }
    }
    memoryDC.SelectObject(pOld);
    return m_icons.Create(m_nIconWidth, m_nIconHeight, ILC_MASK | ILC_COLOR24, iconCount, 0) &&
           m_icons.Add(&composed, transparentColor) >= 0;
}

void CVrxPPlannerClockIcons::DrawIcon(CDC* pDC, POINT point, int nHour, int nMinute)
{
    if (!Initialize() || pDC == nullptr || pDC->GetSafeHdc() == nullptr)
        return;
    const int nIndex = IconIndex(nHour, nMinute);
    if (nIndex >= 0 && nIndex < m_icons.GetImageCount())
        m_icons.Draw(pDC, nIndex, point, ILD_NORMAL);
}

void CVrxPPlannerClockIcons::DrawTime(CDC* pDC, POINT point, const COleDateTime& date)
{
    if (!Initialize() || m_icons.GetSafeHandle() == nullptr || pDC == nullptr || pDC->GetSafeHdc() == nullptr)
        return;
    DrawIcon(pDC, point, date.GetHour(), date.GetMinute());
}

SIZE CVrxPPlannerClockIcons::GetIconSize()
{
    Initialize();
    return m_bBuilt ? SIZE{m_nIconWidth, m_nIconHeight} : SIZE{0, 0};
}
