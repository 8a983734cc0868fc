#pragma once
#include "BlockScript.h"
#include "FlashImageAnalysis.h"
#include "IniFile.h"
#include "TailorGrid.h"
#include "TooltipWnd.h"
#include "controls/CStatic.h"
#include "frames/CFormView.h"

#include <cstdint>
#include <memory>
#include <vector>

class HostSystem;
class TailorSubDialog;
class tailornewfmtdlg;

const char kTailorSection[] = "TAILOR";
const char kInternalToolKey[] = "Internal_tool_control";
const char kErrorCaption[] = "error";
const char kNoConfigFileMessage[] = "Please input a config file!";
const char kScriptNotExtractedMessage[] = "Wrong binary file, can not parse it!";
const char kScriptErrorMessage[] = "Wrong binary file, script error!";
const char kWorkbookNotCreatedMessage[] = "Wrong binary file, can not create xls!";

// tailor's view: chooses and analyses a flash image, shows its block table,
// exports the customer-configuration area and starts the configuration
// dialogs, which work on the model it holds.
class TailorDialog : public CFormView {
  DECLARE_DYNCREATE(TailorDialog)
public:
  TailorDialog();
  explicit TailorDialog(HostSystem* system);
  ~TailorDialog() override;

  BOOL Create(LPCTSTR class_name, LPCTSTR window_name, DWORD style, const RECT& rect, CWnd* parent, UINT id,
              CCreateContext* context = nullptr) override;
  BOOL PreTranslateMessage(MSG* message) override;

  FlashImageAnalysis& analysis() { return analysis_; }
  BlockScript& script() { return script_; }
  bool expert() const { return analysis_.expert; }
  bool internal_tool() const { return internal_tool_; }
  void show_error(const std::string& text);

protected:
  void DoDataExchange(CDataExchange* exchange) override;

  afx_msg void OnBrowseImage();
  afx_msg void OnAnalyse();
  afx_msg void OnClear();
  afx_msg void OnBrowseScript();
  afx_msg void OnBrowseExport();
  afx_msg void OnExport();
  afx_msg void OnStart();
  DECLARE_MESSAGE_MAP()

private:
  void add_tooltips();
  void read_internal_tool_flag();
  void fill_grid();
  void delete_grid();
  void show_controls(const int* ids, std::size_t count, int show);
  void update_model_texts();
  void start_customer_config();
  void start_new_format();

  HostSystem* system_ = nullptr;
  TooltipWnd tooltip_;
  IniFile settings_;
  CString image_path_;
  CString script_path_;
  CString output_path_;
  CString software_version_;
  int flash_size_ = 0;
  int image_length_ = 0;
  int block_count_ = 0;
  bool internal_tool_ = false;
  FlashImageAnalysis analysis_;
  BlockScript script_;
  std::unique_ptr<TailorSubDialog> customer_config_;
  std::unique_ptr<tailornewfmtdlg> new_format_;
  std::unique_ptr<CStatic> grid_[kGridRows][kGridColumns];
};
