#pragma once
#include "BusMessage.h"
#include "Component.h"
#include "SerialDevice.h"
#include <windows.h>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TransportProtocol;

constexpr char kConnectorTypeName[] = "connector";
constexpr int32_t kConnectorAlreadyConnected = 0;
constexpr char kConnectorAlreadyConnectedText[] = "connector already connected";
constexpr char kSendDataFailText[] = "Send Data Fail!";
constexpr char kSendAckFailText[] = "send ack  fail!";
constexpr char kWaitAckFailText[] = "wait ack  fail!";

// "com connector": the bus component through which everything reaches the
// serial link. It owns the port and drives the transport protocol object;
// its worker thread does all reading, the sending and the handshake, and
// broadcasts what arrives and how a send progresses.
class ComConnector : public Component {
public:
  // The largest single send, its frame header included.
  static constexpr uint32_t kSendBufferSize = 0xA00000;
  // Reads take whatever has come, so a flood arrives in large pieces.
  static constexpr uint32_t kReceiveSize = 0x10000;
  // Small sends (typed keys) go out in small pieces with pauses.
  static constexpr uint32_t kSmallSendLimit = 100;
  static constexpr uint32_t kSmallPiece = 7;
  static constexpr uint32_t kLargePiece = 512;
  static constexpr DWORD kSmallPiecePause = 50;
  static constexpr int32_t kWriteTimeout = 1000;
  static constexpr int kAcknowledgeTries = 9;
  static constexpr int32_t kAcknowledgeTimeout = 200;
  static constexpr DWORD kWorkerStackSize = 0x4000;
  static constexpr DWORD kHighSpeedSettle = 500;
  static constexpr DWORD kHighSpeedSwitchWait = 2000;

  enum WorkerState : int32_t { kStarting = 0, kSending = 1, kReading = 2, kHandshaking = 3 };

  // With the Windows serial port.
  ComConnector(const std::string& name, ComponentSystem* system);
  ComConnector(const std::string& name, ComponentSystem* system, std::unique_ptr<SerialDevice> port);
  // Stops the worker and waits for it; the port closes with it.
  ~ComConnector() override;

  bool shareable() const override;
  std::string type_name() const override;
  int32_t request(BusMessage* message) override;

  // False, with the connector's error raised, when the port is open already
  // or cannot be opened.
  bool open(uint8_t index);
  void close();
  bool is_open();
  // The port table lives in the port: the connection view lists and edits it.
  SerialDevice& port() { return *port_; }

  ComConnector(const ComConnector&) = delete;
  ComConnector& operator=(const ComConnector&) = delete;

private:
  bool start_send(const BusMessage& message);
  bool start_handshake(const BusMessage& message);
  int32_t switch_high_speed(bool on);
  // Whether the message's payload can be taken into the send buffer; a send
  // that is still going on keeps the buffer.
  bool can_take_send(const BusMessage& message) const;
  uint32_t take_send(const BusMessage& message);
  void expect_reply_for(const BusMessage& message);
  void raise_connector_error();
  bool target_is_little_endian() const;

  static DWORD WINAPI worker_main(void* connector);
  void run_worker();
  void send_pending();
  void receive();
  void handshake();
  void broadcast_progress(uint32_t& sent);

  TransportProtocol* transport_;
  uint8_t open_;
  std::atomic<int32_t> state_;
  // Left unfilled: the pages of the large buffer cost memory only once a
  // frame that long is sent.
  std::unique_ptr<uint8_t[]> send_buffer_;
  uint32_t bytes_to_send_;
  // The type and length of the send in progress; TRANSPORT_IDLE when none.
  std::atomic<int32_t> pending_type_;
  int32_t pending_len_;
  std::unique_ptr<SerialDevice> port_;
  std::atomic<bool> abort_;
  std::atomic<bool> stopping_;
  HANDLE worker_;
  uint8_t receive_buffer_[kReceiveSize];
};
