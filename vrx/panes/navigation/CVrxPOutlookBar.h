#pragma once

// A docking pane that shows its panes as the pages of an outlook-style
// navigation bar: its client area is one page window (CVrxPOutlookWnd).
// Button panes the user made (custom pages) are kept in the registry, under
// VrxPBuildRegistryPath("VrxPOutlookBars", profile) + the key that
// CVrxPOutlookCustomPages::KeyName gives, value "VrxPOutlookCustomPages".

#include "docking/CVrxPDockingControlBar.h"

#include <vector>

class CFont;
class CVrxPOutlookBarPane;
class CVrxPOutlookWnd;

class CVrxPOutlookBar : public CVrxPDockingControlBar
{
    DECLARE_DYNCREATE(CVrxPOutlookBar)
public:
    static constexpr UINT pageWindowId = 101;
    static constexpr const char registrySection[] = "VrxPOutlookBars";
    // The first workspace version whose stored pages carry the page window's
    // shown-button count, and one later version that did not write it.
    static constexpr int shownButtonsVersion = 0x60710;
    static constexpr int versionWithoutShownButtons = 0x70000;
    // The style and control bar flags of a custom page.
    static constexpr DWORD customPageStyle = 0x50402808;

    CVrxPOutlookBar();
    ~CVrxPOutlookBar() override;

    BOOL Create(LPCTSTR lpszCaption, CWnd* pParentWnd, CSize sizeDefault, UINT nID, DWORD dwStyle,
                DWORD dwBarFlags);

    CVrxPOutlookWnd* PageWindow() const { return m_pPages; }
    // The window becomes a page, its label lpszLabel.
    void AddPage(CWnd* pWnd, LPCTSTR lpszLabel, int nImage = -1, BOOL bDetachable = FALSE);
    // A new button pane the bar owns and keeps with its state; null when its
    // window cannot be made.
    CVrxPOutlookBarPane* AddCustomPage(UINT nID, LPCTSTR lpszCaption);
    const std::vector<CVrxPOutlookBarPane*>& CustomPages() const { return m_customPages; }

    // Hooks of the page window.
    virtual BOOL AllowsPageActivation(int) { return TRUE; }
    virtual void OnPageActivated(int) {}
    virtual void OnScrollButton(int) {}
    BOOL ShowsActiveLabelAsCaption() const { return Mode2003 || showActiveLabelAsCaption; }

    // nIndex -1: the bar's control id; nSubIndex -1: the short key form.
    // FALSE when any part of the state could not be written.
    BOOL StoreToRegistry(LPCTSTR lpszProfileName, int nIndex, int nSubIndex) override;
    // FALSE, with no custom page made and the live pages as they were, when
    // the value is missing, short or damaged.
    BOOL RestoreFromRegistry(LPCTSTR lpszProfileName, int nIndex, int nSubIndex) override;
    // Whether stored pages of the current workspace carry the shown-button
    // count.
    static BOOL StoredPagesHaveShownButtons();

    BOOL Mode2003 = FALSE;
    // Not owned; null: the library's regular font.
    CFont* PageFont = nullptr;
    BOOL showActiveLabelAsCaption = FALSE;
    CString caption;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();

    DECLARE_MESSAGE_MAP()

private:
    CString CustomPagesKey(LPCTSTR lpszProfileName, int nIndex, int nSubIndex) const;

    CVrxPOutlookWnd* m_pPages = nullptr;
    std::vector<CVrxPOutlookBarPane*> m_customPages;
};
