#include "TailorSubDialog.h"

#include "AskOpenFileName.h"
#include "ConfigGeneration.h"
#include "DynamicControls.h"
#include "TailorDialog.h"
#include "TailorIds.h"
#include "TailorNewButtonDialog.h"
#include "dialogs/CDataExchange.h"
#include "dialogs/CFileDialog.h"

BEGIN_MESSAGE_MAP(TailorSubDialog, CDialog)
  ON_CONTROL_RANGE(BN_CLICKED, kBlockButtonIdBase, kBlockButtonIdBase + kDynamicIdRange - 1, OnBlockButton)
  ON_CONTROL_RANGE(BN_CLICKED, kRowBrowseIdBase, kRowBrowseIdBase + kDynamicIdRange - 1, OnBrowseRowFile)
  ON_BN_CLICKED(IDC_CC_GENERATE, OnGenerate)
  ON_BN_CLICKED(IDC_CC_EXIT, OnExit)
  ON_BN_CLICKED(IDC_CC_BROWSE_OUTPUT, OnBrowseOutput)
  ON_BN_CLICKED(IDC_CC_BROWSE_CONFIG, OnBrowseConfig)
  ON_BN_CLICKED(IDC_CC_BROWSE_KEY, OnBrowseKey)
END_MESSAGE_MAP()

namespace {

const char kOutputFilter[] = "bin files (*.bin)|*.bin|All Files (*.*)|*.*||";
const char kConfigFilter[] = "bin files (*.bin)\0*.bin\0All Files (*.*)\0*.*\0";
const char kKeyFilter[] = "pub files (*.pub)\0*.pub\0All Files (*.*)\0*.*\0";
const char kRowBrowseText[] = "....";
const int kRowHeight = 25;
const int kFirstRowBottom = 32;
const int kRowTop = 22;
const int kExpertControls[] = { IDC_CC_ADDRESS_LABEL, IDC_CC_ADDRESS, IDC_CC_BYTE_LABEL, IDC_CC_BYTE,
                                IDC_CC_CAUTION };

bool is_button_block(const ScriptBlock& block)
{
  return block.em == ScriptBlock::PlainFields || block.em == ScriptBlock::DescribedFields;
}

bool is_file_row(const ScriptBlock& block)
{
  return block.em == ScriptBlock::RawFile || block.em == ScriptBlock::HardwareInfoFile;
}

std::string text_of(const CString& text)
{
  return std::string(static_cast<LPCTSTR>(text));
}

}  // namespace

TailorSubDialog::TailorSubDialog(TailorDialog* view) : CDialog(IDD_CUSTOMER_CONFIG), view_(view) {}

TailorSubDialog::~TailorSubDialog()
{
  close_field_editor();
  if (GetSafeHwnd() != nullptr)
    DestroyWindow();
}

void TailorSubDialog::DoDataExchange(CDataExchange* exchange)
{
  CDialog::DoDataExchange(exchange);
  DDX_Text(exchange, IDC_CC_OUTPUT_PATH, output_path_);
  DDX_Text(exchange, IDC_CC_CONFIG_PATH, config_path_);
  DDX_Text(exchange, IDC_CC_KEY_PATH, key_path_);
  DDX_Text(exchange, IDC_CC_ADDRESS, flash_address_);
  DDX_Text(exchange, IDC_CC_BYTE, byte_value_);
  if (!rows_built_)
    build_rows();
  for (std::size_t r = 0; r < row_paths_.size() && r < row_edits_.size(); ++r) {
    if (row_edits_[r])
      DDX_Text(exchange, static_cast<int>(kRowPathIdBase + r), row_paths_[r]);
  }
  for (int id : kExpertControls) {
    if (CWnd* control = GetDlgItem(id))
      control->ShowWindow(view_->expert() ? SW_SHOW : SW_HIDE);
  }
}

