// Drives korvo.exe with portlink.dll and zim.dll against the simulated
// set-top box on a COM port, as a user would: chooses files in the system's
// file dialogs, presses the form's buttons, and has the target reset through
// the simulator's command port. zim_view_check.sh serves the port and sets:
// KORVO_TEST_PORT (the COM port), KORVO_TEST_CONTROL (the simulator's TCP
// command port), KORVO_TEST_WORK (a folder for files, Windows form) and
// KORVO_TEST_WORK_UNIX (the same folder as the simulator sees it).
#include <winsock2.h>  // before windows.h
#include "KorvoProcess.h"
#include "ScreenPicture.h"
#include "WindowDriver.h"
#include "ZimResources.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace windriver;

constexpr int kFormId = 0xE900;
constexpr int kFileNameCombo = 0x47c;
constexpr int kFileNameEdit = 0x480;
constexpr DWORD kOperationLimit = 180000;
constexpr uint32_t kImageSize = 0x100000;
constexpr uint32_t kDumpSize = 0x80000;
constexpr int kPortsCombo = 3004;

std::string g_shot = "zim.bmp";

std::string environment(const char* name)
{
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

void write_file(const std::string& path, const std::string& bytes)
{
  std::ofstream file(path, std::ios::binary);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// One line command to the simulator; its one-line answer.
std::string simulator(const std::string& command)
{
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<u_short>(std::atoi(environment("KORVO_TEST_CONTROL").c_str())));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  std::string reply;
  if (connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
    std::string line = command + "\n";
    send(s, line.data(), static_cast<int>(line.size()), 0);
    char piece[512];
    int got;
    while (reply.find('\n') == std::string::npos && (got = recv(s, piece, sizeof piece, 0)) > 0) {
      reply.append(piece, static_cast<std::size_t>(got));
    }
  }
  closesocket(s);
  return reply;
}

// The simulator's flash as it stands.
std::string target_flash(const std::string& name)
{
  simulator("save " + environment("KORVO_TEST_WORK_UNIX") + "/" + name);
  return read_file(environment("KORVO_TEST_WORK") + "\\" + name);
}

std::string pattern(std::size_t size, unsigned seed)
{
  std::string bytes(size, '\0');
  uint32_t value = seed * 2654435761u + 1;
  for (char& byte : bytes) {
    value = value * 1103515245u + 12345u;
    byte = static_cast<char>(value >> 16);
  }
  return bytes;
}

class ZimForm : public ::testing::Test {
protected:
  static void SetUpTestSuite()
  {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    std::string dist = program_folder() + "..\\dist\\";
    s_folder = make_folder(program_folder() + "zim-run",
                           {dist + "korvo.exe", dist + "portlink.dll", dist + "zim.dll", dist + "gzip.exe"});
    write_file(s_folder + "zimclient.bin", "upgrade client program");
    write_file(s_folder + "shell.img", "dump client program");
    // A settings file without the key would hide every group.
    write_file(s_folder + "korvo.ini", "[ZIM]\r\nFunction_list=dump_flash,zim_all,zim_block\r\n");
    s_korvo = new KorvoProcess;
    if (s_korvo->start(s_folder + "korvo.exe", s_folder)) {
      s_korvo->wait_for_main_window();
    }
    open_port();
  }

  static void TearDownTestSuite()
  {
    if (s_korvo != nullptr) {
      s_korvo->close();
    }
    delete s_korvo;
    s_korvo = nullptr;
    WSACleanup();
  }

  static void open_port()
  {
    std::string name = environment("KORVO_TEST_PORT");
    HWND form = nullptr;
    HWND ports = nullptr;
    // On a loaded machine the connection window and its port list come late.
    wait_until([&] {
      HWND child = s_korvo->child_titled("COM connection");
      form = child != nullptr ? GetDlgItem(child, kFormId) : nullptr;
      ports = form != nullptr ? GetDlgItem(form, kPortsCombo) : nullptr;
      return ports != nullptr && SendMessageA(ports, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                              reinterpret_cast<LPARAM>(name.c_str())) != CB_ERR;
    });
    if (ports == nullptr) {
      return;
    }
    LRESULT index = SendMessageA(ports, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name.c_str()));
    if (index == CB_ERR) {
      return;
    }
    SendMessageA(ports, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(form, WM_COMMAND, MAKEWPARAM(kPortsCombo, CBN_SELCHANGE), reinterpret_cast<LPARAM>(ports));
    s_port_open = wait_until([&] { return text_of(GetDlgItem(form, 3001)) == "Close"; });
  }

  void SetUp() override
  {
    ASSERT_NE(nullptr, s_korvo->main_window()) << "korvo.exe did not start";
    ASSERT_TRUE(s_port_open) << environment("KORVO_TEST_PORT") << " did not open";
    child_ = s_korvo->child_titled("ZIM");
    ASSERT_NE(nullptr, child_);
    SendMessageA(s_korvo->mdi_client(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child_), 0);
    form_ = GetDlgItem(child_, kFormId);
    ASSERT_NE(nullptr, form_);
  }

  DWORD pid() const { return s_korvo->process_id(); }
  HWND item(int id) const { return GetDlgItem(form_, id); }
  bool enabled(int id) const { return IsWindowEnabled(item(id)) != FALSE; }

  // Answers the system's file dialog with a path.
  bool choose_file(const std::string& title, const std::string& path)
  {
    HWND dialog = wait_for([&] { return find_dialog(pid(), title); });
    if (dialog == nullptr) {
      return false;
    }
    int id = find_descendant(dialog, kFileNameCombo) != nullptr ? kFileNameCombo : kFileNameEdit;
    set_edit_text(dialog, id, path);
    press_button(dialog, IDOK);
    return wait_until([&] { return !IsWindow(dialog); });
  }

  // The target resets; its start byte begins the operation the form opened.
  void reset_target() { EXPECT_EQ(0u, simulator("reset").find("ok")); }

  // Connects, has the target reset and opens the block dialog (to upgrade
  // or read back) once the target's table is there.
  HWND open_blocks(bool read)
  {
    press_button(form_, IDC_CONNECT);
    if (!wait_until([&] { return text_of(item(IDC_CONNECT)) == "Disconnect"; })) {
      return nullptr;
    }
    reset_target();
    if (!wait_until([&] { return enabled(IDC_UPGRADE_BLOCK); }, kOperationLimit)) {
      return nullptr;
    }
    EXPECT_EQ("Get Slave block info,please select upgrade block operation", text_of(item(IDC_BLOCK_STATUS)));
    // The read-back button stays hidden in the form: it is pressed as its
    // click would arrive.
    press_button(form_, read ? IDC_READ_BLOCK : IDC_UPGRADE_BLOCK);
    return wait_for([&] { return find_dialog(pid(), "Block information"); });
  }

  std::string work(const std::string& name) const { return environment("KORVO_TEST_WORK") + "\\" + name; }

  static std::string s_folder;
  static KorvoProcess* s_korvo;
  static bool s_port_open;
  HWND child_ = nullptr;
  HWND form_ = nullptr;
};

std::string ZimForm::s_folder;
KorvoProcess* ZimForm::s_korvo = nullptr;
bool ZimForm::s_port_open = false;

TEST_F(ZimForm, FormShowsItsChineseCaptionsAndAllGroups)
{
  EXPECT_EQ("\xC9\xFD\xBC\xB6\xC9\xE8\xD6\xC3", text_of(item(IDC_UPGRADE_GROUP)));  // upgrade settings, code page 936
  EXPECT_EQ("\xC1\xAC\xBD\xD3", text_of(item(IDC_CONNECT)));                         // connect
  for (int id : {IDC_UPGRADE_GROUP, IDC_DUMP_GROUP, IDC_BLOCK_GROUP, IDC_START, IDC_DUMP, IDC_CONNECT}) {
    EXPECT_TRUE(IsWindowVisible(item(id))) << id;
  }
  EXPECT_FALSE(enabled(IDC_UPGRADE_BLOCK));
  EXPECT_FALSE(IsWindowVisible(item(IDC_READ_BLOCK)));
  EXPECT_EQ(7, SendMessageA(item(IDC_DUMP_SIZE), CB_GETCOUNT, 0, 0));
  EXPECT_EQ("512K", text_of(item(IDC_DUMP_SIZE)));
  // The picture once the newly activated form has painted.
  RedrawWindow(s_korvo->main_window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Sleep(1000);
  EXPECT_TRUE(save_screen(g_shot));
}

TEST_F(ZimForm, StartWithoutAnImageAsksForOne)
{
  press_button(form_, IDC_START);
  EXPECT_EQ("Please Select a file to upgrade before start!", answer_message_box(pid()));
  EXPECT_TRUE(enabled(IDC_DUMP));
}

TEST_F(ZimForm, DumpOf512KEqualsTheTargetsFlash)
{
  std::string dump = work("dump.bin");
  DeleteFileA(dump.c_str());
  press_button(form_, IDC_BROWSE_DUMP);
  ASSERT_TRUE(choose_file("Save As", dump));
  EXPECT_EQ(dump, text_of(item(IDC_DUMP_PATH)));
  press_button(form_, IDC_DUMP);
  ASSERT_TRUE(wait_until([&] { return !enabled(IDC_DUMP); }));
  reset_target();
  ASSERT_TRUE(wait_until([&] { return enabled(IDC_DUMP); }, kOperationLimit)) << s_korvo->console_text();
  std::string flash = target_flash("flash-after-dump.bin");
  std::string dumped = read_file(dump);
  ASSERT_EQ(kDumpSize, dumped.size()) << s_korvo->console_text();
  EXPECT_TRUE(dumped == flash.substr(0, kDumpSize));
  EXPECT_NE(std::string::npos, s_korvo->console_text().find("dumping completes successfully!"));
}

TEST_F(ZimForm, WholeImageUpgradeOf1MBBecomesTheTargetsFlash)
{
  std::string image = target_flash("flash-before-whole.bin");
  ASSERT_EQ(kImageSize, image.size());
  std::string changed = pattern(0x10000, 7);
  image.replace(0x40000, changed.size(), changed);
  std::string path = work("image.bin");
  write_file(path, image);

  press_button(form_, IDC_BROWSE_IMAGE);
  ASSERT_TRUE(choose_file("Open", path));
  EXPECT_EQ(path, text_of(item(IDC_IMAGE_PATH)));
  press_button(form_, IDC_START);
  ASSERT_TRUE(wait_until([&] { return !enabled(IDC_START) && !enabled(IDC_DUMP) && !enabled(IDC_CONNECT); }))
      << "Start disables Dump and Connect while the upgrade runs";
  reset_target();
  ASSERT_TRUE(wait_until([&] { return enabled(IDC_START); }, kOperationLimit)) << s_korvo->console_text();
  EXPECT_TRUE(target_flash("flash-after-whole.bin") == image) << s_korvo->console_text();
  EXPECT_NE(std::string::npos, s_korvo->console_text().find("Burning flash OK!"));
}

TEST_F(ZimForm, TwoBlocksUpgradedFromTheBlockDialogThenReadBack)
{
  const std::string first = pattern(2000, 11);
  const std::string second = pattern(3000, 12);
  write_file(work("block-a.bin"), first);
  write_file(work("block-b.bin"), second);

  HWND blocks = open_blocks(false);
  ASSERT_NE(nullptr, blocks) << s_korvo->console_text();
  EXPECT_EQ("ZimBlock", text_of(GetDlgItem(blocks, IDC_BLOCK_GO)));
  ASSERT_NE(nullptr, GetDlgItem(blocks, 20102)) << "fewer than three blocks";
  std::string label = text_of(GetDlgItem(blocks, 20101));
  EXPECT_EQ(')', label.back());
  EXPECT_EQ('(', label[label.size() - 4]);
  press_button(blocks, 20301);
  ASSERT_TRUE(choose_file("Open", work("block-a.bin")));
  press_button(blocks, 20302);
  ASSERT_TRUE(choose_file("Open", work("block-b.bin")));
  EXPECT_EQ(work("block-b.bin"), text_of(GetDlgItem(blocks, 20202)));
  press_button(blocks, IDC_BLOCK_GO);
  // The engine ends block work through the Connect/Disconnect toggle.
  ASSERT_TRUE(wait_until([&] { return !IsWindow(blocks) && text_of(item(IDC_CONNECT)) == "Connect"; }, kOperationLimit))
      << s_korvo->console_text();
  EXPECT_NE(std::string::npos, s_korvo->console_text().find("Burning flash OK!")) << s_korvo->console_text();

  write_file(work("back-a.bin"), "");
  write_file(work("back-b.bin"), "");
  blocks = open_blocks(true);
  ASSERT_NE(nullptr, blocks) << s_korvo->console_text();
  EXPECT_EQ("ReadBlock", text_of(GetDlgItem(blocks, IDC_BLOCK_GO)));
  press_button(blocks, 20301);
  ASSERT_TRUE(choose_file("Open", work("back-a.bin")));
  press_button(blocks, 20302);
  ASSERT_TRUE(choose_file("Open", work("back-b.bin")));
  press_button(blocks, IDC_BLOCK_GO);
  ASSERT_TRUE(wait_until([&] { return !IsWindow(blocks) && text_of(item(IDC_CONNECT)) == "Connect"; }, kOperationLimit))
      << s_korvo->console_text();
  EXPECT_TRUE(read_file(work("back-a.bin")) == first);
  EXPECT_TRUE(read_file(work("back-b.bin")) == second);
}

TEST_F(ZimForm, BackClosesTheBlockDialogAndDisconnectEndsTheConnection)
{
  HWND blocks = open_blocks(false);
  ASSERT_NE(nullptr, blocks) << s_korvo->console_text();
  // Nothing chosen: the first button hands nothing over.
  press_button(blocks, IDC_BLOCK_GO);
  Sleep(300);
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(blocks, IDC_BLOCK_BACK)));
  press_button(blocks, IDC_BLOCK_BACK);
  EXPECT_TRUE(wait_until([&] { return !IsWindow(blocks); }));
  EXPECT_EQ("Disconnect", text_of(item(IDC_CONNECT)));
  press_button(form_, IDC_CONNECT);
  EXPECT_TRUE(wait_until([&] { return text_of(item(IDC_CONNECT)) == "Connect"; }));
  EXPECT_TRUE(enabled(IDC_DUMP));
  EXPECT_TRUE(enabled(IDC_START));
  EXPECT_FALSE(enabled(IDC_UPGRADE_BLOCK));
}

