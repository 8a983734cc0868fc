#include "MemoryCounterpart.h"
#include "ComponentNames.h"
#include "ComponentSystem.h"
#include "Crc32.h"
#include <algorithm>
#include <cstring>

namespace {

bool is_marker(uint32_t n)
{
  return n >= kMarkerAttachedBuffers && n <= kMarkerEnd;
}

bool is_os_query(int32_t type)
{
  return type >= BUS_OS_APPS && type <= BUS_OS_MEMORY;
}

}  // namespace

MemoryCounterpart::MemoryCounterpart(ComponentSystem* system)
    : Component(kMemoryReaderName, system),
      system_(system),
      // Not filled: its pages cost memory only as a reply arrives in them.
      received_bytes_(new uint8_t[kReceiveCapacity]),
      received_(0),
      remaining_(0),
      text_total_(0),
      busy_(0),
      crc_table_(),
      destination_(nullptr),
      destination_length_(0)
{
  crc32_build_table(crc_table_);
}

bool MemoryCounterpart::shareable() const
{
  return true;
}

std::string MemoryCounterpart::type_name() const
{
  return "memory_counterpart";
}

bool MemoryCounterpart::connector_ready()
{
  Component* connector = system_->acquire(kConnectorName);
  BusMessage query_open{BUS_QUERY_OPEN, 0, nullptr};
  if (connector->request(&query_open) == 0 || busy_ != 0) {
    return false;
  }
  BusMessage query_busy{BUS_QUERY_BUSY, 0, nullptr};
  return connector->request(&query_busy) == 0;
}

int32_t MemoryCounterpart::request(BusMessage* message)
{
  Component* connector = system_->acquire(kConnectorName);
  if (!connector_ready() && message->type != BUS_RESET) {
    return 0;
  }
  if (message->type == BUS_MEMORY_READ || is_os_query(message->type)) {
    // What the connector frames is read from the record: never past its end.
    if (message->data == nullptr || message->len < 0 ||
        static_cast<std::size_t>(message->len) > kMemoryRequestSentBytes) {
      return 0;
    }
    // A memory read must fit the receive buffer to be checked.
    if (message->type == BUS_MEMORY_READ && static_cast<MemoryRequest*>(message->data)->length > kReceiveCapacity) {
      return 0;
    }
    start_read(message, connector);
    return 1;
  }
  switch (message->type) {
  case BUS_RESET:
    busy_ = 0;
    set_active(false);
    connector->request(message);
    return 1;
  case BUS_SEND_AFTER_HANDSHAKE_1:
    connector->request(message);
    return 1;
  default:
    return 0;
  }
}

void MemoryCounterpart::start_read(BusMessage* message, Component* connector)
{
  auto* record = static_cast<MemoryRequest*>(message->data);
  received_ = 0;
  text_total_ = 0;
  remaining_ = record->length;
  destination_ = static_cast<uint8_t*>(record->destination);
  destination_length_ = record->length;
  if (message->type == BUS_MEMORY_READ) {
    record->address = system_->swap32(record->address);
  }
  record->length = system_->swap32(record->length);
  if (remaining_ != 0) {
    // Listening before the request goes out, so no early reply is missed.
    busy_ = 1;
    set_active(true);
    connector->request(message);
  }
}

int32_t MemoryCounterpart::notify(BusMessage* message)
{
  const uint32_t n = static_cast<uint32_t>(message->len);
  if (busy_ == 0 || n == 0) {
    return 0;
  }
  if (message->type == BUS_MEMORY_READ) {
    if (n == kMarkerEnd) {
      // The exchange ended before all that was asked came.
      fail_memory_read();
      return 0;
    }
    // A sub-block marker is no byte count: a memory read has no sub-blocks.
    if (!is_marker(n)) {
      remaining_ -= static_cast<uint32_t>(append(message->data, std::min<std::size_t>(n, remaining_)));
    }
  } else if (message->type == BUS_OS_APPS) {
    if (n == kMarkerEnd) {
      remaining_ = 0;
    } else if (is_marker(n)) {
      finish_apps_block(n);
      received_ = 0;
    } else {
      append(message->data, n);
    }
  } else if (is_os_query(message->type)) {
    if (n == kMarkerEnd) {
      remaining_ = 0;
    } else if (!is_marker(n)) {
      append(message->data, n);
    }
  } else {
    return 0;
  }
  if (remaining_ == 0) {
    complete(message->type);
  }
  return 0;
}

