#pragma once

// Marks what the framework DLL exports; every other module imports it.
#ifdef FRAMEWORK_BUILDING
#define FRAMEWORK_API __declspec(dllexport)
#else
#define FRAMEWORK_API __declspec(dllimport)
#endif
