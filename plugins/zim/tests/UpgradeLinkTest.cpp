#include "FakeTarget.h"
#include "RecordingView.h"
#include "ScriptedChannel.h"
#include "TemporaryDirectory.h"
#include "UpgradeLink.h"
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <fstream>
#include <numeric>

namespace {

using ::testing::HasSubstr;

Bytes counting_bytes(std::size_t count, uint8_t start = 0)
{
  Bytes bytes(count);
  std::iota(bytes.begin(), bytes.end(), start);
  return bytes;
}

std::string repeated(const std::string& text, int times)
{
  std::string all;
  for (int i = 0; i < times; ++i) {
    all += text;
  }
  return all;
}

class UpgradeLinkTest : public ::testing::Test {
protected:
  UpgradeLinkTest() { link.set_view(&view); }

  // Makes entry 0 block 7 with the given file and clears the whole-image
  // flag, as INFORM of chosen blocks does.
  void choose_block(const Bytes& file) { choose_block(file, view); }

  void choose_block(const Bytes& file, RecordingView& files)
  {
    ZimBlockEntry& entry = link.entries()[0];
    entry.id = 7;
    entry.announced_id = 7;
    entry.byte_count = static_cast<uint32_t>(file.size());
    files.block_files[0] = file;
    ASSERT_TRUE(link.inform_blocks(1, &entry));
    channel.printed.clear();
  }

