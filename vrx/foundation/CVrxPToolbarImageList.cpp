#include "foundation/CVrxPToolbarImageList.h"

#include "app/ResourceChain.h"
#include "core/CException.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPPainter.h"
#include "foundation/VrxPEntryPoint.h"
#include "foundation/VrxPImageBitmaps.h"
#include "foundation/VrxPPixelBuffer.h"
#include "themes/CVrxPVisualManager.h"

#include <algorithm>
#include <cstring>

namespace
{
// Shared by every list: plain handles, valid before any constructor runs.
CDC* s_pImageDC = nullptr;
CDC* s_pMaskDC = nullptr;
HMODULE s_hMsimg32 = NULL;
CVrxPToolbarImageList::AlphaBlendProc s_pfnAlphaBlend = nullptr;
CVrxPToolbarImageList::TransparentBltProc s_pfnTransparentBlt = nullptr;
BOOL s_bRightToLeft = FALSE;

const COLORREF noColor = static_cast<COLORREF>(-1);

int BitmapBitsPerPixel(HBITMAP hBitmap, BITMAP* pInfo = nullptr)
{
    BITMAP info = {};
    if (GetObject(hBitmap, sizeof(info), &info) == 0)
        return 0;
    if (pInfo != nullptr)
        *pInfo = info;
    return info.bmBitsPixel * info.bmPlanes;
}

// A DIB section for strips of 32-bit images (the alpha channel must survive),
// a screen-compatible bitmap for the others.
HBITMAP CreateStripBitmap(int nWidth, int nHeight, BOOL bAlpha)
{
    if (bAlpha)
    {
        void* pBits = nullptr;
        return CVrxPPainter::MakeDibSection32(nWidth, nHeight, &pBits);
    }
    HDC hScreen = GetDC(NULL);
    HBITMAP hBitmap = CreateCompatibleBitmap(hScreen, nWidth, nHeight);
    ReleaseDC(NULL, hScreen);
    return hBitmap;
}

COLORREF SwapRedBlue(COLORREF color)
{
    return RGB(GetBValue(color), GetGValue(color), GetRValue(color));
}

const int standardColorIndexes[4] = {COLOR_BTNTEXT, COLOR_BTNSHADOW, COLOR_BTNFACE, COLOR_BTNHIGHLIGHT};
const COLORREF standardColors[4] = {RGB(0, 0, 0), RGB(128, 128, 128), RGB(192, 192, 192), RGB(255, 255, 255)};
} // namespace

void CVrxPToolbarImageList::EnsureShared()
{
    if (s_pImageDC != nullptr)
        return;
    CDC* pImageDC = new CDC;
    CDC* pMaskDC = new CDC;
    if (!pImageDC->CreateCompatibleDC(nullptr) || !pMaskDC->CreateCompatibleDC(nullptr))
    {
        delete pImageDC;
        delete pMaskDC;
        AfxThrowResourceException();
    }
    s_pImageDC = pImageDC;
    s_pMaskDC = pMaskDC;
    const CVrxPGlobals& globals = VrxPGlobals();
    if (!globals.isOldNT)
    {
        s_hMsimg32 = LoadLibrary("msimg32.dll");
        if (s_hMsimg32 != NULL)
        {
            s_pfnAlphaBlend =
                VrxPEntryPoint<AlphaBlendProc>(s_hMsimg32, "AlphaBlend");
            if (!globals.isWin9x)
                s_pfnTransparentBlt = VrxPEntryPoint<TransparentBltProc>(s_hMsimg32, "TransparentBlt");
        }
    }
}

void CVrxPToolbarImageList::ReleaseShared()
{
    delete s_pImageDC;
    delete s_pMaskDC;
    s_pImageDC = nullptr;
    s_pMaskDC = nullptr;
    if (s_hMsimg32 != NULL)
        FreeLibrary(s_hMsimg32);
    s_hMsimg32 = NULL;
    s_pfnAlphaBlend = nullptr;
    s_pfnTransparentBlt = nullptr;
}

