#include "OsStateFormatter.h"
#include "BusMessage.h"
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <utility>

namespace {

// Reads fields of a block; bytes beyond its end read as 0.
class BlockReader {
public:
  BlockReader(const uint8_t* block, std::size_t count) : block_(block), count_(count) {}

  uint32_t u8(std::size_t offset) const { return offset < count_ ? block_[offset] : 0; }
  uint32_t u16(std::size_t offset) const { return u8(offset) | (u8(offset + 1) << 8); }
  uint32_t u32(std::size_t offset) const { return u16(offset) | (u16(offset + 2) << 16); }
  int32_t s32(std::size_t offset) const { return static_cast<int32_t>(u32(offset)); }
  // A text field of at most size bytes that may lack its terminating zero.
  std::string text(std::size_t offset, std::size_t size) const
  {
    std::string field;
    for (std::size_t i = offset; i < offset + size && i < count_ && block_[i] != 0; ++i) {
      field += static_cast<char>(block_[i]);
    }
    return field;
  }

private:
  const uint8_t* block_;
  std::size_t count_;
};

// The text of one block, in whole lines, never longer than the text buffer.
class TextBuilder {
public:
  __attribute__((format(printf, 2, 3))) void add(const char* format, ...)
  {
    if (full_) {
      return;
    }
    va_list arguments;
    va_start(arguments, format);
    char line[1024];
    int length = std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    if (length < 0 || static_cast<std::size_t>(length) >= sizeof line ||
        text_.size() + static_cast<std::size_t>(length) >= OsStateFormatter::kTextCapacity) {
      full_ = true;
      return;
    }
    text_.append(line, static_cast<std::size_t>(length));
  }

  std::string take() { return std::move(text_); }

private:
  std::string text_;
  bool full_ = false;
};

// The flags word of message-queue and message-trace records.
struct MessageFlags {
  explicit MessageFlags(uint32_t word)
      : is_brd(static_cast<int>(word & 1)),
        is_ext(static_cast<int>((word >> 1) & 1)),
        is_sync(static_cast<int>((word >> 2) & 1)),
        is_trans(static_cast<int>((word >> 4) & 1)),
        content(word >> 5)
  {
  }

