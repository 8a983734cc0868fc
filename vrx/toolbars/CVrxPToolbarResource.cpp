#include "toolbars/CVrxPToolbarResource.h"

namespace
{
unsigned WordAt(const unsigned char* pData, size_t nIndex)
{
    return static_cast<unsigned>(pData[2 * nIndex]) | (static_cast<unsigned>(pData[2 * nIndex + 1]) << 8);
}
} // namespace

bool CVrxPToolbarResource::Parse(const unsigned char* pData, size_t nBytes)
{
    const size_t headerWords = 4;
    if (pData == nullptr || nBytes < 2 * headerWords)
        return false;
    const size_t nCount = WordAt(pData, 3);
    if (nBytes < 2 * (headerWords + nCount))
        return false;
    version = static_cast<int>(WordAt(pData, 0));
    imageWidth = static_cast<int>(WordAt(pData, 1));
    imageHeight = static_cast<int>(WordAt(pData, 2));
    commands.clear();
    for (size_t i = 0; i < nCount; i++)
        commands.push_back(WordAt(pData, headerWords + i));
    return true;
}
