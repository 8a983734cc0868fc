#include "AutomationClient.h"
#include "DispatchIds.h"
#include "ServerLifetime.h"
#include <gtest/gtest.h>
#include <tlhelp32.h>
#include <algorithm>
#include <cstdio>
#include <set>

namespace {

// Long enough for any server to end; only a server that hangs reaches it.
constexpr DWORD kEndWaitMilliseconds = 20000;

std::set<DWORD> server_processes()
{
  std::set<DWORD> found;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
    if (lstrcmpiW(entry.szExeFile, L"excel-standin.exe") == 0 && entry.th32ParentProcessID == GetCurrentProcessId())
      found.insert(entry.th32ProcessID);
  CloseHandle(snapshot);
  return found;
}

DWORD run_server(const wchar_t* switch_text)
{
  std::wstring exe = EXCEL_STANDIN_EXE;
  std::replace(exe.begin(), exe.end(), L'/', L'\\');
  std::wstring command = L"\"" + exe + L"\" " + switch_text;
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return DWORD(-1);
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = DWORD(-1);
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return code;
}

class ServerEnvironment : public ::testing::Environment {
public:
  void SetUp() override
  {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    ASSERT_EQ(0u, run_server(L"/RegServer"));
  }
  void TearDown() override { CoUninitialize(); }
};

::testing::Environment* const environment = ::testing::AddGlobalTestEnvironment(new ServerEnvironment);

std::wstring temporary_path(const wchar_t* name)
{
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  return std::wstring(folder) + L"excel-standin-" + std::to_wstring(GetCurrentProcessId()) + L"-" + name;
}

std::vector<Variant> omitted(std::size_t count)
{
  return std::vector<Variant>(count, Variant::missing());
}

std::string hex(HRESULT code)
{
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(code));
  return text;
}

class StandinServer : public ::testing::Test {
protected:
  void SetUp() override
  {
    HRESULT code = E_FAIL;
    application_ = Dispatch::create(L"Excel.Application", code);
    ASSERT_TRUE(application_) << hex(code);
  }

  void TearDown() override
  {
    application_.call(kDispidQuit);
    application_.reset();
  }

  Dispatch workbooks() const { return application_.object(kDispidWorkbooks); }
  Dispatch add_workbook() const { return workbooks().object(kDispidAdd, omitted(1)); }
  static Dispatch sheet(const Dispatch& workbook, const Variant& which)
  {
    return workbook.object(kDispidWorksheets).object(kDispidItem, {which});
  }
  static Dispatch range(const Dispatch& sheet, const wchar_t* first, const wchar_t* last)
  {
    return sheet.object(kDispidRange, {Variant(first), Variant(last)});
  }
  static std::wstring name_of(const Dispatch& sheet) { return sheet.call(kDispidName).value.text(); }
  static long count_of(const Dispatch& range, DISPID part)
  {
    return range.object(part).call(kDispidCount).value.value.lVal;
  }

  Dispatch application_;
};

// Tests of when the server process ends. A server serves every client that
// comes while it runs, so these need no other client of the ProgID at work
// on the machine.
class StandinServerProcess : public StandinServer {
protected:
  void SetUp() override
  {
    std::set<DWORD> before = server_processes();
    StandinServer::SetUp();
    std::set<DWORD> now = server_processes();
    for (DWORD id : before)
      now.erase(id);
    ASSERT_EQ(1u, now.size());
    process_ = OpenProcess(SYNCHRONIZE, FALSE, *now.begin());
    ASSERT_NE(nullptr, process_);
  }

  void TearDown() override
  {
    StandinServer::TearDown();
    if (process_) {
      EXPECT_TRUE(ended());
      CloseHandle(process_);
    }
  }

  bool ended() const { return WaitForSingleObject(process_, kEndWaitMilliseconds) == WAIT_OBJECT_0; }
  bool still_running() const { return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

  HANDLE process_ = nullptr;
};

void expect_number(const Variant& value, double number)
{
  EXPECT_EQ(VT_R8, value.value.vt);
  EXPECT_EQ(number, value.value.vt == VT_R8 ? value.value.dblVal : -999.0);
}

void expect_text(const Variant& value, const wchar_t* text)
{
  EXPECT_EQ(VT_BSTR, value.value.vt);
  EXPECT_EQ(std::wstring(text), value.text());
}

}

