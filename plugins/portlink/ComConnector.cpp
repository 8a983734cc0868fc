#include "ComConnector.h"
#include "ComponentLock.h"
#include "ComponentNames.h"
#include "ComponentSystem.h"
#include "ErrorManager.h"
#include "HighSpeedPacket.h"
#include "NullComponent.h"
#include "SerialPort.h"
#include "TransportFrame.h"
#include "TransportProtocol.h"
#include "app/AfxMessageBox.h"
#include <algorithm>

namespace {

bool is_os_state_type(int32_t type)
{
  return type >= BUS_OS_APPS && type <= BUS_OS_MEMORY;
}

// What acquire hands out for a missing component belongs to the module that
// carries the map, so it is told by its name.
bool is_available(Component* component)
{
  return component != nullptr && NullComponent::instance() != *component;
}

}  // namespace

ComConnector::ComConnector(const std::string& name, ComponentSystem* system)
    : ComConnector(name, system, std::make_unique<SerialPort>())
{
}

ComConnector::ComConnector(const std::string& name, ComponentSystem* system, std::unique_ptr<SerialDevice> port)
    : Component(name, system),
      transport_(nullptr),
      open_(0),
      state_(kStarting),
      bytes_to_send_(0),
      pending_type_(TRANSPORT_IDLE),
      pending_len_(0),
      port_(std::move(port)),
      abort_(false),
      stopping_(false),
      worker_(nullptr),
      receive_buffer_()
{
  worker_ = CreateThread(nullptr, kWorkerStackSize, &ComConnector::worker_main, this, CREATE_SUSPENDED, nullptr);
  if (manager() != nullptr) {
    Component* transport = manager()->acquire(kTransportProtocolName);
    if (is_available(transport)) {
      transport_ = static_cast<TransportProtocol*>(transport);
    }
    Component* errors = manager()->acquire_error_manager();
    if (is_available(errors)) {
      static_cast<ErrorManager*>(errors)->add(this, kConnectorAlreadyConnected, kConnectorAlreadyConnectedText);
    }
  }
  send_buffer_.reset(new uint8_t[kSendBufferSize]);
  if (worker_ != nullptr) {
    ResumeThread(worker_);
  }
}

ComConnector::~ComConnector()
{
  stopping_ = true;
  port_->cancel();
  if (worker_ != nullptr) {
    WaitForSingleObject(worker_, INFINITE);
    CloseHandle(worker_);
  }
}

bool ComConnector::shareable() const
{
  return true;
}

std::string ComConnector::type_name() const
{
  return kConnectorTypeName;
}

int32_t ComConnector::request(BusMessage* message)
{
  if (message == nullptr) {
    return 0;
  }
  switch (message->type) {
  case BUS_SEND_FRAMED:
  case BUS_SEND_RAW:
  case BUS_MEMORY_READ:
  case BUS_REQUEST_4:
  case BUS_REQUEST_5:
  case BUS_OS_APPS:
  case BUS_OS_MSG_TRACE:
  case BUS_OS_TASK_STATUS:
  case BUS_OS_TEXT:
  case BUS_OS_STACKS:
  case BUS_OS_MEMORY:
    return start_send(*message) ? 1 : 0;
  case BUS_SEND_AFTER_HANDSHAKE_1:
  case BUS_SEND_AFTER_HANDSHAKE_2:
    return start_handshake(*message) ? 1 : 0;
  case BUS_QUERY_HIGH_SPEED:
    return port_->high_speed_usable() ? 1 : 0;
  case BUS_SET_HIGH_SPEED:
    return switch_high_speed(message->len != 0);
  case BUS_QUERY_BUSY:
    return pending_type_ != TRANSPORT_IDLE ? 1 : 0;
  case BUS_QUERY_OPEN:
    return is_open() ? 1 : 0;
  case BUS_ABORT:
    abort_ = true;
    if (transport_ != nullptr) {
      transport_->reset();
    }
    return 0;
  case BUS_EXPECT_REPLY:
    if (transport_ != nullptr) {
      transport_->expect_reply(message->len);
    }
    return 0;
  case BUS_RESET:
    if (transport_ != nullptr) {
      transport_->reset();
    }
    return 0;
  default:
    return 0;
  }
}

bool ComConnector::open(uint8_t index)
{
  ComponentLock lock(*this);
  if (open_ != 1) {
    open_ = port_->open(index) ? 1 : 0;
    if (open_ == 1) {
      return true;
    }
  }
  raise_connector_error();
  return false;
}

void ComConnector::close()
{
  ComponentLock lock(*this);
  port_->close();
  open_ = 0;
}

bool ComConnector::is_open()
{
  ComponentLock lock(*this);
  return open_ == 1;
}

bool ComConnector::start_send(const BusMessage& message)
{
  ComponentLock lock(*this);
  if (!can_take_send(message)) {
    return false;
  }
  bytes_to_send_ = take_send(message);
  expect_reply_for(message);
  // The worker leaves its read and sends; not earlier, so that the reply
  // finds the transport expecting it.
  state_ = kSending;
  abort_ = false;
  port_->cancel();
  return true;
}

bool ComConnector::start_handshake(const BusMessage& message)
{
  ComponentLock lock(*this);
  if (!can_take_send(message)) {
    return false;
  }
  bytes_to_send_ = take_send(message);
  state_ = kHandshaking;
  abort_ = false;
  // The target says nothing until it gets the header, so the worker's read
  // is broken off for the handshake to begin.
  port_->cancel();
  return true;
}

