// Runs the upgrade engine through portlink's connector against the simulated
// set-top box on a real COM port (a pty under Wine), started by
// upgrade_link_check.sh, which compares the files with the simulator's flash
// afterwards: KORVO_TEST_PORT names the port, KORVO_TEST_DUMP the file the
// flash dump is written to, KORVO_TEST_IMAGE and KORVO_TEST_IMAGE_GZ the
// whole image to upgrade with and its compressed form.
#include "ComConnector.h"
#include "ComponentNames.h"
#include "ComponentSystem.h"
#include "ErrorManager.h"
#include "FakeOutput.h"
#include "LinkRunSupport.h"
#include "FakeTarget.h"
#include "RecordingView.h"
#include "TemporaryDirectory.h"
#include "TransportProtocol.h"
#include "ZimEngine.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

constexpr uint32_t kDumpSize = 0x100000;
constexpr int kResetTries = 5;

std::string environment(const char* name)
{
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

class UpgradeOnALine : public ::testing::Test {
protected:
  UpgradeOnALine()
  {
    write_file(directory.path() + "zimclient.bin", text_bytes("upgrade client program"));
    write_file(directory.path() + "shell.img", text_bytes("dump client program"));
    new ErrorManager(&system);
    new TransportProtocol(&system);
    output = new FakeOutput(&system);
    connector = new ComConnector(kConnectorName, &system);
    engine = new ZimEngine(&view, &system, directory.path());
  }

  ~UpgradeOnALine() override
  {
    engine->detach_view();
    system.deinit();
  }

  bool open_port()
  {
    SerialDevice& port = connector->port();
    port.enumerate();
    for (std::size_t i = 0; i < port.ports().size(); ++i) {
      if (port.ports()[i].name == environment("KORVO_TEST_PORT")) {
        return connector->open(static_cast<uint8_t>(i));
      }
    }
    return false;
  }

  // Opens an operation as the dialog does, and has the target reset by its
  // console's reboot command until its start byte sets the engine going.
  // What the target sent before (start bytes of an earlier reset among it)
  // is let pass first.
  bool start_operation()
  {
    std::this_thread::sleep_for(std::chrono::seconds(1));
    view.operation_active = true;
    engine->set_active(true);
    for (int attempt = 0; attempt < kResetTries; ++attempt) {
      std::string reboot = "reboot\r";
      BusMessage typed{BUS_SEND_RAW, static_cast<int32_t>(reboot.size()), &reboot[0]};
      connector->request(&typed);
      if (eventually([this] { return engine->state() != kZimIdle; }, std::chrono::seconds(5))) {
        return true;
      }
    }
    return false;
  }

  TemporaryDirectory directory;
  RecordingView view;
  ComponentSystem system;
  FakeOutput* output;
  ComConnector* connector;
  ZimEngine* engine;
};

TEST_F(UpgradeOnALine, BlockUpgradeThenDumpOfTheWholeFlash)
{
  ASSERT_TRUE(open_port()) << "port " << environment("KORVO_TEST_PORT") << " cannot be opened";

  view.block_mode = true;
  ASSERT_TRUE(start_operation()) << output->text();
  ASSERT_TRUE(eventually([this] { return view.was_called("enable_block_upgrade"); }, std::chrono::seconds(60)))
      << output->text();
  std::vector<FlashBlockEntry> blocks = engine->link().collected_blocks();
  ASSERT_GE(blocks.size(), 2u);
  const FlashBlockEntry& chosen = blocks[1];
  Bytes content(std::min<uint32_t>(chosen.length, 3000));
  for (std::size_t i = 0; i < content.size(); ++i) {
    content[i] = static_cast<uint8_t>(0xA0 ^ (i * 13));
  }
  ASSERT_FALSE(content.empty());
  ZimBlockEntry& entry = engine->link().entries()[0];
  entry.id = entry.announced_id = chosen.id;
  entry.offset = chosen.offset;
  entry.byte_count = static_cast<uint32_t>(content.size());
  view.block_files[0] = content;
  engine->link().set_block_count(1);
  engine->resume_worker();
  ASSERT_TRUE(eventually([this] { return view.was_called("OnConnect"); }, std::chrono::seconds(120))) << output->text();
  EXPECT_NE(std::string::npos, output->text().find("\nBurning flash OK!\n\n")) << output->text();

  view.block_mode = false;
  view.dump_mode = true;
  engine->reserve_buffer(kDumpSize);
  ASSERT_TRUE(start_operation()) << output->text();
  ASSERT_TRUE(eventually([this] { return view.was_called("OnCancelDump"); }, std::chrono::seconds(240)))
      << output->text();
  Bytes dump = view.dump_file();
  ASSERT_EQ(kDumpSize, dump.size());
  EXPECT_EQ(content, Bytes(dump.begin() + chosen.offset, dump.begin() + chosen.offset + content.size()));
  write_file(environment("KORVO_TEST_DUMP"), dump);
  EXPECT_TRUE(view.messages().empty());
}

TEST_F(UpgradeOnALine, WholeImageUpgrade)
{
  Bytes image = read_file(environment("KORVO_TEST_IMAGE"));
  view.zipped_image = read_file(environment("KORVO_TEST_IMAGE_GZ"));
  ASSERT_FALSE(image.empty());
  ASSERT_FALSE(view.zipped_image.empty());
  view.uncompressed_size = static_cast<uint32_t>(image.size());
  ASSERT_TRUE(open_port()) << "port " << environment("KORVO_TEST_PORT") << " cannot be opened";

  ASSERT_TRUE(start_operation()) << output->text();
  ASSERT_TRUE(eventually([this] { return view.was_called("OnExit"); }, std::chrono::seconds(240))) << output->text();
  EXPECT_NE(std::string::npos, output->text().find("\nBurning flash OK!\n\n")) << output->text();
  const uint32_t sent = static_cast<uint32_t>(view.zipped_image.size());
  std::vector<RecordingView::Status> statuses = view.statuses();
  EXPECT_NE(statuses.end(), std::find(statuses.begin(), statuses.end(), RecordingView::Status(4, sent, sent)));
  EXPECT_TRUE(view.messages().empty());
}

}  // namespace
