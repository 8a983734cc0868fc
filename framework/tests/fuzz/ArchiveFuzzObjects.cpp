#include "ArchiveFuzzObjects.h"

#include "collections/CByteArray.h"
#include "collections/CDWordArray.h"
#include "collections/CMapStringToOb.h"
#include "collections/CMapStringToString.h"
#include "collections/CMapWordToOb.h"
#include "collections/CObArray.h"
#include "collections/CStringList.h"
#include "collections/CWordArray.h"
#include "files/CArchive.h"

namespace {

// Reports the class it derives from, so the archive and IsKindOf see the
// collection itself.
template <class Collection>
class CTracked final : public Collection
{
public:
    CTracked() { AliveArchiveObjects().insert(this); }
    ~CTracked() override { AliveArchiveObjects().erase(this); }
};

template <class Collection>
CObject* CreateTracked()
{
    return new CTracked<Collection>;
}

template <class Collection>
void Track()
{
    RUNTIME_CLASS(Collection)->m_pfnCreateObject = &CreateTracked<Collection>;
}

} // namespace

std::set<CObject*>& AliveArchiveObjects()
{
    static std::set<CObject*> objects;
    return objects;
}

void TrackCollectionCreation()
{
    Track<CByteArray>();
    Track<CDWordArray>();
    Track<CMapStringToOb>();
    Track<CMapStringToString>();
    Track<CMapWordToOb>();
    Track<CObArray>();
    Track<CObList>();
    Track<CStringArray>();
    Track<CStringList>();
    Track<CWordArray>();
}

void DeleteAliveArchiveObjects()
{
    // No object owns another, so the order does not matter.
    while (!AliveArchiveObjects().empty())
        delete *AliveArchiveObjects().begin();
}

IMPLEMENT_SERIAL(CFuzzNode, CObject, 1)

CFuzzNode::CFuzzNode()
{
    AliveArchiveObjects().insert(this);
}

CFuzzNode::~CFuzzNode()
{
    AliveArchiveObjects().erase(this);
}

void CFuzzNode::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_nValue << m_strText << m_pLink;
    else
        ar >> m_nValue >> m_strText >> m_pLink;
    m_children.Serialize(ar);
}

IMPLEMENT_SERIAL(CFuzzVersioned, CObject, VERSIONABLE_SCHEMA | 2)

CFuzzVersioned::CFuzzVersioned()
{
    AliveArchiveObjects().insert(this);
}

CFuzzVersioned::~CFuzzVersioned()
{
    AliveArchiveObjects().erase(this);
}

void CFuzzVersioned::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_dValue;
        m_names.Serialize(ar);
        return;
    }
    const UINT nSchema = ar.GetObjectSchema();
    ar >> m_dValue;
    if (nSchema >= 2)
        m_names.Serialize(ar);
}
