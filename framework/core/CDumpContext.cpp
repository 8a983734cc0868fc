#include "core/CDumpContext.h"

#include "core/CObject.h"

#include <cstdio>

CDumpContext::CDumpContext() : m_nDepth(0)
{
}

CDumpContext::~CDumpContext() = default;

int CDumpContext::GetDepth() const
{
    return m_nDepth;
}

void CDumpContext::SetDepth(int nNewDepth)
{
    m_nDepth = nNewDepth;
}

CDumpContext& CDumpContext::operator<<(LPCTSTR lpsz)
{
    OutputString(lpsz != NULL ? lpsz : "(null)");
    return *this;
}

CDumpContext& CDumpContext::operator<<(int n)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", n);
    return *this << text;
}

CDumpContext& CDumpContext::operator<<(UINT u)
{
    char text[16];
    std::snprintf(text, sizeof text, "%u", u);
    return *this << text;
}

#ifdef _WIN32
CDumpContext& CDumpContext::operator<<(LONG l)
{
    char text[16];
    std::snprintf(text, sizeof text, "%ld", l);
    return *this << text;
}

CDumpContext& CDumpContext::operator<<(DWORD dw)
{
    char text[16];
    std::snprintf(text, sizeof text, "%lu", dw);
    return *this << text;
}
#endif

CDumpContext& CDumpContext::operator<<(const void* lp)
{
    char text[16];
    std::snprintf(text, sizeof text, "$%p", lp);
    return *this << text;
}

CDumpContext& CDumpContext::operator<<(const CObject* pOb)
{
    if (pOb == NULL)
        return *this << "NULL";
    pOb->Dump(*this);
    return *this;
}

CDumpContext& CDumpContext::operator<<(const CObject& ob)
{
    return *this << &ob;
}

void CDumpContext::OutputString(LPCTSTR lpsz)
{
    OutputDebugStringA(lpsz);
}
