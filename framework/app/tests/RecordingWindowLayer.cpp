#include "RecordingWindowLayer.h"

RecordingWindowLayer::RecordingWindowLayer() : m_pPrevious(AfxGetWindowLayer())
{
    AfxSetWindowLayer(this);
}

RecordingWindowLayer::~RecordingWindowLayer()
{
    AfxSetWindowLayer(m_pPrevious);
}

BOOL RecordingWindowLayer::WalkPreTranslateTree(CWnd*, MSG* pMsg)
{
    m_calls.push_back("walk " + std::to_string(pMsg->message));
    return m_messagesTaken.count(pMsg->message) != 0;
}

void RecordingWindowLayer::UpdateIdleCommandUI(CWinThread*)
{
    m_calls.push_back("idle-update");
}

void RecordingWindowLayer::DeleteTempObjects()
{
    m_calls.push_back("delete-temporaries");
}

HWND RecordingWindowLayer::GetSafeHwnd(CWnd* pWnd)
{
    return pWnd != nullptr ? m_hWndForAnyWindow : NULL;
}

void RecordingWindowLayer::EnableItem(CCmdUI*, BOOL bOn)
{
    m_calls.push_back("enable " + std::to_string(bOn));
}

void RecordingWindowLayer::CheckItem(CCmdUI*, int nCheck)
{
    m_calls.push_back("check " + std::to_string(nCheck));
}

void RecordingWindowLayer::SetItemRadio(CCmdUI*, BOOL bOn)
{
    m_calls.push_back("radio " + std::to_string(bOn));
}

void RecordingWindowLayer::SetItemText(CCmdUI*, LPCTSTR lpszText)
{
    m_calls.push_back(std::string("text ") + lpszText);
}
