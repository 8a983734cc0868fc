#pragma once
#include "BlockRecord.h"
#include "ExchangeMessage.h"
#include "PresetPacker.h"
#include "PresetTable.h"
#include "SheetScript.h"

#include <windows.h>

#include <string>
#include <vector>

class COleDispatchDriver;

const char kExcelProgId[] = "Excel.Application";
const char kWorkbookFileName[] = "preset.xls";
const char kExcelStartFailedMessage[] = "Couldn't start Excel and get Application object.";
const char kExcelCallFailedMessage[] = "Excel failed: %s";
const char kSheetMissingMessage[] = "ERROR!! can not find sheet [%s] in the workbook!";
const char kPresetBuildFailedMessage[] = "ERROR!! can not build the preset block from the Program sheet!";

const std::size_t kWorkbookSheetCount = 4;
const char* const kWorkbookSheetNames[kWorkbookSheetCount] = {"Program", "IR_FP_Key", "Sys_Config", "File_Path"};
// What a new workbook calls its sheets, and the one Worksheets.Add makes.
const char* const kNewWorkbookSheetNames[kScriptSheetCount] = {"sheet1", "sheet2", "sheet3"};
const char kAddedSheetName[] = "sheet4";
const long kMarkedRowColourIndex = 6;

// Members of "Excel.Application" by dispatch id.
const DISPID kDispidWorkbooks = 572;
const DISPID kDispidVisible = 558;
const DISPID kDispidUserControl = 1210;
const DISPID kDispidQuit = 302;
const DISPID kDispidAdd = 181;
const DISPID kDispidOpen = 1923;
const DISPID kDispidWorksheets = 494;
const DISPID kDispidSaveAs = 284;
const DISPID kDispidClose = 277;
const DISPID kDispidItem = 170;
const DISPID kDispidName = 110;
const DISPID kDispidCells = 238;
const DISPID kDispidRange = 197;
const DISPID kDispidUsedRange = 412;
const DISPID kDispidValue2 = 1388;
const DISPID kDispidRows = 258;
const DISPID kDispidColumns = 241;
const DISPID kDispidCount = 118;
const DISPID kDispidInterior = 129;
const DISPID kDispidColorIndex = 97;

// The workbook exchange with the spreadsheet program: the image's preset
// table and the three script sheets go out to a workbook the user edits,
// and come back into the block records.
class ExcelWorkbookExchange {
public:
  // sheets: the three script sheets, in the script's order.
  ExcelWorkbookExchange(std::vector<BlockRecord>& records, ScriptSheet* sheets, PresetPacker& packer,
                        ExchangeMessageSink show);

  // Writes "preset.xls" in folder, hidden, and leaves the visible program
  // to the user: 1, or 0 after the failure was shown.
  int export_to_excel(const std::string& folder);
  // Reads the workbook back in an instance of its own, closed afterwards:
  // 0, or -1 after the failure was shown.
  int read_workbook(const std::string& path);

  // Where the last export wrote the workbook.
  const std::string& workbook_path() const { return workbook_path_; }

  static void get_used_range(COleDispatchDriver& worksheet, long& rows, long& columns);
  static void colour_row(long row, long last_column, long colour_index, COleDispatchDriver& worksheet);

private:
  bool write_program_sheet(COleDispatchDriver& worksheet, long& columns);
  void write_script_sheet(COleDispatchDriver& worksheet, const ScriptSheet& sheet, long colour_columns);
  int apply_sheet(std::size_t which, const PresetTable& values);
  void show_failure(const std::string& reason);

  std::vector<BlockRecord>& records_;
  ScriptSheet* sheets_;
  PresetPacker& packer_;
  ExchangeMessageSink show_;
  std::string workbook_path_;
  VARIANT missing_;
};
