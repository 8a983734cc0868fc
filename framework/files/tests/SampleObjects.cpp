#include "SampleObjects.h"

#include "files/CArchive.h"

#include <set>

namespace {

std::set<CSampleNode*>& AliveNodes()
{
    static std::set<CSampleNode*> nodes;
    return nodes;
}

} // namespace

IMPLEMENT_SERIAL(CSampleNode, CObject, 1)

CSampleNode::CSampleNode()
    : CSampleNode(0, "")
{
}

CSampleNode::CSampleNode(int nValue, LPCTSTR lpszText)
    : m_nValue(nValue), m_strText(lpszText), m_pLink(NULL), m_bLoading(false)
{
    AliveNodes().insert(this);
}

CSampleNode::~CSampleNode()
{
    AliveNodes().erase(this);
}

void CSampleNode::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_nValue << m_strText << m_pLink;
        ar.WriteCount(m_values.size());
        for (int value : m_values)
            ar << value;
        return;
    }
    m_bLoading = true;
    ar >> m_nValue >> m_strText >> m_pLink;
    const DWORD_PTR nCount = ar.ReadCount();
    for (DWORD_PTR i = 0; i < nCount; ++i)
    {
        int value;
        ar >> value;
        m_values.push_back(value);
    }
    m_bLoading = false;
}

int CSampleNode::AliveCount()
{
    return static_cast<int>(AliveNodes().size());
}

bool CSampleNode::AnyHalfLoaded()
{
    for (const CSampleNode* pNode : AliveNodes())
    {
        if (pNode->m_bLoading)
            return true;
    }
    return false;
}

void CSampleNode::DeleteAll()
{
    while (!AliveNodes().empty())
        delete *AliveNodes().begin();
}

IMPLEMENT_SERIAL(CVersionedNode, CObject, VERSIONABLE_SCHEMA | 2)

void CVersionedNode::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_nValue << m_strText;
        return;
    }
    m_nLoadedSchema = ar.GetObjectSchema();
    m_nSchemaAskedAgain = ar.GetObjectSchema();
    ar >> m_nValue;
    if (m_nLoadedSchema >= 2)
        ar >> m_strText;
}

IMPLEMENT_DYNCREATE(CDynamicOnly, CObject)
