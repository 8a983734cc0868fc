#pragma once

#include "core/CObject.h"

// The base of every GDI object wrapper: a handle the object owns, or one it
// borrows through FromHandle.
//
// An object that created or attached its handle is entered in a process-wide
// map, so FromHandle finds it again; FromHandle wraps any other handle in a
// temporary object of the calling thread, freed by AfxDeleteTempGdiObjects.
class FRAMEWORK_API CGdiObject : public CObject
{
    DECLARE_DYNCREATE(CGdiObject)

public:
    HGDIOBJ m_hObject;

    CGdiObject();
    virtual ~CGdiObject();

    operator HGDIOBJ() const { return m_hObject; }
    // Callers ask a NULL object pointer for its handle too (and get NULL).
    HGDIOBJ GetSafeHandle() const;

    // The temporary object is of the class that matches the handle's type
    // (a pen handle gives a CPen), so the typed FromHandle casts are sound.
    static CGdiObject* FromHandle(HGDIOBJ hObject);
    static void DeleteTempMap();

    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();

    int GetObject(int nCount, LPVOID lpObject) const;
    UINT GetObjectType() const;
    BOOL CreateStockObject(int nIndex);
    BOOL UnrealizeObject();

    BOOL operator==(const CGdiObject& other) const { return m_hObject == other.m_hObject; }
    BOOL operator!=(const CGdiObject& other) const { return m_hObject != other.m_hObject; }
};

// Frees the calling thread's temporary GDI objects, device contexts and image
// lists. The thread's idle processing calls it; the handles stay valid.
FRAMEWORK_API void AfxDeleteTempGdiObjects();
