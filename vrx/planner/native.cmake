# The native build's part of the planner: appointments, properties,
# storage, recurrence and their archives (see cmake/KorvoNative.cmake).
include(${CMAKE_CURRENT_LIST_DIR}/sources.cmake)
korvo_native_library(vrx_planner_native SOURCES ${VRX_PLANNER_CORE_SOURCES} LIBS framework_native)

korvo_native_test(vrx_planner_native_tests
  SOURCES ${VRX_PLANNER_TEST_SOURCES}
  INCLUDES tests
  LIBS vrx_planner_native)

korvo_fuzz_target(planner_archive_fuzz
  SOURCES tests/fuzz/PlannerArchiveFuzz.cpp
  LIBS vrx_planner_native
  CORPUS tests/fuzz/corpus/planner_archive_fuzz)
