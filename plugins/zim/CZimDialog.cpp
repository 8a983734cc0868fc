#include "CZimDialog.h"
#include "ExeDirectory.h"
#include "ProcessRunner.h"
#include "ZimBlockDialog.h"
#include "ZimEngine.h"
#include "ZimFunctionList.h"
#include "ZimResources.h"
#include "app/AfxMessageBox.h"
#include "controls/CComboBox.h"
#include "controls/CProgressCtrl.h"
#include "frames/CFrameWnd.h"
#include "AskOpenFileName.h"
#include <commdlg.h>
#include <cstdio>
#include <vector>

namespace {

// Window work the engine's worker asks for, posted to the window's thread.
constexpr UINT WM_ZIM_REQUEST = WM_APP + 0x21;
constexpr UINT WM_ZIM_STATUS = WM_APP + 0x22;
enum Request { kRequestCancelDump, kRequestConnect, kRequestExit, kRequestEnableBlock, kRequestCloseBlocks };

constexpr uint32_t kDumpSizes[] = {0x80000, 0x100000, 0x200000, 0x400000, 0x800000, 0x1000000, 0x2000000};
const char* const kDumpSizeNames[] = {"512K", "1M", "2M", "4M", "8M", "16M", "32M"};
constexpr char kAllFilesFilter[] = "All Files (*.*)\0*.*\0";
constexpr int kQueueDrops = 100;
constexpr UINT kWorkerBoxFlags = MB_TOPMOST | MB_SETFOREGROUND;

const int kDumpGroup[] = {IDC_DUMP_GROUP, IDC_DUMP_SIZE_LABEL, IDC_DUMP_PATH_LABEL, IDC_DUMP_SIZE, IDC_DUMP_PATH,
                          IDC_DUMP_PROGRESS, IDC_DUMP, IDC_CANCEL_DUMP, IDC_BROWSE_DUMP};
const int kWholeGroup[] = {IDC_UPGRADE_GROUP, IDC_IMAGE_PATH_LABEL, IDC_IMAGE_PATH, IDC_UPGRADE_PROGRESS,
                           IDC_START, IDC_EXIT, IDC_BROWSE_IMAGE};
const int kBlockGroup[] = {IDC_BLOCK_GROUP, IDC_CONNECT, IDC_UPGRADE_BLOCK, IDC_READ_BLOCK};

const ControlTip kTips[] = {
    {IDC_IMAGE_PATH, "Select a flash binary file..."},
    {IDC_START, "Press start to prepare for an upgrade transfer."},
    {IDC_EXIT, "Press exit to stop this transfer."},
    {IDC_DUMP_SIZE, "Select the dump size of current flash, please don't select a size exceeding the current flash"},
    {IDC_DUMP_PATH, "Select a directory and filename for the dump result."},
    {IDC_DUMP, "Begin to dump."},
    {IDC_CANCEL_DUMP, "Cancel this dump."},
    {IDC_CONNECT, "Switch the connect status between the STB."},
};

// Writes the whole buffer to a new file; a file that could not be written
// whole is removed, so nothing half-written is left behind as a result.
bool write_whole_file(const std::string& path, const uint8_t* buffer, uint32_t size, bool& opened)
{
  FILE* file = std::fopen(path.c_str(), "wb");
  opened = file != nullptr;
  if (file == nullptr) {
    return false;
  }
  bool written = std::fwrite(buffer, 1, size, file) == size;
  written = std::fclose(file) == 0 && written;
  if (!written) {
    std::remove(path.c_str());
  }
  return written;
}

long file_length(FILE* file)
{
  std::fseek(file, 0, SEEK_END);
  long length = std::ftell(file);
  std::fseek(file, 0, SEEK_SET);
  return length;
}

}  // namespace

BEGIN_MESSAGE_MAP(CZimDialog, CFormView)
  ON_BN_CLICKED(IDC_BROWSE_IMAGE, OnBrowseImage)
  ON_BN_CLICKED(IDC_START, OnStart)
  ON_BN_CLICKED(IDC_EXIT, OnExitButton)
  ON_CBN_SELCHANGE(IDC_DUMP_SIZE, OnSelchangeDumpSize)
  ON_BN_CLICKED(IDC_BROWSE_DUMP, OnBrowseDump)
  ON_BN_CLICKED(IDC_DUMP, OnDump)
  ON_BN_CLICKED(IDC_CANCEL_DUMP, OnCancelDumpButton)
  ON_BN_CLICKED(IDC_CONNECT, OnConnectButton)
  ON_BN_CLICKED(IDC_UPGRADE_BLOCK, OnUpgradeBlock)
  ON_BN_CLICKED(IDC_READ_BLOCK, OnReadBlock)
  ON_MESSAGE(WM_ZIM_REQUEST, OnWorkerRequest)
  ON_MESSAGE(WM_ZIM_STATUS, OnStatusPosted)
