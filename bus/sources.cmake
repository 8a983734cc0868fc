# The bus's sources, shared by the Windows build (CMakeLists.txt) and the
# native one (native.cmake).
set(BUS_SOURCES
  Component.cpp
  ComponentSystem.cpp
  ErrorManager.cpp
  Logger.cpp
  NullComponent.cpp
  TransportProtocol.cpp)
