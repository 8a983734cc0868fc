# The bus's sources and tests, shared by the Windows build (CMakeLists.txt)
# and the native one (native.cmake).
set(BUS_SOURCES
  Component.cpp
  ComponentSystem.cpp
  ErrorManager.cpp
  Logger.cpp
  NullComponent.cpp
  TransportProtocol.cpp)
set(BUS_TEST_SOURCES
  tests/ComponentSystemTest.cpp
  tests/Crc32Test.cpp
  tests/ErrorManagerTest.cpp
  tests/LoggerTest.cpp)
