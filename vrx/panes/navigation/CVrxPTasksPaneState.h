#pragma once

// A tasks pane's "Settings" registry value, with no window involved. The
// stored form (little-endian): the docking pane's part (32-bit side bits,
// 32-bit 0 or 1 for visible); the nine layout metrics (signed 32-bit, -1 for
// the look's value); the current page (signed 32-bit); the page names (the
// archive's count, then each name); the caption. Values from older
// workspaces end before the metrics, or before the caption.

#include "files/CArchive.h"
#include "strings/CString.h"

#include <array>
#include <vector>

class CVrxPTasksPaneState
{
public:
    // The registry value's name.
    static const char valueName[];
    static constexpr int metricCount = 9;

    // "<path>VrxPTasksPane-<bar id>", or with an index (0 or more)
    // "<path>VrxPTasksPane-<bar id><index in hexadecimal>".
    static CString KeyName(LPCTSTR lpszPath, int nBarId, int nIndex = -1);

    void Store(CArchive& ar) const;
    // Throws the archive's exception for short or damaged data (a metric
    // below -1, a negative page), keeping what it held before.
    void Load(CArchive& ar, BOOL bWithPages, BOOL bWithCaption);
    // The whole value: FALSE, keeping what it held, when it is short,
    // damaged, or (read to its end) holds more.
    BOOL Read(const BYTE* pData, UINT nSize, BOOL bWithPages, BOOL bWithCaption);
    BOOL Write(std::vector<BYTE>& bytes) const;

    bool operator==(const CVrxPTasksPaneState& other) const;

    DWORD alignment = 0;
    BOOL visible = TRUE;
    std::array<int, metricCount> metrics{-1, -1, -1, -1, -1, -1, -1, -1, -1};
    int page = 0;
    std::vector<CString> pageNames;
    CString caption;
};
