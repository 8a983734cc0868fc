// Prints how fast the host's bus paths run: broadcasts (every received chunk
// takes one), memory reads collected in 1,024-byte pieces, OS-state
// formatting, and the symbol-map reading done at start-up.
#include "Component.h"
#include "ComponentSystem.h"
#include "Crc32.h"
#include "MemoryCounterpart.h"
#include "OsStateFormatter.h"
#include "SymbolManager.h"
#include <chrono>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double seconds_since(Clock::time_point start)
{
  return std::chrono::duration<double>(Clock::now() - start).count();
}

class Listener : public Component {
public:
  Listener(const std::string& name, ComponentSystem* system) : Component(name, system) {}
  bool shareable() const override { return true; }
  std::string type_name() const override { return "listener"; }
  int32_t request(BusMessage* message) override
  {
    return message->type == BUS_QUERY_OPEN || message->type == BUS_MEMORY_READ ? 1 : 0;
  }
  int32_t notify(BusMessage* message) override
  {
    bytes += static_cast<uint32_t>(message->len);
    return 0;
  }
  uint64_t bytes = 0;
};

void measure_broadcast()
{
  ComponentSystem system;
  const char* names[] = {"com connector", "error manager", "korvo sys log", "memcopy",
                         "output",        "symbole manager", "transport protocol", "upgrade"};
  std::vector<Listener*> listeners;
  for (const char* name : names) {
    listeners.push_back(new Listener(name, &system));
  }
  listeners[4]->set_active(true);
  listeners[7]->set_active(true);
  char chunk[1024] = {};
  BusMessage text{BUS_TEXT, sizeof chunk, chunk};
  const int rounds = 1000000;
  Clock::time_point start = Clock::now();
  for (int i = 0; i < rounds; ++i) {
    system.broadcast(listeners[0], &text);
  }
  double elapsed = seconds_since(start);
  std::printf("broadcast to 2 active of 8 components: %.1f ns each (%d rounds)\n", elapsed * 1e9 / rounds, rounds);
  system.deinit();
}

void measure_memory_read()
{
  ComponentSystem system;
  Clock::time_point start = Clock::now();
  new MemoryCounterpart(&system);
  std::printf("memory reader construction (20 MB receive buffer): %.1f ms\n", seconds_since(start) * 1e3);
  Listener* connector = new Listener("com connector", &system);
  Component* reader = system.acquire("memcopy");

  const std::size_t data_size = 4 * 1024 * 1024;
  std::vector<uint8_t> reply(data_size + 4);
  for (std::size_t i = 0; i < data_size; ++i) {
    reply[i] = static_cast<uint8_t>(i * 7);
  }
  uint32_t table[256];
  crc32_build_table(table);
  uint32_t crc = crc32_update(table, 0xFFFFFFFF, reply.data(), data_size);
  for (int i = 0; i < 4; ++i) {
    reply[data_size + i] = static_cast<uint8_t>(crc >> (8 * i));
  }
  std::vector<uint8_t> destination(data_size);
  MemoryRequest record{0x80000000, static_cast<uint32_t>(reply.size()), destination.data()};
  BusMessage read{BUS_MEMORY_READ, 8, &record};

  start = Clock::now();
  reader->request(&read);
  for (std::size_t at = 0; at < reply.size(); at += 1024) {
    std::size_t count = std::min<std::size_t>(1024, reply.size() - at);
    BusMessage piece{BUS_MEMORY_READ, static_cast<int32_t>(count), reply.data() + at};
    system.broadcast(connector, &piece);
  }
  double elapsed = seconds_since(start);
  std::printf("memory read of 4 MB in 1,024-byte pieces with CRC-32 check: %.1f ms (%.1f MB/s)\n", elapsed * 1e3,
              4.0 / elapsed);
  system.deinit();
}

void measure_formatting()
{
  OsStateFormatter formatter;
  std::vector<uint8_t> stacks(OsStateFormatter::kStackRecordSize * 20000, 0x5A);
  Clock::time_point start = Clock::now();
  std::size_t text = formatter.format_block(BUS_OS_STACKS, stacks.data(), stacks.size()).size();
  double elapsed = seconds_since(start);
  std::printf("stack block of 20,000 records: %.1f ms, %zu bytes of text\n", elapsed * 1e3, text);

  std::vector<uint8_t> tasks(OsStateFormatter::kTaskRecordSize * 64, 0x31);
  const int rounds = 1000;
  start = Clock::now();
  for (int i = 0; i < rounds; ++i) {
    formatter.format_apps_block(kMarkerTaskList, tasks.data(), tasks.size());
  }
  std::printf("task list of 64 tasks: %.1f us each\n", seconds_since(start) * 1e6 / rounds);
}

void measure_symbol_map()
{
  const int lines = 200000;
  std::string map;
  char line[128];
  for (int i = 0; i < lines; ++i) {
    std::snprintf(line, sizeof line, "%16s0x%08x%16ssymbol_%d\n", "", 0x80000000u + 16u * i, "", i);
    map += line;
  }
  ComponentSystem system;
  SymbolManager* symbols = new SymbolManager(&system);
  std::istringstream text(map);
  Clock::time_point start = Clock::now();
  symbols->read_map(text);
  double elapsed = seconds_since(start);
  std::printf("symbol map of %d lines (%.1f MB): %.1f ms, %zu symbols\n", lines, static_cast<double>(map.size()) / 1e6, elapsed * 1e3,
              symbols->symbols().size());
  system.deinit();
}

}  // namespace

int main()
{
  measure_broadcast();
  measure_memory_read();
  measure_formatting();
  measure_symbol_map();
  return 0;
}
