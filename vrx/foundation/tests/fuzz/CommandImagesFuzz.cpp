// The command manager's two stored values read back. Input: the
// "CommandsWithoutImages" value, then the "MenuUserImages" value. What is
// accepted must keep the manager's rules, and come back the same when the
// manager writes it again and reads that.
#include "FuzzValues.h"

#include "foundation/CVrxPArchivedValue.h"
#include "foundation/CVrxPStoredCommandImages.h"

#include <cstdlib>
#include <set>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzValues input(data, size);
    const std::vector<uint8_t> withoutImages = input.Value();
    const std::vector<uint8_t> menuImages = input.Rest();

    CVrxPStoredCommandImages stored;
    if (!stored.Read(withoutImages.data(), static_cast<UINT>(withoutImages.size()), menuImages.data(),
                     static_cast<UINT>(menuImages.size())))
    {
        if (!stored.GetCommandsWithoutImages().empty() || !stored.GetMenuUserImages().empty())
            std::abort();
        return 0;
    }
    std::set<UINT> listed(stored.GetCommandsWithoutImages().begin(), stored.GetCommandsWithoutImages().end());
    if (listed.size() != stored.GetCommandsWithoutImages().size())
        std::abort();
    CList<UINT, UINT> list;
    for (UINT nCommand : stored.GetCommandsWithoutImages())
        list.AddTail(nCommand);
    CMap<UINT, UINT, int, int> map;
    for (const std::pair<UINT, int>& image : stored.GetMenuUserImages())
    {
        if (image.second < 0 || listed.count(image.first) != 0)
            std::abort();
        map[image.first] = image.second;
    }
    CVrxPStoredCommandImages again;
    std::vector<BYTE> listAgain;
    std::vector<BYTE> mapAgain;
    if (!CVrxPArchivedValue::Store(listAgain, CVrxPArchivedValue::growBytes, [&list](CArchive& ar) { list.Serialize(ar); }) ||
        !CVrxPArchivedValue::Store(mapAgain, CVrxPArchivedValue::growBytes, [&map](CArchive& ar) { map.Serialize(ar); }) ||
        !again.Read(listAgain.data(), static_cast<UINT>(listAgain.size()), mapAgain.data(),
                    static_cast<UINT>(mapAgain.size())) ||
        again.GetCommandsWithoutImages() != stored.GetCommandsWithoutImages() ||
        std::set<std::pair<UINT, int>>(again.GetMenuUserImages().begin(), again.GetMenuUserImages().end()) !=
            std::set<std::pair<UINT, int>>(stored.GetMenuUserImages().begin(), stored.GetMenuUserImages().end()))
        std::abort();
    return 0;
}
