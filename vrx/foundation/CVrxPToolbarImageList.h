#pragma once

// A strip of equal-size images in one bitmap, drawn in the states a button
// can be in: normal, disabled, dithered (checked), indeterminate, with a
// drop shade, faded, or with per-pixel alpha. It loads its strip from bitmap
// resources or a .bmp file, appends bitmaps and icons, maps the standard
// button colours of 16- and 24-bit images to the current system colours,
// premultiplies 32-bit images, derives a faded image and a drop-shade
// silhouette from the strip, greys, recolours and mirrors it, and saves an
// edited strip back to its file.
//
// Drawing is done in passes: BeginDraw, any number of DrawImage, EndDraw
// with the same draw state. All lists share one image DC and one mask DC, so
// only one pass may be open at a time in the process (all drawing runs on the
// user-interface thread).
//
// A borrowed list (ShareInto) shows another list's bitmaps and refuses every
// change. Failed GDI allocations leave the list as it was.

#include "collections/CList.h"
#include "collections/CMap.h"
#include "core/CObject.h"
#include "gdi/CBitmap.h"
#include "gdi/CDC.h"
#include "strings/CRect.h"
#include "strings/CSize.h"
#include "strings/CString.h"

// What a pass hands from BeginDraw to EndDraw.
struct CVrxPImageDrawState
{
    HBITMAP hMask = nullptr;
    HGDIOBJ hOldMask = nullptr;
    HGDIOBJ hOldImage = nullptr;
};

class CVrxPToolbarImageList : public CObject
{
public:
    typedef BOOL(WINAPI* AlphaBlendProc)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);
    typedef BOOL(WINAPI* TransparentBltProc)(HDC, int, int, int, int, HDC, int, int, int, int, UINT);

    enum DerivedImage
    {
        fadedImage = 0,
        dropShadeImage = 1
    };

    static constexpr int defaultImageWidth = 16;
    static constexpr int defaultImageHeight = 15;
    static constexpr int defaultFadePercent = 130;
    // Greying with no percent given.
    static constexpr int defaultGreyPercent = 130;
    // Constant alpha of a greyed disabled image and of a faded image in a
    // faded pass.
    static constexpr int disabledAlpha = 127;
    static constexpr int fadedAlpha = 150;
    // Percentage of the look's disabled-image colour that drop shades take.
    static constexpr int shadePercent = 67;

    CVrxPToolbarImageList();
    ~CVrxPToolbarImageList() override;

    // Loading and changing the strip.
    // module NULL: the resource is looked up along the resource chain. With
    // bAdd the images are appended, and an id already added loads nothing.
    BOOL LoadFromResource(UINT nResourceId, HINSTANCE hModule = NULL, BOOL bAdd = FALSE);
    // A bare file name is taken from the program's directory.
    BOOL LoadFromFile(LPCTSTR lpszPath);
    // After a system colour or look change.
    void ReloadImages();
    // The index of the last image, or -1.
    int AppendImage(HBITMAP hBitmap, BOOL bTakeDepth = FALSE);
    int AppendIcon(HICON hIcon, BOOL bAlpha = FALSE);
    // Only for a list loaded from a file.
    BOOL OverwriteImage(int nIndex, HBITMAP hBitmap);
    void RemoveAllImages();
    // Copies this list's images into pTarget (emptied first).
    BOOL CopyImagesFrom(CVrxPToolbarImageList& target) const;
    void ShareInto(CVrxPToolbarImageList& target) const;
    void UseWholeBitmap();
    // Returns the previous colour.
    COLORREF ChangeTransparentColor(COLORREF color);
    // nPercent 0 or less: defaultGreyPercent.
    BOOL DesaturateAll(int nPercent = 0);
    BOOL BuildDerivedImage(DerivedImage kind);
    void ShiftImageHues(COLORREF colorFrom, COLORREF colorTo);
    // colorFrom -1 maps the standard button colours to the system colours.
    BOOL RecolorImages(BOOL bSwapped, COLORREF colorFrom, COLORREF colorTo);
    BOOL FlipImagesHorizontally();
    BOOL FlipImagesVertically();

    // Drawing passes.
    // Width or height 0 or less: the image size.
    BOOL BeginDraw(CVrxPImageDrawState& state, int nWidth = 0, int nHeight = 0, BOOL bFaded = FALSE);
    BOOL DrawImage(CDC* pDC, int x, int y, int nIndex, BOOL bDithered = FALSE, BOOL bDisabled = FALSE,
                   BOOL bIndeterminate = FALSE, BOOL bShade = FALSE, BOOL bFaded = FALSE, BYTE alpha = 255);
    void EndDraw(CVrxPImageDrawState& state);
    // Alignment 0 left/top, 1 centre, 2 right/bottom, else the full width or
    // height; an empty source means the whole image.
    BOOL DrawFitted(CDC* pDC, CRect rect, int nIndex, int nHorzAlign, int nVertAlign, CRect rectSource = CRect(),
                    BYTE alpha = 255);

    // Export.
    // The caller destroys the icon.
    HICON IconFromImage(int nIndex) const;
    BOOL PutImageOnClipboard(int nIndex);
    // lpszPath NULL: the list's own file.
    BOOL SaveToFile(LPCTSTR lpszPath = NULL);

    // State.
    int GetCount() const { return m_nCount; }
    CSize GetImageSize() const { return CSize(m_nImageWidth, m_nImageHeight); }
    void SetImageSize(CSize size);
    HBITMAP GetStrip() const { return m_hStrip; }
    HBITMAP GetDerivedImage(DerivedImage kind) const { return kind == fadedImage ? m_hFaded : m_hDropShade; }
    COLORREF GetTransparentColor() const { return m_transparentColor; }
    int GetBitsPerPixel() const { return m_nBitsPerPixel; }
    BOOL IsModified() const { return m_bModified; }
    BOOL IsReadOnly() const { return m_bReadOnly; }
    BOOL IsBorrowed() const { return m_bBorrowed; }
    BOOL IsLoadedFromFile() const { return m_bLoadedFromFile; }
    const CString& GetFileName() const { return m_strFileName; }
    CRect GetLastDrawRect() const { return m_rectLastDraw; }
    void SetSourceRect(const CRect& rect) { m_rectSource = rect; }
    void SetMapButtonColors(BOOL bMap) { m_bMapButtonColors = bMap; }
    void SetFadeAllDepths(BOOL bAll) { m_bFadeAllDepths = bAll; }
    void SetPremultiplyOnlyWhenNeeded(BOOL bOnlyWhenNeeded) { m_bPremultiplyOnlyWhenNeeded = bOnlyWhenNeeded; }
    void SetUseMask(BOOL bUseMask) { m_bUseMask = bUseMask; }
    // The index of the first image that a resource added, or -1.
    int FirstIndexOfResource(UINT nResourceId) const;

    // Colour mapping between the standard button colours (black, dark grey,
    // silver, white) and the current system colours; bSwapped compares and
    // answers with red and blue exchanged (pixel order).
    static COLORREF SubstituteSysColor(COLORREF color, BOOL bSwapped);
    static COLORREF RestoreSysColor(COLORREF color, BOOL bSwapped);
    // Images appended afterwards are mirrored, and keyed blits avoid
    // TransparentBlt.
    static void SetRightToLeft(BOOL bRightToLeft);
    static BOOL IsRightToLeft();
    // Deletes the shared DCs and frees msimg32.dll; a second call finds
    // nothing to release.
    static void ReleaseShared();
    static AlphaBlendProc AlphaBlendEntry();
    static TransparentBltProc TransparentBltEntry();
    // Copies the source area to the target, leaving pixels of the key colour
    // out (target size -1: the source size).
    static void BlitWithKeyColor(CDC* pTarget, int x, int y, int nWidth, int nHeight, CDC* pSource, int xSource,
                                 int ySource, COLORREF key, int nTargetWidth = -1, int nTargetHeight = -1);
    // A region of the bitmap's size without the pixels of the colour; the
    // caller owns it.
    static HRGN RegionFromBitmap(HBITMAP hBitmap, COLORREF color);
    // 32-bit DIB sections only: channel x alpha / 255.
    static BOOL PremultiplyAlpha(HBITMAP hBitmap, BOOL bOnlyWhenNeeded);

