korvo_add_test(framework_files_tests
  SOURCES
    ${CMAKE_CURRENT_SOURCE_DIR}/files/tests/ArchiveBytes.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/files/tests/ArchiveDamageTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/files/tests/ArchiveFormatTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/files/tests/ArchiveObjectTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/files/tests/FileFindTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/files/tests/FileTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/files/tests/MemFileTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/files/tests/SampleObjects.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/files/tests/SharedFileTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/files/tests/StdioFileTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/files/tests/TempFolder.cpp
  LIBS framework)
