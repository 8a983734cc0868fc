#include "themes/2007/CVrxPStyleReader.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace
{

struct Keyword
{
    LPCTSTR name;
    int value;
};

// Searched in this order; the first match wins.
const Keyword fontWeights[] = {
    {"DONTCARE", 0},   {"THIN", 100},     {"EXTRALIGHT", 200}, {"LIGHT", 300},    {"NORMAL", 400},
    {"MEDIUM", 500},   {"SEMIBOLD", 600}, {"BOLD", 700},       {"EXTRABOLD", 800}, {"HEAVY", 900},
    {"ULTRALIGHT", 200}, {"REGULAR", 400}, {"DEMIBOLD", 600},  {"ULTRABOLD", 800}, {"BLACK", 900},
};

const Keyword fontQualities[] = {
    {"DEFAULT", 0}, {"DRAFT", 1}, {"PROOF", 2}, {"NONANTIALIASED", 3}, {"ANTIALIASED", 4},
    {"CLEARTYPE", 5}, {"CLEARTYPE_NATURAL", 6},
};
// Qualities above this one need a system that knows them.
const int lastPlainQuality = 4;

template <size_t N>
const Keyword* FindKeyword(const Keyword (&table)[N], const CString& text)
{
    for (const Keyword& keyword : table)
        if (text.CompareNoCase(keyword.name) == 0)
            return &keyword;
    return NULL;
}

// Markup numbers are not trusted: a sum past 32 bits wraps as the platform's does.
LONG WrappingSum(LONG a, LONG b)
{
    return static_cast<LONG>(static_cast<DWORD>(a) + static_cast<DWORD>(b));
}

BOOL MatchesAt(const CString& text, int nPosition, const CString& tag)
{
    return std::memcmp(static_cast<LPCTSTR>(text) + nPosition, static_cast<LPCTSTR>(tag),
                       static_cast<size_t>(tag.GetLength())) == 0;
}

CString Trimmed(CString text)
{
    text.TrimLeft();
    text.TrimRight();
    return text;
}

// The listed sub-elements when all are present, else the reader's remaining
// text split at commas.
void CollectParts(CVrxPStyleReader& reader, const CString* pNamedValues, int nCount, CStringArray& parts)
{
    parts.RemoveAll();
    BOOL bAllNamed = TRUE;
    for (int i = 0; i < nCount; i++)
        if (pNamedValues[i].IsEmpty())
            bAllNamed = FALSE;
    if (bAllNamed)
    {
        for (int i = 0; i < nCount; i++)
            parts.Add(pNamedValues[i]);
        return;
    }
    CVrxPStyleReader::SplitString(reader.GetText(), ",", parts, TRUE, FALSE);
}

} // namespace

CVrxPStyleReader::CVrxPStyleReader(LPCTSTR lpszText)
{
    SetText(lpszText);
}

void CVrxPStyleReader::SetText(LPCTSTR lpszText)
{
    m_text = lpszText != NULL ? lpszText : "";
}

BOOL CVrxPStyleReader::ExtractTag(LPCTSTR lpszName, CString& value, BOOL bUnescape)
{
    const CString open = CString("<") + lpszName + ">";
    const CString close = CString("</") + lpszName + ">";
    const int nStart = m_text.Find(open);
    if (nStart < 0)
        return FALSE;

    const int nLength = m_text.GetLength();
    const int nValueStart = nStart + open.GetLength();
    int nDepth = 1;
    int nEnd = -1;
    int p = nValueStart;
    while (p < nLength - close.GetLength() + 1)
    {
        if (m_text[p] != '<')
        {
            p++;
            continue;
        }
        if (p < nLength - open.GetLength() && MatchesAt(m_text, p, open))
        {
            nDepth++;
            p += open.GetLength();
        }
        else if (MatchesAt(m_text, p, close))
        {
            if (--nDepth == 0)
            {
                nEnd = p;
                break;
            }
            p += close.GetLength();
        }
        else
            p++;
    }
    if (nEnd < 0)
        return FALSE;

    CString result = Trimmed(m_text.Mid(nValueStart, nEnd - nValueStart));
    m_text.Delete(nStart, nEnd + close.GetLength() - nStart);

    if (bUnescape)
    {
        if (result.GetLength() > 1 && result[0] == '"')
            result = result.Mid(1, result.GetLength() - 2);
        result.Replace("\\t", "\t");
        result.Replace("\\n", "\n");
        result.Replace("\\r", "\r");
        result.Replace("\\b", "\b");
        result.Replace("LT", "<");
        result.Replace("GT", ">");
        result.Replace("AMP", "&");
    }
    value = result;
    return TRUE;
}

