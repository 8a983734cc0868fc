#pragma once

// The Commands page's list: one row per registered button (its item data,
// owned by the sheet), drawn by the current look. A press on the selected
// row drags a copy of the button out onto any bar; the list itself never
// changes.

#include "controls/CListBox.h"

class CVrxPToolbarButton;

class CVrxPCustomizeCommandList : public CListBox
{
    DECLARE_DYNAMIC(CVrxPCustomizeCommandList)
public:
    static constexpr int rowPadding = 6;
    static constexpr int menuImageSize = 16;

    CVrxPCustomizeCommandList();

    CVrxPToolbarButton* GetButton(int nIndex) const;
    int GetItemMinHeight() const { return m_nItemHeight; }

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

protected:
    void PreSubclassWindow() override;
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    void DragRow(int nIndex, UINT nFlags, CPoint point);

    int m_nItemWidth;
    int m_nItemHeight;
};
