# GoogleTest, built from Debian's sources with the cross compiler, and the
# helper that declares one test program run by ctest under Wine.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

# korvo_add_test(<name> SOURCES <files...> [LIBS <targets...>] [LABELS <labels...>])
function(korvo_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${KORVO_TEST_BIN_DIR})
  add_dependencies(${name} korvo_runtime)
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${KORVO_TEST_BIN_DIR})
  # A test that waits for a window that never comes must fail, not hang CI.
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
  if(ARG_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
  endif()
endfunction()

# Tests that show windows or message boxes take turns on the session's one
# display: run side by side under Wine they were seen to hang each other.
function(korvo_test_uses_display)
  set_property(TEST ${ARGN} APPEND PROPERTY RESOURCE_LOCK display)
endfunction()

# korvo_add_exports_test(<name> <dll target> <export...>): the DLL exports each
# name exactly as written, undecorated, as a caller's GetProcAddress asks.
function(korvo_add_exports_test name target)
  list(JOIN ARGN "," exports)
  add_test(NAME ${name}
    COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DDLL=$<TARGET_FILE:${target}>
            -DEXPORTS=${exports} -P ${PROJECT_SOURCE_DIR}/cmake/CheckExports.cmake)
endfunction()
