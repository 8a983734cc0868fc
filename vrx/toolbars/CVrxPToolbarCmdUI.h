#pragma once

// The command-update item of one toolbar button: what an update handler
// decides (enabled, checked, indeterminate, text) lands in the button's
// style and text.

#include "app/CCmdUI.h"

class CVrxPToolBar;

class CVrxPToolbarCmdUI : public CCmdUI
{
public:
    // States above this count as checked.
    static constexpr int maximumCheckState = 2;

    explicit CVrxPToolbarCmdUI(CVrxPToolBar* pBar);

    void Enable(BOOL bOn = TRUE) override;
    void SetCheck(int nCheck = 1) override;
    void SetRadio(BOOL bOn = TRUE) override;
    void SetText(LPCTSTR lpszText) override;

private:
    CVrxPToolBar* m_pBar;
};
