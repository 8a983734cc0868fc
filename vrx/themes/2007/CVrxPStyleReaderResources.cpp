// The reader's parts that need the module's resources and GDI: the markup
// text itself, image lists and renderers.

#include "themes/2007/CVrxPStyleReader.h"

#include "app/ResourceChain.h"
#include "themes/2007/CVrxPControlRenderer.h"

BOOL CVrxPStyleReader::LoadFromResource(UINT nId, LPCTSTR lpszType)
{
    if (nId == 0)
        return FALSE;
    HINSTANCE hModule = AfxFindResourceHandle(MAKEINTRESOURCE(nId), lpszType);
    HRSRC hResource = hModule != NULL ? ::FindResource(hModule, MAKEINTRESOURCE(nId), lpszType) : NULL;
    HGLOBAL hData = hResource != NULL ? ::LoadResource(hModule, hResource) : NULL;
    const char* pText = hData != NULL ? static_cast<const char*>(::LockResource(hData)) : NULL;
    if (pText == NULL)
        return FALSE;
    // The text ends at its first zero byte or at the resource's end,
    // whichever comes first.
    const DWORD nSize = ::SizeofResource(hModule, hResource);
    DWORD nLength = 0;
    while (nLength < nSize && pText[nLength] != '\0')
        nLength++;
    m_text = CString(pText, static_cast<int>(nLength));
    return TRUE;
}

BOOL CVrxPStyleReader::ReadImageList(LPCTSTR lpszName, CVrxPToolbarImageList& images, UINT nBitmapId)
{
    CString text;
    return ExtractTag(lpszName, text) && ParseImageList(text, images, nBitmapId);
}

BOOL CVrxPStyleReader::ReadRenderer(LPCTSTR lpszName, CVrxPControlRenderer& renderer, UINT nBitmapId)
{
    CString text;
    return ExtractTag(lpszName, text) && ParseRenderer(text, renderer, nBitmapId);
}

BOOL CVrxPStyleReader::ParseImageList(const CString& text, CVrxPToolbarImageList& images, UINT nBitmapId)
{
    images.RemoveAllImages();
    if (images.GetTransparentColor() != static_cast<COLORREF>(-1))
    {
        images.ChangeTransparentColor(static_cast<COLORREF>(-1));
        images.BuildDerivedImage(CVrxPToolbarImageList::fadedImage);
        images.BuildDerivedImage(CVrxPToolbarImageList::dropShadeImage);
    }
    CVrxPStyleReader reader(text);
    SIZE size = {};
    if (!reader.ReadSize("SIZE", size) || (size.cx == 0 && size.cy == 0))
        return FALSE;
    images.SetImageSize(CSize(size));
    images.LoadFromResource(nBitmapId);
    COLORREF transparent = 0;
    if (reader.ReadColor("TRANSPARENT", transparent))
        images.ChangeTransparentColor(transparent);
    return TRUE;
}

BOOL CVrxPStyleReader::ParseRenderer(const CString& text, CVrxPControlRenderer& renderer, UINT nBitmapId)
{
    renderer.CleanUp();
    CVrxPRendererInfo info(nBitmapId, RECT());
    if (!ParseRendererInfo(text, info))
        return FALSE;
    return renderer.Create(info);
}
