#pragma once

#include "core/Platform.h"
#include "core/CRuntimeClass.h"

class CArchive;
class CDumpContext;

// The root of the framework's class tree: run-time type information,
// serialization and diagnostics. Objects are not copyable unless a derived
// class says how.
class FRAMEWORK_API CObject
{
public:
    static CRuntimeClass classCObject;
    static CRuntimeClass* GetThisClass();

    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject();
    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const;
    virtual void Dump(CDumpContext& dc) const;

    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    BOOL IsSerializable() const;

protected:
    CObject();

public:
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};