int32_t ComConnector::switch_high_speed(bool on)
{
  ComponentLock lock(*this);
  if (state_ == kReading) {
    port_->cancel();
  }
  Sleep(kHighSpeedSettle);
  int32_t high_baud = port_->high_baud();
  if (on && high_baud > 0) {
    uint8_t packet[kHighSpeedPacketSize];
    build_high_speed_packet(static_cast<uint32_t>(high_baud), packet);
    port_->write(packet, kHighSpeedPacketSize, kWriteTimeout);
  }
  port_->set_baud(on);
  Sleep(kHighSpeedSwitchWait);
  return 1;
}

bool ComConnector::can_take_send(const BusMessage& message) const
{
  if (transport_ == nullptr || pending_type_ != TRANSPORT_IDLE) {
    return false;
  }
  if (message.len < 0 || (message.len > 0 && message.data == nullptr)) {
    return false;
  }
  if (message.type == BUS_REQUEST_5 && message.len < 1) {
    return false;
  }
  return static_cast<uint32_t>(message.len) <= kSendBufferSize - kFrameHeaderSize;
}

uint32_t ComConnector::take_send(const BusMessage& message)
{
  pending_type_ = message.type;
  pending_len_ = message.len;
  return transport_->build_frame(message.type, send_buffer_.get(), static_cast<const uint8_t*>(message.data),
                                 static_cast<uint32_t>(message.len));
}

void ComConnector::expect_reply_for(const BusMessage& message)
{
  if (message.type == BUS_MEMORY_READ || message.type == BUS_REQUEST_4 || is_os_state_type(message.type)) {
    transport_->expect_reply(message.type);
  } else if (message.type == BUS_REQUEST_5) {
    if (static_cast<const uint8_t*>(message.data)[0] != 0) {
      transport_->expect_reply(BUS_REQUEST_5);
    } else {
      transport_->reset();
    }
  }
}

void ComConnector::raise_connector_error()
{
  if (manager() == nullptr) {
    return;
  }
  Component* errors = manager()->acquire_error_manager();
  if (is_available(errors)) {
    static_cast<ErrorManager*>(errors)->raise(this, kConnectorAlreadyConnected);
  }
}

bool ComConnector::target_is_little_endian() const
{
  return manager() == nullptr || manager()->little_endian() != 0;
}

DWORD WINAPI ComConnector::worker_main(void* connector)
{
  static_cast<ComConnector*>(connector)->run_worker();
  return 0;
}

void ComConnector::run_worker()
{
  while (!stopping_) {
    switch (state_) {
    case kStarting: {
      // A request may have set a state already.
      int32_t starting = kStarting;
      state_.compare_exchange_strong(starting, kReading);
      break;
    }
    case kSending:
      send_pending();
      break;
    case kReading:
      receive();
      break;
    case kHandshaking:
      handshake();
      break;
    }
  }
}

void ComConnector::send_pending()
{
  const uint32_t total = bytes_to_send_;
  const uint32_t piece = total < kSmallSendLimit ? kSmallPiece : kLargePiece;
  uint32_t sent = 0;
  uint32_t remaining = total;
  while (remaining > 0) {
    if (abort_ || stopping_) {
      sent = 0;
      break;
    }
    uint32_t count = std::min(remaining, piece);
    uint32_t written = port_->write(send_buffer_.get() + sent, count, kWriteTimeout);
    if (written < count) {
      AfxMessageBox(kSendDataFailText, MB_OK);
      abort_ = true;
    }
    remaining -= written;
    sent += written;
    if (remaining == 0) {
      break;
    }
    broadcast_progress(sent);
    if (total < kSmallSendLimit) {
      Sleep(kSmallPiecePause);
    }
  }
  if (abort_) {
    sent = 0;
  }
  // Finished before the last progress goes out: a listener that sends the
  // next piece as soon as it hears of this one finds the connector free.
  bytes_to_send_ = 0;
  state_ = kReading;
  pending_type_ = TRANSPORT_IDLE;
  broadcast_progress(sent);
}

void ComConnector::receive()
{
  uint32_t got = port_->read(receive_buffer_, kReceiveSize, kNoTimeLimit);
  if (got > 0 && transport_ != nullptr) {
    transport_->parse_received(receive_buffer_, got);
  }
}

void ComConnector::handshake()
{
  uint8_t header[kFrameHeaderSize];
  write_frame_header(header, pending_type_, static_cast<uint32_t>(pending_len_), target_is_little_endian());
  if (port_->write(header, kFrameHeaderSize, kWriteTimeout) < kFrameHeaderSize) {
    AfxMessageBox(kSendAckFailText, MB_OK);
    abort_ = true;
    state_ = kSending;
    return;
  }
  for (int attempt = 0; attempt < kAcknowledgeTries && !stopping_; ++attempt) {
    uint8_t reply = 0;
    if (port_->read(&reply, 1, kAcknowledgeTimeout) == 1 && (reply == kFrameStart || abort_)) {
      state_ = kSending;
      return;
    }
  }
  if (!stopping_) {
    AfxMessageBox(kWaitAckFailText, MB_OK);
  }
  abort_ = true;
  state_ = kSending;
}

void ComConnector::broadcast_progress(uint32_t& sent)
{
  if (manager() != nullptr) {
    BusMessage progress{BUS_SEND_PROGRESS, sizeof sent, &sent};
    manager()->broadcast(this, &progress);
  }
}
