# The native build's part of the bus (see cmake/KorvoNative.cmake).
korvo_native_library(crc32_native SOURCES Crc32.cpp Crc32Folding.cpp)
include(${CMAKE_CURRENT_LIST_DIR}/sources.cmake)
korvo_native_library(bus_native SOURCES ${BUS_SOURCES})

korvo_native_test(bus_native_tests
  SOURCES ${BUS_TEST_SOURCES}
  INCLUDES tests
  LIBS crc32_native bus_native)
find_package(ZLIB)
if(ZLIB_FOUND)
  target_sources(bus_native_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/tests/Crc32ZlibTest.cpp)
  target_link_libraries(bus_native_tests PRIVATE ZLIB::ZLIB)
endif()
