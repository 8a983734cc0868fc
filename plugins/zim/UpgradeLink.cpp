#include "UpgradeLink.h"
#include "LinkChannel.h"
#include "ZimView.h"
#include <algorithm>
#include <cstring>
#include <fstream>
#include <utility>

namespace {

// Result time-outs of the commands, in milliseconds.
constexpr uint32_t kTestTimeoutMs = 1000;
constexpr uint32_t kCollectTimeoutMs = 3000;
constexpr uint32_t kInformTimeoutMs = 5000;
constexpr uint32_t kDownloadTimeoutMs = 3000;
constexpr uint32_t kBurnTimeoutMs = 1000;
constexpr uint32_t kFinishTimeoutMs = 1000;
constexpr uint32_t kReadTimeoutMs = 3000;

// Other waits, in milliseconds.
constexpr uint32_t kAcknowledgeTimeoutMs = 1000;
constexpr uint32_t kErrorTrailerTimeoutMs = 1000;
constexpr uint32_t kBannerEchoTimeoutMs = 2000;
constexpr uint32_t kTableTimeoutMs = 1000;
constexpr uint32_t kPacketReplyTimeoutMs = 2000;
constexpr uint32_t kEndByteTimeoutMs = 3000;
constexpr uint32_t kBurnStatusTimeoutMs = 20000;
constexpr uint32_t kBurnPercentTimeoutMs = 2000;
constexpr uint32_t kReadPieceTimeoutMs = 1000;
constexpr uint32_t kDumpPieceTimeoutMs = 2000;
// The target's client needs a moment between the command that announces a
// transfer and the transfer itself.
constexpr uint32_t kSettleMs = 1000;

constexpr int kCommandAttempts = 3;
constexpr int kCollectTries = 10;
constexpr int kPacketTries = 10;
constexpr int kBurnCommandCalls = 3;
constexpr int kReadCommandCalls = 3;
// A piece that comes back damaged this many times in a row ends the read or
// dump: a target that keeps sending bad pieces would otherwise hold the link
// until the user cancels.
constexpr int kPieceAttempts = 3;

constexpr uint32_t kPercent = 100;

std::vector<uint8_t> inform_payload(std::size_t count, const ZimBlockEntry* entries, bool whole)
{
  std::vector<uint8_t> payload(1 + count * kInformRecordSize);
  payload[0] = static_cast<uint8_t>(count);
  for (std::size_t i = 0; i < count; ++i) {
    uint8_t* record = &payload[1 + i * kInformRecordSize];
    record[0] = whole ? kWholeImageId : entries[i].announced_id;
    put_u32(record + 1, entries[i].byte_count);
  }
  return payload;
}

uint16_t table_block_count(const uint8_t* table)
{
  return static_cast<uint16_t>(table[kTableCountOffset] | table[kTableCountOffset + 1] << 8);
}

// The number of entries a table of this length holds, as far as both the
// table and the block dialog's 64 entries can take them.
std::size_t entries_that_fit(uint32_t length)
{
  if (length < kTableHeaderSize) {
    return 0;
  }
  return std::min(kMaxBlocks, (length - kTableHeaderSize) / kFlashBlockEntrySize);
}

}  // namespace

UpgradeLink::UpgradeLink(LinkChannel& channel, const std::string& client_directory)
    : channel_(channel), client_directory_(client_directory),
      data_(new uint8_t[kDataCapacityThreshold]), data_size_(kDataCapacityThreshold)
{
  whole_image_entry_.id = kWholeImageId;
  whole_image_entry_.announced_id = kWholeImageId;
}

bool UpgradeLink::operation_goes_on() const
{
  return view_ != nullptr && view_->is_operation_active() && channel_.running();
}

void UpgradeLink::reserve_data(uint32_t size)
{
  if (size > kDataCapacityThreshold && data_size_ != size) {
    // Allocated before the old one goes, so that a failure leaves it whole.
    std::unique_ptr<uint8_t[]> replacement(new uint8_t[size]);
    data_ = std::move(replacement);
    data_size_ = size;
  }
}

std::size_t UpgradeLink::send_client_image(bool dump)
{
  view_->show_status(kZimStatusSync, 0, kPercent);
  std::size_t header = dump ? 0 : kClientHeaderSize;
  std::size_t size = 0;
  if (!load_client(client_directory_ + (dump ? kDumpClientFile : kUpgradeClientFile), header, size)) {
    if (channel_.running()) {
      view_->show_message("Failed to open zipped file!");
    }
    return 0;
  }
  if (!dump) {
    put_u32(&data_[0], static_cast<uint32_t>(size));
    put_u32(&data_[4], 0);
    put_u32(&data_[8], 0);
  }
  std::size_t total = header + size;
  return channel_.send_and_wait(data_.get(), total) ? total : 0;
}

