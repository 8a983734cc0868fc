// Drives korvo.exe with tailor.dll from outside, as a user would: types an
// image path, analyses it, reads the block grid, opens the customer
// configuration, edits a block's fields, chooses a file row and the output,
// generates, and compares the new image with one the test builds from the
// same inputs through the cores. --shot=<file.bmp> names the picture of the
// main view; the customer configuration's picture goes beside it.

#include "BlockFieldEditor.h"
#include "BlockScript.h"
#include "ConfigGeneration.h"
#include "FlashImageAnalysis.h"
#include "HiddenProgram.h"
#include "ImageBuilder.h"
#include "NewFlashImage.h"
#include "KorvoProcess.h"
#include "ScreenPicture.h"
#include "WindowDriver.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>

using namespace windriver;

namespace {

const char kKorvoExe[] = "..\\dist\\korvo.exe";
const char kTailorDll[] = "..\\dist\\tailor.dll";
const char kTitle[] = "TAILOR";
const char kVersion[] = "BOX-V2.5";
const uint32_t kImageSize = 0x100000;

// Control ids of the view and the dialogs, as a user meets them.
const int kImagePath = 2020;
const int kAnalyse = 2018;
const int kBrowseImage = 2019;
const int kClear = 2021;
const int kBlockCount = 2004;
const int kExpert = 2051;
const int kScriptPath = 2023;
const int kSoftwareVersion = 2005;
const int kStart = 2044;
const int kExport = 2046;
const int kOutputPath = 2000;
const int kGenerate = 2045;
const int kFirstCell = 10000;

const char kScript[] =
    "FLASH=1048576\n"
    "ID=0x10\nname=kernel\nEM=0\nOFFSET=16\n"
    "##[speed][0][0][8],[mode][2][8][3][0][7][1]##\n"
    "ID=0x11\nname=logo\nEM=1\nOFFSET=0\n"
    "ID=0\nname=serial\nEM=3\nOFFSET=32\n"
    "##[serial][0][0][16][Serial number\\nof the box]##\n";

const char kSheetScript[] =
    "CFGHEADER=toolcfg\n"
    "SHEETID=2\nSHEETINFO=[Name][Value][Min][Max][Desc]\n"
    "BLOCKINFO=[kernel]\nOFFSET=0\nEM=0\nINDEX=10\n"
    "##[speed][0][0][8];\n";

std::string g_shot = "tailor.bmp";

std::vector<FlashBlockEntry> fixture_entries()
{
  using image_builder::entry;
  FlashBlockEntry fonts = entry(0x12, 0x40000, 0x1000, "fonts");
  fonts.alignment = kAlignTo64K;
  return { entry(0x01, 0x10000, 0x40, "ssdata", 0x0BADF00D), entry(0x10, 0x20000, 0x4000, "kernel"),
           entry(0x11, 0x30000, 0x800, "logo", kNoCrcWord), fonts };
}

// A 1 MB bank-form image whose "ssdata" block carries the version text.
std::vector<uint8_t> fixture_image()
{
  std::vector<uint8_t> image =
      image_builder::bank_image(kImageSize, 0x800, fixture_entries(), 0x400, 0x200);
  image_builder::fill_pattern(image, 0x10000, 0x40, 1);
  std::memcpy(&image[0x10000], kVersion, sizeof kVersion);
  image_builder::fill_pattern(image, 0x20000, 0x4000, 2);
  image_builder::fill_pattern(image, 0x30000, 0x800, 3);
  image_builder::fill_pattern(image, 0x40000, 0x1000, 4);
  image_builder::fill_pattern(image, 0x400, 0x200, 5);
  return image;
}

std::vector<uint8_t> read_bytes(const std::string& path)
{
  const std::string text = read_file(path);
  return std::vector<uint8_t>(text.begin(), text.end());
}

// A 1 MB DM-form image: one header at 0x1000 with "ssdata", "kernel" and,
// when given, the packed spreadsheet script as "toolcfg".
std::vector<uint8_t> dm_image(const std::vector<uint8_t>& packed_script)
{
  using image_builder::entry;
  std::vector<FlashBlockEntry> entries = { entry(0x01, 0x100, 0x40, "ssdata"), entry(0x10, 0x200, 0x400, "kernel") };
  if (!packed_script.empty())
    entries.push_back(entry(0x20, 0x800, static_cast<uint32_t>(packed_script.size()), "toolcfg"));
  std::vector<uint8_t> image(kImageSize, 0);
  image_builder::place_dm_header(image, 0x1000, 0x400000, entries);
  std::memcpy(&image[0x1100], kVersion, sizeof kVersion);
  image_builder::fill_pattern(image, 0x1200, 0x400, 6);
  std::copy(packed_script.begin(), packed_script.end(), image.begin() + 0x1800);
  return image;
}

std::vector<uint8_t> logo_file()
{
  std::vector<uint8_t> bytes(0x900);
  for (std::size_t i = 0; i < bytes.size(); ++i)
    bytes[i] = static_cast<uint8_t>(i * 5 + 1);
  return bytes;
}

void write_file(const std::string& path, const std::vector<uint8_t>& bytes)
{
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

std::vector<uint8_t> bytes_of(const std::string& text)
{
  return std::vector<uint8_t>(text.begin(), text.end());
}

// What the dialogs should write: the fixture analysed, kernel's fields set to
// 171 and choice 3, logo replaced by the row file.
std::vector<uint8_t> golden_image(const std::string& image_path, const std::string& logo_path)
{
  FlashImageAnalysis analysis;
  EXPECT_TRUE(analysis.analyse(fixture_image(), image_path, false).ok());
  std::istringstream script(kScript);
  BlockScript blocks;
  EXPECT_TRUE(blocks.parse(script, kImageSize).ok());
  BlockFieldEditor editor(analysis.image.edit(), analysis.bank_entries, blocks.blocks[0]);
  EXPECT_EQ(2u, editor.load().loaded);
  FieldInput speed;
  speed.text = "171";
  FieldInput mode;
  mode.selected = 3;
  EXPECT_EQ(kTailorDone, editor.write_back({ speed, mode }));

  ConfigGeneration generation(blocks.blocks);
  GenerationRequest request;
  EXPECT_TRUE(generation.read_files({ logo_path }, "", "", request).ok());
  GenerationImage source;
  source.bytes = analysis.image;
  source.entries = analysis.bank_entries;
  source.bank_header_position = analysis.bank_header_position;
  source.config_length = analysis.config_length;
  GenerationResult result = generation.generate(source, request);
  EXPECT_TRUE(result.ok());
  return result.image.bytes;
}

// Answers the process's message box that shows over an open dialog.
std::string answer_message_box_over(DWORD process, HWND dialog, DWORD limit_ms)
{
  HWND box = wait_for(
      [process, dialog] {
        for (HWND window : top_windows(process)) {
          if (window != dialog && class_of(window) == "#32770")
            return window;
        }
        return HWND(NULL);
      },
      limit_ms);
  if (box == NULL)
    return "<no message box>";
  const std::string text = message_box_text(box);
  press_button(box, IDOK);
  wait_until([box] { return !::IsWindow(box); });
  return text;
}

std::string sibling_shot(const std::string& suffix)
{
  std::string path = g_shot;
  std::size_t dot = path.rfind('.');
  return path.substr(0, dot) + suffix + path.substr(dot);
}

class TailorInKorvo : public ::testing::Test {
protected:
  static void SetUpTestSuite()
  {
    s_folder = make_folder(program_folder() + "tailor-e2e", { program_folder() + kTailorDll });
    s_image_path = s_folder + "box.bin";
    write_file(s_image_path, fixture_image());
    write_file(s_folder + kVersion, bytes_of(kScript));
    s_korvo = new KorvoProcess;
    if (s_korvo->start(kKorvoExe, s_folder) && s_korvo->wait_for_main_window() != NULL) {
      // Room for the block grid in the pictures.
      ::ShowWindow(s_korvo->main_window(), SW_MAXIMIZE);
      if (HWND child = wait_for([] { return s_korvo->child_titled(kTitle); }))
        ::SendMessageA(s_korvo->mdi_client(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
    }
  }

  static void TearDownTestSuite()
  {
    delete s_korvo;
    s_korvo = nullptr;
  }

  void SetUp() override
  {
    ASSERT_NE(nullptr, s_korvo->main_window()) << "korvo.exe did not show its main window";
    HWND child = wait_for([] { return s_korvo->child_titled(kTitle); });
    ASSERT_NE(nullptr, child) << "no child window titled " << kTitle;
    HWND edit = wait_for([child] { return find_descendant(child, kImagePath); });
    ASSERT_NE(nullptr, edit);
    m_view = ::GetParent(edit);
  }

  // Clear runs no dialog of its own, so it can be pressed and waited for:
  // a posted click would land after text typed just behind it.
  void clear_view() const
  {
    ::SendMessageA(m_view, WM_COMMAND, MAKEWPARAM(kClear, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(m_view, kClear)));
  }

  HWND cell(int row, int column) const { return ::GetDlgItem(m_view, kFirstCell + 10 * row + column); }
  std::string item_text(HWND dialog, int id) const { return text_of(::GetDlgItem(dialog, id)); }

  static std::string s_folder;
  static std::string s_image_path;
  static KorvoProcess* s_korvo;
  HWND m_view = NULL;
};

std::string TailorInKorvo::s_folder;
std::string TailorInKorvo::s_image_path;
KorvoProcess* TailorInKorvo::s_korvo = nullptr;

}  // namespace

TEST_F(TailorInKorvo, AnalysesTheTypedImageAndShowsItsBlockTable)
{
  set_edit_text(m_view, kImagePath, s_image_path);
  press_button(m_view, kAnalyse);
  ASSERT_TRUE(wait_until([this] { return cell(3, 5) != NULL; })) << "no grid after the analysis";

  const char* expected[4][6] = {
    { "01", "      40", "0BADF00D", "ssdata", "01020304", "2010-05-17 1" },
    { "10", "    4000", "11223344", "kernel", "01020304", "2010-05-17 1" },
    { "11", "     800", "4352434E", "logo", "01020304", "2010-05-17 1" },
    { "12", "    1000", "11223344", "fonts", "01020304", "2010-05-17 1" },
  };
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 6; ++column)
      EXPECT_EQ(expected[row][column], text_of(cell(row, column))) << row << ", " << column;
  }
  EXPECT_EQ(NULL, cell(4, 0));
  EXPECT_EQ("4", item_text(m_view, kBlockCount));
  EXPECT_EQ(kVersion, item_text(m_view, kSoftwareVersion));
  EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(m_view, kAnalyse)));
  EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(m_view, kBrowseImage)));

  RECT header;
  RECT third;
  ::GetWindowRect(::GetDlgItem(m_view, 2038), &header);
  ::GetWindowRect(cell(3, 2), &third);
  EXPECT_EQ(header.top + 84, third.top) << "the cell of row 3 lies four rows below its header";
  ::Sleep(300);
  EXPECT_TRUE(save_screen(g_shot));
}

