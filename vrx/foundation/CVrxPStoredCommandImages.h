#pragma once

// The command manager's saved choices as its two values hold them, with no
// registry involved: "CommandsWithoutImages", the archive of a list of
// command ids, and "MenuUserImages", the archive of a map from command id to
// a user image index. Both are taken back whole or not at all: a value that
// is cut short, holds more than its container, lists a command twice, gives
// a negative image or an image to a command shown without one is refused.

#include "collections/CList.h"
#include "collections/CMap.h"

#include <utility>
#include <vector>

class CVrxPStoredCommandImages
{
public:
    // FALSE, keeping nothing, unless both values are as the manager writes
    // them.
    BOOL Read(const BYTE* pWithoutImages, UINT nWithoutImagesSize, const BYTE* pMenuImages, UINT nMenuImagesSize);

    // In stored order.
    const std::vector<UINT>& GetCommandsWithoutImages() const { return m_commandsWithoutImages; }
    const std::vector<std::pair<UINT, int>>& GetMenuUserImages() const { return m_menuUserImages; }

private:
    std::vector<UINT> m_commandsWithoutImages;
    std::vector<std::pair<UINT, int>> m_menuUserImages;
};
