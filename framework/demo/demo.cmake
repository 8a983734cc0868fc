# The framework demo (not shipped): an MDI program in test-bin with a form
# from its own forms DLL and a drawing, driven from outside by a test that
# runs in a Wine virtual desktop and leaves a picture in artifacts/.
set(DEMO_DIR ${CMAKE_CURRENT_SOURCE_DIR}/demo)

korvo_add_dll(framework_demo_forms
  ${DEMO_DIR}/forms/DemoForm.cpp
  ${DEMO_DIR}/forms/DemoFormsDll.cpp
  ${DEMO_DIR}/forms/DemoForms.rc)
target_include_directories(framework_demo_forms PRIVATE ${DEMO_DIR} ${DEMO_DIR}/forms)
target_link_libraries(framework_demo_forms PRIVATE framework)
set_target_properties(framework_demo_forms PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${KORVO_TEST_BIN_DIR})

korvo_add_gui_exe(framework_demo
  ${DEMO_DIR}/DemoApp.cpp
  ${DEMO_DIR}/DemoDialog.cpp
  ${DEMO_DIR}/DemoDrawChild.cpp
  ${DEMO_DIR}/DemoDrawView.cpp
  ${DEMO_DIR}/DemoMainFrame.cpp
  ${DEMO_DIR}/DemoStatusBar.cpp
  ${DEMO_DIR}/Demo.rc)
target_include_directories(framework_demo PRIVATE ${DEMO_DIR})
target_link_libraries(framework_demo PRIVATE framework)
set_target_properties(framework_demo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${KORVO_TEST_BIN_DIR})
add_dependencies(framework_demo framework_demo_forms korvo_runtime)

add_executable(framework_demo_tests ${DEMO_DIR}/tests/DemoDriver.cpp)
target_include_directories(framework_demo_tests PRIVATE ${DEMO_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(framework_demo_tests PRIVATE windriver GTest::gtest)
set_target_properties(framework_demo_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${KORVO_TEST_BIN_DIR})
add_dependencies(framework_demo_tests framework_demo korvo_runtime)

add_test(NAME framework_demo
  COMMAND sh ${PROJECT_SOURCE_DIR}/tools/run-desktop-driver.sh ${CMAKE_BINARY_DIR}/wine-run ${KORVO_TEST_BIN_DIR}
          ${CMAKE_BINARY_DIR}/artifacts framework_demo framework_demo_tests.exe)
korvo_test_uses_display(framework_demo)
