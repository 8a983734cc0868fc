#include "toolbars/CVrxPTearOffIdPool.h"

namespace
{
CString ItemText(HMENU hMenu, int nPosition)
{
    char text[CVrxPTearOffIdPool::maxItemText] = "";
    ::GetMenuString(hMenu, static_cast<UINT>(nPosition), text, sizeof(text), MF_BYPOSITION);
    return CString(text);
}
} // namespace

void CVrxPTearOffIdPool::ReleaseMenuIds(HMENU hMenu)
{
    if (hMenu == NULL)
    {
        for (INT_PTR i = 0; i < m_useCounts.GetSize(); i++)
            m_useCounts[i] = 0;
        return;
    }
    const int nItems = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nItems; i++)
    {
        CString text = ItemText(hMenu, i);
        const UINT nID = ParseTearOffId(text);
        if (InRange(nID))
            m_useCounts[static_cast<INT_PTR>(nID - m_nFirstId)] = 0;
        if (HMENU hSubMenu = ::GetSubMenu(hMenu, i))
            ReleaseMenuIds(hSubMenu);
    }
}

void CVrxPTearOffIdPool::TagTearOffPopups(HMENU hMenu)
{
    TagPopups(hMenu);
}

// FALSE once the range is used up: the whole walk ends there.
BOOL CVrxPTearOffIdPool::TagPopups(HMENU hMenu)
{
    const int nItems = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nItems; i++)
    {
        HMENU hSubMenu = ::GetSubMenu(hMenu, i);
        if (hSubMenu == NULL)
            continue;
        const UINT nState = ::GetMenuState(hMenu, static_cast<UINT>(i), MF_BYPOSITION);
        CString text = ItemText(hMenu, i);
        if ((nState & MF_MENUBARBREAK) != 0 && (text.IsEmpty() || text[0] != tagMark))
        {
            const UINT nID = NextFreeId();
            if (nID == 0)
                return FALSE;
            BuildTearOffText(nID, text);
            // Only the text changes: replacing the item would destroy its submenu.
            MENUITEMINFO info = {};
            info.cbSize = sizeof(info);
            info.fMask = MIIM_STRING;
            info.dwTypeData = text.GetBuffer(0);
            ::SetMenuItemInfo(hMenu, static_cast<UINT>(i), TRUE, &info);
            text.ReleaseBuffer();
        }
        if (!TagPopups(hSubMenu))
            return FALSE;
    }
    return TRUE;
}