bool UpgradeLink::load_client(const std::string& path, std::size_t header, std::size_t& size)
{
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  std::streamoff length = file.tellg();
  if (!file || length < 0) {
    return false;
  }
  size = static_cast<std::size_t>(length);
  reserve_data(static_cast<uint32_t>(header + size));
  file.seekg(0);
  return static_cast<bool>(file.read(reinterpret_cast<char*>(&data_[header]), static_cast<std::streamsize>(size)));
}

bool UpgradeLink::send_command(uint8_t letter, const uint8_t* payload, std::size_t length, uint32_t timeout_ms)
{
  if (length > kMaxCommandPayload) {
    return false;
  }
  std::vector<uint8_t> frame = build_command_frame(letter, payload, static_cast<uint8_t>(length));
  for (int attempt = 0; attempt < kCommandAttempts; ++attempt) {
    channel_.flush_queue();
    if (!channel_.send_and_wait(frame.data(), frame.size())) {
      return false;
    }
    uint8_t reply = 0;
    if (!channel_.read_bytes(&reply, 1, kAcknowledgeTimeoutMs)) {
      channel_.print("Failed to get CMD response!\n");
      continue;
    }
    if (reply != kReplyOk) {
      continue;
    }
    if (letter == kCommandFinish) {
      return true;
    }
    if (!channel_.read_bytes(&reply, 1, timeout_ms)) {
      continue;
    }
    if (reply == kReplyOk) {
      return true;
    }
    uint8_t trailer[kErrorTrailerSize];
    if (reply == kReplyError && channel_.read_bytes(trailer, kErrorTrailerSize, kErrorTrailerTimeoutMs)) {
      channel_.print("Slave report Error!\n");
      return false;
    }
  }
  return false;
}

bool UpgradeLink::test_link()
{
  channel_.print("Start to check serial...\n");
  const uint8_t* banner = reinterpret_cast<const uint8_t*>(kLinkBanner);
  if (!send_command(kCommandTest, banner, kLinkBannerSize, kTestTimeoutMs)) {
    channel_.print("\n!!TEST CMD fail-1!");
    return false;
  }
  uint8_t echo[kLinkBannerSize];
  if (!channel_.read_bytes(echo, kLinkBannerSize, kBannerEchoTimeoutMs)) {
    channel_.print("\n!!TEST CMD fail-2!");
    return false;
  }
  if (std::memcmp(echo, banner, kLinkBannerSize) != 0) {
    channel_.print("\n!!TEST CMD fail-3!\n");
    return false;
  }
  return true;
}

bool UpgradeLink::collect_info()
{
  channel_.print("\nStart to collect slave info...");
  table_length_ = 0;
  for (int attempt = 0; attempt < kCollectTries; ++attempt) {
    channel_.flush_queue();
    if (!send_command(kCommandCollect, &kCollectArgument, 1, kCollectTimeoutMs)) {
      return false;
    }
    uint8_t length_bytes[4];
    if (!channel_.read_bytes(length_bytes, sizeof length_bytes, kTableTimeoutMs)) {
      continue;
    }
    uint32_t length = get_u32(length_bytes);
    // A length the buffer cannot hold is treated like a garbled reply.
    if (length > kMaxTableLength || !channel_.read_bytes(table_.data(), length + kCrcSize, kTableTimeoutMs)) {
      continue;
    }
    if (link_crc(table_.data(), length) != get_u32(&table_[length])) {
      continue;
    }
    if (length < kTableHeaderSize || table_block_count(table_.data()) > entries_that_fit(length)) {
      channel_.print("\n!!COLLECT: block table does not fit!");
      return false;
    }
    table_length_ = length;
    channel_.print("\nCollect info OK!");
    return true;
  }
  channel_.print("\n!!COLLECT: send command failed!");
  return false;
}

std::vector<FlashBlockEntry> UpgradeLink::collected_blocks() const
{
  std::vector<FlashBlockEntry> blocks;
  if (table_length_ < kTableHeaderSize) {
    return blocks;
  }
  std::size_t count = std::min<std::size_t>(table_block_count(table_.data()), entries_that_fit(table_length_));
  for (std::size_t i = 0; i < count; ++i) {
    blocks.push_back(FlashBlockEntry::from_bytes(&table_[kTableHeaderSize + i * kFlashBlockEntrySize]));
  }
  return blocks;
}

