#pragma once
#include "IniFile.h"
#include "TooltipWnd.h"
#include "ZimStatusText.h"
#include "ZimView.h"
#include "frames/CFormView.h"
#include <atomic>
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <mutex>
#include <string>

class ComponentSystem;
class ProcessRunner;
class ZimBlockDialog;
class ZimEngine;

constexpr uint32_t kDefaultDumpSize = 0x80000;
constexpr char kFlashTempName[] = "flashtmp";
constexpr char kGzipCommand[] = "gzip.exe -f \"%s\"";
constexpr DWORD kGzipPollMs = 100;
// A gzip.exe that has not ended by then is stopped: the wait holds the
// user-interface thread.
constexpr DWORD kGzipTimeLimitMs = 60000;
constexpr char kGzipHungMessage[] = "gzip.exe did not end within 60 seconds and was stopped!";
constexpr char kConnectText[] = "Connect";
constexpr char kDisconnectText[] = "Disconnect";

// zim's view: whole-image upgrade, flash dump and block work, each a group
// the settings file can hide. It owns the engine's questions about the
// operation; the engine's worker reaches it from its own thread, so window
// work asked for there is posted over to the window's thread.
class CZimDialog : public CFormView, public ZimView {
public:
  explicit CZimDialog(ComponentSystem* system);
  ~CZimDialog() override;

  BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
              UINT nID, CCreateContext* pContext = NULL) override;
  void OnInitialUpdate() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;

  ZimEngine* engine() const { return m_pEngine; }
  // The block dialog's Back.
  void close_block_dialog();

  bool is_operation_active() const override { return m_bOperation != 0; }
  bool is_block_mode() const override { return m_bBlockMode != 0; }
  bool is_read_mode() const override { return m_bReadMode != 0; }
  bool is_dump_mode() const override { return m_bDumpMode != 0; }
  uint32_t image_size(bool raw) const override;
  bool read_zipped_image(uint8_t* buffer, uint32_t size) override;
  bool read_block_file(uint8_t* buffer, uint32_t size, unsigned index) override;
  bool write_dump_file(const uint8_t* buffer, uint32_t size) override;
  bool write_block_file(const uint8_t* buffer, unsigned index) override;
  void show_status(int type, uint32_t done, uint32_t total) override;
  void enable_block_upgrade() override;
  void show_message(const char* text) override;
  bool ask_retry(const char* text) override;
  void OnCancelDump() override;
  void OnConnect() override;
  void OnExit() override;

protected:
  afx_msg void OnBrowseImage();
  afx_msg void OnStart();
  afx_msg void OnExitButton();
  afx_msg void OnSelchangeDumpSize();
  afx_msg void OnBrowseDump();
  afx_msg void OnDump();
  afx_msg void OnCancelDumpButton();
  afx_msg void OnConnectButton();
  afx_msg void OnUpgradeBlock();
  afx_msg void OnReadBlock();
  afx_msg LRESULT OnWorkerRequest(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnStatusPosted(WPARAM wParam, LPARAM lParam);

  DECLARE_MESSAGE_MAP()

private:
  struct Status {
    ZimStatusMode mode;
    int type;
    uint32_t done;
    uint32_t total;
  };

  bool on_window_thread() const;
  void post_request(int request);
  void apply_function_list();
  void add_tooltips();
  bool compress_image();
  ZimStatusMode status_mode() const;
  void open_operation(std::initializer_list<int> disabled);
  void close_operation(std::initializer_list<int> enabled);
  void enable(std::initializer_list<int> ids, bool on);
  void end_upgrade();
  void end_dump();
  void toggle_connection();
  void open_block_dialog(bool read);
  void destroy_block_dialog();
  void apply_status(const Status& status);
  void set_progress(int id, uint32_t done, uint32_t total);

  ComponentSystem* m_pSystem;
  ZimEngine* m_pEngine;
  std::atomic<int> m_bReadMode;
  IniFile m_settings;
  int m_bDumpGroup;
  int m_bWholeGroup;
  int m_bBlockGroup;
  std::string m_imagePath;
  std::atomic<int> m_bBlockMode;
  int m_nDumpSizeIndex;
  uint32_t m_nImageSize;
  uint32_t m_nZippedSize;
  int m_bImageChosen;
  std::atomic<int> m_bOperation;
  int m_bConnected;
  ProcessRunner* m_pRunner;
  std::string m_dumpPath;
  int m_bDumpFileChosen;
  std::atomic<int> m_bDumpMode;
  uint32_t m_nDumpSize;
  TooltipWnd m_tooltip;

  ZimBlockDialog* m_pBlockDialog;
  std::mutex m_statusLock;
  std::deque<Status> m_statuses;
};
