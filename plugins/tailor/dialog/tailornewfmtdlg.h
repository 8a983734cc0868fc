#pragma once
#include "PresetPacker.h"
#include "ProcessRunner.h"
#include "SheetScript.h"
#include "TempFolder.h"
#include "dialogs/CDialog.h"

#include <cstdint>
#include <memory>
#include <string>

class ExcelWorkbookExchange;
class TailorDialog;

const char kScriptFileName[] = "script-qx.cfg";
const char kPackedScriptFileName[] = "script-qx.cfg.gz";
const char kToolConfigBlockName[] = "toolcfg";
// gzip.exe and lzma.exe get this long before they count as hung.
const DWORD kProgramTimeLimit = 60000;

const char kSaveBlockFailedMessage[] = "Save failed! Block name or ID can not find in flash!";
const char kBlockFileCreateMessage[] = "error to save block bin  file ";
const char kBlockFileWriteMessage[] = "error to write block bin  file ";
const char kBlockSavedMessage[] = "The Block have been saved!";
const char kWorkbookOpenMessage[] = "error open excel  file ";
const char kWorkbookImportMessage[] = "xls file error,can not create new flash";

// The "New Format" dialog of a DM-form image: the spreadsheet script the
// image carries, the workbook the user edits, the new image built from it,
// and (for the internal tool) one block saved to a file. Its working files
// live in a temporary folder of its own.
class tailornewfmtdlg : public CDialog {
public:
  explicit tailornewfmtdlg(TailorDialog* view);
  ~tailornewfmtdlg() override;

  void clear_sheets();
  // Unpacks the image's "toolcfg" block into the working folder: 0,
  // kTailorNoSuchBlock or kTailorWriteError.
  int extract_script(std::string& script_path);
  // 0, kTailorFileMissing or kTailorScriptError.
  int parse_xls_script(const std::string& path);
  // 1 when the workbook was written and handed to the user, else 0.
  int export_to_excel();
  void show_block_controls(int show);
  void fill_block_combo();

protected:
  void DoDataExchange(CDataExchange* exchange) override;
  void OnCancel() override;

  afx_msg void build_new_flash();
  afx_msg void OnBrowseOutput();
  afx_msg void OnBlockSelected();
  afx_msg void OnBrowseBlockOutput();
  afx_msg void OnSaveBlock();
  DECLARE_MESSAGE_MAP()

private:
  bool run_program(const std::string& command_line);
  bool browse_save_path(CString& path);
  void show(const std::string& text);

  TailorDialog* view_;
  SheetScript script_;
  CString output_path_;
  std::string selected_block_name_;
  uint8_t selected_block_id_ = 0;
  CString selected_block_id_text_;
  CString block_output_path_;
  ProcessRunner runner_;
  TempFolder work_;
  PresetPacker packer_;
  std::unique_ptr<ExcelWorkbookExchange> exchange_;
};
