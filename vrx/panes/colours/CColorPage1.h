#pragma once

// The colour dialog's Standard page: a honeycomb of colours and a row of
// greys.

#include "panes/colours/CColorPage.h"
#include "panes/colours/CVrxPColorSelectorCtrl.h"

class CColorPage1 : public CColorPage
{
    DECLARE_DYNCREATE(CColorPage1)
public:
    CColorPage1() = default;

    BOOL OnInitDialog() override;

    CVrxPColorSelectorCtrl hexagons;
    CVrxPColorSelectorCtrl greys;

protected:
    afx_msg void OnHexagonPicked();
    afx_msg void OnGreyPicked();
    afx_msg void OnDoubleClicked();

    DECLARE_MESSAGE_MAP()
};
