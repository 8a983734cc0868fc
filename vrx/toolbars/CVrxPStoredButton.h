#pragma once

// The record a toolbar button keeps in an archive, and the gate through
// which a button archived elsewhere (drag data, the clipboard) comes back.
// No window is touched here, so the readers also build natively.
//
// Record, int32 each in the archive's byte order unless said: command id,
// style, effective image index, text (counted string), user-image flag,
// reserved flag, text shown, image shown, then the visible flag only in
// stored states of version 0x60410 or later.
// Drag and clipboard data: the button's class record, then its record and
// whatever its class appends.

#include "collections/CObList.h"
#include "core/CObject.h"
#include "strings/CString.h"

#include <cstddef>

class CArchive;

class CVrxPStoredButton
{
public:
    static constexpr int visibleFlagVersion = 0x60410;
    // Drag or clipboard data larger than this hold no button of ours.
    static constexpr size_t maxDataBytes = 0x10000;
    // A stored button list larger than this is refused unread.
    static constexpr size_t maxListBytes = 0x400000;

    // nPackedVersion -1: no stored state was read (or there is no workspace).
    static bool CarriesVisibleFlag(int nPackedVersion) { return nPackedVersion >= visibleFlagVersion; }

    void Serialize(CArchive& ar, bool bVisibleFlag);

    int commandId = 0;
    int style = 0;
    int image = -1;
    CString text;
    int userImage = 0;
    int reserved = 0;
    int textShown = 0;
    int imageShown = 1;
    int visible = 1;
};

// The button archived in the data, made only when its stored class is pBase
// or derives from it; null for data too large, of another class, truncated
// or otherwise damaged (nothing half made is left behind).
CObject* VrxPReadArchivedButton(const BYTE* pData, size_t nBytes, const CRuntimeClass* pBase);

// A button list as an object list archives it (the count, then each button
// with its class), every entry a new object of pBase or a class derived
// from it. Throws the archive's exception for another class, a null entry
// or a reference to an entry read before; what was read stays in loaded.
void VrxPReadButtonList(CArchive& ar, const CRuntimeClass* pBase, CObList& loaded);
// A stored button list and nothing after it: the whole list, or false with
// loaded left empty.
bool VrxPLoadButtonList(const BYTE* pData, size_t nBytes, const CRuntimeClass* pBase, CObList& loaded);