void TailorSubDialog::build_rows()
{
  rows_built_ = true;
  std::vector<ScriptBlock>& blocks = view_->script().blocks;
  int y = kFirstRowBottom;
  for (ScriptBlock& block : blocks) {
    if (!is_button_block(block) || block_buttons_.size() >= kDynamicIdRange)
      continue;
    const UINT id = kBlockButtonIdBase + static_cast<UINT>(block_buttons_.size());
    block_buttons_.emplace_back(create_dynamic_button(this, id, block.name.c_str(), CRect(150, y - kRowTop, 400, y)));
    block.control_id = static_cast<int32_t>(id);
    y += kRowHeight;
  }
  for (ScriptBlock& block : blocks) {
    if (!is_file_row(block) || row_paths_.size() >= kDynamicIdRange)
      continue;
    const UINT r = static_cast<UINT>(row_paths_.size());
    row_labels_.emplace_back(
        create_dynamic_static(this, kRowLabelIdBase + r, block.name.c_str(), CRect(40, y - kRowTop, 140, y)));
    row_edits_.emplace_back(create_dynamic_edit(this, kRowPathIdBase + r, CRect(150, y - kRowTop, 400, y), ES_READONLY));
    row_buttons_.emplace_back(
        create_dynamic_button(this, kRowBrowseIdBase + r, kRowBrowseText, CRect(410, y - kRowTop, 500, y)));
    row_paths_.emplace_back();
    block.control_id = static_cast<int32_t>(kRowPathIdBase + r);
    y += kRowHeight;
  }
}

void TailorSubDialog::delete_dynamic_controls()
{
  block_buttons_.clear();
  row_labels_.clear();
  row_edits_.clear();
  row_buttons_.clear();
}

void TailorSubDialog::OnBlockButton(UINT id)
{
  for (ScriptBlock& block : view_->script().blocks) {
    if (block.control_id == static_cast<int32_t>(id) && is_button_block(block)) {
      open_field_editor(view_, block, this);
      return;
    }
  }
}

void TailorSubDialog::OnBrowseRowFile(UINT id)
{
  const std::size_t row = id - kRowBrowseIdBase;
  if (row >= row_paths_.size())
    return;
  CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, nullptr, nullptr);
  if (dialog.DoModal() != IDOK)
    return;
  UpdateData(TRUE);
  row_paths_[row] = dialog.GetPathName();
  UpdateData(FALSE);
}

void TailorSubDialog::OnBrowseOutput()
{
  CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kOutputFilter, this);
  if (dialog.DoModal() != IDOK)
    return;
  UpdateData(TRUE);
  output_path_ = dialog.GetPathName();
  UpdateData(FALSE);
}

void TailorSubDialog::browse_checked(CString& path, const char* filter)
{
  char chosen[kOpenFilePathSize] = {};
  if (!ask_open_file_name(m_hWnd, filter, chosen))
    return;
  UpdateData(TRUE);
  path = chosen;
  UpdateData(FALSE);
  std::vector<uint8_t> probe;
  if (!read_file_bytes(chosen, 0, probe))
    view_->show_error(kSelectedFileFailedMessage);
}

void TailorSubDialog::OnBrowseConfig()
{
  browse_checked(config_path_, kConfigFilter);
}

void TailorSubDialog::OnBrowseKey()
{
  browse_checked(key_path_, kKeyFilter);
}

void TailorSubDialog::OnGenerate()
{
  UpdateData(TRUE);
  FlashImageAnalysis& analysis = view_->analysis();
  ConfigGeneration generation(view_->script().blocks);
  std::vector<std::string> rows;
  for (const CString& path : row_paths_)
    rows.push_back(text_of(path));

  GenerationRequest request;
  request.output_path = text_of(output_path_);
  request.flash_address_text = text_of(flash_address_);
  request.byte_value_text = text_of(byte_value_);
  GenerationResult result;
  if (request.output_path.empty()) {
    result.code = kTailorFileMissing;
    result.messages.push_back(kSelectOutputMessage);
  } else {
    result = generation.read_files(rows, text_of(config_path_), text_of(key_path_), request);
  }
  if (result.ok()) {
    GenerationImage source;
    source.bytes = analysis.image;
    source.entries = analysis.bank_entries;
    source.bank_header_position = analysis.bank_header_position;
    source.config_length = analysis.config_length;
    result = generation.run(source, request);
  }
  for (const std::string& message : result.messages)
    view_->show_error(message);
  if (!result.ok())
    return;
  // The view keeps the generated image: a second Generate starts from it.
  analysis.image = std::move(result.image.bytes);
  analysis.bank_entries = std::move(result.image.entries);
  close_window();
}

void TailorSubDialog::OnExit()
{
  close_window();
}

void TailorSubDialog::OnOK()
{
  OnGenerate();
}

void TailorSubDialog::OnCancel()
{
  close_window();
}

void TailorSubDialog::close_window()
{
  close_field_editor();
  delete_dynamic_controls();
  DestroyWindow();
}
