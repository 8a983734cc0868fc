// Style markup as a resource could hold it, read the way the 2007 look
// reads its sections: elements cut out one by one, every value parser
// applied to what they hold. Each successful cut must shorten the text by at
// least its two tags, and a font's face name must stay terminated.
#include "themes/2007/CVrxPStyleReader.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace
{

const char* const names[] = {"STYLE", "VERSION", "NUMBER", "TYPE", "GLOBALS", "COLOR", "A", "R", "G", "B",
                             "RECT", "SIZE", "CORNERS", "FONT", "TOOLTIP", "X", "Y"};

void ParseEverything(const CString& value)
{
    COLORREF color = 0;
    CVrxPStyleReader::ParseColor(value, color);
    POINT point = {};
    CVrxPStyleReader::ParsePoint(value, point);
    SIZE size = {};
    CVrxPStyleReader::ParseSize(value, size);
    RECT rect = {};
    CVrxPStyleReader::ParseRect(value, rect);
    LOGFONT font = {};
    std::memset(font.lfFaceName, 'x', sizeof(font.lfFaceName));
    font.lfFaceName[LF_FACESIZE - 1] = '\0';
    CVrxPStyleReader::ParseFont(value, font);
    if (std::memchr(font.lfFaceName, '\0', sizeof(font.lfFaceName)) == nullptr)
        std::abort();
    CVrxPRendererInfo info;
    CVrxPStyleReader::ParseRendererInfo(value, info);
    CVrxPToolTipOptions options;
    CVrxPStyleReader::ParseToolTipOptions(value, options);
    CStringArray parts;
    CVrxPStyleReader::SplitString(value, ",", parts, TRUE, FALSE);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The resource's text ends at its first zero byte.
    const CString text(reinterpret_cast<const char*>(data),
                       static_cast<int>(strnlen(reinterpret_cast<const char*>(data), size)));
    CVrxPStyleReader reader(text);
    ParseEverything(text);
    for (const char* name : names)
    {
        CString value;
        const int nBefore = reader.GetText().GetLength();
        if (!reader.ExtractTag(name, value, (nBefore & 1) != 0))
        {
            if (reader.GetText().GetLength() != nBefore)
                std::abort();
            continue;
        }
        if (reader.GetText().GetLength() > nBefore - 2 * static_cast<int>(std::strlen(name)) - 5)
            std::abort();
        ParseEverything(value);
    }
    return 0;
}
