#pragma once
// The procedures of the upgrade link: client upload, the command exchange with
// the upgrade client (TEST, COLLECT, INFORM, DOWNLOAD with its data packets,
// BURN, FINISH, READ) and the flash dump. They block on a LinkChannel and know
// nothing of threads.
#include "FlashBlockEntry.h"
#include "LinkFrames.h"
#include "ZimBlockEntry.h"
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class LinkChannel;
class ZimView;

// The data buffer starts this large and is replaced, by one of exactly the
// transfer's size, only for a larger transfer. It is not filled: every
// procedure writes what it then uses, so its pages cost memory only once a
// transfer reaches them.
constexpr uint32_t kDataCapacityThreshold = 0x200000;

class UpgradeLink {
public:
  // Client images are read from client_directory (with its trailing
  // backslash).
  UpgradeLink(LinkChannel& channel, const std::string& client_directory);

  // The view must stay set while a procedure runs.
  void set_view(ZimView* view) { view_ = view; }

  // Sends "shell.img" bare, or "zimclient.bin" behind its header. Returns the
  // bytes sent, 0 when the file cannot be opened or the send fails.
  std::size_t send_client_image(bool dump);
  // One command exchange with up to 3 attempts.
  bool send_command(uint8_t letter, const uint8_t* payload, std::size_t length, uint32_t timeout_ms);
  bool test_link();
  // Leaves the target's block table in the table buffer.
  bool collect_info();
  bool inform_blocks(std::size_t count, const ZimBlockEntry* entries);
  // index: the block entry, unused while the whole image is announced.
  bool download_data(bool zipped, std::size_t index);
  bool burn_flash();
  bool finish();
  // Reads block entry index into the data buffer from offset 0.
  bool read_block(std::size_t index);
  // Reads length bytes from the target's address into the data buffer.
  bool dump_flash(uint32_t address, uint32_t length);

  // Replaces the data buffer by one of exactly size bytes when size is above
  // the threshold; a smaller size keeps the buffer as it is.
  void reserve_data(uint32_t size);
  uint8_t* data() { return data_.get(); }
  std::size_t data_size() const { return data_size_; }

  void clear_table() { table_.fill(0); }
  // The bytes of the last collected table, without its CRC.
  uint32_t table_length() const { return table_length_; }
  // The entries of the last collected table.
  std::vector<FlashBlockEntry> collected_blocks() const;

  std::array<ZimBlockEntry, kMaxBlocks>& entries() { return entries_; }
  uint16_t block_count() const { return block_count_; }
  void set_block_count(uint16_t count) { block_count_ = count; }
  ZimBlockEntry& whole_image_entry() { return whole_image_entry_; }
  bool whole_image() const { return whole_image_ != 0; }

private:
  bool operation_goes_on() const;
  // Reads the client file into the data buffer behind header bytes.
  bool load_client(const std::string& path, std::size_t header, std::size_t& size);
  bool send_data_packet(const std::vector<uint8_t>& packet, uint16_t sequence);
  bool receive_end_of_transfer();
  bool read_piece(uint8_t* destination, uint32_t size, std::size_t header_size, uint32_t timeout_ms);
  bool fill_download(bool whole, std::size_t index, uint32_t count);

  LinkChannel& channel_;
  ZimView* view_ = nullptr;
  std::string client_directory_;
  std::unique_ptr<uint8_t[]> data_;
  std::size_t data_size_;
  std::array<uint8_t, kTableBufferSize> table_{};
  uint32_t table_length_ = 0;
  std::array<ZimBlockEntry, kMaxBlocks> entries_{};
  uint16_t block_count_ = 0;
  uint8_t whole_image_ = 1;
  ZimBlockEntry whole_image_entry_;
};
