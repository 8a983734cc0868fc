#pragma once
#include "PluginInterface.h"
#include <cstdint>
#include <type_traits>

// The entry points every plug-in library defines and exports: declared once,
// so that a definition korvo could not call does not compile.
extern "C" {
__declspec(dllexport) int32_t dll_init(CWnd* child, HostSystem* system);
__declspec(dllexport) void dll_deinit();
__declspec(dllexport) const char* dll_get_title();
__declspec(dllexport) int32_t dll_is_gui();
}

static_assert(std::is_same_v<decltype(&dll_init), DllInitFunction>);
static_assert(std::is_same_v<decltype(&dll_deinit), DllDeinitFunction>);
static_assert(std::is_same_v<decltype(&dll_get_title), DllGetTitleFunction>);
static_assert(std::is_same_v<decltype(&dll_is_gui), DllIsGuiFunction>);
