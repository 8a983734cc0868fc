#include "toolbars/CVrxPToolbarButton.h"

#include "files/CArchive.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPToolbarImageList.h"
#include "foundation/CVrxPWorkspace.h"
#include "gdi/CDC.h"
#include "toolbars/CVrxPMenuStore.h"

IMPLEMENT_SERIAL(CVrxPToolbarButton, CObject, 1)

CVrxPToolbarButton::CVrxPToolbarButton() : CVrxPToolbarButton(0, -1)
{
}

CVrxPToolbarButton::CVrxPToolbarButton(UINT nID, int nImage, LPCTSTR lpszText, BOOL bUserImage, BOOL bLocked)
    : userImage(bUserImage), commandId(nID), style(0), text(lpszText != nullptr ? lpszText : ""), textShown(FALSE),
      imageShown(TRUE), wrap(FALSE), reserved(0), imageIndex(-1), userImageIndex(-1), locked(bLocked), visible(TRUE),
      parent(nullptr)
{
    AssignImage(nImage);
}

void CVrxPToolbarButton::AssignImage(int nImage)
{
    if (userImage)
        userImageIndex = nImage;
    else
        imageIndex = nImage;
}

void CVrxPToolbarButton::Serialize(CArchive& ar)
{
    CVrxPWorkspace* pWorkspace = VrxPWorkspaceInstance();
    const BOOL bVisibleStored = CVrxPMenuStore::IsStoring() ||
                                (pWorkspace != nullptr && pWorkspace->PackedStateVersion() >= visibleFlagVersion);
    if (ar.IsStoring())
    {
        ar << static_cast<int>(commandId) << static_cast<int>(style) << GetEffectiveImage() << text;
        ar << static_cast<int>(userImage) << reserved << static_cast<int>(textShown) << static_cast<int>(imageShown);
        if (bVisibleStored)
            ar << static_cast<int>(visible);
        return;
    }
    int nCommand = 0, nStyle = 0, nImage = -1, nUserImage = 0, nTextShown = 0, nImageShown = 1;
    ar >> nCommand >> nStyle >> nImage >> text >> nUserImage >> reserved >> nTextShown >> nImageShown;
    commandId = static_cast<UINT>(nCommand);
    style = static_cast<UINT>(nStyle);
    userImage = nUserImage;
    textShown = nTextShown;
    imageShown = nImageShown;
    if (bVisibleStored)
    {
        int nVisible = 1;
        ar >> nVisible;
        visible = nVisible;
    }
    AssignImage(nImage);
}

void CVrxPToolbarButton::AssignFrom(const CVrxPToolbarButton& other)
{
    userImage = other.userImage;
    commandId = other.commandId;
    style = other.style;
    text = other.text;
    textShown = other.textShown;
    imageShown = other.imageShown;
    customizeName = other.customizeName;
    reserved = 0;
    imageIndex = other.imageIndex;
    userImageIndex = other.userImageIndex;
    locked = other.locked;
    visible = other.visible;
}

void CVrxPToolbarButton::Draw(CDC* pDC, const CRect& rectButton, CVrxPToolbarImageList* pImages)
{
    CRect rectText = rectButton;
    const int nImage = GetEffectiveImage();
    const BOOL bDisabled = (style & styleDisabled) != 0;
    if (imageShown && pImages != nullptr && nImage >= 0 && nImage < pImages->GetCount())
    {
        const CSize sizeImage = pImages->GetImageSize();
        CVrxPImageDrawState state;
        if (pImages->BeginDraw(state))
        {
            pImages->DrawImage(pDC, rectButton.left, rectButton.top + (rectButton.Height() - sizeImage.cy) / 2, nImage,
                               FALSE, bDisabled);
            pImages->EndDraw(state);
        }
        rectText.left += sizeImage.cx + imageTextGap;
    }
    if (!textShown && imageShown && pImages != nullptr && nImage >= 0)
        return;
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(bDisabled ? VrxPGlobals().colorGrayText : VrxPGlobals().colorBarText);
    const UINT nFormat = DT_SINGLELINE | DT_VCENTER | (rectText.left == rectButton.left ? DT_CENTER : DT_LEFT);
    ::DrawText(pDC->GetSafeHdc(), text, -1, &rectText, nFormat);
}