TEST_F(StandinServer, MembersAnswerToTheirNamesInAnyCase)
{
  Dispatch workbook = add_workbook();
  Dispatch worksheets = workbook.object(kDispidWorksheets);
  Dispatch first = sheet(workbook, Variant::of_short(1));
  Dispatch cells = range(first, L"A1", L"B2");
  Dispatch interior = cells.object(kDispidInterior);
  struct Case {
    const Dispatch* object;
    const wchar_t* name;
    DISPID id;
  };
  const Case cases[] = {
    {&application_, L"Workbooks", kDispidWorkbooks}, {&application_, L"visible", kDispidVisible},
    {&application_, L"UserControl", kDispidUserControl}, {&application_, L"QUIT", kDispidQuit},
    {&workbook, L"Worksheets", kDispidWorksheets},     {&workbook, L"SaveAs", kDispidSaveAs},
    {&workbook, L"Close", kDispidClose},               {&worksheets, L"Add", kDispidAdd},
    {&worksheets, L"Item", kDispidItem},               {&first, L"Name", kDispidName},
    {&first, L"Cells", kDispidCells},                  {&first, L"Range", kDispidRange},
    {&first, L"UsedRange", kDispidUsedRange},          {&cells, L"Value2", kDispidValue2},
    {&cells, L"Rows", kDispidRows},                    {&cells, L"Columns", kDispidColumns},
    {&cells, L"Count", kDispidCount},                  {&cells, L"Interior", kDispidInterior},
    {&cells, L"Item", kDispidItem},                    {&interior, L"ColorIndex", kDispidColorIndex},
  };
  for (const Case& c : cases) {
    DISPID id = 0;
    EXPECT_EQ(S_OK, c.object->id_of(c.name, id));
    EXPECT_EQ(c.id, id);
  }
  DISPID id = 0;
  EXPECT_EQ(DISP_E_UNKNOWNNAME, application_.id_of(L"Value2", id));
  EXPECT_EQ(DISP_E_MEMBERNOTFOUND, application_.call(kDispidValue2).code);
  EXPECT_EQ(DISP_E_MEMBERNOTFOUND, application_.put(kDispidWorkbooks, Variant::of_long(1)).code);
}

TEST_F(StandinServer, ApplicationKeepsItsVisibleAndUserControlFlags)
{
  for (DISPID flag : {kDispidVisible, kDispidUserControl}) {
    EXPECT_EQ(VARIANT_FALSE, application_.call(flag).value.value.boolVal);
    EXPECT_EQ(S_OK, application_.put(flag, Variant::of_bool(true)).code);
    EXPECT_EQ(VARIANT_TRUE, application_.call(flag).value.value.boolVal);
  }
}

TEST_F(StandinServer, NewWorkbookGainsSheet4BeforeTheOthersAndSheetsAreRenamed)
{
  Dispatch workbook = add_workbook();
  Dispatch worksheets = workbook.object(kDispidWorksheets);
  ASSERT_TRUE(worksheets.object(kDispidAdd, omitted(4)));
  Dispatch program = worksheets.object(kDispidItem, {Variant(L"sheet4")});
  ASSERT_TRUE(program);
  EXPECT_EQ(S_OK, program.put(kDispidName, Variant(L"Program")).code);
  const wchar_t* names[] = {L"IR_FP_Key", L"Sys_Config", L"File_Path"};
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(S_OK, sheet(workbook, Variant((L"sheet" + std::to_wstring(i + 1)).c_str()))
                      .put(kDispidName, Variant(names[i]))
                      .code);
  const wchar_t* order[] = {L"Program", L"IR_FP_Key", L"Sys_Config", L"File_Path"};
  for (short place = 1; place <= 4; ++place)
    EXPECT_EQ(order[place - 1], name_of(sheet(workbook, Variant::of_short(place))));
  EXPECT_EQ(L"Sys_Config", name_of(sheet(workbook, Variant::of_long(3))));
  EXPECT_EQ(DISP_E_BADINDEX, worksheets.call(kDispidItem, {Variant::of_short(5)}).code);
  EXPECT_EQ(DISP_E_BADINDEX, worksheets.call(kDispidItem, {Variant::of_short(0)}).code);
  EXPECT_EQ(DISP_E_BADINDEX, worksheets.call(kDispidItem, {Variant(L"sheet1")}).code);
}

