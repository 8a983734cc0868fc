#pragma once

// The application's named context menus. The manager owns the menus it
// loaded; the popup it shows for a registered menu is that menu's first
// sub-menu. A popup either sends its command to the owner's window, or, in
// a tracking loop, hands the chosen command back to the caller.
//
// Registry: the user's customised items of each menu, as a toolbar state
// under "<profile>VrxToolBar-0<menu id in hex>".

#include "collections/CMap.h"
#include "collections/CObList.h"
#include "collections/CStringList.h"
#include "core/CObject.h"
#include "strings/CString.h"

class CVrxPPopupMenu;
class CVrxPToolBar;
class CWnd;

class CVrxPContextMenuManager : public CObject
{
public:
    static constexpr DWORD barStyle = 0x50402808;
    static constexpr UINT barId = 0xE800;

    CVrxPContextMenuManager();
    ~CVrxPContextMenuManager() override;

    // The new popup, or NULL. A library dialog whose owner does not take the
    // command gets none. Without bOwnerTakesCommand the command goes to the
    // first window up from the owner that is not a child window.
    virtual CVrxPPopupMenu* ShowPopup(HMENU hPopup, int x, int y, CWnd* pOwner, BOOL bOwnerTakesCommand,
                                      BOOL bKeepHandle, BOOL bPlacement);
    // The registered menu's first sub-menu; x and y both -1 with an owner:
    // 5 pixels right of and below the owner's client corner.
    virtual BOOL PlacePopup(UINT nMenuId, int x, int y, CWnd* pOwner, BOOL bOwnerTakesCommand, BOOL bPlacement);
    // Runs the popup in a loop of its own; the chosen command, 0 for none,
    // for a quit message or for a click outside it.
    virtual UINT TrackPopup(HMENU hPopup, int x, int y, CWnd* pOwner, BOOL bPlacement);
    virtual BOOL RestoreFromRegistry(LPCTSTR lpszProfile);
    virtual BOOL StoreToRegistry(LPCTSTR lpszProfile);
    // Forgets every customisation and every kept reset item.
    virtual BOOL ResetAll();

    // The manager, or NULL when none exists.
    static CVrxPContextMenuManager* Instance();

    // Loads the menu resource; FALSE when it cannot be loaded or the id is
    // already registered (the first registration stays).
    BOOL RegisterMenu(LPCTSTR lpszName, UINT nMenuId);
    // The menu registered under the name, or NULL; *pnMenuId gets its
    // resource id (0 when none).
    HMENU FindMenu(LPCTSTR lpszName, UINT* pnMenuId = nullptr) const;
    void ListMenuNames(CStringList& names) const;

    // The items a menu had before the user customised it. Apply gives the
    // bar new copies of the menu's kept items (nothing when none are kept);
    // Capture keeps copies of the bar's reset items, or forgets the menu's
    // when the bar has none.
    void ApplyResetItems(UINT nMenuId, CVrxPToolBar* pBar) const;
    void CaptureResetItems(UINT nMenuId, CVrxPToolBar* pBar);
    const CObList* ResetItems(UINT nMenuId) const;

    // A tracked popup hands its choice in here.
    void SetChosenCommand(UINT nCommand) { m_nChosenCommand = nCommand; }
    UINT GetChosenCommand() const { return m_nChosenCommand; }

    // Opening a context menu closes any other open library popup unless set.
    BOOL keepOtherPopups;

private:
    static void CopyButtons(const CObList& from, CObList& to);
    void DeleteResetItems(UINT nMenuId);
    void DeleteAllResetItems();
    // Handles messages while the popup's window exists; FALSE when the loop
    // ended early (quit, or a click outside the popup).
    BOOL RunPopupLoop(HWND hWndPopup, CVrxPPopupMenu* pPopup);

    CMap<UINT, UINT, HMENU, HMENU> m_menusById;
    CMap<CString, LPCTSTR, HMENU, HMENU> m_menusByName;
    CMap<UINT, UINT, CObList*, CObList*> m_resetItemsById;
    UINT m_nChosenCommand;
    BOOL m_bTracking;
};
