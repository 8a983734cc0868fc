#pragma once
#include <cstdint>

// The codes a bus message carries. Requests go to one component, broadcasts
// to every active component but the sender.
enum BusMessageType : int32_t {
  BUS_SEND_FRAMED = 0,
  BUS_SEND_AFTER_HANDSHAKE_1 = 1,
  BUS_SEND_AFTER_HANDSHAKE_2 = 2,
  BUS_MEMORY_READ = 3,
  BUS_REQUEST_4 = 4,
  BUS_REQUEST_5 = 5,
  BUS_OS_APPS = 7,
  BUS_OS_MSG_TRACE = 8,
  BUS_OS_TASK_STATUS = 9,
  BUS_OS_TEXT = 10,
  BUS_OS_STACKS = 11,
  BUS_OS_MEMORY = 12,
  BUS_QUERY_HIGH_SPEED = 13,
  BUS_SET_HIGH_SPEED = 14,
  BUS_SEND_RAW = 15,
  BUS_QUERY_BUSY = 16,
  BUS_QUERY_OPEN = 17,
  BUS_SEND_PROGRESS = 18,
  BUS_ABORT = 19,
  BUS_READ_DONE = 21,
  BUS_READ_CRC_ERROR = 22,
  BUS_READ_OK = 23,
  BUS_EXPECT_REPLY = 25,
  BUS_TEXT = 26,
  BUS_CLEAR_TEXT = 27,
  BUS_RESET = 28,
  BUS_RAW_TASK_LIST = 29,
  BUS_RAW_MSG_QUEUE = 30,
  TRANSPORT_IDLE = 32,
};

// Crosses module boundaries as it is: plain, 32-bit fields. The sender owns it
// and what it points to for the duration of the call only.
struct BusMessage {
  int32_t type;
  int32_t len;
  void* data;
};
