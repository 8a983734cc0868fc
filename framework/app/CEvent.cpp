#include "app/CEvent.h"

#include "core/CException.h"

CEvent::CEvent(BOOL bInitiallyOwn, BOOL bManualReset, LPCTSTR lpszName, LPSECURITY_ATTRIBUTES lpsaAttribute)
    : m_hObject(CreateEvent(lpsaAttribute, bManualReset, bInitiallyOwn, lpszName))
{
    if (m_hObject == NULL)
        AfxThrowResourceException();
}

CEvent::~CEvent()
{
    CloseHandle(m_hObject);
}

BOOL CEvent::SetEvent()
{
    return ::SetEvent(m_hObject);
}

BOOL CEvent::ResetEvent()
{
    return ::ResetEvent(m_hObject);
}

BOOL CEvent::PulseEvent()
{
    return ::PulseEvent(m_hObject);
}

BOOL CEvent::Lock(DWORD dwTimeout)
{
    return WaitForSingleObject(m_hObject, dwTimeout) == WAIT_OBJECT_0;
}

BOOL CEvent::Unlock()
{
    return TRUE;
}
