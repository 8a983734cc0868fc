#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Sub-block markers of a target task-list reply (type 7).
constexpr uint32_t kMarkerAttachedBuffers = 0xFFFB;
constexpr uint32_t kMarkerCommonMessages = 0xFFFC;
constexpr uint32_t kMarkerMessageQueue = 0xFFFD;
constexpr uint32_t kMarkerTaskList = 0xFFFE;
// Ends a reply of types 7 to 12.
constexpr uint32_t kMarkerEnd = 0xFFFF;

// Turns the target operating system's state blocks into console text. Fields
// are read little-endian, exactly as received; counts taken from a block never
// lead outside its bytes, and the text of one block stays within
// kTextCapacity bytes (lines that would not fit are left out).
class OsStateFormatter {
public:
  static constexpr std::size_t kTextCapacity = 1024000;
  static constexpr std::size_t kTaskRecordSize = 32;
  static constexpr std::size_t kTaskNameSize = 20;
  static constexpr std::size_t kQueueRecordSize = 12;
  static constexpr std::size_t kAttachedBufferRecordSize = 20;
  static constexpr std::size_t kTraceRecordSize = 28;
  static constexpr std::size_t kTaskStatusHeaderSize = 12;
  static constexpr std::size_t kTaskStatusRecordSize = 18;
  static constexpr std::size_t kStackRecordSize = 12;
  static constexpr std::size_t kAllocPairsOffset = 36;
  static constexpr std::size_t kFreePairsOffset = 804;
  static constexpr std::size_t kMaxAllocPairs = 96;

  // A sub-block of the task-list reply, by its marker. A task list restarts
  // the numbering of the message-queue blocks that follow it.
  std::string format_apps_block(uint32_t marker, const uint8_t* block, std::size_t count);
  // A whole reply of type 8 (message trace), 9 (task status), 11 (stacks) or
  // 12 (memory); empty for any other type.
  std::string format_block(int32_t type, const uint8_t* block, std::size_t count) const;

  int32_t queue_counter() const { return queue_counter_; }

private:
  int32_t queue_counter_ = 0;
};
