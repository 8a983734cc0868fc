// Drag or clipboard data that claims to hold a toolbar button. Byte 0 picks
// the stored-state version the buttons read with (even: none, odd: 0x60410);
// the rest is the data.
#include "StoredButtonSamples.h"

#include "files/CArchive.h"
#include "files/CMemFile.h"

#include <cstdlib>
#include <memory>
#include <vector>

namespace
{
std::vector<BYTE> Archived(CObject& button)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar.WriteClass(button.GetRuntimeClass());
        button.Serialize(ar);
    }
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

bool SameRecord(const CVrxPStoredButton& a, const CVrxPStoredButton& b)
{
    return a.commandId == b.commandId && a.style == b.style && a.image == b.image && a.text == b.text &&
           a.userImage == b.userImage && a.reserved == b.reserved && a.textShown == b.textShown &&
           a.imageShown == b.imageShown && a.visible == b.visible;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    sampleStoredVersion = (data[0] & 1) != 0 ? CVrxPStoredButton::visibleFlagVersion : -1;
    const std::unique_ptr<CObject> pObject(VrxPReadArchivedButton(data + 1, size - 1, RUNTIME_CLASS(CSampleButton)));
    if (pObject == nullptr)
        return 0;
    // Only buttons come in, and what came in goes out and back unchanged.
    CSampleButton* pButton = dynamic_cast<CSampleButton*>(pObject.get());
    if (pButton == nullptr || !pObject->IsKindOf(RUNTIME_CLASS(CSampleButton)))
        std::abort();
    const std::vector<BYTE> again = Archived(*pButton);
    const std::unique_ptr<CObject> pAgain(
        VrxPReadArchivedButton(again.data(), again.size(), RUNTIME_CLASS(CSampleButton)));
    const CSampleButton* pButtonAgain = dynamic_cast<const CSampleButton*>(pAgain.get());
    if (pButtonAgain == nullptr || pButtonAgain->GetRuntimeClass() != pButton->GetRuntimeClass() ||
        !SameRecord(pButton->record, pButtonAgain->record))
        std::abort();
    return 0;
}
