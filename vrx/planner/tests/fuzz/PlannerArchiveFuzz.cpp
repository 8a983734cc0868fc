// Feeds bytes to the planner's archive readers as the clipboard, drag and
// drop or a file would, then walks what loaded: a loaded series is
// expanded over a few weeks from its start.
#include "CVrxPAppointment.h"
#include "CVrxPRecurrence.h"
#include "CVrxPRecurrenceBaseRule.h"

#include "core/CException.h"
#include "files/CArchive.h"
#include "files/CMemFile.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace {

void Expand(const CVrxPAppointment& appointment)
{
    const CVrxPRecurrence* pRecurrence = appointment.GetRecurrence();
    if (pRecurrence == nullptr || pRecurrence->GetRule() == nullptr)
        return;
    const COleDateTime from = pRecurrence->GetRule()->GetStart();
    std::vector<CVrxPAppointment*> occurrences;
    pRecurrence->GenerateOccurrences(occurrences, from, from + COleDateTimeSpan(40.0));
    for (CVrxPAppointment* pOccurrence : occurrences)
    {
        (void)pOccurrence->GetDisplayText();
        delete pOccurrence;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<BYTE> bytes(data, data + size);
    bytes.push_back(0);
    CMemFile file(bytes.data(), static_cast<UINT>(size));
    try
    {
        CArchive ar(&file, CArchive::load);
        std::unique_ptr<CObject> pObject(ar.ReadObject(RUNTIME_CLASS(CObject)));
        if (pObject != nullptr && pObject->IsKindOf(RUNTIME_CLASS(CVrxPAppointment)))
            Expand(*static_cast<CVrxPAppointment*>(pObject.get()));
    }
    catch (CException* e)
    {
        e->Delete();
    }
    return 0;
}
