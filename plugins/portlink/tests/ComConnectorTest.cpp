#include "BusEventRecorder.h"
#include "ComConnector.h"
#include "ComponentNames.h"
#include "ComponentSystem.h"
#include "ErrorManager.h"
#include "FakeSerialDevice.h"
#include "TransportProtocol.h"
#include "WindowDriver.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string header(uint32_t type, uint32_t length, bool little_endian = true)
{
  std::string bytes = "#";
  for (uint32_t value : {type, length}) {
    for (int i = 0; i < 4; ++i) {
      int shift = little_endian ? 8 * i : 8 * (3 - i);
      bytes += static_cast<char>((value >> shift) & 0xFF);
    }
  }
  return bytes;
}

// The connector on a fake port, with the transport and error manager korvo
// creates and a recorder in place of the listeners.
class ComConnectorTest : public ::testing::Test {
protected:
  ComConnectorTest()
  {
    errors = new ErrorManager(&system);
    transport = new TransportProtocol(&system);
    recorder = new BusEventRecorder(kUpgradeName, &system);
    // Puts the connector's own error second in the table.
    errors->add(recorder, 5, "recorder error");
    auto device = std::make_unique<FakeSerialDevice>();
    port = device.get();
    connector = new ComConnector(kConnectorName, &system, std::move(device));
  }

  ~ComConnectorTest() override
  {
    port->release_writes();
    system.deinit();
  }

  int32_t request(int32_t type, const std::string& payload)
  {
    BusMessage message{type, static_cast<int32_t>(payload.size()), const_cast<char*>(payload.data())};
    return connector->request(&message);
  }

  int32_t request(int32_t type, int32_t len = 0)
  {
    BusMessage message{type, len, nullptr};
    return connector->request(&message);
  }

  ComponentSystem system;
  ErrorManager* errors;
  TransportProtocol* transport;
  BusEventRecorder* recorder;
  FakeSerialDevice* port;
  ComConnector* connector;
};

TEST_F(ComConnectorTest, RawSendsGoOutInPiecesWithProgress)
{
  struct Case {
    uint32_t size;
    std::vector<std::size_t> pieces;
    std::vector<uint32_t> progress;
  };
  const Case cases[] = {
      {1, {1}, {1}},
      {20, {7, 7, 6}, {7, 14, 20}},
      {99, {7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 1},
       {7, 14, 21, 28, 35, 42, 49, 56, 63, 70, 77, 84, 91, 98, 99}},
      {100, {100}, {100}},
      {1000, {512, 488}, {512, 1000}},
  };
  std::string all_sent;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    recorder->clear();
    std::string payload(c.size, static_cast<char>('a' + c.size % 26));
    all_sent += payload;
    ASSERT_EQ(1, request(BUS_SEND_RAW, payload));
    ASSERT_TRUE(recorder->wait_for_progress(c.size));
    EXPECT_EQ(c.progress, recorder->progress());
    EXPECT_EQ(0, request(BUS_QUERY_BUSY));
  }
  std::vector<std::size_t> sizes;
  for (const std::string& piece : port->pieces()) {
    sizes.push_back(piece.size());
  }
  std::vector<std::size_t> expected_sizes;
  for (const Case& c : cases) {
    expected_sizes.insert(expected_sizes.end(), c.pieces.begin(), c.pieces.end());
  }
  EXPECT_EQ(expected_sizes, sizes);
  EXPECT_EQ(all_sent, port->written());
}

TEST_F(ComConnectorTest, FramedRequestsAreSentInTheTargetsByteOrderAndExpectTheirReply)
{
  // A framed send of type 0 leaves the expectation as it was.
  struct Case {
    int32_t type;
    bool little_endian;
    int32_t expected_after;
  };
  const Case cases[] = {
      {BUS_MEMORY_READ, true, BUS_MEMORY_READ},
      {BUS_OS_STACKS, false, BUS_OS_STACKS},
      {BUS_SEND_FRAMED, true, BUS_OS_STACKS},
  };
  const std::string payload("\x10\x00\x00\x80\x08\x00\x00\x00", 8);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    recorder->clear();
    std::string before = port->written();
    system.set_little_endian(c.little_endian ? 1 : 0);
    ASSERT_EQ(1, request(c.type, std::string(payload, 0, 8)));
    EXPECT_EQ(c.expected_after, transport->expected_type());
    ASSERT_TRUE(recorder->wait_for_progress(17));
    EXPECT_EQ(before + header(c.type, 8, c.little_endian) + std::string(payload, 0, 8), port->written());
  }
}