private:
    void RecountImages();
    void DeleteDerivedImages();
    void RebuildDerivedImages();
    void DeleteStrip();
    HBITMAP LoadResourceBitmap(UINT nResourceId, HINSTANCE hModule, BOOL bReloading) const;
    void PrepareLoadedBitmap(HBITMAP& hBitmap, int nBitsPerPixel, BOOL bLoadedFromFile) const;
    // -1 when images are blended with per-pixel alpha, else the transparent
    // colour.
    COLORREF KeyColor() const;
    void PrepareMask(int nIndex, BOOL bWithLightEdge, BOOL bShifted);
    void MirrorAll(BOOL bHorizontal);
    // The first list makes the shared DCs and loads msimg32.dll.
    static void EnsureShared();
    static CDC* ImageDC();
    static CDC* MaskDC();

    int m_nImageWidth = defaultImageWidth;
    int m_nImageHeight = defaultImageHeight;
    int m_nDrawWidth = 0;
    int m_nDrawHeight = 0;
    HBITMAP m_hStrip = nullptr;
    HBITMAP m_hFaded = nullptr;
    HBITMAP m_hDropShade = nullptr;
    BOOL m_bLoadedFromFile = FALSE;
    CString m_strFileName;
    BOOL m_bModified = FALSE;
    int m_nCount = 0;
    CList<UINT, UINT> m_resourceIds;
    CList<HINSTANCE, HINSTANCE> m_resourceModules;
    CMap<UINT, UINT, int, int> m_firstIndexByResource;
    BOOL m_bPassStretches = FALSE;
    CDC m_passDC;
    CBitmap m_passBitmap;
    HGDIOBJ m_hPassOldBitmap = nullptr;
    COLORREF m_transparentColor = static_cast<COLORREF>(-1);
    BOOL m_bReadOnly = FALSE;
    BOOL m_bBorrowed = FALSE;
    COLORREF m_shadeTextColor = 0;
    BOOL m_bPassFaded = FALSE;
    int m_nBitsPerPixel = 0;
    BOOL m_bGreyed = FALSE;
    int m_nGreyPercent = 0;
    int m_nFadePercent = defaultFadePercent;
    BOOL m_bMapButtonColors = TRUE;
    BOOL m_bFadeAllDepths = FALSE;
    CRect m_rectLastDraw;
    CRect m_rectSource;
    BOOL m_bPremultiplyOnlyWhenNeeded = FALSE;
    BOOL m_bUseMask = TRUE;
};
