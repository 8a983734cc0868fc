#pragma once

// Keeps, for each platform menu handle, the items of the bar that showed it:
// the bar's buttons go to a private temporary file (deleted when closed)
// and come back when the same menu is shown again. One store per process.

#include "collections/CMap.h"
#include "core/CObject.h"

class CVrxPToolBar;

class CVrxPMenuStore : public CObject
{
public:
    static constexpr const char tempFilePrefix[] = "Vrx";

    CVrxPMenuStore();
    ~CVrxPMenuStore() override;
    CVrxPMenuStore(const CVrxPMenuStore&) = delete;
    CVrxPMenuStore& operator=(const CVrxPMenuStore&) = delete;

    static CVrxPMenuStore& Global();

    // A bar without buttons stores nothing (an earlier file stays); a store
    // that fails keeps the earlier file too.
    BOOL Store(HMENU hMenu, CVrxPToolBar* pBar);
    BOOL Restore(HMENU hMenu, CVrxPToolBar* pBar);
    // FALSE when the menu had nothing stored.
    BOOL Discard(HMENU hMenu);
    void CloseAll();
    BOOL HasStored(HMENU hMenu) const;

    // TRUE while a bar is written or read: button records then carry every
    // field whatever the stored state's version.
    static BOOL IsStoring();

private:
    CMap<HMENU, HMENU, HANDLE, HANDLE> m_files;
};
