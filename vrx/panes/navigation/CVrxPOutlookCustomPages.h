#pragma once

// An outlook bar's custom pages as its registry value keeps them, with no
// window involved. The stored form (little-endian): a 32-bit page count; per
// page its control id (signed 32-bit) and caption (the archive's string
// form); then the page window's shown-button count (signed 32-bit, -1 when
// the bar had no page window). Values from older workspaces are read without
// that last number.

#include "files/CArchive.h"
#include "strings/CString.h"

#include <vector>

struct CVrxPOutlookCustomPage
{
    int controlId = 0;
    CString caption;

    bool operator==(const CVrxPOutlookCustomPage& other) const;
};

class CVrxPOutlookCustomPages
{
public:
    // The registry value's name.
    static const char valueName[];

    CVrxPOutlookCustomPages() = default;
    CVrxPOutlookCustomPages(std::vector<CVrxPOutlookCustomPage> pages, int nShownButtons);

    // The key under the bars' registry path: "<path>VrxPOutlookBar-<bar id>",
    // or with an index (0 or more) "<path>sVrxPOutlookBar-<bar id><index in
    // hexadecimal>".
    static CString KeyName(LPCTSTR lpszPath, int nBarId, int nIndex = -1);

    void Store(CArchive& ar) const;
    // Throws the archive's exception for short or damaged data (a negative
    // count), keeping what it held before.
    void Load(CArchive& ar, BOOL bWithShownButtons);
    // The whole value: FALSE, keeping what it held, when it is short or
    // damaged, or (when the shown-button count is read) holds more than that.
    BOOL Read(const BYTE* pData, UINT nSize, BOOL bWithShownButtons);
    BOOL Write(std::vector<BYTE>& bytes) const;

    const std::vector<CVrxPOutlookCustomPage>& GetPages() const { return m_pages; }
    int GetShownButtons() const { return m_nShownButtons; }
    // Whether the last read carried the shown-button count.
    BOOL HasShownButtons() const { return m_bHasShownButtons; }

    bool operator==(const CVrxPOutlookCustomPages& other) const;

private:
    std::vector<CVrxPOutlookCustomPage> m_pages;
    int m_nShownButtons = -1;
    BOOL m_bHasShownButtons = TRUE;
};
