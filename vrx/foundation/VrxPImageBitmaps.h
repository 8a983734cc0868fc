#pragma once

// Whole-bitmap helpers of the image lists.

#include "core/Platform.h"

// Maps the pixels of colorFrom to colorTo (both with red and blue exchanged
// when bSwapped), or, with colorFrom -1, the standard button colours to the
// current system colours; the bitmap is replaced by the result. A source
// colour without a target colour is refused.
BOOL VrxPRecolorBitmap(HBITMAP& hBitmap, BOOL bSwapped, COLORREF colorFrom, COLORREF colorTo);
// Mirrors each image-width slice (or image-height band) on its own.
BOOL VrxPMirrorImagesHorizontally(HBITMAP hBitmap, int nImageWidth);
BOOL VrxPMirrorImagesVertically(HBITMAP hBitmap, int nImageHeight);
// A packed DIB (header, palette, bits) whose palette holds the standard button
// colours again; the caller frees it with free(). NULL for BI_BITFIELDS.
BYTE* VrxPBitmapToDib(HBITMAP hBitmap, DWORD dwCompression, DWORD* pdwSize);
// Creates or truncates the file and writes the packed DIB as a .bmp file.
BOOL VrxPWriteDibFile(const BYTE* pDib, DWORD dwSize, LPCTSTR lpszPath);
// Copies a bitmap into another with its top-left corner at (x, y), alpha
// bytes included.
void VrxPCopyBitmapInto(HBITMAP hTarget, int x, int y, HBITMAP hSource);
// A 32-bit DIB section holding a copy of the bitmap, or NULL.
HBITMAP VrxPCopyAs32Bit(HBITMAP hSource);
