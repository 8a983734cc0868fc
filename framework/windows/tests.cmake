korvo_add_test(framework_windows_tests
  SOURCES
    ${CMAKE_CURRENT_SOURCE_DIR}/windows/tests/CMenuTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/windows/tests/CommandUITest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/windows/tests/CreationHookTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/windows/tests/CWndRelativesTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/windows/tests/DlgInitDataTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/windows/tests/HandleMapTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/windows/tests/ModalDriver.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/windows/tests/MessageRoutingTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/windows/tests/PreTranslateTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/windows/tests/WindowsTestResources.rc
  LIBS framework windriver)
target_include_directories(framework_windows_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/windows/tests)

# Message dispatch figures: not a test, run by hand.
add_executable(framework_windows_bench ${CMAKE_CURRENT_SOURCE_DIR}/windows/tests/DispatchBenchmark.cpp)
target_link_libraries(framework_windows_bench PRIVATE framework)
set_target_properties(framework_windows_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${KORVO_TEST_BIN_DIR})
add_dependencies(framework_windows_bench korvo_runtime)
korvo_test_uses_display(framework_windows_tests)
