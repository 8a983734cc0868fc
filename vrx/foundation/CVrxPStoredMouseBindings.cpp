#include "foundation/CVrxPStoredMouseBindings.h"

#include "foundation/CVrxPArchivedValue.h"

#include <set>

void CVrxPStoredMouseBindings::Store(CArchive& ar, const std::vector<Binding>& bindings)
{
    ar << static_cast<int>(bindings.size());
    for (const Binding& binding : bindings)
        ar << binding.first << binding.second;
}

void CVrxPStoredMouseBindings::Load(CArchive& ar)
{
    m_bindings.clear();
    std::vector<Binding> bindings;
    std::set<int> views;
    int nCount;
    ar >> nCount;
    if (nCount < 0)
        CVrxPArchivedValue::ThrowDamaged();
    // The count is not trusted to size anything: pairs are read until it is
    // reached or the data ends.
    for (int i = 0; i < nCount; i++)
    {
        int nViewId;
        UINT nCommand;
        ar >> nViewId >> nCommand;
        if (nCommand == 0 || !views.insert(nViewId).second)
            CVrxPArchivedValue::ThrowDamaged();
        bindings.emplace_back(nViewId, nCommand);
    }
    m_bindings = std::move(bindings);
}

BOOL CVrxPStoredMouseBindings::Read(const BYTE* pData, UINT nSize)
{
    if (CVrxPArchivedValue::Load(pData, nSize, [this](CArchive& ar) { Load(ar); }, TRUE))
        return TRUE;
    m_bindings.clear();
    return FALSE;
}
