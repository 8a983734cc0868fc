# The native build's part of the panes: the saved tabs, read without a
# window (see cmake/KorvoNative.cmake).
include(${CMAKE_CURRENT_LIST_DIR}/sources.cmake)
korvo_native_library(vrx_panes_native
  SOURCES ${VRX_PANES_PORTABLE_SOURCES}
  INCLUDES ..
  LIBS vrx_foundation_native vrx_docking_native)

korvo_native_test(vrx_panes_native_tests
  SOURCES ${VRX_PANES_PORTABLE_TEST_SOURCES}
  LIBS vrx_panes_native)

# panes_seeds <corpus root> writes the harness's seeds again with the
# class's own writer.
korvo_fuzz_target(saved_tabs_fuzz
  SOURCES tests/fuzz/SavedTabsFuzz.cpp
  LIBS vrx_panes_native
  CORPUS tests/fuzz/corpus/saved_tabs_fuzz)

add_executable(panes_seeds ${CMAKE_CURRENT_LIST_DIR}/tests/fuzz/PanesSeeds.cpp)
target_link_libraries(panes_seeds PRIVATE vrx_panes_native)

# The outlook bar's custom pages, read without a window.
korvo_fuzz_target(outlook_pages_fuzz
  SOURCES navigation/tests/fuzz/OutlookPagesFuzz.cpp
  LIBS vrx_panes_native
  CORPUS navigation/tests/fuzz/corpus/outlook_pages_fuzz)

add_executable(outlook_pages_seeds ${CMAKE_CURRENT_LIST_DIR}/navigation/tests/fuzz/OutlookPagesSeeds.cpp)
target_link_libraries(outlook_pages_seeds PRIVATE vrx_panes_native)

# The tasks pane's "Settings" value, read without a window.
korvo_fuzz_target(tasks_pane_state_fuzz
  SOURCES navigation/tests/fuzz/TasksPaneStateFuzz.cpp
  LIBS vrx_panes_native
  CORPUS navigation/tests/fuzz/corpus/tasks_pane_state_fuzz)

add_executable(tasks_pane_state_seeds ${CMAKE_CURRENT_LIST_DIR}/navigation/tests/fuzz/TasksPaneStateSeeds.cpp)
target_link_libraries(tasks_pane_state_seeds PRIVATE vrx_panes_native)
