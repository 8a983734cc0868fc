#include "panes/navigation/CVrxPTasksPaneState.h"

#include "docking/CVrxPStoredBarRecord.h"
#include "foundation/CVrxPArchivedValue.h"

#include <cstdint>
#include <string_view>
#include <utility>

namespace
{
// Names are compared whole: an archived name may hold a 0 character.
std::string_view Text(const CString& string)
{
    return std::string_view(string, static_cast<size_t>(string.GetLength()));
}
} // namespace

const char CVrxPTasksPaneState::valueName[] = "Settings";

CString CVrxPTasksPaneState::KeyName(LPCTSTR lpszPath, int nBarId, int nIndex)
{
    CString key;
    if (nIndex < 0)
        key.Format("%sVrxPTasksPane-%d", lpszPath, nBarId);
    else
        key.Format("%sVrxPTasksPane-%d%x", lpszPath, nBarId, static_cast<unsigned>(nIndex));
    return key;
}

void CVrxPTasksPaneState::Store(CArchive& ar) const
{
    CVrxPStoredBarRecord::StoreDockingState(ar, alignment, visible);
    for (const int nMetric : metrics)
        ar << static_cast<int32_t>(nMetric);
    ar << static_cast<int32_t>(page);
    ar.WriteCount(pageNames.size());
    for (const CString& name : pageNames)
        ar << name;
    ar << caption;
}

void CVrxPTasksPaneState::Load(CArchive& ar, BOOL bWithPages, BOOL bWithCaption)
{
    CVrxPTasksPaneState read = *this;
    CVrxPStoredBarRecord::LoadDockingState(ar, read.alignment, read.visible);
    if (bWithPages)
    {
        for (int& nMetric : read.metrics)
        {
            int32_t nValue = 0;
            ar >> nValue;
            if (nValue < -1)
                CVrxPArchivedValue::ThrowDamaged();
            nMetric = nValue;
        }
        int32_t nPage = 0;
        ar >> nPage;
        if (nPage < 0)
            CVrxPArchivedValue::ThrowDamaged();
        read.page = nPage;
        // The count sizes nothing: names are read until it is reached or
        // the data ends.
        read.pageNames.clear();
        for (DWORD_PTR nCount = ar.ReadCount(); nCount > 0; nCount--)
        {
            CString name;
            ar >> name;
            read.pageNames.push_back(std::move(name));
        }
    }
    if (bWithCaption)
        ar >> read.caption;
    *this = std::move(read);
}

BOOL CVrxPTasksPaneState::Read(const BYTE* pData, UINT nSize, BOOL bWithPages, BOOL bWithCaption)
{
    CVrxPTasksPaneState read = *this;
    // A value is read to its end only when every part of it is read.
    if (!CVrxPArchivedValue::Load(
            pData, nSize, [&](CArchive& ar) { read.Load(ar, bWithPages, bWithCaption); }, bWithPages && bWithCaption))
        return FALSE;
    *this = std::move(read);
    return TRUE;
}

BOOL CVrxPTasksPaneState::Write(std::vector<BYTE>& bytes) const
{
    return CVrxPArchivedValue::Store(bytes, CVrxPArchivedValue::growBytes, [this](CArchive& ar) { Store(ar); });
}

bool CVrxPTasksPaneState::operator==(const CVrxPTasksPaneState& other) const
{
    if (alignment != other.alignment || visible != other.visible || metrics != other.metrics || page != other.page ||
        Text(caption) != Text(other.caption) || pageNames.size() != other.pageNames.size())
        return false;
    for (size_t i = 0; i < pageNames.size(); i++)
        if (Text(pageNames[i]) != Text(other.pageNames[i]))
            return false;
    return true;
}
