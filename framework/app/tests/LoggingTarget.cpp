#include "LoggingTarget.h"

BEGIN_MESSAGE_MAP(LoggingBaseTarget, CCmdTarget)
    ON_COMMAND(100, OnBaseCommand)
    ON_COMMAND(101, OnBaseOnly)
    ON_UPDATE_COMMAND_UI(101, OnUpdateBaseOnly)
END_MESSAGE_MAP()

void LoggingBaseTarget::OnBaseCommand()
{
    m_log.push_back("base 100");
}

void LoggingBaseTarget::OnBaseOnly()
{
    m_log.push_back("base 101");
}

void LoggingBaseTarget::OnUpdateBaseOnly(CCmdUI* pCmdUI)
{
    m_log.push_back("update 101");
    pCmdUI->SetCheck(1);
}

BEGIN_MESSAGE_MAP(LoggingTarget, LoggingBaseTarget)
    ON_COMMAND(100, OnDerivedCommand)
    ON_COMMAND_EX(102, OnCommandEx)
    ON_COMMAND_RANGE(200, 209, OnCommandRange)
    ON_UPDATE_COMMAND_UI_RANGE(200, 204, OnUpdateRange)
    ON_UPDATE_COMMAND_UI(300, OnUpdatePassOn)
    ON_CONTROL(EN_CHANGE, 400, OnChanged)
    ON_NOTIFY(NM_CLICK, 500, OnNotifyClick)
    ON_NOTIFY_EX_RANGE(NM_DBLCLK, 500, 510, OnNotifyEx)
    ON_NOTIFY_RANGE(NM_RCLICK, 500, 510, OnNotifyRange)
END_MESSAGE_MAP()

void LoggingTarget::OnDerivedCommand()
{
    m_log.push_back("derived 100");
}

BOOL LoggingTarget::OnCommandEx(UINT nID)
{
    m_log.push_back("ex " + std::to_string(nID));
    return m_bExResult;
}

void LoggingTarget::OnCommandRange(UINT nID)
{
    m_log.push_back("range " + std::to_string(nID));
}

void LoggingTarget::OnUpdateRange(CCmdUI* pCmdUI)
{
    m_log.push_back("update-range " + std::to_string(pCmdUI->m_nID));
    pCmdUI->Enable(FALSE);
}

void LoggingTarget::OnUpdatePassOn(CCmdUI* pCmdUI)
{
    m_log.push_back("pass-on " + std::to_string(pCmdUI->m_nID));
    pCmdUI->ContinueRouting();
}

void LoggingTarget::OnChanged()
{
    m_log.push_back("changed 400");
}

void LoggingTarget::OnNotifyClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    m_log.push_back("notify " + std::to_string(pNMHDR->idFrom));
    *pResult = 11;
}

BOOL LoggingTarget::OnNotifyEx(UINT nID, NMHDR* pNMHDR, LRESULT* pResult)
{
    m_log.push_back("notify-ex " + std::to_string(nID) + " code " + std::to_string(static_cast<int>(pNMHDR->code)));
    *pResult = 22;
    return TRUE;
}

void LoggingTarget::OnNotifyRange(UINT nID, NMHDR* pNMHDR, LRESULT* pResult)
{
    m_log.push_back("notify-range " + std::to_string(nID) + " from " + std::to_string(pNMHDR->idFrom));
    *pResult = 33;
}
