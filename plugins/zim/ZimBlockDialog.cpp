#include "ZimBlockDialog.h"
#include "CZimDialog.h"
#include "DynamicControls.h"
#include "LinkFrames.h"
#include "ZimEngine.h"
#include "ZimResources.h"
#include "ZimStatusText.h"
#include "app/AfxMessageBox.h"
#include "controls/CProgressCtrl.h"
#include "dialogs/CDataExchange.h"
#include "strings/CString.h"
#include <commdlg.h>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kLabelLeft = 40;
constexpr int kLabelRight = 140;
constexpr int kPathLeft = 150;
constexpr int kPathRight = 400;
constexpr int kBrowseLeft = 410;
constexpr int kBrowseRight = 500;
constexpr char kBrowseText[] = "....";

long length_of(const std::string& path, bool& opened)
{
  FILE* file = std::fopen(path.c_str(), "rb");
  opened = file != nullptr;
  if (file == nullptr) {
    return 0;
  }
  std::fseek(file, 0, SEEK_END);
  long length = std::ftell(file);
  std::fclose(file);
  return length;
}

}  // namespace

BEGIN_MESSAGE_MAP(ZimBlockDialog, CDialog)
  ON_BN_CLICKED(IDC_BLOCK_GO, OnGo)
  ON_BN_CLICKED(IDC_BLOCK_BACK, OnBack)
  ON_COMMAND_RANGE(kBlockBrowseBase, kBlockBrowseBase + kMaxBlocks - 1, OnBrowseRow)
END_MESSAGE_MAP()

ZimBlockDialog::ZimBlockDialog(CZimDialog* view, bool read) : view_(view), read_(read)
{
}

ZimBlockDialog::~ZimBlockDialog()
{
  // The row controls go before the dialog's window.
  rows_.clear();
}

void ZimBlockDialog::DoDataExchange(CDataExchange* pDX)
{
  CDialog::DoDataExchange(pDX);
  entries_ = view_->engine()->link().collected_blocks();
  if (entries_.size() > kMaxBlocks) {
    entries_.resize(kMaxBlocks);
  }
  row_count_ = static_cast<uint16_t>(entries_.size());
  if (paths_.size() < row_count_) {
    paths_.resize(row_count_);
  }
  if (rows_.size() < row_count_) {
    rows_.resize(row_count_);
  }
  for (std::size_t i = 0; i < row_count_; ++i) {
    make_row(i);
    CString path(paths_[i].c_str());
    DDX_Text(pDX, static_cast<int>(kBlockPathBase + i), path);
    paths_[i] = static_cast<const char*>(path);
  }
  fit_rows();
  SetDlgItemText(IDC_BLOCK_GO, read_ ? kReadCaption : kUpgradeCaption);
}

void ZimBlockDialog::make_row(std::size_t index)
{
  Row& row = rows_[index];
  int top = kBlockRowTop + kBlockRowHeight * static_cast<int>(index);
  int bottom = top + kBlockRowHeight;
  UINT id = static_cast<UINT>(index);
  if (!row.label) {
    std::string label = zim_block_label(entries_[index]);
    row.label.reset(create_dynamic_static(this, kBlockLabelBase + id, label.c_str(), {kLabelLeft, top, kLabelRight, bottom}));
  }
  if (!row.path_edit) {
    row.path_edit.reset(create_dynamic_edit(this, kBlockPathBase + id, {kPathLeft, top, kPathRight, bottom}, ES_READONLY));
  }
  if (!row.browse) {
    row.browse.reset(create_dynamic_button(this, kBlockBrowseBase + id, kBrowseText, {kBrowseLeft, top, kBrowseRight, bottom}));
  }
}

// Sixty-four rows do not fit the template: the window grows to its last row.
void ZimBlockDialog::fit_rows()
{
  int needed = kBlockRowTop + kBlockRowHeight * (row_count_ + 1);
  CRect client;
  GetClientRect(&client);
  if (client.Height() >= needed) {
    return;
  }
  CRect window;
  GetWindowRect(&window);
  SetWindowPos(nullptr, 0, 0, window.Width(), window.Height() + needed - client.Height(),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ZimBlockDialog::OnBrowseRow(UINT nID)
{
  std::size_t index = nID - kBlockBrowseBase;
  if (index >= row_count_) {
    return;
  }
  char path[MAX_PATH] = {};
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = m_hWnd;
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
  if (!GetOpenFileNameA(&dialog)) {
    return;
  }
  paths_[index] = path;
  SetDlgItemText(static_cast<int>(kBlockPathBase + index), path);
}

void ZimBlockDialog::OnGo()
{
  UpgradeLink& link = view_->engine()->link();
  // Checked in full before the engine's entries change.
  std::vector<ZimBlockEntry> chosen;
  for (std::size_t i = 0; i < row_count_; ++i) {
    if (!rows_[i].path_edit || paths_[i].empty()) {
      continue;
    }
    ZimBlockEntry entry;
    entry.id = entries_[i].id;
    entry.announced_id = entries_[i].id;
    entry.offset = entries_[i].offset;
    entry.path = paths_[i];
    if (read_) {
      entry.byte_count = entries_[i].length;
    } else {
      bool opened = false;
      long length = length_of(paths_[i], opened);
      if (!opened) {
        AfxMessageBox(("Failed to open the browsed file!\n File name = " + paths_[i]).c_str());
        return;
      }
      entry.byte_count = static_cast<uint32_t>(length);
    }
    chosen.push_back(entry);
  }
  // One announcement holds at most this many blocks.
  if (!read_ && chosen.size() > kMaxInformBlocks) {
    AfxMessageBox("Too many blocks chosen: at most 23 blocks can be upgraded at once!");
    return;
  }
  std::copy(chosen.begin(), chosen.end(), link.entries().begin());
  link.set_block_count(static_cast<uint16_t>(chosen.size()));
  if (chosen.empty()) {
    return;
  }
  GetDlgItem(IDC_BLOCK_GO)->EnableWindow(FALSE);
  GetDlgItem(IDC_BLOCK_BACK)->EnableWindow(FALSE);
  view_->engine()->resume_worker();
}

void ZimBlockDialog::OnBack()
{
  paths_.clear();
  view_->close_block_dialog();
}

// Enter and Escape do not close the dialog behind the view's back.
void ZimBlockDialog::OnOK()
{
}

void ZimBlockDialog::OnCancel()
{
  OnBack();
}

void ZimBlockDialog::show_status(int type, uint32_t done, uint32_t total)
{
  SetDlgItemText(IDC_BLOCK_DIALOG_STATUS, zim_block_status_text(read_, type, done, total).c_str());
  CProgressCtrl* bar = static_cast<CProgressCtrl*>(GetDlgItem(IDC_BLOCK_PROGRESS));
  uint32_t percent = zim_progress_percent(done, total);
  bar->SetPos(percent >= 100 ? 0 : static_cast<int>(percent));
}
