#pragma once

// A top-level window holding a tab strip and the plain child windows its
// tabs show; it notes the tab strip's notifications and can refuse a change.

#include "foundation/CVrxPArchivedValue.h"
#include "panes/CVrxPTabWnd.h"

#include <memory>
#include <vector>

class TabTestHost : public CWnd
{
public:
    TabTestHost();
    ~TabTestHost() override;

    // Opens the host with a strip of the style over its client area.
    BOOL Open(int nStyle, CVrxPBaseTabWnd::Location location, CSize client = CSize(400, 200),
              BOOL bCloseButton = FALSE);
    // A new child window for a tab; its control id counts up from 100.
    CWnd* MakePage();
    void AddTabs(const std::vector<const char*>& labels);
    std::vector<CString> Labels() const;
    // The tab windows that show now.
    int VisiblePageCount() const;

    CVrxPTabWnd strip;
    std::vector<std::unique_ptr<CWnd>> pages;
    // wParam of every "VrxM_ONCHANGE_ACTIVE_TAB".
    std::vector<int> activeChanges;
    // The index to refuse in "VrxM_ON_CHANGING_ACTIVE_TAB"; -2 none.
    int refuseIndex = -2;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// The bytes the strip's archive stores.
inline std::vector<BYTE> StoreTabs(CVrxPBaseTabWnd& tabs)
{
    std::vector<BYTE> bytes;
    CVrxPArchivedValue::Store(bytes, CVrxPArchivedValue::growBytes, [&tabs](CArchive& ar) { tabs.Serialize(ar); });
    return bytes;
}

// TRUE when the strip loaded the bytes; a failed load's exception is taken.
inline BOOL LoadTabs(CVrxPBaseTabWnd& tabs, const std::vector<BYTE>& bytes)
{
    return CVrxPArchivedValue::Load(bytes.data(), static_cast<UINT>(bytes.size()),
                                    [&tabs](CArchive& ar) { tabs.Serialize(ar); });
}
