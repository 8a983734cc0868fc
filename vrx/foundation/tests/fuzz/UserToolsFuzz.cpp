// A stored "Tools" value read back. Input: the first tool id (16 bits) and
// the number of ids of the range (8 bits), then the value. Accepted tools
// must be distinct objects with distinct ids of the range, and come back
// the same when written again and read; refused ones are all deleted (the
// leak check sees any that is not).
#include "FuzzValues.h"
#include "UserToolStandIn.h"

#include "foundation/CVrxPStoredUserTools.h"

#include <cstdlib>
#include <set>

namespace
{
struct ToolFields
{
    CString name, command, arguments, initialDirectory;
    UINT commandId;

    bool operator==(const ToolFields& other) const
    {
        return name == other.name && command == other.command && arguments == other.arguments &&
               initialDirectory == other.initialDirectory && commandId == other.commandId;
    }
};

std::vector<ToolFields> FieldsOf(const CObList& tools)
{
    std::vector<ToolFields> fields;
    for (POSITION pos = tools.GetHeadPosition(); pos != NULL;)
    {
        const CVrxPUserTool* pTool = static_cast<const CVrxPUserTool*>(tools.GetNext(pos));
        fields.push_back({pTool->name, pTool->GetCommand(), pTool->arguments, pTool->initialDirectory, pTool->commandId});
    }
    return fields;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzValues input(data, size);
    const UINT nFirstId = static_cast<UINT>(input.Byte() | input.Byte() << 8);
    const UINT nLastId = nFirstId + input.Byte();
    const std::vector<uint8_t> value = input.Rest();

    CVrxPStoredUserTools stored;
    if (!stored.Read(value.data(), static_cast<UINT>(value.size()), RUNTIME_CLASS(CVrxPUserTool), nFirstId, nLastId))
    {
        if (!stored.GetTools().IsEmpty())
            std::abort();
        return 0;
    }
    std::set<const CObject*> objects;
    std::set<UINT> ids;
    for (POSITION pos = stored.GetTools().GetHeadPosition(); pos != NULL;)
    {
        const CObject* pObject = stored.GetTools().GetNext(pos);
        if (!pObject->IsKindOf(RUNTIME_CLASS(CVrxPUserTool)) || !objects.insert(pObject).second)
            std::abort();
        const UINT nId = static_cast<const CVrxPUserTool*>(pObject)->commandId;
        if (nId < nFirstId || nId > nLastId || !ids.insert(nId).second)
            std::abort();
    }
    CObList tools;
    stored.MoveTools(tools);
    std::vector<BYTE> again;
    CVrxPStoredUserTools reread;
    if (!CVrxPStoredUserTools::Store(again, tools) ||
        !reread.Read(again.data(), static_cast<UINT>(again.size()), RUNTIME_CLASS(CVrxPUserTool), nFirstId, nLastId) ||
        !(FieldsOf(reread.GetTools()) == FieldsOf(tools)))
        std::abort();
    while (!tools.IsEmpty())
        delete tools.RemoveHead();
    return 0;
}
