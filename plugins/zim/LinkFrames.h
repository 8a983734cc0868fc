#pragma once
// The bytes of the upgrade link: what zim sends to the target's start-up code,
// its upgrade client and its dump client. Numbers are little-endian unless a
// field says otherwise.
#include <cstddef>
#include <cstdint>
#include <vector>

// Start handshake: the target's start-up code sends the start byte after a
// reset, zim answers with the sync reply.
constexpr uint8_t kStartByte = 0xA5;
constexpr uint8_t kSyncReply = 0x60;

constexpr uint8_t kFrameStart = '#';
constexpr uint8_t kPacketMark = '*';
constexpr uint8_t kReplyOk = 'O';
constexpr uint8_t kReplyError = 'E';
// Bytes after an 'E' that carry the target's reason; zim does not read them.
constexpr std::size_t kErrorTrailerSize = 2;

constexpr uint8_t kCommandTest = 'P';
constexpr uint8_t kCommandCollect = 'Q';
constexpr uint8_t kCommandInform = 'R';
constexpr uint8_t kCommandDownload = 'S';
constexpr uint8_t kCommandBurn = 'T';
constexpr uint8_t kCommandFinish = 'U';
constexpr uint8_t kCommandRead = 'V';

constexpr char kLinkBanner[] = "QUORVIX P2P ZIM";
constexpr std::size_t kLinkBannerSize = sizeof(kLinkBanner) - 1;
constexpr uint8_t kCollectArgument = 'C';
constexpr uint8_t kWholeImageId = 0xFF;
constexpr uint8_t kModeZipped = 'Z';
constexpr uint8_t kModeRaw = 'N';
constexpr uint8_t kBurnProgress = 'B';
constexpr uint8_t kBurnDone = 'F';

constexpr std::size_t kCrcSize = 4;
// '#', letter, length byte, then the CRC-32 after the payload.
constexpr std::size_t kCommandOverhead = 7;
constexpr std::size_t kMaxCommandPayload = 117;
constexpr std::size_t kInformRecordSize = 5;
// 1 + 5 x 23 = 116 bytes: the most records one payload holds.
constexpr std::size_t kMaxInformBlocks = 23;

// '#', '*', big-endian sequence number, then the CRC-32 after the data.
constexpr std::size_t kPacketOverhead = 8;
constexpr std::size_t kMaxPacketData = 1024;
constexpr std::size_t kPacketReplySize = 3;
// Sequence numbers count modulo 0xFFFF: 0xFFFF itself is never sent.
constexpr uint32_t kSequenceModulus = 0xFFFF;

// The dump request is the connector's '#' frame of a memory read.
constexpr std::size_t kDumpRequestSize = 17;
constexpr std::size_t kDumpReplyHeaderSize = 9;
constexpr uint32_t kDumpRequestType = 3;
constexpr uint32_t kDumpRequestPayloadSize = 8;
constexpr std::size_t kMaxDumpPiece = 4096;
constexpr std::size_t kMaxReadPiece = 1024;
// Where the dump client sees the flash.
constexpr uint32_t kFlashMapAddress = 0x08000000;

// "zimclient.bin" travels behind a header: its length, 0, 0.
constexpr std::size_t kClientHeaderSize = 12;
constexpr char kUpgradeClientFile[] = "zimclient.bin";
constexpr char kDumpClientFile[] = "shell.img";

// The block table that COLLECT delivers: a header with the block count, then
// 48-byte entries.
constexpr std::size_t kTableHeaderSize = 20;
constexpr std::size_t kTableCountOffset = 16;
constexpr std::size_t kMaxBlocks = 64;
constexpr std::size_t kTableBufferSize = 3096;
constexpr std::size_t kMaxTableLength = kTableBufferSize - kCrcSize;

void put_u32(uint8_t* bytes, uint32_t value);
uint32_t get_u32(const uint8_t* bytes);
// CRC-32 as the target checks it: start 0xFFFFFFFF, no final complement.
uint32_t link_crc(const uint8_t* bytes, std::size_t count);

std::vector<uint8_t> build_command_frame(uint8_t letter, const uint8_t* payload, uint8_t length);
std::vector<uint8_t> build_data_packet(uint16_t sequence, const uint8_t* data, std::size_t size);
std::vector<uint8_t> build_dump_request(uint32_t address, uint32_t length);

uint16_t next_sequence(uint16_t sequence);
// Whether an acknowledged number covers the packet just sent: the same number
// or one a little ahead of it, counted round the wrap after 0xFFFE.
bool sequence_reached(uint16_t acknowledged, uint16_t sent);
