set(APP_TESTS_DIR ${CMAKE_CURRENT_SOURCE_DIR}/app/tests)

korvo_add_test(framework_app_tests
  SOURCES
    ${APP_TESTS_DIR}/AfxMessageBoxTest.cpp
    ${APP_TESTS_DIR}/AfxRegisterWndClassTest.cpp
    ${APP_TESTS_DIR}/AppTests.rc
    ${APP_TESTS_DIR}/CCmdTargetTest.cpp
    ${APP_TESTS_DIR}/CCmdUITest.cpp
    ${APP_TESTS_DIR}/CCommandLineInfoTest.cpp
    ${APP_TESTS_DIR}/CWinAppProfileTest.cpp
    ${APP_TESTS_DIR}/CWinAppTest.cpp
    ${APP_TESTS_DIR}/CWinThreadTest.cpp
    ${APP_TESTS_DIR}/LoggingTarget.cpp
    ${APP_TESTS_DIR}/RecordingWindowLayer.cpp
    ${APP_TESTS_DIR}/ResourceChainTest.cpp
    ${APP_TESTS_DIR}/SyncObjectTest.cpp
  LIBS framework)
target_include_directories(framework_app_tests PRIVATE ${APP_TESTS_DIR})

# Two extension DLLs from the same sources; the first also defines a
# run-time class and a dialog template. They lie beside the test program,
# which loads them.
foreach(probe first second)
  set(target app_${probe}_probe)
  korvo_add_dll(${target} ${APP_TESTS_DIR}/ExtensionProbe.cpp ${APP_TESTS_DIR}/ExtensionProbe.rc)
  target_include_directories(${target} PRIVATE ${APP_TESTS_DIR})
  target_link_libraries(${target} PRIVATE framework)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${KORVO_TEST_BIN_DIR})
  add_dependencies(framework_app_tests ${target})
endforeach()
target_sources(app_first_probe PRIVATE ${APP_TESTS_DIR}/ExtensionProbeClass.cpp)
target_compile_definitions(app_second_probe PRIVATE SECOND_PROBE)

korvo_add_exports_test(framework_app_exports app_first_probe probe_leave_chain)
korvo_test_uses_display(framework_app_tests)
