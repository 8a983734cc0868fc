korvo_add_test(framework_ole_tests
  SOURCES
    ${CMAKE_CURRENT_SOURCE_DIR}/ole/tests/COleDataTransferTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/ole/tests/COleDispatchDriverTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/ole/tests/COleExceptionTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/ole/tests/COleVariantArchiveTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/ole/tests/COleVariantTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/ole/tests/TestAutomationObject.cpp
  LIBS framework)
