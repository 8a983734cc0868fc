#pragma once

// A library dialog holding one button of each kind, as an owner sets them
// up; it notes every command it hears.

#include "panes/CVrxPButton.h"
#include "panes/CVrxPDialog.h"
#include "panes/CVrxPMenuButton.h"
#include "panes/CVrxPURLLinkButton.h"
#include "tests/PanesTestResources.h"

#include <utility>
#include <vector>

class ReportingLinkButton : public CVrxPURLLinkButton
{
public:
    std::vector<INT_PTR> failures;

protected:
    void ReportOpenFailure(INT_PTR nResult) override { failures.push_back(nResult); }
};

class ButtonTestDialog : public CVrxPDialog
{
public:
    ButtonTestDialog();
    ~ButtonTestDialog() override;

    BOOL OnInitDialog() override;
    // Shows the dialog at the place given, in front.
    BOOL Open(CPoint topLeft = CPoint(60, 60));
    // The centre of a control, on the screen.
    CPoint CentreOf(const CWnd& control) const;
    // Number of BN_CLICKED heard from the control.
    int ClicksFrom(UINT nId) const;

    std::vector<std::pair<UINT, UINT>> commands;
    CVrxPButton flat;
    CVrxPButton semiFlat;
    CVrxPButton plain;
    CVrxPButton check;
    CVrxPButton radioA;
    CVrxPButton radioB;
    CVrxPButton repeat;
    CVrxPMenuButton menuButton;
    ReportingLinkButton link;
    HMENU buttonMenu;

    // Only what reaches the dialog's own handling: a control that takes its
    // notification itself is not heard.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
};
