#pragma once

// The modal "Windows" dialog of a library MDI frame: lists its child frames
// and activates, saves, closes, minimises, cascades or tiles a selection of
// them, all through the frame's MDI client.

#include "collections/CList.h"
#include "controls/CListBox.h"
#include "dialogs/CDialog.h"

class CMDIFrameWnd;

class CVrxPWindowsDialog : public CDialog
{
    DECLARE_DYNAMIC(CVrxPWindowsDialog)
public:
    static constexpr int titleLength = 256;
    static constexpr int extentMargin = 30;

    CVrxPWindowsDialog(CMDIFrameWnd* pFrame, BOOL bShowHelp);

    BOOL OnInitDialog() override;

    // The listed windows (sorted by title) and those selected.
    int GetWindowCount() const;
    HWND GetWindowAt(int nIndex) const;
    BOOL CanArrange() const { return m_bCanArrange; }

    void FillList();
    void SelectActive();
    void UpdateButtons();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // "WINDOW_HELP" to the main window; FALSE.
    BOOL OnHelpInfo(HELPINFO* pHelpInfo);

private:
    // The list's owner drawing is offered to the list control before the
    // dialog, so the list hands it back.
    class WindowsList : public CListBox
    {
    public:
        explicit WindowsList(CVrxPWindowsDialog& dialog) : m_dialog(dialog) {}
        void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override { m_dialog.OnDrawItem(lpDrawItemStruct); }

    private:
        CVrxPWindowsDialog& m_dialog;
    };

    void OnDrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    void OnActivate();
    void OnSave();
    void OnCloseWindows();
    void OnMinimize();
    void Arrange(UINT message, WPARAM wParam);
    void RefreshList();
    BOOL IsSelected(int nIndex) const;
    static BOOL Contains(const CList<HWND, HWND>& list, HWND hWnd);

    WindowsList m_list;
    CMDIFrameWnd* m_pFrame;
    BOOL m_bShowHelp;
    BOOL m_bCanArrange;
    CList<HWND, HWND> m_cannotClose;
    CList<HWND, HWND> m_cannotSave;
};
