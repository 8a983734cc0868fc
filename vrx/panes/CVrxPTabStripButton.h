#pragma once

// A scroll, list or close button of a tab strip: a library button whose face
// and frame the current look draws.

#include "panes/CVrxPButton.h"

class CVrxPTabStripButton : public CVrxPButton
{
    DECLARE_DYNAMIC(CVrxPTabStripButton)
protected:
    void DrawBackground(CDC* pDC, const CRect& rect) override;
    void DrawBorder(CDC* pDC, CRect& rect, UINT nState) override;
};
