set(FRAMES_TESTS_DIR ${CMAKE_CURRENT_SOURCE_DIR}/frames/tests)

korvo_add_test(framework_frames_tests
  SOURCES
    ${FRAMES_TESTS_DIR}/CDocTemplateTest.cpp
    ${FRAMES_TESTS_DIR}/CDockStateTest.cpp
    ${FRAMES_TESTS_DIR}/CFormViewTest.cpp
    ${FRAMES_TESTS_DIR}/CFrameWndTest.cpp
    ${FRAMES_TESTS_DIR}/CMDIFrameWndTest.cpp
    ${FRAMES_TESTS_DIR}/CMiniFrameWndTest.cpp
    ${FRAMES_TESTS_DIR}/CScrollViewTest.cpp
    ${FRAMES_TESTS_DIR}/CommandRoutingTest.cpp
    ${FRAMES_TESTS_DIR}/FramesTestResources.rc
    ${FRAMES_TESTS_DIR}/FramesTestWindows.cpp
  LIBS framework shlwapi)
target_include_directories(framework_frames_tests PRIVATE ${FRAMES_TESTS_DIR})

# A form's template in a DLL of its own, found through the resource chain.
korvo_add_dll(frames_forms_probe ${FRAMES_TESTS_DIR}/FormsProbe.cpp ${FRAMES_TESTS_DIR}/FormsProbe.rc)
target_include_directories(frames_forms_probe PRIVATE ${FRAMES_TESTS_DIR})
target_link_libraries(frames_forms_probe PRIVATE framework)
set_target_properties(frames_forms_probe PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${KORVO_TEST_BIN_DIR})
add_dependencies(framework_frames_tests frames_forms_probe)

include(${CMAKE_CURRENT_SOURCE_DIR}/demo/demo.cmake)
korvo_test_uses_display(framework_frames_tests)
