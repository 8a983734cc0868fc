#include "toolbars/CVrxPToolbarMenuButtonsButton.h"

#include "files/CArchive.h"
#include "themes/CVrxPVisualManager.h"

IMPLEMENT_SERIAL(CVrxPToolbarMenuButtonsButton, CVrxPToolbarButton, 1)

CVrxPToolbarMenuButtonsButton::CVrxPToolbarMenuButtonsButton() : systemCommand(0) {}

CVrxPToolbarMenuButtonsButton::CVrxPToolbarMenuButtonsButton(UINT nSystemCommand) : systemCommand(nSystemCommand) {}

void CVrxPToolbarMenuButtonsButton::Serialize(CArchive&) {}

void CVrxPToolbarMenuButtonsButton::AssignFrom(const CVrxPToolbarButton& other)
{
    CVrxPToolbarButton::AssignFrom(other);
    if (const CVrxPToolbarMenuButtonsButton* pCaption = dynamic_cast<const CVrxPToolbarMenuButtonsButton*>(&other))
        systemCommand = pCaption->systemCommand;
}

void CVrxPToolbarMenuButtonsButton::Draw(CDC* pDC, const CRect& rectButton, CVrxPToolbarImageList*)
{
    DrawCaption(pDC, rectButton, FALSE, FALSE);
}

void CVrxPToolbarMenuButtonsButton::DrawCaption(CDC* pDC, const CRect& rectButton, BOOL bHighlighted,
                                                BOOL bPressed) const
{
    const UINT nStyle = bPressed ? style | stylePressed : style;
    CVrxPVisualManager::Instance()->PaintMdiControlButton(pDC, rectButton, systemCommand, nStyle, bHighlighted);
}

CSize CVrxPToolbarMenuButtonsButton::MeasureSize()
{
    return CSize(::GetSystemMetrics(SM_CXMENUSIZE), ::GetSystemMetrics(SM_CYMENUSIZE));
}
