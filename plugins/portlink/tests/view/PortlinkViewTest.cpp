// portlink.dll in a host of its own, against the simulated set-top box on a
// COM port (portlink_view_check.sh serves it): KORVO_TEST_PORT names the
// port, KORVO_TEST_SIM_LOG the simulator's log, KORVO_TEST_SHOT the
// picture.
// Each suite needs a process of its own: the plug-in makes one view.
#include "CPortlink.h"
#include "ConnectionSettings.h"
#include "PortlinkResources.h"
#include "ScreenPicture.h"
#include "ViewHost.h"
#include "BusMessage.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <fstream>
#include <future>
#include <memory>
#include <sstream>

namespace {

constexpr char kBaudDialogTitle[] = "User Baudrate seting";
constexpr char kRangeMessage[] = "Please enter a whole number from 9600 to 2048000.";
constexpr int kHighSpeedControls[] = {IDC_HIGH_BAUD_LABEL, IDC_HIGH_BAUDS, IDC_USER_BAUD, IDC_HIGH_SPEED_CHECK};

std::string environment(const char* name)
{
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// The bytes the simulator logged as received ("rx 68 65 ..." lines).
std::string received_by_target()
{
  std::ifstream log(environment("KORVO_TEST_SIM_LOG"));
  std::string line;
  std::string bytes;
  while (std::getline(log, line)) {
    std::istringstream words(line);
    std::string time;
    std::string direction;
    words >> time >> direction;
    std::string hex;
    while (direction == "rx" && words >> hex && hex.size() == 2) {
      bytes += static_cast<char>(std::stoi(hex, nullptr, 16));
    }
  }
  return bytes;
}

// Waits for a message box over the dialog, presses its OK button and
// returns its text; "" when none appears.
std::string press_ok_on_box_over(HWND dialog)
{
  for (int poll = 0; poll < 2000; ++poll) {
    for (HWND box = FindWindowExA(NULL, NULL, "#32770", NULL); box != NULL;
         box = FindWindowExA(NULL, box, "#32770", NULL)) {
      if (box != dialog && IsWindowVisible(box) && GetWindow(box, GW_OWNER) == dialog) {
        std::string text = ViewHost::text_of(GetDlgItem(box, 0xFFFF));
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        while (IsWindow(box) && poll++ < 2000) {
          Sleep(10);
        }
        return text;
      }
    }
    Sleep(10);
  }
  return "";
}

class PortlinkView : public ::testing::Test {
protected:
  static void SetUpTestSuite()
  {
    host_ = std::make_unique<ViewHost>("");
    started_ = host_->start();
  }
  static void TearDownTestSuite() { host_.reset(); }

  void SetUp() override
  {
    ASSERT_TRUE(started_) << "the host could not start portlink.dll";
    ASSERT_TRUE(ViewHost::pump_until([] { return !ViewHost::combo_items(host_->control(IDC_PORTS)).empty(); }))
        << "the initial update listed no port";
  }

  static int test_port_index()
  {
    std::vector<std::string> items = ViewHost::combo_items(host_->control(IDC_PORTS));
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (items[i].find(environment("KORVO_TEST_PORT")) != std::string::npos) {
        return static_cast<int>(i);
      }
    }
    return -1;
  }

  static std::unique_ptr<ViewHost> host_;
  static bool started_;
};

std::unique_ptr<ViewHost> PortlinkView::host_;
bool PortlinkView::started_ = false;

TEST_F(PortlinkView, TheInitialUpdateListsThePortAndTheRates)
{
  EXPECT_GE(test_port_index(), 0) << environment("KORVO_TEST_PORT") << " is not listed";
  std::vector<std::string> bauds = ViewHost::combo_items(host_->control(IDC_BAUDS));
  EXPECT_EQ(ConnectionSettings::baud_texts(), bauds);
  EXPECT_EQ("115200", ViewHost::combo_selection(host_->control(IDC_BAUDS)));
  EXPECT_EQ(kOpenText, ViewHost::text_of(host_->control(IDC_OPEN_CLOSE)));
  // A plain child: no border (the scroll view may add its bars afterwards).
  LONG style = GetWindowLong(host_->view(), GWL_STYLE);
  EXPECT_EQ(static_cast<LONG>(WS_CHILD | WS_VISIBLE), style & (WS_CHILD | WS_VISIBLE | WS_BORDER | WS_CAPTION));
  EXPECT_NE(0, GetWindowLong(host_->view(), GWL_EXSTYLE) & WS_EX_STATICEDGE);
  EXPECT_EQ(0, GetWindowLong(host_->view(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

TEST_F(PortlinkView, AMissingSettingsFileIsCreatedWithHighSpeedAllowed)
{
  std::string settings = host_->settings_text();
  EXPECT_NE(std::string::npos, settings.find("[COM connection]")) << settings;
  EXPECT_NE(std::string::npos, settings.find("Highspeed_control_enable=1")) << settings;
}

TEST_F(PortlinkView, ASecondInitCreatesNothing)
{
  HWND view = host_->view();
  EXPECT_EQ(1, host_->call_init_again());
  EXPECT_EQ(view, host_->view());
}

TEST_F(PortlinkView, OpenConnectsTypedBytesReachTheTargetAndCloseDisconnects)
{
  int index = test_port_index();
  ASSERT_GE(index, 0);
  host_->choose(IDC_PORTS, index);
  // Choosing the port opens it.
  ASSERT_EQ(1, host_->ask_connector(BUS_QUERY_OPEN));
  EXPECT_EQ(kCloseText, ViewHost::text_of(host_->control(IDC_OPEN_CLOSE)));
  EXPECT_FALSE(IsWindowEnabled(host_->control(IDC_PORTS)));
  EXPECT_FALSE(IsWindowEnabled(host_->control(IDC_BAUDS)));

  host_->recorder().clear();
  const std::string typed = "echo portlink view\r";
  for (char byte : typed) {
    ASSERT_TRUE(host_->type_byte(byte));
  }
  EXPECT_TRUE(ViewHost::pump_until([] {
    return host_->recorder().bytes_of(BUS_TEXT).find("portlink view\r\n") != std::string::npos;
  })) << host_->recorder().bytes_of(BUS_TEXT);
  EXPECT_TRUE(ViewHost::pump_until([&] { return received_by_target().find(typed) != std::string::npos; }))
      << received_by_target();

  ViewHost::pump_until([] { return true; });
  EXPECT_TRUE(windriver::save_screen(environment("KORVO_TEST_SHOT")));

  host_->click(IDC_OPEN_CLOSE);
  EXPECT_EQ(0, host_->ask_connector(BUS_QUERY_OPEN));
  EXPECT_EQ(kOpenText, ViewHost::text_of(host_->control(IDC_OPEN_CLOSE)));
  EXPECT_TRUE(IsWindowEnabled(host_->control(IDC_PORTS)));
  EXPECT_TRUE(IsWindowEnabled(host_->control(IDC_BAUDS)));
}

TEST_F(PortlinkView, ChoosingABaudOpensThePortAtThatRate)
{
  int index = test_port_index();
  ASSERT_GE(index, 0);
  host_->choose(IDC_PORTS, index);
  host_->click(IDC_OPEN_CLOSE);
  ASSERT_EQ(0, host_->ask_connector(BUS_QUERY_OPEN));

  host_->choose(IDC_BAUDS, 11);
  EXPECT_EQ(1, host_->ask_connector(BUS_QUERY_OPEN));
  EXPECT_EQ("57600", ViewHost::combo_selection(host_->control(IDC_BAUDS)));
  host_->click(IDC_OPEN_CLOSE);
  EXPECT_EQ(0, host_->ask_connector(BUS_QUERY_OPEN));
}

TEST_F(PortlinkView, TheBaudDialogRefusesARateOutOfRangeAndAddsANewOne)
{
  struct Outcome {
    std::string initial;
    std::string message;
    bool stayed_open;
  };
  std::future<Outcome> answered = std::async(std::launch::async, [] {
    Outcome outcome{"", "", false};
    HWND dialog = NULL;
    for (int poll = 0; poll < 2000 && dialog == NULL; ++poll) {
      dialog = FindWindowA("#32770", kBaudDialogTitle);
      Sleep(10);
    }
    if (dialog == NULL) {
      return outcome;
    }
    outcome.initial = ViewHost::text_of(GetDlgItem(dialog, IDC_BAUDRATE_VALUE));
    SetDlgItemTextA(dialog, IDC_BAUDRATE_VALUE, "5000");
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    outcome.message = press_ok_on_box_over(dialog);
    outcome.stayed_open = IsWindowVisible(dialog) != FALSE;
    SetDlgItemTextA(dialog, IDC_BAUDRATE_VALUE, "256000");
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    return outcome;
  });
  // Its button shows only for USB and PCI adapters; the command is the same.
  host_->click(IDC_USER_BAUD);
  Outcome outcome = answered.get();
  EXPECT_EQ("230400", outcome.initial);
  EXPECT_EQ(kRangeMessage, outcome.message);
  EXPECT_TRUE(outcome.stayed_open);
  EXPECT_EQ("256000", ViewHost::combo_selection(host_->control(IDC_HIGH_BAUDS)));
}

TEST_F(PortlinkView, HighSpeedControlsStayHiddenForAPortThatIsNotUsbOrPci)
{
  for (int id : kHighSpeedControls) {
    EXPECT_FALSE(IsWindowVisible(host_->control(id))) << id;
  }
}

// A settings file that forbids the high-speed controls.
class PortlinkViewHighSpeedOff : public PortlinkView {
protected:
  static void SetUpTestSuite()
  {
    host_ = std::make_unique<ViewHost>("[COM connection]\r\nHighspeed_control_enable=0\r\n");
    started_ = host_->start();
  }
};

TEST_F(PortlinkViewHighSpeedOff, TheControlsStayHiddenAndTheKeyIsKept)
{
  for (int id : kHighSpeedControls) {
    EXPECT_FALSE(IsWindowVisible(host_->control(id))) << id;
  }
  EXPECT_NE(std::string::npos, host_->settings_text().find("Highspeed_control_enable=0"));
}

}  // namespace
