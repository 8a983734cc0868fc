#pragma once

// Window-free stand-ins for the button kinds: a button that archives the
// stored record, a kind that appends a field of its own as derived buttons
// do, and a class that is no button at all.

#include "core/CObject.h"
#include "toolbars/CVrxPStoredButton.h"

// The stored-state version the sample buttons write and read with.
extern int sampleStoredVersion;

class CSampleButton : public CObject
{
    DECLARE_SERIAL(CSampleButton)
public:
    void Serialize(CArchive& ar) override;

    CVrxPStoredButton record;
};

class CSampleMenuButton : public CSampleButton
{
    DECLARE_SERIAL(CSampleMenuButton)
public:
    void Serialize(CArchive& ar) override;

    int menuId = 0;
};

class CSampleForeign : public CObject
{
    DECLARE_SERIAL(CSampleForeign)
public:
    CSampleForeign() { ++made; }
    void Serialize(CArchive& ar) override;

    // How many were ever constructed.
    static int made;
    int value = 0;
};
