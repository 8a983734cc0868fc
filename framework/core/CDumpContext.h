#pragma once

#include "core/Platform.h"

class CObject;

// Where CObject::Dump writes its diagnostic description: the debugger's
// output, unless a derived context sends the text elsewhere.
class FRAMEWORK_API CDumpContext
{
public:
    CDumpContext();
    virtual ~CDumpContext();

    // How deeply a container dumps its elements: 0 gives only its summary.
    int GetDepth() const;
    void SetDepth(int nNewDepth);

    CDumpContext& operator<<(LPCTSTR lpsz);
    CDumpContext& operator<<(int n);
    CDumpContext& operator<<(UINT u);
#ifdef _WIN32
    // Elsewhere LONG and DWORD are the 32-bit int and unsigned.
    CDumpContext& operator<<(LONG l);
    CDumpContext& operator<<(DWORD dw);
#endif
    CDumpContext& operator<<(const void* lp);
    // Writes "NULL" for a null pointer, else the object's own Dump.
    CDumpContext& operator<<(const CObject* pOb);
    CDumpContext& operator<<(const CObject& ob);

protected:
    virtual void OutputString(LPCTSTR lpsz);

private:
    int m_nDepth;
};
