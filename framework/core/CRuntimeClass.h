#pragma once

#include "core/Platform.h"

class CObject;
class CArchive;

// Schema of a class that is dynamic but not serializable.
const UINT AFX_NOT_SERIALIZABLE_SCHEMA = 0xFFFF;
// Set in a serializable class's schema: loading accepts any stored schema and
// hands it to Serialize through CArchive::GetObjectSchema.
const UINT VERSIONABLE_SCHEMA = 0x80000000;

// The run-time description of a CObject class. Records are plain aggregates,
// built at compile time by the IMPLEMENT_ macros, so a record exists before
// any static initialiser runs; they join the process-wide class registry at
// static-initialisation time of the module that defines them.
struct FRAMEWORK_API CRuntimeClass
{
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    CObject* (*m_pfnCreateObject)();
    CRuntimeClass* (*m_pfnGetBaseClass)();
    // Filled in by the registry: the module that defines the class and the
    // next registered class.
    HMODULE m_hModule;
    CRuntimeClass* m_pNextClass;

    // NULL when the class is not creatable or its constructor threw.
    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    // Searches the classes of every loaded module.
    static CRuntimeClass* FromName(LPCSTR lpszClassName);
    static CObject* CreateObject(LPCSTR lpszClassName);

    // The archive form of a class reference: 16-bit schema, 16-bit name
    // length, then the name without terminator. Load gives NULL when no
    // loaded module defines the class; short data throws endOfFile.
    void Store(CArchive& ar) const;
    static CRuntimeClass* Load(CArchive& ar, UINT* pwSchemaNum);
};

FRAMEWORK_API void AfxRegisterClass(CRuntimeClass* pClass, HMODULE hModule);
FRAMEWORK_API void AfxUnregisterClass(CRuntimeClass* pClass);
// Removes every class the module registered: called before the module
// leaves the process.
FRAMEWORK_API void AfxUnregisterModuleClasses(HMODULE hModule);

// Keeps a class registered for exactly as long as its module is loaded: a
// DLL's static objects are destroyed when it is unloaded, so a forgotten
// AfxUnregisterModuleClasses cannot leave records of unmapped code behind.
struct AFX_CLASSINIT
{
    AFX_CLASSINIT(CRuntimeClass* pClass, HMODULE hModule) : m_pClass(pClass)
    {
        AfxRegisterClass(pClass, hModule);
    }
    ~AFX_CLASSINIT() { AfxUnregisterClass(m_pClass); }
    AFX_CLASSINIT(const AFX_CLASSINIT&) = delete;
    AFX_CLASSINIT& operator=(const AFX_CLASSINIT&) = delete;

    CRuntimeClass* m_pClass;
};

// Records are reached through a function, never as imported data.
#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

#define DECLARE_DYNAMIC(class_name)                 \
public:                                             \
    static CRuntimeClass class##class_name;         \
    static CRuntimeClass* GetThisClass();           \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name)       \
    static CObject* CreateObject();

#define DECLARE_SERIAL(class_name) \
    DECLARE_DYNCREATE(class_name)  \
    friend CArchive& operator>>(CArchive& ar, class_name*& pOb);

#define AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                 \
    static CRuntimeClass* afxBaseClassOf##class_name() { return RUNTIME_CLASS(base_class_name); } \
    CRuntimeClass class_name::class##class_name = {                                              \
        #class_name, sizeof(class class_name), (wSchema), (pfnNew),                              \
        &afxBaseClassOf##class_name, nullptr, nullptr};                                          \
    CRuntimeClass* class_name::GetThisClass() { return &class_name::class##class_name; }        \
    CRuntimeClass* class_name::GetRuntimeClass() const { return &class_name::class##class_name; } \
    static const AFX_CLASSINIT afxClassInit##class_name(&class_name::class##class_name, AfxGetThisModule());

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, AFX_NOT_SERIALIZABLE_SCHEMA, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)              \
    CObject* class_name::CreateObject() { return new class_name; }    \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, AFX_NOT_SERIALIZABLE_SCHEMA, \
                               &class_name::CreateObject)

// The unit that expands this includes files/CArchive.h (its Serialize needs
// it anyway).
#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                          \
    CObject* class_name::CreateObject() { return new class_name; }                      \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, &class_name::CreateObject) \
    CArchive& operator>>(CArchive& ar, class_name*& pOb)                                \
    {                                                                                   \
        pOb = static_cast<class_name*>(ar.ReadObject(RUNTIME_CLASS(class_name)));       \
        return ar;                                                                      \
    }
