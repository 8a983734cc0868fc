#pragma once

// Command targets whose handlers log their calls, one line each.
//
// LoggingBaseTarget: command 100, command 101 with an update handler that
// only checks the item.
// LoggingTarget adds: its own command 100; ON_COMMAND_EX 102; commands
// 200-209 with updates 200-204 (which disable); an update for 300 that
// passes the question on; EN_CHANGE from control 400; NM_CLICK from 500,
// NM_DBLCLK (ON_NOTIFY_EX) and NM_RCLICK from 500-510.

#include "app/CCmdTarget.h"
#include "app/CCmdUI.h"

#include <commctrl.h>

#include <string>
#include <vector>

class LoggingBaseTarget : public CCmdTarget
{
public:
    std::vector<std::string> m_log;

    void OnBaseCommand();
    void OnBaseOnly();
    void OnUpdateBaseOnly(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()
};

class LoggingTarget : public LoggingBaseTarget
{
public:
    BOOL m_bExResult = TRUE;

    void OnDerivedCommand();
    BOOL OnCommandEx(UINT nID);
    void OnCommandRange(UINT nID);
    void OnUpdateRange(CCmdUI* pCmdUI);
    void OnUpdatePassOn(CCmdUI* pCmdUI);
    void OnChanged();
    void OnNotifyClick(NMHDR* pNMHDR, LRESULT* pResult);
    BOOL OnNotifyEx(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    void OnNotifyRange(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()
};
