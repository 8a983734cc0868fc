#pragma once
#include "SheetModel.h"
#include <memory>
#include <string>
#include <vector>

// Sheets of a new workbook.
constexpr int kNewWorkbookSheets = 3;
// The longest sheet name the file format holds.
constexpr std::size_t kMaxSheetNameLength = 31;

// A workbook: its sheets in tab order, the active one, and the number the
// next added sheet is named after ("Sheet4" after a new workbook's three).
class WorkbookModel {
public:
  // A new workbook: "Sheet1" to "Sheet3", the first one active.
  static WorkbookModel make_new();

  int sheet_count() const { return int(sheets_.size()); }
  // index counts from 0.
  const std::shared_ptr<SheetModel>& sheet(int index) const { return sheets_[std::size_t(index)]; }
  // Sheet names are matched without regard to case, as the user sees them.
  std::shared_ptr<SheetModel> find_sheet(const std::u16string& name) const;
  int active_sheet() const { return active_; }

  // Adds "Sheet<n>" before the active sheet and makes it the active one.
  std::shared_ptr<SheetModel> add_sheet();
  // Adds a sheet read from a file after the others; false when its name is
  // not a valid sheet name or is taken.
  bool append_sheet(std::shared_ptr<SheetModel> sheet);
  void set_active_sheet(int index);
  // False, with the reason, when the name is empty, longer than 31
  // characters, holds one of : \ / ? * [ ], or names another sheet.
  bool rename_sheet(SheetModel& sheet, const std::u16string& name, std::string& reason) const;

private:
  bool name_taken(const std::u16string& name, const SheetModel* except) const;

  std::vector<std::shared_ptr<SheetModel>> sheets_;
  int active_ = 0;
  int next_number_ = 1;
};
