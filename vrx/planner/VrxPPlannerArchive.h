#pragma once

struct CRuntimeClass;
class CArchive;
class CObject;

// Reads an int32 element count of a planner archive. A negative count is
// refused (CArchiveException genericException); callers read the elements
// one by one without reserving room for them first, so a count larger than
// the data runs into the end of the archive before it costs memory.
int VrxPReadElementCount(CArchive& ar);

// Reads an object reference of the class pClass (or derived) that the
// caller will own: null when the archive holds null, a new object otherwise.
// A reference to an object read before would give one object two owners
// and is refused (CArchiveException badIndex).
CObject* VrxPReadOwnedObject(CArchive& ar, const CRuntimeClass* pClass);
