korvo_add_test(framework_gdi_tests
  SOURCES
    ${CMAKE_CURRENT_SOURCE_DIR}/gdi/tests/CDCTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/gdi/tests/CGdiObjectTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/gdi/tests/CImageListTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/gdi/tests/CPaintDCTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/gdi/tests/GdiTestResources.rc
  LIBS framework comctl32)
target_include_directories(framework_gdi_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/gdi/tests)
# windres does not report the files a script names.
set_source_files_properties(${CMAKE_CURRENT_SOURCE_DIR}/gdi/tests/GdiTestResources.rc PROPERTIES
  OBJECT_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/gdi/tests/data/strip.bmp)
korvo_test_uses_display(framework_gdi_tests)
