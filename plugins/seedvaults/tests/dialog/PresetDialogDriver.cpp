// Drives the preset dialog inside the test host from outside, as a user
// would: types into its controls, picks files in the open-file dialog,
// presses the buttons and reads the message boxes; the written preset is
// compared with what the project group's converter makes of the same rows.
#include "PresetConverterFactory.h"
#include "TestHostIds.h"
#include <windows.h>
#include <gtest/gtest.h>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr DWORD kWaitLimit = 20000;
constexpr DWORD kPollInterval = 50;
constexpr int kViewId = 0xE900;
// The file-name box of the open-file dialog (a combo box, or an edit).
constexpr int kFileNameCombo = 0x47C;
constexpr int kFileNameEdit = 0x480;

std::string shot_path = "seedvaults.bmp";
std::string fixture_path;

HWND wait_for(const std::function<HWND()>& find)
{
  for (DWORD waited = 0; waited < kWaitLimit; waited += kPollInterval) {
    if (HWND window = find())
      return window;
    Sleep(kPollInterval);
  }
  return nullptr;
}

std::string text_of(HWND window)
{
  char text[1024] = "";
  SendMessageA(window, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text));
  return text;
}

std::vector<uint8_t> file_bytes(const std::string& path)
{
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::string temporary_path(const char* name)
{
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + name;
}

// The message box of the test host's process: its text, after which OK is pressed.
std::string answer_message_box(DWORD process_id)
{
  HWND box = wait_for([process_id]() -> HWND {
    for (HWND window = FindWindowExA(nullptr, nullptr, "#32770", nullptr); window != nullptr;
         window = FindWindowExA(nullptr, window, "#32770", nullptr)) {
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      if (owner == process_id && IsWindowVisible(window) && GetDlgItem(window, 0xFFFF) != nullptr &&
          GetDlgItem(window, kFileNameCombo) == nullptr)
        return window;
    }
    return nullptr;
  });
  if (box == nullptr)
    return "(no message box)";
  std::string text = text_of(GetDlgItem(box, 0xFFFF));
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  wait_for([box]() -> HWND { return IsWindow(box) ? nullptr : box; });
  return text;
}

bool save_screen(const std::string& path)
{
  int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = cx;
  info.bmiHeader.biHeight = cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, cx, cy, screen, 0, 0, SRCCOPY);
  GdiFlush();
  DWORD row = ((cx * 3) + 3) & ~3u, size = row * DWORD(cy);
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info.bmiHeader);
  file.bfSize = file.bfOffBits + size;
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof(file));
  out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof(info.bmiHeader));
  out.write(static_cast<const char*>(bits), size);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return out.good();
}

class PresetDialogTest : public ::testing::Test {
protected:
  static void SetUpTestSuite()
  {
    STARTUPINFOA startup = {sizeof(startup)};
    char command[] = "seedvaults_test_host.exe";
    if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_))
      return;
    frame_ = wait_for([] { return FindWindowA(TEST_HOST_FRAME_CLASS, nullptr); });
  }

  static void TearDownTestSuite()
  {
    if (process_.hProcess == nullptr)
      return;
    if (IsWindow(frame_))
      PostMessageA(frame_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, kWaitLimit) != WAIT_OBJECT_0)
      TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }

  void SetUp() override
  {
    ASSERT_NE(nullptr, process_.hProcess) << "the test host did not start";
    ASSERT_NE(nullptr, frame_);
    // The host opens the plug-in's child just after its frame.
    view_ = wait_for([]() -> HWND {
      HWND client = FindWindowExA(frame_, nullptr, "MDICLIENT", nullptr);
      HWND child = client != nullptr ? FindWindowExA(client, nullptr, nullptr, "Seedvaults") : nullptr;
      return child != nullptr ? GetDlgItem(child, kViewId) : nullptr;
    });
    ASSERT_NE(nullptr, view_) << "no child frame titled Seedvaults with a view";
    press(7007);
  }

  HWND control(int id) const { return GetDlgItem(view_, id); }
  void type(int id, const std::string& text) const
  {
    SendMessageA(control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  void press(int id) const
  {
    PostMessageA(view_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control(id)));
  }
  // Presses a browse button and picks path in the open-file dialog.
  void browse_source(const std::string& path) const
  {
    press(7001);
    DWORD process_id = process_.dwProcessId;
    HWND dialog = wait_for([process_id]() -> HWND {
      for (HWND window = FindWindowExA(nullptr, nullptr, "#32770", nullptr); window != nullptr;
           window = FindWindowExA(nullptr, window, "#32770", nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == process_id && GetDlgItem(window, kFileNameCombo) != nullptr)
          return window;
      }
      return nullptr;
    });
    ASSERT_NE(nullptr, dialog) << "no open-file dialog";
    HWND name = GetDlgItem(dialog, kFileNameCombo);
    if (name == nullptr)
      name = GetDlgItem(dialog, kFileNameEdit);
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    wait_for([dialog]() -> HWND { return IsWindow(dialog) ? nullptr : dialog; });
  }
  std::string message_box() const { return answer_message_box(process_.dwProcessId); }
  // Waits until the view has handled what was posted before.
  // Posted commands come after sent messages: wait until the host has
  // emptied its queue, then let one more message round trip.
  void settle() const
  {
    WaitForInputIdle(process_.hProcess, kWaitLimit);
    SendMessageA(view_, WM_NULL, 0, 0);
  }

  static PROCESS_INFORMATION process_;
  static HWND frame_;
  HWND view_ = nullptr;
};

