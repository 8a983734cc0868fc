#pragma once

// A tab window's tabs as its archive keeps them, with no window involved. The
// stored form (little-endian): a 32-bit tab count; per tab its label (the
// archive's string form), then visible, control id, detachable, text colour
// and background colour (signed 32-bit each); then the active tab's index
// and the tab location (signed 32-bit each).

#include "files/CArchive.h"
#include "strings/CString.h"

#include <vector>

// One tab as the tab archive keeps it.
struct CVrxPSavedTab
{
    CString label;
    int visible = TRUE;
    // 0 for a tab that had no window.
    int controlId = 0;
    int detachable = FALSE;
    // -1: the default, or an automatic colour.
    int textColor = -1;
    int backgroundColor = -1;

    bool operator==(const CVrxPSavedTab& other) const;
};

class CVrxPStoredTabs
{
public:
    CVrxPStoredTabs() = default;
    CVrxPStoredTabs(std::vector<CVrxPSavedTab> tabs, int nActive, int nLocation);

    void Store(CArchive& ar) const;
    // Throws the archive's exception for short or damaged data (a negative
    // count), keeping what it held before.
    void Load(CArchive& ar);
    // The whole value: FALSE, keeping what it held, when it is short, damaged
    // or holds more than the tabs.
    BOOL Read(const BYTE* pData, UINT nSize);

    const std::vector<CVrxPSavedTab>& GetTabs() const { return m_tabs; }
    int GetActive() const { return m_nActive; }
    int GetLocation() const { return m_nLocation; }

    bool operator==(const CVrxPStoredTabs& other) const;

private:
    std::vector<CVrxPSavedTab> m_tabs;
    int m_nActive = 0;
    int m_nLocation = 0;
};