TEST_F(StandinServer, CellsAndRangesCarryValuesBothWays)
{
  Dispatch first = sheet(add_workbook(), Variant::of_short(1));
  Dispatch cells = first.object(kDispidCells);
  EXPECT_EQ(65536, count_of(cells, kDispidRows));
  EXPECT_EQ(256, count_of(cells, kDispidColumns));
  struct Put {
    unsigned row, column;
    Variant value;
  };
  const Put puts[] = {
    {2, 2, Variant(L"*block")},
    {3, 2, Variant::of_unsigned64(4294967296ull)},
    {3, 3, Variant::of_unsigned(255)},
    {3, 4, Variant::of_short(-2)},
    {4, 2, Variant(0.25)},
    {4, 3, Variant(L"gone")},
    {4, 3, Variant(L"")},
  };
  for (const Put& put : puts)
    EXPECT_EQ(S_OK, cells.put(kDispidItem, put.value, {Variant::of_unsigned(put.row), Variant::of_unsigned(put.column)})
                      .code);

  Dispatch used = first.object(kDispidUsedRange);
  EXPECT_EQ(3, count_of(used, kDispidRows));
  EXPECT_EQ(3, count_of(used, kDispidColumns));
  EXPECT_EQ(9, used.call(kDispidCount).value.value.lVal);

  // The corners may come in either order.
  Variant values = range(first, L"D4", L"A1").call(kDispidValue2).value;
  long rows = 0, columns = 0;
  ASSERT_TRUE(array_size(values.value, rows, columns));
  EXPECT_EQ(4, rows);
  EXPECT_EQ(4, columns);
  expect_text(array_element(values.value, 2, 2), L"*block");
  expect_number(array_element(values.value, 3, 2), 4294967296.0);
  expect_number(array_element(values.value, 3, 3), 255.0);
  expect_number(array_element(values.value, 3, 4), -2.0);
  expect_number(array_element(values.value, 4, 2), 0.25);
  EXPECT_EQ(VT_EMPTY, array_element(values.value, 4, 3).value.vt);
  EXPECT_EQ(VT_EMPTY, array_element(values.value, 1, 1).value.vt);

  expect_text(range(first, L"B2", L"B2").call(kDispidValue2).value, L"*block");
  expect_text(first.object(kDispidRange, {Variant(L"$b$2")}).call(kDispidValue2).value, L"*block");
  expect_number(cells.object(kDispidItem, {Variant::of_long(3), Variant::of_long(3)}).call(kDispidValue2).value, 255.0);
}

TEST_F(StandinServer, ArraysAndSingleValuesFillWholeRanges)
{
  Dispatch first = sheet(add_workbook(), Variant::of_short(1));
  Dispatch block = range(first, L"B2", L"D3");
  Variant table = Variant::array({{Variant(L"a"), Variant(), Variant(1.5)}, {Variant(2.0), Variant(L"\u4e2d"), Variant()}});
  ASSERT_EQ(S_OK, block.put(kDispidValue2, table).code);
  Variant values = range(first, L"A1", L"D3").call(kDispidValue2).value;
  expect_text(array_element(values.value, 2, 2), L"a");
  EXPECT_EQ(VT_EMPTY, array_element(values.value, 2, 3).value.vt);
  expect_number(array_element(values.value, 2, 4), 1.5);
  expect_number(array_element(values.value, 3, 2), 2.0);
  expect_text(array_element(values.value, 3, 3), L"\u4e2d");

  Dispatch row = range(first, L"A5", L"C5");
  EXPECT_EQ(S_OK, row.put(kDispidValue2, Variant(7.0)).code);
  EXPECT_EQ(4, count_of(first.object(kDispidUsedRange), kDispidColumns));
  EXPECT_EQ(4, count_of(first.object(kDispidUsedRange), kDispidRows));
  EXPECT_EQ(S_OK, range(first, L"A1", L"D5").put(kDispidValue2, Variant()).code);
  EXPECT_EQ(1, first.object(kDispidUsedRange).call(kDispidCount).value.value.lVal);
  EXPECT_EQ(VT_EMPTY, range(first, L"A5", L"A5").call(kDispidValue2).value.value.vt);
}

