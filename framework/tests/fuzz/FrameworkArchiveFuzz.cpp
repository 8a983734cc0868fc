// Reads from the input, through an archive over a memory file, what a reader
// of stored state reads: counts, strings, numbers, classes, objects (with
// references to earlier ones), collections, variants and dates, in the order
// the input names. What loaded is walked before the next step.
#include "ArchiveFuzzObjects.h"
#include "ArchiveFuzzOp.h"

#include "collections/CByteArray.h"
#include "collections/CDWordArray.h"
#include "collections/CMapStringToOb.h"
#include "collections/CMapStringToString.h"
#include "collections/CMapWordToOb.h"
#include "collections/CObArray.h"
#include "collections/CStringList.h"
#include "collections/CWordArray.h"
#include "core/CException.h"
#include "files/CArchive.h"
#include "files/CMemFile.h"
#include "ole/COleDateTime.h"
#include "ole/COleVariant.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <set>
#include <vector>

namespace {

// Reads every loaded object and what it refers to, so that a dangling or
// mistyped pointer in what the archive handed back shows.
class CWalker
{
public:
    void Visit(const CObject* pOb)
    {
        if (pOb == nullptr || !m_seen.insert(pOb).second)
            return;
        m_nChars += std::strlen(pOb->GetRuntimeClass()->m_lpszClassName);
        if (pOb->IsKindOf(RUNTIME_CLASS(CFuzzNode)))
        {
            const auto* pNode = static_cast<const CFuzzNode*>(pOb);
            m_nChars += static_cast<size_t>(pNode->m_strText.GetLength());
            Visit(pNode->m_pLink);
            Visit(&pNode->m_children);
        }
        else if (pOb->IsKindOf(RUNTIME_CLASS(CFuzzVersioned)))
            Visit(&static_cast<const CFuzzVersioned*>(pOb)->m_names);
        else if (pOb->IsKindOf(RUNTIME_CLASS(CObList)))
        {
            const auto* pList = static_cast<const CObList*>(pOb);
            for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;)
                Visit(pList->GetNext(pos));
        }
        else if (pOb->IsKindOf(RUNTIME_CLASS(CObArray)))
        {
            const auto* pArray = static_cast<const CObArray*>(pOb);
            for (INT_PTR i = 0; i < pArray->GetSize(); ++i)
                Visit(pArray->GetAt(i));
        }
        else if (pOb->IsKindOf(RUNTIME_CLASS(CStringArray)))
        {
            const auto* pArray = static_cast<const CStringArray*>(pOb);
            for (INT_PTR i = 0; i < pArray->GetSize(); ++i)
                m_nChars += static_cast<size_t>(pArray->GetAt(i).GetLength());
        }
        else if (pOb->IsKindOf(RUNTIME_CLASS(CStringList)))
        {
            const auto* pList = static_cast<const CStringList*>(pOb);
            for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;)
                m_nChars += static_cast<size_t>(pList->GetNext(pos).GetLength());
        }
        else if (pOb->IsKindOf(RUNTIME_CLASS(CMapStringToOb)))
        {
            const auto* pMap = static_cast<const CMapStringToOb*>(pOb);
            CString key;
            CObject* pValue;
            for (POSITION pos = pMap->GetStartPosition(); pos != nullptr;)
            {
                pMap->GetNextAssoc(pos, key, pValue);
                m_nChars += static_cast<size_t>(key.GetLength());
                Visit(pValue);
            }
        }
        else if (pOb->IsKindOf(RUNTIME_CLASS(CMapWordToOb)))
        {
            const auto* pMap = static_cast<const CMapWordToOb*>(pOb);
            WORD key;
            CObject* pValue;
            for (POSITION pos = pMap->GetStartPosition(); pos != nullptr;)
            {
                pMap->GetNextAssoc(pos, key, pValue);
                Visit(pValue);
            }
        }
        else if (pOb->IsKindOf(RUNTIME_CLASS(CMapStringToString)))
        {
            const auto* pMap = static_cast<const CMapStringToString*>(pOb);
            CString key;
            CString value;
            for (POSITION pos = pMap->GetStartPosition(); pos != nullptr;)
            {
                pMap->GetNextAssoc(pos, key, value);
                m_nChars += static_cast<size_t>(key.GetLength() + value.GetLength());
            }
        }
    }

private:
    std::set<const CObject*> m_seen;
    size_t m_nChars = 0;
};

template <class Value>
void ReadValue(CArchive& ar)
{
    Value value{};
    ar >> value;
}

// Collections owned by the reader, loaded through their own Serialize.
template <class Collection>
void ReadCollection(CArchive& ar)
{
    Collection collection;
    collection.Serialize(ar);
    CWalker().Visit(&collection);
}

void ReadStep(CArchive& ar, BYTE byStep)
{
    switch (static_cast<ArchiveFuzzOp>(byStep % opStepCount))
    {
    case opCount: (void)ar.ReadCount(); break;
    case opString: ReadValue<CString>(ar); break;
    case opByte: ReadValue<BYTE>(ar); break;
    case opWord: ReadValue<WORD>(ar); break;
    case opShort: ReadValue<short>(ar); break;
    case opInt: ReadValue<int>(ar); break;
    case opLongLong: ReadValue<LONGLONG>(ar); break;
    case opFloat: ReadValue<float>(ar); break;
    case opDouble: ReadValue<double>(ar); break;
    case opBool: ReadValue<bool>(ar); break;
    case opClass: (void)ar.ReadClass(RUNTIME_CLASS(CObject)); break;
    case opAnyObject: CWalker().Visit(ar.ReadObject(RUNTIME_CLASS(CObject))); break;
    case opNode:
    {
        CFuzzNode* pNode = nullptr;
        ar >> pNode;
        CWalker().Visit(pNode);
        break;
    }
    case opObList: ReadCollection<CObList>(ar); break;
    case opObArray: ReadCollection<CObArray>(ar); break;
    case opStringList: ReadCollection<CStringList>(ar); break;
    case opStringArray: ReadCollection<CStringArray>(ar); break;
    case opDWordArray: ReadCollection<CDWordArray>(ar); break;
    case opByteArray: ReadCollection<CByteArray>(ar); break;
    case opWordArray: ReadCollection<CWordArray>(ar); break;
    case opMapStringToString: ReadCollection<CMapStringToString>(ar); break;
    case opMapStringToOb: ReadCollection<CMapStringToOb>(ar); break;
    case opMapWordToOb: ReadCollection<CMapWordToOb>(ar); break;
    case opVariant: ReadValue<COleVariant>(ar); break;
    case opDateTime: ReadValue<COleDateTime>(ar); break;
    case opTextLine:
    {
        CString line;
        (void)ar.ReadString(line);
        break;
    }
    case opStepCount: break;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    TrackCollectionCreation();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<BYTE> bytes(data, data + size);
    CMemFile file(bytes.data(), static_cast<UINT>(size));
    try
    {
        // A small buffer, so that reads cross its refills.
        CArchive ar(&file, CArchive::load, 64);
        BYTE byStep;
        while (ar.Read(&byStep, 1) == 1)
            ReadStep(ar, byStep);
    }
    catch (CException* e)
    {
        e->Delete();
    }
    DeleteAliveArchiveObjects();
    return 0;
}