// A whole-image upgrade with one fault armed at the target: each ends, with
// the flash either the new image or untouched, never reported burnt when it
// was not. A failed handshake or burn drops the engine back to idle and
// leaves the form's operation for the user's Exit.
struct FaultCase {
  const char* fault;
  const char* console;     // what the console shows of it
  const char* question;    // a message box asked on the way, answered Retry
  const char* failure;     // a message box that ends the upgrade
  bool burnt;
};

class ZimFormFaults : public ZimForm, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(ZimFormFaults, WholeImageUpgradeEndsWithTheFaultsOutcome)
{
  const FaultCase& fault = GetParam();
  std::string before = target_flash("flash-before-fault.bin");
  ASSERT_EQ(kImageSize, before.size());
  std::string image = before;
  std::string changed = pattern(0x8000, static_cast<unsigned>(std::string(fault.fault).size()));
  image.replace(0x20000, changed.size(), changed);
  write_file(work("fault-image.bin"), image);
  press_button(form_, IDC_BROWSE_IMAGE);
  ASSERT_TRUE(choose_file("Open", work("fault-image.bin")));
  ASSERT_EQ(0u, simulator(std::string("fault ") + fault.fault).find("ok"));
  press_button(form_, IDC_START);
  ASSERT_TRUE(wait_until([&] { return !enabled(IDC_START); }));
  reset_target();
  if (fault.question != nullptr) {
    EXPECT_EQ(fault.question, answer_message_box(pid(), IDRETRY, kOperationLimit));
  }
  if (fault.failure != nullptr) {
    EXPECT_EQ(fault.failure, answer_message_box(pid(), IDOK, kOperationLimit));
  }
  if (!fault.burnt) {
    // The engine has dropped the operation; the user ends it.
    ASSERT_TRUE(wait_until([&] { return s_korvo->console_text().find(fault.console) != std::string::npos; },
                           kOperationLimit))
        << s_korvo->console_text();
    press_button(form_, IDC_EXIT);
  }
  ASSERT_TRUE(wait_until([&] { return enabled(IDC_START); }, kOperationLimit)) << s_korvo->console_text();
  std::string console = s_korvo->console_text();
  EXPECT_NE(std::string::npos, console.find(fault.console)) << console;
  EXPECT_EQ(fault.burnt, console.find("Burning flash OK!") != std::string::npos) << console;
  EXPECT_TRUE(target_flash("flash-after-fault.bin") == (fault.burnt ? image : before));
}

