#pragma once
#include "Component.h"
#include <cstddef>
#include <cstdint>
#include <istream>
#include <map>
#include <string>

constexpr char kSymbolMapPattern[] = "*.map";
constexpr char kCannotOpenMapText[] = "can't open ";

// "symbole manager": the symbols of every link-map file ("*.map") of the
// working directory, by name, read once at start. The first address read for
// a name stays.
class SymbolManager : public Component {
public:
  // A symbol line: 16 blanks, a 10-character hexadecimal address (with or
  // without 0x), 16 blanks, then the name up to the line's end.
  static constexpr std::size_t kIndent = 16;
  static constexpr std::size_t kAddressWidth = 10;
  static constexpr std::size_t kGap = 16;
  static constexpr std::size_t kNameColumn = kIndent + kAddressWidth + kGap;

  explicit SymbolManager(ComponentSystem* system);

  bool shareable() const override;
  std::string type_name() const override;

  // Adds the symbol lines of one map file's text; other lines are skipped.
  void read_map(std::istream& text);
  // False for a line that is no symbol line or whose address is 0 or does
  // not fit 32 bits.
  static bool parse_line(const std::string& line, std::string& name, uint32_t& address);

  const std::map<std::string, uint32_t>& symbols() const { return symbols_; }
  bool loaded() const { return loaded_ != 0; }

private:
  void read_map_files();

  std::map<std::string, uint32_t> symbols_;
  uint8_t loaded_;
};
