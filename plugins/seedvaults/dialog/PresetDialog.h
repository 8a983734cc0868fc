#pragma once
#include "IniFile.h"
#include "PresetConverter.h"
#include "TooltipWnd.h"
#include "frames/CFormView.h"
#include <memory>

class HostSystem;

// The fewest rows a source spreadsheet has: two heading rows and one data row.
constexpr int kFirstPresetRow = 3;
// The row count that marks a cancelled choice of the source.
constexpr int kSourceChoiceCancelled = 0xFFFF;

constexpr const char* kMessageUnsupportedSource = "Error input file! Unsupported raw data file!";
constexpr const char* kMessageSourceWithoutRows = "Error input file! Please select other file as input data!";
constexpr const char* kMessageNoSource = "Please select input raw file!";
constexpr const char* kMessageNoTarget = "Please select preset file name!";
constexpr const char* kMessageLastRowOutOfRange = "Input number error! Please input a number from 3 to %d.";
constexpr const char* kMessageTargetNotWritten = "Preset Data not generated! The preset file cannot be written: %s";

// The plug-in's form: a source spreadsheet, a target preset file, a project
// and the last row to convert; Generate runs the project group's converter
// and writes the preset file.
class CPresetDialog : public CFormView {
  DECLARE_DYNCREATE(CPresetDialog)
public:
  CPresetDialog();
  explicit CPresetDialog(HostSystem* system);

  BOOL Create(LPCTSTR class_name, LPCTSTR window_name, DWORD style, const RECT& rect, CWnd* parent, UINT id,
              CCreateContext* context = nullptr) override;
  BOOL PreTranslateMessage(MSG* message) override;

  int project_group() const { return project_group_; }

protected:
  void DoDataExchange(CDataExchange* exchange) override;

  afx_msg int OnCreate(LPCREATESTRUCT create);
  afx_msg void OnGenerate();
  afx_msg void OnBrowseSource();
  afx_msg void OnBrowseTarget();
  afx_msg void OnClear();
  afx_msg void OnSelchangeProject();
  DECLARE_MESSAGE_MAP()

private:
  std::string load_project_list();
  void fill_projects();
  void add_tooltips();
  void show_message(const std::string& text);
  std::unique_ptr<PresetConverter> make_group_converter() const;

  TooltipWnd tooltip_;
  HostSystem* system_ = nullptr;
  CString source_path_;
  CString target_path_;
  int last_row_ = 0;
  int largest_last_row_ = 0;
  int project_group_ = 0;
  int shown_minimum_ = 0;
  int shown_maximum_ = 0;
  int browsed_rows_ = 0;
  std::unique_ptr<PresetConverter> browse_converter_;
  IniFile settings_;
};