INSTANTIATE_TEST_SUITE_P(
    Target, ZimFormFaults,
    ::testing::Values(FaultCase{"packet-error", "Slave error, retransfer...!", nullptr, nullptr, true},
                      FaultCase{"packet-silent", "Burning flash OK!", "Connection error! retry or not?", nullptr, true},
                      FaultCase{"command-error", "Slave report Error!", nullptr,
                                "Handshake failed!Please check port and reset the STB!", false},
                      FaultCase{"no-end-byte", "Burning flash OK!", nullptr, nullptr, true},
                      FaultCase{"burn-error", "burning flash error!", nullptr, nullptr, false}));

TEST_F(ZimForm, DumpPieceWithAWrongCheckValueIsReadAgain)
{
  ASSERT_EQ(0u, simulator("fault reply-crc").find("ok"));
  press_button(form_, IDC_DUMP);
  ASSERT_TRUE(wait_until([&] { return !enabled(IDC_DUMP); }));
  reset_target();
  ASSERT_TRUE(wait_until([&] { return enabled(IDC_DUMP); }, kOperationLimit)) << s_korvo->console_text();
  EXPECT_TRUE(read_file(work("dump.bin")) == target_flash("flash-after-crc.bin").substr(0, kDumpSize));
}

// The target falls silent in the middle of the data: the user retries once,
// then gives up.
TEST_F(ZimForm, TargetSilentMidTransferEndsTheUpgradeUnburnt)
{
  std::string before = target_flash("flash-before-silent.bin");
  write_file(work("silent-image.bin"), pattern(kImageSize, 99));
  press_button(form_, IDC_BROWSE_IMAGE);
  ASSERT_TRUE(choose_file("Open", work("silent-image.bin")));
  ASSERT_EQ(0u, simulator("fault packet-silent 2").find("ok"));
  press_button(form_, IDC_START);
  ASSERT_TRUE(wait_until([&] { return !enabled(IDC_START); }));
  reset_target();
  EXPECT_EQ("Connection error! retry or not?", answer_message_box(pid(), IDRETRY, kOperationLimit));
  EXPECT_EQ("Connection error! retry or not?", answer_message_box(pid(), IDCANCEL, kOperationLimit));
  ASSERT_TRUE(wait_until([&] { return enabled(IDC_START); }, kOperationLimit)) << s_korvo->console_text();
  EXPECT_EQ(std::string::npos, s_korvo->console_text().find("Burning flash OK!"));
  EXPECT_TRUE(target_flash("flash-after-silent.bin") == before);
}

