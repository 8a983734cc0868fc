#include "TailorDialog.h"

#include "AskOpenFileName.h"
#include "ConfigAreaExport.h"
#include "ConfigGeneration.h"
#include "TailorIds.h"
#include "TailorSubDialog.h"
#include "tailornewfmtdlg.h"
#include "dialogs/CDataExchange.h"
#include "dialogs/CFileDialog.h"
#include "app/AfxMessageBox.h"

#include <algorithm>
#include <iterator>

IMPLEMENT_DYNCREATE(TailorDialog, CFormView)

BEGIN_MESSAGE_MAP(TailorDialog, CFormView)
  ON_BN_CLICKED(IDC_BROWSE_IMAGE, OnBrowseImage)
  ON_BN_CLICKED(IDC_ANALYSE, OnAnalyse)
  ON_BN_CLICKED(IDC_CLEAR, OnClear)
  ON_BN_CLICKED(IDC_BROWSE_SCRIPT, OnBrowseScript)
  ON_BN_CLICKED(IDC_BROWSE_EXPORT, OnBrowseExport)
  ON_BN_CLICKED(IDC_EXPORT, OnExport)
  ON_BN_CLICKED(IDC_START, OnStart)
END_MESSAGE_MAP()

namespace {

const char kImageFilter[] = "bin files (*.bin)\0*.bin\0All Files (*.*)\0*.*\0";
const char kScriptFilter[] = "cfg files (*.cfg)\0*.cfg\0All Files (*.*)\0*.*\0";
const char kExportFilter[] = "cfg bin files (*.bin)|*.bin|All Files (*.*)|*.*||";
const int kGridCellStyle = WS_CHILD | WS_VISIBLE | SS_SUNKEN | SS_CENTER;

const ControlTip kControlTips[] = {
  { IDC_IMAGE_PATH, "Select a flash binary file for edit." },
  { IDC_ANALYSE, "Pre-parse the flash binary to check its validity." },
  { IDC_CLEAR, "Clear the current selected file." },
  { IDC_EXPERT, "It's only for experts, customers should not check it." },
};

const int kScriptRow[] = { IDC_SCRIPT_LABEL, IDC_BROWSE_SCRIPT, IDC_SCRIPT_PATH };
const int kExportControls[] = { IDC_EXPORT_GROUP, IDC_OUTPUT_LABEL, IDC_BROWSE_EXPORT, IDC_EXPORT, IDC_EXPORT_PATH };
const int kAnalysisControls[] = { IDC_INFO_GROUP,       IDC_FLASH_SIZE_LABEL, IDC_IMAGE_LENGTH_LABEL,
                                  IDC_BLOCK_COUNT_LABEL, IDC_VERSION_LABEL,   IDC_SOFTWARE_VERSION,
                                  IDC_FLASH_SIZE,        IDC_IMAGE_LENGTH,    IDC_BLOCK_COUNT,
                                  IDC_TABLE_GROUP,       IDC_HEADER_ID,       IDC_HEADER_SIZE,
                                  IDC_HEADER_CRC,        IDC_HEADER_NAME,     IDC_HEADER_VERSION,
                                  IDC_HEADER_TIME,       IDC_START_GROUP,     IDC_START };

bool file_opens(const char* path)
{
  HANDLE file = ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return false;
  ::CloseHandle(file);
  return true;
}

}  // namespace

TailorDialog::TailorDialog() : CFormView(IDD_TAILOR_DIALOG) {}

TailorDialog::TailorDialog(HostSystem* system) : CFormView(IDD_TAILOR_DIALOG), system_(system) {}

TailorDialog::~TailorDialog() = default;

void TailorDialog::DoDataExchange(CDataExchange* exchange)
{
  CFormView::DoDataExchange(exchange);
  DDX_Text(exchange, IDC_IMAGE_PATH, image_path_);
  DDX_Text(exchange, IDC_FLASH_SIZE, flash_size_);
  DDX_Text(exchange, IDC_IMAGE_LENGTH, image_length_);
  DDX_Text(exchange, IDC_BLOCK_COUNT, block_count_);
  DDX_Text(exchange, IDC_SOFTWARE_VERSION, software_version_);
  DDX_Text(exchange, IDC_SCRIPT_PATH, script_path_);
  DDX_Text(exchange, IDC_EXPORT_PATH, output_path_);
}

