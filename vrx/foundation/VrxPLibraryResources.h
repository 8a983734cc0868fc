#pragma once

// Resource ids of the library's own resources, which lie in the program's
// module (VrxPLibrary.rc).

// The 9 x 9 menu glyph strips: 24 bits per pixel, and 16 colours.
#define VrxPIdbMenuGlyphs 17080
#define VrxPIdbMenuGlyphs16 16129

#define VrxPIdsInternalError 16008
#define VrxPIdsCantCopyBitmap 16010

// The default icon of user tools.
#define VrxPIdiUserTool 16931