  FakeTarget target;
  ScriptedChannel channel{target};
  RecordingView view;
  UpgradeLink link{channel, ""};
};

// Command exchange

TEST_F(UpgradeLinkTest, CommandDoneOnFirstAttemptIsSentOnce)
{
  uint8_t payload[] = {1, 2, 3};
  EXPECT_TRUE(link.send_command(kCommandInform, payload, sizeof payload, 5000));
  ASSERT_EQ(1u, channel.sent.size());
  EXPECT_EQ(0, target.bad_frames);
  EXPECT_EQ(Bytes(payload, payload + 3), target.payloads[0]);
}

TEST_F(UpgradeLinkTest, AcknowledgeOtherThanOIsRetriedSilentlyThreeTimesInAll)
{
  target.scripted_replies = {{'X'}, {'X'}, {'X'}};
  EXPECT_FALSE(link.send_command(kCommandBurn, nullptr, 0, 1000));
  EXPECT_EQ(3u, channel.sent.size());
  EXPECT_EQ("", channel.printed);
}

TEST_F(UpgradeLinkTest, MissingAcknowledgeIsReportedForEachAttempt)
{
  target.scripted_replies = {{}, {}, {}};
  EXPECT_FALSE(link.send_command(kCommandBurn, nullptr, 0, 1000));
  EXPECT_EQ(repeated("Failed to get CMD response!\n", 3), channel.printed);
  EXPECT_EQ(3000u, channel.clock_ms);
}

TEST_F(UpgradeLinkTest, ErrorResultEndsTheCommandWithoutRetry)
{
  target.scripted_replies = {{'O', 'E', 0, 8}};
  EXPECT_FALSE(link.send_command(kCommandBurn, nullptr, 0, 1000));
  EXPECT_EQ(1u, channel.sent.size());
  EXPECT_EQ("Slave report Error!\n", channel.printed);
}

TEST_F(UpgradeLinkTest, ErrorResultWithoutItsTwoBytesIsRetried)
{
  target.scripted_replies = {{'O', 'E'}};
  EXPECT_TRUE(link.send_command(kCommandBurn, nullptr, 0, 1000));
  EXPECT_EQ(2u, channel.sent.size());
}

TEST_F(UpgradeLinkTest, FinishSucceedsOnTheAcknowledgeAlone)
{
  target.scripted_replies = {{'O'}};
  EXPECT_TRUE(link.finish());
  EXPECT_EQ("U", target.commands);
  EXPECT_EQ(Bytes{}, target.payloads[0]);
}

TEST_F(UpgradeLinkTest, PayloadLongerThanAFrameHoldsIsNotSent)
{
  Bytes payload(118, 0);
  EXPECT_FALSE(link.send_command(kCommandInform, payload.data(), payload.size(), 5000));
  EXPECT_TRUE(channel.sent.empty());
}

TEST_F(UpgradeLinkTest, SendThatDoesNotCompleteEndsTheCommand)
{
  channel.sends_fail = true;
  EXPECT_FALSE(link.send_command(kCommandBurn, nullptr, 0, 1000));
  EXPECT_EQ("", channel.printed);
}

// TEST

TEST_F(UpgradeLinkTest, TestSendsTheBannerAndExpectsItBack)
{
  EXPECT_TRUE(link.test_link());
  EXPECT_EQ("P", target.commands);
  EXPECT_EQ(text_bytes("QUORVIX P2P ZIM"), target.payloads[0]);
  EXPECT_EQ("Start to check serial...\n", channel.printed);
}

TEST_F(UpgradeLinkTest, TestFailuresNameTheirStep)
{
  struct Case {
    std::deque<Bytes> replies;
    std::string message;
  };
  const Case cases[] = {
      {{{'X'}, {'X'}, {'X'}}, "\n!!TEST CMD fail-1!"},
      {{{'O', 'O'}}, "\n!!TEST CMD fail-2!"},
      {{{'O', 'O', 'Q', 'U', 'O', 'R', 'V', 'I', 'X', ' ', 'P', '2', 'P', ' ', 'Z', 'I', 'N'}}, "\n!!TEST CMD fail-3!\n"},
  };
  for (const Case& c : cases) {
    target.scripted_replies = c.replies;
    channel.printed.clear();
    EXPECT_FALSE(link.test_link());
    EXPECT_EQ("Start to check serial...\n" + c.message, channel.printed);
  }
}

// COLLECT

TEST_F(UpgradeLinkTest, CollectKeepsTheTargetsBlockTable)
{
  target.table = block_table({{5, 0x10000, 0x2000, "bootloader"}, {0x21, 0x20000, 0x8000, "app"}});
  EXPECT_TRUE(link.collect_info());
  EXPECT_EQ(Bytes{'C'}, target.payloads[0]);
  EXPECT_EQ(target.table.size(), link.table_length());
  std::vector<FlashBlockEntry> blocks = link.collected_blocks();
  ASSERT_EQ(2u, blocks.size());
  EXPECT_EQ(5, blocks[0].id);
  EXPECT_EQ(0x10000u, blocks[0].offset);
  EXPECT_EQ(0x2000u, blocks[0].length);
  EXPECT_EQ("bootload", blocks[0].name_text());
  EXPECT_EQ(0x21, blocks[1].id);
  EXPECT_EQ("app", blocks[1].name_text());
  EXPECT_EQ("\nStart to collect slave info...\nCollect info OK!", channel.printed);
}

TEST_F(UpgradeLinkTest, CollectAsksAgainForATableWithAWrongCrc)
{
  target.table = block_table({{1, 0, 16, "a"}});
  target.bad_table_checks = 1;
  EXPECT_TRUE(link.collect_info());
  EXPECT_EQ(2, target.count('Q'));
}

TEST_F(UpgradeLinkTest, CollectGivesUpAfterTenWrongTables)
{
  target.table = block_table({{1, 0, 16, "a"}});
  target.bad_table_checks = 10;
  EXPECT_FALSE(link.collect_info());
  EXPECT_EQ(10, target.count('Q'));
  EXPECT_THAT(channel.printed, ::testing::EndsWith("\n!!COLLECT: send command failed!"));
  EXPECT_TRUE(link.collected_blocks().empty());
}

TEST_F(UpgradeLinkTest, CollectNeverReadsATableLongerThanItsBuffer)
{
  target.table = block_table(std::vector<FakeBlock>(65, FakeBlock{1, 0, 16, "a"}));
  EXPECT_FALSE(link.collect_info());
  EXPECT_EQ(10, target.count('Q'));
}

TEST_F(UpgradeLinkTest, CollectRefusesABlockCountTheTableDoesNotHold)
{
  target.table = block_table({{1, 0, 16, "a"}, {2, 16, 16, "b"}});
  target.table[16] = 3;
  EXPECT_FALSE(link.collect_info());
  EXPECT_EQ(1, target.count('Q'));
  EXPECT_THAT(channel.printed, ::testing::EndsWith("\n!!COLLECT: block table does not fit!"));
  EXPECT_TRUE(link.collected_blocks().empty());
}

// INFORM

TEST_F(UpgradeLinkTest, InformOfTheWholeImageAnnouncesItsUncompressedSize)
{
  ZimBlockEntry whole;
  whole.id = 0xFF;
  whole.byte_count = 0x123456;
  EXPECT_TRUE(link.inform_blocks(1, &whole));
  EXPECT_EQ((Bytes{1, 0xFF, 0x56, 0x34, 0x12, 0}), target.payloads[0]);
  EXPECT_TRUE(link.whole_image());
  EXPECT_EQ("\nInform slave OK!", channel.printed);
}

TEST_F(UpgradeLinkTest, InformOfBlocksAnnouncesEachIdAndByteCountInOrder)
{
  ZimBlockEntry entries[2];
  entries[0].id = entries[0].announced_id = 3;
  entries[0].byte_count = 0x100;
  entries[1].id = entries[1].announced_id = 9;
  entries[1].byte_count = 0x20000;
  EXPECT_TRUE(link.inform_blocks(2, entries));
  EXPECT_EQ((Bytes{2, 3, 0x00, 0x01, 0, 0, 9, 0, 0, 2, 0}), target.payloads[0]);
  EXPECT_FALSE(link.whole_image());
}

TEST_F(UpgradeLinkTest, InformRefusesMoreBlocksThanOnePayloadHolds)
{
  std::vector<ZimBlockEntry> entries(24);
  EXPECT_FALSE(link.inform_blocks(entries.size(), entries.data()));
  EXPECT_TRUE(channel.sent.empty());
  EXPECT_TRUE(link.inform_blocks(23, entries.data()));
}

// DOWNLOAD and the data packets

TEST_F(UpgradeLinkTest, DownloadSplitsDataIntoPacketsOfAtMost1024Bytes)
{
  struct Case {
    std::size_t size;
    std::vector<std::size_t> packets;
  };
  const Case cases[] = {{1024, {1024}}, {1025, {1024, 1}}, {3000, {1024, 1024, 952}}};
  for (const Case& c : cases) {
    FakeTarget fresh;
    target = fresh;
    Bytes file = counting_bytes(c.size, 3);
    choose_block(file);
    EXPECT_TRUE(link.download_data(false, 0)) << c.size;
    EXPECT_EQ(c.packets, target.packet_sizes);
    EXPECT_EQ(file, target.downloads[7]);
    std::vector<uint16_t> sequences(c.packets.size());
    std::iota(sequences.begin(), sequences.end(), 0);
    EXPECT_EQ(sequences, target.packet_sequences);
    EXPECT_EQ(RecordingView::Status(4, c.size, c.size), view.statuses().back());
  }
}

TEST_F(UpgradeLinkTest, DownloadAnnouncesTheBlockRaw)
{
  choose_block(counting_bytes(0x1234));
  EXPECT_TRUE(link.download_data(false, 0));
  EXPECT_EQ((Bytes{7, 'N', 0x34, 0x12, 0, 0}), target.payloads[1]);
  EXPECT_EQ(
      "\nPrepare to download...\nStart downloading data...\nEnd downloading!\nSlave respose OK!", channel.printed);
}

TEST_F(UpgradeLinkTest, DownloadOfTheWholeImageSendsTheCompressedFile)
{
  view.zipped_image = counting_bytes(1500);
  ZimBlockEntry whole;
  whole.id = 0xFF;
  whole.byte_count = 4000;
  ASSERT_TRUE(link.inform_blocks(1, &whole));
  EXPECT_TRUE(link.download_data(true, 0xFF));
  EXPECT_EQ((Bytes{0xFF, 'Z', 0xDC, 0x05, 0, 0}), target.payloads[1]);
  EXPECT_EQ(view.zipped_image, target.downloads[0xFF]);
}

TEST_F(UpgradeLinkTest, EmptyImageSendsNoPacketAndStillWaitsForTheEndByte)
{
  choose_block({});
  EXPECT_TRUE(link.download_data(false, 0));
  EXPECT_TRUE(target.packet_sizes.empty());
  EXPECT_THAT(channel.printed, ::testing::EndsWith("\nEnd downloading!"));
  EXPECT_EQ(1000u + 3000u, channel.clock_ms);
}

TEST_F(UpgradeLinkTest, TransferLargerThanTheDataBufferReplacesIt)
{
  Bytes file = counting_bytes(0x200001);
  choose_block(file);
  EXPECT_TRUE(link.download_data(false, 0));
  EXPECT_EQ(0x200001u, link.data_size());
  EXPECT_EQ(file, target.downloads[7]);
}

TEST_F(UpgradeLinkTest, UnreadableBlockFileStopsBeforeTheTargetIsTold)
{
  choose_block(counting_bytes(100));
  view.block_files.clear();
  EXPECT_FALSE(link.download_data(false, 0));
  EXPECT_EQ(0, target.count('S'));
}

TEST_F(UpgradeLinkTest, PacketAcknowledgedAheadIsAccepted)
{
  choose_block(counting_bytes(2000));
  target.scripted_packet_replies = {{'O', 0, 5}};
  EXPECT_TRUE(link.download_data(false, 0));
  EXPECT_EQ((std::vector<uint16_t>{0, 1}), target.packet_sequences);
  EXPECT_THAT(channel.printed, ::testing::Not(HasSubstr("sequence error")));
}

TEST_F(UpgradeLinkTest, RejectedPacketsAreSentAgain)
{
  struct Case {
    Bytes reply;
    std::string message;
  };
  const Case cases[] = {
      {{'O', 0xFF, 0xFE}, "packet sequence error, retry...\n"},
      {{'E', 0, 4}, "\nSlave error, retransfer...!"},
      {{'?', 0, 0}, ""},
  };
  for (const Case& c : cases) {
    FakeTarget fresh;
    target = fresh;
    Bytes file = counting_bytes(1500);
    choose_block(file);
    target.scripted_packet_replies = {c.reply};
    EXPECT_TRUE(link.download_data(false, 0));
    EXPECT_EQ((std::vector<uint16_t>{0, 0, 1}), target.packet_sequences);
    EXPECT_EQ(file, target.downloads[7]);
    EXPECT_EQ("\nPrepare to download...\nStart downloading data..." + c.message + "\nEnd downloading!\nSlave respose OK!",
              channel.printed);
  }
}

TEST_F(UpgradeLinkTest, PacketRejectedTenTimesFailsTheUpgrade)
{
  choose_block(counting_bytes(10));
  target.scripted_packet_replies.assign(10, Bytes{'E', 0, 4});
  EXPECT_FALSE(link.download_data(false, 0));
  EXPECT_EQ(10u, target.packet_sizes.size());
  EXPECT_THAT(channel.printed, ::testing::EndsWith("\nUpgrade fail, Please start again!"));
}

TEST_F(UpgradeLinkTest, SilentTargetAsksWhetherToRetry)
{
  for (bool retry : {true, false}) {
    FakeTarget fresh;
    target = fresh;
    RecordingView fresh_view;
    link.set_view(&fresh_view);
    choose_block(counting_bytes(10), fresh_view);
    target.scripted_packet_replies = {{}};
    fresh_view.retry_answers = {retry};
    EXPECT_EQ(retry, link.download_data(false, 0));
    EXPECT_EQ(retry ? 2u : 1u, target.packet_sizes.size());
    EXPECT_THAT(fresh_view.messages(), ::testing::ElementsAre("Connection error! retry or not?"));
  }
}

TEST_F(UpgradeLinkTest, EndOfTransferDecidesTheDownload)
{
  struct Case {
    Bytes end;
    bool success;
    std::string message;
    bool message_box;
  };
  const Case cases[] = {
      {{'O'}, true, "\nSlave respose OK!", false},
      {{}, true, "", false},
      {{'E', 0, 7}, false, "\nremote ERR!", true},
      {{'E'}, false, "\nremote ERR!", true},
      {{'X'}, false, "", true},
  };
  for (const Case& c : cases) {
    FakeTarget fresh;
    target = fresh;
    RecordingView fresh_view;
    link.set_view(&fresh_view);
    choose_block(counting_bytes(10), fresh_view);
    target.end_of_transfer = c.end;
    EXPECT_EQ(c.success, link.download_data(false, 0));
    EXPECT_EQ("\nPrepare to download...\nStart downloading data...\nEnd downloading!" + c.message, channel.printed);
    EXPECT_EQ(c.message_box ? std::vector<std::string>{"Upgrade Failed!"} : std::vector<std::string>{},
              fresh_view.messages());
  }
}

TEST_F(UpgradeLinkTest, CancelWhileWaitingForTheEndByteFailsTheDownload)
{
  choose_block(counting_bytes(10));
  target.end_of_transfer = {};
  channel.when_starved = [this] { channel.operation_running = false; };
  EXPECT_FALSE(link.download_data(false, 0));
  EXPECT_TRUE(view.messages().empty());
}

// BURN

TEST_F(UpgradeLinkTest, BurnReportsProgressUntilDone)
{
  target.burn_status = {'B', 30, '.', 'B', 70, 'F'};
  EXPECT_TRUE(link.burn_flash());
  std::vector<RecordingView::Status> expected{{5, 30, 100}, {5, 70, 100}, {5, 100, 100}};
  EXPECT_EQ(expected, view.statuses());
  EXPECT_EQ("\nVerify burning flash...\nStart burning flash, DONOT POWOFF!\n\nBurning flash OK!\n\n", channel.printed);
}

TEST_F(UpgradeLinkTest, BurnFailures)
{
  struct Case {
    std::deque<Bytes> replies;
    Bytes status;
    std::string ending;
  };
  const Case cases[] = {
      {{}, {'B', 10, 'E'}, "\nStart burning flash, DONOT POWOFF!\n\nburning flash error!"},
      {{}, {'B', 10}, "\nStart burning flash, DONOT POWOFF!\n\nReceive burn info timeout!"},
      {std::deque<Bytes>(9, Bytes{'X'}), {}, "\nburn: send command fail!"},
  };
  for (const Case& c : cases) {
    target.scripted_replies = c.replies;
    target.burn_status = c.status;
    channel.printed.clear();
    EXPECT_FALSE(link.burn_flash());
    EXPECT_EQ("\nVerify burning flash..." + c.ending, channel.printed);
  }
  EXPECT_EQ(1 + 1 + 9, target.count('T'));
}

// READ

TEST_F(UpgradeLinkTest, ReadBlockAsksForPiecesOfTheBlock)
{
  target.flash = counting_bytes(0x1000);
  ZimBlockEntry& entry = link.entries()[2];
  entry.id = 4;
  entry.offset = 0x100;
  entry.byte_count = 2500;
  target.bad_piece_checks = 1;
  EXPECT_TRUE(link.read_block(2));
  EXPECT_EQ("VVVV", target.commands);
  EXPECT_EQ((Bytes{4, 0x00, 0x01, 0, 0, 0x04, 0x04, 0, 0}), target.payloads[0]);
  EXPECT_EQ(target.payloads[0], target.payloads[1]);
  EXPECT_EQ((Bytes{4, 0x00, 0x05, 0, 0, 0x04, 0x04, 0, 0}), target.payloads[2]);
  EXPECT_EQ((Bytes{4, 0x00, 0x09, 0, 0, 0xC8, 0x01, 0, 0}), target.payloads[3]);
  EXPECT_EQ(Bytes(target.flash.begin() + 0x100, target.flash.begin() + 0x100 + 2500),
            Bytes(link.data(), link.data() + 2500));
  std::vector<RecordingView::Status> expected{{4, 1024, 2500}, {4, 2048, 2500}, {4, 2500, 2500}};
  EXPECT_EQ(expected, view.statuses());
}

TEST_F(UpgradeLinkTest, EmptyBlockIsReadAtOnce)
{
  EXPECT_TRUE(link.read_block(0));
  EXPECT_TRUE(channel.sent.empty());
}

TEST_F(UpgradeLinkTest, ReadFailsWhenTheCommandFailsThreeTimes)
{
  link.entries()[0].byte_count = 10;
  target.scripted_replies.assign(9, Bytes{'X'});
  EXPECT_FALSE(link.read_block(0));
  EXPECT_EQ("\nRead: send command fail!", channel.printed);
}

TEST_F(UpgradeLinkTest, PiecesDamagedThreeTimesInARowEndTheReadAndTheDump)
{
  // Two bad replies to a piece and then a good one still read it; three in
  // a row end the operation with a message, whatever the target does next.
  struct Case {
    bool dump;
    int bad_pieces;
    bool read;
    const char* printed;
  };
  const Case cases[] = {
      {false, 2, true, ""},
      {false, 3, false, "\nRead: piece check fail!"},
      {false, 1000, false, "\nRead: piece check fail!"},
      {true, 2, true, ""},
      {true, 3, false, "\nDump: piece check fail!"},
      {true, 1000, false, "\nDump: piece check fail!"},
  };
  for (const Case& c : cases) {
    FakeTarget target;
    ScriptedChannel channel{target};
    RecordingView view;
    UpgradeLink link{channel, ""};
    link.set_view(&view);
    target.flash = counting_bytes(0x1000);
    target.bad_piece_checks = c.bad_pieces;
    link.entries()[0].byte_count = 100;
    EXPECT_EQ(c.read, c.dump ? link.dump_flash(0x08000000, 100) : link.read_block(0)) << c.bad_pieces;
    EXPECT_EQ(c.printed, channel.printed) << c.bad_pieces;
    const std::size_t asked = c.dump ? target.dump_addresses.size() : target.commands.size();
    EXPECT_EQ(std::size_t(std::min(c.bad_pieces, 2) + 1), asked) << c.bad_pieces;
  }
}

// Dump

TEST_F(UpgradeLinkTest, DumpReadsTheFlashInPiecesOf4096Bytes)
{
  target.flash = counting_bytes(10000, 9);
  target.bad_piece_checks = 1;
  EXPECT_TRUE(link.dump_flash(0x08000000, 10000));
  std::vector<uint32_t> expected_addresses{0x08000000, 0x08000000, 0x08001000, 0x08002000};
  EXPECT_EQ(expected_addresses, target.dump_addresses);
  EXPECT_EQ(Bytes({'#', 3, 0, 0, 0, 8, 0, 0, 0, 0, 0x20, 0, 8, 0x14, 0x07, 0, 0}), channel.sent.back());
  EXPECT_EQ(target.flash, Bytes(link.data(), link.data() + 10000));
  std::vector<RecordingView::Status> expected{{4, 0, 10000}, {4, 4096, 10000}, {4, 8192, 10000}, {4, 10000, 10000}};
  EXPECT_EQ(expected, view.statuses());
}

TEST_F(UpgradeLinkTest, DumpStopsWhenTheOperationEnds)
{
  target.flash = counting_bytes(10000);
  view.operation_active = false;
  EXPECT_FALSE(link.dump_flash(0x08000000, 10000));
  EXPECT_TRUE(channel.sent.empty());
}

TEST_F(UpgradeLinkTest, DumpOfNothingSucceedsAtOnce)
{
  EXPECT_TRUE(link.dump_flash(0x08000000, 0));
  EXPECT_TRUE(channel.sent.empty());
}

// Client upload

class ClientImageTest : public UpgradeLinkTest {
protected:
  void write_file(const char* name, const Bytes& content)
  {
    std::ofstream file(directory.path() + name, std::ios::binary);
    file.write(reinterpret_cast<const char*>(content.data()), static_cast<std::streamsize>(content.size()));
  }

