#pragma once
#include <cstdint>

class CWnd;
class HostSystem;

// The four entry points that make a library in korvo's working directory a
// plug-in, exported under exactly these names (extern "C", cdecl).
//
// dll_init: create the plug-in's one view in the child frame and register its
// bus components with the system; 1 once the view exists, 0 when it cannot
// be created.
using DllInitFunction = int32_t (*)(CWnd* child, HostSystem* system);
// dll_deinit: called when the plug-in's child frame is destroyed.
using DllDeinitFunction = void (*)();
// dll_get_title: the plug-in's constant title.
using DllGetTitleFunction = const char* (*)();
// dll_is_gui: 1 when the plug-in wants a child frame and dll_init.
using DllIsGuiFunction = int32_t (*)();

constexpr char kDllInitName[] = "dll_init";
constexpr char kDllDeinitName[] = "dll_deinit";
constexpr char kDllGetTitleName[] = "dll_get_title";
constexpr char kDllIsGuiName[] = "dll_is_gui";
