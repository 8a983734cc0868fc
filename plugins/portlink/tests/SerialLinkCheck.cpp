// Runs against the simulated set-top box on a real COM port (a pty under
// Wine), started by serial_link_check.sh: KORVO_TEST_PORT names the port,
// KORVO_TEST_RAM_HEX the bytes the script put at the start of target RAM.
#include "BusEventRecorder.h"
#include "ComConnector.h"
#include "ComponentNames.h"
#include "ComponentSystem.h"
#include "Crc32.h"
#include "ErrorManager.h"
#include "SerialPort.h"
#include "TransportFrame.h"
#include "TransportProtocol.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr uint32_t kTargetRamBase = 0x80000000;
constexpr uint32_t kCheckSize = 4;

std::string environment(const char* name)
{
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

std::string from_hex(const std::string& hex)
{
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  }
  return bytes;
}

int index_of(SerialDevice& port, const std::string& name)
{
  port.enumerate();
  for (std::size_t i = 0; i < port.ports().size(); ++i) {
    if (port.ports()[i].name == name) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

std::string read_until(SerialPort& port, const std::string& wanted)
{
  std::string received;
  for (int attempt = 0; attempt < 50 && received.find(wanted) == std::string::npos; ++attempt) {
    uint8_t buffer[256];
    uint32_t got = port.read(buffer, sizeof buffer, 100);
    received.append(reinterpret_cast<const char*>(buffer), got);
  }
  return received;
}

TEST(SerialPortOnALine, EnumeratesOpensAndTalks)
{
  SerialPort port;
  int index = index_of(port, environment("KORVO_TEST_PORT"));
  ASSERT_GE(index, 0) << "the port is not listed";
  ASSERT_TRUE(port.open(static_cast<uint8_t>(index)));
  EXPECT_FALSE(port.high_speed_usable());
  const std::string typed = "echo line check\r";
  EXPECT_EQ(typed.size(), port.write(reinterpret_cast<const uint8_t*>(typed.data()),
                                     static_cast<uint32_t>(typed.size()), 1000));
  EXPECT_NE(std::string::npos, read_until(port, "\rline check\r\n").find("\rline check\r\n"));
  port.close();
}

TEST(SerialPortOnALine, CancelBreaksAWaitingReadEvenWhenItCameFirst)
{
  SerialPort port;
  int index = index_of(port, environment("KORVO_TEST_PORT"));
  ASSERT_GE(index, 0);
  ASSERT_TRUE(port.open(static_cast<uint8_t>(index)));
  uint32_t got = 1;
  std::thread reader([&] {
    uint8_t buffer[16];
    got = port.read(buffer, sizeof buffer, kNoTimeLimit);
  });
  Sleep(200);
  port.cancel();
  reader.join();
  EXPECT_EQ(0u, got);

  port.cancel();
  uint8_t buffer[16];
  EXPECT_EQ(0u, port.read(buffer, sizeof buffer, kNoTimeLimit));
  port.close();
}

TEST(SerialPortOnALine, AReadTakesEverythingThatHasCome)
{
  SerialPort port;
  int index = index_of(port, environment("KORVO_TEST_PORT"));
  ASSERT_GE(index, 0);
  ASSERT_TRUE(port.open(static_cast<uint8_t>(index)));
  const std::string typed = "flood 3000\r";
  port.write(reinterpret_cast<const uint8_t*>(typed.data()), static_cast<uint32_t>(typed.size()), 1000);
  std::vector<uint8_t> buffer(0x10000);
  uint32_t first = port.read(buffer.data(), 1, 2000);
  ASSERT_EQ(1u, first);
  Sleep(1000);
  uint32_t got = port.read(buffer.data() + 1, static_cast<uint32_t>(buffer.size() - 1), 1000);
  std::string received(buffer.begin(), buffer.begin() + 1 + got);
  EXPECT_NE(std::string::npos, received.find("flood done\r\nstb> ")) << got << " bytes in the second read";
  EXPECT_EQ(0u, port.read(buffer.data(), static_cast<uint32_t>(buffer.size()), 100));
  port.close();
}

class ConnectorOnALine : public ::testing::Test {
protected:
  ConnectorOnALine()
  {
    new ErrorManager(&system);
    transport = new TransportProtocol(&system);
    recorder = new BusEventRecorder(kOutputName, &system);
    connector = new ComConnector(kConnectorName, &system);
  }

  ~ConnectorOnALine() override { system.deinit(); }

  int32_t request(int32_t type, const std::string& payload)
  {
    BusMessage message{type, static_cast<int32_t>(payload.size()), const_cast<char*>(payload.data())};
    return connector->request(&message);
  }

  int32_t request(int32_t type, int32_t len)
  {
    BusMessage message{type, len, nullptr};
    return connector->request(&message);
  }

  // A request record: address (or parameter) and length in the target's order.
  static std::string record(uint32_t first, uint32_t second)
  {
    std::string bytes(8, '\0');
    write_target_u32(reinterpret_cast<uint8_t*>(&bytes[0]), first, true);
    write_target_u32(reinterpret_cast<uint8_t*>(&bytes[4]), second, true);
    return bytes;
  }

  bool wait_for_reply_end(int32_t type)
  {
    return recorder->wait_until([type](const std::vector<BusEventRecorder::Event>& events) {
      for (const BusEventRecorder::Event& event : events) {
        if (event.type == type && event.len == static_cast<int32_t>(kReplyEnd)) {
          return true;
        }
      }
      return false;
    });
  }

  void open()
  {
    int index = index_of(connector->port(), environment("KORVO_TEST_PORT"));
    ASSERT_GE(index, 0);
    ASSERT_TRUE(connector->open(static_cast<uint8_t>(index)));
  }

  ComponentSystem system;
  TransportProtocol* transport;
  BusEventRecorder* recorder;
  ComConnector* connector;
};

TEST_F(ConnectorOnALine, TypedKeysReachTheTargetAndItsOutputTheBus)
{
  ASSERT_NO_FATAL_FAILURE(open());
  EXPECT_EQ(1, request(BUS_QUERY_OPEN, 0));
  ASSERT_EQ(1, request(BUS_SEND_RAW, std::string("echo through the connector\r")));
  EXPECT_TRUE(recorder->wait_until([](const std::vector<BusEventRecorder::Event>& events) {
    return BusEventRecorder::bytes_of(events, BUS_TEXT).find("\rthrough the connector\r\nstb> ") != std::string::npos;
  })) << BusEventRecorder::bytes_of(recorder->events(), BUS_TEXT);
  EXPECT_EQ(0, request(BUS_QUERY_BUSY, 0));
}

TEST_F(ConnectorOnALine, MemoryReadComesBackWithItsCheckValue)
{
  const std::string ram = from_hex(environment("KORVO_TEST_RAM_HEX"));
  ASSERT_FALSE(ram.empty());
  ASSERT_NO_FATAL_FAILURE(open());
  const uint32_t length = static_cast<uint32_t>(ram.size()) + kCheckSize;
  ASSERT_EQ(1, request(BUS_MEMORY_READ, record(kTargetRamBase, length)));
  ASSERT_TRUE(recorder->wait_until([length](const std::vector<BusEventRecorder::Event>& events) {
    return BusEventRecorder::bytes_of(events, BUS_MEMORY_READ).size() >= length;
  }));
  const std::string reply = recorder->bytes_of(BUS_MEMORY_READ);
  ASSERT_EQ(length, reply.size());
  EXPECT_EQ(ram, reply.substr(0, ram.size()));
  uint32_t table[256];
  crc32_build_table(table);
  uint32_t check = crc32_update(table, 0xFFFFFFFF, ram.data(), ram.size());
  EXPECT_EQ(check, read_target_u32(reinterpret_cast<const uint8_t*>(reply.data()) + ram.size(), true));
  EXPECT_EQ(TRANSPORT_IDLE, transport->expected_type());
}

TEST_F(ConnectorOnALine, OsStateTextArrivesInFramesUntilItsEnd)
{
  ASSERT_NO_FATAL_FAILURE(open());
  ASSERT_EQ(1, request(BUS_OS_TEXT, record(0, 0)));
  ASSERT_TRUE(wait_for_reply_end(BUS_OS_TEXT)) << [this] {
    std::string list;
    for (const BusEventRecorder::Event& event : recorder->events()) {
      list += std::to_string(event.type) + "/" + std::to_string(event.len) + " ";
    }
    return list;
  }();
  EXPECT_FALSE(recorder->bytes_of(BUS_OS_TEXT).empty());
  EXPECT_EQ(TRANSPORT_IDLE, transport->expected_type());
}

TEST_F(ConnectorOnALine, HandshakeSendsThePayloadAfterTheTargetsAcknowledge)
{
  ASSERT_NO_FATAL_FAILURE(open());
  const std::string payload = "handshake payload";
  ASSERT_EQ(1, request(BUS_SEND_AFTER_HANDSHAKE_1, payload));
  ASSERT_TRUE(recorder->wait_for_progress(static_cast<uint32_t>(payload.size())));
  EXPECT_EQ(0, request(BUS_QUERY_BUSY, 0));
}

TEST_F(ConnectorOnALine, HighSpeedSwitchAndBack)
{
  ASSERT_NO_FATAL_FAILURE(open());
  EXPECT_EQ(0, request(BUS_QUERY_HIGH_SPEED, 0));
  EXPECT_EQ(1, request(BUS_SET_HIGH_SPEED, 1));
  EXPECT_EQ(1, request(BUS_SET_HIGH_SPEED, 0));
  // Still talking at the normal rate.
  ASSERT_EQ(1, request(BUS_SEND_RAW, std::string("echo back to normal\r")));
  EXPECT_TRUE(recorder->wait_until([](const std::vector<BusEventRecorder::Event>& events) {
    return BusEventRecorder::bytes_of(events, BUS_TEXT).find("\rback to normal\r\n") != std::string::npos;
  }));
  connector->close();
  EXPECT_EQ(0, request(BUS_QUERY_OPEN, 0));
}

}  // namespace
