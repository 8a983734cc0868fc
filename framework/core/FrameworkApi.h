#pragma once

// Marks what the framework DLL exports; every other module imports it.
#if !defined(_WIN32)
#define FRAMEWORK_API
#elif defined(FRAMEWORK_BUILDING)
#define FRAMEWORK_API __declspec(dllexport)
#else
#define FRAMEWORK_API __declspec(dllimport)
#endif
