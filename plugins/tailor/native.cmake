# The native build's part of tailor: the flash-image formats (see
# cmake/KorvoNative.cmake). Starting helper programs is Windows' own.
include(${CMAKE_CURRENT_LIST_DIR}/sources.cmake)
korvo_native_library(tailor_formats_native
  SOURCES ${TAILOR_FORMAT_SOURCES}
  INCLUDES formats
  LIBS crc32_native)

korvo_native_test(tailor_formats_native_tests
  SOURCES ${TAILOR_FORMAT_TEST_SOURCES}
  LIBS tailor_formats_native)

foreach(harness flash_image block_script hardware_info preset_block)
  string(REPLACE "_" ";" words ${harness})
  set(source "")
  foreach(word ${words})
    string(SUBSTRING ${word} 0 1 first)
    string(TOUPPER ${first} first)
    string(SUBSTRING ${word} 1 -1 rest)
    string(APPEND source ${first}${rest})
  endforeach()
  korvo_fuzz_target(${harness}_fuzz
    SOURCES tests/fuzz/${source}Fuzz.cpp
    LIBS tailor_formats_native
    CORPUS tests/fuzz/corpus/${harness}_fuzz)
endforeach()