// The port is closed while the image goes out: the upgrade ends, nothing is
// burnt, and the port opens again for what follows.
TEST_F(ZimForm, PortClosedMidTransferEndsTheUpgradeUnburnt)
{
  std::string before = target_flash("flash-before-close.bin");
  write_file(work("close-image.bin"), pattern(kImageSize, 98));
  press_button(form_, IDC_BROWSE_IMAGE);
  ASSERT_TRUE(choose_file("Open", work("close-image.bin")));
  press_button(form_, IDC_START);
  ASSERT_TRUE(wait_until([&] { return !enabled(IDC_START); }));
  reset_target();
  ASSERT_TRUE(wait_until([&] { return text_of(item(IDC_UPGRADE_STATUS)).find("Transferring: 10") == 0; },
                         kOperationLimit))
      << s_korvo->console_text();
  HWND portlink = GetDlgItem(s_korvo->child_titled("COM connection"), kFormId);
  press_button(portlink, 3001);
  ASSERT_TRUE(wait_until([&] { return text_of(GetDlgItem(portlink, 3001)) == "Open"; }));
  // The connector reports the failed send; every box that comes is
  // dismissed until the upgrade has ended.
  std::string boxes;
  ASSERT_TRUE(wait_until(
      [&] {
        if (find_message_box(pid()) != nullptr) {
          boxes += answer_message_box(pid(), IDCANCEL, 1000) + "|";
        }
        return enabled(IDC_START);
      },
      kOperationLimit))
      << boxes << s_korvo->console_text();
  EXPECT_NE(std::string::npos, boxes.find("Send Data Fail!")) << boxes;
  EXPECT_EQ(std::string::npos, s_korvo->console_text().find("Burning flash OK!"));
  press_button(portlink, 3001);
  EXPECT_TRUE(wait_until([&] { return text_of(GetDlgItem(portlink, 3001)) == "Close"; }));
  EXPECT_TRUE(target_flash("flash-after-close.bin") == before);
}

}  // namespace

int main(int argc, char** argv)
{
  ::testing::InitGoogleTest(&argc, argv);
  g_shot = shot_path(argc, argv, g_shot);
  return RUN_ALL_TESTS();
}
