#pragma once

class CArchive;

// Reads an int32 element count of a planner archive. A negative count is
// refused (CArchiveException genericException); callers read the elements
// one by one without reserving room for them first, so a count larger than
// the data runs into the end of the archive before it costs memory.
int VrxPReadElementCount(CArchive& ar);

