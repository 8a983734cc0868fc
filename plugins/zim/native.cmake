# The native build's part of zim: the upgrade link and its frames (see
# cmake/KorvoNative.cmake).
include(${CMAKE_CURRENT_LIST_DIR}/sources.cmake)
korvo_native_library(zim_native
  SOURCES ${ZIM_CORE_SOURCES}
  INCLUDES . ../tailor/formats
  LIBS bus_native crc32_native)

korvo_native_test(zim_native_tests
  SOURCES ${ZIM_CORE_TEST_SOURCES}
  INCLUDES ../../bus/tests
  LIBS zim_native)

korvo_fuzz_target(upgrade_link_fuzz
  SOURCES tests/fuzz/UpgradeLinkFuzz.cpp tests/RecordingView.cpp
  INCLUDES tests
  LIBS zim_native
  CORPUS tests/fuzz/corpus/upgrade_link_fuzz)
