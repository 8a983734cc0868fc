// The transport protocol object is korvo's; its framing and its reply parser
// come with portlink, whose connector is the only one to drive them.
#include "TransportProtocol.h"
#include "BusMessage.h"
#include "ComponentSystem.h"
#include "ReplyParser.h"
#include "TransportFrame.h"

namespace {

// Hands the parser's events to every active component, the transport being
// the sender.
class BusReplyListener : public ReplyListener {
public:
  BusReplyListener(ComponentSystem* system, Component* sender) : system_(system), sender_(sender) {}

  void reply_event(int32_t type, int32_t length, const uint8_t* data) override
  {
    if (system_ == nullptr) {
      return;
    }
    // Listeners only read the bytes, and only during the call.
    BusMessage message{type, length, const_cast<uint8_t*>(data)};
    system_->broadcast(sender_, &message);
  }

private:
  ComponentSystem* system_;
  Component* sender_;
};

bool target_is_little_endian(const ComponentSystem* system)
{
  return system == nullptr || system->little_endian() != 0;
}

}  // namespace

uint32_t TransportProtocol::build_frame(int32_t type, uint8_t* destination, const uint8_t* data, uint32_t length)
{
  return build_transport_frame(type, destination, data, length, target_is_little_endian(manager()));
}

void TransportProtocol::expect_reply(int32_t type)
{
  ReplyParser::expect(state_, type);
}

void TransportProtocol::reset()
{
  ReplyParser::reset(state_);
}

void TransportProtocol::broadcast_text(const uint8_t* bytes, uint32_t count)
{
  BusReplyListener listener(manager(), this);
  ReplyParser(state_, target_is_little_endian(manager()), listener).text(bytes, count);
}

void TransportProtocol::parse_received(const uint8_t* bytes, uint32_t count)
{
  BusReplyListener listener(manager(), this);
  ReplyParser(state_, target_is_little_endian(manager()), listener).parse(bytes, count);
}
