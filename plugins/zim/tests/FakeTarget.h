#pragma once
// The target's side of the upgrade link for tests: takes each whole send of
// the host and answers as the start-up code, the upgrade client and the dump
// client do. It shares no code with zim's own framing.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// Bitwise CRC-32 as the target computes it (start 0xFFFFFFFF, no complement).
uint32_t reference_crc(const uint8_t* bytes, std::size_t count);
Bytes le32(uint32_t value);
Bytes text_bytes(const std::string& text);

struct FakeBlock {
  uint8_t id;
  uint32_t offset;
  uint32_t length;
  std::string name;
};

// The block table COLLECT reports: 20-byte header with the count at 16, then
// 48-byte entries.
Bytes block_table(const std::vector<FakeBlock>& blocks);

class FakeTarget {
public:
  enum class Mode { Boot, Upload, Client };

  FakeTarget();

  // One whole send of the host in, the target's answer out.
  Bytes receive(const Bytes& sent);

  // What the next commands, and the next data packets, get instead of the
  // normal answer, in order.
  std::deque<Bytes> scripted_replies;
  std::deque<Bytes> scripted_packet_replies;
  Mode mode = Mode::Client;
  Bytes flash;                  // READ offsets and dump addresses from the flash map
  Bytes table;                  // what COLLECT reports
  int bad_table_checks = 0;     // COLLECT replies with a wrong CRC still to give
  int bad_piece_checks = 0;     // READ and dump replies with a wrong CRC still to give
  Bytes end_of_transfer{'O'};   // after the last packet of a download
  Bytes burn_status{'B', 50, 'F'};
  std::set<uint8_t> refused_downloads;  // DOWNLOAD of these ids ends in 'E'

  // What it saw.
  Bytes client;                 // the uploaded client, as it came
  std::string commands;         // command letters in order
  std::vector<Bytes> payloads;  // their payloads
  int bad_frames = 0;
  std::vector<uint16_t> packet_sequences;
  std::vector<std::size_t> packet_sizes;
  std::map<uint8_t, Bytes> downloads;  // accepted data per block id
  std::vector<uint32_t> dump_addresses;

  int count(char letter) const;

private:
  Bytes command(const Bytes& frame);
  Bytes data_packet(const Bytes& packet);
  Bytes dump_piece(const Bytes& request);
  Bytes flash_piece(uint32_t offset, uint32_t size);

  uint8_t download_id_ = 0;
  uint32_t download_count_ = 0;
  uint16_t expected_sequence_ = 0;
};
