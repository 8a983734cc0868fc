# The native build's part of the host: the cores that read the target's
# replies, the console text and the symbol maps (see cmake/KorvoNative.cmake).
korvo_native_library(host_native
  SOURCES
    ConsoleText.cpp
    HostMessage.cpp
    MemoryCounterpart.cpp
    OsStateFormatter.cpp
    OutputRing.cpp
    SymbolManager.cpp
  LIBS bus_native crc32_native)

korvo_native_test(host_native_tests
  SOURCES
    tests/ConsoleTextTest.cpp
    tests/MemoryCounterpartTest.cpp
    tests/OsStateFormatterTest.cpp
    tests/OutputRingTest.cpp
  INCLUDES ../bus/tests
  LIBS host_native)

korvo_fuzz_target(symbol_map_fuzz
  SOURCES tests/fuzz/SymbolMapFuzz.cpp
  LIBS host_native
  CORPUS tests/fuzz/corpus/symbol_map_fuzz)
korvo_fuzz_target(console_fuzz
  SOURCES tests/fuzz/ConsoleFuzz.cpp
  LIBS host_native
  CORPUS tests/fuzz/corpus/console_fuzz)
