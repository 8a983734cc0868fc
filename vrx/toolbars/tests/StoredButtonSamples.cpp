#include "StoredButtonSamples.h"

#include "files/CArchive.h"

int sampleStoredVersion = -1;
int CSampleForeign::made = 0;

IMPLEMENT_SERIAL(CSampleButton, CObject, 1)
IMPLEMENT_SERIAL(CSampleMenuButton, CSampleButton, 1)
IMPLEMENT_SERIAL(CSampleForeign, CObject, 1)

void CSampleButton::Serialize(CArchive& ar)
{
    record.Serialize(ar, CVrxPStoredButton::CarriesVisibleFlag(sampleStoredVersion));
}

void CSampleMenuButton::Serialize(CArchive& ar)
{
    CSampleButton::Serialize(ar);
    if (ar.IsStoring())
        ar << menuId;
    else
        ar >> menuId;
}

void CSampleForeign::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << value;
    else
        ar >> value;
}