TEST_F(StandinServer, RefusedCallsSayWhyAndChangeNothing)
{
  Dispatch workbook = add_workbook();
  Dispatch first = sheet(workbook, Variant::of_short(1));
  Dispatch cells = first.object(kDispidCells);
  Dispatch block = range(first, L"A1", L"B2");
  ASSERT_EQ(S_OK, block.put(kDispidValue2, Variant(1.0)).code);

  CallOutcome wrong_size = block.put(kDispidValue2, Variant::array({{Variant(L"x"), Variant(L"y"), Variant(L"z")}}));
  EXPECT_EQ(DISP_E_EXCEPTION, wrong_size.code);
  EXPECT_NE(std::wstring::npos, wrong_size.description.find(L"1 x 3"));
  EXPECT_EQ(DISP_E_TYPEMISMATCH,
            block.put(kDispidValue2, Variant::array({{Variant(L"x"), Variant::of_bool(true)}, {Variant(), Variant()}}))
              .code);
  EXPECT_EQ(DISP_E_TYPEMISMATCH, block.put(kDispidValue2, Variant::of_bool(true)).code);
  Variant unchanged = block.call(kDispidValue2).value;
  for (long row = 1; row <= 2; ++row)
    for (long column = 1; column <= 2; ++column)
      expect_number(array_element(unchanged.value, row, column), 1.0);

  // A whole sheet is too large to read or fill at once; it can still be cleared.
  EXPECT_EQ(DISP_E_EXCEPTION, cells.call(kDispidValue2).code);
  EXPECT_EQ(DISP_E_EXCEPTION, cells.put(kDispidValue2, Variant(1.0)).code);
  EXPECT_EQ(DISP_E_BADINDEX, cells.put(kDispidItem, Variant(1.0), {Variant::of_long(0), Variant::of_long(1)}).code);
  EXPECT_EQ(DISP_E_BADINDEX, cells.put(kDispidItem, Variant(1.0), {Variant::of_long(1), Variant::of_long(257)}).code);
  EXPECT_EQ(DISP_E_TYPEMISMATCH, cells.put(kDispidItem, Variant(1.0), {Variant(L"x"), Variant::of_long(1)}).code);
  EXPECT_EQ(DISP_E_BADPARAMCOUNT, cells.put(kDispidItem, Variant(1.0), {Variant::of_long(1)}).code);

  CallOutcome bad_name = first.call(kDispidRange, {Variant(L"A0"), Variant(L"B2")});
  EXPECT_EQ(DISP_E_EXCEPTION, bad_name.code);
  EXPECT_NE(std::wstring::npos, bad_name.description.find(L"A0"));
  EXPECT_EQ(DISP_E_EXCEPTION, first.put(kDispidName, Variant(L"SHEET2")).code);
  EXPECT_EQ(DISP_E_EXCEPTION, first.put(kDispidName, Variant(L"a/b")).code);
  EXPECT_EQ(L"Sheet1", name_of(first));
  // Where a new sheet goes is not the caller's choice.
  EXPECT_EQ(DISP_E_EXCEPTION, workbook.object(kDispidWorksheets).call(kDispidAdd, {Variant(L"Sheet1")}).code);
  EXPECT_EQ(DISP_E_TYPEMISMATCH, block.object(kDispidInterior).put(kDispidColorIndex, Variant(L"red")).code);
  EXPECT_EQ(S_OK, block.object(kDispidInterior).put(kDispidColorIndex, Variant::of_long(6)).code);
}

