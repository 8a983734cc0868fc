#include "foundation/CVrxPCommandManager.h"

#include "foundation/CVrxPRegistryHolder.h"
#include "foundation/CVrxPStoredCommandImages.h"
#include "foundation/VrxPBuildRegistryPath.h"
#include "foundation/VrxPSectionNames.h"

#include <memory>

namespace
{
const UINT noCommand = static_cast<UINT>(-1);
} // namespace

CVrxPCommandManager::CVrxPCommandManager() = default;

CVrxPCommandManager::~CVrxPCommandManager() = default;

int CVrxPCommandManager::ImageIndexOf(UINT nCommand, BOOL bUser) const
{
    int nImage;
    return (bUser ? m_userImages : m_standardImages).Lookup(nCommand, nImage) ? nImage : -1;
}

int VrxPCommandImage(UINT nCommand, BOOL bUser)
{
    return CVrxPCommandManager::Get().ImageIndexOf(nCommand, bUser);
}

void CVrxPCommandManager::AssignImage(UINT nCommand, int nImage, BOOL bUser)
{
    if (nCommand == 0 || nCommand == noCommand)
        return;
    if (ImageIndexOf(nCommand, !bUser) >= 0)
        return;
    (bUser ? m_userImages : m_standardImages)[nCommand] = nImage;
}

void CVrxPCommandManager::ForgetUserImage(UINT nCommand)
{
    m_userImages.RemoveKey(nCommand);
}

void CVrxPCommandManager::SetShowImage(UINT nCommand, BOOL bShow, int nUserImage)
{
    if (bShow)
    {
        POSITION pos = m_commandsWithoutImages.Find(nCommand);
        if (pos != NULL)
            m_commandsWithoutImages.RemoveAt(pos);
        if (nUserImage >= 0)
            m_menuUserImages[nCommand] = nUserImage;
        else
            m_menuUserImages.RemoveKey(nCommand);
        return;
    }
    m_menuUserImages.RemoveKey(nCommand);
    if (m_commandsWithoutImages.Find(nCommand) == NULL)
        m_commandsWithoutImages.AddTail(nCommand);
}

BOOL CVrxPCommandManager::IsShownWithoutImage(UINT nCommand) const
{
    return m_commandsWithoutImages.Find(nCommand) != NULL;
}

int CVrxPCommandManager::MenuUserImageOf(UINT nCommand) const
{
    int nImage;
    return m_menuUserImages.Lookup(nCommand, nImage) ? nImage : -1;
}

void CVrxPCommandManager::Clear()
{
    m_standardImages.RemoveAll();
    m_userImages.RemoveAll();
    m_commandsWithoutImages.RemoveAll();
    m_menuUserImages.RemoveAll();
}

CString CVrxPCommandManager::KeyPath(LPCTSTR lpszProfile) const
{
    CString path;
    path.Format(keyFormat, static_cast<LPCTSTR>(VrxPBuildRegistryPath(VrxPSectionToolBars, lpszProfile)));
    return path;
}

BOOL CVrxPCommandManager::StoreState(LPCTSTR lpszProfile)
{
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
    if (!registry.MakeKey(KeyPath(lpszProfile)))
        return FALSE;
    return registry.WriteArchived(valueCommandsWithoutImages, m_commandsWithoutImages) &&
           registry.WriteArchived(valueMenuUserImages, m_menuUserImages);
}

// The no-image list is emptied once the key opens; a damaged value adds
// nothing to it or to the menu images.
BOOL CVrxPCommandManager::RestoreState(LPCTSTR lpszProfile)
{
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, TRUE);
    if (!registry.OpenKey(KeyPath(lpszProfile)))
        return FALSE;
    m_commandsWithoutImages.RemoveAll();
    BYTE* pWithoutImages = nullptr;
    UINT nWithoutImagesSize = 0;
    if (!registry.ReadBinary(valueCommandsWithoutImages, pWithoutImages, nWithoutImagesSize))
        return FALSE;
    std::unique_ptr<BYTE[]> withoutImages(pWithoutImages);
    BYTE* pMenuImages = nullptr;
    UINT nMenuImagesSize = 0;
    if (!registry.ReadBinary(valueMenuUserImages, pMenuImages, nMenuImagesSize))
        return FALSE;
    std::unique_ptr<BYTE[]> menuImages(pMenuImages);
    CVrxPStoredCommandImages stored;
    if (!stored.Read(pWithoutImages, nWithoutImagesSize, pMenuImages, nMenuImagesSize))
        return FALSE;
    for (UINT nCommand : stored.GetCommandsWithoutImages())
        m_commandsWithoutImages.AddTail(nCommand);
    for (const std::pair<UINT, int>& image : stored.GetMenuUserImages())
        m_menuUserImages[image.first] = image.second;
    return TRUE;
}