TEST_F(TailorInKorvo, ExportWithoutAnOutputPathIsRefused)
{
  press_button(m_view, kExport);
  EXPECT_EQ("Please select a file to be exported!", answer_message_box(s_korvo->process_id()));
}

TEST_F(TailorInKorvo, GeneratesTheCustomerConfiguration)
{
  const std::string logo_path = s_folder + "logo.bin";
  const std::string output_path = s_folder + "new.bin";
  write_file(logo_path, logo_file());
  ::DeleteFileA(output_path.c_str());

  press_button(m_view, kStart);
  const DWORD process = s_korvo->process_id();
  HWND config = wait_for([process] { return find_top_window(process, "#32770", "Customer Config"); });
  ASSERT_NE(nullptr, config) << "the customer configuration did not open";
  EXPECT_EQ("kernel", item_text(config, 20000));
  EXPECT_EQ("serial", item_text(config, 20001));
  EXPECT_EQ("logo", item_text(config, 20100));
  EXPECT_EQ("....", item_text(config, 20300));
  EXPECT_EQ(NULL, ::GetDlgItem(config, 20101));

  press_button(config, 20000);
  HWND editor = wait_for([process] { return find_top_window(process, "#32770", "kernel"); });
  ASSERT_NE(nullptr, editor) << "the field editor did not open";
  EXPECT_EQ("speed", item_text(editor, 30000));
  EXPECT_EQ("mode", item_text(editor, 30001));
  set_edit_text(editor, 31000, "171");
  ::SendMessageA(::GetDlgItem(editor, 31001), CB_SETCURSEL, 3, 0);
  press_button(editor, IDOK);
  EXPECT_TRUE(wait_until([editor] { return !::IsWindow(editor); }));

  set_edit_text(config, 20200, logo_path);
  set_edit_text(config, kOutputPath, output_path);
  ::Sleep(300);
  EXPECT_TRUE(save_screen(sibling_shot("_config")));

  press_button(config, kGenerate);
  ASSERT_TRUE(wait_until([config] { return !::IsWindow(config); }))
      << "Generate did not finish: " << answer_message_box(process, IDOK, 1000);
  const std::string written = read_file(output_path);
  const std::vector<uint8_t> golden = golden_image(s_image_path, logo_path);
  ASSERT_EQ(golden.size(), written.size());
  EXPECT_TRUE(std::memcmp(golden.data(), written.data(), golden.size()) == 0) << "the new image differs";
  EXPECT_EQ(171, static_cast<uint8_t>(written[0x20010]));
  EXPECT_EQ(0x900u, FlashBlockEntry::read_u32(reinterpret_cast<const uint8_t*>(written.data()) + 0x800 + 12 + 2 * 48 + 8));
}