END_MESSAGE_MAP()

CZimDialog::CZimDialog(ComponentSystem* system)
    : CFormView(IDD_ZIM),
      m_pSystem(system),
      m_pEngine(nullptr),
      m_bReadMode(0),
      m_bDumpGroup(1),
      m_bWholeGroup(1),
      m_bBlockGroup(1),
      m_bBlockMode(0),
      m_nDumpSizeIndex(0),
      m_nImageSize(0),
      m_nZippedSize(0),
      m_bImageChosen(0),
      m_bOperation(0),
      m_bConnected(0),
      m_pRunner(new ProcessRunner()),
      m_bDumpFileChosen(0),
      m_bDumpMode(0),
      m_nDumpSize(kDefaultDumpSize),
      m_pBlockDialog(nullptr)
{
}

CZimDialog::~CZimDialog()
{
  if (m_pEngine != nullptr) {
    m_pEngine->detach_view();
  }
  delete m_pBlockDialog;
}

BOOL CZimDialog::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
  if (!CFormView::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID, pContext)) {
    return FALSE;
  }
  apply_function_list();
  // The component system owns it; it outlives this view.
  m_pEngine = new ZimEngine(this, m_pSystem, get_exe_directory());
  add_tooltips();
  CComboBox* sizes = static_cast<CComboBox*>(GetDlgItem(IDC_DUMP_SIZE));
  for (const char* name : kDumpSizeNames) {
    sizes->AddString(name);
  }
  sizes->SetCurSel(m_nDumpSizeIndex);
  return TRUE;
}

void CZimDialog::OnInitialUpdate()
{
  CFormView::OnInitialUpdate();
  GetParentFrame()->RecalcLayout();
  ResizeParentToFit(FALSE);
}

void CZimDialog::apply_function_list()
{
  ZimFunctionList groups = parse_function_list(kDefaultFunctionList);
  if (m_settings.set_path_if_exists(kSettingsFile)) {
    groups = parse_function_list(m_settings.read_key(kZimSection, kFunctionListKey));
  }
  m_bDumpGroup = groups.dump;
  m_bWholeGroup = groups.whole;
  m_bBlockGroup = groups.block;
  auto hide = [this](const int* ids, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
      GetDlgItem(ids[i])->ShowWindow(SW_HIDE);
    }
  };
  if (!groups.dump) {
    hide(kDumpGroup, std::size(kDumpGroup));
  }
  if (!groups.whole) {
    hide(kWholeGroup, std::size(kWholeGroup));
  }
  if (!groups.block) {
    hide(kBlockGroup, std::size(kBlockGroup));
  }
}

void CZimDialog::add_tooltips()
{
  m_tooltip.explain_controls(this, kTips, std::size(kTips));
}

BOOL CZimDialog::PreTranslateMessage(MSG* pMsg)
{
  m_tooltip.relay_event(pMsg);
  return CFormView::PreTranslateMessage(pMsg);
}

bool CZimDialog::on_window_thread() const
{
  return GetWindowThreadProcessId(m_hWnd, nullptr) == GetCurrentThreadId();
}

void CZimDialog::post_request(int request)
{
  PostMessage(WM_ZIM_REQUEST, static_cast<WPARAM>(request));
}

LRESULT CZimDialog::OnWorkerRequest(WPARAM wParam, LPARAM)
{
  switch (static_cast<int>(wParam)) {
  case kRequestCancelDump:
    end_dump();
    break;
  case kRequestConnect:
    toggle_connection();
    break;
  case kRequestExit:
    end_upgrade();
    break;
  case kRequestEnableBlock:
    GetDlgItem(IDC_UPGRADE_BLOCK)->EnableWindow(TRUE);
    break;
  case kRequestCloseBlocks:
    destroy_block_dialog();
    break;
  default:
    break;
  }
  return 0;
}

void CZimDialog::enable(std::initializer_list<int> ids, bool on)
{
  for (int id : ids) {
    GetDlgItem(id)->EnableWindow(on ? TRUE : FALSE);
  }
}

