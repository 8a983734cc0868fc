#pragma once

// The Toolbars page's list: an owner-drawn list box whose rows carry a
// check box at their left. A row can be made uncheckable (the menu bar,
// which cannot be hidden): a click on its box or Space on it only beeps.
// A change the user makes is told to the parent as WM_COMMAND with
// checkChange and the list's id, the list window as lParam.

#include "controls/CListBox.h"

#include <vector>

class CVrxPBarCheckList : public CListBox
{
    DECLARE_DYNAMIC(CVrxPBarCheckList)
public:
    static constexpr UINT checkChange = 40;
    static constexpr int rowHeight = 18;

    void SetItemCheckable(int nIndex, BOOL bCheckable);
    BOOL IsItemCheckable(int nIndex) const;
    void SetCheck(int nIndex, int nCheck);
    int GetCheck(int nIndex) const;
    // The check box of a row, in client coordinates.
    CRect CheckBoxRect(int nIndex) const;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The row whose box holds the point, or -1.
    int RowOfCheckBox(CPoint point) const;
    // FALSE (after a beep) when the row cannot be checked.
    BOOL ToggleByUser(int nIndex);
    void KeepFlagsInStep(UINT message, WPARAM wParam, LRESULT result);

    std::vector<int> m_checks;
    std::vector<int> m_checkable;
};
