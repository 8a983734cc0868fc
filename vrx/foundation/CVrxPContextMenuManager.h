#pragma once

// The application's named context menus. The manager owns the menus it
// loaded; the popup it shows for a registered menu is that menu's first
// sub-menu.

#include "collections/CMap.h"
#include "collections/CStringList.h"
#include "core/CObject.h"
#include "strings/CString.h"

class CVrxPContextMenuManager : public CObject
{
public:
    CVrxPContextMenuManager();
    ~CVrxPContextMenuManager() override;

    // The manager, or NULL when none exists.
    static CVrxPContextMenuManager* Instance();

    // Loads the menu resource; FALSE when it cannot be loaded or the id is
    // already registered (the first registration stays).
    BOOL RegisterMenu(LPCTSTR lpszName, UINT nMenuId);
    // The menu registered under the name, or NULL; *pnMenuId gets its
    // resource id (0 when none).
    HMENU FindMenu(LPCTSTR lpszName, UINT* pnMenuId = nullptr) const;
    void ListMenuNames(CStringList& names) const;

private:
    CMap<UINT, UINT, HMENU, HMENU> m_menusById;
    CMap<CString, LPCTSTR, HMENU, HMENU> m_menusByName;
};
