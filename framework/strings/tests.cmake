korvo_add_test(framework_strings_tests
  SOURCES
    ${CMAKE_CURRENT_SOURCE_DIR}/strings/tests/CRectTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/strings/tests/CStringTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/strings/tests/CStringTest.rc
  LIBS framework)
