korvo_add_test(framework_dialogs_tests
  SOURCES
    ${CMAKE_CURRENT_SOURCE_DIR}/dialogs/tests/CDialogTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/dialogs/tests/CFileDialogTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/dialogs/tests/DataExchangeTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/dialogs/tests/DialogsTestResources.rc
    ${CMAKE_CURRENT_SOURCE_DIR}/dialogs/tests/NumberParsingTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/windows/tests/ModalDriver.cpp
  LIBS framework windriver)
target_include_directories(framework_dialogs_tests PRIVATE
  ${CMAKE_CURRENT_SOURCE_DIR}/dialogs/tests ${CMAKE_CURRENT_SOURCE_DIR}/windows/tests)
korvo_test_uses_display(framework_dialogs_tests)
