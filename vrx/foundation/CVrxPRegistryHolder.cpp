#include "foundation/CVrxPRegistryHolder.h"

CVrxPRegistryHolder::~CVrxPRegistryHolder()
{
    delete m_pRegistry;
}

CVrxPRegistry& CVrxPRegistryHolder::Open(BOOL machineWide, BOOL readOnly)
{
    if (m_pRegistry == nullptr)
    {
        m_pRegistry = new CVrxPRegistry;
        m_pRegistry->currentKey = machineWide ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
        m_pRegistry->machineWide = machineWide;
        m_pRegistry->readOnly = readOnly;
    }
    return *m_pRegistry;
}
