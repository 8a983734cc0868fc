// Drives "Excel.Application" by dispatch id, as the workbook exchange does,
// for the exchange test's Python side:
//   excel_standin_client export <file.xls>   build the four exchange sheets and save them
//   excel_standin_client dump <file.xls>     open a workbook and print every sheet's values
// The dump prints one line per sheet ("sheet<TAB>name<TAB>rows<TAB>columns")
// and one per non-empty cell ("cell<TAB>row<TAB>column<TAB>n|s<TAB>value"),
// in UTF-8. Failures go to standard error with a nonzero exit code.
#include "AutomationClient.h"
#include "DispatchIds.h"
#include <cstdio>
#include <string>

namespace {

struct Failure {
  std::wstring what;
};

CallOutcome checked(const CallOutcome& outcome, const wchar_t* what)
{
  if (FAILED(outcome.code))
    throw Failure{std::wstring(what) + L" failed (0x" + std::to_wstring(unsigned(outcome.code)) + L") " +
                  outcome.description};
  return outcome;
}

Dispatch checked_object(const Dispatch& from, DISPID id, const std::vector<Variant>& arguments, const wchar_t* what)
{
  CallOutcome outcome = checked(from.call(id, arguments), what);
  if (outcome.value.value.vt != VT_DISPATCH || !outcome.value.value.pdispVal)
    throw Failure{std::wstring(what) + L" gave no object"};
  outcome.value.value.pdispVal->AddRef();
  return Dispatch(outcome.value.value.pdispVal);
}

std::vector<Variant> missing(int count)
{
  return std::vector<Variant>(std::size_t(count), Variant::missing());
}

void put_cell(const Dispatch& sheet, unsigned row, unsigned column, const Variant& value)
{
  Dispatch cells = checked_object(sheet, kDispidCells, {}, L"Cells");
  checked(cells.put(kDispidItem, value, {Variant::of_unsigned(row), Variant::of_unsigned(column)}), L"Cells.Item");
}

Dispatch sheet_named(const Dispatch& worksheets, const wchar_t* name)
{
  return checked_object(worksheets, kDispidItem, {Variant(name)}, L"Worksheets.Item");
}

// The exchange's sheets: "Program" from the preset table, then the three
// script sheets with titles, block rows and field rows.
void export_workbook(const Dispatch& application, const std::wstring& path)
{
  Dispatch workbooks = checked_object(application, kDispidWorkbooks, {}, L"Workbooks");
  Dispatch workbook = checked_object(workbooks, kDispidAdd, missing(1), L"Workbooks.Add");
  Dispatch worksheets = checked_object(workbook, kDispidWorksheets, {}, L"Worksheets");
  checked_object(worksheets, kDispidAdd, missing(4), L"Worksheets.Add");

  Dispatch program = sheet_named(worksheets, L"sheet4");
  checked(program.put(kDispidName, Variant(L"Program")), L"Name");
  Dispatch table = checked_object(program, kDispidRange, {Variant(L"A1"), Variant(L"C3")}, L"Range");
  checked(table.put(kDispidValue2, Variant::array({{Variant(L"*Astra 19.2E"), Variant(), Variant(L"H")},
                                                  {Variant(L"\u4e2d\u6587\u53f0"), Variant(11836.0), Variant(-3.5)},
                                                  {Variant(), Variant(L"Caf\u00e9"), Variant(27500.0)}})),
          L"Range.Value2");
  Dispatch marked = checked_object(program, kDispidRange, {Variant(L"A1"), Variant(L"C1")}, L"Range");
  Dispatch interior = checked_object(marked, kDispidInterior, {}, L"Interior");
  checked(interior.put(kDispidColorIndex, Variant::of_long(6)), L"ColorIndex");

  const wchar_t* names[] = {L"IR_FP_Key", L"Sys_Config", L"File_Path"};
  for (int i = 0; i < 3; ++i) {
    Dispatch sheet = sheet_named(worksheets, (L"sheet" + std::to_wstring(i + 1)).c_str());
    checked(sheet.put(kDispidName, Variant(names[i])), L"Name");
    put_cell(sheet, 1, 1, Variant(L"Name"));
    put_cell(sheet, 1, 2, Variant(L"Value"));
    put_cell(sheet, 2, 1, Variant((L"*block" + std::to_wstring(i)).c_str()));
    put_cell(sheet, 3, 1, Variant(L"field"));
    put_cell(sheet, 3, 2, Variant::of_unsigned64(4294967296ull + unsigned(i)));
    put_cell(sheet, 3, 3, Variant::of_unsigned(0));
    put_cell(sheet, 3, 4, Variant::of_unsigned(255));
    put_cell(sheet, 3, 5, Variant(L"a description"));
  }
  checked(application.put(kDispidVisible, Variant::of_bool(true)), L"Visible");
  checked(application.put(kDispidUserControl, Variant::of_bool(true)), L"UserControl");
  std::vector<Variant> save_arguments = missing(11);
  save_arguments[0] = Variant(path.c_str());
  save_arguments[6] = Variant::of_long(0);
  checked(workbook.call(kDispidSaveAs, save_arguments), L"SaveAs");
}

std::string utf8(const std::wstring& text)
{
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(std::size_t(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), &bytes[0], size, nullptr, nullptr);
  return bytes;
}

long count_of(const Dispatch& range, DISPID which)
{
  Dispatch part = checked_object(range, which, {}, L"Rows or Columns");
  CallOutcome outcome = checked(part.call(kDispidCount), L"Count");
  return outcome.value.value.lVal;
}

std::wstring cell_name(long row, long column)
{
  std::wstring letters;
  for (; column > 0; column = (column - 1) / 26)
    letters.insert(letters.begin(), wchar_t(L'A' + (column - 1) % 26));
  return letters + std::to_wstring(row);
}

void print_value(long row, long column, const Variant& value)
{
  if (value.value.vt == VT_R8)
    std::printf("cell\t%ld\t%ld\tn\t%.17g\n", row, column, value.value.dblVal);
  else if (value.value.vt == VT_BSTR)
    std::printf("cell\t%ld\t%ld\ts\t%s\n", row, column, utf8(value.text()).c_str());
  else if (value.value.vt != VT_EMPTY)
    throw Failure{L"Value2 gave a value of type " + std::to_wstring(value.value.vt)};
}

// Reads every sheet as the import does: by place, its used range, then
// Range("A1", last cell).Value2 as one array.
void dump_workbook(const Dispatch& application, const std::wstring& path)
{
  Dispatch workbooks = checked_object(application, kDispidWorkbooks, {}, L"Workbooks");
  std::vector<Variant> open_arguments = missing(15);
  open_arguments[0] = Variant(path.c_str());
  Dispatch workbook = checked_object(workbooks, kDispidOpen, open_arguments, L"Workbooks.Open");
  Dispatch worksheets = checked_object(workbook, kDispidWorksheets, {}, L"Worksheets");
  for (short place = 1;; ++place) {
    CallOutcome item = worksheets.call(kDispidItem, {Variant::of_short(place)});
    if (item.code == DISP_E_BADINDEX)
      break;
    Dispatch sheet = checked_object(worksheets, kDispidItem, {Variant::of_short(place)}, L"Worksheets.Item");
    std::wstring name = checked(sheet.call(kDispidName), L"Name").value.text();
    Dispatch used = checked_object(sheet, kDispidUsedRange, {}, L"UsedRange");
    long rows = count_of(used, kDispidRows), columns = count_of(used, kDispidColumns);
    std::printf("sheet\t%s\t%ld\t%ld\n", utf8(name).c_str(), rows, columns);
    std::wstring last = cell_name(rows, columns);
    Dispatch all = checked_object(sheet, kDispidRange, {Variant(L"A1"), Variant(last.c_str())}, L"Range");
    CallOutcome values = checked(all.call(kDispidValue2), L"Value2");
    long array_rows = 1, array_columns = 1;
    if (values.value.value.vt & VT_ARRAY) {
      if (!array_size(values.value.value, array_rows, array_columns))
        throw Failure{L"Value2 gave an array that is not 2-D"};
      for (long row = 1; row <= array_rows; ++row)
        for (long column = 1; column <= array_columns; ++column)
          print_value(row, column, array_element(values.value.value, row, column));
    } else {
      print_value(1, 1, values.value);
    }
  }
  checked(workbook.call(kDispidClose, {Variant::of_bool(false), Variant::missing(), Variant::missing()}), L"Close");
}

}

int main()
{
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (count != 3) {
    std::fprintf(stderr, "usage: excel_standin_client export|dump <file.xls>\n");
    return 2;
  }
  std::wstring mode = arguments[1], path = arguments[2];
  CoInitialize(nullptr);
  int outcome = 0;
  {
    HRESULT code;
    Dispatch application = Dispatch::create(L"Excel.Application", code);
    try {
      if (!application)
        throw Failure{L"Excel.Application cannot be created (0x" + std::to_wstring(unsigned(code)) + L")"};
      if (mode == L"export")
        export_workbook(application, path);
      else
        dump_workbook(application, path);
      checked(application.call(kDispidQuit), L"Quit");
    } catch (const Failure& failure) {
      std::fprintf(stderr, "%s\n", utf8(failure.what).c_str());
      outcome = 1;
    }
  }
  CoUninitialize();
  LocalFree(arguments);
  return outcome;
}
