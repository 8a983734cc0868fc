#pragma once

// The reader of the looks' style markup: elements written as <NAME>value</NAME>,
// nested, found by plain text search. Reading an element cuts it out of the
// text, so reading a name again yields its next element.

#include "core/CObject.h"
#include "strings/CString.h"
#include "collections/CStringArray.h"
#include "foundation/CVrxPToolTipOptions.h"
#include "themes/2007/CVrxPRendererInfo.h"

class CVrxPToolbarImageList;
class CVrxPControlRenderer;

class CVrxPStyleReader : public CObject
{
public:
    explicit CVrxPStyleReader(LPCTSTR lpszText = NULL);

    void SetText(LPCTSTR lpszText);
    const CString& GetText() const { return m_text; }

    // The text of a resource, bounded by the resource's size.
    BOOL LoadFromResource(UINT nId, LPCTSTR lpszType);

    BOOL ExtractTag(LPCTSTR lpszName, CString& value, BOOL bUnescape = FALSE);
    // The element's content as the text of another reader.
    BOOL ReadSection(LPCTSTR lpszName, CVrxPStyleReader& section);

    // Each answers FALSE and leaves the output alone when the element is
    // missing or its value does not parse.
    BOOL ReadBool(LPCTSTR lpszName, int& value);
    BOOL ReadInt(LPCTSTR lpszName, int& value);
    BOOL ReadPoint(LPCTSTR lpszName, POINT& value);
    BOOL ReadSize(LPCTSTR lpszName, SIZE& value);
    BOOL ReadRect(LPCTSTR lpszName, RECT& value);
    BOOL ReadColor(LPCTSTR lpszName, COLORREF& value);
    BOOL ReadFont(LPCTSTR lpszName, LOGFONT& value);
    BOOL ReadImageList(LPCTSTR lpszName, CVrxPToolbarImageList& images, UINT nBitmapId);
    BOOL ReadRendererInfo(LPCTSTR lpszName, CVrxPRendererInfo& value);
    BOOL ReadRenderer(LPCTSTR lpszName, CVrxPControlRenderer& renderer, UINT nBitmapId);
    BOOL ReadToolTipOptions(LPCTSTR lpszName, CVrxPToolTipOptions& value);

    static BOOL SplitString(const CString& text, LPCTSTR lpszSeparator, CStringArray& parts, BOOL bTrim,
                            BOOL bKeepEmpty);
    static BOOL ParseColor(const CString& text, COLORREF& value);
    static BOOL ParsePoint(const CString& text, POINT& value);
    static BOOL ParseSize(const CString& text, SIZE& value);
    static BOOL ParseRect(const CString& text, RECT& value);
    static BOOL ParseFont(const CString& text, LOGFONT& value);
    static BOOL ParseImageList(const CString& text, CVrxPToolbarImageList& images, UINT nBitmapId);
    static BOOL ParseRendererInfo(const CString& text, CVrxPRendererInfo& value);
    static BOOL ParseRenderer(const CString& text, CVrxPControlRenderer& renderer, UINT nBitmapId);
    static BOOL ParseToolTipOptions(const CString& text, CVrxPToolTipOptions& value);

    // A number as the markup writes it: decimal, optional sign, leading
    // blanks; anything else reads 0. Out-of-range values saturate at 32 bits.
    static LONG ToNumber(const CString& text);

private:
    static BOOL ParsePair(const CString& text, LPCTSTR lpszFirst, LPCTSTR lpszSecond, LONG& first, LONG& second);
    static BOOL ClearTypeQualityAvailable();

    CString m_text;
};
