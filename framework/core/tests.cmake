# A module of its own, loaded by the tests to create its class by name.
add_library(framework_core_testmodule SHARED
  ${CMAKE_CURRENT_SOURCE_DIR}/core/tests/CModuleException.cpp)
target_link_libraries(framework_core_testmodule PRIVATE framework)
set_target_properties(framework_core_testmodule PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${KORVO_TEST_BIN_DIR})

korvo_add_test(framework_core_tests
  SOURCES
    ${CMAKE_CURRENT_SOURCE_DIR}/core/tests/ExceptionTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/core/tests/ModuleClassTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/core/tests/RuntimeClassTest.cpp
  LIBS framework)
add_dependencies(framework_core_tests framework_core_testmodule)
