#include "PresetDialog.h"
#include "AskOpenFileName.h"
#include "PresetConverterFactory.h"
#include "PresetDialogIds.h"
#include "ProjectList.h"
#include "app/AfxMessageBox.h"
#include "dialogs/CDataExchange.h"
#include "dialogs/CFileDialog.h"
#include <cstdio>
#include <cstring>
#include <vector>

IMPLEMENT_DYNCREATE(CPresetDialog, CFormView)

BEGIN_MESSAGE_MAP(CPresetDialog, CFormView)
  ON_WM_CREATE()
  ON_BN_CLICKED(IDC_GENERATE, OnGenerate)
  ON_BN_CLICKED(IDC_BROWSE_SOURCE, OnBrowseSource)
  ON_BN_CLICKED(IDC_BROWSE_TARGET, OnBrowseTarget)
  ON_BN_CLICKED(IDC_CLEAR, OnClear)
  ON_CBN_SELCHANGE(IDC_PROJECT, OnSelchangeProject)
END_MESSAGE_MAP()

namespace {

constexpr char kSourceFilter[] = "xls files (*.xls)\0*.xls\0All Files (*.*)\0*.*\0";
constexpr char kTargetFilter[] = "BIN files(*.bin)|*.bin|All   files   (*.*)|*.*||";

constexpr ControlTip kControlTips[] = {
  {IDC_BROWSE_SOURCE, "Please select source .xls file you wanna generate into preset."},
  {IDC_BROWSE_TARGET, "Please select preset file name you wanna save."},
  {IDC_GENERATE, "Click here will generate preset file from input .xls file"},
  {IDC_CLEAR, "Click here to clean all content."},
};

}

CPresetDialog::CPresetDialog() : CFormView(IDD_PRESET_DIALOG) {}

CPresetDialog::CPresetDialog(HostSystem* system) : CFormView(IDD_PRESET_DIALOG), system_(system) {}

void CPresetDialog::DoDataExchange(CDataExchange* exchange)
{
  CFormView::DoDataExchange(exchange);
  DDX_Text(exchange, IDC_SOURCE_PATH, source_path_);
  DDX_Text(exchange, IDC_TARGET_PATH, target_path_);
  DDX_Text(exchange, IDC_SHOWN_MINIMUM, shown_minimum_);
  DDX_Text(exchange, IDC_SHOWN_MAXIMUM, shown_maximum_);
  DDX_Text(exchange, IDC_LAST_ROW, last_row_);
}

int CPresetDialog::OnCreate(LPCREATESTRUCT create)
{
  if (CFormView::OnCreate(create) == -1)
    return -1;
  browse_converter_ = std::make_unique<PresetConverter>();
  return 0;
}

BOOL CPresetDialog::Create(LPCTSTR class_name, LPCTSTR window_name, DWORD style, const RECT& rect, CWnd* parent,
                           UINT id, CCreateContext* context)
{
  BOOL created = CFormView::Create(class_name, window_name, style, rect, parent, id, context);
  if (!created)
    return FALSE;
  fill_projects();
  OnSelchangeProject();
  add_tooltips();
  return created;
}

std::string CPresetDialog::load_project_list()
{
  if (!settings_.set_path_if_exists(kSettingsFile))
    return kDefaultProjectList;
  return project_list_from_setting(settings_.read_key(kSeedvaultsSection, kProjectListKey));
}

void CPresetDialog::fill_projects()
{
  std::vector<std::string> names = split_project_list(load_project_list());
  SendDlgItemMessage(IDC_PROJECT, CB_RESETCONTENT);
  for (const std::string& name : names)
    SendDlgItemMessage(IDC_PROJECT, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  SendDlgItemMessage(IDC_PROJECT, CB_SETCURSEL, 0);
  if (names.size() <= 1)
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_PROJECT), FALSE);
}

void CPresetDialog::add_tooltips()
{
  EnableToolTips(TRUE);
  tooltip_.explain_controls(this, kControlTips, std::size(kControlTips));
}

BOOL CPresetDialog::PreTranslateMessage(MSG* message)
{
  tooltip_.relay_event(message);
  return CFormView::PreTranslateMessage(message);
}