std::size_t MemoryCounterpart::append(const void* data, std::size_t count)
{
  count = std::min(count, kReceiveCapacity - received_);
  if (data == nullptr || count == 0) {
    return 0;
  }
  std::memcpy(received_bytes_.get() + received_, data, count);
  received_ += static_cast<uint32_t>(count);
  return count;
}

void MemoryCounterpart::complete(int32_t type)
{
  busy_ = 0;
  set_active(false);
  if (type == BUS_MEMORY_READ) {
    complete_memory_read();
  } else if (type == BUS_OS_APPS) {
    broadcast(BUS_READ_DONE, text_total_, nullptr);
  } else {
    complete_os_query(type);
  }
}

void MemoryCounterpart::fail_memory_read()
{
  busy_ = 0;
  set_active(false);
  broadcast(BUS_READ_CRC_ERROR, 0, nullptr);
}

void MemoryCounterpart::complete_memory_read()
{
  if (received_ < kCrcSize) {
    broadcast(BUS_READ_CRC_ERROR, 0, nullptr);
    return;
  }
  const std::size_t data_length = received_ - kCrcSize;
  uint32_t stored = 0;
  std::memcpy(&stored, received_bytes_.get() + data_length, kCrcSize);
  if (crc32_update(crc_table_, 0xFFFFFFFF, received_bytes_.get(), data_length) != stored) {
    broadcast(BUS_READ_CRC_ERROR, 0, nullptr);
    return;
  }
  received_ = static_cast<uint32_t>(data_length);
  copy_to_destination(0, received_bytes_.get(), received_);
  broadcast(BUS_READ_OK, received_, nullptr);
}

void MemoryCounterpart::complete_os_query(int32_t type)
{
  std::size_t copied = 0;
  if (type == BUS_OS_TEXT) {
    // The target's reply is text already: it goes to the console only.
    if (received_ != 0) {
      broadcast(BUS_TEXT, received_, received_bytes_.get());
    }
    received_ = 0;
  } else {
    std::string text = formatter_.format_block(type, received_bytes_.get(), received_);
    if (!text.empty()) {
      broadcast(BUS_TEXT, text.size(), text.data());
    }
    received_ = static_cast<uint32_t>(text.size());
    copied = copy_to_destination(0, text.data(), text.size());
  }
  broadcast(BUS_READ_DONE, copied, nullptr);
}

void MemoryCounterpart::finish_apps_block(uint32_t marker)
{
  if (received_ == 0) {
    return;
  }
  if (marker == kMarkerTaskList) {
    broadcast(BUS_RAW_TASK_LIST, received_, received_bytes_.get());
  } else if (marker == kMarkerMessageQueue) {
    broadcast(BUS_RAW_MSG_QUEUE, received_, received_bytes_.get());
  }
  std::string text = formatter_.format_apps_block(marker, received_bytes_.get(), received_);
  if (text.empty()) {
    return;
  }
  broadcast(BUS_TEXT, text.size(), text.data());
  text_total_ += static_cast<uint32_t>(copy_to_destination(text_total_, text.data(), text.size()));
}

std::size_t MemoryCounterpart::copy_to_destination(std::size_t offset, const void* bytes, std::size_t count)
{
  if (destination_ == nullptr || offset >= destination_length_) {
    return 0;
  }
  count = std::min<std::size_t>(count, destination_length_ - offset);
  std::memcpy(destination_ + offset, bytes, count);
  return count;
}

void MemoryCounterpart::broadcast(int32_t type, std::size_t len, const void* data)
{
  BusMessage message{type, static_cast<int32_t>(len), const_cast<void*>(data)};
  system_->broadcast(this, &message);
}
