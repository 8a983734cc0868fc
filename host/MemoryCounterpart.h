#pragma once
#include "Component.h"
#include "OsStateFormatter.h"
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// The record a holder sends with a memory read (type 3) or an OS-state query
// (types 7 to 12); the message's len says how many of its bytes go to the
// target.
struct MemoryRequest {
  uint32_t address;  // the query's parameter for types 7 to 12
  // Bytes expected back (a memory read: data and its 4-byte CRC-32); the
  // destination holds at least this many bytes.
  uint32_t length;
  void* destination;
};
// At most the first kMemoryRequestSentBytes go to the target: the address, the length and
// the destination's low word, where a 32-bit build puts them too.
inline constexpr std::size_t kMemoryRequestSentBytes = 12;
static_assert(offsetof(MemoryRequest, length) == 4 && offsetof(MemoryRequest, destination) == 8,
              "the words sent to the target lie where the 32-bit record has them");

// "memcopy": passes memory reads and OS-state queries on to the connector,
// collects the reply that the transport broadcasts in pieces, checks memory
// reads with CRC-32, turns OS-state blocks into console text, and announces
// the end of a read on the bus. It listens only while a read is outstanding.
class MemoryCounterpart : public Component {
public:
  static constexpr std::size_t kReceiveCapacity = 0x1400000;
  static constexpr std::size_t kCrcSize = 4;

  explicit MemoryCounterpart(ComponentSystem* system);

  bool shareable() const override;
  std::string type_name() const override;
  int32_t request(BusMessage* message) override;
  int32_t notify(BusMessage* message) override;

  // The connector is open and idle, and no read of ours is outstanding.
  bool connector_ready();
  bool busy() const { return busy_ != 0; }

private:
  void start_read(BusMessage* message, Component* connector);
  // Adds what fits in the receive buffer; returns the bytes added.
  std::size_t append(const void* data, std::size_t count);
  void complete(int32_t type);
  void complete_memory_read();
  // Ends a read that the target ended short: announced as a failed check.
  void fail_memory_read();
  void complete_os_query(int32_t type);
  void finish_apps_block(uint32_t marker);
  // Copies to the destination what fits behind offset within the requested
  // length; returns the bytes copied.
  std::size_t copy_to_destination(std::size_t offset, const void* bytes, std::size_t count);
  void broadcast(int32_t type, std::size_t len, const void* data);

  ComponentSystem* system_;
  std::unique_ptr<uint8_t[]> received_bytes_;
  uint32_t received_;
  uint32_t remaining_;
  uint32_t text_total_;
  uint8_t busy_;
  uint32_t crc_table_[256];
  uint8_t* destination_;
  uint32_t destination_length_;
  OsStateFormatter formatter_;
};
