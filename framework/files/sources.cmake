list(APPEND FRAMEWORK_SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/files/CArchive.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/files/CFile.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/files/CFileFind.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/files/CMemFile.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/files/CSharedFile.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/files/CStdioFile.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/files/FilePath.cpp
)