TEST_F(TailorInKorvo, ClearEmptiesTheGridAndEnablesTheAnalysis)
{
  clear_view();
  ASSERT_TRUE(wait_until([this] { return cell(0, 0) == NULL; }));
  EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(m_view, kAnalyse)));
  EXPECT_EQ("", item_text(m_view, kImagePath));
  EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(m_view, kStart)));
}

TEST_F(TailorInKorvo, InExpertModeTheScriptIsChosenByTheUser)
{
  clear_view();
  ::SendMessageA(::GetDlgItem(m_view, kExpert), BM_SETCHECK, BST_CHECKED, 0);
  set_edit_text(m_view, kImagePath, s_image_path);
  press_button(m_view, kAnalyse);
  ASSERT_TRUE(wait_until([this] { return cell(0, 0) != NULL; }));
  EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(m_view, kScriptPath)));
  EXPECT_EQ("", item_text(m_view, kScriptPath));
  press_button(m_view, kStart);
  EXPECT_EQ("Please select script file!", answer_message_box(s_korvo->process_id()));
  ::SendMessageA(::GetDlgItem(m_view, kExpert), BM_SETCHECK, BST_UNCHECKED, 0);
  clear_view();
  EXPECT_TRUE(wait_until([this] { return !::IsWindowVisible(::GetDlgItem(m_view, kScriptPath)); }));
}

