// A run-time class that lives in the first probe DLL.

#include "app/CCmdTarget.h"

class CExtensionProbeTarget : public CCmdTarget
{
    DECLARE_DYNCREATE(CExtensionProbeTarget)
};

IMPLEMENT_DYNCREATE(CExtensionProbeTarget, CCmdTarget)
