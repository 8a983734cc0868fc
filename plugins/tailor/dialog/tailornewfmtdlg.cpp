#include "tailornewfmtdlg.h"

#include "ConfigGeneration.h"
#include "ExcelWorkbookExchange.h"
#include "NewFlashImage.h"
#include "TailorDialog.h"
#include "TailorIds.h"
#include "TailorResult.h"
#include "app/AfxMessageBox.h"
#include "dialogs/CDataExchange.h"
#include "dialogs/CFileDialog.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>

BEGIN_MESSAGE_MAP(tailornewfmtdlg, CDialog)
  ON_BN_CLICKED(IDC_NF_SAVE, build_new_flash)
  ON_BN_CLICKED(IDC_NF_BROWSE_OUTPUT, OnBrowseOutput)
  ON_CBN_SELCHANGE(IDC_NF_BLOCKS, OnBlockSelected)
  ON_BN_CLICKED(IDC_NF_BROWSE_BLOCK, OnBrowseBlockOutput)
  ON_BN_CLICKED(IDC_NF_SAVE_BLOCK, OnSaveBlock)
END_MESSAGE_MAP()

namespace {

const char kSaveFilter[] = "BIN files(*.bin)|*.bin|All   files   (*.*)|*.*||";
const int kBlockControls[] = { IDC_NF_BLOCK_GROUP, IDC_NF_SELECT_LABEL,     IDC_NF_BLOCKS,
                               IDC_NF_ID_LABEL,    IDC_NF_BLOCK_ID,         IDC_NF_BLOCK_FILE_LABEL,
                               IDC_NF_BLOCK_PATH,  IDC_NF_BROWSE_BLOCK,     IDC_NF_SAVE_BLOCK };

std::string text_of(const CString& text)
{
  return std::string(static_cast<LPCTSTR>(text));
}

bool write_bytes(const std::string& path, const uint8_t* bytes, std::size_t count, bool& created)
{
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  created = static_cast<bool>(file);
  if (!created)
    return false;
  file.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(count));
  file.close();
  return static_cast<bool>(file);
}

}  // namespace

tailornewfmtdlg::tailornewfmtdlg(TailorDialog* view)
    : CDialog(IDD_NEW_FORMAT),
      view_(view),
      packer_(work_.create() ? work_.path() : std::string(),
              [this](const std::string& command_line) { return run_program(command_line); })
{
}

tailornewfmtdlg::~tailornewfmtdlg()
{
  runner_.stop();
  exchange_.reset();
  if (GetSafeHwnd() != nullptr)
    DestroyWindow();
}

bool tailornewfmtdlg::run_program(const std::string& command_line)
{
  if (!runner_.start(command_line, false))
    return false;
  if (!runner_.wait(kProgramTimeLimit)) {
    runner_.stop();
    return false;
  }
  return runner_.exit_code() == 0;
}

void tailornewfmtdlg::show(const std::string& text)
{
  AfxMessageBox(text.c_str(), MB_OK);
}

void tailornewfmtdlg::clear_sheets()
{
  script_.clear_sheets();
}

int tailornewfmtdlg::extract_script(std::string& script_path)
{
  const FlashImageAnalysis& analysis = view_->analysis();
  auto found = std::find_if(analysis.record_copy.begin(), analysis.record_copy.end(), [](const BlockRecord& record) {
    return record.entry.name_begins_with(kToolConfigBlockName);
  });
  if (found == analysis.record_copy.end())
    return kTailorNoSuchBlock;
  if (work_.path().empty())
    return kTailorWriteError;
  const std::string packed = work_.file(kPackedScriptFileName);
  script_path = work_.file(kScriptFileName);
  DeleteFileA(script_path.c_str());
  const uint64_t start = uint64_t(found->header_position) + found->entry.offset;
  if (start + found->entry.length > analysis.image.size())
    return kTailorWriteError;
  bool created = false;
  if (!write_bytes(packed, analysis.image.data() + start, found->entry.length, created))
    return kTailorWriteError;
  // -f: gzip refuses to overwrite a script left behind otherwise.
  if (!run_program("gzip.exe -d -f \"" + packed + "\""))
    return kTailorWriteError;
  if (GetFileAttributesA(script_path.c_str()) == INVALID_FILE_ATTRIBUTES)
    return kTailorWriteError;
  SetFileAttributesA(script_path.c_str(), FILE_ATTRIBUTE_HIDDEN);
  return 0;
}

int tailornewfmtdlg::parse_xls_script(const std::string& path)
{
  std::string message;
  const int result = script_.parse_file(path, view_->analysis().record_copy, message);
  if (!message.empty())
    show(message);
  return result;
}

int tailornewfmtdlg::export_to_excel()
{
  exchange_ = std::make_unique<ExcelWorkbookExchange>(
      view_->analysis().record_copy, script_.sheets, packer_, [this](const std::string& text, MessageCaption caption) {
        if (caption == MessageCaption::None)
          ::MessageBoxA(GetSafeHwnd(), text.c_str(), "", MB_OK);
        else
          show(text);
      });
  if (work_.path().empty())
    return 0;
  return exchange_->export_to_excel(work_.path());
}

