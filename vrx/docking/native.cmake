# The native build's part of the docking: the bars' stored records and the
# frame's docking stream, read without a window (see cmake/KorvoNative.cmake).
include(${CMAKE_CURRENT_LIST_DIR}/sources.cmake)
korvo_native_library(vrx_docking_native
  SOURCES ${VRX_DOCKING_PORTABLE_SOURCES}
  INCLUDES ..
  LIBS framework_native)

korvo_native_test(vrx_docking_native_tests
  SOURCES ${VRX_DOCKING_PORTABLE_TEST_SOURCES}
  LIBS vrx_docking_native)

# docking_seeds <corpus root> writes the harnesses' seeds again with the
# records' own writers.
korvo_fuzz_target(bar_record_fuzz
  SOURCES tests/fuzz/BarRecordFuzz.cpp
  LIBS vrx_docking_native
  CORPUS tests/fuzz/corpus/bar_record_fuzz)

korvo_fuzz_target(dock_state_fuzz
  SOURCES tests/fuzz/DockStateFuzz.cpp
  LIBS vrx_docking_native
  CORPUS tests/fuzz/corpus/dock_state_fuzz)

add_executable(docking_seeds ${CMAKE_CURRENT_LIST_DIR}/tests/fuzz/DockingSeeds.cpp)
target_link_libraries(docking_seeds PRIVATE vrx_docking_native)

# The MDI tabs' stored arrangement; docking_seeds writes its seeds too.
korvo_fuzz_target(mdi_tabs_state_fuzz
  SOURCES tests/fuzz/MDITabsStateFuzz.cpp
  LIBS vrx_docking_native
  CORPUS tests/fuzz/corpus/mdi_tabs_state_fuzz)