  int is_brd;
  int is_ext;
  int is_sync;
  int is_trans;
  unsigned content;
};

// A value or a record's index as the target's %d shows it. One template: on
// the 32-bit build uint32_t and std::size_t are the same type.
template <typename Unsigned>
int as_int(Unsigned value)
{
  return static_cast<int>(value);
}

void format_task_list(TextBuilder& text, const BlockReader& block, std::size_t count)
{
  text.add("\nap_id  name    used    full    in    out   depth   msg_pool_cur");
  for (std::size_t k = 0; k < count / OsStateFormatter::kTaskRecordSize; ++k) {
    std::size_t at = k * OsStateFormatter::kTaskRecordSize;
    std::string name = block.text(at + 8, OsStateFormatter::kTaskNameSize);
    text.add("\n%d      %s      %d       %d       %d    %d    %d   0x%x", as_int(k), name.c_str(),
             as_int(block.u8(at)), as_int(block.u8(at + 1)), as_int(block.u16(at + 2)), as_int(block.u16(at + 4)),
             as_int(block.u16(at + 6)), block.u32(at + 28));
  }
}

void format_message_queue(TextBuilder& text, const BlockReader& block, std::size_t count, int32_t queue_number)
{
  text.add("\n\nmsgq info of ap %d", static_cast<int>(queue_number));
  text.add("\nis_brd   is_ext   is_sync   is_trans    content      para1       para2");
  for (std::size_t k = 0; k < count / OsStateFormatter::kQueueRecordSize; ++k) {
    std::size_t at = k * OsStateFormatter::kQueueRecordSize;
    MessageFlags flags(block.u32(at));
    text.add("\n%d          %d          %d      %d          0x%x     0x%x         0x%x", flags.is_brd, flags.is_ext,
             flags.is_sync, flags.is_trans, flags.content, block.u32(at + 4), block.u32(at + 8));
  }
}

void format_common_messages(TextBuilder& text, const BlockReader& block, std::size_t count)
{
  for (std::size_t k = 0; k < count / 4; ++k) {
    text.add("\ncommon msg addr: 0x%x", block.u32(k * 4));
  }
}

void format_attached_buffers(TextBuilder& text, const BlockReader& block, std::size_t count)
{
  text.add("\nattached buffer info:");
  for (std::size_t k = 0; k < count / OsStateFormatter::kAttachedBufferRecordSize; ++k) {
    std::size_t at = k * OsStateFormatter::kAttachedBufferRecordSize;
    if (block.u8(at) == 0) {
      continue;
    }
    text.add("\nref addr: 0x%x, atom size: %d, depth: %d, in: %d, out: %d, start addr: 0x%x", block.u32(at + 4),
             as_int(block.u16(at + 8)), as_int(block.u16(at + 10)), as_int(block.u16(at + 12)),
             as_int(block.u16(at + 14)), block.u32(at + 16));
  }
}

void format_message_trace(TextBuilder& text, const BlockReader& block, std::size_t count)
{
  text.add("\nticks  S/R  msgq_id   cur_task_prio  qleft  qin_i  qout_i  b_in  b_out");
  text.add("  is_brd  is_ext  is_sync  is_trans  content  para1  para2");
  for (std::size_t k = 0; k < count / OsStateFormatter::kTraceRecordSize; ++k) {
    std::size_t at = k * OsStateFormatter::kTraceRecordSize;
    MessageFlags flags(block.u32(at + 4));
    text.add("\n%d  %c      %d            %d          %d     %d      %d      %d      %d      %d       %d       %d"
             "          %d     0x%x   0x%x   0x%x",
             block.s32(at), as_int(block.u8(at + 16)), as_int(block.u8(at + 17)), as_int(block.u8(at + 18)),
             as_int(block.u8(at + 19)), as_int(block.u16(at + 20)), as_int(block.u16(at + 22)),
             as_int(block.u16(at + 24)), as_int(block.u16(at + 26)), flags.is_brd, flags.is_ext, flags.is_sync,
             flags.is_trans, flags.content, block.u32(at + 8), block.u32(at + 12));
  }
}

void format_task_status(TextBuilder& text, const BlockReader& block, std::size_t count)
{
  text.add("\nstruct size: %d\ntask num: %d\ntask created: %d                  \ninterrupt level: %d\nintExitY: "
           "%d\nlock nesting level: %d\t\t\t\t\t  \ncur priority: %d\nhighest priority ready: %d\nos running: "
           "%d\t\t\t\t\t  \nCurrent CPU usage:%d\n",
           as_int(block.u16(0)), as_int(block.u8(2)), as_int(block.u8(3)), as_int(block.u8(4)), as_int(block.u8(5)),
           as_int(block.u8(6)), as_int(block.u8(7)), as_int(block.u8(8)), as_int(block.u8(9)), as_int(block.u8(10)));
  if (count <= OsStateFormatter::kTaskStatusHeaderSize) {
    return;
  }
  std::size_t records = (count - OsStateFormatter::kTaskStatusHeaderSize) / OsStateFormatter::kTaskStatusRecordSize;
  for (std::size_t k = 0; k < records; ++k) {
    std::size_t at = OsStateFormatter::kTaskStatusHeaderSize + k * OsStateFormatter::kTaskStatusRecordSize;
    std::string name = block.text(at + 11, 5);
    std::string status = block.text(at + 5, 5);
    text.add("\nprio[%d]: name[%.5s] status[%.5s](%d) cpu usage[%d] switch cnt[%d]", as_int(block.u8(at + 4)),
             name.c_str(), status.c_str(), as_int(block.u8(at + 3)), as_int(block.u8(at + 2)),
             as_int(block.u16(at)));
  }
}

void format_stacks(TextBuilder& text, const BlockReader& block, std::size_t count)
{
  for (std::size_t k = 0; k < count / OsStateFormatter::kStackRecordSize; ++k) {
    std::size_t at = k * OsStateFormatter::kStackRecordSize;
    text.add("stack[%d]: start[0x%x], size[%d], used[%d], free[%d]\n", as_int(k), block.u32(at), block.s32(at + 4),
             as_int(block.u16(at + 8)), as_int(block.u16(at + 10)));
  }
  text.add("\n");
}

// How many {start, size} pairs to show: what the block says, within the
// pairs that lie in the block before limit_offset and at most max_pairs.
std::size_t pair_count(int32_t stated, std::size_t count, std::size_t offset, std::size_t limit_offset,
                       std::size_t max_pairs)
{
  if (stated <= 0 || count <= offset) {
    return 0;
  }
  std::size_t present = (std::min(count, limit_offset) - offset) / 8;
  return std::min({static_cast<std::size_t>(stated), present, max_pairs});
}

void format_memory(TextBuilder& text, const BlockReader& block, std::size_t count)
{
  text.add("bss_start: 0x%x\nbss_end: 0x%x\nheap_start: 0x%x\nheap_size: 0x%x\nsys_part_start: 0x%x\n"
           "sys_part_size: 0x%x\natom_size: 0x%x\n",
           block.u32(0), block.u32(4), block.u32(8), block.u32(12), block.u32(16), block.u32(20), block.u32(24));
  int32_t total_alloc = block.s32(28);
  int32_t total_free = block.s32(32);
  text.add("\nsys_partition info: total alloc[%d], total free[%d]\n", total_alloc, total_free);
  std::size_t allocs = pair_count(total_alloc, count, OsStateFormatter::kAllocPairsOffset,
                                  OsStateFormatter::kFreePairsOffset, OsStateFormatter::kMaxAllocPairs);
  for (std::size_t k = 0; k < allocs; ++k) {
    std::size_t at = OsStateFormatter::kAllocPairsOffset + k * 8;
    text.add("alloc[%d]: start[0x%x], size[0x%x]\n", as_int(k), block.u32(at), block.u32(at + 4));
  }
  std::size_t frees = pair_count(total_free, count, OsStateFormatter::kFreePairsOffset, count, count);
  for (std::size_t k = 0; k < frees; ++k) {
    std::size_t at = OsStateFormatter::kFreePairsOffset + k * 8;
    text.add("free[%d]: start[0x%x], size[0x%x]\n", as_int(k), block.u32(at), block.u32(at + 4));
  }
  text.add("\n");
}

}  // namespace