ZimStatusMode CZimDialog::status_mode() const
{
  if (m_bDumpMode) {
    return ZimStatusMode::dump;
  }
  return m_bBlockMode ? ZimStatusMode::block : ZimStatusMode::whole;
}

void CZimDialog::open_operation(std::initializer_list<int> disabled)
{
  m_pEngine->set_active(true);
  m_pEngine->set_output_active(false);
  m_pEngine->clear_output();
  m_pEngine->print("Please reset the STB!\n");
  enable(disabled, false);
  m_bOperation = 1;
}

void CZimDialog::close_operation(std::initializer_list<int> enabled)
{
  m_pEngine->set_active(false);
  apply_status({status_mode(), kZimStatusIdle, 0, 0});
  m_pEngine->set_output_active(true);
  enable(enabled, true);
}

// --- whole image ---

void CZimDialog::OnBrowseImage()
{
  char path[kOpenFilePathSize] = {};
  if (!ask_open_file_name(m_hWnd, kAllFilesFilter, path)) {
    return;
  }
  SetDlgItemText(IDC_IMAGE_PATH, path);
  FILE* file = std::fopen(path, "rb");
  if (file == nullptr) {
    AfxMessageBox("Failed to open selected file!");
    return;
  }
  m_nImageSize = static_cast<uint32_t>(file_length(file));
  std::fclose(file);
  m_imagePath = path;
  m_bImageChosen = 1;
}

bool CZimDialog::compress_image()
{
  FILE* image = std::fopen(m_imagePath.c_str(), "rb");
  if (image == nullptr) {
    AfxMessageBox("Failed to open selected file!");
    return false;
  }
  std::vector<uint8_t> bytes(m_nImageSize);
  bool read = std::fread(bytes.data(), 1, bytes.size(), image) == bytes.size();
  std::fclose(image);
  if (!read) {
    AfxMessageBox("Failed to read selected file!");
    return false;
  }
  std::string temp = get_exe_directory() + kFlashTempName;
  std::string zipped = temp + ".gz";
  // A compressed file left by an earlier run must never be sent in place of
  // this image.
  std::remove(zipped.c_str());
  bool opened = false;
  if (!write_whole_file(temp, bytes.data(), m_nImageSize, opened)) {
    AfxMessageBox("Failed to open tmp file!");
    return false;
  }
  char command[MAX_PATH + 32];
  std::snprintf(command, sizeof command, kGzipCommand, temp.c_str());
  if (m_pRunner->start(command, false)) {
    for (DWORD waited = 0; m_pRunner->is_running() && waited < kGzipTimeLimitMs; waited += kGzipPollMs) {
      Sleep(kGzipPollMs);
    }
    if (m_pRunner->is_running()) {
      m_pRunner->stop();
      std::remove(zipped.c_str());
      AfxMessageBox(kGzipHungMessage);
      return false;
    }
    if (m_pRunner->exit_code() != 0) {
      std::remove(zipped.c_str());
    }
  }
  FILE* gz = std::fopen(zipped.c_str(), "rb");
  if (gz == nullptr) {
    AfxMessageBox("Failed to open tmp.gz file!");
    return false;
  }
  m_nZippedSize = static_cast<uint32_t>(file_length(gz));
  std::fclose(gz);
  return true;
}

void CZimDialog::OnStart()
{
  if (!m_bImageChosen) {
    AfxMessageBox("Please Select a file to upgrade before start!");
    return;
  }
  if (!compress_image()) {
    return;
  }
  m_bDumpMode = 0;
  m_bBlockMode = 0;
  m_bReadMode = 0;
  show_status(kZimStatusReset, 0, 0);
  open_operation({IDC_DUMP, IDC_START, IDC_CANCEL_DUMP, IDC_CONNECT});
}

void CZimDialog::OnExitButton()
{
  end_upgrade();
}

void CZimDialog::OnExit()
{
  if (on_window_thread()) {
    end_upgrade();
  } else {
    post_request(kRequestExit);
  }
}

void CZimDialog::end_upgrade()
{
  if (m_bOperation) {
    m_bOperation = 0;
    m_pEngine->stop();
  }
  close_operation({IDC_DUMP, IDC_START, IDC_CANCEL_DUMP, IDC_CONNECT});
}

uint32_t CZimDialog::image_size(bool raw) const
{
  return raw ? m_nImageSize : m_nZippedSize;
}

