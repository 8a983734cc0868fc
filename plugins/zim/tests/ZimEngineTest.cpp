#include "ComponentSystem.h"
#include "FakeConnector.h"
#include "FakeOutput.h"
#include "FakeTarget.h"
#include "RecordingView.h"
#include "TemporaryDirectory.h"
#include "ZimEngine.h"
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <chrono>
#include <fstream>
#include <functional>
#include <numeric>
#include <thread>

namespace {

using ::testing::HasSubstr;

const Bytes kUpgradeClient = text_bytes("upgrade client");
const Bytes kDumpClient = text_bytes("dump client");

Bytes pattern(std::size_t count, uint8_t seed)
{
  Bytes bytes(count);
  for (std::size_t i = 0; i < count; ++i) {
    bytes[i] = static_cast<uint8_t>(i * 7 + seed + (i >> 8));
  }
  return bytes;
}

void write_file(const std::string& path, const Bytes& content)
{
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(content.data()), static_cast<std::streamsize>(content.size()));
}

bool contains(const std::vector<std::string>& items, const std::string& item)
{
  return std::find(items.begin(), items.end(), item) != items.end();
}

// The engine with the connector, the console and the dialog around it. The
// target is in its start-up code, waiting to be reset.
class ZimEngineTest : public ::testing::Test {
protected:
  ZimEngineTest()
  {
    write_file(directory.path() + "zimclient.bin", kUpgradeClient);
    write_file(directory.path() + "shell.img", kDumpClient);
    target.mode = FakeTarget::Mode::Boot;
    output = new FakeOutput(&system);
    connector = new FakeConnector(&system, target);
    engine = new ZimEngine(&view, &system, directory.path());
    // As the dialog opens an operation.
    engine->set_active(true);
    engine->set_output_active(false);
  }

  ~ZimEngineTest() override
  {
    engine->detach_view();
    system.deinit();
  }

  // The target's reset: its start-up code sends the start byte.
  void reset_target() { connector->deliver({'b', 'o', 'o', 't', 0xA5, 'x'}); }

