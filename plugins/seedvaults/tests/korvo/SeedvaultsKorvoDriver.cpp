// Drives seedvaults inside korvo.exe from outside, as a user would: types
// into the preset view, picks the workbook in the open-file dialog, presses
// Generate and reads the message boxes. The preset written is compared with
// one that python3-xlrd's reading of the same workbook gave (made by the
// test's script before this driver runs).
#include "KorvoProcess.h"
#include "PresetDialogIds.h"
#include "ScreenPicture.h"
#include "WindowDriver.h"
#include <windows.h>
#include <gtest/gtest.h>
#include <fstream>
#include <string>

using namespace windriver;

namespace {

const char kKorvoExe[] = "..\\dist\\korvo.exe";
const char kPlugin[] = "..\\dist\\seedvaults.dll";
// Left in the driver's folder by the test's script.
const char kWorkbook[] = "seedvaults_korvo_fixture.xls";
const char kExpectedMessage[] = "seedvaults_korvo_message.txt";
const int kViewId = 0xE900;
// The file-name box of the open-file dialog.
const int kFileNameCombo = 0x47C;

std::string shot = "seedvaults_korvo.bmp";

class SeedvaultsInKorvo : public ::testing::Test {
protected:
  static void SetUpTestSuite()
  {
    folder_ = make_folder(program_folder() + "seedvaults-korvo", {program_folder() + kPlugin});
    korvo_ = new KorvoProcess;
    if (!korvo_->start(kKorvoExe, folder_) || !korvo_->wait_for_main_window())
      return;
    HWND child = wait_for([] { return korvo_->child_titled("Seedvaults"); });
    view_ = child ? wait_for([child] { return ::GetDlgItem(child, kViewId); }) : NULL;
  }

  static void TearDownTestSuite()
  {
    delete korvo_;
    korvo_ = nullptr;
  }

  void SetUp() override
  {
    ASSERT_NE(nullptr, view_) << "korvo shows no Seedvaults child with its view";
    // A row count that only the click can reset tells when it is handled.
    type(IDC_LAST_ROW, "1");
    press(IDC_CLEAR);
    ASSERT_TRUE(shows(IDC_LAST_ROW, "0"));
  }

  HWND control(int id) const { return ::GetDlgItem(view_, id); }
  void type(int id, const std::string& text) const { set_edit_text(view_, id, text); }
  void press(int id) const { press_button(view_, id); }
  std::string message_box() const { return answer_message_box(korvo_->process_id()); }
  // Waits until the control shows the text: a posted click is handled after
  // any message sent meanwhile, so only its effect tells that it is done.
  bool shows(int id, const std::string& text) const
  {
    return wait_until([&] { return text_of(control(id)) == text; });
  }

  // Presses the source's browse button and picks path in the open-file dialog.
  void browse_source(const std::string& path) const
  {
    press(IDC_BROWSE_SOURCE);
    DWORD process_id = korvo_->process_id();
    HWND dialog = wait_for([process_id]() -> HWND {
      HWND found = find_dialog(process_id);
      return found && ::GetDlgItem(found, kFileNameCombo) ? found : NULL;
    });
    ASSERT_NE(nullptr, dialog) << "no open-file dialog";
    set_edit_text(dialog, kFileNameCombo, path);
    press_button(dialog, IDOK);
    ASSERT_TRUE(wait_until([dialog] { return !::IsWindow(dialog); }));
  }

  static std::string folder_;
  static KorvoProcess* korvo_;
  static HWND view_;
};

std::string SeedvaultsInKorvo::folder_;
KorvoProcess* SeedvaultsInKorvo::korvo_ = nullptr;
HWND SeedvaultsInKorvo::view_ = NULL;

TEST_F(SeedvaultsInKorvo, GenerateBeforeAnyBrowseAsksForPathsThenForAValidRow)
{
  press(IDC_GENERATE);
  EXPECT_EQ("Please select input raw file!", message_box());
  type(IDC_SOURCE_PATH, program_folder() + kWorkbook);
  press(IDC_GENERATE);
  EXPECT_EQ("Please select preset file name!", message_box());
  type(IDC_TARGET_PATH, folder_ + "never.bin");
  type(IDC_LAST_ROW, "5");
  press(IDC_GENERATE);
  // Nothing was browsed: no row is valid yet.
  EXPECT_EQ("Input number error! Please input a number from 3 to 0.", message_box());
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA((folder_ + "never.bin").c_str()));
}