std::string OsStateFormatter::format_apps_block(uint32_t marker, const uint8_t* block, std::size_t count)
{
  TextBuilder text;
  if (block == nullptr || count == 0) {
    return text.take();
  }
  BlockReader reader(block, count);
  switch (marker) {
  case kMarkerTaskList:
    format_task_list(text, reader, count);
    queue_counter_ = 0;
    break;
  case kMarkerMessageQueue:
    format_message_queue(text, reader, count, queue_counter_);
    ++queue_counter_;
    break;
  case kMarkerCommonMessages:
    format_common_messages(text, reader, count);
    break;
  case kMarkerAttachedBuffers:
    format_attached_buffers(text, reader, count);
    break;
  default:
    break;
  }
  return text.take();
}

std::string OsStateFormatter::format_block(int32_t type, const uint8_t* block, std::size_t count) const
{
  TextBuilder text;
  if (block == nullptr || count == 0) {
    return text.take();
  }
  BlockReader reader(block, count);
  switch (type) {
  case BUS_OS_MSG_TRACE:
    format_message_trace(text, reader, count);
    break;
  case BUS_OS_TASK_STATUS:
    format_task_status(text, reader, count);
    break;
  case BUS_OS_STACKS:
    format_stacks(text, reader, count);
    break;
  case BUS_OS_MEMORY:
    format_memory(text, reader, count);
    break;
  default:
    break;
  }
  return text.take();
}
