#include "FakeTarget.h"
#include <algorithm>

namespace {

constexpr uint32_t kFlashBase = 0x08000000;

uint32_t read_le32(const uint8_t* bytes)
{
  return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24;
}

Bytes joined(std::initializer_list<Bytes> parts)
{
  Bytes all;
  for (const Bytes& part : parts) {
    all.insert(all.end(), part.begin(), part.end());
  }
  return all;
}

const Bytes kOk{'O'};
const Bytes kDone{'O', 'O'};

}  // namespace

uint32_t reference_crc(const uint8_t* bytes, std::size_t count)
{
  uint32_t crc = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < count; ++i) {
    crc ^= bytes[i];
    for (int bit = 0; bit < 8; ++bit) {
      crc = (crc >> 1) ^ ((crc & 1) ? 0xEDB88320u : 0);
    }
  }
  return crc;
}

Bytes le32(uint32_t value)
{
  return {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16), uint8_t(value >> 24)};
}

Bytes text_bytes(const std::string& text)
{
  return Bytes(text.begin(), text.end());
}

Bytes block_table(const std::vector<FakeBlock>& blocks)
{
  Bytes table(20 + 48 * blocks.size(), 0);
  table[16] = uint8_t(blocks.size());
  table[17] = uint8_t(blocks.size() >> 8);
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    uint8_t* entry = &table[20 + 48 * i];
    entry[0] = blocks[i].id;
    Bytes offset = le32(blocks[i].offset);
    Bytes length = le32(blocks[i].length);
    std::copy(offset.begin(), offset.end(), entry + 4);
    std::copy(length.begin(), length.end(), entry + 8);
    std::copy_n(blocks[i].name.begin(), std::min<std::size_t>(blocks[i].name.size(), 8), entry + 24);
  }
  return table;
}

FakeTarget::FakeTarget() = default;

int FakeTarget::count(char letter) const
{
  return static_cast<int>(std::count(commands.begin(), commands.end(), letter));
}

Bytes FakeTarget::receive(const Bytes& sent)
{
  if (mode == Mode::Boot) {
    if (sent == Bytes{0x60}) {
      mode = Mode::Upload;
    }
    return {};
  }
  if (mode == Mode::Upload) {
    client = sent;
    mode = Mode::Client;
    return {};
  }
  if (sent.size() >= 2 && sent[0] == '#' && sent[1] == '*') {
    return data_packet(sent);
  }
  if (sent.size() == 17 && sent[0] == '#' && read_le32(&sent[1]) == 3 && read_le32(&sent[5]) == 8) {
    return dump_piece(sent);
  }
  if (sent.size() >= 7 && sent[0] == '#') {
    return command(sent);
  }
  return {};
}

Bytes FakeTarget::command(const Bytes& frame)
{
  uint8_t letter = frame[1];
  std::size_t length = frame[2];
  if (frame.size() != length + 7 || reference_crc(&frame[1], 2 + length) != read_le32(&frame[3 + length])) {
    ++bad_frames;
    return {'E', 0, 1};
  }
  Bytes payload(frame.begin() + 3, frame.begin() + 3 + static_cast<std::ptrdiff_t>(length));
  commands += static_cast<char>(letter);
  payloads.push_back(payload);
  if (!scripted_replies.empty()) {
    Bytes reply = scripted_replies.front();
    scripted_replies.pop_front();
    return reply;
  }
  switch (letter) {
  case 'P':
    return joined({kDone, payload});
  case 'Q': {
    uint32_t check = reference_crc(table.data(), table.size());
    if (bad_table_checks > 0) {
      --bad_table_checks;
      check ^= 1;
    }
    return joined({kDone, le32(static_cast<uint32_t>(table.size())), table, le32(check)});
  }
  case 'R':
    return kDone;
  case 'S':
    if (refused_downloads.count(payload[0]) != 0) {
      return {'O', 'E', 0, 2};
    }
    download_id_ = payload[0];
    download_count_ = read_le32(&payload[2]);
    downloads[download_id_].clear();
    expected_sequence_ = 0;
    return kDone;
  case 'T':
    return joined({kDone, burn_status});
  case 'U':
    return kOk;
  case 'V': {
    return joined({kDone, flash_piece(read_le32(&payload[1]), read_le32(&payload[5]) - 4)});
  }
  default:
    return {'O', 'E', 0, 3};
  }
}

Bytes FakeTarget::data_packet(const Bytes& packet)
{
  uint16_t sequence = static_cast<uint16_t>(packet[2] << 8 | packet[3]);
  std::size_t size = packet.size() - 8;
  packet_sequences.push_back(sequence);
  packet_sizes.push_back(size);
  if (!scripted_packet_replies.empty()) {
    Bytes reply = scripted_packet_replies.front();
    scripted_packet_replies.pop_front();
    return reply;
  }
  const uint8_t* data = &packet[4];
  if (reference_crc(data, size) != read_le32(data + size)) {
    return {'E', 0, 4};
  }
  Bytes ack{'O', packet[2], packet[3]};
  if (sequence != expected_sequence_) {
    return ack;
  }
  Bytes& received = downloads[download_id_];
  received.insert(received.end(), data, data + size);
  expected_sequence_ = static_cast<uint16_t>((sequence + 1) % 0xFFFF);
  if (received.size() >= download_count_) {
    ack.insert(ack.end(), end_of_transfer.begin(), end_of_transfer.end());
  }
  return ack;
}

Bytes FakeTarget::flash_piece(uint32_t offset, uint32_t size)
{
  Bytes piece(size, 0);
  if (offset < flash.size()) {
    std::copy_n(flash.begin() + offset, std::min<std::size_t>(size, flash.size() - offset), piece.begin());
  }
  uint32_t check = reference_crc(piece.data(), piece.size());
  if (bad_piece_checks > 0) {
    --bad_piece_checks;
    check ^= 1;
  }
  Bytes check_bytes = le32(check);
  piece.insert(piece.end(), check_bytes.begin(), check_bytes.end());
  return piece;
}

Bytes FakeTarget::dump_piece(const Bytes& request)
{
  uint32_t address = read_le32(&request[9]);
  uint32_t length = read_le32(&request[13]);
  dump_addresses.push_back(address);
  return joined({Bytes{'#'}, le32(3), le32(length), flash_piece(address - kFlashBase, length - 4)});
}