CVrxPToolbarImageList::AlphaBlendProc CVrxPToolbarImageList::AlphaBlendEntry()
{
    return s_pfnAlphaBlend;
}

CVrxPToolbarImageList::TransparentBltProc CVrxPToolbarImageList::TransparentBltEntry()
{
    return s_pfnTransparentBlt;
}

void CVrxPToolbarImageList::SetRightToLeft(BOOL bRightToLeft)
{
    s_bRightToLeft = bRightToLeft;
}

BOOL CVrxPToolbarImageList::IsRightToLeft()
{
    return s_bRightToLeft;
}

CDC* CVrxPToolbarImageList::ImageDC()
{
    return s_pImageDC;
}

CDC* CVrxPToolbarImageList::MaskDC()
{
    return s_pMaskDC;
}

CVrxPToolbarImageList::CVrxPToolbarImageList()
{
    EnsureShared();
    ReloadImages();
}

CVrxPToolbarImageList::~CVrxPToolbarImageList()
{
    if (!m_bBorrowed)
    {
        DeleteStrip();
        DeleteDerivedImages();
    }
}

void CVrxPToolbarImageList::DeleteStrip()
{
    if (m_hStrip != nullptr)
        DeleteObject(m_hStrip);
    m_hStrip = nullptr;
}

void CVrxPToolbarImageList::DeleteDerivedImages()
{
    for (HBITMAP* phImage : {&m_hFaded, &m_hDropShade})
    {
        if (*phImage != nullptr)
            DeleteObject(*phImage);
        *phImage = nullptr;
    }
}

void CVrxPToolbarImageList::RebuildDerivedImages()
{
    DeleteDerivedImages();
    BuildDerivedImage(fadedImage);
    BuildDerivedImage(dropShadeImage);
}

void CVrxPToolbarImageList::RecountImages()
{
    BITMAP info = {};
    m_nCount = m_hStrip != nullptr && m_nImageWidth > 0 && GetObject(m_hStrip, sizeof(info), &info) != 0
                   ? info.bmWidth / m_nImageWidth
                   : 0;
}

void CVrxPToolbarImageList::SetImageSize(CSize size)
{
    m_nImageWidth = size.cx;
    m_nImageHeight = size.cy;
    RecountImages();
}

COLORREF CVrxPToolbarImageList::KeyColor() const
{
    return m_nBitsPerPixel >= 32 && s_pfnAlphaBlend != nullptr ? noColor : m_transparentColor;
}

int CVrxPToolbarImageList::FirstIndexOfResource(UINT nResourceId) const
{
    int nIndex;
    return m_firstIndexByResource.Lookup(nResourceId, nIndex) ? nIndex : -1;
}

HBITMAP CVrxPToolbarImageList::LoadResourceBitmap(UINT nResourceId, HINSTANCE hModule, BOOL bReloading) const
{
    const CVrxPGlobals& globals = VrxPGlobals();
    if (hModule == NULL)
        hModule = AfxFindResourceHandle(MAKEINTRESOURCE(nResourceId), RT_BITMAP);
    UINT nFlags = LR_CREATEDIBSECTION;
    if (m_bMapButtonColors && !globals.highContrastBlack && !(bReloading && globals.highContrastWhite))
        nFlags |= LR_LOADMAP3DCOLORS;
    return static_cast<HBITMAP>(LoadImage(hModule, MAKEINTRESOURCE(nResourceId), IMAGE_BITMAP, 0, 0, nFlags));
}

// 32-bit images are premultiplied; the standard button colours of deeper
// images are mapped to the current system colours.
void CVrxPToolbarImageList::PrepareLoadedBitmap(HBITMAP& hBitmap, int nBitsPerPixel, BOOL bLoadedFromFile) const
{
    if (nBitsPerPixel == 32)
        PremultiplyAlpha(hBitmap, m_bPremultiplyOnlyWhenNeeded);
    else if (bLoadedFromFile ? nBitsPerPixel > 8
                             : (nBitsPerPixel > 8 && m_bMapButtonColors) || VrxPGlobals().highContrastBlack)
        VrxPRecolorBitmap(hBitmap, FALSE, noColor, noColor);
}