TEST_F(StandinServer, SavedWorkbookOpensAgainWithItsSheetsAndValues)
{
  const std::wstring path = temporary_path(L"saved.xls");
  Dispatch workbook = add_workbook();
  ASSERT_TRUE(workbook.object(kDispidWorksheets).object(kDispidAdd, omitted(4)));
  Dispatch program = sheet(workbook, Variant(L"Sheet4"));
  program.put(kDispidName, Variant(L"Program"));
  range(program, L"A1", L"B1").put(kDispidValue2, Variant::array({{Variant(L"*preset"), Variant(42.0)}}));
  std::vector<Variant> save = omitted(11);
  save[0] = Variant(path.c_str());
  save[6] = Variant::of_long(0);
  ASSERT_EQ(S_OK, workbook.call(kDispidSaveAs, save).code);
  // The saved workbook is given the hidden attribute; saving over it again must work.
  ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN));
  range(program, L"C1", L"C1").put(kDispidValue2, Variant(L"again"));
  EXPECT_EQ(S_OK, workbook.call(kDispidSaveAs, save).code);
  EXPECT_EQ(S_OK, workbook.call(kDispidClose, {Variant::of_bool(false), Variant::missing(), Variant::missing()}).code);
  EXPECT_EQ(DISP_E_EXCEPTION, program.call(kDispidName).code);
  EXPECT_EQ(DISP_E_EXCEPTION, workbook.call(kDispidWorksheets).code);

  std::vector<Variant> open = omitted(15);
  open[0] = Variant(path.c_str());
  Dispatch opened = workbooks().object(kDispidOpen, open);
  ASSERT_TRUE(opened);
  const wchar_t* order[] = {L"Program", L"Sheet1", L"Sheet2", L"Sheet3"};
  for (short place = 1; place <= 4; ++place)
    EXPECT_EQ(order[place - 1], name_of(sheet(opened, Variant::of_short(place))));
  Variant values = range(sheet(opened, Variant(L"program")), L"A1", L"C1").call(kDispidValue2).value;
  expect_text(array_element(values.value, 1, 1), L"*preset");
  expect_number(array_element(values.value, 1, 2), 42.0);
  expect_text(array_element(values.value, 1, 3), L"again");
  opened.call(kDispidClose, {Variant::of_bool(false)});
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(path.c_str());
}

TEST_F(StandinServer, CloseSavesChangesOnlyWhenToldTo)
{
  const std::wstring path = temporary_path(L"close.xls");
  Dispatch created = add_workbook();
  EXPECT_EQ(DISP_E_EXCEPTION, created.call(kDispidClose, {Variant::of_bool(true)}).code);
  ASSERT_EQ(S_OK, created.call(kDispidSaveAs, {Variant(path.c_str())}).code);
  created.call(kDispidClose);

  Dispatch opened = workbooks().object(kDispidOpen, {Variant(path.c_str())});
  range(sheet(opened, Variant::of_short(1)), L"A1", L"A1").put(kDispidValue2, Variant(L"kept"));
  ASSERT_EQ(S_OK, opened.call(kDispidClose, {Variant::of_bool(true)}).code);
  opened = workbooks().object(kDispidOpen, {Variant(path.c_str())});
  range(sheet(opened, Variant::of_short(1)), L"A1", L"A1").put(kDispidValue2, Variant(L"dropped"));
  ASSERT_EQ(S_OK, opened.call(kDispidClose, {Variant::of_bool(false)}).code);
  opened = workbooks().object(kDispidOpen, {Variant(path.c_str())});
  expect_text(range(sheet(opened, Variant::of_short(1)), L"A1", L"A1").call(kDispidValue2).value, L"kept");
  opened.call(kDispidClose, {Variant::of_bool(false)});
  DeleteFileW(path.c_str());
}

TEST_F(StandinServer, FilesThatCannotBeOpenedAreNamedInTheFailure)
{
  const std::wstring missing_path = temporary_path(L"missing.xls");
  CallOutcome missing = workbooks().call(kDispidOpen, {Variant(missing_path.c_str())});
  EXPECT_EQ(DISP_E_EXCEPTION, missing.code);
  EXPECT_NE(std::wstring::npos, missing.description.find(missing_path));

  const std::wstring text_path = temporary_path(L"text.xls");
  HANDLE file = CreateFileW(text_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, "not a workbook", 14, &written, nullptr);
  CloseHandle(file);
  CallOutcome text = workbooks().call(kDispidOpen, {Variant(text_path.c_str())});
  EXPECT_EQ(DISP_E_EXCEPTION, text.code);
  EXPECT_NE(std::wstring::npos, text.description.find(L"not a readable workbook"));
  DeleteFileW(text_path.c_str());
}

TEST_F(StandinServerProcess, QuitEndsTheServerOnceTheClientLetsGo)
{
  Dispatch workbook = add_workbook();
  EXPECT_EQ(S_OK, application_.call(kDispidQuit).code);
  EXPECT_EQ(DISP_E_EXCEPTION, application_.call(kDispidWorkbooks).code);
  EXPECT_EQ(DISP_E_EXCEPTION, workbook.call(kDispidWorksheets).code);
  workbook.reset();
  application_.reset();
  EXPECT_TRUE(ended());
}