TEST_F(ComConnectorTest, Request5ExpectsRepliesOnlyForANonzeroFirstByte)
{
  ASSERT_EQ(1, request(BUS_REQUEST_5, std::string("\x01", 1)));
  EXPECT_EQ(BUS_REQUEST_5, transport->expected_type());
  ASSERT_TRUE(recorder->wait_for_progress(10));
  ASSERT_EQ(1, request(BUS_REQUEST_5, std::string("\x00", 1)));
  EXPECT_EQ(TRANSPORT_IDLE, transport->expected_type());
  EXPECT_EQ(0, request(BUS_REQUEST_5, std::string()));
}

TEST_F(ComConnectorTest, SendsThatCannotBeTakenAreRefused)
{
  std::string small = "abc";
  BusMessage too_long{BUS_SEND_RAW, static_cast<int32_t>(ComConnector::kSendBufferSize), &small[0]};
  BusMessage negative{BUS_SEND_RAW, -5, &small[0]};
  BusMessage no_data{BUS_MEMORY_READ, 8, nullptr};
  for (BusMessage* message : {&too_long, &negative, &no_data}) {
    EXPECT_EQ(0, connector->request(message));
  }
  EXPECT_EQ(0, request(BUS_QUERY_BUSY));
  EXPECT_TRUE(port->written().empty());
}

TEST_F(ComConnectorTest, BusyFromTheRequestUntilTheSendIsDoneAndSendsMeanwhileAreRefused)
{
  port->hold_writes();
  ASSERT_EQ(1, request(BUS_SEND_RAW, std::string(1000, 'f')));
  EXPECT_EQ(1, request(BUS_QUERY_BUSY));
  ASSERT_TRUE(port->wait_for_writes_begun(1));
  EXPECT_EQ(0, request(BUS_SEND_RAW, std::string(300, 's')));
  EXPECT_EQ(1, request(BUS_QUERY_BUSY));
  port->release_writes();
  ASSERT_TRUE(recorder->wait_for_progress(1000));
  EXPECT_EQ(0, request(BUS_QUERY_BUSY));
  EXPECT_EQ(std::string(1000, 'f'), port->written());
}

TEST_F(ComConnectorTest, AbortStopsASendAfterTheCurrentPieceAndResetsTheTransport)
{
  ASSERT_EQ(0, request(BUS_EXPECT_REPLY, BUS_MEMORY_READ));
  port->hold_writes();
  ASSERT_EQ(1, request(BUS_SEND_RAW, std::string(10000, 'x')));
  ASSERT_TRUE(port->wait_for_writes_begun(1));
  port->permit_writes(1);
  ASSERT_TRUE(port->wait_for_writes_begun(2));
  EXPECT_EQ(0, request(BUS_ABORT));
  EXPECT_EQ(TRANSPORT_IDLE, transport->expected_type());
  port->permit_writes(1);
  ASSERT_TRUE(recorder->wait_for_progress(0));
  EXPECT_EQ((std::vector<uint32_t>{512, 1024, 0}), recorder->progress());
  EXPECT_EQ(2u, port->pieces().size());
  EXPECT_EQ(0, request(BUS_QUERY_BUSY));
}

TEST_F(ComConnectorTest, ShortWriteShowsSendDataFailOnceAndReportsNothingSent)
{
  port->cut_write(0, 0);
  ASSERT_EQ(1, request(BUS_SEND_RAW, std::string(150, 'y')));
  EXPECT_EQ(kSendDataFailText, windriver::answer_message_box(GetCurrentProcessId()));
  ASSERT_TRUE(recorder->wait_until([](const std::vector<BusEventRecorder::Event>& events) {
    return events.size() == 2;
  }));
  EXPECT_EQ((std::vector<uint32_t>{0, 0}), recorder->progress());
  EXPECT_EQ(nullptr, windriver::find_dialog(GetCurrentProcessId()));
  EXPECT_EQ("", port->written());
}

TEST_F(ComConnectorTest, HandshakeSendsTheHeaderThenThePayloadBareOnceTheTargetAnswers)
{
  port->acknowledge_headers();
  ASSERT_EQ(1, request(BUS_SEND_AFTER_HANDSHAKE_1, std::string("PAYLOAD!")));
  ASSERT_TRUE(recorder->wait_for_progress(8));
  EXPECT_EQ((std::vector<std::string>{header(1, 8), "PAYLOAD", "!"}), port->pieces());
  EXPECT_EQ((std::vector<uint32_t>{7, 8}), recorder->progress());
}

