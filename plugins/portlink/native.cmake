# The native build's part of portlink: the framing and the reply parser
# (see cmake/KorvoNative.cmake).
korvo_native_library(portlink_native
  SOURCES
    HighSpeedPacket.cpp
    ReplyParser.cpp
    TransportFrame.cpp
  LIBS bus_native)

korvo_native_test(portlink_native_tests
  SOURCES
    tests/HighSpeedPacketTest.cpp
    tests/ReplyParserTest.cpp
  LIBS portlink_native)

korvo_fuzz_target(reply_parser_fuzz
  SOURCES tests/fuzz/ReplyParserFuzz.cpp
  LIBS portlink_native
  CORPUS tests/fuzz/corpus/reply_parser_fuzz)
# From the serial bytes to the caller's buffer: the parser and "memcopy".
korvo_fuzz_target(memory_reader_fuzz
  SOURCES tests/fuzz/MemoryReaderFuzz.cpp
  INCLUDES ../../bus/tests
  LIBS portlink_native host_native
  CORPUS tests/fuzz/corpus/memory_reader_fuzz)