BOOL CVrxPStyleReader::ReadSection(LPCTSTR lpszName, CVrxPStyleReader& section)
{
    CString text;
    if (!ExtractTag(lpszName, text))
        return FALSE;
    section.SetText(text);
    return TRUE;
}

BOOL CVrxPStyleReader::ReadBool(LPCTSTR lpszName, int& value)
{
    CString text;
    if (!ExtractTag(lpszName, text))
        return FALSE;
    value = text.CompareNoCase("TRUE") == 0 ? 1 : 0;
    return TRUE;
}

BOOL CVrxPStyleReader::ReadInt(LPCTSTR lpszName, int& value)
{
    CString text;
    if (!ExtractTag(lpszName, text))
        return FALSE;
    value = static_cast<int>(ToNumber(text));
    return TRUE;
}

BOOL CVrxPStyleReader::ReadPoint(LPCTSTR lpszName, POINT& value)
{
    CString text;
    return ExtractTag(lpszName, text) && ParsePoint(text, value);
}

BOOL CVrxPStyleReader::ReadSize(LPCTSTR lpszName, SIZE& value)
{
    CString text;
    return ExtractTag(lpszName, text) && ParseSize(text, value);
}

BOOL CVrxPStyleReader::ReadRect(LPCTSTR lpszName, RECT& value)
{
    CString text;
    return ExtractTag(lpszName, text) && ParseRect(text, value);
}

BOOL CVrxPStyleReader::ReadColor(LPCTSTR lpszName, COLORREF& value)
{
    CString text;
    return ExtractTag(lpszName, text) && ParseColor(text, value);
}

BOOL CVrxPStyleReader::ReadFont(LPCTSTR lpszName, LOGFONT& value)
{
    CString text;
    return ExtractTag(lpszName, text) && ParseFont(text, value);
}

BOOL CVrxPStyleReader::ReadRendererInfo(LPCTSTR lpszName, CVrxPRendererInfo& value)
{
    CString text;
    return ExtractTag(lpszName, text) && ParseRendererInfo(text, value);
}

BOOL CVrxPStyleReader::ReadToolTipOptions(LPCTSTR lpszName, CVrxPToolTipOptions& value)
{
    CString text;
    return ExtractTag(lpszName, text) && ParseToolTipOptions(text, value);
}

BOOL CVrxPStyleReader::SplitString(const CString& text, LPCTSTR lpszSeparator, CStringArray& parts, BOOL bTrim,
                                   BOOL bKeepEmpty)
{
    parts.RemoveAll();
    if (text.IsEmpty())
        return FALSE;
    CString rest = bTrim ? Trimmed(text) : text;
    const int nSeparator = lpszSeparator != NULL ? static_cast<int>(std::strlen(lpszSeparator)) : 0;
    if (rest.IsEmpty() || nSeparator == 0)
        return FALSE;

    int nFound = rest.Find(lpszSeparator);
    if (nFound < 0)
        return FALSE;
    while (nFound >= 0)
    {
        CString part = rest.Left(nFound);
        rest = rest.Mid(nFound + nSeparator);
        if (bTrim)
        {
            part = Trimmed(part);
            rest.TrimLeft();
        }
        if (!part.IsEmpty() || bKeepEmpty)
            parts.Add(part);
        nFound = rest.Find(lpszSeparator);
    }
    if (!rest.IsEmpty() || bKeepEmpty)
        parts.Add(bTrim ? Trimmed(rest) : rest);
    return parts.GetSize() > 0;
}