BOOL TailorDialog::Create(LPCTSTR class_name, LPCTSTR window_name, DWORD style, const RECT& rect, CWnd* parent,
                          UINT id, CCreateContext* context)
{
  if (!CFormView::Create(class_name, window_name, style, rect, parent, id, context))
    return FALSE;
  add_tooltips();
  read_internal_tool_flag();
  return TRUE;
}

void TailorDialog::add_tooltips()
{
  EnableToolTips(TRUE);
  tooltip_.explain_controls(this, kControlTips, std::size(kControlTips));
}

void TailorDialog::read_internal_tool_flag()
{
  internal_tool_ = settings_.set_path_if_exists(kSettingsFile) &&
                   internal_tool_enabled(settings_.read_key(kTailorSection, kInternalToolKey));
}

BOOL TailorDialog::PreTranslateMessage(MSG* message)
{
  tooltip_.relay_event(message);
  return CFormView::PreTranslateMessage(message);
}

void TailorDialog::show_error(const std::string& text)
{
  MessageBox(text.c_str(), kErrorCaption, MB_OK);
}

void TailorDialog::OnBrowseImage()
{
  char path[kOpenFilePathSize] = {};
  if (!ask_open_file_name(m_hWnd, kImageFilter, path))
    return;
  image_path_ = path;
  UpdateData(FALSE);
  if (!file_opens(path))
    AfxMessageBox(kSelectedFileFailedMessage, MB_OK);
}

void TailorDialog::OnAnalyse()
{
  UpdateData(TRUE);
  const bool expert_mode = IsDlgButtonChecked(IDC_EXPERT) == BST_CHECKED;
  FormatResult result = analysis_.analyse_file(std::string(static_cast<LPCTSTR>(image_path_)), expert_mode);
  if (!result.ok()) {
    show_error(result.message());
    return;
  }
  update_model_texts();

  if (analysis_.form == FlashImageAnalysis::DmForm) {
    if (analysis_.expert && internal_tool_)
      show_controls(kScriptRow, std::size(kScriptRow), SW_SHOW);
  } else {
    if (analysis_.expert)
      show_controls(kScriptRow, std::size(kScriptRow), SW_SHOW);
    show_controls(kExportControls, std::size(kExportControls), SW_SHOW);
  }
  show_controls(kAnalysisControls, std::size(kAnalysisControls), SW_SHOW);
  fill_grid();
  GetDlgItem(IDC_ANALYSE)->EnableWindow(FALSE);
  GetDlgItem(IDC_BROWSE_IMAGE)->EnableWindow(FALSE);
  UpdateData(FALSE);
}

void TailorDialog::update_model_texts()
{
  flash_size_ = static_cast<int>(analysis_.flash_size);
  image_length_ = static_cast<int>(analysis_.image_length);
  block_count_ = static_cast<int>(analysis_.block_total());
  software_version_ = analysis_.software_version.c_str();
  script_path_ = analysis_.script_path.c_str();
}

void TailorDialog::fill_grid()
{
  CFont* font = GetFont();
  const int rows = static_cast<int>(std::min<std::size_t>(analysis_.block_total(), kGridRows));
  for (int column = 0; column < kGridColumns; ++column) {
    CWnd* header = GetDlgItem(kGridFirstHeaderId + column);
    if (header == nullptr)
      continue;
    CRect header_rect;
    header->GetWindowRect(&header_rect);
    ScreenToClient(&header_rect);
    const GridRect from{ header_rect.left, header_rect.top, header_rect.right, header_rect.bottom };
    for (int row = 0; row < rows; ++row) {
      if (grid_[row][column])
        continue;
      const GridRect cell = grid_cell_rect(from, row);
      const std::string text = grid_cell_text(analysis_.block_entry(static_cast<std::size_t>(row)), column);
      auto label = std::make_unique<CStatic>();
      if (!label->Create(text.c_str(), kGridCellStyle, CRect(cell.left, cell.top, cell.right, cell.bottom), this,
                         static_cast<UINT>(grid_cell_id(row, column))))
        continue;
      label->SetFont(font);
      grid_[row][column] = std::move(label);
    }
  }
}

