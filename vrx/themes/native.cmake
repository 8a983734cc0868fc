# The native build's part of the looks: the style markup reader (see
# cmake/KorvoNative.cmake).
include(${CMAKE_CURRENT_LIST_DIR}/sources.cmake)
korvo_native_library(vrx_themes_native
  SOURCES ${VRX_THEMES_PORTABLE_SOURCES}
  INCLUDES ..
  LIBS framework_native)

korvo_native_test(vrx_themes_native_tests
  SOURCES ${VRX_THEMES_PORTABLE_TEST_SOURCES}
  LIBS vrx_themes_native)

korvo_fuzz_target(style_markup_fuzz
  SOURCES 2007/tests/fuzz/StyleMarkupFuzz.cpp
  LIBS vrx_themes_native
  CORPUS 2007/tests/fuzz/corpus/style_markup_fuzz)