bool UpgradeLink::inform_blocks(std::size_t count, const ZimBlockEntry* entries)
{
  bool whole = count == 1 && entries[0].id == kWholeImageId;
  if (!whole && count > kMaxInformBlocks) {
    channel_.print("\n!!INFORM: too many blocks!");
    return false;
  }
  whole_image_ = whole ? 1 : 0;
  std::vector<uint8_t> payload = inform_payload(count, entries, whole);
  if (!send_command(kCommandInform, payload.data(), payload.size(), kInformTimeoutMs)) {
    return false;
  }
  channel_.print("\nInform slave OK!");
  return true;
}

bool UpgradeLink::download_data(bool zipped, std::size_t index)
{
  channel_.print("\nPrepare to download...");
  bool whole = whole_image();
  if (!whole && index >= entries_.size()) {
    return false;
  }
  uint8_t id = whole ? kWholeImageId : entries_[index].id;
  uint32_t count = whole ? view_->image_size(false) : entries_[index].byte_count;
  // The data is at hand before the target is told to expect it.
  if (!fill_download(whole, index, count)) {
    return false;
  }
  uint8_t payload[6] = {id, zipped ? kModeZipped : kModeRaw};
  put_u32(&payload[2], count);
  if (!send_command(kCommandDownload, payload, sizeof payload, kDownloadTimeoutMs)) {
    return false;
  }
  channel_.flush_queue();
  if (!channel_.pause(kSettleMs)) {
    return false;
  }
  channel_.print("\nStart downloading data...");
  uint16_t sequence = 0;
  uint32_t sent = 0;
  while (sent < count) {
    uint32_t size = std::min<uint32_t>(kMaxPacketData, count - sent);
    if (!send_data_packet(build_data_packet(sequence, &data_[sent], size), sequence)) {
      return false;
    }
    sent += size;
    sequence = next_sequence(sequence);
    view_->show_status(kZimStatusTransfer, sent, count);
  }
  channel_.print("\nEnd downloading!");
  return receive_end_of_transfer();
}

bool UpgradeLink::fill_download(bool whole, std::size_t index, uint32_t count)
{
  reserve_data(count);
  if (count == 0) {
    return true;
  }
  return whole ? view_->read_zipped_image(data_.get(), count)
               : view_->read_block_file(data_.get(), count, static_cast<unsigned>(index));
}

bool UpgradeLink::send_data_packet(const std::vector<uint8_t>& packet, uint16_t sequence)
{
  for (int attempt = 0;; ++attempt) {
    if (attempt == kPacketTries) {
      channel_.print("\nUpgrade fail, Please start again!");
      return false;
    }
    if (!operation_goes_on() || !channel_.send_and_wait(packet.data(), packet.size())) {
      return false;
    }
    uint8_t reply[kPacketReplySize];
    if (!channel_.read_bytes(reply, sizeof reply, kPacketReplyTimeoutMs)) {
      if (operation_goes_on() && !view_->ask_retry("Connection error! retry or not?")) {
        return false;
      }
      continue;
    }
    if (reply[0] == kReplyOk) {
      uint16_t acknowledged = static_cast<uint16_t>(reply[1] << 8 | reply[2]);
      if (sequence_reached(acknowledged, sequence)) {
        return true;
      }
      channel_.print("packet sequence error, retry...\n");
      channel_.flush_queue();
    } else if (reply[0] == kReplyError) {
      channel_.print("\nSlave error, retransfer...!");
      channel_.flush_queue();
    }
  }
}

bool UpgradeLink::receive_end_of_transfer()
{
  uint8_t end = 0;
  if (!channel_.read_bytes(&end, 1, kEndByteTimeoutMs)) {
    // A target that stays silent has taken the data; a wait that ended
    // because the operation was cancelled has not seen it through.
    return operation_goes_on();
  }
  if (end == kReplyOk) {
    channel_.print("\nSlave respose OK!");
    return true;
  }
  if (end == kReplyError) {
    uint8_t trailer[kErrorTrailerSize];
    channel_.read_bytes(trailer, kErrorTrailerSize, kErrorTrailerTimeoutMs);
    channel_.print("\nremote ERR!");
  }
  if (operation_goes_on()) {
    view_->show_message("Upgrade Failed!");
  }
  return false;
}

