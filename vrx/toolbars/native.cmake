# The native build's part of the toolbars: the stored button record, the
# reader of archived buttons and the row layout (see cmake/KorvoNative.cmake).
include(${CMAKE_CURRENT_LIST_DIR}/sources.cmake)
korvo_native_library(vrx_toolbars_native
  SOURCES ${VRX_TOOLBARS_PORTABLE_SOURCES}
  INCLUDES ..
  LIBS framework_native)

korvo_native_test(vrx_toolbars_native_tests
  SOURCES ${VRX_TOOLBARS_PORTABLE_TEST_SOURCES}
  LIBS vrx_toolbars_native)

korvo_fuzz_target(button_archive_fuzz
  SOURCES tests/fuzz/ButtonArchiveFuzz.cpp tests/StoredButtonSamples.cpp
  INCLUDES tests
  LIBS vrx_toolbars_native
  CORPUS tests/fuzz/corpus/button_archive_fuzz)

korvo_fuzz_target(command_usage_fuzz
  SOURCES tests/fuzz/CommandUsageFuzz.cpp
  LIBS vrx_toolbars_native
  CORPUS tests/fuzz/corpus/command_usage_fuzz)
