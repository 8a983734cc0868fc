#pragma once
#include "controls/CButton.h"
#include "controls/CEdit.h"
#include "controls/CStatic.h"
#include "dialogs/CDialog.h"

#include <memory>
#include <string>
#include <vector>

class TailorDialog;

// Dynamic control ids: block buttons, then the file rows' label, path and
// browse button.
const UINT kBlockButtonIdBase = 20000;
const UINT kRowLabelIdBase = 20100;
const UINT kRowPathIdBase = 20200;
const UINT kRowBrowseIdBase = 20300;
// Each range holds a hundred ids, as many as a script's blocks need.
const UINT kDynamicIdRange = 100;

// The "Customer Config" dialog of a bank-form image: a button per block
// edited field by field, a file row per block replaced from a file, and
// Generate, which writes the new image. All image data stay in the view.
class TailorSubDialog : public CDialog {
public:
  explicit TailorSubDialog(TailorDialog* view);
  ~TailorSubDialog() override;

protected:
  void DoDataExchange(CDataExchange* exchange) override;
  void OnCancel() override;
  void OnOK() override;

  afx_msg void OnBlockButton(UINT id);
  afx_msg void OnBrowseRowFile(UINT id);
  afx_msg void OnGenerate();
  afx_msg void OnExit();
  afx_msg void OnBrowseOutput();
  afx_msg void OnBrowseConfig();
  afx_msg void OnBrowseKey();
  DECLARE_MESSAGE_MAP()

private:
  void build_rows();
  void delete_dynamic_controls();
  void browse_checked(CString& path, const char* filter);
  void close_window();

  TailorDialog* view_;
  CString flash_address_;
  CString byte_value_;
  CString output_path_;
  CString config_path_;
  CString key_path_;
  bool rows_built_ = false;
  std::vector<CString> row_paths_;
  std::vector<std::unique_ptr<CButton>> block_buttons_;
  std::vector<std::unique_ptr<CStatic>> row_labels_;
  std::vector<std::unique_ptr<CEdit>> row_edits_;
  std::vector<std::unique_ptr<CButton>> row_buttons_;
};