TEST_F(StandinServerProcess, QuitEndsTheServerEvenWhileTheClientHoldsObjects)
{
  Dispatch workbook = add_workbook();
  EXPECT_EQ(S_OK, application_.call(kDispidQuit).code);
  EXPECT_TRUE(ended());
}

TEST_F(StandinServerProcess, ReleasingEveryObjectEndsTheServerWithoutQuit)
{
  Dispatch workbook = add_workbook();
  application_.reset();
  // The workbook alone keeps the server.
  Sleep(kQuitGraceMilliseconds + 1000);
  EXPECT_TRUE(still_running());
  EXPECT_EQ(S_OK, workbook.call(kDispidWorksheets).code);
  workbook.reset();
  EXPECT_TRUE(ended());
}

TEST_F(StandinServerProcess, ApplicationsInOneServerAreSeparateAndQuitAlone)
{
  std::set<DWORD> before = server_processes();
  HRESULT code = E_FAIL;
  Dispatch second = Dispatch::create(L"Excel.Application", code);
  ASSERT_TRUE(second) << hex(code);
  EXPECT_EQ(before, server_processes());
  Dispatch mine = add_workbook();
  range(sheet(mine, Variant::of_short(1)), L"A1", L"A1").put(kDispidValue2, Variant(L"first"));
  Dispatch other = second.object(kDispidWorkbooks).object(kDispidAdd);
  EXPECT_EQ(VT_EMPTY, range(sheet(other, Variant::of_short(1)), L"A1", L"A1").call(kDispidValue2).value.value.vt);
  EXPECT_EQ(S_OK, second.put(kDispidVisible, Variant::of_bool(true)).code);
  EXPECT_EQ(VARIANT_FALSE, application_.call(kDispidVisible).value.value.boolVal);

  EXPECT_EQ(S_OK, second.call(kDispidQuit).code);
  EXPECT_EQ(DISP_E_EXCEPTION, other.call(kDispidWorksheets).code);
  // The first application runs on past the grace period of the one that quit.
  Sleep(kQuitGraceMilliseconds + 1000);
  EXPECT_TRUE(still_running());
  expect_text(range(sheet(mine, Variant::of_short(1)), L"A1", L"A1").call(kDispidValue2).value, L"first");
}

TEST(ServerRegistration, UnregisteringRemovesTheProgIdAndRegisteringBringsItBack)
{
  CLSID clsid;
  ASSERT_EQ(0u, run_server(L"-UnregServer"));
  EXPECT_TRUE(FAILED(CLSIDFromProgID(L"Excel.Application", &clsid)));
  ASSERT_EQ(0u, run_server(L"/regserver"));
  EXPECT_EQ(S_OK, CLSIDFromProgID(L"Excel.Application", &clsid));
}

TEST(ServerRegistration, AProgIdHeldByAnotherServerIsNeitherTakenNorRemoved)
{
  const wchar_t* other = L"{0B7E5C1A-6D2E-4F3A-9C4B-2E1F0A9D8C7B}";
  ASSERT_EQ(ERROR_SUCCESS, RegSetValueW(HKEY_CLASSES_ROOT, L"Excel.Application\\CLSID", REG_SZ, other,
                                        DWORD(lstrlenW(other) * sizeof(wchar_t))));
  EXPECT_EQ(1u, run_server(L"/RegServer"));
  EXPECT_EQ(0u, run_server(L"/UnregServer"));
  wchar_t holder[64] = {};
  LONG size = sizeof holder;
  EXPECT_EQ(ERROR_SUCCESS, RegQueryValueW(HKEY_CLASSES_ROOT, L"Excel.Application\\CLSID", holder, &size));
  EXPECT_EQ(std::wstring(other), holder);

  ASSERT_EQ(ERROR_SUCCESS, RegDeleteKeyW(HKEY_CLASSES_ROOT, L"Excel.Application\\CLSID"));
  ASSERT_EQ(0u, run_server(L"/RegServer"));
  CLSID clsid;
  EXPECT_EQ(S_OK, CLSIDFromProgID(L"Excel.Application", &clsid));
}
