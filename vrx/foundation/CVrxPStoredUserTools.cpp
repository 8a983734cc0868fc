#include "foundation/CVrxPStoredUserTools.h"

#include "foundation/CVrxPArchivedValue.h"
#include "foundation/CVrxPUserToolRecord.h"

#include <set>

CVrxPStoredUserTools::~CVrxPStoredUserTools()
{
    DeleteTools();
}

void CVrxPStoredUserTools::DeleteTools()
{
    while (!m_tools.IsEmpty())
        delete m_tools.RemoveHead();
}

BOOL CVrxPStoredUserTools::Store(std::vector<BYTE>& bytes, CObList& tools)
{
    return CVrxPArchivedValue::Store(bytes, CVrxPArchivedValue::growBytes, [&tools](CArchive& ar) { tools.Serialize(ar); });
}

BOOL CVrxPStoredUserTools::Read(const BYTE* pData, UINT nSize, const CRuntimeClass* pToolClass, UINT nFirstId,
                                UINT nLastId)
{
    DeleteTools();
    std::set<UINT> ids;
    // The object list's own form, with every element asked for as a tool.
    const BOOL bRead = CVrxPArchivedValue::Load(
        pData, nSize,
        [&](CArchive& ar) {
            for (DWORD_PTR nCount = ar.ReadCount(); nCount > 0; --nCount)
            {
                CObject* pObject = ar.ReadOwnedObject(pToolClass);
                if (pObject == nullptr)
                    CVrxPArchivedValue::ThrowDamaged();
                m_tools.AddTail(pObject);
                const CVrxPUserToolRecord* pTool = dynamic_cast<const CVrxPUserToolRecord*>(pObject);
                if (pTool == nullptr || pTool->commandId < nFirstId || pTool->commandId > nLastId ||
                    !ids.insert(pTool->commandId).second)
                    CVrxPArchivedValue::ThrowDamaged();
            }
        },
        TRUE);
    if (!bRead)
        DeleteTools();
    return bRead;
}

void CVrxPStoredUserTools::MoveTools(CObList& tools)
{
    while (!m_tools.IsEmpty())
        tools.AddTail(m_tools.RemoveHead());
}
