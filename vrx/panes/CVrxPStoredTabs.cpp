#include "panes/CVrxPStoredTabs.h"

#include "core/CException.h"
#include "foundation/CVrxPArchivedValue.h"

#include <cstdint>
#include <string_view>
#include <utility>

namespace
{
// Labels are compared whole: an archived label may hold a 0 character.
std::string_view Text(const CString& string)
{
    return std::string_view(string, static_cast<size_t>(string.GetLength()));
}
} // namespace

bool CVrxPSavedTab::operator==(const CVrxPSavedTab& other) const
{
    return Text(label) == Text(other.label) && visible == other.visible &&
           controlId == other.controlId && detachable == other.detachable && textColor == other.textColor &&
           backgroundColor == other.backgroundColor;
}

CVrxPStoredTabs::CVrxPStoredTabs(std::vector<CVrxPSavedTab> tabs, int nActive, int nLocation)
    : m_tabs(std::move(tabs)), m_nActive(nActive), m_nLocation(nLocation)
{
}

void CVrxPStoredTabs::Store(CArchive& ar) const
{
    ar << static_cast<int32_t>(m_tabs.size());
    for (const CVrxPSavedTab& tab : m_tabs)
        ar << tab.label << static_cast<int32_t>(tab.visible) << static_cast<int32_t>(tab.controlId)
           << static_cast<int32_t>(tab.detachable) << static_cast<int32_t>(tab.textColor)
           << static_cast<int32_t>(tab.backgroundColor);
    ar << static_cast<int32_t>(m_nActive) << static_cast<int32_t>(m_nLocation);
}

void CVrxPStoredTabs::Load(CArchive& ar)
{
    int32_t nCount = 0;
    ar >> nCount;
    if (nCount < 0)
        AfxThrowArchiveException(CArchiveException::badIndex);
    // The count sizes nothing: tabs are read until it is reached or the data
    // ends.
    std::vector<CVrxPSavedTab> tabs;
    for (int32_t i = 0; i < nCount; i++)
    {
        CVrxPSavedTab tab;
        int32_t values[5] = {};
        ar >> tab.label;
        for (int32_t& value : values)
            ar >> value;
        tab.visible = values[0];
        tab.controlId = values[1];
        tab.detachable = values[2];
        tab.textColor = values[3];
        tab.backgroundColor = values[4];
        tabs.push_back(std::move(tab));
    }
    int32_t nActive = 0;
    int32_t nLocation = 0;
    ar >> nActive >> nLocation;
    m_tabs.swap(tabs);
    m_nActive = nActive;
    m_nLocation = nLocation;
}

BOOL CVrxPStoredTabs::Read(const BYTE* pData, UINT nSize)
{
    CVrxPStoredTabs read;
    if (!CVrxPArchivedValue::Load(pData, nSize, [&read](CArchive& ar) { read.Load(ar); }, TRUE))
        return FALSE;
    *this = std::move(read);
    return TRUE;
}

bool CVrxPStoredTabs::operator==(const CVrxPStoredTabs& other) const
{
    return m_tabs == other.m_tabs && m_nActive == other.m_nActive && m_nLocation == other.m_nLocation;
}