bool UpgradeLink::burn_flash()
{
  channel_.print("\nVerify burning flash...");
  bool accepted = false;
  for (int call = 0; call < kBurnCommandCalls && !accepted; ++call) {
    accepted = send_command(kCommandBurn, nullptr, 0, kBurnTimeoutMs);
  }
  if (!accepted) {
    channel_.print("\nburn: send command fail!");
    return false;
  }
  channel_.print("\nStart burning flash, DONOT POWOFF!\n");
  while (operation_goes_on()) {
    uint8_t status = 0;
    if (!channel_.read_bytes(&status, 1, kBurnStatusTimeoutMs)) {
      if (operation_goes_on()) {
        channel_.print("\nReceive burn info timeout!");
      }
      return false;
    }
    if (status == kBurnProgress) {
      uint8_t percent = 0;
      if (channel_.read_bytes(&percent, 1, kBurnPercentTimeoutMs)) {
        view_->show_status(kZimStatusBurn, percent, kPercent);
      }
    } else if (status == kBurnDone) {
      channel_.print("\nBurning flash OK!\n\n");
      view_->show_status(kZimStatusBurn, kPercent, kPercent);
      return true;
    } else if (status == kReplyError) {
      channel_.print("\nburning flash error!");
      return false;
    }
  }
  return false;
}

bool UpgradeLink::finish()
{
  return send_command(kCommandFinish, nullptr, 0, kFinishTimeoutMs);
}

bool UpgradeLink::read_piece(uint8_t* destination, uint32_t size, std::size_t header_size, uint32_t timeout_ms)
{
  std::vector<uint8_t> reply(header_size + size + kCrcSize);
  if (!channel_.read_bytes(reply.data(), reply.size(), timeout_ms)) {
    return false;
  }
  const uint8_t* piece = &reply[header_size];
  if (link_crc(piece, size) != get_u32(piece + size)) {
    return false;
  }
  std::memcpy(destination, piece, size);
  return true;
}

bool UpgradeLink::read_block(std::size_t index)
{
  if (index >= entries_.size()) {
    return false;
  }
  const ZimBlockEntry& entry = entries_[index];
  uint32_t length = entry.byte_count;
  reserve_data(length);
  if (length == 0) {
    return true;
  }
  channel_.flush_queue();
  if (!channel_.pause(kSettleMs)) {
    return false;
  }
  uint32_t done = 0;
  int bad_pieces = 0;
  while (done < length) {
    uint32_t size = std::min<uint32_t>(kMaxReadPiece, length - done);
    uint8_t payload[9] = {entry.id};
    put_u32(&payload[1], entry.offset + done);
    put_u32(&payload[5], size + kCrcSize);
    bool accepted = false;
    for (int call = 0; call < kReadCommandCalls && !accepted; ++call) {
      accepted = send_command(kCommandRead, payload, sizeof payload, kReadTimeoutMs);
    }
    if (!accepted) {
      channel_.print("\nRead: send command fail!");
      return false;
    }
    if (!read_piece(&data_[done], size, 0, kReadPieceTimeoutMs)) {
      channel_.flush_queue();
      if (++bad_pieces == kPieceAttempts) {
        channel_.print("\nRead: piece check fail!");
        return false;
      }
      continue;
    }
    bad_pieces = 0;
    done += size;
    view_->show_status(kZimStatusTransfer, done, length);
  }
  return true;
}

bool UpgradeLink::dump_flash(uint32_t address, uint32_t length)
{
  if (length == 0) {
    return true;
  }
  view_->show_status(kZimStatusTransfer, 0, length);
  channel_.flush_queue();
  if (!channel_.pause(kSettleMs)) {
    return false;
  }
  reserve_data(length);
  uint32_t done = 0;
  int bad_pieces = 0;
  while (done < length) {
    uint32_t size = std::min<uint32_t>(kMaxDumpPiece, length - done);
    if (!operation_goes_on()) {
      channel_.flush_queue();
      return false;
    }
    std::vector<uint8_t> request = build_dump_request(address + done, size + kCrcSize);
    channel_.send_and_wait(request.data(), request.size());
    if (!operation_goes_on()) {
      channel_.flush_queue();
      return false;
    }
    bool good = read_piece(&data_[done], size, kDumpReplyHeaderSize, kDumpPieceTimeoutMs);
    if (!operation_goes_on()) {
      channel_.flush_queue();
      return false;
    }
    if (!good) {
      channel_.flush_queue();
      if (++bad_pieces == kPieceAttempts) {
        channel_.print("\nDump: piece check fail!");
        return false;
      }
      continue;
    }
    bad_pieces = 0;
    done += size;
    view_->show_status(kZimStatusTransfer, done, length);
  }
  return true;
}