bool CZimDialog::read_zipped_image(uint8_t* buffer, uint32_t size)
{
  if (!m_bImageChosen) {
    show_message("Please Select a file to upgrade before start!");
    return false;
  }
  FILE* file = std::fopen((get_exe_directory() + kFlashTempName + ".gz").c_str(), "rb");
  if (file == nullptr) {
    show_message("Failed to open zipped file!");
    return false;
  }
  bool read = std::fread(buffer, 1, size, file) == size;
  std::fclose(file);
  return read;
}

// --- dump ---

void CZimDialog::OnSelchangeDumpSize()
{
  int index = static_cast<CComboBox*>(GetDlgItem(IDC_DUMP_SIZE))->GetCurSel();
  if (index >= 0 && index < static_cast<int>(std::size(kDumpSizes))) {
    m_nDumpSizeIndex = index;
    m_nDumpSize = kDumpSizes[index];
  }
}

void CZimDialog::OnBrowseDump()
{
  // A save dialog: the file is written when the dump has arrived, so an
  // existing file is not emptied by merely choosing it.
  char path[MAX_PATH] = {};
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = m_hWnd;
  dialog.lpstrFilter = kAllFilesFilter;
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
  if (!GetSaveFileNameA(&dialog)) {
    return;
  }
  SetDlgItemText(IDC_DUMP_PATH, path);
  bool existed = GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
  FILE* file = std::fopen(path, "ab");
  if (file == nullptr) {
    AfxMessageBox("Failed to open selected file!");
    return;
  }
  std::fclose(file);
  if (!existed) {
    std::remove(path);
  }
  m_dumpPath = path;
  m_bDumpFileChosen = 1;
}

void CZimDialog::OnDump()
{
  if (!m_bDumpFileChosen) {
    AfxMessageBox("Please Select a file to store the dump data!");
    return;
  }
  m_bDumpMode = 1;
  m_bBlockMode = 0;
  m_bReadMode = 0;
  show_status(kZimStatusReset, 0, 0);
  open_operation({IDC_DUMP, IDC_START, IDC_EXIT, IDC_CONNECT});
  m_pEngine->reserve_buffer(m_nDumpSize);
}

void CZimDialog::OnCancelDumpButton()
{
  end_dump();
}

void CZimDialog::OnCancelDump()
{
  if (on_window_thread()) {
    end_dump();
  } else {
    post_request(kRequestCancelDump);
  }
}

void CZimDialog::end_dump()
{
  m_bOperation = 0;
  m_pEngine->cancel();
  for (int i = 0; i < kQueueDrops; ++i) {
    m_pEngine->flush_queue();
    Sleep(1);
  }
  close_operation({IDC_DUMP, IDC_START, IDC_EXIT, IDC_CONNECT});
}

bool CZimDialog::write_dump_file(const uint8_t* buffer, uint32_t size)
{
  if (buffer == nullptr || size == 0) {
    return false;
  }
  bool opened = false;
  if (write_whole_file(m_dumpPath, buffer, size, opened)) {
    return true;
  }
  show_message(opened ? "Failed to write the dump file!" : "Failed to open the dump file!");
  return false;
}

// --- blocks ---

void CZimDialog::OnConnectButton()
{
  toggle_connection();
}

void CZimDialog::OnConnect()
{
  if (on_window_thread()) {
    toggle_connection();
  } else {
    post_request(kRequestConnect);
  }
}

void CZimDialog::toggle_connection()
{
  destroy_block_dialog();
  if (!m_bConnected) {
    m_bDumpMode = 0;
    m_bBlockMode = 1;
    show_status(kZimStatusReset, 0, 0);
    open_operation({IDC_DUMP, IDC_START, IDC_EXIT, IDC_CANCEL_DUMP, IDC_UPGRADE_BLOCK, IDC_READ_BLOCK});
    SetDlgItemText(IDC_CONNECT, kDisconnectText);
    m_bConnected = 1;
  } else {
    m_bOperation = 0;
    m_pEngine->cancel();
    for (int i = 0; i < kQueueDrops; ++i) {
      m_pEngine->flush_queue();
      Sleep(1);
    }
    close_operation({IDC_DUMP, IDC_START, IDC_EXIT, IDC_CANCEL_DUMP});
    enable({IDC_UPGRADE_BLOCK, IDC_READ_BLOCK}, false);
    SetDlgItemText(IDC_CONNECT, kConnectText);
    m_bConnected = 0;
    m_bBlockMode = 0;
  }
  m_bReadMode = 0;
  m_bDumpMode = 0;
}

