#pragma once
#include <windows.h>

// Dispatch ids of the "Excel.Application" members this server answers.

// Application
constexpr DISPID kDispidWorkbooks = 572;
constexpr DISPID kDispidVisible = 558;
constexpr DISPID kDispidUserControl = 1210;
constexpr DISPID kDispidQuit = 302;
// Workbooks and Worksheets
constexpr DISPID kDispidAdd = 181;
constexpr DISPID kDispidOpen = 1923;
// Workbook
constexpr DISPID kDispidWorksheets = 494;
constexpr DISPID kDispidSaveAs = 284;
constexpr DISPID kDispidClose = 277;
// Worksheets and Range
constexpr DISPID kDispidItem = 170;
// Worksheet
constexpr DISPID kDispidName = 110;
constexpr DISPID kDispidCells = 238;
constexpr DISPID kDispidRange = 197;
constexpr DISPID kDispidUsedRange = 412;
// Range
constexpr DISPID kDispidValue2 = 1388;
constexpr DISPID kDispidRows = 258;
constexpr DISPID kDispidColumns = 241;
constexpr DISPID kDispidCount = 118;
constexpr DISPID kDispidInterior = 129;
// Interior
constexpr DISPID kDispidColorIndex = 97;