void TailorDialog::delete_grid()
{
  for (auto& row : grid_) {
    for (auto& cell : row)
      cell.reset();
  }
}

void TailorDialog::show_controls(const int* ids, std::size_t count, int show)
{
  for (std::size_t i = 0; i < count; ++i) {
    if (CWnd* control = GetDlgItem(ids[i]))
      control->ShowWindow(show);
  }
}

void TailorDialog::OnClear()
{
  image_path_.Empty();
  script_path_.Empty();
  output_path_.Empty();
  if (analysis_.expert)
    show_controls(kScriptRow, std::size(kScriptRow), SW_HIDE);
  show_controls(kAnalysisControls, std::size(kAnalysisControls), SW_HIDE);
  show_controls(kExportControls, std::size(kExportControls), SW_HIDE);
  GetDlgItem(IDC_ANALYSE)->EnableWindow(TRUE);
  GetDlgItem(IDC_BROWSE_IMAGE)->EnableWindow(TRUE);
  delete_grid();
  customer_config_.reset();
  new_format_.reset();
  analysis_.clear();
  script_.blocks.clear();
  update_model_texts();
  UpdateData(FALSE);
}

void TailorDialog::OnBrowseScript()
{
  char path[kOpenFilePathSize] = {};
  if (!ask_open_file_name(m_hWnd, kScriptFilter, path))
    return;
  script_path_ = path;
  UpdateData(FALSE);
  if (!file_opens(path))
    AfxMessageBox(kSelectedFileFailedMessage, MB_OK);
}

void TailorDialog::OnBrowseExport()
{
  CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kExportFilter, this);
  if (dialog.DoModal() != IDOK)
    return;
  UpdateData(TRUE);
  output_path_ = dialog.GetPathName();
  UpdateData(FALSE);
}

void TailorDialog::OnExport()
{
  UpdateData(TRUE);
  FormatResult result = export_config_area(analysis_.image, std::string(static_cast<LPCTSTR>(output_path_)));
  if (!result.ok())
    show_error(result.message());
}

void TailorDialog::OnStart()
{
  UpdateData(TRUE);
  if (analysis_.form == FlashImageAnalysis::BankForm)
    start_customer_config();
  else
    start_new_format();
}

void TailorDialog::start_new_format()
{
  new_format_.reset();
  auto dialog = std::make_unique<tailornewfmtdlg>(this);
  dialog->clear_sheets();
  std::string script_path;
  const bool own_script = internal_tool_ && IsDlgButtonChecked(IDC_EXPERT) == BST_CHECKED;
  if (own_script) {
    script_path = static_cast<LPCTSTR>(script_path_);
    if (script_path.empty()) {
      AfxMessageBox(kNoConfigFileMessage, MB_OK);
      return;
    }
  } else if (dialog->extract_script(script_path) != 0) {
    AfxMessageBox(kScriptNotExtractedMessage, MB_OK);
    return;
  }
  const int parsed = dialog->parse_xls_script(script_path);
  if (!own_script)
    ::DeleteFileA(script_path.c_str());
  if (parsed != 0) {
    AfxMessageBox(kScriptErrorMessage, MB_OK);
    return;
  }
  if (dialog->export_to_excel() != 1) {
    AfxMessageBox(kWorkbookNotCreatedMessage, MB_OK);
    return;
  }
  if (!dialog->Create(IDD_NEW_FORMAT, this))
    return;
  dialog->ShowWindow(SW_SHOW);
  if (internal_tool_) {
    dialog->show_block_controls(SW_SHOW);
    dialog->fill_block_combo();
  }
  new_format_ = std::move(dialog);
}

void TailorDialog::start_customer_config()
{
  customer_config_.reset();
  analysis_.script_path = std::string(static_cast<LPCTSTR>(script_path_));
  FormatResult parsed = script_.parse_script_file(analysis_.script_path, analysis_.image_length);
  if (!parsed.ok()) {
    show_error(parsed.message());
    return;
  }
  auto dialog = std::make_unique<TailorSubDialog>(this);
  if (!dialog->Create(IDD_CUSTOMER_CONFIG, this))
    return;
  dialog->ShowWindow(SW_SHOW);
  customer_config_ = std::move(dialog);
}