BOOL CVrxPToolbarImageList::LoadFromResource(UINT nResourceId, HINSTANCE hModule, BOOL bAdd)
{
    if (m_bBorrowed)
        return FALSE;
    if (bAdd && m_resourceIds.Find(nResourceId) != NULL)
        return TRUE;
    HBITMAP hBitmap = LoadResourceBitmap(nResourceId, hModule, FALSE);
    const int nBitsPerPixel = hBitmap != NULL ? BitmapBitsPerPixel(hBitmap) : 0;
    if (nBitsPerPixel == 0)
    {
        if (hBitmap != NULL)
            DeleteObject(hBitmap);
        return FALSE;
    }
    if (!bAdd)
    {
        DeleteStrip();
        m_resourceIds.RemoveAll();
        m_resourceModules.RemoveAll();
        m_firstIndexByResource.RemoveAll();
    }
    PrepareLoadedBitmap(hBitmap, nBitsPerPixel, FALSE);
    m_nBitsPerPixel = std::max(m_nBitsPerPixel, nBitsPerPixel);
    if (bAdd)
    {
        m_firstIndexByResource[nResourceId] = m_nCount;
        AppendImage(hBitmap);
        DeleteObject(hBitmap);
    }
    else
    {
        m_hStrip = hBitmap;
        m_firstIndexByResource[nResourceId] = 0;
    }
    // Kept in both cases, so that a reload finds every strip again.
    m_resourceIds.AddTail(nResourceId);
    m_resourceModules.AddTail(hModule);
    RecountImages();
    DeleteDerivedImages();
    return TRUE;
}

BOOL CVrxPToolbarImageList::LoadFromFile(LPCTSTR lpszPath)
{
    if (m_bBorrowed)
        return FALSE;
    DeleteStrip();
    CString path(lpszPath);
    if (path.FindOneOf("\\/:") < 0)
    {
        char szModule[MAX_PATH] = {};
        GetModuleFileName(NULL, szModule, MAX_PATH);
        char szDrive[_MAX_DRIVE], szDirectory[_MAX_DIR], szName[_MAX_FNAME], szExtension[_MAX_EXT];
        _splitpath(szModule, szDrive, szDirectory, NULL, NULL);
        _splitpath(lpszPath, NULL, NULL, szName, szExtension);
        path = CString(szDrive) + szDirectory + szName + szExtension;
    }
    UINT nFlags = LR_LOADFROMFILE | LR_CREATEDIBSECTION;
    if (m_bMapButtonColors)
        nFlags |= LR_LOADMAP3DCOLORS;
    HBITMAP hBitmap = static_cast<HBITMAP>(LoadImage(AfxGetInstanceHandle(), path, IMAGE_BITMAP, 0, 0, nFlags));
    if (hBitmap == NULL)
        return FALSE;
    m_bLoadedFromFile = TRUE;
    m_strFileName = path;
    const DWORD dwAttributes = GetFileAttributes(path);
    m_bReadOnly = dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    m_nBitsPerPixel = BitmapBitsPerPixel(hBitmap);
    PrepareLoadedBitmap(hBitmap, m_nBitsPerPixel, TRUE);
    m_hStrip = hBitmap;
    RecountImages();
    DeleteDerivedImages();
    return TRUE;
}

