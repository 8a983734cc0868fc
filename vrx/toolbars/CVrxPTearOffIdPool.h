#pragma once

// The command ids of tear-off menus. An id travels inside its menu item's
// text as "\1<id>\1<text>", so it survives rebuilding a menu from its
// handle. The pool exists only while the application enables tear-off
// menus; the library reaches it through Instance().
//
// The text and count operations are window-free (and build natively); the
// walks over platform menus live in CVrxPTearOffIdPoolMenus.cpp.

#include "collections/CArray.h"
#include "strings/CString.h"

class CVrxPTearOffIdPool
{
public:
    static constexpr TCHAR tagMark = 1;
    static constexpr const char tagFormat[] = "%c%d%c%s";
    static constexpr UINT maxItemText = 1024;

    // An empty range (either end 0) hands out nothing.
    CVrxPTearOffIdPool(UINT nFirstId, UINT nLastId);
    virtual ~CVrxPTearOffIdPool() = default;

    // The pool of the library, or null when tear-off menus are off.
    static CVrxPTearOffIdPool* Instance();
    // The library takes the pool (null switches tear-off menus off).
    static void SetInstance(CVrxPTearOffIdPool* pPool);

    // The id a tagged text carries (the text loses its tag), else 0 and the
    // text stays as it is.
    static UINT ParseTearOffId(CString& text);
    static void BuildTearOffText(UINT nID, CString& text);

    // The first free id of the range, now taken; 0 when none is left.
    UINT NextFreeId();
    // One holder more (bTaken) or fewer; ids outside the range are ignored.
    void UpdateUseCount(UINT nID, BOOL bTaken);
    int UseCount(UINT nID) const;
    BOOL InRange(UINT nID) const { return m_nFirstId != 0 && m_nLastId != 0 && nID >= m_nFirstId && nID <= m_nLastId; }

#ifdef _WIN32
    // Frees the ids the menu's items carry (every id for null).
    void ReleaseMenuIds(HMENU hMenu);
    // Gives every tear-off popup (menu-bar-break state) of the menu an id,
    // written into its text; stops when the range is used up.
    void TagTearOffPopups(HMENU hMenu);
#endif

private:
#ifdef _WIN32
    BOOL TagPopups(HMENU hMenu);
#endif

    UINT m_nFirstId;
    UINT m_nLastId;
    CArray<int, int> m_useCounts;
};
