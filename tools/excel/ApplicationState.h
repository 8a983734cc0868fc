#pragma once
#include "AutomationError.h"
#include "WorkbookModel.h"
#include <memory>
#include <string>
#include <vector>

// A workbook the application holds open, and the file it was opened from
// or last saved as (empty for a new one).
struct OpenWorkbook {
  explicit OpenWorkbook(WorkbookModel model) : model(std::move(model)) {}
  WorkbookModel model;
  std::wstring path;
  bool open = true;
};

// What one application instance holds; its automation objects share it.
struct ApplicationState {
  std::vector<std::shared_ptr<OpenWorkbook>> workbooks;
  bool visible = false;
  bool user_control = false;
  bool quit = false;
};

// Objects of a closed workbook refuse every call.
inline void require_open(const OpenWorkbook& workbook)
{
  if (!workbook.open)
    throw AutomationError(L"the workbook has been closed");
}
