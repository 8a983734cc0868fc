# The native build's part of the Vrx foundation: the stored state it reads
# without a window (see cmake/KorvoNative.cmake).
include(${CMAKE_CURRENT_LIST_DIR}/sources.cmake)
korvo_native_library(vrx_foundation_native
  SOURCES ${VRX_FOUNDATION_PORTABLE_SOURCES}
  INCLUDES ..)

korvo_native_test(vrx_foundation_native_tests
  SOURCES ${VRX_FOUNDATION_PORTABLE_TEST_SOURCES}
  LIBS vrx_foundation_native)

korvo_fuzz_target(rebar_layout_fuzz
  SOURCES tests/fuzz/RebarLayoutFuzz.cpp
  LIBS vrx_foundation_native
  CORPUS tests/fuzz/corpus/rebar_layout_fuzz)
