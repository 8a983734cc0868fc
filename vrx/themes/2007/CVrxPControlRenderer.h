#pragma once

// Paints a resizable part (a button face, a bar background, a frame) of any
// size from a strip of images stacked top to bottom: corners at their natural
// size, sides stretched along their edge, the interior stretched or aligned.

#include "core/CObject.h"
#include "strings/CRect.h"
#include "foundation/CVrxPToolbarImageList.h"
#include "themes/2007/CVrxPRendererInfo.h"

class CDC;

class CVrxPControlRenderer : public CObject
{
    DECLARE_DYNCREATE(CVrxPControlRenderer)
public:
    // Interior alignments, as the image list's fitted drawing takes them.
    enum Alignment
    {
        alignStart = 0,
        alignCentre = 1,
        alignEnd = 2,
        alignStretch = 3
    };

    CVrxPControlRenderer();
    ~CVrxPControlRenderer() override;

    // FALSE when a strip was named and could not be loaded: the renderer is
    // then empty and paints nothing.
    virtual BOOL Create(const CVrxPRendererInfo& info, BOOL bFlipVertically = FALSE);
    virtual void Draw(CDC* pDC, CRect rect, int nIndex = 0, BYTE alpha = 255);
    virtual void Paint(CDC* pDC, CRect rect, int nIndex = 0, BYTE alpha = 255);
    virtual void PaintInteriorAligned(CDC* pDC, CRect rect, int nHorzAlign, int nVertAlign, int nIndex = 0,
                                      BYTE alpha = 255);
    virtual void PaintInterior(CDC* pDC, CRect rect, int nIndex = 0, BYTE alpha = 255);
    // Image nIndex whole, at its own size, aligned in the rectangle.
    virtual void DrawImage(CDC* pDC, CRect rect, int nHorzAlign, int nVertAlign, int nIndex = 0, BYTE alpha = 255);
    virtual BOOL Reload();
    virtual void CleanUp();

    const CVrxPRendererInfo& GetInfo() const { return m_info; }
    CVrxPToolbarImageList& GetImages() { return m_images; }
    BOOL HasImages() const { return m_images.GetStrip() != NULL; }
    BOOL IsMirrored() const { return m_mirrored; }
    CSize GetImageSize() const { return m_images.GetImageSize(); }

private:
    // Where image nIndex's part lies, and the image list index that reaches it.
    CRect SourceOf(const CRect& rectInImage, int nIndex, int& nListIndex) const;
    BOOL IsSingleColumn() const;

    CVrxPToolbarImageList m_images;
    CVrxPRendererInfo m_info;
    BOOL m_mirrored = FALSE;
};
