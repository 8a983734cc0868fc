#pragma once

// The receiving side of a data transfer: a borrowed or owned IDataObject,
// asked for global-memory data by clipboard format.

#include "core/Platform.h"

#include <ole2.h>

class FRAMEWORK_API COleDataObject
{
public:
    COleDataObject();
    ~COleDataObject();
    COleDataObject(const COleDataObject&) = delete;
    COleDataObject& operator=(const COleDataObject&) = delete;

    // With bAutoRelease the object is released when detached or destroyed.
    void Attach(IDataObject* pDataObject, BOOL bAutoRelease = TRUE);
    IDataObject* Detach();
    void Release();
    IDataObject* GetIDataObject() const { return m_pDataObject; }

    BOOL IsDataAvailable(CLIPFORMAT cfFormat) const;
    // A copy of the data in memory the caller frees, or NULL when the
    // format is not offered in global memory.
    HGLOBAL GetGlobalData(CLIPFORMAT cfFormat) const;

private:
    IDataObject* m_pDataObject;
    BOOL m_bAutoRelease;
};