void CVrxPToolbarImageList::ReloadImages()
{
    if (m_bBorrowed)
        return;
    if (m_bLoadedFromFile)
        LoadFromFile(CString(m_strFileName));
    else
    {
        DeleteStrip();
        POSITION posId = m_resourceIds.GetHeadPosition();
        POSITION posModule = m_resourceModules.GetHeadPosition();
        while (posId != NULL && posModule != NULL)
        {
            const UINT nResourceId = m_resourceIds.GetNext(posId);
            const HINSTANCE hModule = m_resourceModules.GetNext(posModule);
            HBITMAP hBitmap = LoadResourceBitmap(nResourceId, hModule, TRUE);
            const int nBitsPerPixel = hBitmap != NULL ? BitmapBitsPerPixel(hBitmap) : 0;
            if (nBitsPerPixel == 0)
                continue;
            PrepareLoadedBitmap(hBitmap, nBitsPerPixel, FALSE);
            m_firstIndexByResource[nResourceId] = m_nCount;
            const BOOL bRightToLeft = s_bRightToLeft;
            // Mirrored once, below, with the whole strip.
            s_bRightToLeft = FALSE;
            AppendImage(hBitmap);
            s_bRightToLeft = bRightToLeft;
            DeleteObject(hBitmap);
        }
        RecountImages();
        if (s_bRightToLeft)
            MirrorAll(TRUE);
    }
    DeleteDerivedImages();
    if (m_bGreyed)
        DesaturateAll(m_nGreyPercent);
    m_shadeTextColor = VrxPGlobals().colorShade;
}

