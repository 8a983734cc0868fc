#include "ComponentSystem.h"
#include "FileBytes.h"
#include "MessageBoxAnswerer.h"
#include "SymbolManager.h"
#include "TemporaryDirectory.h"
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace {

const std::string kIndent(16, ' ');
const std::string kGap(16, ' ');

std::string symbol_line(const std::string& address, const std::string& name)
{
  return kIndent + address + kGap + name;
}

struct LineCase {
  const char* description;
  std::string line;
  bool accepted;
  const char* name;
  uint32_t address;
};

TEST(SymbolManager, SymbolLines)
{
  const LineCase cases[] = {
      {"address with 0x", symbol_line("0x00001000", "start"), true, "start", 0x1000},
      {"address above the signed range", symbol_line("0x80001000", "main"), true, "main", 0x80001000},
      {"upper-case digits", symbol_line("0xFFFFFFF0", "top"), true, "top", 0xFFFFFFF0},
      {"address without 0x", symbol_line("008000a1c4", "isr"), true, "isr", 0x8000a1c4},
      {"name with blanks", symbol_line("0x80002000", "a b"), true, "a b", 0x80002000},
      {"conversion stops at a non-digit", symbol_line("0x1234zzzz", "cut"), true, "cut", 0x1234},
      {"address of 0", symbol_line("0x00000000", "nothing"), false, "", 0},
      {"no digits", symbol_line("0xzzzzzzzz", "bad"), false, "", 0},
      {"ten digits beyond 32 bits", symbol_line("1080001000", "wide"), false, "", 0},
      {"15 leading blanks", std::string(15, ' ') + "0x000010000" + kGap + "x", false, "", 0},
      {"tab in the indent", "\t" + std::string(15, ' ') + "0x00001000" + kGap + "x", false, "", 0},
      {"15 blanks after the address", kIndent + "0x00001000" + std::string(15, ' ') + "xy", false, "", 0},
      {"no name", kIndent + "0x00001000" + kGap, false, "", 0},
      {"section header", " .text          0x80000000    0x1234 main.o", false, "", 0},
      {"empty line", "", false, "", 0},
  };
  for (const LineCase& c : cases) {
    std::string name;
    uint32_t address = 0;
    EXPECT_EQ(c.accepted, SymbolManager::parse_line(c.line, name, address)) << c.description;
    if (c.accepted) {
      EXPECT_EQ(c.name, name) << c.description;
      EXPECT_EQ(c.address, address) << c.description;
    }
  }
}

TEST(SymbolManager, FirstAddressOfANameStays)
{
  ComponentSystem system;
  SymbolManager* symbols = new SymbolManager(&system);
  EXPECT_FALSE(symbols->loaded());
  std::istringstream first(symbol_line("0x80001000", "main") + "\n" + " garbage\n" +
                           symbol_line("0x80002000", "main") + "\n");
  symbols->read_map(first);
  std::istringstream second(symbol_line("0x80003000", "main") + "\n" + symbol_line("0x80004000", "idle"));
  symbols->read_map(second);
  EXPECT_TRUE(symbols->loaded());
  EXPECT_EQ((std::map<std::string, uint32_t>{{"idle", 0x80004000}, {"main", 0x80001000}}), symbols->symbols());
  system.deinit();
}

TEST(SymbolManager, LongLinesDoNotEndTheFile)
{
  ComponentSystem system;
  SymbolManager* symbols = new SymbolManager(&system);
  std::istringstream text(symbol_line("0x80001000", std::string(600, 'n')) + "\n" +
                          symbol_line("0x80002000", "after") + "\n");
  symbols->read_map(text);
  EXPECT_EQ(2u, symbols->symbols().size());
  EXPECT_EQ(0x80002000u, symbols->symbols().at("after"));
  system.deinit();
}

TEST(SymbolManager, ReadsEveryMapFileOfTheWorkingDirectory)
{
  TemporaryDirectory directory;
  write_file_bytes("first.map", "Linker map\r\n" + symbol_line("0x80001000", "main") + "\r\n" +
                                    symbol_line("0x00000000", "zero") + "\r\n");
  write_file_bytes("second.map", symbol_line("0x00002000", "start") + "\n");
  write_file_bytes("other.txt", symbol_line("0x00003000", "ignored") + "\n");
  CreateDirectoryA("folder.map", nullptr);
  MessageBoxAnswerer messages;
  ComponentSystem system;
  SymbolManager* symbols = new SymbolManager(&system);
  EXPECT_EQ(symbols, system.acquire("symbole manager"));
  EXPECT_EQ("symbol management", symbols->type_name());
  EXPECT_TRUE(symbols->loaded());
  // Text mode: the name ends before the CR LF.
  EXPECT_EQ((std::map<std::string, uint32_t>{{"main", 0x80001000}, {"start", 0x2000}}), symbols->symbols());
  EXPECT_TRUE(messages.texts().empty());
  system.deinit();
  RemoveDirectoryA("folder.map");
}

TEST(SymbolManager, MapThatCannotBeOpenedIsReported)
{
  TemporaryDirectory directory;
  write_file_bytes("locked.map", symbol_line("0x00001000", "hidden") + "\n");
  HANDLE lock = CreateFileA("locked.map", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, lock);
  write_file_bytes("open.map", symbol_line("0x00002000", "shown") + "\n");
  MessageBoxAnswerer messages;
  ComponentSystem system;
  SymbolManager* symbols = new SymbolManager(&system);
  CloseHandle(lock);
  EXPECT_EQ(std::vector<std::string>{"can't open locked.map"}, messages.texts());
  EXPECT_EQ((std::map<std::string, uint32_t>{{"shown", 0x2000}}), symbols->symbols());
  system.deinit();
}

}  // namespace
