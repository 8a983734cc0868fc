#pragma once
#include <cstdint>

// Status types the engine reports through show_status.
constexpr int kZimStatusIdle = 0;
constexpr int kZimStatusReset = 1;
constexpr int kZimStatusSync = 2;
constexpr int kZimStatusBlockTable = 3;
constexpr int kZimStatusTransfer = 4;
constexpr int kZimStatusBurn = 5;

// What the upgrade engine asks of zim's dialog about the operation it runs,
// and how it reports. Every call comes from the engine's worker thread (the
// operation flag also from the connector's thread): an implementation reads
// plain flags here and hands window work over to its own thread.
class ZimView {
public:
  virtual ~ZimView() = default;

  virtual bool is_operation_active() const = 0;
  virtual bool is_block_mode() const = 0;
  virtual bool is_read_mode() const = 0;
  virtual bool is_dump_mode() const = 0;
  // The chosen image's size: uncompressed when raw, else compressed.
  virtual uint32_t image_size(bool raw) const = 0;

  // Fill the buffer with exactly size bytes; false when the file cannot
  // supply them (after telling the user).
  virtual bool read_zipped_image(uint8_t* buffer, uint32_t size) = 0;
  virtual bool read_block_file(uint8_t* buffer, uint32_t size, unsigned index) = 0;
  // False when the file was not written whole (after telling the user).
  virtual bool write_dump_file(const uint8_t* buffer, uint32_t size) = 0;
  virtual bool write_block_file(const uint8_t* buffer, unsigned index) = 0;

  // Sync: client upload starts; block table collected; transfer: bytes
  // moved; burn: progress in percent.
  virtual void show_status(int type, uint32_t done, uint32_t total) = 0;
  virtual void enable_block_upgrade() = 0;

  // A message box with an OK button.
  virtual void show_message(const char* text) = 0;
  // A message box with Retry and Cancel; true for Retry.
  virtual bool ask_retry(const char* text) = 0;

  // The handlers that end an operation: end of dump, the Connect/Disconnect
  // toggle, Exit.
  virtual void OnCancelDump() = 0;
  virtual void OnConnect() = 0;
  virtual void OnExit() = 0;
};
