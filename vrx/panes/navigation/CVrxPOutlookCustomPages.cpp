#include "panes/navigation/CVrxPOutlookCustomPages.h"

#include "core/CException.h"
#include "foundation/CVrxPArchivedValue.h"

#include <cstdint>
#include <string_view>
#include <utility>

namespace
{
// Captions are compared whole: an archived caption may hold a 0 character.
std::string_view Text(const CString& string)
{
    return std::string_view(string, static_cast<size_t>(string.GetLength()));
}
} // namespace

const char CVrxPOutlookCustomPages::valueName[] = "VrxPOutlookCustomPages";

bool CVrxPOutlookCustomPage::operator==(const CVrxPOutlookCustomPage& other) const
{
    return controlId == other.controlId && Text(caption) == Text(other.caption);
}

CVrxPOutlookCustomPages::CVrxPOutlookCustomPages(std::vector<CVrxPOutlookCustomPage> pages, int nShownButtons)
    : m_pages(std::move(pages)), m_nShownButtons(nShownButtons)
{
}

CString CVrxPOutlookCustomPages::KeyName(LPCTSTR lpszPath, int nBarId, int nIndex)
{
    CString key;
    if (nIndex < 0)
        key.Format("%sVrxPOutlookBar-%d", lpszPath, nBarId);
    else
        key.Format("%ssVrxPOutlookBar-%d%x", lpszPath, nBarId, static_cast<unsigned>(nIndex));
    return key;
}

void CVrxPOutlookCustomPages::Store(CArchive& ar) const
{
    ar << static_cast<int32_t>(m_pages.size());
    for (const CVrxPOutlookCustomPage& page : m_pages)
        ar << static_cast<int32_t>(page.controlId) << page.caption;
    ar << static_cast<int32_t>(m_nShownButtons);
}

void CVrxPOutlookCustomPages::Load(CArchive& ar, BOOL bWithShownButtons)
{
    int32_t nCount = 0;
    ar >> nCount;
    if (nCount < 0)
        AfxThrowArchiveException(CArchiveException::badIndex);
    // The count sizes nothing: pages are read until it is reached or the
    // data ends.
    std::vector<CVrxPOutlookCustomPage> pages;
    for (int32_t i = 0; i < nCount; i++)
    {
        int32_t nId = 0;
        CVrxPOutlookCustomPage page;
        ar >> nId >> page.caption;
        page.controlId = nId;
        pages.push_back(std::move(page));
    }
    int32_t nShown = m_nShownButtons;
    if (bWithShownButtons)
        ar >> nShown;
    m_pages.swap(pages);
    m_nShownButtons = nShown;
    m_bHasShownButtons = bWithShownButtons;
}

BOOL CVrxPOutlookCustomPages::Read(const BYTE* pData, UINT nSize, BOOL bWithShownButtons)
{
    CVrxPOutlookCustomPages read = *this;
    if (!CVrxPArchivedValue::Load(
            pData, nSize, [&read, bWithShownButtons](CArchive& ar) { read.Load(ar, bWithShownButtons); },
            bWithShownButtons))
        return FALSE;
    *this = std::move(read);
    return TRUE;
}

BOOL CVrxPOutlookCustomPages::Write(std::vector<BYTE>& bytes) const
{
    return CVrxPArchivedValue::Store(bytes, CVrxPArchivedValue::growBytes, [this](CArchive& ar) { Store(ar); });
}

bool CVrxPOutlookCustomPages::operator==(const CVrxPOutlookCustomPages& other) const
{
    return m_pages == other.m_pages && m_nShownButtons == other.m_nShownButtons;
}
