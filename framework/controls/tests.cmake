korvo_add_test(framework_controls_tests
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/controls/tests/ControlsTest.cpp
  LIBS framework)
korvo_test_uses_display(framework_controls_tests)
