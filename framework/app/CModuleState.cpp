#include "app/CModuleState.h"

#include "app/CDynLinkLibrary.h"

#include <algorithm>

CModuleState& CModuleState::Get()
{
    static CModuleState state;
    return state;
}

CModuleState::CModuleState()
    : m_hInstance(GetModuleHandle(NULL)), m_hResource(GetModuleHandle(NULL))
{
}

HINSTANCE CModuleState::GetInstanceHandle()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_hInstance;
}

void CModuleState::SetInstanceHandle(HINSTANCE hInstance)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_hInstance = hInstance;
}

HINSTANCE CModuleState::GetResourceHandle()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_hResource;
}

void CModuleState::SetResourceHandle(HINSTANCE hResource)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_hResource = hResource;
}

void CModuleState::LinkLibrary(CDynLinkLibrary* pLibrary)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_libraries.push_back(pLibrary);
}

void CModuleState::UnlinkLibrary(CDynLinkLibrary* pLibrary)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_libraries.erase(std::remove(m_libraries.begin(), m_libraries.end(), pLibrary), m_libraries.end());
}

std::vector<CDynLinkLibrary*> CModuleState::LibrariesOf(HMODULE hModule)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<CDynLinkLibrary*> found;
    for (CDynLinkLibrary* pLibrary : m_libraries)
    {
        if (pLibrary->m_hModule == hModule)
            found.push_back(pLibrary);
    }
    return found;
}

std::vector<HINSTANCE> CModuleState::ResourceSearchOrder()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<HINSTANCE> order;
    order.reserve(m_libraries.size() + 2);
    order.push_back(m_hResource);
    for (CDynLinkLibrary* pLibrary : m_libraries)
        order.push_back(pLibrary->m_hResource);
    order.push_back(m_hFrameworkModule);
    return order;
}

void CModuleState::AddTermFunction(void (*pfnTerm)())
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_termFunctions.push_back(pfnTerm);
}

void CModuleState::RunTermFunctions()
{
    std::vector<void (*)()> functions;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        functions.swap(m_termFunctions);
    }
    for (auto it = functions.rbegin(); it != functions.rend(); ++it)
        (*it)();
}
