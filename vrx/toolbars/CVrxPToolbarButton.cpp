#include "toolbars/CVrxPToolbarButton.h"

#include "app/ResourceChain.h"
#include "files/CArchive.h"
#include "files/CSharedFile.h"
#include "foundation/CVrxPToolbarImageList.h"
#include "foundation/CVrxPWorkspace.h"
#include "gdi/CDC.h"
#include "ole/COleDataObject.h"
#include "ole/COleDataSource.h"
#include "toolbars/CVrxPCommandUsage.h"
#include "toolbars/CVrxPMenuStore.h"
#include "toolbars/CVrxPStoredButton.h"

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
    if (IsSeparator())
    {
        imageIndex = nImage;
        return;
    }
    if (userImage)
        userImageIndex = nImage;
    else
        imageIndex = nImage;
    if (GetEffectiveImage() < 0)
    {
        imageShown = FALSE;
        textShown = TRUE;
    }
}

void CVrxPToolbarButton::Serialize(CArchive& ar)
{
    CVrxPWorkspace* pWorkspace = VrxPWorkspaceInstance();
    const bool bVisibleFlag =
        CVrxPMenuStore::IsStoring() ||
        CVrxPStoredButton::CarriesVisibleFlag(pWorkspace != nullptr ? pWorkspace->PackedStateVersion() : -1);
    CVrxPStoredButton stored;
    if (ar.IsStoring())
    {
        stored.commandId = static_cast<int>(commandId);
        stored.style = static_cast<int>(style);
        stored.image = GetEffectiveImage();
        stored.text = text;
        stored.userImage = userImage;
        stored.reserved = reserved;
        stored.textShown = textShown;
        stored.imageShown = imageShown;
        stored.visible = visible;
        stored.Serialize(ar, bVisibleFlag);
        return;
    }
    stored.visible = visible;
    stored.Serialize(ar, bVisibleFlag);
    commandId = static_cast<UINT>(stored.commandId);
    style = static_cast<UINT>(stored.style);
    text = stored.text;
    userImage = stored.userImage;
    reserved = stored.reserved;
    textShown = stored.textShown;
    imageShown = stored.imageShown;
    visible = stored.visible;
    AssignImage(stored.image);
}

CString CVrxPToolbarButton::clipboardFormatName;

UINT CVrxPToolbarButton::ClipboardFormat()
{
    static UINT nFormat = 0;
    if (nFormat == 0)
    {
        CString name = clipboardFormatName;
        if (name.IsEmpty())
            name.Format(clipboardFormatFormat,
                        static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(AfxGetInstanceHandle())));
        nFormat = ::RegisterClipboardFormat(name);
    }
    return nFormat;
}

HGLOBAL CVrxPToolbarButton::CreateDragData() const
{
    if (!IsDraggable())
        return NULL;
    try
    {
        CSharedFile file(GMEM_MOVEABLE | GMEM_SHARE);
        {
            CArchive ar(&file, CArchive::store);
            ar.WriteClass(GetRuntimeClass());
            const_cast<CVrxPToolbarButton*>(this)->Serialize(ar);
        }
        return file.Detach();
    }
    catch (CException* pError)
    {
        pError->Delete();
        return NULL;
    }
}

CVrxPToolbarButton* CVrxPToolbarButton::CreateFromDragData(HGLOBAL hData)
{
    if (hData == NULL)
        return nullptr;
    const BYTE* pData = static_cast<const BYTE*>(::GlobalLock(hData));
    if (pData == nullptr)
        return nullptr;
    CObject* pButton = VrxPReadArchivedButton(pData, ::GlobalSize(hData), RUNTIME_CLASS(CVrxPToolbarButton));
    ::GlobalUnlock(hData);
    return static_cast<CVrxPToolbarButton*>(pButton);
}

BOOL CVrxPToolbarButton::PutOnDataSource(COleDataSource& source) const
{
    if (!IsDraggable())
        return TRUE;
    HGLOBAL hData = CreateDragData();
    if (hData == NULL)
        return FALSE;
    source.CacheGlobalData(static_cast<CLIPFORMAT>(ClipboardFormat()), hData);
    return TRUE;
}

CVrxPToolbarButton* CVrxPToolbarButton::CreateFromDataObject(COleDataObject* pDataObject)
{
    HGLOBAL hData = pDataObject->GetGlobalData(static_cast<CLIPFORMAT>(ClipboardFormat()));
    CVrxPToolbarButton* pButton = CreateFromDragData(hData);
    if (hData != NULL)
        ::GlobalFree(hData);
    return pButton;
}

CList<UINT, UINT>& CVrxPToolbarButton::NonEditableCommands()
{
    static CList<UINT, UINT> commands;
    return commands;
}

BOOL CVrxPToolbarButton::AllowsEditing() const
{
    return !CVrxPCommandUsage::IsReservedCommandId(commandId) && NonEditableCommands().Find(commandId) == NULL;
}

void CVrxPToolbarButton::AssignFrom(const CVrxPToolbarButton& other)
{
    commandId = other.commandId;
    locked = other.locked;
    userImage = other.userImage;
    style = other.style;
    imageIndex = other.imageIndex;
    userImageIndex = other.userImageIndex;
    AssignImage(other.GetEffectiveImage());
    text = other.text;
    textShown = other.textShown;
    imageShown = other.imageShown;
    wrap = other.wrap;
    customizeName = other.customizeName;
    visible = other.visible;
    reserved = 0;
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
    const UINT nFormat = DT_SINGLELINE | DT_VCENTER | (rectText.left == rectButton.left ? DT_CENTER : DT_LEFT);
    ::DrawText(pDC->GetSafeHdc(), text, -1, &rectText, nFormat);
}
