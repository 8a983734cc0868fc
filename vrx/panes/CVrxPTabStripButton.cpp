#include "panes/CVrxPTabStripButton.h"

#include "panes/CVrxPTabWnd.h"
#include "themes/CVrxPVisualManager.h"

IMPLEMENT_DYNAMIC(CVrxPTabStripButton, CVrxPButton)

void CVrxPTabStripButton::DrawBackground(CDC* pDC, const CRect& rect)
{
    CVrxPVisualManager::Instance()->PaintTabScrollButtonFace(pDC, rect, this,
                                                             dynamic_cast<CVrxPTabWnd*>(GetParent()));
}

void CVrxPTabStripButton::DrawBorder(CDC* pDC, CRect& rect, UINT nState)
{
    CVrxPVisualManager::Instance()->PaintTabScrollButtonFrame(pDC, &rect, this, nState, 0);
}