TEST_F(TailorInKorvo, AnImageWithoutItsSpreadsheetScriptCannotBeParsed)
{
  const std::string path = s_folder + "plain-dm.bin";
  write_file(path, dm_image({}));
  clear_view();
  set_edit_text(m_view, kImagePath, path);
  press_button(m_view, kAnalyse);
  ASSERT_TRUE(wait_until([this] { return cell(1, 5) != NULL; }));
  EXPECT_EQ(NULL, cell(2, 0));
  EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(m_view, kExport))) << "the DM form has no configuration area";
  press_button(m_view, kStart);
  EXPECT_EQ("Wrong binary file, can not parse it!", answer_message_box(s_korvo->process_id()));
}

TEST_F(TailorInKorvo, TheImagesSpreadsheetScriptIsUnpackedParsedAndHandedOn)
{
  const std::string script = s_folder + "sheet.cfg";
  write_file(script, bytes_of(kSheetScript));
  ::DeleteFileA((script + ".gz").c_str());
  ASSERT_TRUE(run_hidden_and_wait("\"" + program_folder() + "..\\dist\\gzip.exe\" -f \"" + script + "\""));
  const std::string path = s_folder + "script-dm.bin";
  write_file(path, dm_image(read_bytes(script + ".gz")));

  clear_view();
  set_edit_text(m_view, kImagePath, path);
  press_button(m_view, kAnalyse);
  ASSERT_TRUE(wait_until([this] { return cell(2, 3) != NULL; }));
  EXPECT_EQ("toolcfg", text_of(cell(2, 3)));
  press_button(m_view, kStart);

  // Past the script, the workbook needs the spreadsheet program: where none
  // answers, its absence is what stops the start.
  const DWORD process = s_korvo->process_id();
  HWND next = wait_for([process] {
    HWND dialog = find_top_window(process, "#32770", "New Format");
    return dialog != NULL ? dialog : find_dialog(process);
  });
  ASSERT_NE(nullptr, next);
  if (text_of(next) == "New Format") {
    // The workbook went out unchanged, so the new image is the analysed one
    // with its blocks laid out again.
    const std::string output_path = s_folder + "new-dm.bin";
    ::DeleteFileA(output_path.c_str());
    set_edit_text(next, 2000, output_path);
    press_button(next, 2001);
    EXPECT_EQ("The New Flash File Created Successful!", answer_message_box_over(process, next, 60000));
    FlashImageAnalysis analysis;
    ASSERT_TRUE(analysis.analyse(read_bytes(path), path, false).ok());
    NewFlashImage golden;
    ASSERT_TRUE(golden.lay_out(analysis.record_copy, analysis.image).ok());
    EXPECT_TRUE(read_bytes(output_path) == golden.image) << "the new image differs";
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(next, 2001))) << "save stays disabled";
    press_button(next, IDCANCEL);
  } else {
    EXPECT_EQ("Couldn't start Excel and get Application object.", answer_message_box(process));
    EXPECT_EQ("Wrong binary file, can not create xls!", answer_message_box(process));
  }
}

int main(int argc, char** argv)
{
  ::testing::InitGoogleTest(&argc, argv);
  g_shot = shot_path(argc, argv, g_shot);
  return RUN_ALL_TESTS();
}
