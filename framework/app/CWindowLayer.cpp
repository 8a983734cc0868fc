#include "app/CWindowLayer.h"

#include "app/CModuleState.h"

void AfxSetWindowLayer(CWindowLayer* pLayer)
{
    CModuleState::Get().m_pWindowLayer = pLayer;
}

CWindowLayer* AfxGetWindowLayer()
{
    return CModuleState::Get().m_pWindowLayer;
}
