#include "toolbars/VrxPTrackMouseLeave.h"

namespace
{
const UINT leaveCheckMilliseconds = 100;
// The leading fields a caller must fill: size, flags and window.
const DWORD minimumRecordSize = 16;

void CALLBACK CheckMouseLeft(HWND hWnd, UINT, UINT_PTR nTimer, DWORD)
{
    RECT rectClient;
    ::GetClientRect(hWnd, &rectClient);
    ::MapWindowPoints(hWnd, NULL, reinterpret_cast<POINT*>(&rectClient), 2);
    POINT cursor;
    ::GetCursorPos(&cursor);
    if (::PtInRect(&rectClient, cursor) && ::WindowFromPoint(cursor) == hWnd)
        return;
    ::KillTimer(hWnd, nTimer);
    ::PostMessage(hWnd, WM_MOUSELEAVE, 0, 0);
}
} // namespace

UINT_PTR EmulateTrackMouseLeave(const TRACKMOUSEEVENT* pTrack)
{
    if (pTrack == nullptr || pTrack->cbSize < minimumRecordSize || !::IsWindow(pTrack->hwndTrack))
        return FALSE;
    if ((pTrack->dwFlags & TME_LEAVE) == 0)
        return FALSE;
    return ::SetTimer(pTrack->hwndTrack, pTrack->dwFlags, leaveCheckMilliseconds, CheckMouseLeft);
}
