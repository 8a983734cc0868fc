#pragma once

// The library-wide table linking command ids to button images: toolbars
// register the image of every command they show, so that menus and other bars
// show the same image for the same command. The user's choices (a command's
// menu image hidden, or replaced by a user image) are saved with the
// workspace's state.
//
// Registry, under the key "<toolbars section>VrxCommandManager":
//   "CommandsWithoutImages"  the no-image list: count, then 32-bit ids
//   "MenuUserImages"         count, then (32-bit command, 32-bit image) pairs

#include "collections/CList.h"
#include "collections/CMap.h"

class CVrxPCommandManager
{
public:
    static constexpr const char keyFormat[] = "%sVrxCommandManager";
    static constexpr const char valueCommandsWithoutImages[] = "CommandsWithoutImages";
    static constexpr const char valueMenuUserImages[] = "MenuUserImages";

    CVrxPCommandManager();
    virtual ~CVrxPCommandManager();
    CVrxPCommandManager(const CVrxPCommandManager&) = delete;
    CVrxPCommandManager& operator=(const CVrxPCommandManager&) = delete;

    // The one manager; the first call starts the library.
    static CVrxPCommandManager& Get();

    // The command's image in the user or the standard image list; -1 when none.
    int ImageIndexOf(UINT nCommand, BOOL bUser) const;
    // A command keeps the image of the other kind when it already has one.
    void AssignImage(UINT nCommand, int nImage, BOOL bUser);
    void ForgetUserImage(UINT nCommand);
    // Shown: the command leaves the no-image list and takes nUserImage as its
    // menu image (none when negative). Hidden: no menu image, and the command
    // joins the no-image list once.
    void SetShowImage(UINT nCommand, BOOL bShow, int nUserImage = -1);
    BOOL IsShownWithoutImage(UINT nCommand) const;
    // The command's menu user image, or -1.
    int MenuUserImageOf(UINT nCommand) const;
    void Clear();

    BOOL StoreState(LPCTSTR lpszProfile);
    // Entries read are added to the menu user images already known. Once the
    // key opens the no-image list is emptied; a value missing or damaged
    // then fails the restore with nothing of either value taken.
    BOOL RestoreState(LPCTSTR lpszProfile);

private:
    CString KeyPath(LPCTSTR lpszProfile) const;

    CMap<UINT, UINT, int, int> m_standardImages;
    CMap<UINT, UINT, int, int> m_userImages;
    CList<UINT, UINT> m_commandsWithoutImages;
    CMap<UINT, UINT, int, int> m_menuUserImages;
};

// ImageIndexOf of the one manager.
int VrxPCommandImage(UINT nCommand, BOOL bUser);
