// A link-map file's text read into the symbol table; every name kept comes
// from a symbol line.
#include "SymbolManager.h"
#include <cstdlib>
#include <sstream>
#include <string>

// Each input is read by a new manager; its scan of the working directory
// finds whatever maps lie there, which the check below holds to as well.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  SymbolManager fresh(nullptr);
  std::istringstream text(std::string(reinterpret_cast<const char*>(data), size));
  fresh.read_map(text);
  for (const auto& symbol : fresh.symbols()) {
    if (symbol.second == 0) {
      std::abort();
    }
  }
  std::string name;
  uint32_t address = 0;
  if (SymbolManager::parse_line(std::string(reinterpret_cast<const char*>(data), size), name, address) &&
      address == 0) {
    std::abort();
  }
  return 0;
}