TEST_F(ComConnectorTest, HandshakeFailuresShowTheirTextAndSendNothing)
{
  struct Case {
    bool header_cut;
    const char* text;
    std::string written;
  };
  const Case cases[] = {
      {true, kSendAckFailText, header(2, 4).substr(0, 5)},
      {false, kWaitAckFailText, header(2, 4)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    recorder->clear();
    std::string before = port->written();
    if (c.header_cut) {
      port->cut_write(port->pieces().size(), 5);
    }
    ASSERT_EQ(1, request(BUS_SEND_AFTER_HANDSHAKE_2, std::string("data")));
    EXPECT_EQ(c.text, windriver::answer_message_box(GetCurrentProcessId()));
    ASSERT_TRUE(recorder->wait_for_progress(0));
    EXPECT_EQ((std::vector<uint32_t>{0}), recorder->progress());
    EXPECT_EQ(before + c.written, port->written());
  }
}

TEST_F(ComConnectorTest, ReceivedBytesReachTheBusAsTextAndReplies)
{
  port->receive("hello");
  ASSERT_TRUE(recorder->wait_until([](const std::vector<BusEventRecorder::Event>& events) {
    return BusEventRecorder::bytes_of(events, BUS_TEXT) == "hello";
  }));
  ASSERT_EQ(0, request(BUS_EXPECT_REPLY, BUS_OS_TEXT));
  port->receive(header(10, 3) + "abc" + header(10, 0xFFFF));
  ASSERT_TRUE(recorder->wait_until([](const std::vector<BusEventRecorder::Event>& events) {
    return !events.empty() && events.back().type == BUS_OS_TEXT && events.back().len == 0xFFFF;
  }));
  EXPECT_EQ("abc", recorder->bytes_of(BUS_OS_TEXT));
  EXPECT_EQ(TRANSPORT_IDLE, transport->expected_type());
}

TEST_F(ComConnectorTest, OpenCloseAndTheConnectorsError)
{
  EXPECT_EQ(0, request(BUS_QUERY_OPEN));
  EXPECT_TRUE(connector->open(0));
  EXPECT_EQ(1, request(BUS_QUERY_OPEN));
  EXPECT_EQ(0, errors->current());

  EXPECT_FALSE(connector->open(0));
  EXPECT_EQ(1, errors->current());
  EXPECT_EQ(1, request(BUS_QUERY_OPEN));

  connector->close();
  EXPECT_EQ(0, request(BUS_QUERY_OPEN));
  port->open_result = false;
  EXPECT_FALSE(connector->open(0));
  EXPECT_EQ(0, request(BUS_QUERY_OPEN));
}

TEST_F(ComConnectorTest, HighSpeedSwitchTellsTheTargetThenChangesTheRate)
{
  ASSERT_TRUE(port->wait_for_reads_begun(1));
  port->usable = true;
  EXPECT_EQ(1, request(BUS_QUERY_HIGH_SPEED));
  port->usable = false;
  EXPECT_EQ(0, request(BUS_QUERY_HIGH_SPEED));

  EXPECT_EQ(1, request(BUS_SET_HIGH_SPEED, 1));
  const std::string packet("\x04\x00\x00\x00\x00\x00\x00\x41\x10\x00\x00\x00", 12);
  EXPECT_EQ((std::vector<std::string>{packet}), port->pieces());
  EXPECT_EQ(1, port->cancels());
  EXPECT_EQ(1, request(BUS_SET_HIGH_SPEED, 0));
  EXPECT_EQ(1u, port->pieces().size());
  EXPECT_EQ((std::vector<bool>{true, false}), port->baud_changes());
}

TEST_F(ComConnectorTest, CodesWithoutAMeaningDoNothing)
{
  const std::string payload = "abcd";
  for (int32_t type : {6, 18, 20, 21, 22, 23, 24, 26, 27, 29, 30, 31, 32, 33, -1}) {
    SCOPED_TRACE(type);
    EXPECT_EQ(0, request(type, payload));
  }
  EXPECT_EQ(0, request(BUS_QUERY_BUSY));
  EXPECT_EQ(TRANSPORT_IDLE, transport->expected_type());
  EXPECT_TRUE(port->written().empty());
  EXPECT_TRUE(recorder->events().empty());
}

}  // namespace