TEST_F(SeedvaultsInKorvo, TheLabelsAndTheProjectsShow)
{
  if (::GetACP() == 936) {
    const char* const labels[] = {
      "\xD4\xAD\xCA\xBC\xCA\xFD\xBE\xDD\xC2\xB7\xBE\xB6", // source path
      "\xB1\xA3\xB4\xE6\xC2\xB7\xBE\xB6",                 // save path
      "\xD1\xA1\xD4\xF1\xD2\xBB\xB8\xF6\xCF\xEE\xC4\xBF", // choose a project
      "\xD7\xEE\xD0\xA1\xD6\xB5",                         // minimum
      "\xD7\xEE\xB4\xF3\xD6\xB5",                         // maximum
      "\xB4\xD3\xD7\xEE\xD0\xA1\xD6\xB5\xB5\xBD\xD7\xEE\xB4\xF3\xD6\xB5\xCA\xE4\xC8\xEB\xCA\xFD\xBE\xDD",
    };
    for (const char* label : labels)
      EXPECT_NE(nullptr, find_descendant_titled(view_, label)) << "no label " << label;
    EXPECT_EQ("\xC9\xFA\xB3\xC9", text_of(control(IDC_GENERATE)));
    EXPECT_EQ("\xC7\xE5\xB3\xFD", text_of(control(IDC_CLEAR)));
    EXPECT_EQ("\xE4\xAF\xC0\xC0", text_of(control(IDC_BROWSE_SOURCE)));
  }
  // No korvo.ini in korvo's folder: the built-in list of seven projects.
  EXPECT_EQ(7, ::SendMessageA(control(IDC_PROJECT), CB_GETCOUNT, 0, 0));
  EXPECT_EQ("Pelkor", text_of(control(IDC_PROJECT)));
}

TEST_F(SeedvaultsInKorvo, ABrowsedWorkbookGeneratesThePresetThatXlrdReads)
{
  std::string workbook = program_folder() + kWorkbook;
  browse_source(workbook);
  EXPECT_TRUE(shows(IDC_SOURCE_PATH, workbook));
  EXPECT_EQ("3", text_of(control(IDC_SHOWN_MINIMUM)));
  EXPECT_EQ("6", text_of(control(IDC_SHOWN_MAXIMUM)));

  std::string target = folder_ + "preset.bin";
  type(IDC_TARGET_PATH, target);
  type(IDC_LAST_ROW, "7");
  press(IDC_GENERATE);
  EXPECT_EQ("Input number error! Please input a number from 3 to 6.", message_box());

  type(IDC_LAST_ROW, "6");
  press(IDC_GENERATE);
  DWORD process_id = korvo_->process_id();
  ASSERT_NE(nullptr, wait_for([process_id] { return find_message_box(process_id); }));
  EXPECT_TRUE(save_screen(shot));
  // Pelkor, the first project, is of the 52-byte group.
  EXPECT_EQ(read_file(program_folder() + kExpectedMessage), message_box());
  std::string expected = read_file(program_folder() + "seedvaults_korvo_preset_" + std::to_string(::GetACP()) + ".bin");
  ASSERT_FALSE(expected.empty()) << "no expected preset for code page " << ::GetACP();
  EXPECT_EQ(expected, read_file(target));
}

TEST_F(SeedvaultsInKorvo, AFileThatIsNoWorkbookIsRefusedAndCleared)
{
  std::string bad = folder_ + "not_a_workbook.xls";
  {
    std::ofstream out(bad, std::ios::binary);
    for (int i = 0; i < 3000; ++i)
      out.put(char((i * 131 + 7) & 0xFF));
  }
  browse_source(bad);
  EXPECT_EQ("Error input file! Unsupported raw data file!", message_box());
  EXPECT_EQ("Error input file! Please select other file as input data!", message_box());
  EXPECT_TRUE(shows(IDC_SOURCE_PATH, ""));
  EXPECT_EQ("0", text_of(control(IDC_SHOWN_MINIMUM)));
  EXPECT_EQ("0", text_of(control(IDC_SHOWN_MAXIMUM)));
}

TEST_F(SeedvaultsInKorvo, ClearEmptiesTheFields)
{
  type(IDC_SOURCE_PATH, "a.xls");
  type(IDC_TARGET_PATH, "b.bin");
  type(IDC_LAST_ROW, "9");
  press(IDC_CLEAR);
  EXPECT_TRUE(shows(IDC_SOURCE_PATH, ""));
  EXPECT_EQ("", text_of(control(IDC_TARGET_PATH)));
  EXPECT_EQ("0", text_of(control(IDC_LAST_ROW)));
}

}

int main(int argc, char** argv)
{
  ::testing::InitGoogleTest(&argc, argv);
  shot = shot_path(argc, argv, shot);
  return RUN_ALL_TESTS();
}