int CVrxPToolbarImageList::AppendImage(HBITMAP hBitmap, BOOL bTakeDepth)
{
    if (m_bBorrowed || hBitmap == NULL)
        return -1;
    BITMAP info = {};
    const int nBitsPerPixel = BitmapBitsPerPixel(hBitmap, &info);
    if (nBitsPerPixel == 0)
        return -1;
    HBITMAP hMirrored = NULL;
    if (s_bRightToLeft)
    {
        hMirrored = static_cast<HBITMAP>(CopyImage(hBitmap, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        if (hMirrored == NULL)
            return -1;
        VrxPMirrorImagesHorizontally(hMirrored, m_nImageWidth);
        hBitmap = hMirrored;
    }
    if (bTakeDepth)
        m_nBitsPerPixel = nBitsPerPixel;

    BITMAP strip = {};
    const BOOL bHaveStrip = m_hStrip != nullptr && GetObject(m_hStrip, sizeof(strip), &strip) != 0;
    const int nOldWidth = bHaveStrip ? strip.bmWidth : 0;
    const int nHeight = bHaveStrip ? strip.bmHeight : info.bmHeight;
    HBITMAP hNewStrip = CreateStripBitmap(nOldWidth + info.bmWidth, nHeight, std::max(m_nBitsPerPixel, nBitsPerPixel) >= 32);
    if (hNewStrip == NULL)
    {
        if (hMirrored != NULL)
            DeleteObject(hMirrored);
        return -1;
    }
    if (bHaveStrip)
        VrxPCopyBitmapInto(hNewStrip, 0, 0, m_hStrip);
    VrxPCopyBitmapInto(hNewStrip, nOldWidth, 0, hBitmap);
    if (hMirrored != NULL)
        DeleteObject(hMirrored);
    DeleteStrip();
    m_hStrip = hNewStrip;
    m_bModified = TRUE;
    RecountImages();
    DeleteDerivedImages();
    return m_nCount - 1;
}

int CVrxPToolbarImageList::AppendIcon(HICON hIcon, BOOL bAlpha)
{
    if (hIcon == NULL)
        bAlpha = FALSE;
    HBITMAP hBitmap;
    CDC dc;
    if (!dc.CreateCompatibleDC(nullptr))
        return -1;
    if (bAlpha)
    {
        void* pBits = nullptr;
        hBitmap = CVrxPPainter::MakeDibSection32(m_nImageWidth, m_nImageHeight, &pBits);
    }
    else
        hBitmap = CreateStripBitmap(m_nImageWidth, m_nImageHeight, FALSE);
    if (hBitmap == NULL)
        return -1;
    HGDIOBJ hOld = dc.SelectObject(static_cast<HGDIOBJ>(hBitmap));
    if (!bAlpha)
    {
        CRect rect(0, 0, m_nImageWidth, m_nImageHeight);
        dc.FillRect(&rect, &VrxPGlobals().brushFace);
    }
    if (hIcon != NULL)
        dc.DrawState(CPoint(0, 0), CSize(m_nImageWidth, m_nImageHeight), hIcon, DSS_NORMAL | DST_ICON,
                     static_cast<HBRUSH>(NULL));
    dc.SelectObject(hOld);
    GdiFlush();
    if (bAlpha)
    {
        m_nBitsPerPixel = 32;
        PremultiplyAlpha(hBitmap, m_bPremultiplyOnlyWhenNeeded);
    }
    const int nIndex = AppendImage(hBitmap);
    DeleteObject(hBitmap);
    return nIndex;
}

BOOL CVrxPToolbarImageList::PremultiplyAlpha(HBITMAP hBitmap, BOOL bOnlyWhenNeeded)
{
    DIBSECTION section = {};
    if (GetObject(hBitmap, sizeof(section), &section) != sizeof(section) || section.dsBm.bmBitsPixel != 32 ||
        section.dsBm.bmBits == nullptr)
        return FALSE;
    DWORD* pBits = static_cast<DWORD*>(section.dsBm.bmBits);
    const int nPixels = section.dsBm.bmWidth * section.dsBm.bmHeight;
    GdiFlush();
    if (bOnlyWhenNeeded &&
        !std::any_of(pBits, pBits + nPixels, [](DWORD pixel) { return (pixel & 0xFFFFFF) == 0xFFFFFF && (pixel >> 24) < 255; }))
        return TRUE;
    for (int i = 0; i < nPixels; i++)
    {
        const DWORD alpha = pBits[i] >> 24;
        auto channel = [&](int shift) { return (((pBits[i] >> shift) & 0xFF) * alpha / 255) << shift; };
        pBits[i] = (alpha << 24) | channel(16) | channel(8) | channel(0);
    }
    return TRUE;
}

BOOL CVrxPToolbarImageList::BuildDerivedImage(DerivedImage kind)
{
    if (kind == fadedImage && !((m_nBitsPerPixel >= 1 && m_nBitsPerPixel <= 4) || m_bFadeAllDepths))
        return FALSE;
    HBITMAP& hImage = kind == fadedImage ? m_hFaded : m_hDropShade;
    if (hImage != nullptr)
        DeleteObject(hImage);
    hImage = nullptr;
    const CVrxPGlobals& globals = VrxPGlobals();
    if (m_hStrip == nullptr || globals.bitsPerPixel <= 8 || globals.isWin9x)
        return TRUE;
    HBITMAP hCopy = VrxPCopyAs32Bit(m_hStrip);
    if (hCopy == NULL)
        return FALSE;
    const COLORREF key = KeyColor() == noColor ? globals.colorFace : KeyColor();
    BITMAP info = {};
    GetObject(hCopy, sizeof(info), &info);
    if (kind == dropShadeImage)
    {
        const COLORREF shade = globals.bitsPerPixel > 8
                                   ? CVrxPPainter::ScaleColor(CVrxPVisualManager::Instance()->QueryDisabledImageColor(),
                                                              shadePercent)
                                   : globals.colorShade;
        DWORD* pBits = static_cast<DWORD*>(info.bmBits);
        const DWORD keyPixel = VrxPColorToPixel(key);
        const DWORD shadePixel = VrxPColorToPixel(shade) | 0xFF000000;
        for (int i = 0; i < info.bmWidth * info.bmHeight; i++)
            if ((pBits[i] & 0xFFFFFF) != keyPixel)
                pBits[i] = shadePixel;
    }
    else
    {
        CDC dc;
        if (dc.CreateCompatibleDC(nullptr))
        {
            HGDIOBJ hOld = dc.SelectObject(static_cast<HGDIOBJ>(hCopy));
            CVrxPPainter(dc).LightenRect(CRect(0, 0, info.bmWidth, info.bmHeight), m_nFadePercent, key, 0);
            dc.SelectObject(hOld);
        }
    }
    hImage = hCopy;
    return TRUE;
}

BOOL CVrxPToolbarImageList::DesaturateAll(int nPercent)
{
    m_nGreyPercent = nPercent > 0 ? nPercent : defaultGreyPercent;
    m_bGreyed = TRUE;
    const CVrxPGlobals& globals = VrxPGlobals();
    if (m_hStrip == nullptr || globals.bitsPerPixel <= 8 || globals.isWin9x || m_bBorrowed)
        return TRUE;
    HBITMAP hCopy = VrxPCopyAs32Bit(m_hStrip);
    if (hCopy == NULL)
        return FALSE;
    BITMAP info = {};
    GetObject(hCopy, sizeof(info), &info);
    const double dFactor = m_nGreyPercent * 0.01;
    if (m_nBitsPerPixel >= 32 && s_pfnAlphaBlend != nullptr)
    {
        DWORD* pBits = static_cast<DWORD*>(info.bmBits);
        for (int i = 0; i < info.bmWidth * info.bmHeight; i++)
        {
            const DWORD alpha = pBits[i] >> 24;
            double h, s, l;
            CVrxPPainter::ColorToHLS(VrxPPixelToColor(pBits[i]), h, s, l);
            const COLORREF grey =
                CVrxPPainter::ScaleColorChannels(CVrxPPainter::ColorFromHLS(h, l, 0), dFactor, dFactor, dFactor);
            const DWORD pixel = VrxPColorToPixel(grey);
            auto channel = [&](int shift) { return (((pixel >> shift) & 0xFF) * alpha / 255) << shift; };
            pBits[i] = (alpha << 24) | channel(16) | channel(8) | channel(0);
        }
    }
    else
    {
        CDC dc;
        if (!dc.CreateCompatibleDC(nullptr))
        {
            DeleteObject(hCopy);
            return FALSE;
        }
        HGDIOBJ hOld = dc.SelectObject(static_cast<HGDIOBJ>(hCopy));
        const COLORREF transparent = m_transparentColor == noColor ? globals.colorFace : m_transparentColor;
        CVrxPPainter(dc).DesaturateRect(CRect(0, 0, info.bmWidth, info.bmHeight), m_nGreyPercent, transparent);
        dc.SelectObject(hOld);
    }
    DeleteStrip();
    m_hStrip = hCopy;
    DeleteDerivedImages();
    return TRUE;
}

void CVrxPToolbarImageList::ShiftImageHues(COLORREF colorFrom, COLORREF colorTo)
{
    if (m_hStrip == nullptr || m_bBorrowed)
        return;
    double hFrom, sFrom, lFrom, hTo, sTo, lTo;
    CVrxPPainter::ColorToHLS(colorFrom, hFrom, sFrom, lFrom);
    CVrxPPainter::ColorToHLS(colorTo, hTo, sTo, lTo);
    const double dHue = hTo - hFrom;
    const double dSaturation = sTo - sFrom;
    const double dLightness = lTo - lFrom;
    auto shift = [&](COLORREF color) {
        double h, s, l;
        CVrxPPainter::ColorToHLS(color, h, s, l);
        const double lShifted = hTo > 0.5 ? l : std::clamp(l + dLightness, 0.0, 1.0);
        return CVrxPPainter::ColorFromHLS(std::clamp(h + dHue, 0.0, 1.0), lShifted,
                                          std::clamp(s + dSaturation, 0.0, 1.0));
    };
    if (m_nBitsPerPixel >= 32)
    {
        DIBSECTION section = {};
        if (GetObject(m_hStrip, sizeof(section), &section) != sizeof(section) || section.dsBm.bmBits == nullptr)
            return;
        GdiFlush();
        DWORD* pBits = static_cast<DWORD*>(section.dsBm.bmBits);
        for (int i = 0; i < section.dsBm.bmWidth * section.dsBm.bmHeight; i++)
            if ((pBits[i] >> 24) != 0)
                pBits[i] = (pBits[i] & 0xFF000000) | VrxPColorToPixel(shift(VrxPPixelToColor(pBits[i])));
        return;
    }
    HBITMAP hCopy = VrxPCopyAs32Bit(m_hStrip);
    if (hCopy == NULL)
        return;
    BITMAP info = {};
    GetObject(hCopy, sizeof(info), &info);
    const DWORD keyPixel = VrxPColorToPixel(m_transparentColor == noColor ? VrxPGlobals().colorFace : m_transparentColor);
    DWORD* pBits = static_cast<DWORD*>(info.bmBits);
    for (int i = 0; i < info.bmWidth * info.bmHeight; i++)
        if ((pBits[i] & 0xFFFFFF) != keyPixel)
            pBits[i] = VrxPColorToPixel(shift(VrxPPixelToColor(pBits[i])));
    DeleteStrip();
    m_hStrip = hCopy;
    DeleteDerivedImages();
}

BOOL CVrxPToolbarImageList::RecolorImages(BOOL bSwapped, COLORREF colorFrom, COLORREF colorTo)
{
    if (m_bBorrowed || m_hStrip == nullptr)
        return FALSE;
    if (!VrxPRecolorBitmap(m_hStrip, bSwapped, colorFrom, colorTo))
        return FALSE;
    RebuildDerivedImages();
    return TRUE;
}

void CVrxPToolbarImageList::MirrorAll(BOOL bHorizontal)
{
    for (HBITMAP hImage : {m_hStrip, m_hFaded, m_hDropShade})
        if (hImage != nullptr)
        {
            if (bHorizontal)
                VrxPMirrorImagesHorizontally(hImage, m_nImageWidth);
            else
                VrxPMirrorImagesVertically(hImage, m_nImageHeight);
        }
}

BOOL CVrxPToolbarImageList::FlipImagesHorizontally()
{
    if (m_bBorrowed || m_hStrip == nullptr)
        return FALSE;
    MirrorAll(TRUE);
    return TRUE;
}

BOOL CVrxPToolbarImageList::FlipImagesVertically()
{
    if (m_bBorrowed || m_hStrip == nullptr)
        return FALSE;
    MirrorAll(FALSE);
    return TRUE;
}

BOOL CVrxPToolbarImageList::OverwriteImage(int nIndex, HBITMAP hBitmap)
{
    if (!m_bLoadedFromFile || m_bBorrowed || m_hStrip == nullptr || nIndex < 0 || nIndex >= m_nCount)
        return FALSE;
    VrxPCopyBitmapInto(m_hStrip, nIndex * m_nImageWidth, 0, hBitmap);
    m_bModified = TRUE;
    DeleteDerivedImages();
    return TRUE;
}

COLORREF CVrxPToolbarImageList::ChangeTransparentColor(COLORREF color)
{
    const COLORREF old = m_transparentColor;
    m_transparentColor = color;
    if (color != old)
        RebuildDerivedImages();
    return old;
}

void CVrxPToolbarImageList::UseWholeBitmap()
{
    BITMAP info = {};
    if (m_hStrip == nullptr || GetObject(m_hStrip, sizeof(info), &info) == 0)
        return;
    m_nImageWidth = info.bmWidth;
    m_nImageHeight = info.bmHeight;
    m_nCount = 1;
    RebuildDerivedImages();
}

void CVrxPToolbarImageList::RemoveAllImages()
{
    if (m_bBorrowed)
        return;
    DeleteStrip();
    DeleteDerivedImages();
    m_resourceIds.RemoveAll();
    m_resourceModules.RemoveAll();
    m_firstIndexByResource.RemoveAll();
    m_strFileName.Empty();
    m_bLoadedFromFile = FALSE;
    m_nCount = 0;
    m_bModified = FALSE;
    m_bGreyed = FALSE;
    m_nGreyPercent = 0;
    m_nBitsPerPixel = 0;
}

void CVrxPToolbarImageList::ShareInto(CVrxPToolbarImageList& target) const
{
    target.RemoveAllImages();
    target.m_bBorrowed = TRUE;
    target.m_bReadOnly = TRUE;
    target.m_nImageWidth = m_nImageWidth;
    target.m_nImageHeight = m_nImageHeight;
    target.m_nDrawWidth = m_nDrawWidth;
    target.m_nDrawHeight = m_nDrawHeight;
    target.m_hStrip = m_hStrip;
    target.m_bLoadedFromFile = m_bLoadedFromFile;
    target.m_nCount = m_nCount;
    target.m_nBitsPerPixel = m_nBitsPerPixel;
}

BOOL CVrxPToolbarImageList::CopyImagesFrom(CVrxPToolbarImageList& target) const
{
    if (target.m_bBorrowed)
        return FALSE;
    target.RemoveAllImages();
    if (m_hStrip != nullptr)
    {
        if (VrxPGlobals().isVistaOrLater)
        {
            target.m_hStrip = CreateStripBitmap(m_nImageWidth * m_nCount, m_nImageHeight, m_nBitsPerPixel >= 32);
            if (target.m_hStrip == nullptr)
                return FALSE;
            VrxPCopyBitmapInto(target.m_hStrip, 0, 0, m_hStrip);
        }
        else
        {
            target.m_hStrip = static_cast<HBITMAP>(CopyImage(m_hStrip, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
            if (m_hFaded != nullptr)
                target.m_hFaded = static_cast<HBITMAP>(CopyImage(m_hFaded, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
            if (m_hDropShade != nullptr)
                target.m_hDropShade =
                    static_cast<HBITMAP>(CopyImage(m_hDropShade, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        }
    }
    target.m_nImageWidth = m_nImageWidth;
    target.m_nImageHeight = m_nImageHeight;
    target.m_nDrawWidth = m_nDrawWidth;
    target.m_nDrawHeight = m_nDrawHeight;
    target.m_strFileName = m_strFileName;
    target.m_bLoadedFromFile = m_bLoadedFromFile;
    target.m_bReadOnly = m_bReadOnly;
    target.m_bModified = m_bModified;
    target.m_nCount = m_nCount;
    target.m_transparentColor = m_transparentColor;
    target.m_nBitsPerPixel = m_nBitsPerPixel;
    target.m_resourceIds.AddTail(&m_resourceIds);
    target.m_resourceModules.AddTail(&m_resourceModules);
    POSITION pos = m_firstIndexByResource.GetStartPosition();
    while (pos != NULL)
    {
        UINT nResourceId;
        int nIndex;
        m_firstIndexByResource.GetNextAssoc(pos, nResourceId, nIndex);
        target.m_firstIndexByResource[nResourceId] = nIndex;
    }
    return TRUE;
}

COLORREF CVrxPToolbarImageList::SubstituteSysColor(COLORREF color, BOOL bSwapped)
{
    const CVrxPGlobals& globals = VrxPGlobals();
    for (int i = 0; i < 4; i++)
        if ((bSwapped ? SwapRedBlue(standardColors[i]) : standardColors[i]) == color)
        {
            const COLORREF system = globals.CachedSysColor(standardColorIndexes[i]);
            return bSwapped ? SwapRedBlue(system) : system;
        }
    return color;
}

COLORREF CVrxPToolbarImageList::RestoreSysColor(COLORREF color, BOOL bSwapped)
{
    const CVrxPGlobals& globals = VrxPGlobals();
    for (int i = 0; i < 4; i++)
    {
        const COLORREF system = globals.CachedSysColor(standardColorIndexes[i]);
        if ((bSwapped ? SwapRedBlue(system) : system) == color)
            return bSwapped ? SwapRedBlue(standardColors[i]) : standardColors[i];
    }
    return color;
}
