#include "toolbars/CVrxPCommandUsage.h"

#include "files/CArchive.h"

namespace
{
const UINT kNoCommand = static_cast<UINT>(-1);
const UINT kFirstRecentFile = 0xE110, kLastRecentFile = 0xE11F;
const UINT kFirstSystemCommand = 0xF000, kLastSystemCommand = 0xF1EF;
const UINT kFirstOleVerb = 0xE210, kLastOleVerb = 0xE21F;
const UINT kLastOrdinaryCommand = 0xFEFF;
const UINT kHashBuckets = 17;
} // namespace

UINT CVrxPCommandUsage::minimumTotal = 0;
UINT CVrxPCommandUsage::usagePercent = CVrxPCommandUsage::defaultUsagePercent;

CVrxPCommandUsage::CVrxPCommandUsage() : m_counts(10), m_nTotal(0)
{
    m_counts.InitHashTable(kHashBuckets, FALSE);
}

CVrxPCommandUsage& CVrxPCommandUsage::Global()
{
    static CVrxPCommandUsage usage;
    return usage;
}

BOOL CVrxPCommandUsage::IsReservedCommandId(UINT nID)
{
    return (nID >= kFirstRecentFile && nID <= kLastRecentFile) ||
           (nID >= kFirstSystemCommand && nID <= kLastSystemCommand) || nID > kLastOrdinaryCommand ||
           (nID >= kFirstOleVerb && nID <= kLastOleVerb);
}

BOOL CVrxPCommandUsage::IsBasic(UINT nID, const Context& context)
{
    return context.basicCommands != nullptr && context.basicCommands->Find(nID) != NULL;
}

void CVrxPCommandUsage::AddCommandUsage(UINT nID, const Context& context)
{
    if (context.customizeMode || nID == 0 || nID == kNoCommand || IsBasic(nID, context) || IsReservedCommandId(nID))
        return;
    UINT nCount = 0;
    m_counts.Lookup(nID, nCount);
    m_counts.SetAt(nID, nCount + 1);
    m_nTotal++;
}

UINT CVrxPCommandUsage::GetCount(UINT nID) const
{
    UINT nCount = 0;
    m_counts.Lookup(nID, nCount);
    return nCount;
}

// 64-bit products: a command used more than 42.9 million times would wrap
// a 32-bit count × 100.
BOOL CVrxPCommandUsage::IsFrequentlyUsed(UINT nID) const
{
    if (m_nTotal == 0)
        return FALSE;
    const UINT nCount = GetCount(nID);
    if (usagePercent == 0)
        return nCount > 0;
    return static_cast<unsigned long long>(nCount) * 100u / m_nTotal > usagePercent;
}

BOOL CVrxPCommandUsage::IsRarelyUsed(UINT nID, const Context& context) const
{
    if (context.customizeMode || nID == 0 || nID == kNoCommand || IsReservedCommandId(nID))
        return FALSE;
    if (context.basicCommands == nullptr || context.basicCommands->IsEmpty())
        return FALSE;
    if (nID == backCommand || nID == forwardCommand || nID == otherTaskPanesCommand || IsBasic(nID, context))
        return FALSE;
    return !IsFrequentlyUsed(nID);
}

void CVrxPCommandUsage::Reset()
{
    m_counts.RemoveAll();
    m_nTotal = 0;
}

void CVrxPCommandUsage::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_nTotal;
        m_counts.Serialize(ar);
        return;
    }
    UINT nTotal = 0;
    ar >> nTotal;
    // Read whole before anything changes: a damaged archive leaves the
    // counts as they were.
    CMap<UINT, UINT, UINT, UINT> loaded;
    loaded.Serialize(ar);
    m_nTotal = nTotal;
    for (POSITION pos = loaded.GetStartPosition(); pos != NULL;)
    {
        UINT nID = 0, nCount = 0;
        loaded.GetNextAssoc(pos, nID, nCount);
        m_counts.SetAt(nID, nCount);
    }
}
