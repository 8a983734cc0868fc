#pragma once

// Which control bars of a frame were shown, kept between two runs. A frame
// fills the state from its bars (CFrameWnd::GetDockState) and shows or hides
// them from it (SetDockState); the state itself travels as one binary value
// of a profile section.
//
// Archive form: WORD form number, WORD bar count, then per bar its WORD
// control id (AFX_IDW_CONTROLBAR_FIRST to AFX_IDW_CONTROLBAR_LAST) and a
// BYTE 1 shown or 0 hidden.

#include "collections/CArray.h"
#include "core/CObject.h"

class FRAMEWORK_API CDockState : public CObject
{
    DECLARE_SERIAL(CDockState)
public:
    static constexpr WORD formNumber = 1;
    static constexpr const char valueName[] = "State";

    struct BarInfo
    {
        UINT nBarID;
        BOOL bVisible;
    };

    CDockState();
    ~CDockState() override;

    // A stored state that is not in the archive form above throws
    // CArchiveException* and leaves the state empty.
    void Serialize(CArchive& ar) override;

    // The value "State" of the application's profile section
    // lpszProfileName. A missing, short or damaged value gives FALSE and an
    // empty state.
    BOOL LoadState(LPCTSTR lpszProfileName);
    BOOL SaveState(LPCTSTR lpszProfileName) const;

    void Clear();

    CArray<BarInfo> m_arrBarInfo;
};
