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
