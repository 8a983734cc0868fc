# The native build's part of seedvaults: the compound file, the workbook and
# the preset converters (see cmake/KorvoNative.cmake).
include(${CMAKE_CURRENT_LIST_DIR}/sources.cmake)
korvo_native_library(seedvaults_native SOURCES ${SEEDVAULTS_CORE_SOURCES})

korvo_native_test(seedvaults_native_tests
  SOURCES
    tests/TestWorkbooks.cpp
    tests/StorageFileTest.cpp
    tests/WorkbookStreamTest.cpp
    tests/XlsReaderFuzzTest.cpp
  LIBS seedvaults_native)

korvo_fuzz_target(compound_file_fuzz
  SOURCES tests/fuzz/CompoundFileFuzz.cpp
  LIBS seedvaults_native
  CORPUS tests/fuzz/corpus/compound_file_fuzz)
korvo_fuzz_target(workbook_fuzz
  SOURCES tests/fuzz/WorkbookFuzz.cpp tests/TestWorkbooks.cpp
  INCLUDES tests
  LIBS seedvaults_native
  CORPUS tests/fuzz/corpus/workbook_fuzz)
korvo_fuzz_target(preset_converter_fuzz
  SOURCES tests/fuzz/PresetConverterFuzz.cpp
  LIBS seedvaults_native
  CORPUS tests/fuzz/corpus/preset_converter_fuzz)