void CPresetDialog::OnSelchangeProject()
{
  LRESULT selected = SendDlgItemMessage(IDC_PROJECT, CB_GETCURSEL);
  if (selected == CB_ERR)
    return;
  LRESULT length = SendDlgItemMessage(IDC_PROJECT, CB_GETLBTEXTLEN, WPARAM(selected));
  if (length == CB_ERR)
    return;
  std::vector<char> name(std::size_t(length) + 1, '\0');
  SendDlgItemMessage(IDC_PROJECT, CB_GETLBTEXT, WPARAM(selected), reinterpret_cast<LPARAM>(name.data()));
  project_group_ = ::project_group(name.data(), project_group_);
}

void CPresetDialog::show_message(const std::string& text)
{
  AfxMessageBox(text.c_str(), MB_OK);
}

void CPresetDialog::OnBrowseSource()
{
  char path[kOpenFilePathSize] = {};
  if (ask_open_file_name(m_hWnd, kSourceFilter, path)) {
    source_path_ = path;
    UpdateData(FALSE);
    if (browse_converter_->load(path)) {
      browsed_rows_ = browse_converter_->count_data_rows();
    } else {
      show_message(kMessageUnsupportedSource);
      browsed_rows_ = 0;
    }
  } else {
    browsed_rows_ = kSourceChoiceCancelled;
  }
  if (browsed_rows_ == kSourceChoiceCancelled)
    return;
  if (browsed_rows_ < kFirstPresetRow) {
    show_message(kMessageSourceWithoutRows);
    source_path_.Empty();
    shown_minimum_ = 0;
    shown_maximum_ = 0;
    UpdateData(FALSE);
    return;
  }
  largest_last_row_ = browsed_rows_;
  shown_maximum_ = browsed_rows_;
  shown_minimum_ = kFirstPresetRow;
  UpdateData(FALSE);
}

void CPresetDialog::OnBrowseTarget()
{
  CFileDialog dialog(FALSE, "bin", "*.bin", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kTargetFilter, this);
  if (dialog.DoModal() != IDOK)
    return;
  target_path_ = dialog.GetPathName();
  UpdateData(FALSE);
}

void CPresetDialog::OnClear()
{
  source_path_.Empty();
  target_path_.Empty();
  last_row_ = 0;
  shown_minimum_ = 0;
  shown_maximum_ = 0;
  UpdateData(FALSE);
}

std::unique_ptr<PresetConverter> CPresetDialog::make_group_converter() const
{
  switch (project_group_) {
  case 1:
    return SatTpProg52Factory().create();
  case 2:
    return SatTp52Factory().create();
  default:
    return SatTpProg48Factory().create();
  }
}

void CPresetDialog::OnGenerate()
{
  if (!UpdateData(TRUE))
    return;
  const char* refusal = nullptr;
  char range_message[128];
  if (source_path_.IsEmpty()) {
    refusal = kMessageNoSource;
  } else if (target_path_.IsEmpty()) {
    refusal = kMessageNoTarget;
  } else if (last_row_ < kFirstPresetRow || last_row_ > largest_last_row_) {
    std::snprintf(range_message, sizeof range_message, kMessageLastRowOutOfRange, largest_last_row_);
    refusal = range_message;
  }
  if (refusal != nullptr) {
    show_message(refusal);
    UpdateData(FALSE);
    return;
  }

  std::string source(static_cast<LPCTSTR>(source_path_));
  std::FILE* probe = std::fopen(source.c_str(), "rb");
  if (probe == nullptr)
    return;
  std::fclose(probe);

  std::unique_ptr<PresetConverter> converter = make_group_converter();
  if (!converter->load(source)) {
    show_message(kMessageUnsupportedSource);
    return;
  }
  std::vector<uint8_t> preset;
  int size = converter->convert(preset, last_row_);
  std::string summary;
  converter->result_message(summary);
  if (size != kConvertFailed) {
    std::string target(static_cast<LPCTSTR>(target_path_));
    std::FILE* output = std::fopen(target.c_str(), "wb");
    bool written = output != nullptr && std::fwrite(preset.data(), 1, preset.size(), output) == preset.size();
    if (output != nullptr && std::fclose(output) != 0)
      written = false;
    if (!written) {
      std::vector<char> text(std::strlen(kMessageTargetNotWritten) + target.size() + 1);
      std::snprintf(text.data(), text.size(), kMessageTargetNotWritten, target.c_str());
      summary = text.data();
    }
  }
  show_message(summary);
}
