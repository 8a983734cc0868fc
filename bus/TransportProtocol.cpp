#include "TransportProtocol.h"
#include "BusMessage.h"
#include "ComponentNames.h"

TransportProtocol::TransportProtocol(ComponentSystem* system)
    : Component(kTransportProtocolName, system), state_{TRANSPORT_IDLE, 0, 0, {}, {}, {}}
{
}

bool TransportProtocol::shareable() const
{
  return false;
}

std::string TransportProtocol::type_name() const
{
  return "transport protocol";
}