  TemporaryDirectory directory;
  UpgradeLink client_link{channel, directory.path()};
};

TEST_F(ClientImageTest, UpgradeClientTravelsBehindItsLengthHeader)
{
  client_link.set_view(&view);
  write_file("zimclient.bin", {'a', 'b', 'c'});
  EXPECT_EQ(15u, client_link.send_client_image(false));
  ASSERT_EQ(1u, channel.sent.size());
  EXPECT_EQ((Bytes{3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 'a', 'b', 'c'}), channel.sent[0]);
  EXPECT_EQ(std::vector<RecordingView::Status>{RecordingView::Status(2, 0, 100)}, view.statuses());
}

TEST_F(ClientImageTest, DumpClientTravelsBare)
{
  client_link.set_view(&view);
  write_file("shell.img", {'s', 'h'});
  EXPECT_EQ(2u, client_link.send_client_image(true));
  EXPECT_EQ((Bytes{'s', 'h'}), channel.sent.at(0));
}

TEST_F(ClientImageTest, MissingClientIsReportedAndNothingIsSent)
{
  client_link.set_view(&view);
  EXPECT_EQ(0u, client_link.send_client_image(false));
  EXPECT_TRUE(channel.sent.empty());
  EXPECT_EQ(std::vector<std::string>{"Failed to open zipped file!"}, view.messages());
}

TEST_F(ClientImageTest, ClientLargerThanTheDataBufferIsSentWhole)
{
  client_link.set_view(&view);
  Bytes client = counting_bytes(0x200000);
  write_file("zimclient.bin", client);
  EXPECT_EQ(0x20000Cu, client_link.send_client_image(false));
  EXPECT_EQ(Bytes(channel.sent.at(0).begin() + 12, channel.sent.at(0).end()), client);
}

}  // namespace
