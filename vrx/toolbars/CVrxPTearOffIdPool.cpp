#include "toolbars/CVrxPTearOffIdPool.h"

#include <cstdlib>

namespace
{
CVrxPTearOffIdPool* s_pInstance = nullptr;
} // namespace

CVrxPTearOffIdPool::CVrxPTearOffIdPool(UINT nFirstId, UINT nLastId) : m_nFirstId(nFirstId), m_nLastId(nLastId)
{
    if (nFirstId != 0 && nLastId >= nFirstId)
    {
        m_useCounts.SetSize(static_cast<INT_PTR>(nLastId - nFirstId + 1));
        for (INT_PTR i = 0; i < m_useCounts.GetSize(); i++)
            m_useCounts[i] = 0;
    }
    else
    {
        m_nFirstId = m_nLastId = 0;
    }
}

CVrxPTearOffIdPool* CVrxPTearOffIdPool::Instance()
{
    return s_pInstance;
}

void CVrxPTearOffIdPool::SetInstance(CVrxPTearOffIdPool* pPool)
{
    if (s_pInstance != pPool)
        delete s_pInstance;
    s_pInstance = pPool;
}

UINT CVrxPTearOffIdPool::ParseTearOffId(CString& text)
{
    if (text.IsEmpty() || text[0] != tagMark)
        return 0;
    const UINT nID = static_cast<UINT>(std::atol(static_cast<LPCTSTR>(text) + 1));
    const int nLast = text.ReverseFind(tagMark);
    text = text.Mid(nLast + 1);
    return nID;
}

void CVrxPTearOffIdPool::BuildTearOffText(UINT nID, CString& text)
{
    CString tagged;
    tagged.Format(tagFormat, tagMark, static_cast<int>(nID), tagMark, static_cast<LPCTSTR>(text));
    text = tagged;
}

UINT CVrxPTearOffIdPool::NextFreeId()
{
    if (m_nFirstId == 0 || m_nLastId == 0)
        return 0;
    for (INT_PTR i = 0; i < m_useCounts.GetSize(); i++)
    {
        if (m_useCounts[i] == 0)
        {
            m_useCounts[i] = 1;
            return m_nFirstId + static_cast<UINT>(i);
        }
    }
    return 0;
}

void CVrxPTearOffIdPool::UpdateUseCount(UINT nID, BOOL bTaken)
{
    if (!InRange(nID))
        return;
    int& nCount = m_useCounts[static_cast<INT_PTR>(nID - m_nFirstId)];
    nCount = bTaken ? nCount + 1 : (nCount > 0 ? nCount - 1 : 0);
}

int CVrxPTearOffIdPool::UseCount(UINT nID) const
{
    return InRange(nID) ? m_useCounts[static_cast<INT_PTR>(nID - m_nFirstId)] : 0;
}
