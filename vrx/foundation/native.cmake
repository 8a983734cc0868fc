# The native build's part of the Vrx foundation: the stored state it reads
# without a window (see cmake/KorvoNative.cmake).
include(${CMAKE_CURRENT_LIST_DIR}/sources.cmake)
korvo_native_library(vrx_foundation_native
  SOURCES ${VRX_FOUNDATION_PORTABLE_SOURCES}
  INCLUDES ..
  LIBS framework_native)

korvo_native_test(vrx_foundation_native_tests
  SOURCES ${VRX_FOUNDATION_PORTABLE_TEST_SOURCES}
  LIBS vrx_foundation_native)

korvo_fuzz_target(rebar_layout_fuzz
  SOURCES tests/fuzz/RebarLayoutFuzz.cpp
  LIBS vrx_foundation_native
  CORPUS tests/fuzz/corpus/rebar_layout_fuzz)

# The state readers' harnesses; foundation_seeds <corpus root> writes their
# seeds again with the classes' own writers.
korvo_fuzz_target(archived_value_fuzz
  SOURCES tests/fuzz/ArchivedValueFuzz.cpp
  LIBS vrx_foundation_native
  CORPUS tests/fuzz/corpus/archived_value_fuzz)

korvo_fuzz_target(accel_table_fuzz
  SOURCES tests/fuzz/AccelTableFuzz.cpp
  LIBS vrx_foundation_native
  CORPUS tests/fuzz/corpus/accel_table_fuzz)

korvo_fuzz_target(mouse_bindings_fuzz
  SOURCES tests/fuzz/MouseBindingsFuzz.cpp
  LIBS vrx_foundation_native
  CORPUS tests/fuzz/corpus/mouse_bindings_fuzz)

korvo_fuzz_target(command_images_fuzz
  SOURCES tests/fuzz/CommandImagesFuzz.cpp
  LIBS vrx_foundation_native
  CORPUS tests/fuzz/corpus/command_images_fuzz)

korvo_fuzz_target(user_tools_fuzz
  SOURCES tests/fuzz/UserToolsFuzz.cpp tests/fuzz/UserToolStandIn.cpp
  LIBS vrx_foundation_native
  CORPUS tests/fuzz/corpus/user_tools_fuzz)

korvo_fuzz_target(workspace_state_fuzz
  SOURCES tests/fuzz/WorkspaceStateFuzz.cpp
  LIBS vrx_foundation_native
  CORPUS tests/fuzz/corpus/workspace_state_fuzz)

add_executable(foundation_seeds
  ${CMAKE_CURRENT_LIST_DIR}/tests/fuzz/FoundationSeeds.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/fuzz/UserToolStandIn.cpp)
target_link_libraries(foundation_seeds PRIVATE vrx_foundation_native)