void tailornewfmtdlg::DoDataExchange(CDataExchange* exchange)
{
  CDialog::DoDataExchange(exchange);
  DDX_Text(exchange, IDC_NF_OUTPUT_PATH, output_path_);
  DDX_Text(exchange, IDC_NF_BLOCK_ID, selected_block_id_text_);
  DDX_Text(exchange, IDC_NF_BLOCK_PATH, block_output_path_);
}

void tailornewfmtdlg::show_block_controls(int show_command)
{
  for (int id : kBlockControls) {
    if (CWnd* control = GetDlgItem(id))
      control->ShowWindow(show_command);
  }
}

void tailornewfmtdlg::fill_block_combo()
{
  SendDlgItemMessage(IDC_NF_BLOCKS, CB_RESETCONTENT);
  for (const BlockRecord& record : view_->analysis().record_copy)
    SendDlgItemMessage(IDC_NF_BLOCKS, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(record.entry.name_text().c_str()));
  SendDlgItemMessage(IDC_NF_BLOCKS, CB_SETCURSEL, 0);
}

void tailornewfmtdlg::OnBlockSelected()
{
  const LRESULT selected = SendDlgItemMessage(IDC_NF_BLOCKS, CB_GETCURSEL);
  const std::vector<BlockRecord>& records = view_->analysis().record_copy;
  if (selected == CB_ERR || static_cast<std::size_t>(selected) >= records.size())
    return;
  UpdateData(TRUE);
  const BlockRecord& record = records[static_cast<std::size_t>(selected)];
  selected_block_name_ = record.entry.name_text();
  selected_block_id_ = record.entry.id;
  char text[16];
  std::snprintf(text, sizeof text, "0x%x", unsigned(selected_block_id_));
  selected_block_id_text_ = text;
  UpdateData(FALSE);
}

bool tailornewfmtdlg::browse_save_path(CString& path)
{
  CFileDialog dialog(FALSE, "bin", "*.bin", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kSaveFilter, this);
  if (dialog.DoModal() != IDOK)
    return false;
  UpdateData(TRUE);
  path = dialog.GetPathName();
  UpdateData(FALSE);
  return true;
}

void tailornewfmtdlg::OnBrowseOutput()
{
  browse_save_path(output_path_);
}

void tailornewfmtdlg::OnBrowseBlockOutput()
{
  browse_save_path(block_output_path_);
}

void tailornewfmtdlg::OnSaveBlock()
{
  UpdateData(TRUE);
  if (block_output_path_.IsEmpty()) {
    MessageBox(kSelectOutputMessage, kErrorCaption, MB_OK);
    return;
  }
  const FlashImageAnalysis& analysis = view_->analysis();
  auto found = std::find_if(analysis.record_copy.begin(), analysis.record_copy.end(), [this](const BlockRecord& r) {
    return !selected_block_name_.empty() && r.entry.name_text() == selected_block_name_ &&
           r.entry.id == selected_block_id_;
  });
  if (found == analysis.record_copy.end()) {
    show(kSaveBlockFailedMessage);
    return;
  }
  const uint64_t start = uint64_t(found->header_position) + found->entry.offset;
  bool created = false;
  const bool written = start + found->entry.length <= analysis.image.size() &&
                       write_bytes(text_of(block_output_path_), analysis.image.data() + start, found->entry.length,
                                   created);
  if (!created)
    MessageBox(kBlockFileCreateMessage, kErrorCaption, MB_OK);
  else if (!written)
    MessageBox(kBlockFileWriteMessage, kErrorCaption, MB_OK);
  else
    show(kBlockSavedMessage);
}

void tailornewfmtdlg::build_new_flash()
{
  UpdateData(TRUE);
  if (output_path_.IsEmpty()) {
    show(kSelectOutputMessage);
    return;
  }
  const std::string workbook = exchange_ ? exchange_->workbook_path() : std::string();
  if (workbook.empty() || !std::ifstream(workbook, std::ios::binary)) {
    show(kWorkbookOpenMessage);
    return;
  }
  GetDlgItem(IDC_NF_BROWSE_OUTPUT)->EnableWindow(FALSE);
  GetDlgItem(IDC_NF_SAVE)->EnableWindow(FALSE);

  const int imported = exchange_->read_workbook(workbook);
  SetFileAttributesA(workbook.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(workbook.c_str());
  if (imported != 0) {
    show(kWorkbookImportMessage);
    return;
  }
  FlashImageAnalysis& analysis = view_->analysis();
  NewFlashImage image;
  FormatResult laid_out = image.lay_out(analysis.record_copy, analysis.image);
  if (!laid_out.ok()) {
    show(laid_out.message());
    return;
  }
  FormatResult written = image.write(text_of(output_path_));
  show(written.ok() ? std::string(kNewFlashCreatedMessage) : written.message());
}

void tailornewfmtdlg::OnCancel()
{
  DestroyWindow();
}