void CZimDialog::enable_block_upgrade()
{
  post_request(kRequestEnableBlock);
}

void CZimDialog::OnUpgradeBlock()
{
  open_block_dialog(false);
}

void CZimDialog::OnReadBlock()
{
  open_block_dialog(true);
}

void CZimDialog::open_block_dialog(bool read)
{
  destroy_block_dialog();
  m_bReadMode = read ? 1 : 0;
  m_pBlockDialog = new ZimBlockDialog(this, read);
  if (!m_pBlockDialog->Create(IDD_ZIM_BLOCK, this)) {
    delete m_pBlockDialog;
    m_pBlockDialog = nullptr;
    return;
  }
  m_pBlockDialog->ShowWindow(SW_SHOW);
}

void CZimDialog::close_block_dialog()
{
  post_request(kRequestCloseBlocks);
}

void CZimDialog::destroy_block_dialog()
{
  if (m_pBlockDialog != nullptr) {
    m_pBlockDialog->DestroyWindow();
    delete m_pBlockDialog;
    m_pBlockDialog = nullptr;
  }
}

bool CZimDialog::read_block_file(uint8_t* buffer, uint32_t size, unsigned index)
{
  FILE* file = std::fopen(m_pEngine->link().entries()[index].path.c_str(), "rb");
  if (file == nullptr) {
    return false;
  }
  bool read = std::fread(buffer, 1, size, file) == size;
  std::fclose(file);
  return read;
}

bool CZimDialog::write_block_file(const uint8_t* buffer, unsigned index)
{
  const ZimBlockEntry& entry = m_pEngine->link().entries()[index];
  bool opened = false;
  if (write_whole_file(entry.path, buffer, entry.byte_count, opened)) {
    return true;
  }
  show_message(opened ? "Failed to write the dump file!" : "Failed to open the dump file!");
  return false;
}

// --- status and messages ---

void CZimDialog::show_status(int type, uint32_t done, uint32_t total)
{
  Status status = {status_mode(), type, done, total};
  if (on_window_thread()) {
    apply_status(status);
    return;
  }
  std::lock_guard<std::mutex> lock(m_statusLock);
  m_statuses.push_back(status);
  if (m_statuses.size() == 1) {
    PostMessage(WM_ZIM_STATUS);
  }
}

LRESULT CZimDialog::OnStatusPosted(WPARAM, LPARAM)
{
  std::deque<Status> statuses;
  {
    std::lock_guard<std::mutex> lock(m_statusLock);
    statuses.swap(m_statuses);
  }
  for (const Status& status : statuses) {
    apply_status(status);
  }
  return 0;
}

void CZimDialog::apply_status(const Status& status)
{
  int text = IDC_UPGRADE_STATUS;
  int bar = IDC_UPGRADE_PROGRESS;
  if (status.mode == ZimStatusMode::dump) {
    text = IDC_DUMP_STATUS;
    bar = IDC_DUMP_PROGRESS;
  } else if (status.mode == ZimStatusMode::block) {
    text = IDC_BLOCK_STATUS;
    bar = 0;
    if (status.type == kZimStatusTransfer || status.type == kZimStatusBurn) {
      if (m_pBlockDialog != nullptr) {
        m_pBlockDialog->show_status(status.type, status.done, status.total);
      }
      SetDlgItemText(IDC_BLOCK_STATUS, "");
      return;
    }
  }
  SetDlgItemText(text, zim_status_text(status.mode, status.type, status.done, status.total).c_str());
  if (bar != 0) {
    set_progress(bar, status.done, status.total);
  }
}

void CZimDialog::set_progress(int id, uint32_t done, uint32_t total)
{
  CProgressCtrl* bar = static_cast<CProgressCtrl*>(GetDlgItem(id));
  uint32_t percent = zim_progress_percent(done, total);
  if (percent >= 100) {
    bar->SetPos(100);
    Sleep(1);
    bar->SetPos(0);
  } else {
    bar->SetPos(static_cast<int>(percent));
  }
}

// The engine's worker asks these on its own thread, where a box has no
// owner: on top, so that korvo's window cannot hide it.
void CZimDialog::show_message(const char* text)
{
  AfxMessageBox(text, MB_OK | kWorkerBoxFlags);
}

bool CZimDialog::ask_retry(const char* text)
{
  return AfxMessageBox(text, MB_RETRYCANCEL | kWorkerBoxFlags) == IDRETRY;
}