LONG CVrxPStyleReader::ToNumber(const CString& text)
{
    const long long number = std::strtoll(text, NULL, 10);
    if (number > INT32_MAX)
        return INT32_MAX;
    if (number < INT32_MIN)
        return INT32_MIN;
    return static_cast<LONG>(number);
}

BOOL CVrxPStyleReader::ParseColor(const CString& text, COLORREF& value)
{
    CVrxPStyleReader reader(text);
    CString named[4];
    for (int i = 0; i < 4; i++)
    {
        const LPCTSTR components[] = {"A", "R", "G", "B"};
        reader.ExtractTag(components[i], named[i]);
    }
    // No alpha: a colour with one cannot be drawn as the look expects.
    if (!named[0].IsEmpty())
        return FALSE;

    CStringArray parts;
    if (!named[1].IsEmpty() && !named[2].IsEmpty() && !named[3].IsEmpty())
    {
        parts.Add(named[1]);
        parts.Add(named[2]);
        parts.Add(named[3]);
    }
    else if (!SplitString(text, ",", parts, TRUE, FALSE))
        parts.Add(Trimmed(reader.GetText()));

    if (parts.GetSize() == 1)
    {
        value = static_cast<COLORREF>(ToNumber(parts[0]));
        return TRUE;
    }
    if (parts.GetSize() == 3)
    {
        value = RGB(ToNumber(parts[0]) & 0xFF, ToNumber(parts[1]) & 0xFF, ToNumber(parts[2]) & 0xFF);
        return TRUE;
    }
    return FALSE;
}

BOOL CVrxPStyleReader::ParsePair(const CString& text, LPCTSTR lpszFirst, LPCTSTR lpszSecond, LONG& first,
                                 LONG& second)
{
    CVrxPStyleReader reader(text);
    CString named[2];
    reader.ExtractTag(lpszFirst, named[0]);
    reader.ExtractTag(lpszSecond, named[1]);
    CStringArray parts;
    CollectParts(reader, named, 2, parts);
    if (parts.GetSize() != 2)
        return FALSE;
    first = ToNumber(parts[0]);
    second = ToNumber(parts[1]);
    return TRUE;
}

BOOL CVrxPStyleReader::ParsePoint(const CString& text, POINT& value)
{
    LONG x = 0, y = 0;
    if (!ParsePair(text, "X", "Y", x, y))
        return FALSE;
    value.x = x;
    value.y = y;
    return TRUE;
}

BOOL CVrxPStyleReader::ParseSize(const CString& text, SIZE& value)
{
    LONG cx = 0, cy = 0;
    if (!ParsePair(text, "WIDTH", "HEIGHT", cx, cy))
        return FALSE;
    value.cx = cx;
    value.cy = cy;
    return TRUE;
}

BOOL CVrxPStyleReader::ParseRect(const CString& text, RECT& value)
{
    CVrxPStyleReader reader(text);
    POINT offset = {};
    SIZE size = {};
    if (reader.ReadPoint("OFFSET", offset) && reader.ReadSize("SIZE", size))
    {
        value = {offset.x, offset.y, WrappingSum(offset.x, size.cx), WrappingSum(offset.y, size.cy)};
        return TRUE;
    }

    reader.SetText(text);
    POINT leftTop = {}, rightBottom = {};
    if (reader.ReadPoint("LEFTTOP", leftTop) && reader.ReadPoint("RIGHTBOTTOM", rightBottom))
    {
        value = {leftTop.x, leftTop.y, rightBottom.x, rightBottom.y};
        return TRUE;
    }

    reader.SetText(text);
    CString named[4];
    const LPCTSTR edges[] = {"LEFT", "TOP", "RIGHT", "BOTTOM"};
    for (int i = 0; i < 4; i++)
        reader.ExtractTag(edges[i], named[i]);
    CStringArray parts;
    CollectParts(reader, named, 4, parts);
    if (parts.GetSize() != 4)
        return FALSE;
    value = {ToNumber(parts[0]), ToNumber(parts[1]), ToNumber(parts[2]), ToNumber(parts[3])};
    return TRUE;
}