PROCESS_INFORMATION PresetDialogTest::process_ = {};
HWND PresetDialogTest::frame_ = nullptr;

TEST_F(PresetDialogTest, TheDefaultProjectListFillsTheComboBox)
{
  EXPECT_EQ(7, SendMessageA(control(7011), CB_GETCOUNT, 0, 0));
  EXPECT_EQ(0, SendMessageA(control(7011), CB_GETCURSEL, 0, 0));
  EXPECT_TRUE(IsWindowEnabled(control(7011)));
  EXPECT_EQ("Pelkor", text_of(control(7011)));
}

TEST_F(PresetDialogTest, GenerateWithoutPathsAsksForThem)
{
  press(7003);
  EXPECT_EQ("Please select input raw file!", message_box());
  type(7000, fixture_path);
  press(7003);
  EXPECT_EQ("Please select preset file name!", message_box());
  type(7004, temporary_path("never.bin"));
  type(7002, "5");
  press(7003);
  // Nothing was browsed: no row is valid yet.
  EXPECT_EQ("Input number error! Please input a number from 3 to 0.", message_box());
}

TEST_F(PresetDialogTest, ABrowsedWorkbookShowsItsRowsAndGeneratesThePreset)
{
  browse_source(fixture_path);
  settle();
  EXPECT_EQ(fixture_path, text_of(control(7000)));
  EXPECT_EQ("3", text_of(control(7006)));
  EXPECT_EQ("6", text_of(control(7009)));

  std::string target = temporary_path("seedvaults_dialog.bin");
  DeleteFileA(target.c_str());
  type(7004, target);
  type(7002, "7");
  press(7003);
  EXPECT_EQ("Input number error! Please input a number from 3 to 6.", message_box());

  type(7002, "6");
  press(7003);
  // Pelkor, the first project, is of the 52-byte group.
  std::unique_ptr<PresetConverter> converter = SatTpProg52Factory().create();
  ASSERT_TRUE(converter->load(fixture_path));
  std::vector<uint8_t> expected;
  ASSERT_NE(kConvertFailed, converter->convert(expected, 6));
  std::string summary;
  converter->result_message(summary);
  EXPECT_EQ(summary, message_box());
  EXPECT_EQ(expected, file_bytes(target));
  EXPECT_TRUE(save_screen(shot_path));
}

TEST_F(PresetDialogTest, AFileThatIsNoWorkbookIsRefusedAndCleared)
{
  std::string bad = temporary_path("not_a_workbook.xls");
  {
    std::ofstream out(bad, std::ios::binary);
    for (int i = 0; i < 3000; ++i)
      out.put(char((i * 131 + 7) & 0xFF));
  }
  browse_source(bad);
  EXPECT_EQ("Error input file! Unsupported raw data file!", message_box());
  EXPECT_EQ("Error input file! Please select other file as input data!", message_box());
  settle();
  EXPECT_EQ("", text_of(control(7000)));
  EXPECT_EQ("0", text_of(control(7006)));
  EXPECT_EQ("0", text_of(control(7009)));
}

TEST_F(PresetDialogTest, ClearEmptiesTheFields)
{
  type(7000, "a.xls");
  type(7004, "b.bin");
  type(7002, "9");
  press(7007);
  settle();
  EXPECT_EQ("", text_of(control(7000)));
  EXPECT_EQ("", text_of(control(7004)));
  EXPECT_EQ("0", text_of(control(7002)));
}

}

int main(int argc, char** argv)
{
  ::testing::InitGoogleTest(&argc, argv);
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--shot=", 7) == 0)
      shot_path = argv[i] + 7;
    if (std::strncmp(argv[i], "--fixture=", 10) == 0) {
      // The open-file dialog takes a path as the platform writes it.
      fixture_path = argv[i] + 10;
      for (char& c : fixture_path)
        if (c == '/')
          c = '\\';
    }
  }
  return RUN_ALL_TESTS();
}
