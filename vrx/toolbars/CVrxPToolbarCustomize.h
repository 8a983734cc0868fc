#pragma once

// The customise sheet: a modeless property sheet over one frame, titled
// "Customize", that collects every command of the frame's menus into
// categories (a menu's top-level popups) and owns its pages: Commands and
// Toolbars. While it is open the library is in customise mode and the
// frame's other windows are disabled; closing it enables again exactly the
// windows it disabled. It deletes itself when its window is gone.

#include "collections/CMapStringToOb.h"
#include "collections/CObList.h"
#include "collections/CStringList.h"
#include "dialogs/CPropertySheet.h"

class CFrameWnd;
class CMenu;
class CListBox;
class CVrxPCustomizePage;
class CVrxPToolBar;
class CVrxPToolbarButton;
class CVrxPToolbarsPage;

class CVrxPToolbarCustomize : public CPropertySheet
{
    DECLARE_DYNAMIC(CVrxPToolbarCustomize)
public:
    static constexpr const char title[] = "Customize";
    static constexpr const char allCommandsName[] = "All Commands";
    static constexpr const char newMenuCategory[] = "New Menu";
    static constexpr const char newMenuText[] = "New Menu";
    static constexpr UINT optionMenuShadows = 0x0001;
    static constexpr UINT optionTextLabels = 0x0002;
    static constexpr UINT optionLook2000 = 0x0004;
    static constexpr UINT optionMenuAnimations = 0x0008;
    static constexpr UINT optionNoHelp = 0x0010;
    static constexpr UINT optionContextHelp = 0x0020;
    static constexpr UINT optionUnused = 0x0040;
    static constexpr UINT optionNoToolsPage = 0x0080;
    static constexpr UINT optionKeepMnemonics = 0x0100;
    static constexpr UINT optionNoLargeIcons = 0x0200;
    static constexpr UINT maxItemText = 1024;
    static constexpr const char closeText[] = "Close";
    static constexpr int closeButtonGrowth = 16;

    // Construction alone changes nothing library-wide: the frame's menus
    // are read (with bAutoFill) but customise mode starts with Create. The
    // Keyboard, Menu, Mouse, Options and Tools pages do not exist yet, nor
    // do extra pages.
    CVrxPToolbarCustomize(CFrameWnd* pFrame, BOOL bAutoFill, UINT nFlags,
                          const CList<CRuntimeClass*, CRuntimeClass*>* pExtraPages = nullptr);
    ~CVrxPToolbarCustomize() override;

    void AllowUserDefinedToolbars(BOOL bAllow);
    BOOL AreUserToolbarsAllowed() const { return m_bUserToolbars; }
    // The modeless window; FALSE on failure (the caller still owns the
    // object then).
    virtual BOOL Create();
    BOOL OnInitDialog() override;

    // A copy of the button goes under the category (and under all commands).
    void RegisterCommand(LPCTSTR lpszCategory, const CVrxPToolbarButton& button);
    void RegisterMenuCommands(HMENU hMenu, LPCTSTR lpszCategory, LPCTSTR lpszPath);
    // The menus of the application's document templates, then the frame's.
    void RegisterFrameMenus();

    const CStringList& GetCategoryNames() const { return m_categoryNames; }
    // The buttons of a category (all commands included), or null.
    const CObList* GetCategory(LPCTSTR lpszCategory) const;
    LPCTSTR CommandTextById(UINT nID) const;
    static int CountCommandsNamed(LPCTSTR lpszText, const CObList& list);
    // One row per category in registration order (item data: its list),
    // all commands last; empty ones (no real command) only when asked.
    void ListCategoriesInListBox(CListBox& list, BOOL bIncludeEmpty) const;
    // The Toolbars page shows the bar's new state.
    void NoteToolbarVisibility(CVrxPToolBar* pBar, BOOL bShown);
    UINT GetFlags() const { return m_nFlags; }
    CFrameWnd* GetFrame() const { return m_pFrame; }
    CVrxPCustomizePage* GetCommandsPage() const { return m_pCommandsPage; }
    CVrxPToolbarsPage* GetToolbarsPage() const { return m_pToolbarsPage; }

    // Customise mode for the library and the frame.
    void ToggleCustomizeMode(BOOL bOn);
    // The sheet whose window is open, or null.
    static CVrxPToolbarCustomize* ActiveSheet();

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    CString CleanText(const CString& text) const;
    static BOOL HoldsRealCommand(const CObList& list);

    CMapStringToOb m_categories;
    CStringList m_categoryNames;
    CFrameWnd* m_pFrame;
    BOOL m_bAutoFill;
    UINT m_nFlags;
    BOOL m_bKeepMnemonics;
    BOOL m_bUserToolbars;
    CVrxPCustomizePage* m_pCommandsPage;
    CVrxPToolbarsPage* m_pToolbarsPage;
    // Set once Create succeeded: only then does the sheet delete itself.
    BOOL m_bCreated;
    // The frame's windows this sheet disabled, to enable again.
    CList<HWND, HWND> m_disabled;
};
