#include "foundation/CVrxPStoredCommandImages.h"

#include "foundation/CVrxPArchivedValue.h"

#include <set>

BOOL CVrxPStoredCommandImages::Read(const BYTE* pWithoutImages, UINT nWithoutImagesSize, const BYTE* pMenuImages,
                                    UINT nMenuImagesSize)
{
    m_commandsWithoutImages.clear();
    m_menuUserImages.clear();
    CList<UINT, UINT> withoutImages;
    CMap<UINT, UINT, int, int> menuImages;
    if (!CVrxPArchivedValue::Load(
            pWithoutImages, nWithoutImagesSize, [&withoutImages](CArchive& ar) { withoutImages.Serialize(ar); }, TRUE) ||
        !CVrxPArchivedValue::Load(
            pMenuImages, nMenuImagesSize, [&menuImages](CArchive& ar) { menuImages.Serialize(ar); }, TRUE))
        return FALSE;

    std::vector<UINT> commands;
    std::set<UINT> listed;
    for (POSITION pos = withoutImages.GetHeadPosition(); pos != NULL;)
    {
        const UINT nCommand = withoutImages.GetNext(pos);
        if (!listed.insert(nCommand).second)
            return FALSE;
        commands.push_back(nCommand);
    }
    std::vector<std::pair<UINT, int>> images;
    for (POSITION pos = menuImages.GetStartPosition(); pos != NULL;)
    {
        UINT nCommand;
        int nImage;
        menuImages.GetNextAssoc(pos, nCommand, nImage);
        if (nImage < 0 || listed.count(nCommand) != 0)
            return FALSE;
        images.emplace_back(nCommand, nImage);
    }
    m_commandsWithoutImages = std::move(commands);
    m_menuUserImages = std::move(images);
    return TRUE;
}
