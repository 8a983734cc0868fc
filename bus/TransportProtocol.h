#pragma once
#include "Component.h"
#include "TransportState.h"
#include <cstddef>
#include <cstdint>

// The receive and framing state of the link to the target. korvo creates it;
// only its first acquirer, portlink's connector, drives it.
class TransportProtocol : public Component {
public:
  static constexpr std::size_t kHeaderSize = kTransportHeaderSize;
  static constexpr std::size_t kChunkSize = kTransportChunkSize;

  explicit TransportProtocol(ComponentSystem* system);

  bool shareable() const override;
  std::string type_name() const override;

  // The framing and the reply parser come with portlink, which defines these
  // (plugins/portlink/TransportProtocolLink.cpp); korvo never calls them.
  uint32_t build_frame(int32_t type, uint8_t* destination, const uint8_t* data, uint32_t length);
  void expect_reply(int32_t type);
  void reset();
  void broadcast_text(const uint8_t* bytes, uint32_t count);
  void parse_received(const uint8_t* bytes, uint32_t count);

  int32_t expected_type() const { return state_.expected_type; }
  int32_t parser_state() const { return state_.parser_state; }
  int32_t remaining() const { return state_.remaining; }

private:
  TransportState state_;
};