  // Waits until the condition holds; gives up after a minute so that a fault
  // fails the test instead of hanging the suite.
  bool eventually(const std::function<bool()>& condition)
  {
    auto give_up = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (!condition()) {
      if (std::chrono::steady_clock::now() > give_up) {
        return false;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
  }

  TemporaryDirectory directory;
  FakeTarget target;
  RecordingView view;
  ComponentSystem system;
  FakeOutput* output;
  FakeConnector* connector;
  ZimEngine* engine;
};

TEST_F(ZimEngineTest, WholeImageUpgradeRunsFromStartByteToExit)
{
  view.uncompressed_size = 5000;
  view.zipped_image = pattern(1500, 1);
  reset_target();
  ASSERT_TRUE(eventually([&] { return contains(view.calls(), "OnExit"); }));
  connector->drain();

  EXPECT_EQ(Bytes{0x60}, connector->sends().at(0));
  Bytes header{14, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  header.insert(header.end(), kUpgradeClient.begin(), kUpgradeClient.end());
  EXPECT_EQ(header, target.client);
  EXPECT_EQ("PRSTU", target.commands);
  EXPECT_EQ((Bytes{1, 0xFF, 0x88, 0x13, 0, 0}), target.payloads[1]);
  EXPECT_EQ((Bytes{0xFF, 'Z', 0xDC, 0x05, 0, 0}), target.payloads[2]);
  EXPECT_EQ(view.zipped_image, target.downloads[0xFF]);
  std::vector<RecordingView::Status> statuses = view.statuses();
  EXPECT_EQ(RecordingView::Status(2, 0, 100), statuses.front());
  EXPECT_EQ(RecordingView::Status(5, 100, 100), statuses.back());
  EXPECT_THAT(output->text(), HasSubstr("Got sync byte!\nStart sending client...\nStart to check serial...\n"));
  EXPECT_THAT(output->text(), HasSubstr("\nBurning flash OK!\n\n"));
  EXPECT_TRUE(eventually([&] { return engine->state() == kZimIdle; }));
}

TEST_F(ZimEngineTest, BlockUpgradeWhoseSecondDownloadFailsBurnsNothing)
{
  view.block_mode = true;
  target.table = block_table({{1, 0x0, 0x400, "boot"}, {2, 0x400, 0x800, "app"}, {3, 0xC00, 0x400, "data"}});
  reset_target();
  ASSERT_TRUE(eventually([&] { return contains(view.calls(), "enable_block_upgrade"); }));
  EXPECT_EQ(RecordingView::Status(3, 0, 0), view.statuses().back());
  ASSERT_TRUE(eventually([&] { return engine->state() == kZimIdle; }));

  std::vector<FlashBlockEntry> blocks = engine->link().collected_blocks();
  ASSERT_EQ(3u, blocks.size());
  for (unsigned i = 0; i < 3; ++i) {
    ZimBlockEntry& entry = engine->link().entries()[i];
    entry.id = entry.announced_id = blocks[i].id;
    entry.offset = blocks[i].offset;
    entry.byte_count = 100 + i;
    view.block_files[i] = pattern(100 + i, static_cast<uint8_t>(i));
  }
  engine->link().set_block_count(3);
  target.refused_downloads = {2};
  engine->resume_worker();
  ASSERT_TRUE(eventually([&] { return engine->state() == kZimIdle; }));
  connector->drain();

  EXPECT_EQ("PQRSS", target.commands);
  EXPECT_EQ(view.block_files[0], target.downloads[1]);
  EXPECT_THAT(output->text(), HasSubstr("Slave report Error!\n"));
  EXPECT_FALSE(contains(view.calls(), "OnConnect"));
}

// Written, and a file that could not be written: the dump ends either way,
// and only the written one is reported a success.
class ZimEngineDumpTest : public ZimEngineTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ZimEngineDumpTest, DumpFillsTheDumpFileAndEndsTheDump)
{
  bool fails = GetParam();
  view.dump_mode = true;
  view.writes_fail = fails;
  target.flash = pattern(0x80000, 5);
  engine->reserve_buffer(0x80000);
  reset_target();
  ASSERT_TRUE(eventually([&] { return contains(view.calls(), "OnCancelDump"); }));
  ASSERT_TRUE(eventually([&] { return engine->state() == kZimIdle; }));
  connector->drain();

  EXPECT_EQ(kDumpClient, target.client);
  EXPECT_EQ(fails ? Bytes() : target.flash, view.dump_file());
  EXPECT_EQ(128u, target.dump_addresses.size());
  EXPECT_THAT(output->text(), HasSubstr("start dumping ....\n"));
  EXPECT_EQ(!fails, output->text().find("dumping completes successfully!\n") != std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(WrittenOrNot, ZimEngineDumpTest, ::testing::Bool());

TEST_F(ZimEngineTest, StartByteOutsideAnOperationStartsNothing)
{
  view.operation_active = false;
  reset_target();
  connector->drain();
  EXPECT_TRUE(connector->sends().empty());
  EXPECT_EQ(kZimIdle, engine->state());
}

TEST_F(ZimEngineTest, StopWhileIdleOnlyPrintsItsTwoLines)
{
  engine->stop();
  EXPECT_EQ("\nCurrent ZIM exit+++++++!\nCurrent ZIM exit--------!", output->text());
  EXPECT_EQ(0, connector->aborts());
}

TEST_F(ZimEngineTest, ClosingTheOperationWhileTheWorkerWaitsBringsItToIdle)
{
  reset_target();
  ASSERT_TRUE(eventually([&] { return engine->state() == kZimClientRunning; }));
  view.operation_active = false;
  engine->stop();
  EXPECT_EQ(kZimIdle, engine->state());
  EXPECT_EQ(1, connector->aborts());
  connector->drain();
  EXPECT_EQ("", target.commands);
  EXPECT_THAT(output->text(), ::testing::EndsWith("\nCurrent ZIM exit--------!"));
}

TEST_F(ZimEngineTest, SendsTheConnectorGivesUpFailInsteadOfHanging)
{
  connector->abort_sends = true;
  reset_target();
  ASSERT_TRUE(eventually([&] { return contains(view.messages(), "Handshake failed!Please check port and reset the STB!"); }));
  EXPECT_THAT(output->text(), HasSubstr("\n!!TEST CMD fail-1!"));
  EXPECT_TRUE(eventually([&] { return engine->state() == kZimIdle; }));
}

TEST_F(ZimEngineTest, LargeDumpReplacesTheDataBufferAndASmallerOneKeepsIt)
{
  EXPECT_EQ(0x200000u, engine->link().data_size());
  engine->reserve_buffer(0x400000);
  EXPECT_EQ(0x400000u, engine->link().data_size());
  engine->reserve_buffer(0x100000);
  EXPECT_EQ(0x400000u, engine->link().data_size());
  EXPECT_EQ(0x100000u, engine->dump_size());
}

TEST_F(ZimEngineTest, ConsoleIsSilencedClearedAndWrittenDirectly)
{
  EXPECT_FALSE(output->active());
  engine->clear_output();
  EXPECT_EQ(1, output->clears());
  engine->print("Please reset the STB!\n");
  EXPECT_EQ("Please reset the STB!\n", output->text());
  engine->set_output_active(true);
  EXPECT_TRUE(output->active());
}

}  // namespace