BOOL CVrxPStyleReader::ParseFont(const CString& text, LOGFONT& value)
{
    CVrxPStyleReader reader(text);
    CString faceName;
    if (reader.ExtractTag("FACENAME", faceName) && !faceName.IsEmpty())
    {
        // Longer names are cut so that the face name stays terminated.
        const size_t nCopy = std::min<size_t>(static_cast<size_t>(faceName.GetLength()), LF_FACESIZE - 1);
        std::memcpy(value.lfFaceName, static_cast<LPCTSTR>(faceName), nCopy);
        value.lfFaceName[nCopy] = '\0';
    }

    int nHeight = 0;
    if (reader.ReadInt("HEIGHT", nHeight))
        value.lfHeight = nHeight;
    int nWidth = 0;
    if (value.lfHeight > 0 && reader.ReadInt("WIDTH", nWidth))
        value.lfWidth = nWidth;

    CString keyword;
    if (reader.ExtractTag("WEIGHT", keyword))
        if (const Keyword* pWeight = FindKeyword(fontWeights, keyword))
            value.lfWeight = pWeight->value;

    if (reader.ExtractTag("QUALITY", keyword))
        if (const Keyword* pQuality = FindKeyword(fontQualities, keyword))
            if (pQuality->value <= lastPlainQuality || ClearTypeQualityAvailable())
                value.lfQuality = static_cast<BYTE>(pQuality->value);
    return TRUE;
}

BOOL CVrxPStyleReader::ParseRendererInfo(const CString& text, CVrxPRendererInfo& value)
{
    CVrxPStyleReader reader(text);
    CVrxPRendererInfo info;
    info.bitmapId = value.bitmapId;

    if (!reader.ReadRect("RECT", info.partRect))
    {
        SIZE size = {};
        if (reader.ReadSize("SIZE", size))
            info.partRect = {0, 0, size.cx, size.cy};
    }
    if (info.partRect.right <= info.partRect.left || info.partRect.bottom <= info.partRect.top)
        return FALSE;

    reader.ReadRect("CORNERS", info.corners);
    reader.ReadRect("SIDES", info.sides);
    reader.ReadRect("INTERIOR", info.interior);
    reader.ReadColor("TRANSPARENT", info.transparentColor);
    value = info;
    return TRUE;
}

BOOL CVrxPStyleReader::ParseToolTipOptions(const CString& text, CVrxPToolTipOptions& value)
{
    CVrxPStyleReader reader(text);
    CVrxPToolTipOptions options;
    options.takeFromVisualManager = FALSE;
    reader.ReadBool("BALLON", options.balloon);
    reader.ReadBool("DRAW_ICON", options.drawIcon);
    reader.ReadBool("DRAW_DESCRIPTION", options.drawDescription);
    reader.ReadInt("MAX_DESC_WIDTH", options.maxDescriptionWidth);
    reader.ReadBool("ROUNDED_CORNERS", options.roundedCorners);
    reader.ReadBool("BOLD_LABEL", options.boldLabel);
    reader.ReadColor("COLOR_FILL", options.fillColor);
    reader.ReadColor("COLOR_FILLGRADIENT", options.gradientColor);
    reader.ReadInt("GRADIENT_ANGLE", options.gradientAngle);
    reader.ReadColor("COLOR_TEXT", options.textColor);
    reader.ReadColor("COLOR_BORDER", options.borderColor);
    reader.ReadBool("DRAW_SEPARATOR", options.drawSeparator);
    value = options;
    return TRUE;
}

BOOL CVrxPStyleReader::ClearTypeQualityAvailable()
{
#ifdef _WIN32
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    return ::GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion > 4;
#else
    return TRUE;
#endif
}
